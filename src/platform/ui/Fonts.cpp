#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>

#include <cmath>
#include <cstdio>

namespace {
constexpr const char *kDsegFile = "/usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf";
constexpr const char *kComicNeueFile = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf";
constexpr const char *kMaterialIconsFile =
    "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf";

struct FontState
{
    bool loaded = false;
    QString dsegFamily = QStringLiteral("DSEG7 Classic");
    QString comicFamily = QStringLiteral("Comic Neue");
    QString iconFamily = QStringLiteral("Material Icons");
    QString language = QStringLiteral("en");
    QStringList missing;
};

FontState &state()
{
    static FontState instance;
    return instance;
}

QString addFont(const char *path, const QString &expectedFamily)
{
    const QString file = QString::fromLatin1(path);
    const int id = QFile::exists(file) ? QFontDatabase::addApplicationFont(file) : -1;
    if (id < 0) {
        std::fprintf(stderr, "phrasebook: font file %s is missing; using a system font instead\n", path);
        state().missing << expectedFamily;
        return expectedFamily;
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? expectedFamily : families.first();
}

QString cjkFamily(const QString &language)
{
    if (language == QLatin1String("zh-Hant"))
        return QStringLiteral("Noto Sans CJK TC");
    if (language == QLatin1String("ja"))
        return QStringLiteral("Noto Sans CJK JP");
    if (language == QLatin1String("ko"))
        return QStringLiteral("Noto Sans CJK KR");
    return QStringLiteral("Noto Sans CJK SC");
}

QFont withFamilies(const QString &family, qreal size, bool bold)
{
    QFont font;
    QStringList families{family};
    families << Fonts::fallbackFamilies();
    families.removeDuplicates();
    font.setFamilies(families);
    font.setPixelSize(qMax(1, int(std::lround(size))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
}

namespace Fonts {
void load()
{
    FontState &s = state();
    if (s.loaded)
        return;
    s.loaded = true;
    s.dsegFamily = addFont(kDsegFile, s.dsegFamily);
    s.comicFamily = addFont(kComicNeueFile, s.comicFamily);
    s.iconFamily = addFont(kMaterialIconsFile, s.iconFamily);
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setFont(systemFont(14));
}

void setLanguage(const QString &languageCode)
{
    state().language = languageCode;
    if (state().loaded && qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setFont(systemFont(14));
}

QStringList fallbackFamilies()
{
    return {QStringLiteral("Noto Sans"), cjkFamily(state().language), QStringLiteral("Noto Sans Arabic"),
            QStringLiteral("Noto Sans Devanagari"), QStringLiteral("Noto Sans Thai")};
}

QFont font(const QString &name, qreal size)
{
    load();
    if (name == QLatin1String("DBLCDTempBlack"))
        return withFamilies(state().dsegFamily, size, true);
    if (name == QLatin1String("MarkerFelt-Thin"))
        return withFamilies(state().comicFamily, size, false);
    if (name == QLatin1String("Helvetica"))
        return withFamilies(QStringLiteral("Noto Sans"), size, false);
    return withFamilies(name, size, false);
}

QFont systemFont(qreal size) { return withFamilies(QStringLiteral("Noto Sans"), size, false); }

QFont boldSystemFont(qreal size) { return withFamilies(QStringLiteral("Noto Sans"), size, true); }

QFont iconFont(qreal size)
{
    load();
    QFont font(state().iconFamily);
    font.setPixelSize(qMax(1, int(std::lround(size))));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString iconFamily()
{
    load();
    return state().iconFamily;
}

QStringList missingFonts() { return state().missing; }
}
