// phrasebook-lexicon: writes the pronunciation lookup list of the acoustic model bundle from
// a CMU pronouncing dictionary. Exit status: 0 done, 1 unreadable or unusable input or an
// output that cannot be written, 2 wrong arguments.
#include "LexiconBuilder.h"
#include "platform/foundation/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {
void printUsage(FILE *stream)
{
    std::fputs("Usage: phrasebook-lexicon DICTIONARY OUTPUT\n"
               "\n"
               "Reads a CMU pronouncing dictionary (\"word phones\", alternatives \"word(2) phones\")\n"
               "and writes the pronunciation lookup list OUTPUT: upper-case word, a tab, the\n"
               "phones; words in lookup order, alternatives right after their word.\n"
               "\n"
               "Options:\n"
               "  -h, --help   show this help\n",
               stream);
}

int fail(const QString &message, int status)
{
    std::fprintf(stderr, "phrasebook-lexicon: %s\n", qPrintable(message));
    return status;
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.contains(QStringLiteral("-h")) || arguments.contains(QStringLiteral("--help"))) {
        printUsage(stdout);
        return 0;
    }
    for (const QString &argument : std::as_const(arguments)) {
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            printUsage(stderr);
            return fail(QStringLiteral("unknown option %1").arg(argument), 2);
        }
    }
    if (arguments.size() != 2) {
        printUsage(stderr);
        return fail(QStringLiteral("expected DICTIONARY and OUTPUT, got %1 argument(s)")
                        .arg(arguments.size()),
                    2);
    }

    QFile input(arguments.at(0));
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(input.fileName(), input.errorString()), 1);
    const QByteArray dictionary = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot read %1: %2").arg(input.fileName(), input.errorString()), 1);

    LexiconBuilder builder;
    const bool usable = builder.parse(dictionary);
    for (const QString &warning : builder.warnings())
        std::fprintf(stderr, "phrasebook-lexicon: %s: %s\n", qPrintable(input.fileName()),
                     qPrintable(warning));
    if (!usable)
        return fail(QStringLiteral("%1 holds no dictionary entry").arg(input.fileName()), 1);

    const QString output = arguments.at(1);
    AtomicFile::Failure failure;
    if (!AtomicFile::write(output, builder.lookupListText(), &failure))
        return fail(failure.message, 1);

    std::printf("phrasebook-lexicon: %lld words, %lld lines written to %s\n",
                static_cast<long long>(builder.wordCount()), static_cast<long long>(builder.lineCount()),
                qPrintable(output));
    return 0;
}
