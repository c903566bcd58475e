#pragma once

#include "platform/ui/DeviceProfile.h"

#include <QString>
#include <QStringList>

// The application's own command line (beside the phone behaviour):
//   --device se|phone|notch|tablet   window preset (default phone)
//   --resources DIR                  folder holding resources.bundle and EnglishAcousticModel.bundle,
//                                    or (repeatable) an extra catalogue: a folder of category
//                                    folders as phrasebook-pack writes them
//   --language CODE                  the learner's language for this run (the stored
//                                    "LanguageType" preference is left as it is)
//   --screenshot FILE                start, let the first screen settle, save the window as PNG, exit 0
//   --tour DIR                       walk the screens (ScreenTour), saving DIR/<screen>.png, exit 0
//   --microphone FILE                feed the recorder from this sound file instead of the
//                                    input device, for this run
//   --help
//
// Thread: any. Failure: parse() reports a message naming the bad argument (the caller prints
// it and exits with status 2); a --microphone file that does not exist or cannot be read
// is such an error.
class CommandLine
{
public:
    DeviceProfile device = DeviceProfile::defaultProfile();
    QString resourcesDirectory;
    QStringList extraCatalogues;  // absolute paths, in command-line order
    QString language;
    QString screenshotPath;
    QString tourDirectory;
    QString microphoneFile;
    bool help = false;
    QString error;  // empty when the arguments are good

    // `arguments` includes the program name first (QCoreApplication::arguments()).
    static CommandLine parse(const QStringList &arguments);
    static QString helpText();
};
