#include "AssessmentData.h"

#include <QFile>
#include <QFileInfo>

std::optional<std::vector<RatedUtterance>> readRatedUtterances(const QString &folder, QString *error)
{
    QFile file(folder + QStringLiteral("/scores.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
        return std::nullopt;
    }
    std::vector<RatedUtterance> utterances;
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool ok = fields.size() == 8;
        RatedUtterance utterance;
        if (ok) {
            utterance.id = fields[0];
            utterance.speaker = fields[0].left(5);
            utterance.accuracy = fields[1].toDouble(&ok);
            utterance.text = fields[6];
            utterance.audioPath = folder + QStringLiteral("/audio/") + utterance.id + QStringLiteral(".flac");
        }
        for (const QString &value : ok ? fields[7].split(QLatin1Char(',')) : QStringList()) {
            utterance.wordAccuracies.push_back(value.toDouble(&ok));
            if (!ok)
                break;
        }
        if (!ok || !QFileInfo::exists(utterance.audioPath)) {
            *error = QStringLiteral("%1 line %2: malformed, or its audio is missing").arg(file.fileName()).arg(lineNumber);
            return std::nullopt;
        }
        utterances.push_back(std::move(utterance));
    }
    return utterances;
}
