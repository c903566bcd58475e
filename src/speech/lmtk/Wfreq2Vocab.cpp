// wfreq2vocab: the vocabulary chosen from a word frequency list.
#include "LmtkSupport.h"

#include <algorithm>
#include <limits>

namespace lmtk {

Status wfreq2vocab(FILE *in, FILE *out, int cutoff, int top, int records, int verbosity)
{
    if (!out)
        return Status::error(IoError, "wfreq2vocab: no output stream");
    auto fail = [out](Status status) {
        std::fclose(out);
        return status;
    };
    if (!in)
        return fail(Status::error(IoError, "wfreq2vocab: no input stream"));
    if (records <= 0)
        return fail(Status::error(BadArguments, "wfreq2vocab: the record limit must be positive, not "
                                                    + std::to_string(records)));
    if (cutoff < -1 || top < -1)
        return fail(Status::error(BadArguments, "wfreq2vocab: the cut-off and the top-N limit must be "
                                                    "-1 (none) or at least 0"));
    if (cutoff < 0 && top < 0)
        top = defaultVocabularySize;

    std::string text;
    Status status = support::readStream(in, "the wfreq2vocab input", &text);
    if (!status.ok())
        return fail(status);

    std::unordered_map<std::string_view, long long> counts;
    long long lineNumber = 0;
    long long recordCount = 0;
    for (std::string_view line : support::splitLines(text)) {
        ++lineNumber;
        std::vector<std::string_view> fields;
        support::forEachWord(line, [&](std::string_view field) { fields.push_back(field); });
        if (fields.empty())
            continue;
        long long count = 0;
        if (fields.size() != 2 || !support::parseInteger(fields[1], &count) || count < 0)
            return fail(Status::error(BadData, "wfreq2vocab: line " + std::to_string(lineNumber)
                                                   + " is not \"word count\""));
        if (++recordCount > records)
            return fail(Status::error(BadData, "wfreq2vocab: the word frequency list holds more than "
                                                   + std::to_string(records) + " records"));
        // A word listed more than once adds up; the sum stops at the largest count.
        long long &sum = counts[fields[0]];
        sum = count > std::numeric_limits<long long>::max() - sum ? std::numeric_limits<long long>::max()
                                                                   : sum + count;
    }

    std::vector<std::pair<std::string_view, long long>> chosen;
    for (const auto &entry : counts) {
        if (cutoff < 0 || entry.second > cutoff)
            chosen.push_back(entry);
    }
    if (top >= 0 && chosen.size() > std::size_t(top)) {
        // Most frequent first; equal counts in word order, so the choice is reproducible.
        std::sort(chosen.begin(), chosen.end(), [](const auto &a, const auto &b) {
            return a.second != b.second ? a.second > b.second : a.first < b.first;
        });
        chosen.resize(std::size_t(top));
    }
    std::sort(chosen.begin(), chosen.end());

    std::fputs(support::vocabularyHeader(chosen.size()).c_str(), out);
    for (const auto &entry : chosen)
        std::fprintf(out, "%.*s\n", int(entry.first.size()), entry.first.data());
    support::progress(verbosity, "wfreq2vocab: %zu of %zu words kept", chosen.size(), counts.size());
    return support::closeOutput(out, "the vocabulary");
}

}
