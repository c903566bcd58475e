// text2wfreq: the word frequency list of a text.
#include "LmtkSupport.h"

#include <algorithm>

namespace lmtk {

Status text2wfreq(FILE *in, FILE *out, int hashTableSize, int verbosity)
{
    if (!out)
        return Status::error(IoError, "text2wfreq: no output stream");
    auto fail = [out](Status status) {
        std::fclose(out);
        return status;
    };
    if (!in)
        return fail(Status::error(IoError, "text2wfreq: no input stream"));
    if (hashTableSize <= 0)
        return fail(Status::error(BadArguments, "text2wfreq: the hash table size must be positive, not "
                                                    + std::to_string(hashTableSize)));
    std::string text;
    Status status = support::readStream(in, "the text2wfreq input", &text);
    if (!status.ok())
        return fail(status);

    std::unordered_map<std::string_view, long long> counts;
    counts.reserve(std::size_t(hashTableSize));
    long long total = 0;
    support::forEachWord(text, [&](std::string_view word) {
        ++counts[word];
        ++total;
    });

    std::vector<std::pair<std::string_view, long long>> sorted(counts.begin(), counts.end());
    std::sort(sorted.begin(), sorted.end());
    for (const auto &[word, count] : sorted)
        std::fprintf(out, "%.*s %lld\n", int(word.size()), word.data(), count);
    support::progress(verbosity, "text2wfreq: %lld words, %zu distinct", total, sorted.size());
    return support::closeOutput(out, "the word frequency list");
}

}
