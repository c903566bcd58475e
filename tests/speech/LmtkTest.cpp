// The language-modelling toolkit: the four steps on real corpora, the ARPA model's
// consistency, SphinxBase reading it, and errors reported instead of ending the process.
#include "ArpaModel.h"
#include "support/TestSupport.h"
#include "speech/lmtk/Lmtk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sphinxbase/err.h>
#include <sphinxbase/logmath.h>
#include <sphinxbase/ngram_model.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const char *const replacementSentence = "<s> _____REPLACEMENTTOKEN </s>";

std::string path(const QString &dir, const char *name)
{
    return (dir + QLatin1Char('/') + QLatin1String(name)).toStdString();
}

void writeText(const std::string &file, const QByteArray &text)
{
    QFile out(QString::fromStdString(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
}

QByteArray readText(const std::string &file)
{
    QFile in(QString::fromStdString(file));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

lmtk::Status run(lmtk::Status (*program)(int, const char *const *), std::vector<const char *> argv)
{
    return program(int(argv.size()), argv.data());
}

// The four steps as the trainer runs them: vocabulary from the corpus, id n-grams from the
// corpus plus the extra sentence. Returns the ARPA path.
std::string buildModel(const QString &dir, const QByteArray &corpus, bool contextCues = true)
{
    const std::string corpusPath = path(dir, "m.corpus"), alternative = path(dir, "m.alt"),
                      pipe = path(dir, "m_pipe.txt"), vocab = path(dir, "m.vocab"),
                      idngram = path(dir, "m.idngram"), ccs = path(dir, "m.ccs"),
                      arpa = path(dir, "m.arpa"), temp = path(dir, "cmuclmtk-XXXXXX");
    writeText(corpusPath, corpus);
    writeText(alternative, corpus + replacementSentence);
    writeText(ccs, "<s>\n</s>");
    FILE *in = std::fopen(corpusPath.c_str(), "rb");
    EXPECT_TRUE(lmtk::text2wfreq(in, std::fopen(pipe.c_str(), "wb"), 7500, -1).ok());
    std::fclose(in);
    in = std::fopen(pipe.c_str(), "rb");
    EXPECT_TRUE(lmtk::wfreq2vocab(in, std::fopen(vocab.c_str(), "wb"), -1, -1, 64000, -1).ok());
    std::fclose(in);
    const lmtk::Status ids = run(lmtk::text2idngram,
                                 {"text2idngram", "-vocab", vocab.c_str(), "-idngram", idngram.c_str(),
                                  "-textfile", alternative.c_str(), "-temp_directory", temp.c_str()});
    EXPECT_TRUE(ids.ok()) << ids.message;
    std::vector<const char *> argv{"idngram2lm", "-vocab_type", "0", "-idngram", idngram.c_str(), "-vocab",
                                   vocab.c_str(), "-arpa", arpa.c_str(), "-witten_bell", "-verbosity", "-1"};
    if (contextCues)
        argv.insert(argv.end(), {"-context", ccs.c_str()});
    const lmtk::Status lm = run(lmtk::idngram2lm, argv);
    EXPECT_TRUE(lm.ok()) << lm.message;
    return arpa;
}

// Every context's distribution over the words the model can predict must sum to 1.
void expectNormalised(const ArpaModel &model)
{
    QStringList predictable;
    for (const QString &word : model.vocabulary()) {
        if (model.ngrams[1][{word}].logProbability > -98)
            predictable.append(word);
    }
    QList<QStringList> contexts{{}};
    for (const QString &word : model.vocabulary())
        contexts.append({word});
    for (const QStringList &bigram : model.ngrams[2].keys())
        contexts.append(bigram);
    for (const QStringList &context : contexts) {
        if (!context.isEmpty() && context.last() == QLatin1String("</s>"))
            continue;  // nothing follows the end of a sentence
        double sum = 0;
        for (const QString &word : predictable)
            sum += model.probability(context, word);
        EXPECT_NEAR(sum, 1.0, 2e-3) << "context: " << context.join(' ').toStdString();
    }
}

}

TEST(Lmtk, WittenBellTrigramModelOfSmallCorpus)
{
    const QString dir = TestSupport::freshDirectory(QStringLiteral("lmtk"));
    const std::string arpa = buildModel(dir, "<s> HELLO </s>\n<s> WORLD </s>\n<s> HELLO </s>\n");
    const ArpaModel model = ArpaModel::read(QString::fromStdString(arpa));
    ASSERT_TRUE(model.error.isEmpty()) << model.error.toStdString();

    // Counts in the header are those of the n-grams written; the placeholders are gone.
    for (int order = 1; order <= 3; ++order)
        EXPECT_EQ(model.headerCounts.value(order, -1), model.ngrams.value(order).size()) << order;
    EXPECT_EQ(model.rawLines.mid(0, 6), (QStringList{"\\data\\", "ngram 1=4", "ngram 2=4", "ngram 3=2", "",
                                                     "\\1-grams:"}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(arpa + ".temp")));

    // Closed vocabulary: the extra sentence's word is nowhere; the start marker gets no mass.
    EXPECT_EQ(model.vocabulary(), (QStringList{"</s>", "<s>", "HELLO", "WORLD"}));
    EXPECT_EQ(model.keysOfOrder(2), (QStringList{"<s> HELLO", "<s> WORLD", "HELLO </s>", "WORLD </s>"}));
    EXPECT_EQ(model.keysOfOrder(3), (QStringList{"<s> HELLO </s>", "<s> WORLD </s>"}));
    EXPECT_DOUBLE_EQ(model.ngrams[1][{"<s>"}].logProbability, -99);

    // Hand-computed Witten-Bell estimates: unigrams by relative frequency (the last
    // sentence's "</s>" counted thanks to the extra sentence), P(w|h) = c(h,w) / (c(h) + T(h)).
    auto near = [&](const QStringList &ngram, double probability) {
        const double written = model.ngrams[int(ngram.size())][ngram].logProbability;
        EXPECT_NEAR(written, std::log10(probability), 1e-4) << ngram.join(' ').toStdString();
    };
    near({"</s>"}, 0.5);
    near({"HELLO"}, 1.0 / 3);
    near({"WORLD"}, 1.0 / 6);
    near({"<s>", "HELLO"}, 0.4);
    near({"<s>", "WORLD"}, 0.2);
    near({"HELLO", "</s>"}, 2.0 / 3);
    near({"<s>", "HELLO", "</s>"}, 2.0 / 3);
    EXPECT_NEAR(model.ngrams[1][{"<s>"}].logBackoff, std::log10(0.8), 1e-4);
    EXPECT_NEAR(model.ngrams[2][(QStringList{"<s>", "HELLO"})].logBackoff, 0.0, 1e-4);
    expectNormalised(model);

    // The scratch folder made from the template is gone.
    EXPECT_TRUE(QDir(dir).entryList({"cmuclmtk-*"}, QDir::AllEntries).isEmpty());
}

TEST(Lmtk, LargerCorpusIsConsistentAndNeverCrossesSentences)
{
    const QByteArray corpus = "<s> GOOD MORNING </s>\n<s> GOOD NIGHT </s>\n<s> GOOD </s>\n"
                              "<s> MORNING TEA PLEASE </s>\n<s> TEA </s>\n<s> NIGHT NIGHT </s>\n"
                              "<s> IT'S, </s>\n<s> PLEASE GOOD TEA </s>\n";
    // Also without context cues, and with a sentence start inside a line: the boundaries
    // hold by themselves.
    const QByteArray odd = "<s> GOOD <s> NIGHT </s>\n<s> TEA </s> PLEASE </s>\n";
    for (const auto &[text, cues] : {std::pair{corpus, true}, std::pair{corpus, false}, std::pair{odd, false}}) {
        const QString dir = TestSupport::freshDirectory(QStringLiteral("lmtk"));
        const ArpaModel model = ArpaModel::read(QString::fromStdString(buildModel(dir, text, cues)));
        ASSERT_TRUE(model.error.isEmpty()) << model.error.toStdString();
        double unigramSum = 0;
        for (const auto &entry : model.ngrams[1])
            unigramSum += std::pow(10.0, entry.logProbability);
        EXPECT_NEAR(unigramSum, 1.0, 1e-3);
        for (int order = 1; order <= 3; ++order) {
            EXPECT_EQ(model.headerCounts.value(order, -1), model.ngrams.value(order).size()) << order;
            for (const QStringList &ngram : model.ngrams.value(order).keys()) {
                EXPECT_FALSE(ngram.mid(0, ngram.size() - 1).contains("</s>")) << ngram.join(' ').toStdString();
                EXPECT_FALSE(ngram.mid(1).contains("<s>")) << ngram.join(' ').toStdString();
                EXPECT_FALSE(ngram.contains("_____REPLACEMENTTOKEN"));
            }
        }
        expectNormalised(model);
        if (text == corpus) {
            EXPECT_TRUE(model.ngrams[3].contains({"MORNING", "TEA", "PLEASE"}));
        }
    }
}

TEST(Lmtk, SphinxBaseReadsAndConvertsTheModel)
{
    const QString dir = TestSupport::freshDirectory(QStringLiteral("lmtk"));
    const std::string arpa = buildModel(dir, "<s> HELLO </s>\n<s> WORLD </s>\n<s> HELLO WORLD </s>\n");
    const std::string dmp = path(dir, "m.DMP");
    const lmtk::Status converted = run(lmtk::sphinxLmConvert, {"sphinx_lm_convert", "-i", arpa.c_str(), "-o", dmp.c_str()});
    ASSERT_TRUE(converted.ok()) << converted.message;

    const ArpaModel text = ArpaModel::read(QString::fromStdString(arpa));
    err_set_logfp(nullptr);
    for (const std::string &file : {arpa, dmp}) {
        logmath_t *logMath = logmath_init(1.0001, 0, 0);
        ngram_model_t *model = ngram_model_read(nullptr, file.c_str(), NGRAM_AUTO, logMath);
        ASSERT_NE(model, nullptr) << file;
        EXPECT_EQ(ngram_model_get_size(model), 3);
        const uint32 *counts = ngram_model_get_counts(model);
        for (int order = 1; order <= 3; ++order)
            EXPECT_EQ(int(counts[order - 1]), text.ngrams.value(order).size()) << file << " order " << order;
        EXPECT_NE(ngram_wid(model, "WORLD"), ngram_unknown_wid(model));
        // The trigram's probability survives the trip through SphinxBase's log domain.
        const int32 score = ngram_probv(model, "WORLD", "HELLO", "<s>", nullptr);
        const double log10Read = logmath_log_to_log10(logMath, score);
        const double written = text.ngrams[3][{"<s>", "HELLO", "WORLD"}].logProbability;
        EXPECT_NEAR(log10Read, written, 1e-3);
        ngram_model_free(model);
        logmath_free(logMath);
    }
    err_set_logfp(stderr);
}

TEST(Lmtk, VocabularyLimitsAndBadFrequencyLists)
{
    const QString dir = TestSupport::freshDirectory(QStringLiteral("lmtk"));
    const std::string list = path(dir, "w.txt"), vocab = path(dir, "w.vocab");
    writeText(list, "B 3\nA 3\nC 1\nD 5\n");
    auto vocabulary = [&](int cutoff, int top, int records) {
        FILE *in = std::fopen(list.c_str(), "rb");
        const lmtk::Status status = lmtk::wfreq2vocab(in, std::fopen(vocab.c_str(), "wb"), cutoff, top, records, -1);
        std::fclose(in);
        return status.ok() ? readText(vocab).split('\n').mid(1).join(' ').trimmed() : QByteArray("error");
    };
    EXPECT_EQ(vocabulary(-1, -1, 64000), "A B C D");
    EXPECT_EQ(vocabulary(-1, 2, 64000), "A D");  // equal counts: the word sorting first wins
    EXPECT_EQ(vocabulary(2, -1, 64000), "A B D");
    EXPECT_EQ(vocabulary(-1, -1, 3), "error");  // more records than allowed
    // Counts of a word listed twice add up, stopping at the largest count (found by fuzzing:
    // the sum overflowed).
    writeText(list, "A 9223372036854775807\nB 5\nA 2\nC 9\n");
    EXPECT_EQ(vocabulary(-1, 1, 64000), "A");
    writeText(list, "A 3\nB three\n");
    EXPECT_EQ(vocabulary(-1, -1, 64000), "error");
    EXPECT_EQ(lmtk::text2wfreq(nullptr, std::fopen(vocab.c_str(), "wb"), 7500, -1).code, lmtk::IoError);
    FILE *in = std::fopen(list.c_str(), "rb");
    EXPECT_EQ(lmtk::text2wfreq(in, std::fopen(vocab.c_str(), "wb"), 0, -1).code, lmtk::BadArguments);
    std::fclose(in);
}

TEST(Lmtk, BadArgumentsAndFilesAreReportedNotFatal)
{
    const QString dir = TestSupport::freshDirectory(QStringLiteral("lmtk"));
    const std::string arpa = buildModel(dir, "<s> A B </s>\n");
    const std::string vocab = path(dir, "m.vocab"), idngram = path(dir, "m.idngram"),
                      out = path(dir, "out.arpa"), text = path(dir, "m.alt"),
                      scratchIdngram = path(dir, "x.idngram");
    auto idngramRun = [&](std::vector<const char *> extra) {
        std::vector<const char *> argv{"text2idngram", "-vocab", vocab.c_str(), "-idngram",
                                       scratchIdngram.c_str()};
        argv.insert(argv.end(), extra.begin(), extra.end());
        return run(lmtk::text2idngram, argv).code;
    };
    EXPECT_EQ(idngramRun({"-textfile", text.c_str(), "-bogus"}), lmtk::BadArguments);
    EXPECT_EQ(idngramRun({"-textfile"}), lmtk::BadArguments);
    EXPECT_EQ(idngramRun({"-textfile", text.c_str(), "-temp_directory", "/tmp/no-template"}), lmtk::BadArguments);
    EXPECT_EQ(idngramRun({"-textfile", text.c_str(), "-temp_directory", "/nonexistent/dir/cmuclmtk-XXXXXX"}),
              lmtk::IoError);
    EXPECT_EQ(idngramRun({"-textfile", path(dir, "missing.txt").c_str()}), lmtk::IoError);
    EXPECT_EQ(run(lmtk::text2idngram, {"text2idngram", "-idngram", idngram.c_str()}).code, lmtk::BadArguments);

    auto lmRun = [&](std::vector<const char *> extra) {
        std::vector<const char *> argv{"idngram2lm", "-idngram", idngram.c_str(), "-vocab", vocab.c_str(),
                                       "-arpa", out.c_str()};
        argv.insert(argv.end(), extra.begin(), extra.end());
        return run(lmtk::idngram2lm, argv);
    };
    EXPECT_TRUE(lmRun({}).ok());
    EXPECT_EQ(lmRun({"-vocab_type", "1"}).code, lmtk::BadArguments);
    EXPECT_EQ(lmRun({"-good_turing"}).code, lmtk::BadArguments);
    EXPECT_EQ(lmRun({"-n", "4"}).code, lmtk::BadArguments);
    EXPECT_EQ(lmRun({"-context", path(dir, "missing.ccs").c_str()}).code, lmtk::IoError);

    // An id n-gram file that does not belong to the vocabulary, or is damaged.
    const QByteArray good = readText(idngram);
    writeText(idngram, "## idngram n=3 vocabulary=99\n1 2 3 1\n");
    EXPECT_EQ(lmRun({}).code, lmtk::BadData);
    writeText(idngram, good + "1 2 77 1\n");
    EXPECT_EQ(lmRun({}).code, lmtk::BadData);
    // Counts whose sum would pass the integer range (found by fuzzing).
    writeText(idngram, good + "1 2 3 9223372036854775807\n1 2 3 9223372036854775807\n");
    EXPECT_EQ(lmRun({}).code, lmtk::BadData);
    writeText(idngram, "garbage");
    EXPECT_EQ(lmRun({}).code, lmtk::BadData);
    writeText(vocab, "A\nB\n");  // no header line
    EXPECT_EQ(lmRun({}).code, lmtk::BadData);
    // A NUL byte inside a word would cut the model's line short for SphinxBase (found by
    // fuzzing: the reader then crashed on the model written from it).
    writeText(vocab, QByteArray("## vocabulary\n</s>\n<s>\nA\nB\0C\n", 29));
    const lmtk::Status nul = lmRun({});
    EXPECT_EQ(nul.code, lmtk::BadData);
    EXPECT_NE(nul.message.find(":5: a vocabulary word holds a NUL byte"), std::string::npos) << nul.message;
    EXPECT_EQ(idngramRun({"-textfile", text.c_str()}), lmtk::BadData);

    // SphinxBase refuses a damaged model; the converter says so.
    writeText(path(dir, "bad.arpa"), "\\data\\\nngram 1=5\n\n\\1-grams:\n-1.0 A\n");
    const std::string bad = path(dir, "bad.arpa"), dmp = path(dir, "bad.DMP");
    EXPECT_EQ(run(lmtk::sphinxLmConvert, {"sphinx_lm_convert", "-i", bad.c_str(), "-o", dmp.c_str()}).code,
              lmtk::BadData);
    EXPECT_EQ(run(lmtk::sphinxLmConvert, {"sphinx_lm_convert", "-i", arpa.c_str()}).code, lmtk::BadArguments);
}
