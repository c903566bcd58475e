#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace FuzzSupport {

namespace {
QString &scratchPath()
{
    static QString path;
    return path;
}
}

QString init()
{
    // Never destroyed: destroying it from the exit handlers crashes inside Qt, and the
    // process ends right after.
    static QCoreApplication *app = nullptr;
    if (!app) {
        static int argc = 1;
        static char name[] = "phrasebook-fuzz";
        static char *argv[] = {name, nullptr};
        app = new QCoreApplication(argc, argv);
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                        : QDir::tempPath();
        scratchPath() = base + QStringLiteral("/phrasebook-fuzz-%1").arg(::getpid());
        QDir(scratchPath()).removeRecursively();
        QDir().mkpath(scratchPath());
        std::atexit([] { QDir(scratchPath()).removeRecursively(); });
    }
    return scratchPath();
}

QString scratch() { return scratchPath(); }

QString freshFolder(const QString &name)
{
    const QString path = scratchPath() + QLatin1Char('/') + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

bool writeFile(const QString &path, std::string_view bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

QString scratchFile(const QString &name, std::string_view bytes)
{
    const QString path = scratchPath() + QLatin1Char('/') + name;
    writeFile(path, bytes);
    return path;
}

Input split(const std::uint8_t *data, std::size_t size, std::size_t count)
{
    Input input;
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    if (!rest.empty()) {
        input.mode = std::uint8_t(rest.front());
        rest.remove_prefix(1);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = i + 1 < count ? rest.find(kSeparator) : std::string_view::npos;
        input.parts.push_back(rest.substr(0, at));
        rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + kSeparator.size());
    }
    return input;
}

QByteArray join(std::uint8_t mode, const std::vector<QByteArray> &parts)
{
    QByteArray out(1, char(mode));
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out.append(kSeparator.data(), qsizetype(kSeparator.size()));
        out.append(parts[i]);
    }
    return out;
}

void fuzzCheck(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
}
