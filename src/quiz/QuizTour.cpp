#include "QuizTour.h"

#include "Listen2SelectVC.h"
#include "Listen2WriteVC.h"
#include "DraggableWordView.h"
#include "OptionBtn.h"
#include "Phrase2SpeakVC.h"
#include "QuizOutlineVC.h"
#include "Word2WordVC.h"
#include "WordOrderAdjustVC.h"
#include "app/MainViewController.h"
#include "content/AppCommon.h"
#include "platform/media/AudioSession.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewSupport.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Window.h"
#include "speech/views/SpectrumCompView.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>

namespace {
// A push: the 0.8 s zoom and a little more.
constexpr int kTransitionMs = 1100;

template<class Screen>
Screen *topScreen(Window *window)
{
    return qobject_cast<Screen *>(ScreenTour::topViewController(window));
}

// Back to the chooser (popping the quiz shown), then starts quiz `tag` from its button.
QString startFromOutline(Window *window, int tag)
{
    if (!topScreen<QuizOutlineVC>(window) && topScreen<BaseQuizViewController>(window))
        ScreenTour::topViewController(window)->navigationController()->popViewControllerAnimated(false);
    QuizOutlineVC *outline = topScreen<QuizOutlineVC>(window);
    if (!outline)
        return QStringLiteral("the quiz chooser is not shown");
    for (Button *button : outline->quizButtons()) {
        if (ViewSupport::tag(button) == tag) {
            outline->quizClicked(button);
            return QString();
        }
    }
    // The matching quizzes have no button for a learner of the content language: start them
    // as their buttons would.
    if (!outline->startQuiz(tag, QuizOutlineVC::quizTitle(tag), ViewSupport::centerInWindow(outline->view())))
        return QStringLiteral("quiz %1 cannot start").arg(tag);
    return QString();
}

QString chooseSecondOption(Window *window)
{
    auto *quiz = topScreen<BaseQuizViewController>(window);
    if (!quiz || quiz->optionButtons().size() < 2)
        return QStringLiteral("the quiz shows no options");
    quiz->selectOption(quiz->optionButtons().at(1));
    return QString();
}

// Answers every question: right, wrong (another word), right in other letters' case, blank.
QString finishWithMixedAnswers(Window *window)
{
    auto *quiz = topScreen<Listen2WriteVC>(window);
    if (!quiz || !quiz->textField())
        return QStringLiteral("the listen-and-write quiz is not shown");
    while (!quiz->isOver()) {
        const int index = quiz->currIndex();
        const QString right = quiz->phraseInfos().at(index)->foreignText();
        const QString answers[] = {right, QStringLiteral("Thank you"), right.toUpper(), QString()};
        quiz->textField()->setText(answers[index % 4]);
        quiz->submitAction(quiz->submitBtn());
    }
    return QString();
}
// The tiles of the word-order quiz from left to right.
QList<DraggableWordView *> tilesInRow(WordOrderAdjustVC *quiz)
{
    QList<DraggableWordView *> tiles = quiz->wordViews();
    std::sort(tiles.begin(), tiles.end(), [](DraggableWordView *a, DraggableWordView *b) {
        return ViewSupport::frame(a).x() < ViewSupport::frame(b).x();
    });
    return tiles;
}

// Drags the last tile with the mouse to just left of the first one, as a learner would.
// A phrase of one word has nothing to reorder: the quiz moves on to one that has.
QString dragLastTileFirst(Window *window)
{
    auto *quiz = topScreen<WordOrderAdjustVC>(window);
    if (!quiz)
        return QStringLiteral("the word-order quiz is not shown");
    while (!quiz->isOver() && quiz->wordViews().size() < 2)
        quiz->submitAction(quiz->submitBtn());
    const QList<DraggableWordView *> tiles = tilesInRow(quiz);
    if (tiles.size() < 2)
        return QStringLiteral("the word-order quiz asks no phrase of two words or more");
    DraggableWordView *tile = tiles.last();
    const QPointF start = tile->mapToGlobal(ViewSupport::bounds(tile).center());
    const QPointF offset(ViewSupport::center(tiles.first()).x() - 1 - ViewSupport::center(tile).x(), 0);
    auto send = [tile](QEvent::Type type, const QPointF &global, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, tile->mapFromGlobal(global), global, button, held, Qt::NoModifier);
        QApplication::sendEvent(tile, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    for (int step = 1; step <= 10; ++step)
        send(QEvent::MouseMove, start + offset * step / 10.0, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + offset, Qt::NoButton);
    return QString();
}

// Without a --microphone file the speaking quiz hears the question's own voice (the tour's
// card steps may have put another phrase's voice there).
void useQuestionVoiceAsMicrophone(Phrase2SpeakVC *quiz)
{
    AudioSession &session = AudioSession::sharedInstance();
    const QString file = session.microphoneFile();
    bool standIn = file.isEmpty();
    for (const PhraseInfoPtr &phrase : AppCommon::getAllPhraseInfoList())
        standIn = standIn || file == AppCommon::getVoicePath(*phrase);
    if (standIn)
        session.setMicrophoneFile(AppCommon::getVoicePath(*quiz->phraseInfos().at(quiz->currIndex())));
}

QString speakFirstQuestion(Window *window)
{
    auto *quiz = topScreen<Phrase2SpeakVC>(window);
    if (!quiz || !quiz->microphoneButton())
        return QStringLiteral("the speaking quiz is not shown");
    useQuestionVoiceAsMicrophone(quiz);
    return ScreenTour::holdMicrophone(
        quiz, [quiz]() { quiz->beginRecordAction(quiz->microphoneButton()); },
        [quiz]() { quiz->endRecordAction(quiz->microphoneButton()); });
}

// Submits the compared question and leaves the rest blank.
QString finishSpeaking(Window *window)
{
    auto *quiz = topScreen<Phrase2SpeakVC>(window);
    if (!quiz)
        return QStringLiteral("the speaking quiz is not shown");
    if (SpectrumCompView *panel = quiz->spectrumCompView())
        panel->closeAction(nullptr);
    while (!quiz->isOver())
        quiz->submitAction(quiz->submitBtn());
    return QString();
}
}

namespace QuizTour {
QList<ScreenTour::Step> steps()
{
    QList<ScreenTour::Step> walk;
    walk.append({QStringLiteral("quiz-outline"),
                 [](Window *window) {
                     ScreenTour::popToRoot(window);
                     MainViewController *main = topScreen<MainViewController>(window);
                     if (!main)
                         return QStringLiteral("the main screen is not shown");
                     main->openQuizz(main->quizBtn());
                     return topScreen<QuizOutlineVC>(window) ? QString()
                                                             : QStringLiteral("the quiz chooser did not open");
                 },
                 kTransitionMs,
                 {}});
    walk.append({QStringLiteral("quiz-word2word"),
                 [](Window *window) {
                     const QString error = startFromOutline(window, 5);
                     return error.isEmpty() ? chooseSecondOption(window) : error;
                 },
                 kTransitionMs,
                 {}});
    walk.append({QStringLiteral("quiz-listen-select"),
                 [](Window *window) {
                     const QString error = startFromOutline(window, 1);
                     return error.isEmpty() ? chooseSecondOption(window) : error;
                 },
                 kTransitionMs,
                 {}});
    walk.append({QStringLiteral("quiz-listen-write"),
                 [](Window *window) {
                     const QString error = startFromOutline(window, 2);
                     auto *quiz = topScreen<Listen2WriteVC>(window);
                     if (!error.isEmpty() || !quiz || !quiz->textField())
                         return error.isEmpty() ? QStringLiteral("the listen-and-write quiz did not open") : error;
                     quiz->textField()->setText(QStringLiteral("Where is the"));
                     return QString();
                 },
                 kTransitionMs,
                 {}});
    walk.append({QStringLiteral("quiz-result"), finishWithMixedAnswers, 300, {}});
    walk.append({QStringLiteral("quiz-reorder"),
                 [](Window *window) {
                     const QString error = startFromOutline(window, 3);
                     if (!error.isEmpty())
                         return error;
                     return topScreen<WordOrderAdjustVC>(window) ? QString()
                                                                 : QStringLiteral("the word-order quiz did not open");
                 },
                 kTransitionMs,
                 {}});
    walk.append({QStringLiteral("quiz-reorder-dragged"), dragLastTileFirst, 300, {}});
    walk.append({QStringLiteral("quiz-speak"),
                 [](Window *window) {
                     // The quiz needs a microphone when it opens.
                     AudioSession &session = AudioSession::sharedInstance();
                     if (session.microphoneFile().isEmpty() && !AppCommon::getAllPhraseInfoList().isEmpty())
                         session.setMicrophoneFile(AppCommon::getVoicePath(*AppCommon::getAllPhraseInfoList().first()));
                     const QString error = startFromOutline(window, 4);
                     if (!error.isEmpty())
                         return error;
                     return topScreen<Phrase2SpeakVC>(window) ? QString()
                                                              : QStringLiteral("the speaking quiz did not open");
                 },
                 kTransitionMs,
                 {}});
    walk.append({QStringLiteral("quiz-speak-compare"), speakFirstQuestion, 100, [](Window *window) {
                     auto *quiz = topScreen<Phrase2SpeakVC>(window);
                     return quiz && quiz->spectrumCompView();
                 }});
    walk.append({QStringLiteral("quiz-speak-result"), finishSpeaking, 300, {}});
    return walk;
}
}
