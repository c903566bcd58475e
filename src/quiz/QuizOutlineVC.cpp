#include "QuizOutlineVC.h"

#include "Listen2SelectVC.h"
#include "Listen2WriteVC.h"
#include "Phrase2SpeakVC.h"
#include "Word2WordVC.h"
#include "WordOrderAdjustVC.h"
#include "app/ScreenMetrics.h"
#include "content/AppCommon.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/PlatformColors.h"
#include "platform/ui/ViewSupport.h"
#include "widgets/GradientBackground.h"

#include <QCoreApplication>

namespace {
template<class Quiz>
QuizOutlineVC::QuizMaker maker()
{
    return []() -> std::unique_ptr<BaseQuizViewController> { return std::make_unique<Quiz>(); };
}

QuizOutlineVC::QuizMaker matching(bool foreign2Mother)
{
    return [foreign2Mother]() -> std::unique_ptr<BaseQuizViewController> {
        auto quiz = std::make_unique<Word2WordVC>();
        quiz->setForeign2Mother(foreign2Mother);
        return quiz;
    };
}

bool learnerSpeaksContentLanguage()
{
    return AppCommon::currentLanguage() == QLatin1String(AppCommon::contentLanguageCode);
}

const QColor kButtonColor(108, 84, 205, int(0.8 * 255));
}

const QList<QuizOutlineVC::QuizKind> &QuizOutlineVC::quizKinds()
{
    static const QList<QuizKind> kinds{
        {1, QT_TRANSLATE_NOOP("QuizOutlineVC", "Listen And Select"), maker<Listen2SelectVC>(), false},
        {2, QT_TRANSLATE_NOOP("QuizOutlineVC", "Listen And Write"), maker<Listen2WriteVC>(), false},
        {3, QT_TRANSLATE_NOOP("QuizOutlineVC", "Reorder Words"), maker<WordOrderAdjustVC>(), false},
        {4, QT_TRANSLATE_NOOP("QuizOutlineVC", "Read Phrase"), maker<Phrase2SpeakVC>(), false},
        {5, QT_TRANSLATE_NOOP("QuizOutlineVC", "Foreign Language -> Mother Language"), matching(true), true},
        {6, QT_TRANSLATE_NOOP("QuizOutlineVC", "Mother Language -> Foreign Language"), matching(false), true},
    };
    return kinds;
}

QString QuizOutlineVC::quizTitle(int tag)
{
    for (const QuizKind &kind : quizKinds()) {
        if (kind.tag == tag)
            return QCoreApplication::translate("QuizOutlineVC", kind.title);
    }
    return QString();
}

QuizOutlineVC::QuizOutlineVC(QObject *parent) : BaseViewController(parent) {}

void QuizOutlineVC::setCategoryInfo(const CategoryInfoPtr &category)
{
    m_categoryInfo = category;
    m_titleText = category ? tr("Unit Quiz") : tr("Quizzes");
}

void QuizOutlineVC::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    View *root = view();
    GradientBackground::setGradientBackground(root, GradientBackground::barBlue(), GradientBackground::bandGreen(),
                                              root->bounds());
    toolBar()->setTitle(m_titleText);
    toolBar()->setLeftBtn();
    initQuizButtons();
}

void QuizOutlineVC::initQuizButtons()
{
    View *root = view();
    const qreal width = root->bounds().width();
    const qreal top = toolBar()->frame().bottom();
    m_container = new View(QRectF(0, top, width, ScreenMetrics::usableHeight() - top), root);
    GradientBackground::setGradientBackground(m_container, GradientBackground::barBlue(),
                                              GradientBackground::bandGreen(), m_container->bounds());
    m_container->show();

    const bool contentLanguage = learnerSpeaksContentLanguage();
    const int count = contentLanguage ? 4 : 6;
    const qreal height = m_container->bounds().height() / (count + (count - 1) * 0.25 + 1);
    const qreal buttonWidth = 0.9 * width;
    const bool enoughPhrases = catalogueCanHoldAQuiz();
    qreal y = height / 2;
    for (const QuizKind &kind : quizKinds()) {
        if (kind.needsTranslation && contentLanguage)
            continue;
        auto *button = new Button(QRectF((width - buttonWidth) / 2, y, buttonWidth, height), m_container);
        styleQuizButton(button, QCoreApplication::translate("QuizOutlineVC", kind.title), kButtonColor);
        ViewSupport::setTag(button, kind.tag);
        button->setEnabled(enoughPhrases && bool(kind.make));
        button->show();
        m_buttons.append(button);
        y += height * 1.25;
    }
}

void QuizOutlineVC::styleQuizButton(Button *button, const QString &title, const QColor &color)
{
    button->setTitle(title);
    button->setTitleColor(Qt::white);
    button->setTitleAdjustsFontSizeToFitWidth(true);
    button->setTitleFont(Fonts::systemFont(0.35 * button->frame().height()));
    button->setBackgroundColor(color);
    button->setCornerRadius(8);
    connect(button, &Button::touchUpInside, this, &QuizOutlineVC::quizClicked);
    button->setShowsTouchWhenHighlighted(true);
    ViewSupport::setShadow(button, PlatformColors::darkGray(), QPointF(1, 1), 1, 1);
}

void QuizOutlineVC::quizClicked(Button *sender)
{
    if (!sender)
        return;
    const QPointF origin = ViewSupport::centerInWindow(sender);
    setHitPointForAnimateTransition(origin);
    startQuiz(ViewSupport::tag(sender), sender->currentTitle(), origin);
}

bool QuizOutlineVC::catalogueCanHoldAQuiz()
{
    return AppCommon::getAllPhraseInfoList().size() >= kMinimumPhrases;
}

bool QuizOutlineVC::startQuiz(int tag, const QString &title, const QPointF &origin)
{
    if (!catalogueCanHoldAQuiz())
        return false;
    for (const QuizKind &kind : quizKinds()) {
        if (kind.tag != tag || !kind.make)
            continue;
        std::unique_ptr<BaseQuizViewController> quiz = kind.make();
        quiz->configQuiz(kQuestionCount, title, m_categoryInfo, float(AppCommon::testDuration()));
        pushFromPoint(std::move(quiz), origin);
        return true;
    }
    return false;
}
