#include "SpeechFixture.h"

#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <numbers>

namespace SpeechFixture {

bool writeAudio(const QString &path, int format, int sampleRate, int channels,
                const std::vector<short> &samples)
{
    return MediaTestSupport::writeSamples(path, format, sampleRate, channels, samples);
}

std::vector<short> readAudio(const QString &path, int *sampleRate, int *channels)
{
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<short> samples(size_t(info.frames * info.channels));
    samples.resize(size_t(sf_readf_short(file, samples.data(), info.frames) * info.channels));
    sf_close(file);
    if (sampleRate)
        *sampleRate = info.samplerate;
    if (channels)
        *channels = info.channels;
    return samples;
}

QString synthesise(const QString &voice, const QString &text, const QString &folder,
                   const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".wav");
    int status = -1;
    if (voice == QLatin1String("espeak")) {
        if (!TestSupport::programAvailable(QStringLiteral("espeak-ng")))
            return {};
        status = TestSupport::runProgram(QStringLiteral("espeak-ng"),
                                         {QStringLiteral("-w"), path, text});
    } else {
        if (!TestSupport::programAvailable(QStringLiteral("flite")))
            return {};
        status = TestSupport::runProgram(QStringLiteral("flite"),
                                         {QStringLiteral("-voice"), voice, QStringLiteral("-t"),
                                          text, QStringLiteral("-o"), path});
    }
    return status == 0 && QFile::exists(path) ? path : QString();
}

QString acousticModelPath()
{
    const QString bundle = QStringLiteral(PHRASEBOOK_TEST_RESOURCE_ROOT "/EnglishAcousticModel.bundle");
    if (QFile::exists(bundle + QStringLiteral("/mdef")))
        return bundle;
    return QStringLiteral("/usr/share/pocketsphinx/model/en-us/en-us");
}

Models writeModels(const QStringList &sentences, const QString &folder)
{
    QStringList words;
    static const QRegularExpression split(QStringLiteral("[^A-Za-z']+"));
    for (const QString &sentence : sentences) {
        for (const QString &word : sentence.split(split, Qt::SkipEmptyParts)) {
            if (!words.contains(word.toUpper()))
                words.append(word.toUpper());
        }
    }
    Models models{folder + QStringLiteral("/test.arpa"), folder + QStringLiteral("/test.dic")};

    QFile arpa(models.languageModel);
    if (!arpa.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    QTextStream lm(&arpa);
    lm << "\\data\\\nngram 1=" << words.size() + 2 << "\n\n\\1-grams:\n";
    const double probability = std::log10(1.0 / double(words.size() + 1));
    lm << "-99.0 <s> 0.0\n" << probability << " </s> 0.0\n";
    for (const QString &word : words)
        lm << probability << ' ' << word << " 0.0\n";
    lm << "\n\\end\\\n";
    lm.flush();

    QFile source(QStringLiteral("/usr/share/pocketsphinx/model/en-us/cmudict-en-us.dict"));
    QFile dic(models.dictionary);
    if (!source.open(QIODevice::ReadOnly) || !dic.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    const QSet<QString> wanted(words.begin(), words.end());
    QTextStream in(&source);
    QTextStream out(&dic);
    static const QRegularExpression alternative(QStringLiteral("\\(\\d+\\)$"));
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        if (space <= 0)
            continue;
        QString head = line.left(space).toUpper();
        QString base = head;
        base.remove(alternative);
        if (wanted.contains(base))
            out << head << '\t' << line.mid(space + 1) << '\n';
    }
    out.flush();
    return models;
}

std::vector<short> tone(double frequency, double seconds, double amplitude, int sampleRate)
{
    std::vector<short> samples(size_t(std::lround(seconds * sampleRate)));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short(std::lround(
            amplitude * std::sin(2.0 * std::numbers::pi * frequency * double(i) / sampleRate)));
    return samples;
}

std::vector<short> silence(double seconds, int sampleRate)
{
    return std::vector<short>(size_t(std::lround(seconds * sampleRate)), 0);
}

void append(std::vector<short> &to, const std::vector<short> &more)
{
    to.insert(to.end(), more.begin(), more.end());
}

}
