// ZQLanguageModelTrainer and the corpus helpers of ZQAppCommon.
#include "ArpaModel.h"
#include "support/TestSupport.h"
#include "speech/ZQAppCommon.h"
#include "speech/ZQLanguageModelTrainer.h"
#include "speech/lmtk/Lmtk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A small lookup list, sorted as the lookup expects; its first entry is a word we look up.
// Filler entries at the end give it a realistic length: the search window for alternative
// pronunciations is a fifth of the text left (at most 150 characters).
const QByteArray lookupList = QByteArray("AARDVARK\tAA R D V AA R K\n"
                                         "HELLO\tHH AH L OW\n"
                                         "HELLO(2)\tHH EH L OW\n"
                                         "IT'S\tIH T S\n"
                                         "READ\tR EH D\n"
                                         "READ(2)\tR IY D\n"
                                         "READ(3)\tR IY D 3\n"
                                         "READ(4)\tR IY D 4\n"
                                         "READ(5)\tR IY D 5\n"
                                         "READ(6)\tR IY D 6\n"
                                         "WORD\tW ER D\n"
                                         "WORD(2)\tW ER D 2\n"
                                         "WORD(3)\tW ER D 3\n"
                                         "WORLD\tW ER L D\n")
    + QByteArray("ZZFILLER\tZ IH L ER\n").repeated(50);

QString makeAcousticModel(const QByteArray &list = lookupList)
{
    const QString dir = TestSupport::freshDirectory(QStringLiteral("am"));
    QFile file(dir + QStringLiteral("/PronunciationLookupList.text"));
    file.open(QIODevice::WriteOnly);
    file.write(list);
    return dir;
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

}

TEST(LanguageModelTrainer, GeneratesModelAndDictionaryAndCleansUp)
{
    const QString base = TestSupport::freshDirectory(QStringLiteral("lm"));
    ZQLanguageModelTrainer trainer;
    trainer.setLmBasePath(base + QLatin1Char('/'));
    const ZQStatus status = trainer.generateLanguageModelFromArray(
        {"HELLO", "  WORLD \t", "WORD", "ZEBRA", "AARDVARK", "READ", "HELLO WORLD"}, "test", makeAcousticModel());
    ASSERT_TRUE(status.isSuccess()) << status.description.toStdString();

    EXPECT_EQ(status.userInfo.value("LMFile").toString(), "test.DMP");
    EXPECT_EQ(status.userInfo.value("DictionaryFile").toString(), "test.dic");
    EXPECT_EQ(status.userInfo.value("LMPath").toString(), base + "/test.DMP");
    EXPECT_EQ(status.userInfo.value("DictionaryPath").toString(), base + "/test.dic");
    // Only the three results remain: corpus, intermediates and the scratch folder are gone.
    EXPECT_EQ(filesIn(base), (QStringList{"test.DMP", "test.arpa", "test.dic"}));
    EXPECT_GT(QFileInfo(base + "/test.DMP").size(), 0);

    // The first entry of the list is found; three pronunciations give three lines; of six
    // only the first five (base + four alternatives) are taken; ZEBRA has no entry.
    EXPECT_EQ(readAll(base + "/test.dic").toStdString(),
              "AARDVARK\tAA R D V AA R K\nHELLO\tHH AH L OW\nHELLO(2)\tHH EH L OW\n"
              "READ\tR EH D\nREAD(2)\tR IY D\nREAD(3)\tR IY D 3\nREAD(4)\tR IY D 4\nREAD(5)\tR IY D 5\n"
              "WORD\tW ER D\nWORD(2)\tW ER D 2\nWORD(3)\tW ER D 3\nWORLD\tW ER L D");

    // ZEBRA stays in the model; the multi-word entry is one sentence.
    const ArpaModel model = ArpaModel::read(base + "/test.arpa");
    ASSERT_TRUE(model.error.isEmpty()) << model.error.toStdString();
    EXPECT_TRUE(model.ngrams[1].contains({"ZEBRA"}));
    EXPECT_TRUE(model.ngrams[3].contains({"<s>", "HELLO", "WORLD"}));
    EXPECT_FALSE(model.ngrams[1].contains({"_____REPLACEMENTTOKEN"}));
}

TEST(LanguageModelTrainer, WithoutDmpTheResultStillNamesIt)
{
    const QString base = TestSupport::freshDirectory(QStringLiteral("lm"));
    ZQLanguageModelTrainer trainer;
    trainer.setLmBasePath(base);
    trainer.setOutputDMP(false);
    const ZQStatus status = trainer.generateLanguageModelFromArray({"HELLO"}, "n", makeAcousticModel());
    ASSERT_TRUE(status.isSuccess()) << status.description.toStdString();
    EXPECT_EQ(filesIn(base), (QStringList{"n.arpa", "n.dic"}));
    EXPECT_EQ(status.userInfo.value("LMPath").toString(), base + "/n.DMP");
}

TEST(LanguageModelTrainer, NoContentWritesNothing)
{
    const QString base = TestSupport::freshDirectory(QStringLiteral("lm"));
    ZQLanguageModelTrainer trainer;
    trainer.setLmBasePath(base);
    for (const QStringList &words : {QStringList{}, QStringList{"  ", "\t\n", ""}}) {
        const ZQStatus status = trainer.generateLanguageModelFromArray(words, "test", makeAcousticModel());
        EXPECT_EQ(status.code, 6000);
        EXPECT_TRUE(status.domain.isEmpty());
        EXPECT_EQ(status.description, "Language model has no content.");
    }
    EXPECT_TRUE(filesIn(base).isEmpty());
    EXPECT_FALSE(trainer.generateLanguageModelFromTextFile("x", "test", base).has_value());
}

TEST(LanguageModelTrainer, FailuresReturnErrorStatus)
{
    ZQLanguageModelTrainer trainer;
    // The base folder does not exist: the corpus cannot be written.
    trainer.setLmBasePath(TestSupport::scratchDirectory() + "/no/such/folder");
    ZQStatus status = trainer.generateLanguageModelFromArray({"HELLO"}, "test", makeAcousticModel());
    EXPECT_NE(status.code, 0);
    EXPECT_EQ(status.domain, ZQStatus::platformErrorDomain());

    // No lookup list: the model is built, the dictionary is not.
    const QString base = TestSupport::freshDirectory(QStringLiteral("lm"));
    trainer.setLmBasePath(base);
    status = trainer.generateLanguageModelFromArray({"HELLO"}, "test", TestSupport::freshDirectory("empty-am"));
    EXPECT_NE(status.code, 0);
    EXPECT_EQ(filesIn(base), (QStringList{"test.DMP", "test.arpa"}));

    // A lookup list that is not UTF-8 text.
    status = trainer.generateLanguageModelFromArray({"HELLO"}, "bad", makeAcousticModel("HELLO\t\xff\xfe\n"));
    EXPECT_NE(status.code, 0);
    EXPECT_FALSE(QFile::exists(base + "/bad.dic"));

    // A toolkit error comes back as a status (the process goes on) and the intermediate
    // files are still removed.
    const QString toolkitBase = TestSupport::freshDirectory(QStringLiteral("lm"));
    trainer.setLmBasePath(toolkitBase);
    ASSERT_TRUE(trainer.writeOutCorpusForArray({"HELLO"}, toolkitBase + "/t.corpus").isSuccess());
    trainer.setAlgorithmType("-good_turing");
    status = trainer.runCMUCLMTKOnCorpusFile(toolkitBase + "/t.corpus", true);
    EXPECT_EQ(status.code, lmtk::BadArguments);
    EXPECT_EQ(status.domain, ZQStatus::toolkitErrorDomain());
    EXPECT_EQ(filesIn(toolkitBase), QStringList{"t.corpus"});
}

TEST(LanguageModelTrainer, CorpusAndWordPreparation)
{
    const QString base = TestSupport::freshDirectory(QStringLiteral("lm"));
    ZQLanguageModelTrainer trainer;
    ASSERT_TRUE(trainer.writeOutCorpusForArray({"HELLO", "WORLD"}, base + "/c.corpus").isSuccess());
    EXPECT_EQ(readAll(base + "/c.corpus"), "<s> HELLO </s>\n<s> WORLD </s>\n");

    EXPECT_EQ(trainer.compactWhitespaceOfArrayEntries({"  a \t b\n", "c", "   "}), (QStringList{"a b", "c", ""}));
    EXPECT_EQ(trainer.cleanDictionaryWordArray({"it's,", "a b", "b", "Zoë!", "c", "?"}),
              (QStringList{"a", "b", "c", "it's", "Zoë"}));
    EXPECT_TRUE(trainer.checkModelForContent({" ", "x"}).isSuccess());
}

TEST(LanguageModelTrainer, RealAcousticModelBundle)
{
    const QString bundle = QStringLiteral(PHRASEBOOK_TEST_RESOURCE_ROOT) + "/EnglishAcousticModel.bundle";
    PHRASEBOOK_REQUIRE_OR_SKIP(QFileInfo::exists(bundle + "/PronunciationLookupList.text"),
                               "the acoustic model bundle at " << bundle.toStdString());
    const QString base = TestSupport::freshDirectory(QStringLiteral("lm"));
    ZQLanguageModelTrainer trainer;
    trainer.setLmBasePath(base);
    const QStringList words = ZQAppCommon::comparisonCorpusWords(
        "Where is the station?", {"Good morning.", "Thank you very much!", "Excuse me"});
    const ZQStatus status = trainer.generateLanguageModelFromArray(words, "test", bundle);
    ASSERT_TRUE(status.isSuccess()) << status.description.toStdString();
    const QString dictionary = readAll(base + "/test.dic");
    for (const QString &word : words)
        EXPECT_TRUE(dictionary.startsWith(word + '\t') || dictionary.contains('\n' + word + '\t')) << word.toStdString();
}

TEST(ZQAppCommon, SplitsWordsAndBuildsComparisonCorpus)
{
    EXPECT_EQ(ZQAppCommon::getAllWordFromText("Hello, world!  How's it going?", true),
              (QStringList{"HELLO", "WORLD", "HOW'S", "IT", "GOING"}));
    EXPECT_EQ(ZQAppCommon::getAllWordFromText("Hello world", false), (QStringList{"Hello", "world"}));
    EXPECT_EQ(ZQAppCommon::getAllWordFromText("你好。再见、朋友؟ a\u00A0b", false),
              (QStringList{"你好", "再见", "朋友", "a", "b"}));
    EXPECT_TRUE(ZQAppCommon::getAllWordFromText(" ...!", true).isEmpty());

    // Seven phrases: positions 0 to 1 feed the corpus; the sentence keeps its duplicates.
    const QStringList phrases{"Good night", "Night owl.", "x", "y", "z", "Tea time", "late"};
    EXPECT_EQ(ZQAppCommon::comparisonCorpusWords("Good good morning", phrases),
              (QStringList{"GOOD", "GOOD", "MORNING", "GOOD", "NIGHT", "OWL"}));
    EXPECT_EQ(ZQAppCommon::comparisonCorpusWords("Hi", {"one two", "three"}), (QStringList{"HI", "ONE", "TWO"}));
    EXPECT_EQ(ZQAppCommon::comparisonCorpusWords("Hi", {}), QStringList{"HI"});
}
