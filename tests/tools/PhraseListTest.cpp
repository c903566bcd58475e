#include "content/AppCommon.h"
#include "PackFixture.h"
#include "support/TestSupport.h"
#include "tools/pack/CsvReader.h"
#include "tools/pack/PhraseListSource.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace PackFixture;

namespace {
QString writeText(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

QString readAllText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class PhraseList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = TestSupport::freshDirectory(QStringLiteral("lists"));
        m_lookup = readAllText(writeLookupList(m_folder));
    }
    // Loads `bytes` written as `name`; the errors joined, empty on success.
    QString load(const QString &name, const QByteArray &bytes, const QString &categoryName = {}, qint64 id = 0)
    {
        const bool ok = m_list.load(writeText(m_folder + QLatin1Char('/') + name, bytes), categoryName, id, m_lookup);
        const QString errors = m_list.errors().join(QLatin1Char('\n'));
        EXPECT_EQ(ok, errors.isEmpty()) << errors.toStdString();
        return errors;
    }
    QString m_folder;
    QString m_lookup;
    PhraseListSource m_list;
};
}

TEST(CsvReader, ReadsQuotedFieldsAndNamesWhereItBreaks)
{
    QList<CsvRow> rows;
    QString error;
    ASSERT_TRUE(CsvReader::parse(QStringLiteral("\uFEFFen,fr\r\n\"Good, morning\",\"Il dit \"\"oui\"\"\"\n"
                                                "\"two\nlines\",\n"
                                                "last,row"),
                                 &rows, &error))
        << error.toStdString();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].fields, (QStringList{"en", "fr"}));
    EXPECT_EQ(rows[1].fields, (QStringList{"Good, morning", "Il dit \"oui\""}));
    EXPECT_EQ(rows[2].fields, (QStringList{"two\nlines", ""}));
    EXPECT_EQ(rows[3].line, 5);
    EXPECT_EQ(rows[3].fields, (QStringList{"last", "row"}));

    EXPECT_FALSE(CsvReader::parse(QStringLiteral("en\nsay \"hi\"\n"), &rows, &error));
    EXPECT_TRUE(error.startsWith("line 2, column 5: a quote inside a field")) << error.toStdString();
    EXPECT_FALSE(CsvReader::parse(QStringLiteral("en,fr\n\"hi\"x,y\n"), &rows, &error));
    EXPECT_TRUE(error.startsWith("line 2, column 5: text after the closing quote")) << error.toStdString();
    EXPECT_FALSE(CsvReader::parse(QStringLiteral("en\n\"open\nstill open\n"), &rows, &error));
    EXPECT_TRUE(error.startsWith("line 2, column 1: the quoted field never ends")) << error.toStdString();
}

TEST_F(PhraseList, TextListSkipsBlanksAndCommentsAndNumbersPhrasesByPosition)
{
    ASSERT_EQ(load("My Class.txt", "# greetings for week 1\n\nGood morning.\r\n  How are you?  \nI\xE2\x80\x99m fine.\n"),
              QString());
    const CatalogueSource::Category &category = m_list.category();
    EXPECT_EQ(category.name, "My Class");
    EXPECT_EQ(category.id, PhraseListSource::categoryIdFor("My Class"));
    EXPECT_GE(category.id, 900000);
    EXPECT_LE(category.id, 999999);
    EXPECT_EQ(category.nameTrans, (QJsonObject{{"en", "My Class"}}));
    ASSERT_EQ(category.phrases.size(), 3);
    EXPECT_EQ(category.phrases[1].txt, "How are you?");
    EXPECT_EQ(category.phrases[2].txt, "I'm fine.");  // the typographic apostrophe made plain
    EXPECT_EQ(category.phrases[0].id, category.id * 1000 + 1);
    EXPECT_EQ(category.phrases[2].id, category.id * 1000 + 3);
    EXPECT_FALSE(category.phrases[0].phon.has_value());  // the packer fills it in
    EXPECT_EQ(category.phrases[0].wTrans, (QJsonObject{{"en", "Good morning."}}));

    // A name and an id given; the ids follow.
    ASSERT_EQ(load("list.txt", "Thank you.\n", "Week 2", 4321), QString());
    EXPECT_EQ(m_list.category().name, "Week 2");
    EXPECT_EQ(m_list.category().phrases[0].id, 4321001);
}

TEST_F(PhraseList, CsvTranslationsAreOptionalAndOnlyGivenOnesAreKept)
{
    ASSERT_EQ(load("list.csv", "txt,fr,zh-Hans,de\n"
                               "Good morning.,Bonjour.,\xE6\x97\xA9,\n"
                               ",,,\n"
                               "\"Thank you, good.\",\" \"\n"),
              QString());
    const QList<CatalogueSource::Phrase> &phrases = m_list.category().phrases;
    ASSERT_EQ(phrases.size(), 2);
    EXPECT_EQ(phrases[0].wTrans,
              (QJsonObject{{"en", "Good morning."}, {"fr", "Bonjour."}, {"zh-Hans", QString::fromUtf8("\xE6\x97\xA9")}}));
    EXPECT_EQ(phrases[1].txt, "Thank you, good.");
    EXPECT_EQ(phrases[1].wTrans, (QJsonObject{{"en", "Thank you, good."}}));
}

TEST_F(PhraseList, BadListsNameTheLineAndColumn)
{
    EXPECT_EQ(load("list.csv", "phrase,fr\nGood.,Bon.\n"),
              "list.csv:1: column 1: the header's first column must be \"en\" or \"txt\" (the phrase), not \"phrase\"");
    QString errors = load("list.csv", "en,fr,xx,fr\nGood.\n");
    EXPECT_TRUE(errors.contains("list.csv:1: column 3: \"xx\" is not a learner language code")) << errors.toStdString();
    EXPECT_TRUE(errors.contains("list.csv:1: column 4: the language \"fr\" has a column already")) << errors.toStdString();
    EXPECT_EQ(load("list.csv", "en,fr\nGood.,Bon.\nFine.,Bien.,extra\n"),
              "list.csv:3: column 3: the row has 3 fields but the header names only 2 columns");
    EXPECT_EQ(load("list.csv", "en,fr\n\"Good.,Bon.\n"), "list.csv: line 2, column 1: the quoted field never ends "
                                                         "(a closing quote is missing)");
    errors = load("list.txt", "Good morning.\nGood: morning\n,,,\nGood mornin.\n");
    EXPECT_TRUE(errors.contains("list.txt:2: the phrase \"Good: morning\" holds the character \":\"")) << errors.toStdString();
    EXPECT_TRUE(errors.contains("list.txt:3: the phrase \",,,\" holds no word")) << errors.toStdString();
    // The accepted lines' words are checked in the same run.
    EXPECT_TRUE(errors.contains("list.txt:4: the word \"mornin\"")) << errors.toStdString();
    EXPECT_EQ(load("list.txt", "# only a comment\n\n"), "list.txt: holds no phrase");
    EXPECT_EQ(load("list.txt", "Good \xFF morning.\n"), "list.txt: is not UTF-8 text (save it as UTF-8)");
    QByteArray tooMany;
    for (int i = 0; i <= PhraseListSource::maximumPhrases; ++i)
        tooMany += "Good morning.\n";
    EXPECT_TRUE(load("list.txt", tooMany).startsWith("list.txt: holds 1000 phrases; a list may hold at most 999"));
}

TEST_F(PhraseList, MissingWordsAreListedOnceWithTheClosestListedWords)
{
    const QString errors = load("list.txt", "Good morning.\nGood mornin.\nThank yuo, goood.\nHow are yuo?\n");
    const QStringList lines = errors.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4) << errors.toStdString();
    EXPECT_EQ(lines[0], "list.txt:2: the word \"mornin\" is not in the pronunciation list; closest listed words: morning");
    EXPECT_EQ(lines[1], "list.txt:3: the word \"yuo\" is not in the pronunciation list; closest listed words: you");
    EXPECT_EQ(lines[2], "list.txt:3: the word \"goood\" is not in the pronunciation list; closest listed words: good");
    EXPECT_TRUE(lines[3].contains("rewrite its phrase with listed words")) << lines[3].toStdString();

    const QStringList known{"CAT", "CART", "COAT", "DOG", "CATS", "SCAT"};
    EXPECT_EQ(PhraseListSource::closestWords("cat", known, 3), (QStringList{"CAT", "CART", "COAT"}));
    EXPECT_EQ(PhraseListSource::closestWords("zzzzzz", known, 3), QStringList());
}

// A teacher's text file becomes a category the app shows after the built-in ones.
TEST_F(PhraseList, APackedListIsACategoryOfTheAppBesideTheBuiltInOnes)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("espeak-ng")), "espeak-ng");
    const QString list = writeText(m_folder + "/week1.csv", "en,fr\nGood morning.,Bonjour.\nHow are you?,\n");
    const QString output = m_folder + "/catalogues/week1";
    const Result result = run(QStringLiteral(PHRASEBOOK_PACK_PROGRAM),
                              {"--lookup-list", m_folder + "/PronunciationLookupList.text", "--name", "Week One",
                               list, output});
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_TRUE(result.output.contains("1 category, 2 phrases")) << result.output.toStdString();

    const QString builtIn = QStringLiteral(PHRASEBOOK_TEST_RESOURCE_ROOT) + QStringLiteral("/resources.bundle");
    AppCommon::resetCatalogue(builtIn);
    AppCommon::setExtraCatalogueFolders({output});
    ASSERT_TRUE(AppCommon::preloadCatalogue()) << AppCommon::catalogueError().toStdString();
    const QList<CategoryInfoPtr> &categories = AppCommon::getCategoryInfoList();
    ASSERT_GE(categories.size(), 2);
    const CategoryInfo &own = *categories.last();
    EXPECT_EQ(own.categoryDisplayName(), "Week One");
    ASSERT_TRUE(own.phraseInfoList.has_value());
    ASSERT_EQ(own.phraseInfoList->size(), 2);
    const PhraseInfo &second = *own.phraseInfoList->at(1);
    EXPECT_FALSE(second.phon.isEmpty());
    AppCommon::setLanguageOverride("fr");
    EXPECT_EQ(own.phraseInfoList->at(0)->translationText(), "Bonjour.");
    EXPECT_EQ(second.translationText(), "How are you?");
    AppCommon::setLanguageOverride(QString());
    EXPECT_TRUE(QFileInfo(AppCommon::getVoicePath(second)).isFile()) << AppCommon::getVoicePath(second).toStdString();
    EXPECT_TRUE(QFileInfo(AppCommon::getCoverPath(own)).isFile());
    AppCommon::resetCatalogue();
}
