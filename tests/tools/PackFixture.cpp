#include "PackFixture.h"

#include "content/AppCommon.h"
#include "tools/pack/CatalogueSource.h"
#include "tools/lexicon/LexiconBuilder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace PackFixture {

Result run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    QProcessEnvironment env = environment;
    // Sanitizer builds: the project's leak suppressions, and no tracking of dynamically
    // allocated thread-local storage (GCC 12's runtime on glibc 2.36 records a bogus block
    // when fontconfig starts without a cache, as in the tests' fresh cache folder, and the
    // leak check at exit then crashes). Both are ignored by builds without sanitizers.
    env.insert(QStringLiteral("LSAN_OPTIONS"),
               QStringLiteral("suppressions=") + QStringLiteral(PHRASEBOOK_LSAN_SUPPRESSIONS));
    const QString asanOptions = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               (asanOptions.isEmpty() ? QString() : asanOptions + QLatin1Char(':'))
                   + QStringLiteral("intercept_tls_get_addr=0"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Result result;
    if (!process.waitForStarted(10000))
        return result;
    process.waitForFinished(180000);
    result.output = QString::fromUtf8(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}

QJsonObject translations(const QString &english)
{
    QJsonObject map;
    for (const QString &code : AppCommon::supportedLanguages())
        map.insert(code, code == QLatin1String("en") ? english : english + QStringLiteral(" [") + code + QLatin1Char(']'));
    return map;
}

QJsonObject phrase(qint64 id, const QString &txt, const QString &phon)
{
    QJsonObject object{{QStringLiteral("id"), id}, {QStringLiteral("txt"), txt},
                       {QStringLiteral("wTrans"), translations(txt)}};
    if (!phon.isEmpty())
        object.insert(QStringLiteral("phon"), phon);
    return object;
}

QJsonObject category(qint64 id, const QString &name, const QList<QJsonObject> &phrases)
{
    QJsonArray array;
    for (const QJsonObject &p : phrases)
        array.append(p);
    return QJsonObject{{QStringLiteral("id"), id},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("icon"), QStringLiteral("waving_hand")},
                       {QStringLiteral("color"), QStringLiteral("#3b6fb6")},
                       {QStringLiteral("nameTrans"), translations(name)},
                       {QStringLiteral("phrases"), array}};
}

QList<QJsonObject> goodSource()
{
    return {
        category(1, QStringLiteral("Greetings"),
                 {phrase(101, QStringLiteral("Good morning."), QStringLiteral("ɡʊd mɔːɹnɪŋ")),
                  phrase(102, QStringLiteral("How are you?"))}),
        category(2, QStringLiteral("Thanks"),
                 {phrase(201, QStringLiteral("Thank you!"), QStringLiteral("θæŋk juː")),
                  phrase(202, QStringLiteral("I'm fine, thank you."), QStringLiteral("aɪm faɪn θæŋk juː")),
                  phrase(203, QStringLiteral("Good."), QStringLiteral("ɡʊd"))}),
    };
}

void writeJson(const QString &path, const QJsonObject &object)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QJsonDocument(object).toJson());
}

void writeSource(const QString &folder, const QList<QJsonObject> &categories)
{
    QDir().mkpath(folder);
    for (const QJsonObject &c : categories) {
        // Named after the good source's entry at the same id, so broken copies keep the name.
        const bool thanks = c.value(QLatin1String("phrases")).toArray().size() == 3;
        writeJson(folder + (thanks ? QStringLiteral("/2-thanks.json") : QStringLiteral("/1-greetings.json")), c);
    }
}

QString writeLookupList(const QString &folder)
{
    // Deliberately out of order, with an alternative before its word.
    const QByteArray dictionary = "you Y UW\n"
                                  "thank TH AE NG K\n"
                                  "morning M AO R N IH NG\n"
                                  "i'm AY M\n"
                                  "how HH AW\n"
                                  "good G UH D\n"
                                  "fine F AY N\n"
                                  "are(2) ER\n"
                                  "are AA R\n";
    LexiconBuilder builder;
    builder.parse(dictionary);
    const QString path = folder + QStringLiteral("/PronunciationLookupList.text");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(builder.lookupListText());
    return path;
}

QStringList fileTree(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext())
        files.append(base.relativeFilePath(it.next()));
    files.sort();
    return files;
}
}
