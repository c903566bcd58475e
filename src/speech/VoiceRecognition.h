#pragma once

#include "AudioPowerSpectrumInfo.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <QtGlobal>

// Where a recognised word lies in the original audio, in milliseconds from its start. The
// decoder drops most silent frames, so its frame numbers are not audio time; these are.
// `endMs` is the end of the word's last 10-ms frame, never past the end of the audio.
struct WordTime
{
    qint64 startMs = 0;
    qint64 endMs = 0;
};

// What one recognition of one voice gives: the recognised text (null when none), one
// word-info record per segment of the best path (keys as ZQPSRecognizer::wordsInfo), the
// start and end of each of those segments in the audio (same order), the per-frame
// log power spectrum, and where each of its frames (each column of the voiceprint) starts
// in the audio.
//
// `audioStatus` is ZQAudioUtil's status of reading the file (0 when it was read) and
// `durationMs` the length of the decoded audio. A voice that was not recognised (no file,
// no model) has no words and no spectrum.
//
// A plain value record (implicitly shared lists). Thread: any.
struct VoiceRecognition
{
    qint32 audioStatus = 0;
    qint64 durationMs = 0;
    QString hypothesis;
    QVariantList wordsInfo;
    QList<WordTime> wordTimes;
    AudioPowerSpectrumInfo powerSpectrumInfo;
    QList<double> frameTimes;  // seconds, one per spectrum frame, rising
};

// The files a recognition runs with: the language model, its dictionary and the acoustic
// model folder. `contentKey` identifies the content of the model and dictionary files
// (a digest), so two sets of paths are the same models only when the files hold the same.
struct RecognitionModels
{
    QString languageModelPath;
    QString dictionaryPath;
    QString acousticModelPath;
    QByteArray contentKey;

    bool operator==(const RecognitionModels &) const = default;
};
