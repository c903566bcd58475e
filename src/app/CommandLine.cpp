#include "CommandLine.h"

#include "content/AppCommon.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {
struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption device{QStringLiteral("device"),
                              QStringLiteral("Window preset: se (320x568), phone (375x667, default), notch "
                                             "(375x812 with safe-area insets), tablet (768x1024)."),
                              QStringLiteral("se|phone|notch|tablet")};
    QCommandLineOption resources{QStringLiteral("resources"),
                                 QStringLiteral("Folder holding resources.bundle and EnglishAcousticModel.bundle; or "
                                                "an extra catalogue written by phrasebook-pack, whose categories are "
                                                "shown after the built-in ones (may be given more than once)."),
                                 QStringLiteral("DIR")};
    QCommandLineOption language{QStringLiteral("language"),
                                QStringLiteral("The learner's language for this run (%1); the stored preference "
                                               "is left as it is.")
                                    .arg(AppCommon::supportedLanguages().join(QStringLiteral(", "))),
                                QStringLiteral("CODE")};
    QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                  QStringLiteral("Start, let the first screen settle, save the window to FILE as "
                                                 "PNG and exit."),
                                  QStringLiteral("FILE")};

    QCommandLineOption tour{QStringLiteral("tour"),
                            QStringLiteral("Walk the screens, saving one PNG per screen into DIR (main.png, "
                                           "category.png, ...), and exit."),
                            QStringLiteral("DIR")};
    QCommandLineOption microphone{QStringLiteral("microphone"),
                                  QStringLiteral("Feed the recorder from the sound file FILE instead of the input "
                                                 "device (for this run)."),
                                  QStringLiteral("FILE")};

    void addTo(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(QStringLiteral("Phrasebook: learn to speak the phrases of a foreign language."));
        parser.addOption(help);
        parser.addOption(device);
        parser.addOption(resources);
        parser.addOption(language);
        parser.addOption(screenshot);
        parser.addOption(tour);
        parser.addOption(microphone);
    }
};
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine result;
    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(options.help)) {
        result.help = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return result;
    }
    if (parser.isSet(options.device)) {
        const QString name = parser.value(options.device);
        const std::optional<DeviceProfile> profile = DeviceProfile::preset(name);
        if (!profile) {
            result.error = QStringLiteral("Unknown device '%1' (use one of: %2).")
                               .arg(name, DeviceProfile::presetNames().join(QStringLiteral(", ")));
            return result;
        }
        result.device = *profile;
    }
    for (const QString &folder : parser.values(options.resources)) {
        if (folder.isEmpty()) {
            result.error = QStringLiteral("--resources needs a folder.");
            return result;
        }
        if (AppCommon::isExtraCatalogue(folder)) {
            result.extraCatalogues.append(QFileInfo(folder).absoluteFilePath());
        } else if (result.resourcesDirectory.isEmpty()) {
            result.resourcesDirectory = folder;
        } else {
            result.error = QStringLiteral("--resources: '%1' and '%2' are both resource folders; give one (an extra "
                                          "catalogue is a folder of category folders).")
                               .arg(result.resourcesDirectory, folder);
            return result;
        }
    }
    if (parser.isSet(options.language)) {
        result.language = parser.value(options.language);
        if (!AppCommon::supportedLanguages().contains(result.language)) {
            result.error = QStringLiteral("Unknown language '%1' (use one of: %2).")
                               .arg(result.language, AppCommon::supportedLanguages().join(QStringLiteral(", ")));
            return result;
        }
    }
    if (parser.isSet(options.screenshot)) {
        result.screenshotPath = parser.value(options.screenshot);
        if (result.screenshotPath.isEmpty()) {
            result.error = QStringLiteral("--screenshot needs a file name.");
            return result;
        }
    }
    if (parser.isSet(options.tour)) {
        result.tourDirectory = parser.value(options.tour);
        if (result.tourDirectory.isEmpty()) {
            result.error = QStringLiteral("--tour needs a folder.");
            return result;
        }
        if (!result.screenshotPath.isEmpty()) {
            result.error = QStringLiteral("--tour and --screenshot cannot be used together.");
            return result;
        }
    }
    if (parser.isSet(options.microphone)) {
        result.microphoneFile = parser.value(options.microphone);
        const QFileInfo file(result.microphoneFile);
        if (result.microphoneFile.isEmpty()) {
            result.error = QStringLiteral("--microphone needs a sound file.");
            return result;
        }
        if (!file.isFile() || !file.isReadable()) {
            result.error = QStringLiteral("--microphone: cannot read the sound file '%1'.").arg(result.microphoneFile);
            return result;
        }
        result.microphoneFile = file.absoluteFilePath();
    }
    return result;
}

QString CommandLine::helpText()
{
    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    return parser.helpText();
}
