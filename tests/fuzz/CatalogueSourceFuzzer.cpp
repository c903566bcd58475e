// The packer's catalogue source: one category as a JSON file, checked by CatalogueSource.
// Input: mode, JSON file, pronunciation lookup list. An even mode skips the word check (no
// list); an odd mode checks the words against the given list.
//
// Promise checked: a source is accepted whole, or refused with problems that name the file;
// an accepted category holds phrases with words to read.
#include "FuzzSupport.h"

#include "content/CorpusText.h"
#include "tools/pack/CatalogueSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace FuzzSupport;
    init();
    const Input input = split(data, size, 2);
    const QString folder = freshFolder(QStringLiteral("content"));
    writeFile(folder + QStringLiteral("/1-category.json"), input.parts[0]);
    const QString lookupText = (input.mode & 1) ? QString::fromUtf8(bytes(input.parts[1])) : QString();

    CatalogueSource source;
    const bool loaded = source.load(folder, lookupText);
    fuzzCheck(loaded == source.errors().isEmpty(), "a source is refused exactly when problems are listed");
    if (!loaded) {
        for (const QString &problem : source.errors())
            fuzzCheck(problem.contains(QStringLiteral("1-category.json")), "every problem names the file");
        return 0;
    }
    fuzzCheck(source.categories().size() == 1, "the one category is kept");
    for (const CatalogueSource::Phrase &phrase : source.categories().front().phrases) {
        fuzzCheck(phrase.id > 0, "phrase ids are positive");
        fuzzCheck(!CorpusText::dictionaryWords(phrase.txt).isEmpty(), "every phrase has words to read");
    }
    return 0;
}
