#pragma once

#include <QString>

// The learner's folders: Documents (application data) and Caches.
//
// Both come from QStandardPaths (AppDataLocation, CacheLocation) and are created on first
// use. Tests and tools may redirect them with setDocumentsOverride / setCachesOverride.
//
// Thread: main thread (the overrides are plain globals).
// Failure: when a folder cannot be created the path is still returned; writes into it
// then fail and are reported by their callers.
namespace PlatformPaths {
QString documentsDirectory();   // no trailing slash
QString cachesDirectory();      // no trailing slash
void setDocumentsOverride(const QString &path);  // empty: back to the standard location
void setCachesOverride(const QString &path);
}
