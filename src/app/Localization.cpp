#include "Localization.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <memory>

namespace {
std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
}

namespace Localization {
QString qtLocaleName(const QString &languageCode)
{
    QString name = languageCode;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}

QString translationFile(const QString &languageCode)
{
    return QStringLiteral(":/i18n/phrasebook_%1.qm").arg(qtLocaleName(languageCode));
}

bool install(const QString &languageCode)
{
    if (installed()) {
        QCoreApplication::removeTranslator(installed().get());
        installed().reset();
    }
    const QString file = translationFile(languageCode);
    if (!QFile::exists(file))
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    return true;
}
}
