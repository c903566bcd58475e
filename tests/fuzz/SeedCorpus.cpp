// phrasebook_fuzz_seeds OUT CONTENT DICTIONARY [SPEECH.wav]
//
// Writes the seed corpora of the fuzz targets into OUT/<target>/, made from the sample
// catalogue source (CONTENT, resources/content), Debian's CMU dictionary (DICTIONARY) and a
// short spoken phrase (SPEECH, a WAV file; a tone when absent). Seeds use the targets'
// framing (FuzzSupport::join), so each starts as a well-formed input of its reader.
#include "FuzzSupport.h"

#include "content/AppCommon.h"
#include "content/CorpusText.h"
#include "content/PropertyList.h"
#include "content/ZQCryptor.h"
#include "speech/lmtk/Lmtk.h"
#include "tools/lexicon/LexiconBuilder.h"
#include "tools/pack/CatalogueSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {
QString g_out;

void seed(const char *target, const QString &name, const QByteArray &bytes)
{
    const QString folder = g_out + QLatin1Char('/') + QLatin1String(target);
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write the seed %s/%s\n", target, qPrintable(name));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList phraseTexts(const CatalogueSource &source)
{
    QStringList texts;
    for (const CatalogueSource::Category &category : source.categories()) {
        for (const CatalogueSource::Phrase &phrase : category.phrases)
            texts.append(phrase.txt);
    }
    return texts;
}

// The installed form of each category (as the packer writes it), under the id 1 the
// catalogue target's folder carries.
void catalogueSeeds(const CatalogueSource &source)
{
    for (const CatalogueSource::Category &category : source.categories()) {
        const QJsonObject info{{QStringLiteral("id"), 1}, {QStringLiteral("name"), category.name},
                               {QStringLiteral("nameTrans"), category.nameTrans}};
        QJsonArray phrases;
        for (const CatalogueSource::Phrase &phrase : category.phrases) {
            QJsonObject entry{{QStringLiteral("id"), phrase.id}, {QStringLiteral("txt"), phrase.txt},
                              {QStringLiteral("wTrans"), phrase.wTrans}};
            if (phrase.phon)
                entry.insert(QStringLiteral("phon"), *phrase.phon);
            phrases.append(entry);
        }
        const QByteArray pkgInfo = QJsonDocument(info).toJson();
        const QByteArray plain = QJsonDocument(phrases).toJson(QJsonDocument::Compact);
        const QByteArray cipher =
            ZQCryptor::encryptWithDES(QString::fromUtf8(plain), ZQCryptor::contentKey).toUtf8();
        const QString name = QString::number(category.id);
        seed("catalogue", name + QStringLiteral("-plain"), FuzzSupport::join(0, {pkgInfo, plain}));
        seed("catalogue", name + QStringLiteral("-cipher"), FuzzSupport::join(1, {pkgInfo, cipher}));
    }
}

void learnerRecordSeeds()
{
    QVariantMap record;
    qint64 value = 0;
    for (const QString &key : AppCommon::userInfoKeys())
        record.insert(key, QVariant::fromValue(value++ * 7));
    const QByteArray xml = PropertyList::serializeXml(record);
    record.remove(QStringLiteral("kReadCount"));
    record.insert(QStringLiteral("kQuizCount"), QStringLiteral("three"));
    const QByteArray damaged = PropertyList::serializeXml(record);
    seed("learner_record", QStringLiteral("plain"), FuzzSupport::join(0, {xml}));
    seed("learner_record", QStringLiteral("plain-damaged"), FuzzSupport::join(0, {damaged}));
    const auto cipher = [](const QByteArray &plain) {
        return ZQCryptor::encryptWithDES(QString::fromUtf8(plain), ZQCryptor::recordKey).toUtf8();
    };
    seed("learner_record", QStringLiteral("cipher"), FuzzSupport::join(1, {cipher(xml)}));
}

// A slice of the dictionary holding the words of a few phrases, in both list forms.
void pronunciationSeeds(const QStringList &texts, const QString &dictionaryPath)
{
    const QList<QByteArray> dictionary = readAll(dictionaryPath).split('\n');
    for (qsizetype i = 0; i < texts.size() && i < 12; i += 3) {
        const QStringList words = CorpusText::dictionaryWords(texts.mid(i, 3).join(QLatin1Char(' ')));
        QByteArray slice;
        for (const QByteArray &line : dictionary) {
            const QString word = QString::fromUtf8(line.left(line.indexOf(' '))).section(QLatin1Char('('), 0, 0);
            if (words.contains(word.toUpper()))
                slice += line + '\n';
        }
        LexiconBuilder builder;
        builder.parse(slice);
        const QByteArray query = words.join(QLatin1Char(' ')).toUtf8();
        const QString name = QString::number(i);
        seed("pronunciation_lookup", name + QStringLiteral("-dictionary"), FuzzSupport::join(0, {query, slice}));
        seed("pronunciation_lookup", name + QStringLiteral("-list"),
             FuzzSupport::join(1, {query, builder.lookupListText()}));
    }
}

// Mono samples of the spoken phrase (at most `seconds`), or a tone when it cannot be read.
std::vector<float> speech(const QString &path, double seconds, int *rate)
{
    SF_INFO info{};
    SNDFILE *file = path.isEmpty() ? nullptr : sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    std::vector<float> samples;
    if (file && info.channels == 1) {
        samples.resize(size_t(seconds * info.samplerate));
        samples.resize(size_t(std::max<sf_count_t>(0, sf_readf_float(file, samples.data(), sf_count_t(samples.size())))));
        *rate = info.samplerate;
    }
    if (file)
        sf_close(file);
    if (samples.empty()) {
        *rate = 16000;
        for (int i = 0; i < int(seconds * 16000); ++i)
            samples.push_back(0.4f * float(std::sin(2 * M_PI * 440.0 * i / 16000.0)));
    }
    return samples;
}

// Encodes `mono` in a libsndfile format (the channel is repeated for stereo formats).
QByteArray encode(const std::vector<float> &mono, int rate, int format, int channels)
{
    const QString path = FuzzSupport::scratch() + QStringLiteral("/encode");
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return {};
    std::vector<float> frames;
    for (const float sample : mono)
        frames.insert(frames.end(), size_t(channels), sample);
    sf_writef_float(file, frames.data(), sf_count_t(mono.size()));
    sf_close(file);
    return readAll(path);
}

// A WAVE file written by hand, with a chunk of odd length before the format chunk (the
// chunk walker must skip it and its pad byte).
QByteArray handMadeWave(const std::vector<float> &mono, int rate)
{
    QByteArray data;
    for (const float sample : mono) {
        const qint16 value = qint16(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767));
        data.append(char(value & 0xff)).append(char((value >> 8) & 0xff));
    }
    const auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
    const auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
    QByteArray body = "WAVE" + QByteArray("LIST") + le32(3) + QByteArray("abc", 3) + QByteArray(1, '\0');
    body += "fmt " + le32(16) + le16(1) + le16(1) + le32(quint32(rate)) + le32(quint32(rate * 2)) + le16(2) + le16(16);
    body += "data" + le32(quint32(data.size())) + data;
    return "RIFF" + le32(quint32(body.size())) + body;
}

void audioSeeds(const QString &speechPath)
{
    int rate = 16000;
    const std::vector<float> mono = speech(speechPath, 0.3, &rate);
    struct Kind { const char *name; int format; int channels; int rate; };
    const Kind kinds[] = {
        {"wav16", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, rate},
        {"wav8-stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 2, 8000},
        {"wav-float", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 22050},
        {"caf-alac", SF_FORMAT_CAF | SF_FORMAT_ALAC_16, 1, rate},
        {"mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 1, rate},
        {"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, rate},
        {"aiff24", SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 2, 44100},
    };
    for (const Kind &kind : kinds) {
        // The samples are not resampled: only the declared rate differs, which is all the
        // decoders look at.
        const QByteArray file = encode(mono, kind.rate, kind.format, kind.channels);
        if (file.isEmpty())
            continue;
        seed("audio_decode", QStringLiteral("%1-16k").arg(QLatin1String(kind.name)), FuzzSupport::join(0, {file}));
        seed("audio_decode", QStringLiteral("%1-clip").arg(QLatin1String(kind.name)), FuzzSupport::join(1, {file}));
        if (QByteArray(kind.name).startsWith("wav"))
            seed("wave", QLatin1String(kind.name), FuzzSupport::join(0, {file}));
    }
    seed("wave", QStringLiteral("hand-made"), FuzzSupport::join(0, {handMadeWave(mono, rate)}));
}

void catalogueSourceSeeds(const QString &contentFolder, const QString &dictionaryPath)
{
    const QStringList files = QDir(contentFolder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    LexiconBuilder builder;
    builder.parse(readAll(dictionaryPath));
    const QByteArray lookupList = builder.lookupListText();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QByteArray json = readAll(contentFolder + QLatin1Char('/') + files[i]);
        seed("catalogue_source", files[i], FuzzSupport::join(0, {json}));
        if (i == 0) {
            // Word checks need the list; a slice around the words keeps the seed small.
            QByteArray slice;
            for (const QByteArray &line : lookupList.split('\n')) {
                if (json.toUpper().contains(' ' + line.left(line.indexOf('\t'))))
                    slice += line + '\n';
            }
            seed("catalogue_source", files[i] + QStringLiteral("-words"), FuzzSupport::join(1, {json, slice}));
        }
    }
}

// The toolkit's files for a corpus of the sample phrases, made by the toolkit itself.
void lmtkSeeds(const QStringList &texts)
{
    const QString folder = FuzzSupport::freshFolder(QStringLiteral("lmtk-seeds"));
    const std::string base = QFile::encodeName(folder).toStdString();
    QByteArray corpus;
    for (const QString &text : texts.mid(0, 20))
        corpus += "<s> " + CorpusText::dictionaryWords(text).join(QLatin1Char(' ')).toUtf8() + " </s>\n";
    FuzzSupport::writeFile(folder + QStringLiteral("/corpus"), std::string_view(corpus.constData(), size_t(corpus.size())));
    FILE *in = std::fopen((base + "/corpus").c_str(), "r");
    lmtk::text2wfreq(in, std::fopen((base + "/wfreq").c_str(), "w"), 1000, 0);
    std::fclose(in);
    in = std::fopen((base + "/wfreq").c_str(), "r");
    lmtk::wfreq2vocab(in, std::fopen((base + "/vocab").c_str(), "w"), -1, -1, 100000, 0);
    std::fclose(in);
    const std::string vocab = base + "/vocab", idngram = base + "/idngram", text = base + "/corpus";
    const char *argv[] = {"text2idngram", "-vocab", vocab.c_str(), "-idngram", idngram.c_str(),
                          "-textfile", text.c_str(), "-n", "3"};
    lmtk::text2idngram(int(std::size(argv)), argv);
    const QByteArray wfreq = readAll(folder + QStringLiteral("/wfreq"));
    const QByteArray vocabulary = readAll(folder + QStringLiteral("/vocab"));
    // Mode 10: text2idngram (10 % 3 == 1) of trigrams (1 + (10 >> 2) % 6 == 3).
    seed("lmtk", QStringLiteral("wfreq2vocab"), FuzzSupport::join(0, {wfreq}));
    seed("lmtk", QStringLiteral("text2idngram"), FuzzSupport::join(10, {vocabulary, corpus}));
    seed("lmtk", QStringLiteral("idngram2lm"),
         FuzzSupport::join(2, {readAll(folder + QStringLiteral("/idngram")), vocabulary, "<s>\n</s>\n"}));
}
}

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUT CONTENT DICTIONARY [SPEECH.wav]\n", argv[0]);
        return 2;
    }
    FuzzSupport::init();
    g_out = QFile::decodeName(argv[1]);
    const QString content = QFile::decodeName(argv[2]);
    const QString dictionary = QFile::decodeName(argv[3]);
    CatalogueSource source;
    if (!source.load(content, QString())) {
        std::fprintf(stderr, "the sample content does not load: %s\n", qPrintable(source.errors().join(QLatin1Char('\n'))));
        return 1;
    }
    const QStringList texts = phraseTexts(source);
    catalogueSeeds(source);
    learnerRecordSeeds();
    pronunciationSeeds(texts, dictionary);
    audioSeeds(argc > 4 ? QFile::decodeName(argv[4]) : QString());
    catalogueSourceSeeds(content, dictionary);
    lmtkSeeds(texts);
    return 0;
}
