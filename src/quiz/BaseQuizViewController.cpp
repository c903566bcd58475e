#include "BaseQuizViewController.h"

#include "CommonResultCellView.h"
#include "OptionTxtBtn.h"
#include "app/ScreenMetrics.h"
#include "audio/AppCommonAudio.h"
#include "content/AnswerText.h"
#include "content/AppCommon.h"
#include "platform/media/AudioPlayer.h"
#include "platform/foundation/Clock.h"
#include "platform/ui/AssetImages.h"
#include "platform/ui/KeyCommands.h"
#include "platform/ui/AttributedLabel.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewSupport.h"
#include "widgets/GradientBackground.h"
#include "widgets/ScoreColors.h"
#include "widgets/ZQImageUtil.h"

#include <QRandomGenerator>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {
const QColor kPanelColor(40, 40, 40);
const QColor kPanelTextColor(239, 239, 239);
const QColor kTimeTextColor(206, 88, 42);
const QColor kSubmitColor(46, 139, 87);
const QColor kPlayingRowColor(210, 105, 30);
constexpr qreal kPanelLabelWidth = 120;
constexpr qreal kPanelLabelHeight = 26;
constexpr qreal kPanelLabelInset = 20;
constexpr qreal kSubmitHeight = 44;
constexpr qreal kOptionStep = 50;
constexpr qreal kOptionHeight = 45;
constexpr qreal kOptionAreaHeight = 200;
constexpr qreal kLoudspeakerSide = 50;
constexpr int kOptionCount = 4;

bool learnerSpeaksContentLanguage()
{
    return AppCommon::currentLanguage() == QLatin1String(AppCommon::contentLanguageCode);
}
}

BaseQuizViewController::BaseQuizViewController(QObject *parent)
    : BaseViewController(parent), m_limitedTime(float(AppCommon::testDuration())),
      m_minRowH(learnerSpeaksContentLanguage() ? 80.0 : 100.0)
{
}

BaseQuizViewController::~BaseQuizViewController()
{
    // The widgets go first, while the whole screen still exists, so nothing they send on
    // their way out reaches a half-destroyed quiz.
    stopQuizTimer();
    cancelAutoPlays();
    if (isViewLoaded())
        delete view();
}

QList<OptionBtn *> BaseQuizViewController::optionButtons() const
{
    QList<OptionBtn *> buttons;
    if (m_optionArea)
        buttons = m_optionArea->contentView()->findChildren<OptionBtn *>(Qt::FindDirectChildrenOnly);
    std::sort(buttons.begin(), buttons.end(),
              [](OptionBtn *a, OptionBtn *b) { return ViewSupport::tag(a) < ViewSupport::tag(b); });
    return buttons;
}

// ---- configuration -------------------------------------------------------------------

void BaseQuizViewController::configQuiz(int count, const QString &title, const CategoryInfoPtr &category, float limit)
{
    m_itemsCount = count;
    m_titleText = title;
    m_categoryInfo = category;
    m_limitedTime = limit;
    loadPhraseInfos();
    m_inputPhraseInfos.clear();
    for (int i = 0; i < m_itemsCount; ++i)
        m_inputPhraseInfos.append(std::make_shared<PhraseInfo>());
}

void BaseQuizViewController::loadPhraseInfos()
{
    m_phraseInfos = drawPhrases(m_categoryInfo, m_itemsCount);
    // A catalogue smaller than the quiz asks each of its phrases once.
    m_itemsCount = int(m_phraseInfos.size());
}

QList<PhraseInfoPtr> BaseQuizViewController::drawPhrases(const CategoryInfoPtr &category, int count)
{
    if (!category)
        return AppCommon::getRandomPhraseInfos(count);
    if (auto drawn = AppCommon::getRandomPhraseInfos(*category, count))
        return *drawn;
    // Too few in the category: all of its phrases, then the others from the rest.
    const QList<PhraseInfoPtr> own = category->phraseInfoList.value_or(QList<PhraseInfoPtr>());
    QList<PhraseInfoPtr> result = AppCommon::getRandomPhraseInfos(own, int(own.size()));
    QList<PhraseInfoPtr> others;
    for (const PhraseInfoPtr &phrase : AppCommon::getAllPhraseInfoList()) {
        if (!own.contains(phrase))
            others.append(phrase);
    }
    result.append(AppCommon::getRandomPhraseInfos(others, count - int(result.size())));
    return result;
}

// ---- screen --------------------------------------------------------------------------

void BaseQuizViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    toolBar()->setTitle(m_titleText);
    toolBar()->setLeftBtn();
    initQuizViews();
    initSubviews();
    if (!m_loadingStopped)
        startQuizTimer();
}

void BaseQuizViewController::initSubviews() {}

void BaseQuizViewController::viewWillDisappear(bool animated)
{
    stopQuizTimer();
    stopAudio();
    cancelAutoPlays();
    if (m_textField)
        m_textField->resignFirstResponder();
    BaseViewController::viewWillDisappear(animated);
}

void BaseQuizViewController::initQuizViews()
{
    View *root = view();
    GradientBackground::setGradientBackground(root, GradientBackground::barBlue(), GradientBackground::bandGreen(),
                                              root->bounds());
    buildStatusPanel();
    updateProgress(0);
    updateScore(0);
}

void BaseQuizViewController::buildStatusPanel()
{
    View *root = view();
    const QRectF bar = toolBar()->frame();
    const qreal width = root->bounds().width() - 2 * m_outerMargin;
    m_quizInfoView = new View(QRectF(m_outerMargin, bar.bottom() + m_outerMargin, width, kStatusPanelHeight), root);
    m_quizInfoView->setCornerRadius(4);
    m_quizInfoView->setBackgroundColor(kPanelColor);
    auto label = [this](qreal x, qreal y, const QFont &font, const QColor &color, Qt::Alignment alignment) {
        auto *made = new Label(QRectF(x, y, kPanelLabelWidth, kPanelLabelHeight), m_quizInfoView);
        made->setFont(font);
        made->setTextColor(color);
        made->setTextAlignment(alignment);
        return made;
    };
    const qreal right = width - kPanelLabelInset - kPanelLabelWidth;
    m_progressLbl = label(kPanelLabelInset, 0, Fonts::systemFont(13), kPanelTextColor, Qt::AlignLeft);
    m_limitedTimeLbl = label(right, 0, Fonts::font(QStringLiteral("DBLCDTempBlack"), 13), kTimeTextColor, Qt::AlignRight);
    m_quizStatusLbl = label(right, kPanelLabelHeight, Fonts::systemFont(13), kTimeTextColor, Qt::AlignRight);
    m_quizStatusLbl->setAdjustsFontSizeToFitWidth(true);
    m_scoreLbl = new AttributedLabel(QRectF(kPanelLabelInset, kPanelLabelHeight, kPanelLabelWidth, kPanelLabelHeight),
                                     m_quizInfoView);
    m_scoreLbl->setFont(Fonts::systemFont(13));
    m_scoreLbl->setTextColor(kPanelTextColor);
}

qreal BaseQuizViewController::contentTop() const
{
    return m_quizInfoView ? m_quizInfoView->frame().bottom() : 0;
}

void BaseQuizViewController::updateProgress(int count)
{
    m_progressLbl->setText(tr("Progress") + QStringLiteral(": ") + QString::number(count) + QLatin1Char('/')
                           + QString::number(m_itemsCount));
}

void BaseQuizViewController::updateScore(int score)
{
    const QString head = tr("Score") + QStringLiteral(": ");
    const QString digits = QString::number(score);
    m_scoreLbl->setText(head + digits + QLatin1Char('/') + QString::number(m_itemsCount * 10));
    m_scoreLbl->setTextRun({int(head.size()), int(digits.size()), scoreColor(score, m_itemsCount * 10), std::nullopt});
}

QColor BaseQuizViewController::scoreColor(int score, int maximum)
{
    const float ratio = maximum > 0 ? float(score) / float(maximum) : 0.0f;
    if (ratio >= 0.8f)
        return ScoreColors::good();
    if (ratio >= 0.5f)
        return ScoreColors::fair();
    return ScoreColors::poor();
}

// ---- options -------------------------------------------------------------------------

void BaseQuizViewController::selectOption(OptionBtn *button) { optionSelected(button); }

void BaseQuizViewController::optionSelected(OptionBtn *button)
{
    if (!button || m_over)
        return;
    if (QWidget *parent = button->parentWidget()) {
        for (OptionBtn *sibling : parent->findChildren<OptionBtn *>(Qt::FindDirectChildrenOnly))
            sibling->setOptionBgColor(m_optionBgColor);
    }
    button->setOptionBgColor(m_selectedOptionBgColor);
    const int tag = ViewSupport::tag(button);
    if (tag >= 0 && tag < m_currOptions.size() && m_currIndex < m_inputPhraseInfos.size())
        m_inputPhraseInfos[m_currIndex] = m_currOptions.at(tag);
}

void BaseQuizViewController::fillOptions(const PhraseInfoPtr &question, bool isMotherLang)
{
    const int position = int(QRandomGenerator::global()->bounded(quint32(kOptionCount)));
    m_currOptions = placeQuestion(drawPhrases(m_categoryInfo, kOptionCount), question, position);
    const QList<OptionBtn *> buttons = optionButtons();
    for (int i = 0; i < buttons.size() && i < m_currOptions.size(); ++i) {
        buttons.at(i)->setIsMotherLang(isMotherLang);
        buttons.at(i)->showPhrase(m_currOptions.at(i), m_optionBgColor);
    }
}

QList<PhraseInfoPtr> BaseQuizViewController::placeQuestion(QList<PhraseInfoPtr> drawn, const PhraseInfoPtr &question,
                                                           int position)
{
    if (!question)
        return drawn;
    for (const PhraseInfoPtr &option : std::as_const(drawn)) {
        if (option && option->content == question->content)
            return drawn;
    }
    if (position >= 0 && position < drawn.size())
        drawn[position] = question;
    else
        drawn.append(question);
    return drawn;
}

// ---- flow ----------------------------------------------------------------------------

bool BaseQuizViewController::hasCurrentQuestion() const
{
    return !m_over && m_currIndex >= 0 && m_currIndex < m_phraseInfos.size();
}

void BaseQuizViewController::showCurrItem() {}

void BaseQuizViewController::submitAction(QObject *)
{
    if (!hasCurrentQuestion())
        return;
    const bool right = AnswerText::matches(m_inputPhraseInfos.at(m_currIndex)->foreignText(),
                                           m_phraseInfos.at(m_currIndex)->foreignText());
    completeQuestion(right ? 10 : 0);
}

void BaseQuizViewController::completeQuestion(int points)
{
    if (!hasCurrentQuestion())
        return;
    m_score += points;
    if (m_currIndex < m_itemsCount - 1) {
        m_currIndex += 1;
        showCurrItem();
    } else {
        finishQuiz();
    }
    m_progress += 1;
    updateProgress(m_progress);
    updateScore(m_score);
}

void BaseQuizViewController::startQuizTimer()
{
    stopQuizTimer();
    m_quizzTimer = timerClock().scheduleRepeating(kTickMs, [this]() { oneSecondElapsed(); });
}

Clock &BaseQuizViewController::timerClock()
{
    // One clock for all of the screen's timers, so that each can be cancelled where it runs.
    if (!m_timerClock)
        m_timerClock = &Clock::instance();
    return *m_timerClock;
}

void BaseQuizViewController::stopQuizTimer()
{
    if (m_quizzTimer && m_timerClock)
        m_timerClock->cancel(m_quizzTimer);
    m_quizzTimer = 0;
}

void BaseQuizViewController::oneSecondElapsed() { countDown(); }

void BaseQuizViewController::countDown()
{
    if (m_over)
        return;
    m_limitedTime -= 0.1f;
    // The label changes once a second: on the tick just past each whole second.
    if (m_limitedTime - std::trunc(m_limitedTime) < 0.1f)
        m_limitedTimeLbl->setText(AppCommon::formatDuration(qMax(0.0f, m_limitedTime)));
    if (m_limitedTime <= 0) {
        stopQuizTimer();
        // An option chosen for the question being answered was never submitted: it stays blank.
        if (m_progress == m_currIndex && m_currIndex < m_inputPhraseInfos.size())
            m_inputPhraseInfos[m_currIndex] = std::make_shared<PhraseInfo>();
        finishQuiz();
    }
}

void BaseQuizViewController::finishQuiz()
{
    if (m_over)
        return;
    quizOver();
}

void BaseQuizViewController::quizOver()
{
    m_over = true;
    stopQuizTimer();
    stopAudio();
    cancelAutoPlays();
    m_quizStatusLbl->setText(tr("Over"));
    AppCommon::addQuizRecord(m_score);
}

// ---- voices --------------------------------------------------------------------------

void BaseQuizViewController::stopAudio()
{
    if (m_audioPlayer)
        m_audioPlayer->stop();
}

void BaseQuizViewController::playAction(QObject *) { playCurrPhrase(); }

void BaseQuizViewController::playCurrPhrase()
{
    if (!hasCurrentQuestion())
        return;
    stopAudio();
    m_audioPlayer = AppCommon::playVoice(QUrl::fromLocalFile(AppCommon::getVoicePath(*m_phraseInfos.at(m_currIndex))), 0);
}

void BaseQuizViewController::scheduleAutoPlay()
{
    auto id = std::make_shared<int>(0);
    *id = timerClock().schedule(kAutoPlayDelayMs, [this, id]() {
        m_autoPlays.removeOne(*id);
        playAction(nullptr);
    });
    m_autoPlays.append(*id);
}

void BaseQuizViewController::cancelAutoPlays()
{
    if (m_timerClock) {
        for (int id : std::as_const(m_autoPlays))
            m_timerClock->cancel(id);
    }
    m_autoPlays.clear();
}

void BaseQuizViewController::playClickedItem(View *row) { playResultItem(row); }

void BaseQuizViewController::playResultItem(View *row)
{
    if (!row)
        return;
    const int tag = ViewSupport::tag(row);
    restorePlayedRow();
    m_currPlayItemView = row;
    m_currPlayItemOrgBgColor = row->backgroundColor();
    row->setBackgroundColor(kPlayingRowColor);
    stopAudio();
    m_audioPlayer.reset();
    if (tag >= 0 && tag < m_phraseInfos.size())
        m_audioPlayer = AppCommon::playVoice(QUrl::fromLocalFile(AppCommon::getVoicePath(*m_phraseInfos.at(tag))), 0);
    if (!m_audioPlayer) {
        // Nothing to play: the row does not stay marked.
        restorePlayedRow();
        return;
    }
    connect(m_audioPlayer.get(), &AudioPlayer::didFinishPlaying, this,
            &BaseQuizViewController::audioPlayerDidFinishPlaying);
}

void BaseQuizViewController::audioPlayerDidFinishPlaying(AudioPlayer *, bool) { restorePlayedRow(); }

void BaseQuizViewController::restorePlayedRow()
{
    if (m_currPlayItemView)
        m_currPlayItemView->setBackgroundColor(m_currPlayItemOrgBgColor);
    m_currPlayItemView = nullptr;
}

// ---- widgets shared by the quiz kinds --------------------------------------------------

Button *BaseQuizViewController::addSubmitButton()
{
    View *root = view();
    const qreal usable = ScreenMetrics::usableHeight();
    auto *button = new Button(QRectF(0, usable - kSubmitHeight, root->bounds().width(), kSubmitHeight), root);
    button->setTitle(tr("Submit"));
    button->setTitleColor(Qt::white);
    button->setTitleFont(Fonts::systemFont(18));
    button->setContentHorizontalAlignment(Qt::AlignHCenter);
    button->setBackgroundColor(kSubmitColor);
    connect(button, &Button::touchUpInside, this, [this](Button *sender) { submitAction(sender); });
    button->show();
    m_submitBtn = button;
    // Return presses Submit while it can be pressed (a text field hands its own Return to its
    // delegate).
    KeyCommands::add(root, QKeyCombination(Qt::Key_Return), [this] {
        if (m_submitBtn && m_submitBtn->isEnabled() && m_submitBtn->isVisible())
            submitAction(m_submitBtn);
    });
    return button;
}

Button *BaseQuizViewController::addLoudspeakerButton()
{
    View *root = view();
    const qreal x = (root->bounds().width() - kLoudspeakerSide) / 2;
    auto *button = new Button(QRectF(x, contentTop() + 10, kLoudspeakerSide, kLoudspeakerSide), root);
    button->setImage(ZQImageUtil::adjustImage(AssetImages::image(QStringLiteral("btn-loudspeaker"))));
    button->setAccessibilityLabel(tr("Play the phrase"));
    connect(button, &Button::touchUpInside, this, [this](Button *sender) { playAction(sender); });
    button->show();
    return button;
}

ScrollView *BaseQuizViewController::addOptionArea(qreal top)
{
    const QRectF panel = m_quizInfoView->frame();
    const qreal bottom = m_submitBtn ? m_submitBtn->frame().top() : ScreenMetrics::usableHeight();
    const qreal available = qMax<qreal>(0, bottom - top);
    const qreal height = qMin(kOptionAreaHeight, available);
    auto *area = new ScrollView(QRectF(panel.x(), top + (available - height) / 2, panel.width(), height), view());
    area->setContentSize(QSizeF(panel.width(), kOptionAreaHeight));
    area->setShowsVerticalScrollIndicator(false);
    for (int i = 0; i < kOptionCount; ++i) {
        auto *option = new OptionTxtBtn(QRectF(0, kOptionStep * i, panel.width(), kOptionHeight), area->contentView());
        ViewSupport::setTag(option, i);
        option->setContentHorizontalAlignment(Qt::AlignLeft);
        option->setTitleFont(Fonts::systemFont(0.4 * kOptionHeight));
        option->setTitleNumberOfLines(0);
        option->setTitleAdjustsFontSizeToFitWidth(true);
        option->setTitleColor(Qt::white);
        option->setTitleEdgeInsets(QMarginsF(10, 2, 10, 2));
        option->setBackgroundColor(m_optionBgColor);
        connect(option, &Button::touchUpInside, this,
                [this](Button *sender) { selectOption(static_cast<OptionBtn *>(sender)); });
        option->show();
    }
    area->show();
    m_optionArea = area;
    return area;
}

TableView *BaseQuizViewController::addResultTable(bool reversed)
{
    const QRectF panel = m_quizInfoView->frame();
    const qreal top = panel.bottom() + m_outerMargin;
    const qreal height = ScreenMetrics::usableHeight() - top;
    auto *table = new TableView(QRectF(panel.x(), top, view()->bounds().width() - 2 * panel.x(), height),
                                TableView::Style::Plain, view());
    table->setBackgroundColor(Qt::transparent);
    table->setTableFooterView(new View(QRectF(0, 0, 0, 0)));
    m_resultRowH = qMax(height / 11, m_minRowH);
    m_resultReversed = reversed;
    m_resultTable = table;
    table->setDataSource(this);
    table->setDelegate(this);
    table->reloadData();
    table->show();
    return table;
}

void BaseQuizViewController::removeWidget(QWidget *widget)
{
    if (!widget)
        return;
    widget->hide();
    widget->deleteLater();
}

void BaseQuizViewController::removeQuestionWidgets()
{
    removeWidget(m_currText);
    removeWidget(m_optionArea);
    removeWidget(m_textField);
    removeWidget(m_submitBtn);
    m_currText = nullptr;
    m_optionArea = nullptr;
    m_textField = nullptr;
    m_submitBtn = nullptr;
}

int BaseQuizViewController::numberOfRowsInSection(TableView *, int) { return m_itemsCount; }

qreal BaseQuizViewController::heightForRowAtIndexPath(TableView *, const IndexPath &) { return m_resultRowH; }

TableViewCell *BaseQuizViewController::cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath)
{
    auto *cell = new TableViewCell(TableViewCell::Style::Default, QStringLiteral("cell"));
    cell->setBackgroundColor(Qt::white);
    cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
    ViewSupport::setTag(cell, indexPath.row);
    const QRectF frame(0, 0, tableView->bounds().width(), m_resultRowH);
    cell->setFrame(frame);
    auto *result = new CommonResultCellView(frame, cell->contentView());
    const int row = indexPath.row;
    result->showResult(m_phraseInfos.value(row), m_inputPhraseInfos.value(row), m_resultReversed);
    return cell;
}

void BaseQuizViewController::didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath)
{
    playClickedItem(tableView->cellForRowAtIndexPath(indexPath));
}
