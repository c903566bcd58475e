#pragma once

#include "app/BaseViewController.h"
#include "content/CategoryInfo.h"
#include "content/PhraseInfo.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"

#include <QColor>
#include <QList>
#include <QPointer>

#include <memory>

class AttributedLabel;
class AudioPlayer;
class Clock;
class OptionBtn;

// Base of every quiz screen. configQuiz draws the questions (random, distinct) and gives each
// an answer record: a blank phrase that a choice quiz replaces by the chosen option and a
// text quiz fills with the learner's text (its foreign text). The screen shows a status panel
// (progress, score with its digits coloured by the share of points won, remaining time,
// "Over"), counts down every 0.1 s on the media clock, grades each submitted answer
// (AnswerText::matches of the foreign texts: 10 points when right) and ends the quiz on the
// last submit or when the time is up: the timer and the voice stop, "Over" shows and the
// learner record counts the quiz and its score, exactly once. A quiz left before its end
// records nothing.
//
// A quiz kind builds its question widgets and shows the first question in initSubviews (after
// the status panel, before the count-down starts), shows question currIndex in showCurrItem,
// and in quizOver (after the base) replaces its widgets by the result table (addResultTable):
// one row per question whose tap plays the question's voice with the row highlighted until
// the voice ends.
//
// Draws: a category with too few phrases for the questions or the four options is topped up
// with phrases of the rest of the catalogue; a catalogue with fewer phrases than questions
// asks each of its phrases once.
//
// The count-down and the pending voice starts run on the process clock (a test's manual clock
// included); they are cancelled when the quiz ends, when the screen disappears and when it is
// destroyed, so nothing fires into a screen that is closed.
//
// Thread: main thread. Failure: no message is ever shown; an answer that is missing or wrong
// scores 0; a voice file that cannot be opened plays nothing (a tapped row gets its colour
// back at once).
class BaseQuizViewController : public BaseViewController, public TableViewDataSource, public TableViewDelegate
{
    Q_OBJECT
public:
    static constexpr int kTickMs = 100;
    static constexpr int kAutoPlayDelayMs = 1500;
    static constexpr qreal kStatusPanelHeight = 52;

    explicit BaseQuizViewController(QObject *parent = nullptr);
    ~BaseQuizViewController() override;

    CategoryInfoPtr categoryInfo() const { return m_categoryInfo; }
    int itemsCount() const { return m_itemsCount; }
    QString titleText() const { return m_titleText; }
    const QList<PhraseInfoPtr> &phraseInfos() const { return m_phraseInfos; }
    const QList<PhraseInfoPtr> &currOptions() const { return m_currOptions; }
    const QList<PhraseInfoPtr> &inputPhraseInfos() const { return m_inputPhraseInfos; }
    ScrollView *optionArea() const { return m_optionArea; }
    QList<OptionBtn *> optionButtons() const;
    int currIndex() const { return m_currIndex; }
    Label *currText() const { return m_currText; }
    Label *progressLbl() const { return m_progressLbl; }
    AttributedLabel *scoreLbl() const { return m_scoreLbl; }
    TextField *textField() const { return m_textField; }
    qreal outerMargin() const { return m_outerMargin; }
    int progress() const { return m_progress; }
    int score() const { return m_score; }
    AudioPlayer *audioPlayer() const { return m_audioPlayer.get(); }
    // The count-down's timer on the clock, 0 once it is stopped.
    int quizzTimer() const { return m_quizzTimer; }
    bool isCountingDown() const { return m_quizzTimer != 0; }
    float limitedTime() const { return m_limitedTime; }
    Label *limitedTimeLbl() const { return m_limitedTimeLbl; }
    Label *quizStatusLbl() const { return m_quizStatusLbl; }
    View *quizInfoView() const { return m_quizInfoView; }
    View *currPlayItemView() const { return m_currPlayItemView; }
    QColor optionBgColor() const { return m_optionBgColor; }
    QColor selectedOptionBgColor() const { return m_selectedOptionBgColor; }
    qreal resultRowH() const { return m_resultRowH; }
    qreal minRowH() const { return m_minRowH; }
    TableView *resultTable() const { return m_resultTable; }
    Button *submitBtn() const { return m_submitBtn; }
    bool isOver() const { return m_over; }
    int pendingAutoPlayCount() const { return int(m_autoPlays.size()); }

    virtual void configQuiz(int count, const QString &title, const CategoryInfoPtr &category, float limit);
    virtual void loadPhraseInfos();
    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    virtual void initQuizViews();
    virtual void initSubviews();
    virtual void updateProgress(int count);
    virtual void updateScore(int score);
    void selectOption(OptionBtn *button);
    virtual void optionSelected(OptionBtn *button);
    virtual void fillOptions(const PhraseInfoPtr &question, bool isMotherLang);
    virtual void showCurrItem();
    virtual void submitAction(QObject *sender);
    void oneSecondElapsed();
    virtual void countDown();
    virtual void quizOver();
    void playClickedItem(View *row);
    virtual void playResultItem(View *row);
    void audioPlayerDidFinishPlaying(AudioPlayer *player, bool successfully);

    // The result table: one row per question.
    int numberOfRowsInSection(TableView *tableView, int section) override;
    qreal heightForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    // `count` distinct phrases of `category` (the whole catalogue when null), topped up from
    // the rest of the catalogue when the category has fewer.
    static QList<PhraseInfoPtr> drawPhrases(const CategoryInfoPtr &category, int count);
    // The options of a question: `drawn` as it is when one of them has the question's text
    // (content), else with the question in place of the option at `position`.
    static QList<PhraseInfoPtr> placeQuestion(QList<PhraseInfoPtr> drawn, const PhraseInfoPtr &question,
                                              int position);
    // The colour of the score digits for `score` points of `maximum`.
    static QColor scoreColor(int score, int maximum);

protected:
    // Ends the quiz once: the count-down at zero and the last submit both come here.
    void finishQuiz();
    // Closes the current question with `points` won: the score grows first (so the last
    // question's points reach the learner record), then the next question shows or the quiz
    // ends, then progress and score are displayed.
    void completeQuestion(int points);
    // Called from initSubviews: the screen cannot run the quiz (no microphone), so loading
    // stops there and the count-down never starts.
    void stopLoading() { m_loadingStopped = true; }
    bool hasCurrentQuestion() const;
    // Widgets the quiz kinds share, placed below the status panel.
    Button *addSubmitButton();
    Button *addLoudspeakerButton();
    // The four options in the space from `top` down to the Submit button.
    ScrollView *addOptionArea(qreal top);
    TableView *addResultTable(bool reversed);
    // Hides and deletes a question widget (possibly the sender of the running action).
    static void removeWidget(QWidget *widget);
    // Removes the question text, the options, the answer field and Submit, where present.
    void removeQuestionWidgets();
    void setCurrText(Label *label) { m_currText = label; }
    void setTextField(TextField *field) { m_textField = field; }
    void setResultRowH(qreal height) { m_resultRowH = height; }
    qreal contentTop() const;  // the bottom of the status panel

    // The question's voice: played now (replacing what plays), or 1.5 s after a question is
    // shown. Each shown question schedules its own start, which plays the question current
    // when it fires; every pending start is cancelled when the quiz ends or the screen
    // disappears.
    void playAction(QObject *sender);
    void playCurrPhrase();
    void scheduleAutoPlay();
    void cancelAutoPlays();
    void stopAudio();

private:
    Clock &timerClock();
    void startQuizTimer();
    void stopQuizTimer();
    void buildStatusPanel();
    void restorePlayedRow();

    CategoryInfoPtr m_categoryInfo;
    int m_itemsCount = 10;
    QString m_titleText;
    QList<PhraseInfoPtr> m_phraseInfos;
    QList<PhraseInfoPtr> m_currOptions;
    QList<PhraseInfoPtr> m_inputPhraseInfos;
    QPointer<ScrollView> m_optionArea;
    int m_currIndex = 0;
    QPointer<Label> m_currText;
    Label *m_progressLbl = nullptr;
    AttributedLabel *m_scoreLbl = nullptr;
    QPointer<TextField> m_textField;
    qreal m_outerMargin = 10.0;
    int m_progress = 0;
    int m_score = 0;
    std::unique_ptr<AudioPlayer> m_audioPlayer;
    QPointer<Clock> m_timerClock;  // the clock the count-down and the voice starts run on
    int m_quizzTimer = 0;
    float m_limitedTime;
    Label *m_limitedTimeLbl = nullptr;
    Label *m_quizStatusLbl = nullptr;
    View *m_quizInfoView = nullptr;
    QPointer<View> m_currPlayItemView;
    QColor m_currPlayItemOrgBgColor;
    QColor m_optionBgColor = QColor(25, 44, 66);
    QColor m_selectedOptionBgColor = PlatformColors::orange();
    qreal m_resultRowH = 40.0;
    qreal m_minRowH;
    QPointer<TableView> m_resultTable;
    bool m_resultReversed = false;
    QPointer<Button> m_submitBtn;
    bool m_over = false;
    bool m_loadingStopped = false;
    QList<int> m_autoPlays;
};
