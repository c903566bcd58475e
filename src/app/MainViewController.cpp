#include "MainViewController.h"

#include "platform/ui/ActivityIndicatorView.h"
#include "content/AppCommon.h"
#include "platform/ui/AssetImages.h"
#include "widgets/BlockButton.h"
#include "CategoryController.h"
#include "CategoryView.h"
#include "platform/ui/Fonts.h"
#include "widgets/GradientBackground.h"
#include "platform/ui/Label.h"
#include "ScreenFactory.h"
#include "ScreenMetrics.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/ViewSupport.h"
#include "widgets/ZQImageUtil.h"


MainViewController::MainViewController(QObject *parent) : BaseViewController(parent) {}

void MainViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    ViewSupport::setUserInteractionEnabled(view(), true);
    buildToolBar();
    buildGrid();
}

void MainViewController::buildToolBar()
{
    ZQToolBarView *bar = toolBar();
    bar->setTitle(tr("Categorized Phrases"));
    Label *title = bar->titleLabel();
    title->setFont(Fonts::font(QStringLiteral("MarkerFelt-Thin"), title->font().pixelSize()));

    auto *settings = new BlockButton(QRectF(), [this](BlockButton *button) { openSettings(button); });
    settings->setImage(ZQImageUtil::adjustImage(AssetImages::image(QStringLiteral("settings"))));
    settings->setAccessibilityLabel(tr("Settings"));
    bar->setLeftBtn(settings);

    auto *quiz = new BlockButton(QRectF(), [this](BlockButton *button) { openQuizz(button); });
    quiz->setImage(ZQImageUtil::adjustImage(AssetImages::image(QStringLiteral("quizzes"))));
    quiz->setAccessibilityLabel(tr("Quizzes"));
    m_quizBtn = quiz;
    bar->setRightBtn(quiz);

    view()->setBackgroundColor(QColor(88, 88, 88));
}

void MainViewController::buildGrid()
{
    View *root = view();
    const qreal width = root->bounds().width();
    const qreal margin = width / 18.0;
    setCellMargin(margin);
    m_cellWidth = m_cellHeight = (width - 3 * margin) / 2.0;

    const QRectF barFrame = toolBar()->frame();
    const qreal top = barFrame.y() + barFrame.height();
    m_bodyView = new ScrollView(QRectF(0, top, width, ScreenMetrics::usableHeight() - top), root);

    const QList<CategoryInfoPtr> &categories = AppCommon::getCategoryInfoList();
    for (int i = 0; i < categories.size(); ++i) {
        auto *tile = new CategoryView(m_bodyView->contentView());
        ViewSupport::setTag(tile, i);
        tile->setVcDelegate(this);
        const int row = i / 2;
        const int column = i % 2;
        tile->setFrame(QRectF(margin + column * (m_cellWidth + margin), (row + 1) * margin + row * m_cellHeight,
                              m_cellWidth, m_cellHeight));
        tile->setup(categories.at(i));
        m_tiles << tile;
    }
    // Half a row per tile, unrounded: 4 tiles give 2.5 rows of space.
    m_bodyView->setContentSize(QSizeF(width, (categories.size() + 1) / 2.0 * (m_cellHeight + margin)));

    root->setBackgroundColor(GradientBackground::barBlue());
    GradientBackground::setGradientBackground(m_bodyView, GradientBackground::barBlue(),
                                              GradientBackground::bandGreen(), m_bodyView->bounds());
    m_bodyView->setShowsVerticalScrollIndicator(false);
    m_bodyView->setBounces(false);

    addActivityView(root);
    setActivityViewCenter(root->bounds().center());
}

void MainViewController::viewWillAppear(bool animated)
{
    stopSpinner();
    BaseViewController::viewWillAppear(animated);
}

void MainViewController::viewWillDisappear(bool animated)
{
    stopSpinner();
    BaseViewController::viewWillDisappear(animated);
}

QPointF MainViewController::buttonBarCenter(QObject *sender)
{
    auto *button = qobject_cast<QWidget *>(sender);
    QWidget *bar = button ? button->parentWidget() : nullptr;
    return bar ? ViewSupport::centerInWindow(bar) : QPointF();
}

void MainViewController::openSettings(QObject *sender)
{
    std::unique_ptr<BaseViewController> screen = ScreenFactory::makeSettings();
    if (!screen)
        return;
    pushFromPoint(std::move(screen), buttonBarCenter(sender));
}

void MainViewController::openQuizz(QObject *sender)
{
    std::unique_ptr<BaseViewController> screen = ScreenFactory::makeQuizOutline(nullptr);
    if (!screen)
        return;
    pushFromPoint(std::move(screen), buttonBarCenter(sender));
}

void MainViewController::openCategory(CategoryView *tile)
{
    if (!tile || !tile->categoryInfo())
        return;
    const QPointF point = ViewSupport::centerInWindow(tile);
    setActivityViewCenter(point);
    startLoadingInBackground();

    auto screen = std::make_unique<CategoryController>();
    screen->setCategoryInfo(tile->categoryInfo());
    screen->setPhraseInfoList(AppCommon::getPhraseInfoList(tile->categoryInfo()->id));
    pushFromPoint(std::move(screen), point);
    stopSpinner();
}
