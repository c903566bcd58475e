// The pronunciation lookup list of the acoustic model bundle, and the dictionary it is
// generated from. Input: mode, text whose words are looked up, list. An even mode
// takes the list as a CMU pronouncing dictionary and generates the lookup list from it first
// (LexiconBuilder); an odd mode takes it as a lookup list as it stands.
//
// Promises checked: every line returned is a whole line of the list, a word's own line comes
// first, and a word is either found or reported missing; and on a generated list every word it holds is
// found (the generator's order and the forward-only lookup agree).
#include "FuzzSupport.h"

#include "content/CorpusText.h"
#include "speech/PronunciationLookup.h"
#include "tools/lexicon/LexiconBuilder.h"

#include <QSet>

#include <algorithm>

namespace {
QSet<QString> baseWords(const QString &lookupText)
{
    QSet<QString> words;
    for (const QString &line : lookupText.split(QLatin1Char('\n'))) {
        const QString word = line.section(QLatin1Char('\t'), 0, 0);
        if (line.contains(QLatin1Char('\t')) && !word.contains(QLatin1Char('(')))
            words.insert(word);
    }
    return words;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace FuzzSupport;
    init();
    const Input input = split(data, size, 2);
    const bool generated = (input.mode & 1) == 0;
    QString lookupText;
    if (generated) {
        LexiconBuilder builder;
        if (!builder.parse(bytes(input.parts[1])))
            return 0;
        lookupText = QString::fromUtf8(builder.lookupListText());
    } else {
        lookupText = QString::fromUtf8(bytes(input.parts[1]));
    }
    // The words as the app looks them up: never an entry name such as "TO(2)", which the
    // lookup reaches only as an alternative of its word.
    const QStringList queries = CorpusText::dictionaryWords(QString::fromUtf8(bytes(input.parts[0])));
    const QStringList words = PronunciationLookup::sortedUniqueWords(queries);
    QStringList missing;
    const QStringList lines = PronunciationLookup::performDictionaryLookup(words, lookupText, &missing);

    const QStringList listLines = lookupText.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        fuzzCheck(listLines.contains(line) || listLines.contains(line + QLatin1Char('\r')),
                  "every line returned is a line of the list");
    }
    for (const QString &word : words) {
        const bool hasOwnLine = std::any_of(lines.begin(), lines.end(), [&](const QString &line) {
            return line.startsWith(word + QLatin1Char('\t'));
        });
        fuzzCheck(hasOwnLine != missing.contains(word), "each word is either found with its own line or missing");
    }
    if (generated) {
        const QSet<QString> present = baseWords(lookupText);
        for (const QString &word : missing)
            fuzzCheck(!present.contains(word), "a generated list finds every word it holds");
    }
    return 0;
}
