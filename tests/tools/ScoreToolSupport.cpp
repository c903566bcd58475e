#include "ScoreToolSupport.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QJsonDocument>

namespace ScoreToolSupport {
QString synthesize(const QString &folder, const QString &name, const QString &text)
{
    const QString raw = folder + "/" + name + "-raw.wav";
    const QString wav = folder + "/" + name + ".wav";
    if (TestSupport::runProgram("flite", {"-voice", "slt", "-t", text, "-o", raw}) != 0)
        return {};
    if (TestSupport::runProgram("sox", {raw, "-r", "16000", "-c", "1", wav}) != 0)
        return {};
    return wav;
}

QList<QJsonObject> jsonLines(const QByteArray &bytes)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.startsWith('{'))
            objects.append(QJsonDocument::fromJson(line).object());
    }
    return objects;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
}
