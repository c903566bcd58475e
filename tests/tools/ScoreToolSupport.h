#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// Helpers of the phrasebook-score tests.
namespace ScoreToolSupport {
// `text` read by flite's slt voice into <folder>/<name>.wav (16 kHz mono); empty when flite
// or sox failed.
QString synthesize(const QString &folder, const QString &name, const QString &text);
// The JSON objects of JSON Lines output; lines that are not objects are skipped.
QList<QJsonObject> jsonLines(const QByteArray &bytes);
bool writeFile(const QString &path, const QByteArray &bytes);
}
