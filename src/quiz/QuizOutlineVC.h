#pragma once

#include "app/BaseViewController.h"
#include "content/CategoryInfo.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class BaseQuizViewController;
class Button;
class View;

// The quiz chooser: one button per quiz kind, for one category ("Unit Quiz") or the whole
// catalogue ("Quizzes"). A learner whose language is the content language gets the four
// kinds that need no translation; other learners also get the two matching directions. The
// buttons share the height below the tool bar (with a quarter-button gap between them and
// half a button above and below). A tap starts the kind: ten questions titled as the button,
// timed by the "TestDuration" preference (60 s when unset), pushed growing from the button.
//
// Kinds that are not built yet have no maker: their buttons stay dimmed and do nothing; so
// does every button when the whole catalogue holds fewer than four phrases (a quiz needs four
// options).
//
// Thread: main thread. Failure: none.
class QuizOutlineVC : public BaseViewController
{
    Q_OBJECT
public:
    using QuizMaker = std::function<std::unique_ptr<BaseQuizViewController>()>;
    struct QuizKind
    {
        int tag;
        const char *title;  // English text, the localisation key
        QuizMaker make;     // empty while the kind is not built
        bool needsTranslation;
    };
    // The kinds in button order, the tag being the quiz number (1 to 6).
    static const QList<QuizKind> &quizKinds();
    static QString quizTitle(int tag);  // localised
    static constexpr int kQuestionCount = 10;
    static constexpr int kMinimumPhrases = 4;

    explicit QuizOutlineVC(QObject *parent = nullptr);

    CategoryInfoPtr categoryInfo() const { return m_categoryInfo; }
    void setCategoryInfo(const CategoryInfoPtr &category);
    QString titleText() const { return m_titleText; }
    View *buttonContainer() const { return m_container; }
    QList<Button *> quizButtons() const { return m_buttons; }

    void viewDidLoad() override;
    void initQuizButtons();
    void styleQuizButton(Button *button, const QString &title, const QColor &color);
    void quizClicked(Button *sender);
    // Whether the whole catalogue holds the four phrases a quiz needs.
    static bool catalogueCanHoldAQuiz();
    // Creates quiz `tag`, configures it with `title` and pushes it growing from `origin`
    // (window coordinates). False, doing nothing, for a kind that is not built or when the
    // catalogue cannot hold a quiz.
    bool startQuiz(int tag, const QString &title, const QPointF &origin);

private:
    CategoryInfoPtr m_categoryInfo;
    QString m_titleText;
    View *m_container = nullptr;
    QList<Button *> m_buttons;
};
