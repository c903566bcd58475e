#include "ContentFixture.h"

#include "content/ZQCryptor.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace ContentFixture {
QJsonObject phrase(int id, const QString &text, const QJsonObject &translations)
{
    QJsonObject object{{"id", id}, {"txt", text}};
    if (!translations.isEmpty())
        object.insert("wTrans", translations);
    return object;
}

void writeCategory(const QString &bundle, int id, const QString &name, const QJsonArray &phrases,
                   const QJsonObject &nameTrans)
{
    const QString folder = bundle + QLatin1Char('/') + QString::number(id);
    QDir().mkpath(folder);
    QJsonObject translations = nameTrans;
    if (!translations.contains("en"))
        translations.insert("en", name);
    QFile info(folder + "/pkgInfo");
    info.open(QIODevice::WriteOnly);
    info.write(QJsonDocument(QJsonObject{{"id", id}, {"name", name}, {"nameTrans", translations}})
                   .toJson());
    QFile list(folder + "/phrasesInfo");
    list.open(QIODevice::WriteOnly);
    list.write(ZQCryptor::encryptWithDES(QString::fromUtf8(QJsonDocument(phrases).toJson()),
                                         ZQCryptor::contentKey)
                   .toUtf8());
}
}
