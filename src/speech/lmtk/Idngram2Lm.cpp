// idngram2lm: a Witten-Bell discounted back-off trigram model, written in ARPA form.
#include "LmtkSupport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace lmtk {

namespace {
constexpr long long kLargestCount = 4294967296LL;

constexpr std::uint32_t noWord = UINT32_MAX;

struct Bigram
{
    std::array<std::uint32_t, 2> ids;
    long long count;
    double probability = 0;
    double backoff = 1;  // of the context ids[0] ids[1], used by trigrams
};

struct Trigram
{
    std::array<std::uint32_t, 3> ids;
    long long count;
    double probability = 0;
};

class ModelBuilder
{
public:
    ModelBuilder(const support::Vocabulary &vocabulary, std::vector<Trigram> trigrams,
                 const std::vector<std::string> &contextCues)
        : m_vocabulary(vocabulary)
        , m_trigrams(std::move(trigrams))
    {
        const std::uint32_t size = vocabulary.size();
        m_predictable.assign(size + 1, true);
        m_predictable[0] = false;  // closed vocabulary: the unknown word is never predicted
        const std::uint32_t start = vocabulary.idOf("<s>");
        const std::uint32_t end = vocabulary.idOf("</s>");
        m_sentenceStart = start ? start : noWord;
        m_sentenceEnd = end ? end : noWord;
        for (const std::string &cue : contextCues) {
            const std::uint32_t id = vocabulary.idOf(cue);
            if (id && id != m_sentenceEnd)
                m_predictable[id] = false;
        }
    }

    Status build()
    {
        deriveLowerOrders();
        keepUsableNgrams();
        Status status = estimateUnigrams();
        if (!status.ok())
            return status;
        estimateBigrams();
        estimateTrigrams();
        return {};
    }

    // The model in ARPA form, its header counting the n-grams listed.
    std::string arpaText() const;

private:
    template <std::size_t N>
    bool usable(const std::array<std::uint32_t, N> &ids) const
    {
        for (std::uint32_t id : ids) {
            if (id == 0)
                return false;  // outside the closed vocabulary
        }
        for (std::size_t i = 0; i + 1 < N; ++i) {
            if (ids[i] == m_sentenceEnd)
                return false;  // runs on past the end of a sentence
        }
        for (std::size_t i = 1; i < N; ++i) {
            if (ids[i] == m_sentenceStart)
                return false;  // runs on into the next sentence
        }
        return m_predictable[ids[N - 1]];
    }

    // Lower-order counts come from the prefixes of the stored trigrams, before anything is
    // dropped: a word's count is the number of trigrams it opens.
    void deriveLowerOrders()
    {
        std::sort(m_trigrams.begin(), m_trigrams.end(),
                  [](const Trigram &a, const Trigram &b) { return a.ids < b.ids; });
        m_unigramCounts.assign(m_vocabulary.size() + 1, 0);
        for (std::size_t i = 0; i < m_trigrams.size();) {
            const std::array<std::uint32_t, 2> prefix{m_trigrams[i].ids[0], m_trigrams[i].ids[1]};
            long long count = 0;
            for (; i < m_trigrams.size() && m_trigrams[i].ids[0] == prefix[0]
                   && m_trigrams[i].ids[1] == prefix[1];
                 ++i)
                count += m_trigrams[i].count;
            m_bigrams.push_back({prefix, count});
            m_unigramCounts[prefix[0]] += count;
        }
    }

    void keepUsableNgrams()
    {
        std::erase_if(m_bigrams, [this](const Bigram &b) { return !usable(b.ids); });
        std::erase_if(m_trigrams, [this](const Trigram &t) {
            return !usable(t.ids) || bigramIndex(t.ids[0], t.ids[1]) < 0;
        });
    }

    // Index of the kept bigram u v in m_bigrams (sorted by ids), or -1.
    std::ptrdiff_t bigramIndex(std::uint32_t u, std::uint32_t v) const
    {
        const std::array<std::uint32_t, 2> key{u, v};
        const auto it = std::lower_bound(m_bigrams.begin(), m_bigrams.end(), key,
                                         [](const Bigram &b, const auto &k) { return b.ids < k; });
        return it != m_bigrams.end() && it->ids == key ? it - m_bigrams.begin() : -1;
    }

    Status estimateUnigrams()
    {
        const std::uint32_t size = m_vocabulary.size();
        long long total = 0;
        long long seenTypes = 0;
        long long unseenTypes = 0;
        for (std::uint32_t id = 1; id <= size; ++id) {
            if (!m_predictable[id])
                continue;
            total += m_unigramCounts[id];
            (m_unigramCounts[id] > 0 ? seenTypes : unseenTypes) += 1;
        }
        if (total == 0)
            return Status::error(BadData, "idngram2lm: the id n-grams hold no word the model can "
                                          "predict");
        m_unigramProbabilities.assign(size + 1, 0.0);
        // Maximum likelihood when every word was seen; otherwise Witten-Bell frees the mass
        // T / (N + T) for the words never counted.
        const double denominator = double(total) + (unseenTypes ? double(seenTypes) : 0.0);
        const double unseenShare =
            unseenTypes ? double(seenTypes) / denominator / double(unseenTypes) : 0.0;
        for (std::uint32_t id = 1; id <= size; ++id) {
            if (!m_predictable[id])
                continue;
            m_unigramProbabilities[id] = m_unigramCounts[id] > 0
                                             ? double(m_unigramCounts[id]) / denominator
                                             : unseenShare;
        }
        m_unigramBackoffs.assign(size + 1, 1.0);
        return {};
    }

    // One context's Witten-Bell estimates: the successors' probabilities (through
    // `setProbability(i, p)`) and the back-off weight. `lowerMassOfSeen` is the lower-order
    // probability of the successors, which back-off must not hand out again.
    template <typename SetProbability>
    static double wittenBell(const std::vector<long long> &counts, double lowerMassOfSeen,
                             SetProbability &&setProbability)
    {
        long long total = 0;
        for (long long c : counts)
            total += c;
        const double types = double(counts.size());
        const double lowerMassLeft = 1.0 - lowerMassOfSeen;
        if (lowerMassLeft <= 1e-12) {
            // Nothing left to back off to: keep the relative frequencies.
            for (std::size_t i = 0; i < counts.size(); ++i)
                setProbability(i, double(counts[i]) / double(total));
            return 1.0;
        }
        const double denominator = double(total) + types;
        for (std::size_t i = 0; i < counts.size(); ++i)
            setProbability(i, double(counts[i]) / denominator);
        return (types / denominator) / lowerMassLeft;
    }

    void estimateBigrams()
    {
        for (std::size_t i = 0; i < m_bigrams.size();) {
            std::size_t j = i;
            std::vector<long long> counts;
            double lowerMass = 0;
            for (; j < m_bigrams.size() && m_bigrams[j].ids[0] == m_bigrams[i].ids[0]; ++j) {
                counts.push_back(m_bigrams[j].count);
                lowerMass += m_unigramProbabilities[m_bigrams[j].ids[1]];
            }
            m_unigramBackoffs[m_bigrams[i].ids[0]] = wittenBell(
                counts, lowerMass, [&](std::size_t k, double p) { m_bigrams[i + k].probability = p; });
            i = j;
        }
    }

    double bigramProbability(std::uint32_t v, std::uint32_t w) const
    {
        const std::ptrdiff_t index = bigramIndex(v, w);
        if (index >= 0)
            return m_bigrams[std::size_t(index)].probability;
        return m_unigramBackoffs[v] * m_unigramProbabilities[w];
    }

    void estimateTrigrams()
    {
        for (std::size_t i = 0; i < m_trigrams.size();) {
            const std::uint32_t u = m_trigrams[i].ids[0];
            const std::uint32_t v = m_trigrams[i].ids[1];
            std::size_t j = i;
            std::vector<long long> counts;
            double lowerMass = 0;
            for (; j < m_trigrams.size() && m_trigrams[j].ids[0] == u && m_trigrams[j].ids[1] == v;
                 ++j) {
                counts.push_back(m_trigrams[j].count);
                lowerMass += bigramProbability(v, m_trigrams[j].ids[2]);
            }
            const double backoff = wittenBell(
                counts, lowerMass, [&](std::size_t k, double p) { m_trigrams[i + k].probability = p; });
            // Every kept trigram's first two words are a kept bigram (keepUsableNgrams).
            m_bigrams[std::size_t(bigramIndex(u, v))].backoff = backoff;
            i = j;
        }
    }

    const support::Vocabulary &m_vocabulary;
    std::vector<Trigram> m_trigrams;
    std::vector<Bigram> m_bigrams;
    std::vector<long long> m_unigramCounts;
    std::vector<bool> m_predictable;
    std::vector<double> m_unigramProbabilities;
    std::vector<double> m_unigramBackoffs;
    std::uint32_t m_sentenceStart = noWord;
    std::uint32_t m_sentenceEnd = noWord;
};

// printf-style text appended to `out`; the texts written this way (a number, the header
// counts) are short.
__attribute__((format(printf, 2, 3))) void appendFormatted(std::string &out, const char *format, ...)
{
    char buffer[128];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length > 0)
        out.append(buffer, std::min(std::size_t(length), sizeof buffer - 1));
}

// Log10 with four decimals; probability 0 is written as -99, and -0.0000 as 0.0000.
void appendLog(std::string &out, double value)
{
    if (value <= 0) {
        out += "-99.0000";
        return;
    }
    double logValue = std::log10(value);
    if (std::fabs(logValue) < 0.00005)
        logValue = 0;
    appendFormatted(out, "%.4f", logValue);
}

std::string ModelBuilder::arpaText() const
{
    std::string out;
    appendFormatted(out, "\\data\\\nngram 1=%zu\nngram 2=%zu\nngram 3=%zu\n\n",
                    std::size_t(m_vocabulary.size()), m_bigrams.size(), m_trigrams.size());
    out += "\\1-grams:\n";
    for (std::uint32_t id = 1; id <= m_vocabulary.size(); ++id) {
        appendLog(out, m_unigramProbabilities[id]);
        out += ' ' + m_vocabulary.words[id] + ' ';
        appendLog(out, m_unigramBackoffs[id]);
        out += '\n';
    }
    out += "\n\\2-grams:\n";
    for (const Bigram &bigram : m_bigrams) {
        appendLog(out, bigram.probability);
        out += ' ' + m_vocabulary.words[bigram.ids[0]] + ' ' + m_vocabulary.words[bigram.ids[1]] + ' ';
        appendLog(out, bigram.backoff);
        out += '\n';
    }
    out += "\n\\3-grams:\n";
    for (const Trigram &trigram : m_trigrams) {
        appendLog(out, trigram.probability);
        out += ' ' + m_vocabulary.words[trigram.ids[0]] + ' ' + m_vocabulary.words[trigram.ids[1]]
            + ' ' + m_vocabulary.words[trigram.ids[2]] + '\n';
    }
    out += "\n\\end\\\n";
    return out;
}

Status readIdngrams(const std::string &path, const support::Vocabulary &vocabulary,
                    std::vector<Trigram> *trigrams)
{
    std::string text;
    Status status = support::readFile(path, &text);
    if (!status.ok())
        return status;
    const auto lines = support::splitLines(text);
    int order = 0;
    unsigned vocabularySize = 0;
    if (lines.empty()
        || std::sscanf(std::string(lines.front()).c_str(), "## idngram n=%d vocabulary=%u", &order,
                       &vocabularySize)
               != 2)
        return Status::error(BadData, path + ": not an id n-gram file (no \"## idngram\" header)");
    if (order != 3)
        return Status::error(BadData, path + ": holds " + std::to_string(order)
                                          + "-grams; the model needs trigrams");
    if (vocabularySize != vocabulary.size())
        return Status::error(BadData, path + ": made with a vocabulary of "
                                          + std::to_string(vocabularySize) + " words, not "
                                          + std::to_string(vocabulary.size()));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string_view> fields;
        support::forEachWord(lines[i], [&](std::string_view f) { fields.push_back(f); });
        if (fields.empty())
            continue;
        const std::string where = path + ":" + std::to_string(i + 1);
        if (fields.size() != 4)
            return Status::error(BadData, where + ": expected three ids and a count");
        Trigram trigram{};
        for (std::size_t k = 0; k < 4; ++k) {
            long long value = 0;
            // A count past 2^32 is not one a text could give; refusing it keeps every sum
            // of counts far inside the integer range.
            if (!support::parseInteger(fields[k], &value) || value < 0
                || (k < 3 && value > (long long)vocabulary.size())
                || (k == 3 && (value == 0 || value > kLargestCount)))
                return Status::error(BadData, where + ": \"" + std::string(fields[k])
                                                  + "\" is not a valid "
                                                  + (k < 3 ? "word id" : "count"));
            if (k < 3)
                trigram.ids[k] = std::uint32_t(value);
            else
                trigram.count = value;
        }
        trigrams->push_back(trigram);
    }
    return {};
}

}

Status idngram2lm(int argc, const char *const *argv)
{
    support::ArgumentParser arguments(
        "idngram2lm", {"-idngram", "-vocab", "-arpa", "-context", "-vocab_type", "-n", "-verbosity"},
        {"-witten_bell", "-good_turing", "-absolute", "-linear"});
    Status status = arguments.parse(argc, argv);
    std::string idngramPath, vocabPath, arpaPath;
    int vocabType = 0, order = 3, verbosity = 0;
    if (status.ok())
        status = arguments.required("-idngram", &idngramPath);
    if (status.ok())
        status = arguments.required("-vocab", &vocabPath);
    if (status.ok())
        status = arguments.required("-arpa", &arpaPath);
    if (status.ok())
        status = arguments.integer("-vocab_type", 0, &vocabType);
    if (status.ok())
        status = arguments.integer("-n", 3, &order);
    if (status.ok())
        status = arguments.integer("-verbosity", 0, &verbosity);
    if (!status.ok())
        return status;
    if (vocabType != 0)
        return Status::error(BadArguments, "idngram2lm: only the closed vocabulary (-vocab_type 0) "
                                           "is supported");
    if (order != 3)
        return Status::error(BadArguments, "idngram2lm: only trigram models (-n 3) are supported");
    for (const char *method : {"-good_turing", "-absolute", "-linear"}) {
        if (arguments.flag(method))
            return Status::error(BadArguments, std::string("idngram2lm: discounting method ")
                                                   + method + " is not supported; use -witten_bell");
    }

    support::Vocabulary vocabulary;
    status = support::readVocabulary(vocabPath, &vocabulary);
    if (!status.ok())
        return status;
    std::vector<std::string> contextCues;
    if (const auto cuePath = arguments.value("-context")) {
        std::string text;
        status = support::readFile(*cuePath, &text);
        if (!status.ok())
            return status;
        support::forEachWord(text, [&](std::string_view cue) { contextCues.emplace_back(cue); });
    }
    std::vector<Trigram> trigrams;
    status = readIdngrams(idngramPath, vocabulary, &trigrams);
    if (!status.ok())
        return status;

    ModelBuilder builder(vocabulary, std::move(trigrams), contextCues);
    status = builder.build();
    if (!status.ok())
        return status;
    status = support::writeFile(arpaPath, builder.arpaText());
    if (status.ok())
        support::progress(verbosity, "idngram2lm: wrote %s", arpaPath.c_str());
    return status;
}

}
