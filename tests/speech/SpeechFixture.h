#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Test audio and models, all generated at test time.
namespace SpeechFixture {
// Writes interleaved 16-bit samples with libsndfile (format = SF_FORMAT_* major | subtype).
// Returns false when libsndfile refuses.
bool writeAudio(const QString &path, int format, int sampleRate, int channels,
                const std::vector<short> &samples);
// Reads a file with libsndfile as 16-bit samples (no conversion); empty on failure.
std::vector<short> readAudio(const QString &path, int *sampleRate = nullptr, int *channels = nullptr);

// Speech of `text` by flite (voice "slt", "kal16") or espeak-ng (voice "espeak"), at the
// tool's own rate. Returns the WAV path, or an empty string when the tool is missing.
QString synthesise(const QString &voice, const QString &text, const QString &folder,
                   const QString &name);

// The acoustic model: the built bundle when present, else Debian's en-us model.
QString acousticModelPath();

// A unigram ARPA model and a dictionary (lines of Debian's cmudict, upper-cased) for the
// words of `sentences`, written as <folder>/test.arpa and <folder>/test.dic.
struct Models
{
    QString languageModel;
    QString dictionary;
};
Models writeModels(const QStringList &sentences, const QString &folder);

// A tone of `frequency` Hz and `amplitude` (of full scale 32767) for `seconds`.
std::vector<short> tone(double frequency, double seconds, double amplitude, int sampleRate = 16000);
std::vector<short> silence(double seconds, int sampleRate = 16000);
void append(std::vector<short> &to, const std::vector<short> &more);
}
