// Child program of the learner record's kill test: counts every counter of the record up
// by one, again and again, until it is killed.
// Usage: record_writer_child DOCUMENTS [--open]
// With --open it only opens the record, as the app does at start, and exits 0.
// Prints "saved N" after each completed save (every counter is N in it), and "ready"
// after the first one.
// Exit status: 1 when a save fails, 2 for wrong arguments.
#include "content/AppCommon.h"
#include "platform/foundation/PlatformPaths.h"

#include <QCoreApplication>

#include <cstdio>
#include <utility>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool openOnly = argc == 3 && qstrcmp(argv[2], "--open") == 0;
    if (argc != 2 && !openOnly) {
        std::fprintf(stderr, "usage: record_writer_child DOCUMENTS [--open]\n");
        return 2;
    }
    PlatformPaths::setDocumentsOverride(QString::fromLocal8Bit(argv[1]));
    if (openOnly) {
        AppCommon::getUserInfo();
        return 0;
    }
    const QString first = AppCommon::userInfoKeys().front();
    bool announced = false;
    for (;;) {
        QVariantMap record = AppCommon::getUserInfo();
        const qint64 next = record.value(first).toLongLong() + 1;
        for (const QString &key : AppCommon::userInfoKeys())
            record.insert(key, QVariant::fromValue(next));
        if (!AppCommon::saveUserInfo(record)) {
            std::fprintf(stderr, "saving the record failed\n");
            return 1;
        }
        std::printf("saved %lld\n", static_cast<long long>(next));
        // Ready once the first save is done, so that kills land among the saves rather than
        // in the start-up.
        if (!std::exchange(announced, true))
            std::printf("ready\n");
        std::fflush(stdout);
    }
}
