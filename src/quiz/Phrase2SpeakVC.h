#pragma once

#include "BaseQuizViewController.h"
#include "speech/views/SpectrumCompView.h"

#include <QPointer>
#include <QRectF>

#include <memory>

class HoldToRecord;
class RecordingIndicatorView;

// The speaking quiz: each question shows a phrase's foreign text; the learner holds the
// microphone button while reading it aloud and, on release, the comparison panel compares
// the recording with the phrase's voice (voiceprints shown, score hidden). The last
// comparison of a question is its points (0 to 10) when Submit is pressed; a question
// submitted without a usable recording earns 0. Recordings go to recordFolderPath + phrase
// id + ".caf" (the phrase card's file) and are the answer record's soundPath. The score
// label is hidden; at the end the open panel closes and the result table lists each
// phrase with "Show Voiceprint", which compares that recording again.
//
// Recording follows HoldToRecord: while the button is held, the level meter and the time
// recorded show where the hint was, between the microphone and Submit; a release within
// 0.1 s shows "Tap and hold to speak." there for two seconds. A release outside the button
// or a cancelled touch stops the recording without comparing; a press that recorded nothing
// usable (no microphone, a tap shorter than 0.1 s, a recording of another phrase) opens no
// panel and leaves the question's points as they were.
//
// Thread: main thread; a comparison blocks it while it scores (the count-down waits).
// Failure: without a microphone on loading the "No microphone was found." alert (with its
// "Open Settings") shows and the screen stays without question widgets and count-down;
// otherwise those of BaseQuizViewController; a recording without recognised words scores 0.
class Phrase2SpeakVC : public BaseQuizViewController
{
    Q_OBJECT
public:
    explicit Phrase2SpeakVC(QObject *parent = nullptr);
    ~Phrase2SpeakVC() override;

    Button *microphoneButton() const { return m_microphoneButton; }
    Label *tipLbl() const { return m_tipLbl; }
    SpectrumCompView *spectrumCompView() const { return m_spectrumCompView; }
    int currWordScore() const { return m_currWordScore; }
    QString myVoicePath() const;
    HoldToRecord *recording() const { return m_recording.get(); }
    // The meter / hint (null until the first recording).
    RecordingIndicatorView *recordingIndicatorView() const;

    void initSubviews() override;
    void showCurrItem() override;
    void beginRecordAction(QObject *sender);
    void endRecordAction(QObject *sender);
    // Touch up outside or cancelled: the recording stops and is not compared.
    void cancelRecordAction(QObject *sender);
    void submitAction(QObject *sender) override;
    void quizOver() override;
    void viewDidDisappear(bool animated) override;
    // The comparison panel of answer record `answer`'s recording against `phrase`; its
    // score becomes currWordScore.
    void openComparison(const PhraseInfoPtr &phrase, const PhraseInfoPtr &answer,
                        std::shared_ptr<PronunciationComparison> comparison = nullptr);
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

private:
    void buildQuestionWidgets();
    void closeComparison();

    std::unique_ptr<HoldToRecord> m_recording;
    QRectF m_indicatorFrame;  // where the hint was
    QPointer<Button> m_microphoneButton;
    QPointer<Label> m_tipLbl;
    QPointer<SpectrumCompView> m_spectrumCompView;
    int m_currWordScore = 0;
};
