#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// Writes small installed bundles for the catalogue tests.
namespace ContentFixture {
QJsonObject phrase(int id, const QString &text, const QJsonObject &translations = {});
// Writes <bundle>/<id>/pkgInfo and an encrypted phrasesInfo.
void writeCategory(const QString &bundle, int id, const QString &name, const QJsonArray &phrases,
                   const QJsonObject &nameTrans = {});
}
