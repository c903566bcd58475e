// phrasebook-pack: builds the installed resources bundle from the catalogue source, or from
// a teacher's phrase list (.txt or .csv) as one category.
// Exit status: 0 done, 1 bad content or a failure while packing (nothing half-written is
// left), 2 wrong arguments.
#include "BundlePacker.h"
#include "PhraseListSource.h"
#include "platform/foundation/ResourceLocator.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {
void printUsage(FILE *stream)
{
    std::fputs(
        "Usage: phrasebook-pack [--lookup-list FILE] [--jobs N] SOURCE_DIR OUTPUT_BUNDLE_DIR\n"
        "       phrasebook-pack [--name NAME] [--id N] [options] LIST.txt|LIST.csv OUTPUT_BUNDLE_DIR\n"
        "\n"
        "Checks every *.json category file of SOURCE_DIR and writes the resources bundle\n"
        "OUTPUT_BUNDLE_DIR: per category pkgInfo, the encrypted phrasesInfo, cover.jpg,\n"
        "encrypted phrase images and MP3 voices (flite; missing \"phon\" from espeak-ng).\n"
        "\n"
        "A phrase list becomes one category of its own:\n"
        "  LIST.txt  one phrase a line; blank lines and lines starting with # are skipped\n"
        "  LIST.csv  a header row: en (or txt) for the phrase, then learner language codes\n"
        "            (fr, de, zh-Hans, ...); one phrase a row, translations optional; RFC 4180\n"
        "            quoting (\"a, b\" and \"say \"\"hi\"\"\")\n"
        "Phrases may hold ASCII letters, spaces, apostrophes and . , ? ! only. Every word must be\n"
        "in the pronunciation list: a missing word is listed with the closest listed words and\n"
        "nothing is written (a word the recogniser does not know can never be scored), so\n"
        "rewrite the phrase. A missing translation shows the phrase itself in the app.\n"
        "Put the bundle in the app's catalogues/ folder (or pass it with --resources):\n"
        "  phrasebook-pack --name \"Class 3B\" words.csv ~/.local/share/Phrasebook/phrasebook/catalogues/3b\n"
        "\n"
        "Options:\n"
        "  --lookup-list FILE  pronunciation lookup list every word must be in (default: the\n"
        "                      PronunciationLookupList.text of the EnglishAcousticModel bundle)\n"
        "  --jobs N            voices synthesised in parallel (default 2)\n"
        "  --name NAME         the list's category name (default: the file's base name)\n"
        "  --id N              the list's category id, 1000 or more (default: from the name,\n"
        "                      900000-999999); phrase n of the list gets the id N * 1000 + n\n"
        "  -h, --help          show this help\n"
        "\n"
        "Exit status: 0 done, 1 bad content or packing failure, 2 wrong arguments.\n",
        stream);
}

int usageError(const QString &message)
{
    std::fprintf(stderr, "phrasebook-pack: %s\n", qPrintable(message));
    std::fputs("Try 'phrasebook-pack --help'.\n", stderr);
    return 2;
}
}

int main(int argc, char **argv)
{
    // Text is drawn with QPainter, which needs a QGuiApplication; run headless by default.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    BundlePacker::Options options;
    QStringList positional;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        auto value = [&](const QString &name) -> std::optional<QString> {
            if (argument.startsWith(name + QLatin1Char('=')))
                return argument.mid(name.size() + 1);
            if (i + 1 < arguments.size())
                return arguments.at(++i);
            return std::nullopt;
        };
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            printUsage(stdout);
            return 0;
        }
        if (argument == QLatin1String("--lookup-list") || argument.startsWith(QLatin1String("--lookup-list="))) {
            const std::optional<QString> path = value(QStringLiteral("--lookup-list"));
            if (!path || path->isEmpty())
                return usageError(QStringLiteral("--lookup-list needs a file"));
            options.lookupListPath = *path;
        } else if (argument == QLatin1String("--jobs") || argument.startsWith(QLatin1String("--jobs="))) {
            const std::optional<QString> text = value(QStringLiteral("--jobs"));
            bool ok = false;
            const int jobs = text ? text->toInt(&ok) : 0;
            if (!ok || jobs < 1 || jobs > 64)
                return usageError(QStringLiteral("--jobs needs a number from 1 to 64"));
            options.jobs = jobs;
        } else if (argument == QLatin1String("--name") || argument.startsWith(QLatin1String("--name="))) {
            const std::optional<QString> name = value(QStringLiteral("--name"));
            if (!name || name->trimmed().isEmpty())
                return usageError(QStringLiteral("--name needs a category name"));
            options.categoryName = name->trimmed();
        } else if (argument == QLatin1String("--id") || argument.startsWith(QLatin1String("--id="))) {
            const std::optional<QString> text = value(QStringLiteral("--id"));
            bool ok = false;
            const qint64 id = text ? text->toLongLong(&ok) : 0;
            if (!ok || id < 1000 || id > 999999999)
                return usageError(QStringLiteral("--id needs a number from 1000 to 999999999"));
            options.categoryId = id;
        } else if (argument == QLatin1String("--")) {
            positional += arguments.mid(i + 1);
            break;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return usageError(QStringLiteral("unknown option %1").arg(argument));
        } else {
            positional.append(argument);
        }
    }
    if (positional.size() != 2)
        return usageError(QStringLiteral("expected SOURCE_DIR and OUTPUT_BUNDLE_DIR, got %1 argument(s)")
                              .arg(positional.size()));
    // Clean paths: a trailing "/" would make the bundle's sibling folders land inside it.
    options.sourceFolder = QDir::cleanPath(positional.at(0));
    options.outputFolder = QDir::cleanPath(positional.at(1));
    if (options.outputFolder == QLatin1String(".") || options.outputFolder == QLatin1String("/")
        || options.outputFolder.endsWith(QLatin1String("/..")) || options.outputFolder == QLatin1String(".."))
        return usageError(QStringLiteral("%1 cannot be the output bundle folder").arg(positional.at(1)));
    const bool phraseList = PhraseListSource::isPhraseList(options.sourceFolder);
    if (phraseList && !QFileInfo(options.sourceFolder).isFile())
        return usageError(QStringLiteral("the phrase list %1 does not exist").arg(options.sourceFolder));
    if (!phraseList && !QFileInfo(options.sourceFolder).isDir())
        return usageError(QStringLiteral("%1 is not a folder, a .txt or a .csv phrase list").arg(options.sourceFolder));
    if (!phraseList && (!options.categoryName.isEmpty() || options.categoryId != 0))
        return usageError(QStringLiteral("--name and --id are for a phrase list (.txt or .csv), not a source folder"));
    if (QFileInfo(options.outputFolder).absoluteFilePath() == QFileInfo(options.sourceFolder).absoluteFilePath())
        return usageError(QStringLiteral("the output folder must differ from the source folder"));
    if (options.lookupListPath.isEmpty()) {
        const QString bundle = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
        if (bundle.isEmpty()) {
            std::fprintf(stderr,
                         "phrasebook-pack: no pronunciation list: the EnglishAcousticModel bundle was not found "
                         "(%s); give --lookup-list FILE\n",
                         qPrintable(ResourceLocator::describeSearch()));
            return 1;
        }
        options.lookupListPath = bundle + QStringLiteral("/PronunciationLookupList.text");
    }
    return BundlePacker(options).run();
}
