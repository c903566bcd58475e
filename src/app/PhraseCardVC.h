#pragma once

#include "BaseViewController.h"
#include "content/CategoryInfo.h"
#include "content/PhraseInfo.h"
#include "speech/views/SpectrumCompView.h"
#include "HoldToRecord.h"
#include "WordWriteView.h"
#include "widgets/RecordingIndicatorView.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class AudioPlayer;
class Button;
class Label;
class View;
class ZQAudioRecorder;

// The study card of one phrase: the foreign text over its translation, the phrase's voice
// (played once on every show and on the play button), previous / next within the category
// (never wrapping), hiding the foreign text, the writing panel, and hold-to-record: the
// microphone button records while held into recordFolderPath + phrase id + ".caf" and, on
// release, opens the comparison panel of the phrase's voice against that recording (its
// score label hidden). While the "kWordFeedback" setting is on (the default), the panel
// also marks the words to work on over the learner's voiceprint and plays a tapped word
// in both voices. Every show and play counts one "kListenCount", every compared
// recording one "kReadCount". It writes CategoryController's shared currPhraseIndex.
//
// The microphone button follows HoldToRecord: while it is held, a meter over the previous /
// next row shows the recorder's 50 ms peak levels and the time recorded; a release within
// 0.1 s shows the hint "Tap and hold to speak." there for two seconds instead.
// back stops the voice, pops the screen and then gives the store-rating reminder its
// chance: unless a version was rated, with t = whole seconds since 1 January 2001, t
// divisible by 3 prompts if the reminder's criteria hold, else t >= 0 with t mod 4 = 1
// prompts at once.
//
// Space pauses and resumes the voice (or plays it again once it has ended).
//
// Thread: main thread; the comparison panel blocks it while it scores.
// Failure: nothing is shown to the learner when recording fails. A missing voice file
// leaves the card silent (the listen still counts). Without a microphone (no input device
// or no sound server) the card shows "No microphone was found." and records nothing; its
// "Open Settings" starts the desktop's sound settings (SoundSettings) and, when none is
// installed, explains what to do. A release that follows no recording
// of the current phrase (no microphone, the recorder failed, another phrase's recording),
// or a recording shorter than HoldToRecord::minimumRecordingSeconds, opens no panel and counts no
// reading, so a stale or foreign recording is never scored. A release outside the button
// stops the recording without comparing.
class PhraseCardVC : public BaseViewController
{
    Q_OBJECT
public:
    enum class RatingChance { None, PromptIfCriteriaMet, PromptNow };

    explicit PhraseCardVC(QObject *parent = nullptr);
    ~PhraseCardVC() override;

    PhraseInfoPtr phraseInfo() const { return m_phraseInfo; }
    void setPhraseInfo(const PhraseInfoPtr &phrase) { m_phraseInfo = phrase; }
    CategoryInfoPtr categoryInfo() const { return m_categoryInfo; }
    void setCategoryInfo(const CategoryInfoPtr &category) { m_categoryInfo = category; }
    AudioPlayer *audioPlayer() const { return m_audioPlayer.get(); }
    Label *phraseLbl() const { return m_phraseLbl; }
    Label *translationLbl() const { return m_translationLbl; }
    Button *lastItemBtn() const { return m_lastItemBtn; }
    Button *nextItemBtn() const { return m_nextItemBtn; }
    Button *playBtn() const { return m_playBtn; }
    Button *microphoneBtn() const { return m_microphoneBtn; }
    Button *writeBtn() const { return m_writeBtn; }
    Button *lookBtn() const { return m_lookBtn; }
    View *contentView() const { return m_contentView; }
    View *buttonPanel() const { return m_buttonPanel; }
    ZQAudioRecorder *audioRecorder() const { return m_recording ? m_recording->audioRecorder() : nullptr; }
    QString myVoicePath() const { return m_recording ? m_recording->myVoicePath() : QString(); }
    // The open panels (null once closed).
    WordWriteView *wordWriteView() const { return m_wordWriteView; }
    SpectrumCompView *spectrumCompView() const { return m_spectrumCompView; }
    // The comparison the press under way prepares (null between presses).
    std::shared_ptr<PronunciationComparison> comparison() const
    {
        return m_recording ? m_recording->comparison() : nullptr;
    }
    // The image name each of these buttons shows ("btn-last2", "btn-no-look", ...).
    QString lastItemImageName() const { return m_lastItemImageName; }
    QString nextItemImageName() const { return m_nextItemImageName; }
    QString lookImageName() const { return m_lookImageName; }

    void viewDidLoad() override;
    void viewDidDisappear(bool animated) override;
    void back(QObject *sender) override;

    void playAction(QObject *sender);
    void lastItemAction(QObject *sender);
    void nextItemAction(QObject *sender);
    void writeAction(QObject *sender);
    void beginRecordAction(QObject *sender);
    void endRecordAction(QObject *sender);
    void showAction(QObject *sender);
    // Touch up outside or cancelled: the recording stops and is not compared.
    void cancelRecordAction(QObject *sender);

    // The reminder's decision for t seconds since 1 January 2001 (no version rated).
    static RatingChance ratingChanceAt(qint64 secondsSinceReferenceDate);
    // What "Open Settings" of the microphone alert runs (tests); empty restores the default,
    // SoundSettings::open(). False: nothing could be opened.
    static void setSettingsOpener(std::function<bool()> opener);

    // The meter / hint (null until the first recording).
    RecordingIndicatorView *recordingIndicatorView() const
    {
        return m_recording ? m_recording->indicatorView() : nullptr;
    }

private:
    // The card's layout values: margin m = W / 20, button panel width P = W - 2m, slot
    // s = P / 5 and button side b = 0.6 s.
    struct CardMetrics
    {
        qreal margin = 0;
        qreal panelWidth = 0;
        qreal slot = 0;
        qreal button = 0;
    };
    // viewDidLoad builds the card in these steps, in this order.
    void buildCard();
    void attachRecorder();
    void findCategoryOfPhrase();
    void buildToolBar();
    qreal buildContentView();  // returns its height
    CardMetrics cardMetrics();  // also sets the cell margin
    void buildButtonPanel(const CardMetrics &metrics, qreal contentHeight);
    void buildStepButtons(const CardMetrics &metrics);
    void buildLabels(const CardMetrics &metrics);
    void showPhrase(const PhraseInfoPtr &phrase);
    QList<PhraseInfoPtr> categoryPhrases() const;
    int lastIndex() const;
    void setButtonImage(Button *button, const QString &name, QString *stored);
    void giveRatingReminderChance();
    void toggleVoice();

    PhraseInfoPtr m_phraseInfo;
    CategoryInfoPtr m_categoryInfo;
    std::unique_ptr<AudioPlayer> m_audioPlayer;
    Label *m_phraseLbl = nullptr;
    Label *m_translationLbl = nullptr;
    Button *m_lastItemBtn = nullptr;
    Button *m_nextItemBtn = nullptr;
    std::unique_ptr<HoldToRecord> m_recording;  // the microphone button's recorder

    View *m_contentView = nullptr;
    View *m_buttonPanel = nullptr;
    Button *m_playBtn = nullptr;
    Button *m_microphoneBtn = nullptr;
    Button *m_writeBtn = nullptr;
    Button *m_lookBtn = nullptr;
    QString m_lastItemImageName;
    QString m_nextItemImageName;
    QString m_lookImageName;
    QPointer<WordWriteView> m_wordWriteView;
    QPointer<SpectrumCompView> m_spectrumCompView;
    bool m_voicePaused = false;
};
