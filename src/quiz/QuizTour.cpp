#include "QuizTour.h"

#include "Listen2SelectVC.h"
#include "Listen2WriteVC.h"
#include "OptionBtn.h"
#include "QuizOutlineVC.h"
#include "Word2WordVC.h"
#include "app/MainViewController.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewSupport.h"
#include "platform/ui/Window.h"

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
    return walk;
}
}
