#pragma once

#include <QString>
#include <QStringList>

// Finds the resource root: the folder that holds "resources.bundle" and
// "EnglishAcousticModel.bundle". Candidates, in order:
//   1. the folder given on the command line (--resources DIR), see setCommandLineRoot;
//   2. $PHRASEBOOK_RESOURCES;
//   3. <folder of the executable>/../share/phrasebook (installed prefix, and the build tree,
//      whose executables live in bin/ beside share/phrasebook);
//   4. the build tree's share/phrasebook, compiled in.
// An explicitly given root (1 or 2) is used even when it does not exist, so a mistyped
// folder produces an error naming it instead of silently loading other content.
//
// Thread: main thread. Failure: bundlePath() returns an empty string when the bundle is
// missing; describeSearch() names the folders tried, for error messages.
namespace ResourceLocator {
void setCommandLineRoot(const QString &path);
QString resourceRoot();
QString bundlePath(const QString &name);  // e.g. "resources" -> <root>/resources.bundle
QString describeSearch();
}
