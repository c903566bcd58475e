// text2idngram: the counts of the id n-grams of a text.
#include "LmtkSupport.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <stdlib.h>

namespace lmtk {

namespace {
constexpr int maxOrder = 6;
using Ngram = std::array<std::uint32_t, maxOrder>;

// A scratch folder made from a "...XXXXXX" template, removed with everything in it when
// the run ends, however it ends.
class ScratchFolder
{
public:
    Status create(const std::string &pathTemplate)
    {
        const std::string suffix = "XXXXXX";
        if (pathTemplate.size() < suffix.size()
            || pathTemplate.compare(pathTemplate.size() - suffix.size(), suffix.size(), suffix) != 0)
            return Status::error(BadArguments, "text2idngram: the temporary folder template \""
                                                   + pathTemplate + "\" does not end in XXXXXX");
        std::vector<char> buffer(pathTemplate.begin(), pathTemplate.end());
        buffer.push_back('\0');
        if (!mkdtemp(buffer.data()))
            return Status::error(IoError, "text2idngram: unable to create a temporary folder from \""
                                              + pathTemplate + "\": " + std::strerror(errno));
        m_path = buffer.data();
        return {};
    }
    ~ScratchFolder()
    {
        if (!m_path.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_path, ignored);
        }
    }

private:
    std::string m_path;
};
}

Status text2idngram(int argc, const char *const *argv)
{
    support::ArgumentParser arguments(
        "text2idngram",
        {"-vocab", "-idngram", "-textfile", "-temp_directory", "-n", "-verbosity", "-buffer",
         "-fof_size"},
        {"-write_ascii"});
    Status status = arguments.parse(argc, argv);
    std::string vocabPath, idngramPath;
    int order = 3, verbosity = 0;
    if (status.ok())
        status = arguments.required("-vocab", &vocabPath);
    if (status.ok())
        status = arguments.required("-idngram", &idngramPath);
    if (status.ok())
        status = arguments.integer("-n", 3, &order);
    if (status.ok())
        status = arguments.integer("-verbosity", 0, &verbosity);
    if (status.ok() && (order < 1 || order > maxOrder))
        status = Status::error(BadArguments, "text2idngram: -n must be between 1 and "
                                                 + std::to_string(maxOrder));
    if (!status.ok())
        return status;

    ScratchFolder scratch;
    if (const auto pathTemplate = arguments.value("-temp_directory")) {
        status = scratch.create(*pathTemplate);
        if (!status.ok())
            return status;
    }

    support::Vocabulary vocabulary;
    status = support::readVocabulary(vocabPath, &vocabulary);
    if (!status.ok())
        return status;

    std::string text;
    if (const auto textPath = arguments.value("-textfile"))
        status = support::readFile(*textPath, &text);
    else
        status = support::readStream(stdin, "standard input", &text);
    if (!status.ok())
        return status;

    // Every `order` consecutive words of the stream; sorting brings equal n-grams together.
    std::vector<Ngram> ngrams;
    Ngram window{};
    long long wordCount = 0;
    support::forEachWord(text, [&](std::string_view word) {
        std::move(window.begin() + 1, window.begin() + order, window.begin());
        window[std::size_t(order - 1)] = vocabulary.idOf(word);
        if (++wordCount >= order)
            ngrams.push_back(window);
    });
    std::sort(ngrams.begin(), ngrams.end());

    FILE *out = std::fopen(idngramPath.c_str(), "wb");
    if (!out)
        return Status::error(IoError, "text2idngram: unable to open " + idngramPath
                                          + " for writing: " + std::strerror(errno));
    std::fprintf(out, "## idngram n=%d vocabulary=%u\n", order, vocabulary.size());
    std::size_t distinct = 0;
    for (std::size_t i = 0; i < ngrams.size();) {
        std::size_t j = i;
        while (j < ngrams.size() && ngrams[j] == ngrams[i])
            ++j;
        for (int k = 0; k < order; ++k)
            std::fprintf(out, "%u ", ngrams[i][std::size_t(k)]);
        std::fprintf(out, "%zu\n", j - i);
        ++distinct;
        i = j;
    }
    support::progress(verbosity, "text2idngram: %lld words, %zu distinct %d-grams", wordCount,
                      distinct, order);
    return support::closeOutput(out, idngramPath);
}

}
