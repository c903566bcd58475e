#include "content/AppCommon.h"
#include "tools/pack/CatalogueSource.h"
#include "PackFixture.h"
#include "support/TestSupport.h"
#include "content/ZQCryptor.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>

#include <sndfile.h>

#include <functional>

using namespace PackFixture;

namespace {
const QString packProgram = QStringLiteral(PHRASEBOOK_PACK_PROGRAM);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Frames of an audio file as libsndfile decodes it; -1 when it cannot be opened.
sf_count_t decodedFrames(const QString &path, int *sampleRate = nullptr)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return -1;
    std::vector<short> buffer(4096 * static_cast<size_t>(info.channels));
    sf_count_t total = 0;
    for (sf_count_t n; (n = sf_readf_short(file, buffer.data(), 4096)) > 0;)
        total += n;
    sf_close(file);
    if (sampleRate)
        *sampleRate = info.samplerate;
    return total;
}

QJsonArray decryptPhraseList(const QString &path)
{
    const QString plain = ZQCryptor::decryptWithDES(QString::fromUtf8(readAll(path)), ZQCryptor::contentKey);
    return QJsonDocument::fromJson(plain.toUtf8()).array();
}

class PackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = TestSupport::freshDirectory(QStringLiteral("pack"));
        m_source = m_folder + QStringLiteral("/source");
        m_output = m_folder + QStringLiteral("/out/resources.bundle");
        m_lookupList = writeLookupList(m_folder);
    }
    // A test that reads a bundle back through the catalogue may stop before it resets it.
    void TearDown() override { AppCommon::resetCatalogue(); }

    Result pack(const QStringList &extra = {},
                const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        return run(packProgram,
                   QStringList{QStringLiteral("--lookup-list"), m_lookupList} + extra + QStringList{m_source, m_output},
                   environment);
    }

    QString m_folder;
    QString m_source;
    QString m_output;
    QString m_lookupList;
};
}

// Each broken source: exit status 1, a message naming the file and the entry, and nothing
// written (no bundle, no temporary folder left beside it).
TEST_F(PackTest, rejectsBadSourcesWithoutWritingAnything)
{
    struct Case
    {
        const char *name;
        std::function<void(const QString &source)> breakSource;
        QStringList expected;  // texts the message must hold
    };
    auto editFirst = [](const std::function<void(QJsonObject &)> &edit) {
        return [edit](const QString &source) {
            QList<QJsonObject> categories = goodSource();
            edit(categories[0]);
            writeSource(source, categories);
        };
    };
    auto editPhrase = [](int index, const std::function<void(QJsonObject &)> &edit) {
        return [index, edit](const QString &source) {
            QList<QJsonObject> categories = goodSource();
            QJsonArray phrases = categories[1].value(QLatin1String("phrases")).toArray();
            QJsonObject p = phrases.at(index).toObject();
            edit(p);
            phrases.replace(index, p);
            categories[1].insert(QStringLiteral("phrases"), phrases);
            writeSource(source, categories);
        };
    };
    const QList<Case> cases = {
        {"missing name", editFirst([](QJsonObject &c) { c.remove(QStringLiteral("name")); }),
         {QStringLiteral("1-greetings.json"), QStringLiteral("category 1"), QStringLiteral("\"name\"")}},
        {"id of the wrong type", editFirst([](QJsonObject &c) { c.insert(QStringLiteral("id"), QStringLiteral("1")); }),
         {QStringLiteral("1-greetings.json"), QStringLiteral("\"id\" must be an integer greater than 0 (it is a string)")}},
        {"id too large for an integer",
         editFirst([](QJsonObject &c) { c.insert(QStringLiteral("id"), 1.0e300); }),
         {QStringLiteral("1-greetings.json"), QStringLiteral("\"id\" must be an integer greater than 0 (it is a number)")}},
        {"language missing",
         editFirst([](QJsonObject &c) {
             QJsonObject names = c.value(QLatin1String("nameTrans")).toObject();
             names.remove(QStringLiteral("ko"));
             c.insert(QStringLiteral("nameTrans"), names);
         }),
         {QStringLiteral("1-greetings.json"), QStringLiteral("category 1: \"nameTrans\" has no text for \"ko\"")}},
        {"txt of the wrong type", editPhrase(1, [](QJsonObject &p) { p.insert(QStringLiteral("txt"), 5); }),
         {QStringLiteral("2-thanks.json"), QStringLiteral("phrase 202: \"txt\" must be a string (it is a number)")}},
        {"wTrans of the wrong type",
         editPhrase(0, [](QJsonObject &p) { p.insert(QStringLiteral("wTrans"), QJsonArray()); }),
         {QStringLiteral("2-thanks.json"), QStringLiteral("phrase 201: \"wTrans\" must be an object")}},
        {"character outside the allowed set",
         editPhrase(2, [](QJsonObject &p) {
             p.insert(QStringLiteral("txt"), QStringLiteral("Good: 2"));
             p.insert(QStringLiteral("wTrans"), translations(QStringLiteral("Good: 2")));
         }),
         {QStringLiteral("2-thanks.json"), QStringLiteral("phrase 203: \"txt\" holds the character \":\"")}},
        {"word missing from the pronunciation list",
         editPhrase(2, [](QJsonObject &p) {
             p.insert(QStringLiteral("txt"), QStringLiteral("Good evening."));
             p.insert(QStringLiteral("wTrans"), translations(QStringLiteral("Good evening.")));
         }),
         {QStringLiteral("2-thanks.json: phrase 203: word \"EVENING\" is not in the pronunciation list")}},
        {"duplicate phrase id across files", editPhrase(2, [](QJsonObject &p) { p.insert(QStringLiteral("id"), 101); }),
         {QStringLiteral("2-thanks.json"), QStringLiteral("phrase 101: id is also used in 1-greetings.json")}},
        {"duplicate category id",
         [](const QString &source) {
             QList<QJsonObject> categories = goodSource();
             categories[1].insert(QStringLiteral("id"), 1);
             writeSource(source, categories);
         },
         {QStringLiteral("2-thanks.json"), QStringLiteral("category id 1 is also used by 1-greetings.json")}},
        {"unknown icon", editFirst([](QJsonObject &c) { c.insert(QStringLiteral("icon"), QStringLiteral("no_such_icon")); }),
         {QStringLiteral("1-greetings.json: category 1: \"icon\" \"no_such_icon\"")}},
        {"malformed JSON",
         [](const QString &source) {
             writeSource(source, goodSource());
             QFile file(source + QStringLiteral("/2-thanks.json"));
             if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                 file.write("{ \"id\": 2, \"name\": \"Thanks\", ");
         },
         {QStringLiteral("2-thanks.json"), QStringLiteral("not valid JSON")}},
    };

    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(m_source).removeRecursively();
        c.breakSource(m_source);
        const Result result = pack();
        EXPECT_EQ(result.exitCode, 1) << result.output.toStdString();
        for (const QString &text : c.expected)
            EXPECT_TRUE(result.output.contains(text)) << result.output.toStdString();
        EXPECT_FALSE(QFileInfo::exists(m_output));
        EXPECT_TRUE(QDir(m_folder + QStringLiteral("/out"))
                        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                        .isEmpty());
    }
}

TEST_F(PackTest, checksArgumentsAndTools)
{
    writeSource(m_source, goodSource());
    EXPECT_EQ(run(packProgram, {}).exitCode, 2);
    EXPECT_EQ(run(packProgram, {m_source}).exitCode, 2);
    EXPECT_EQ(pack({QStringLiteral("--jobs"), QStringLiteral("0")}).exitCode, 2);
    EXPECT_EQ(pack({QStringLiteral("--frobnicate")}).exitCode, 2);
    EXPECT_EQ(run(packProgram, {QStringLiteral("--lookup-list")}).exitCode, 2);
    const Result help = run(packProgram, {QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.contains(QStringLiteral("SOURCE_DIR OUTPUT_BUNDLE_DIR")));

    const Result noList = run(packProgram, {QStringLiteral("--lookup-list"), m_folder + QStringLiteral("/none.text"),
                                            m_source, m_output});
    EXPECT_EQ(noList.exitCode, 1);
    EXPECT_TRUE(noList.output.contains(QStringLiteral("none.text")));

    // Without flite and espeak-ng on the path.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), TestSupport::freshDirectory(QStringLiteral("empty-path")));
    const Result noTools = pack({}, environment);
    EXPECT_EQ(noTools.exitCode, 1);
    EXPECT_TRUE(noTools.output.contains(QStringLiteral("flite"))) << noTools.output.toStdString();
    EXPECT_TRUE(noTools.output.contains(QStringLiteral("espeak-ng")));
    EXPECT_FALSE(QFileInfo::exists(m_output));

    // A folder that is not a bundle is never replaced.
    QDir().mkpath(m_output);
    QFile keep(m_output + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("mine");
    keep.close();
    const Result refused = pack();
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.output.contains(QStringLiteral("does not look like a resources bundle")));
    EXPECT_EQ(fileTree(m_output), QStringList{QStringLiteral("notes.txt")});
}

TEST_F(PackTest, writesTheInstalledLayoutThatTheCatalogueReads)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("espeak-ng")), "espeak-ng");
    writeSource(m_source, goodSource());
    const Result result = pack({QStringLiteral("--jobs"), QStringLiteral("3")});
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_TRUE(result.output.contains(QStringLiteral("[5/5] ")));
    EXPECT_TRUE(result.output.contains(QStringLiteral("2-thanks.json: phrase 202")));
    EXPECT_TRUE(result.output.contains(QStringLiteral("2 categories, 5 phrases")));

    QStringList expectedFiles;
    const QList<QPair<QString, QStringList>> layout = {
        {QStringLiteral("1"), {QStringLiteral("101"), QStringLiteral("102")}},
        {QStringLiteral("2"), {QStringLiteral("201"), QStringLiteral("202"), QStringLiteral("203")}},
    };
    for (const auto &[category, phrases] : layout) {
        expectedFiles << category + QStringLiteral("/cover.jpg") << category + QStringLiteral("/phrasesInfo")
                      << category + QStringLiteral("/pkgInfo");
        for (const QString &id : phrases) {
            expectedFiles << category + QStringLiteral("/images/") + AppCommon::imageFileName(id) + QStringLiteral(".jpg")
                          << category + QStringLiteral("/voices/") + id + QStringLiteral(".mp3");
        }
    }
    expectedFiles.sort();
    EXPECT_EQ(fileTree(m_output), expectedFiles);
    // Nothing but the bundle is left in its parent folder.
    EXPECT_EQ(QDir(m_folder + QStringLiteral("/out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("resources.bundle")});

    // Plain parts.
    const QJsonObject info = QJsonDocument::fromJson(readAll(m_output + QStringLiteral("/2/pkgInfo"))).object();
    EXPECT_EQ(info.value(QLatin1String("id")).toInteger(), 2);
    EXPECT_EQ(info.value(QLatin1String("name")).toString(), QStringLiteral("Thanks"));
    EXPECT_EQ(info.value(QLatin1String("nameTrans")).toObject(), translations(QStringLiteral("Thanks")));
    EXPECT_EQ(info.keys(), (QStringList{QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("nameTrans")}));
    const QImage cover(m_output + QStringLiteral("/1/cover.jpg"), "JPG");
    EXPECT_EQ(cover.size(), QSize(400, 300));
    // Covers show the icon alone: two categories of one icon and colour, but different
    // names, get the same picture.
    EXPECT_EQ(readAll(m_output + QStringLiteral("/1/cover.jpg")), readAll(m_output + QStringLiteral("/2/cover.jpg")));
    int sampleRate = 0;
    EXPECT_GT(decodedFrames(m_output + QStringLiteral("/2/voices/202.mp3"), &sampleRate), 8000);
    EXPECT_EQ(sampleRate, 16000);

    // The phrase list: given transcriptions kept, the missing one filled by espeak-ng.
    const QJsonArray phrases = decryptPhraseList(m_output + QStringLiteral("/1/phrasesInfo"));
    ASSERT_EQ(phrases.size(), 2);
    EXPECT_EQ(phrases.at(0).toObject().value(QLatin1String("phon")).toString(), QStringLiteral("ɡʊd mɔːɹnɪŋ"));
    const QString filled = phrases.at(1).toObject().value(QLatin1String("phon")).toString();
    EXPECT_FALSE(filled.isEmpty());
    EXPECT_FALSE(filled.contains(QLatin1Char('\n')));
    EXPECT_EQ(filled, filled.trimmed());
    EXPECT_EQ(phrases.at(1).toObject().keys(),
              (QStringList{QStringLiteral("id"), QStringLiteral("phon"), QStringLiteral("txt"), QStringLiteral("wTrans")}));

    // Read back through the catalogue.
    AppCommon::resetCatalogue(m_output);
    const QList<CategoryInfoPtr> &categories = AppCommon::getCategoryInfoList();
    ASSERT_EQ(categories.size(), 2);
    EXPECT_EQ(categories.at(0)->id, QStringLiteral("1"));
    EXPECT_EQ(categories.at(1)->name, QStringLiteral("Thanks"));
    const std::optional<QList<PhraseInfoPtr>> list = AppCommon::getPhraseInfoList(QStringLiteral("2"));
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->size(), 3);
    const PhraseInfo &phrase = *list->at(1);
    EXPECT_EQ(phrase.id, QStringLiteral("202"));
    EXPECT_EQ(phrase.content, QStringLiteral("I'm fine, thank you."));
    EXPECT_EQ(phrase.phon, QStringLiteral("aɪm faɪn θæŋk juː"));
    EXPECT_EQ(phrase.trans.value(QStringLiteral("ja")), QStringLiteral("I'm fine, thank you. [ja]"));
    EXPECT_EQ(phrase.indexInCategory, 1);
    const QByteArray jpeg = ZQCryptor::decryptData(readAll(AppCommon::getImagePath(phrase)), ZQCryptor::imageKey);
    ASSERT_GT(jpeg.size(), 2);
    EXPECT_EQ(static_cast<unsigned char>(jpeg.at(0)), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(jpeg.at(1)), 0xD8);
    EXPECT_EQ(QImage::fromData(jpeg, "JPG").size(), QSize(480, 320));
    EXPECT_GT(decodedFrames(AppCommon::getVoicePath(phrase)), 0);
    EXPECT_TRUE(AppCommon::catalogueError().isEmpty()) << AppCommon::catalogueError().toStdString();
}

TEST_F(PackTest, packingAgainReplacesTheBundleAndAFailedRunKeepsIt)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("espeak-ng")), "espeak-ng");
    writeSource(m_source, goodSource());
    const Result first = pack({QStringLiteral("--jobs"), QStringLiteral("3")});
    ASSERT_EQ(first.exitCode, 0) << first.output.toStdString();
    ASSERT_EQ(QDir(m_output).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

    // Packing again replaces the bundle as a whole: a dropped category disappears.
    QDir(m_source).removeRecursively();
    writeSource(m_source, {goodSource().at(1)});
    // (A trailing "/" names the same folder.)
    const Result again = run(packProgram, {QStringLiteral("--jobs=1"), QStringLiteral("--lookup-list"), m_lookupList,
                                           m_source, m_output + QLatin1Char('/')});
    ASSERT_EQ(again.exitCode, 0) << again.output.toStdString();
    EXPECT_EQ(QDir(m_output).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("2")});
    EXPECT_EQ(QDir(m_folder + QStringLiteral("/out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("resources.bundle")});

    // A failed run leaves the previous bundle as it was.
    const QStringList before = fileTree(m_output);
    QFile broken(m_source + QStringLiteral("/3-broken.json"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("[]");
    broken.close();
    EXPECT_EQ(pack().exitCode, 1);
    EXPECT_EQ(fileTree(m_output), before);
}

// A voice that fails half-way through: the run stops, names the phrase, and leaves neither a
// bundle nor its temporary folder behind.
TEST_F(PackTest, failureWhilePackingLeavesNothingBehind)
{
    const QString flite = QStandardPaths::findExecutable(QStringLiteral("flite"));
    const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    PHRASEBOOK_REQUIRE_OR_SKIP(!flite.isEmpty(), "flite");
    PHRASEBOOK_REQUIRE_OR_SKIP(!espeak.isEmpty(), "espeak-ng");
    const QString tools = TestSupport::freshDirectory(QStringLiteral("tools"));
    QFile wrapper(tools + QStringLiteral("/flite"));
    ASSERT_TRUE(wrapper.open(QIODevice::WriteOnly));
    wrapper.write(QStringLiteral("#!/bin/sh\n"
                                 "case \"$*\" in *fine*) echo 'synthesis failed' >&2; exit 3;; esac\n"
                                 "exec '%1' \"$@\"\n")
                      .arg(flite)
                      .toUtf8());
    wrapper.close();
    wrapper.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(QFile::link(espeak, tools + QStringLiteral("/espeak-ng")));

    writeSource(m_source, goodSource());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), tools);
    const Result result = pack({QStringLiteral("--jobs"), QStringLiteral("1")}, environment);
    EXPECT_EQ(result.exitCode, 1) << result.output.toStdString();
    EXPECT_TRUE(result.output.contains(QStringLiteral("2-thanks.json: phrase 202: flite failed (exit status 3): "
                                                      "synthesis failed")))
        << result.output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_output));
    EXPECT_TRUE(QDir(m_folder + QStringLiteral("/out"))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
}

// The bundle the build generated from resources/content, checked with tools independent of
// our own cipher and decoder wrappers: openssl for the phrase lists, libsndfile for the voices.
TEST(BuiltBundle, decryptsWithOpensslAndPlays)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("openssl")), "openssl");
    const QString bundle = QStringLiteral(PHRASEBOOK_TEST_RESOURCE_ROOT) + QStringLiteral("/resources.bundle");
    const QStringList categories = QDir(bundle).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(categories.size(), 1) << bundle.toStdString();
    // DES sits in OpenSSL 3's legacy provider.
    const QStringList decrypt = {QStringLiteral("enc"), QStringLiteral("-d"), QStringLiteral("-des-cbc"),
                                 QStringLiteral("-K"), QStringLiteral("7175696c35303831"), QStringLiteral("-iv"),
                                 QStringLiteral("3430373138323933"), QStringLiteral("-a"), QStringLiteral("-A"),
                                 QStringLiteral("-provider"), QStringLiteral("legacy"), QStringLiteral("-provider"),
                                 QStringLiteral("default"), QStringLiteral("-in")};
    int totalPhrases = 0;
    for (const QString &category : categories) {
        SCOPED_TRACE(category.toStdString());
        const QString folder = bundle + QLatin1Char('/') + category;
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"), decrypt + QStringList{folder + QStringLiteral("/phrasesInfo")});
        ASSERT_TRUE(openssl.waitForFinished(30000));
        ASSERT_EQ(openssl.exitCode(), 0) << openssl.readAllStandardError().toStdString();
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(openssl.readAllStandardOutput(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        ASSERT_TRUE(document.isArray());
        const QJsonArray phrases = document.array();
        ASSERT_GT(phrases.size(), 0);
        for (const QJsonValue &value : phrases) {
            const QJsonObject phrase = value.toObject();
            const QString id = QString::number(phrase.value(QLatin1String("id")).toInteger());
            EXPECT_TRUE(phrase.value(QLatin1String("txt")).isString());
            EXPECT_FALSE(phrase.value(QLatin1String("phon")).toString().isEmpty()) << id.toStdString();
            EXPECT_EQ(phrase.value(QLatin1String("wTrans")).toObject().size(), 16);
            EXPECT_GT(decodedFrames(folder + QStringLiteral("/voices/") + id + QStringLiteral(".mp3")), 4000)
                << id.toStdString();
            EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/images/") + AppCommon::imageFileName(id)
                                          + QStringLiteral(".jpg")));
        }
        totalPhrases += phrases.size();
        EXPECT_EQ(QDir(folder + QStringLiteral("/voices")).entryList(QDir::Files).size(), phrases.size());
        EXPECT_EQ(QDir(folder + QStringLiteral("/images")).entryList(QDir::Files).size(), phrases.size());
    }
    // Every category and phrase of the source made it into the bundle.
    CatalogueSource source;
    ASSERT_TRUE(source.load(QStringLiteral(PHRASEBOOK_SOURCE_DIR "/resources/content"), QString()))
        << source.errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(categories.size(), source.categories().size());
    EXPECT_EQ(totalPhrases, source.phraseCount());
}
