#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

// Writes whole files so that a reader sees either the previous file or the complete new
// one, never a part: the bytes go to a new file beside the target, which is then renamed
// over it. Every program file that others read (the learner record, decrypted files, the
// language model files and dictionary, the bundle files, the lookup list) is written here.
//
// Thread: any (no shared state; two writers of the same path race like two renames).
// Failure: write() returns false and leaves an existing file untouched and no temporary
// file behind; `failure` (when given) gets the file error and what went wrong.
namespace AtomicFile {

enum class Durability {
    // Synced to disk before the rename (QSaveFile), so a crash or power cut keeps either
    // file whole: for files that cannot be made again.
    Synced,
    // Without the sync: for files a run rebuilds from scratch (language models, bundles
    // under construction), where the sync would cost many times the work itself.
    Unsynced,
};

struct Failure
{
    QFileDevice::FileError code = QFileDevice::NoError;
    QString reason;   // the system's description, e.g. "Permission denied"
    QString message;  // "cannot write <path>: <reason>"
};

bool write(const QString &path, QByteArrayView bytes, Failure *failure = nullptr,
           Durability durability = Durability::Synced);

}
