#pragma once

#include <QJsonObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Helpers of the packer tests: a tiny valid catalogue source, a tiny pronunciation list and
// a way to run the programs with a chosen environment.
namespace PackFixture {

struct Result
{
    int exitCode = -1;  // -1: did not start or crashed
    QString output;     // standard output and error, merged
};

Result run(const QString &program, const QStringList &arguments,
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// A translation map of all 16 learner languages; "en" holds `english`.
QJsonObject translations(const QString &english);
QJsonObject phrase(qint64 id, const QString &txt, const QString &phon = QString());
QJsonObject category(qint64 id, const QString &name, const QList<QJsonObject> &phrases);

// Two categories: 1 "Greetings" (phrases 101 with a "phon", 102 without), 2 "Thanks"
// (201, 202, 203, all with "phon"). writeSource() names the files "1-greetings.json" and
// "2-thanks.json" (told apart by their phrase count, so broken copies keep their names).
QList<QJsonObject> goodSource();
void writeSource(const QString &folder, const QList<QJsonObject> &categories);
void writeJson(const QString &path, const QJsonObject &object);

// The lookup list of every word of goodSource(), built from CMU-dictionary style lines.
QString writeLookupList(const QString &folder);

// Every file below `folder`, relative, sorted.
QStringList fileTree(const QString &folder);
}
