#include "CategoryController.h"

#include "platform/ui/ActivityIndicatorView.h"
#include "content/AppCommon.h"
#include "platform/ui/AssetImages.h"
#include "platform/ui/KeyCommands.h"
#include "widgets/BlockButton.h"
#include "platform/ui/Fonts.h"
#include "widgets/GradientBackground.h"
#include "platform/ui/Label.h"
#include "PhraseInfoView.h"
#include "ScreenFactory.h"
#include "ScreenMetrics.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "widgets/ZQImageUtil.h"
#include "audio/ZQListPlayerBoxView.h"


#include <cstdio>

namespace {
int &phraseIndex()
{
    static int index = 0;
    return index;
}

CategoryController::PhraseCardMaker &phraseCardMaker()
{
    static CategoryController::PhraseCardMaker maker;
    return maker;
}
}

CategoryController::CategoryController(QObject *parent) : BaseViewController(parent) {}

CategoryController::~CategoryController() = default;

int CategoryController::currPhraseIndex()
{
    return phraseIndex();
}

void CategoryController::setCurrPhraseIndex(int index)
{
    phraseIndex() = index;
}

void CategoryController::setPhraseCardMaker(PhraseCardMaker maker)
{
    phraseCardMaker() = std::move(maker);
}

void CategoryController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    ViewSupport::setUserInteractionEnabled(view(), true);
    buildScreen();
    setCurrPhraseIndex(0);
}

void CategoryController::buildScreen()
{
    View *root = view();
    const qreal width = root->bounds().width();

    // 1. Tool bar.
    ZQToolBarView *bar = toolBar();
    bar->setTitle(m_categoryInfo ? m_categoryInfo->categoryDisplayName() : QString());
    Label *title = bar->titleLabel();
    title->setFont(Fonts::font(QStringLiteral("MarkerFelt-Thin"), title->font().pixelSize()));
    bar->setLeftBtn();
    auto *quiz = new BlockButton(QRectF(), [this](BlockButton *button) { openQuizz(button); });
    quiz->setImage(ZQImageUtil::adjustImage(AssetImages::image(QStringLiteral("quizzes"))));
    quiz->setAccessibilityLabel(tr("Quizzes"));
    bar->setRightBtn(quiz);

    // 2. The list between the bar and the player; the spinner.
    const qreal margin = width / 20.0;
    setCellMargin(margin);
    const QRectF barFrame = bar->frame();
    const qreal top = barFrame.y() + barFrame.height();
    const qreal usable = ScreenMetrics::usableHeight();
    m_wordCardListView = new ScrollView(QRectF(0, top, width, usable - top - m_playerBoxViewH), root);

    // 3. Row size and gap.
    m_cellWidth = width - 2 * margin;
    m_cellHeight = m_cellWidth * 0.25;
    const qreal gap = margin / 4.0;

    // 4. One decision for every row.
    const bool isContentLanguage = AppCommon::currentLanguage() == QLatin1String(AppCommon::contentLanguageCode);

    // 5. The rows, and the voices in the same order.
    QStringList voices;
    const QList<PhraseInfoPtr> phrases = m_phraseInfoList.value_or(QList<PhraseInfoPtr>());
    for (int i = 0; i < phrases.size(); ++i) {
        auto *row = new PhraseInfoView(QRectF(margin, gap + i * (gap + m_cellHeight), m_cellWidth, m_cellHeight),
                                       m_wordCardListView->contentView());
        ViewSupport::setTag(row, i);
        row->setVcDelegate(this);
        row->setBackgroundColor(i % 2 == 0 ? QColor(52, 82, 107) : QColor(51, 70, 92));
        row->setup(phrases.at(i), isContentLanguage);
        m_rows.append(row);
        voices.append(AppCommon::getVoicePath(*phrases.at(i)));
    }

    // 6. One spare row of space at the end.
    m_wordCardListView->setContentSize(QSizeF(width, (phrases.size() + 1) * (gap + m_cellHeight)));

    // 7. The look of the main grid.
    root->setBackgroundColor(GradientBackground::barBlue());
    GradientBackground::setGradientBackground(m_wordCardListView, GradientBackground::barBlue(),
                                              GradientBackground::bandGreen(), m_wordCardListView->bounds());
    m_wordCardListView->setShowsVerticalScrollIndicator(false);
    m_wordCardListView->setBounces(false);

    addActivityView(root);

    // 8. The list player.
    m_playerBoxView = new ZQListPlayerBoxView(QRectF(0, usable - m_playerBoxViewH, width, m_playerBoxViewH));
    m_playerBoxView->setupPlayer(voices, 1, 1);
    m_playerBoxView->setDelegate(this);
    connect(m_playerBoxView, &ZQPlayerBox::nextItemChanged, this, &CategoryController::followNextItem);
    const double speed = AppCommon::playSpeed();
    m_playerBoxView->setPlayRate(float(speed > 0 ? speed : 1.0));
    root->addSubview(m_playerBoxView);
    m_playerBoxView->setBackgroundColor(GradientBackground::bandGreen());
    activityView()->raise();

    // Space plays and pauses the list, as its play button does.
    KeyCommands::add(root, QKeyCombination(Qt::Key_Space), [this] { m_playerBoxView->play(m_playerBoxView->playButton()); });
}

void CategoryController::viewWillAppear(bool animated)
{
    BaseViewController::viewWillAppear(animated);
    stopSpinner();
    if (currPhraseIndex() >= 1 && m_playerBoxView) {
        m_playerBoxView->setCurrItemIndex(currPhraseIndex());
        markPlayingRow();
    }
}

void CategoryController::viewWillDisappear(bool animated)
{
    stopEverything();
    BaseViewController::viewWillDisappear(animated);
}

void CategoryController::play(AudioPlayer *)
{
    markPlayingRow();
    setCurrPhraseIndex(m_playerBoxView->currItemIndex());
}

void CategoryController::audioPlayerDidFinishPlaying(AudioPlayer *, bool)
{
    if (m_currPlayItemView)
        m_currPlayItemView->setBorder(m_currPlayItemView->borderWidth(), QColor(18, 50, 52));
}

void CategoryController::markPlayingRow()
{
    markRow(m_playerBoxView ? m_playerBoxView->currItemIndex() : -1, true);
}

void CategoryController::markRow(int k, bool reveal)
{
    if (m_currPlayItemView)
        m_currPlayItemView->setMarked(false);
    m_currPlayItemView = nullptr;
    if (k < 0 || k >= m_rows.size())
        return;
    PhraseInfoView *row = m_rows.at(k);
    row->setMarked(true);
    m_currPlayItemView = row;
    // The least scroll that shows the whole row, within the content.
    if (reveal)
        m_wordCardListView->scrollRectToVisible(ViewSupport::frame(row), false);
}

void CategoryController::followNextItem(int index)
{
    // Once the list has marked a row, the mark follows the item that plays now or next (the
    // pause between items, a stop, the end of the list); a running list also reveals it.
    if (!m_currPlayItemView && !m_playerBoxView->isActive())
        return;
    markRow(index, m_playerBoxView->isActive());
}

void CategoryController::stopEverything()
{
    if (m_playerBoxView)
        m_playerBoxView->stopPlay();
    if (m_currPlayItemView)
        m_currPlayItemView->setMarked(false);
    stopSpinner();
}

void CategoryController::openWordCard(PhraseInfoView *row)
{
    if (!row || !row->phraseInfo())
        return;
    const PhraseInfoPtr phrase = row->phraseInfo();
    if (!phraseCardMaker()) {
        std::printf("category: phrase %s tapped; the phrase card is not available yet\n", qPrintable(phrase->id));
        std::fflush(stdout);
        return;
    }
    const QPointF point = ViewSupport::centerInWindow(row);
    setActivityViewCenter(point);
    startLoadingInBackground();

    stopEverything();
    setCurrPhraseIndex(phrase->indexInCategory);
    std::unique_ptr<BaseViewController> card = phraseCardMaker()(phrase);
    pushFromPoint(std::move(card), point);
    stopSpinner();
}

void CategoryController::openQuizz(QObject *sender)
{
    std::unique_ptr<BaseViewController> screen = ScreenFactory::makeQuizOutline(m_categoryInfo);
    if (!screen)
        return;
    stopEverything();
    auto *button = qobject_cast<QWidget *>(sender);
    QWidget *barContent = button ? button->parentWidget() : nullptr;
    pushFromPoint(std::move(screen), barContent ? ViewSupport::centerInWindow(barContent) : QPointF());
}

void CategoryController::back(QObject *sender)
{
    stopEverything();
    setCurrPhraseIndex(0);
    BaseViewController::back(sender);
}
