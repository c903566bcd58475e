#pragma once

#include <QString>

// The speech side of the packer: the model voice of a phrase and its IPA transcription.
//
// - synthesise(): `flite -voice slt -t TEXT -o WAV`, then encodeMp3() of that file.
// - encodeMp3(): libsndfile, MPEG Layer III at the source's sample rate and channel count.
// - transcribe(): `espeak-ng -q --ipa -v en-us TEXT`, trimmed, lines joined with one space.
// The text is handed over as one argument (never through a shell).
//
// Thread: any; each call runs its own processes and files, so calls may run in parallel.
// Failure: every operation returns an empty QString on success and otherwise a message
// naming the program or file and what went wrong (exit status, timeout, empty output).
class VoiceSynthesizer
{
public:
    // Names the missing programs ("flite" always, "espeak-ng" when needed), or empty.
    static QString checkPrograms(bool needTranscriber);

    static QString synthesise(const QString &text, const QString &wavPath, const QString &mp3Path);
    static QString encodeMp3(const QString &wavPath, const QString &mp3Path);
    static QString transcribe(const QString &text, QString *phon);
};
