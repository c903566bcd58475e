#include "ArpaModel.h"

#include <QFile>
#include <QRegularExpression>

ArpaModel ArpaModel::read(const QString &path)
{
    ArpaModel model;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        model.error = QStringLiteral("cannot open ") + path;
        return model;
    }
    model.rawLines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    static const QRegularExpression countLine(QStringLiteral("^ngram (\\d+)=(\\d+)$"));
    static const QRegularExpression sectionLine(QStringLiteral("^\\\\(\\d+)-grams:$"));
    int section = 0;
    bool inData = false, ended = false;
    for (const QString &line : model.rawLines) {
        if (line == QLatin1String("\\data\\")) {
            inData = true;
            continue;
        }
        if (line == QLatin1String("\\end\\")) {
            ended = true;
            break;
        }
        if (line.isEmpty())
            continue;
        if (const auto m = sectionLine.match(line); m.hasMatch()) {
            section = m.captured(1).toInt();
            continue;
        }
        if (section == 0) {
            if (const auto m = countLine.match(line); inData && m.hasMatch())
                model.headerCounts[m.captured(1).toInt()] = m.captured(2).toInt();
            else if (inData)
                model.error = QStringLiteral("bad header line: ") + line;
            continue;
        }
        const QStringList fields = line.split(QLatin1Char(' '));
        if (fields.size() != section + 1 && fields.size() != section + 2) {
            model.error = QStringLiteral("bad n-gram line: ") + line;
            continue;
        }
        Entry entry;
        entry.logProbability = fields.first().toDouble();
        if (fields.size() == section + 2)
            entry.logBackoff = fields.last().toDouble();
        model.ngrams[section][fields.mid(1, section)] = entry;
    }
    if (!ended && model.error.isEmpty())
        model.error = QStringLiteral("no \\end\\ line");
    return model;
}

QStringList ArpaModel::keysOfOrder(int order) const
{
    QStringList words;
    for (const QStringList &key : ngrams.value(order).keys())
        words.append(key.join(QLatin1Char(' ')));
    return words;
}

double ArpaModel::probability(const QStringList &history, const QString &word) const
{
    const QStringList full = history + QStringList{word};
    const auto &table = ngrams.value(int(full.size()));
    if (auto it = table.find(full); it != table.end())
        return std::pow(10.0, it->logProbability);
    if (history.isEmpty())
        return 0;
    double backoff = 1;
    const auto &contexts = ngrams.value(int(history.size()));
    if (auto it = contexts.find(history); it != contexts.end())
        backoff = std::pow(10.0, it->logBackoff);
    return backoff * probability(history.mid(1), word);
}
