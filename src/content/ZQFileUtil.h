#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

// User folders, folder sizes and encrypted property lists.
//
// Thread: any for the size and file functions; the folder functions read PlatformPaths
// (main thread). Failure results: sizes are 0 for missing paths; removeFileInFolder skips
// what it cannot remove; getDicFromEncryptedPlist returns nullopt (logging the reason at
// level 2) when the file does not decrypt and parse to a dictionary.
class ZQFileUtil
{
public:
    static QString getCachesDirectory();     // with a trailing "/"
    static QString getDocumentsDirectory();  // with a trailing "/"
    static double getFileSizeAtPath(const QString &path);
    static float getFolderSizeAtPath(const QString &path);  // megabytes
    static void removeFileInFolder(const QString &path);
    // With a key: Base64 DES text -> XML property list. Without: a plain property list file.
    static std::optional<QVariantMap> getDicFromEncryptedPlist(const QString &path,
                                                               const QString &key);
};
