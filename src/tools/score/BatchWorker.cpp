#include "BatchWorker.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {
QByteArray readLine(FILE *in, bool *atEnd)
{
    QByteArray line;
    for (;;) {
        const int c = std::fgetc(in);
        if (c == EOF) {
            *atEnd = line.isEmpty();
            return line;
        }
        if (c == '\n')
            return line;
        line.append(char(c));
    }
}

QJsonObject answer(const ScoreRequest &base, const QByteArray &line)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
    const QJsonObject object = document.object();
    if (parseError.error != QJsonParseError::NoError || !object.value(QLatin1String("expected")).isString()
        || !object.value(QLatin1String("audio")).isString())
        return QJsonObject{{QStringLiteral("error"), QStringLiteral("the worker received a malformed request")}};
    ScoreRequest request = base;
    request.expectedSentence = object.value(QLatin1String("expected")).toString();
    request.audioPath = object.value(QLatin1String("audio")).toString();
    int exitCode = 0;
    return ScoreRun::run(request, &exitCode);
}
}

namespace BatchWorker {
int run(const ScoreRequest &base, FILE *in, FILE *out)
{
    bool atEnd = false;
    for (;;) {
        const QByteArray line = readLine(in, &atEnd);
        if (atEnd)
            return 0;
        if (line.trimmed().isEmpty())
            continue;
        const QByteArray result = QJsonDocument(answer(base, line)).toJson(QJsonDocument::Compact);
        std::fwrite(result.constData(), 1, size_t(result.size()), out);
        std::fputc('\n', out);
        std::fflush(out);
    }
}
}
