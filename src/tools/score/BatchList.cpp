#include "BatchList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringDecoder>

namespace {
// Why the audio file cannot be scored; empty when it looks readable.
QString audioProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("the audio file %1 does not exist").arg(path);
    if (!info.isFile())
        return QStringLiteral("the audio path %1 is not a file").arg(path);
    if (!info.isReadable())
        return QStringLiteral("the audio file %1 cannot be read (no permission)").arg(path);
    return {};
}

BatchEntry parseLine(const QString &line, int number, const QDir &base)
{
    BatchEntry entry;
    entry.line = number;
    const QStringList columns = line.split(QLatin1Char('\t'));
    if (columns.size() != 2) {
        entry.error = columns.size() < 2
            ? QStringLiteral("line %1: no tab between the sentence and the audio path").arg(number)
            : QStringLiteral("line %1: %2 tabs; expected one, between the sentence and the audio path")
                  .arg(number)
                  .arg(columns.size() - 1);
        return entry;
    }
    entry.expected = columns.at(0).trimmed();
    const QString audio = columns.at(1).trimmed();
    if (entry.expected.isEmpty())
        entry.error = QStringLiteral("line %1: the sentence is empty").arg(number);
    else if (audio.isEmpty())
        entry.error = QStringLiteral("line %1: the audio path is empty").arg(number);
    if (!entry.error.isEmpty())
        return entry;
    entry.audioPath = QDir::cleanPath(base.absoluteFilePath(audio));
    entry.error = audioProblem(entry.audioPath);
    return entry;
}
}

namespace BatchList {
QList<BatchEntry> parse(const QString &text, const QString &baseFolder)
{
    const QDir base(baseFolder);
    QList<BatchEntry> entries;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        entries.append(parseLine(line, int(i + 1), base));
    }
    return entries;
}

bool read(const QString &listPath, QList<BatchEntry> *entries, QString *error)
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the list %1: %2").arg(listPath, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        *error = QStringLiteral("the list %1 is not UTF-8 text").arg(listPath);
        return false;
    }
    *entries = parse(text, QFileInfo(listPath).absolutePath());
    return true;
}
}
