#pragma once

#include "audio/ZQRecorderDelegate.h"
#include "content/PhraseInfo.h"
#include "speech/PronunciationComparison.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>

class MediaTimer;
class QWidget;
class RecordingIndicatorView;
class SpectrumCompView;
class View;
class ZQAudioRecorder;

// Hold-to-record of a phrase, shared by the screens with a microphone button (the phrase
// card, the speaking quiz). A press (begin) records into recordFolderPath + phrase id +
// ".caf", creating the folder, and starts preparing the comparison while the learner
// speaks. Without a microphone (no input device or no sound server) it shows "No
// microphone was found." ("Cancel", "Open Settings") and records nothing; "Open Settings"
// starts the desktop's sound settings (SoundSettings) and, when none is installed,
// explains what to do.
//
// While the button is held, a RecordingIndicatorView at the place the screen gives
// (setIndicatorPlace) shows the recorder's 50 ms peak levels and the time recorded; a
// release within minimumRecordingSeconds of the press shows "Tap and hold to speak." there
// for hintMs instead. A release inside the button (end) stops the recording and reports
// whether this press recorded the phrase: only then may the recording be compared. A
// release outside or a cancelled touch (cancel) stops it without. openComparison opens the
// comparison panel for a recording, centred on the screen's view, its score label hidden.
// It is its recorder's delegate, for the levels. With setAssess on (the phrase card, when
// the learner keeps word feedback on), the comparison it prepares and the panel it opens
// also assess the recording word by word.
//
// Thread: main thread; openComparison blocks while the panel scores.
// Failure: nothing is shown to the learner when recording fails. A press that recorded
// nothing usable (no microphone, the recorder failed, a recording of another phrase, a tap
// shorter than minimumRecordingSeconds) makes end() return false, so a stale or foreign
// recording is never scored. Without an indicator place no meter is shown.
class HoldToRecord : public ZQRecorderDelegate
{
    Q_DECLARE_TR_FUNCTIONS(HoldToRecord)
public:
    // Shortest recording worth comparing: ten 10-ms frames of the recogniser.
    static constexpr double minimumRecordingSeconds = 0.1;
    // How long the hint after a too short tap stays.
    static constexpr int hintMs = 2000;

    HoldToRecord();
    ~HoldToRecord() override;
    HoldToRecord(const HoldToRecord &) = delete;
    HoldToRecord &operator=(const HoldToRecord &) = delete;

    ZQAudioRecorder *audioRecorder() const { return m_audioRecorder.get(); }
    // The file of the last recording started (empty before the first).
    QString myVoicePath() const { return m_myVoicePath; }
    // The comparison the press under way prepares (null between presses).
    std::shared_ptr<PronunciationComparison> comparison() const { return m_comparison; }
    bool isRecording() const;
    // Whether the comparisons of later presses assess the words too (off by default).
    bool assess() const { return m_assess; }
    void setAssess(bool assess) { m_assess = assess; }

    // Where the meter shows: `frame` in `parent` (it moves there if it exists already).
    void setIndicatorPlace(QWidget *parent, const QRectF &frame);
    // The meter / hint (null until the first recording with a place).
    RecordingIndicatorView *indicatorView() const;

    // Starts recording `phrase` (the comparison corpus comes from `phrases`); false without
    // a microphone (the alert is shown on `alertParent`'s window) or when nothing started.
    bool begin(const PhraseInfoPtr &phrase, const QList<PhraseInfoPtr> &phrases, QWidget *alertParent);
    // Stops the recording; true, with the prepared comparison handed over, when this press
    // recorded `phrase` long enough to compare.
    bool end(const PhraseInfoPtr &phrase, std::shared_ptr<PronunciationComparison> *comparison);
    void cancel();

    // ZQRecorderDelegate: the level meter.
    void periodicTimeObserver(AudioRecorder *recorder, float powerValue, float interval) override;

    static QString recordingPath(const PhraseInfo &phrase);
    // The comparison panel of `recording` against `phrase`'s voice, 0.9 x the width of
    // `root` and as tall as its content, centred, shadowed, its score label hidden; with
    // `assess`, with the words to work on (SpectrumCompView::setWordFeedback).
    static SpectrumCompView *openComparison(View *root, const PhraseInfoPtr &phrase, const QList<PhraseInfoPtr> &phrases,
                                            const QString &recording,
                                            std::shared_ptr<PronunciationComparison> comparison = nullptr,
                                            bool assess = false);
    static void presentMicrophoneAlert(QWidget *parent);
    // What "Open Settings" of the alert runs (tests); empty restores the default,
    // SoundSettings::open(). False: nothing could be opened.
    static void setSettingsOpener(std::function<bool()> opener);

private:
    static void presentNoSettingsAlert(QWidget *window);
    void showIndicator();
    // Hides the meter, or shows the hold hint in its place after a too short tap.
    void hideIndicator(bool tooShort);

    std::unique_ptr<ZQAudioRecorder> m_audioRecorder;
    QString m_myVoicePath;
    // The path this press records into (empty when none started).
    QString m_pressRecordingPath;
    std::shared_ptr<PronunciationComparison> m_comparison;
    bool m_assess = false;
    qint64 m_pressStartUs = 0;  // media clock time of the press that started the recording
    QPointer<QWidget> m_indicatorParent;
    QRectF m_indicatorFrame;
    QPointer<RecordingIndicatorView> m_indicator;
    QPointer<MediaTimer> m_hintTimer;  // a child of the indicator
};
