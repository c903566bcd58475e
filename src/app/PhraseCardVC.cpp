#include "PhraseCardVC.h"

#include "HoldToRecord.h"
#include "content/AppCommon.h"
#include "audio/AppCommonAudio.h"
#include "platform/foundation/Clock.h"
#include "platform/ui/AssetImages.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "platform/ui/Button.h"
#include "CategoryController.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/KeyCommands.h"
#include "widgets/GradientBackground.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"
#include "RatingPrompt.h"
#include "ScreenMetrics.h"
#include "platform/ui/ScrollView.h"
#include "speech/views/SpectrumCompView.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "WordWriteView.h"
#include "audio/ZQAudioRecorder.h"
#include "widgets/ZQImageUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cmath>
#include <utility>

namespace {
// Whole seconds since the reference date on the installed clock.
qint64 secondsSinceReferenceDate()
{
    return qint64(std::floor(Clock::instance().secondsSinceReferenceDate()));
}
}

PhraseCardVC::PhraseCardVC(QObject *parent) : BaseViewController(parent) {}

PhraseCardVC::~PhraseCardVC() = default;

void PhraseCardVC::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    ViewSupport::setUserInteractionEnabled(view(), true);
    buildCard();
    showPhrase(m_phraseInfo);
}

void PhraseCardVC::viewDidDisappear(bool animated)
{
    if (m_recording)
        m_recording->cancel();
    BaseViewController::viewDidDisappear(animated);
}

QList<PhraseInfoPtr> PhraseCardVC::categoryPhrases() const
{
    return m_categoryInfo && m_categoryInfo->phraseInfoList ? *m_categoryInfo->phraseInfoList : QList<PhraseInfoPtr>();
}

int PhraseCardVC::lastIndex() const
{
    const QList<PhraseInfoPtr> phrases = categoryPhrases();
    if (phrases.isEmpty())
        return m_phraseInfo ? m_phraseInfo->indexInCategory : 0;  // nowhere to step to
    return int(phrases.size()) - 1;
}

void PhraseCardVC::setButtonImage(Button *button, const QString &name, QString *stored)
{
    button->setImage(ZQImageUtil::adjustImage(AssetImages::image(name)));
    if (stored)
        *stored = name;
}

void PhraseCardVC::buildCard()
{
    attachRecorder();
    findCategoryOfPhrase();
    buildToolBar();
    const qreal contentHeight = buildContentView();
    const CardMetrics metrics = cardMetrics();
    buildButtonPanel(metrics, contentHeight);
    buildStepButtons(metrics);
    buildLabels(metrics);
}

void PhraseCardVC::attachRecorder()
{
    if (!m_recording)
        m_recording = std::make_unique<HoldToRecord>();
}

void PhraseCardVC::findCategoryOfPhrase()
{
    // Only when the opener did not give the category.
    if (m_categoryInfo || !m_phraseInfo || !m_phraseInfo->categoryId)
        return;
    for (const CategoryInfoPtr &category : AppCommon::getCategoryInfoList()) {
        if (category->id == *m_phraseInfo->categoryId) {
            m_categoryInfo = category;
            return;
        }
    }
}

void PhraseCardVC::buildToolBar()
{
    ZQToolBarView *bar = toolBar();
    bar->setTitle(QString());
    Label *title = bar->titleLabel();
    title->setFont(Fonts::font(QStringLiteral("MarkerFelt-Thin"), title->font().pixelSize()));
    bar->setLeftBtn();
    bar->setRightBtn();
    view()->setBackgroundColor(QColor(88, 88, 88));
}

qreal PhraseCardVC::buildContentView()
{
    // Between the tool bar and the usable height.
    View *root = view();
    const qreal top = toolBar()->frame().bottom();
    const qreal contentHeight = ScreenMetrics::usableHeight() - top;
    m_contentView = new View(QRectF(0, top, root->bounds().width(), contentHeight), root);
    GradientBackground::setGradientBackground(m_contentView, GradientBackground::barBlue(),
                                              GradientBackground::bandGreen(), m_contentView->bounds());
    m_contentView->show();
    return contentHeight;
}

PhraseCardVC::CardMetrics PhraseCardVC::cardMetrics()
{
    CardMetrics metrics;
    metrics.margin = view()->bounds().width() / 20.0;
    setCellMargin(metrics.margin);
    metrics.panelWidth = view()->bounds().width() - 2 * metrics.margin;
    metrics.slot = metrics.panelWidth / 5.0;
    metrics.button = 0.6 * metrics.slot;
    return metrics;
}

void PhraseCardVC::buildButtonPanel(const CardMetrics &metrics, qreal contentHeight)
{
    // Play, microphone, write and look, centred at one to four slots.
    const qreal b = metrics.button;
    m_buttonPanel = new View(QRectF(metrics.margin, contentHeight - b - metrics.margin, metrics.panelWidth, b),
                             m_contentView);
    m_buttonPanel->show();
    auto makeButton = [&](int slot, const QString &image) {
        auto *button = new Button(QRectF(slot * metrics.slot - b / 2, 0, b, b), m_buttonPanel);
        setButtonImage(button, image, nullptr);
        button->show();
        return button;
    };
    m_playBtn = makeButton(1, QStringLiteral("btn-play"));
    m_microphoneBtn = makeButton(2, QStringLiteral("btn-microphone"));
    m_writeBtn = makeButton(3, QStringLiteral("btn-write"));
    m_lookBtn = makeButton(4, QStringLiteral("btn-look"));
    m_lookImageName = QStringLiteral("btn-look");
    connect(m_playBtn, &Button::touchUpInside, this, [this](Button *button) { playAction(button); });
    connect(m_microphoneBtn, &Button::touchDown, this, [this](Button *button) { beginRecordAction(button); });
    connect(m_microphoneBtn, &Button::touchUpInside, this, [this](Button *button) { endRecordAction(button); });
    connect(m_microphoneBtn, &Button::touchUpOutside, this, [this](Button *button) { cancelRecordAction(button); });
    connect(m_microphoneBtn, &Button::touchCancel, this, [this](Button *button) { cancelRecordAction(button); });
    connect(m_writeBtn, &Button::touchUpInside, this, [this](Button *button) { writeAction(button); });
    connect(m_lookBtn, &Button::touchUpInside, this, [this](Button *button) { showAction(button); });
    m_playBtn->setAccessibilityLabel(tr("Play the phrase"));
    m_microphoneBtn->setAccessibilityLabel(tr("Hold to record your voice"));
    m_writeBtn->setAccessibilityLabel(tr("Write the phrase"));
    m_lookBtn->setAccessibilityLabel(tr("Hide the phrase"));
    KeyCommands::add(view(), QKeyCombination(Qt::Key_Space), [this] { toggleVoice(); });
}

void PhraseCardVC::buildStepButtons(const CardMetrics &metrics)
{
    // Previous and next above the button panel, disabled at the ends of the list.
    const qreal m = metrics.margin;
    const qreal P = metrics.panelWidth;
    const qreal b = metrics.button;
    const qreal centreY = m_buttonPanel->frame().y() - m - b;
    const int index = m_phraseInfo ? m_phraseInfo->indexInCategory : 0;
    m_lastItemBtn = new Button(QRectF(m + P / 3 - b / 2, centreY - b / 2, b, b), m_contentView);
    m_nextItemBtn = new Button(QRectF(m + 2 * P / 3 - b / 2, centreY - b / 2, b, b), m_contentView);
    const bool atFirst = index <= 0;
    setButtonImage(m_lastItemBtn, atFirst ? QStringLiteral("btn-last2") : QStringLiteral("btn-last"),
                   &m_lastItemImageName);
    m_lastItemBtn->setEnabled(!atFirst);
    const bool atLast = index >= lastIndex();
    setButtonImage(m_nextItemBtn, atLast ? QStringLiteral("btn-next2") : QStringLiteral("btn-next"),
                   &m_nextItemImageName);
    m_nextItemBtn->setEnabled(!atLast);
    m_lastItemBtn->setAccessibilityLabel(tr("Previous phrase"));
    m_nextItemBtn->setAccessibilityLabel(tr("Next phrase"));
    connect(m_lastItemBtn, &Button::touchUpInside, this, [this](Button *button) { lastItemAction(button); });
    connect(m_nextItemBtn, &Button::touchUpInside, this, [this](Button *button) { nextItemAction(button); });
    m_lastItemBtn->show();
    m_nextItemBtn->show();
}

void PhraseCardVC::buildLabels(const CardMetrics &metrics)
{
    // The phrase and its translation above the step buttons.
    const qreal m = metrics.margin;
    const qreal L = (m_lastItemBtn->frame().y() - 2 * m - m / 4) / 2;
    auto makeLabel = [&](qreal y, const QColor &textColor) {
        auto *label = new Label(QRectF(m, y, metrics.panelWidth, L), m_contentView);
        label->setTextAlignment(Qt::AlignHCenter);
        label->setNumberOfLines(0);
        label->setFont(Fonts::systemFont(0.12 * L));
        label->setAdjustsFontSizeToFitWidth(true);
        label->setCornerRadius(8);
        label->setClipsToBounds(true);
        label->setBackgroundColor(QColor(25, 44, 66, int(0.8 * 255)));
        label->setTextColor(textColor);
        label->show();
        return label;
    };
    m_phraseLbl = makeLabel(m, QColor(254, 249, 248));
    m_translationLbl = makeLabel(m + L + m / 4, QColor(152, 152, 152));
    // No translation when the learner's language is the content language.
    if (AppCommon::currentLanguage() == QLatin1String(AppCommon::contentLanguageCode))
        m_translationLbl->hide();
}

void PhraseCardVC::showPhrase(const PhraseInfoPtr &phrase)
{
    if (!phrase)
        return;
    CategoryController::setCurrPhraseIndex(phrase->indexInCategory);
    m_phraseInfo = phrase;
    m_phraseLbl->setText(phrase->foreignText());
    m_translationLbl->setText(phrase->translationText());
    m_voicePaused = false;
    m_audioPlayer = AppCommon::playVoice(QUrl::fromLocalFile(AppCommon::getVoicePath(*phrase)), 0);
    AppCommon::increaseUserInfoCount(QStringLiteral("kListenCount"));
}

void PhraseCardVC::playAction(QObject *)
{
    if (!m_phraseInfo)
        return;
    m_voicePaused = false;
    m_audioPlayer = AppCommon::playVoice(QUrl::fromLocalFile(AppCommon::getVoicePath(*m_phraseInfo)), 0);
    AppCommon::increaseUserInfoCount(QStringLiteral("kListenCount"));
}

// Space: pauses the voice while it sounds, resumes it when paused, else plays it again.
void PhraseCardVC::toggleVoice()
{
    if (m_audioPlayer && m_audioPlayer->isPlaying()) {
        m_audioPlayer->pause();
        m_voicePaused = true;
        return;
    }
    if (m_audioPlayer && m_voicePaused) {
        m_voicePaused = false;
        m_audioPlayer->play();
        return;
    }
    playAction(m_playBtn);
}

void PhraseCardVC::lastItemAction(QObject *)
{
    if (!m_phraseInfo)
        return;
    const QList<PhraseInfoPtr> phrases = categoryPhrases();
    const int i = m_phraseInfo->indexInCategory;
    if (i >= 1 && i - 1 < phrases.size())
        showPhrase(phrases.at(i - 1));
    const int index = m_phraseInfo->indexInCategory;
    if (index < 1) {
        setButtonImage(m_lastItemBtn, QStringLiteral("btn-last2"), &m_lastItemImageName);
        m_lastItemBtn->setEnabled(false);
    } else {
        setButtonImage(m_lastItemBtn, QStringLiteral("btn-last"), &m_lastItemImageName);
    }
    if (index < lastIndex()) {
        setButtonImage(m_nextItemBtn, QStringLiteral("btn-next"), &m_nextItemImageName);
        m_nextItemBtn->setEnabled(true);
    }
}

void PhraseCardVC::nextItemAction(QObject *)
{
    if (!m_phraseInfo)
        return;
    const QList<PhraseInfoPtr> phrases = categoryPhrases();
    const int i = m_phraseInfo->indexInCategory;
    if (i < lastIndex() && i + 1 < phrases.size())
        showPhrase(phrases.at(i + 1));
    const int index = m_phraseInfo->indexInCategory;
    if (index >= lastIndex()) {
        setButtonImage(m_nextItemBtn, QStringLiteral("btn-next2"), &m_nextItemImageName);
        m_nextItemBtn->setEnabled(false);
    } else {
        setButtonImage(m_nextItemBtn, QStringLiteral("btn-next"), &m_nextItemImageName);
    }
    if (index >= 1) {
        setButtonImage(m_lastItemBtn, QStringLiteral("btn-last"), &m_lastItemImageName);
        m_lastItemBtn->setEnabled(true);
    }
}

void PhraseCardVC::showAction(QObject *sender)
{
    const bool hide = !m_phraseLbl->isHidden();
    m_phraseLbl->setVisible(!hide);
    auto *button = qobject_cast<Button *>(sender);
    if (!button)
        button = m_lookBtn;
    setButtonImage(button, hide ? QStringLiteral("btn-no-look") : QStringLiteral("btn-look"),
                   button == m_lookBtn ? &m_lookImageName : nullptr);
    button->setAccessibilityLabel(hide ? tr("Show the phrase") : tr("Hide the phrase"));
}

void PhraseCardVC::writeAction(QObject *)
{
    View *root = view();
    const qreal W = root->bounds().width();
    const qreal H = root->bounds().height();
    const qreal width = 0.9 * W;
    auto *panel = new WordWriteView(QRectF((W - width) / 2, (H - 0.5 * H) / 2, width, 0.5 * H), root);
    panel->show();
    panel->showWordWrite(m_phraseInfo);
    panel->setFrame(QRectF((W - width) / 2, 68, width, panel->bodyView()->frame().height() + panel->headH()));
    ViewSupport::setShadow(panel, PlatformColors::darkGray(), QPointF(3, 3), 2, 1);
    panel->raise();
    m_wordWriteView = panel;
}

void PhraseCardVC::beginRecordAction(QObject *)
{
    m_voicePaused = false;
    if (m_audioPlayer)
        m_audioPlayer->stop();
    // The meter goes across the previous / next row (which cannot be used meanwhile), as
    // wide as the button panel.
    const QRectF row = m_lastItemBtn->frame();
    const QRectF panel = m_buttonPanel->frame();
    m_recording->setIndicatorPlace(m_contentView, QRectF(panel.left(), row.top(), panel.width(), row.height()));
    m_recording->setAssess(AppCommon::wordFeedback());
    m_recording->begin(m_phraseInfo, categoryPhrases(), view());
}

void PhraseCardVC::endRecordAction(QObject *)
{
    std::shared_ptr<PronunciationComparison> comparison;
    if (!m_recording->end(m_phraseInfo, &comparison))
        return;
    m_spectrumCompView = HoldToRecord::openComparison(view(), m_phraseInfo, categoryPhrases(),
                                                      m_recording->myVoicePath(), std::move(comparison),
                                                      m_recording->assess());
    AppCommon::increaseUserInfoCount(QStringLiteral("kReadCount"));
}

void PhraseCardVC::cancelRecordAction(QObject *) { m_recording->cancel(); }

void PhraseCardVC::back(QObject *sender)
{
    if (m_audioPlayer)
        m_audioPlayer->stop();
    BaseViewController::back(sender);
    giveRatingReminderChance();
}

PhraseCardVC::RatingChance PhraseCardVC::ratingChanceAt(qint64 t)
{
    if (t % 3 == 0)
        return RatingChance::PromptIfCriteriaMet;
    if (t >= 0 && t % 4 == 1)
        return RatingChance::PromptNow;
    return RatingChance::None;
}

void PhraseCardVC::giveRatingReminderChance()
{
    RatingPrompt &prompt = RatingPrompt::instance();
    if (prompt.ratedAnyVersion())
        return;
    switch (ratingChanceAt(secondsSinceReferenceDate())) {
    case RatingChance::PromptIfCriteriaMet:
        prompt.promptIfCriteriaMet();
        break;
    case RatingChance::PromptNow:
        prompt.promptForRating();
        break;
    case RatingChance::None:
        break;
    }
}

void PhraseCardVC::setSettingsOpener(std::function<bool()> opener)
{
    HoldToRecord::setSettingsOpener(std::move(opener));
}
