#include "Phrase2SpeakVC.h"

#include "Phrase2SpeakResultCellView.h"
#include "app/HoldToRecord.h"
#include "app/ScreenMetrics.h"
#include "platform/media/AudioSession.h"
#include "platform/ui/AssetImages.h"
#include "platform/ui/AttributedLabel.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/ViewSupport.h"
#include "speech/views/SpectrumCompView.h"
#include "widgets/ZQImageUtil.h"

#include <QCoreApplication>

namespace {
const QColor kQuestionColor(254, 249, 248);
const QColor kTipColor(239, 239, 239);
constexpr qreal kTipHeight = 40;
constexpr qreal kTipGap = 10;
constexpr qreal kMicrophoneSide = 80;
}

Phrase2SpeakVC::Phrase2SpeakVC(QObject *parent) : BaseQuizViewController(parent) {}

Phrase2SpeakVC::~Phrase2SpeakVC()
{
    // The panel goes with the screen's view; the recording stops before the recorder goes.
    if (m_recording)
        m_recording->cancel();
}

QString Phrase2SpeakVC::myVoicePath() const
{
    return m_recording ? m_recording->myVoicePath() : QString();
}

RecordingIndicatorView *Phrase2SpeakVC::recordingIndicatorView() const
{
    return m_recording ? m_recording->indicatorView() : nullptr;
}

void Phrase2SpeakVC::initSubviews()
{
    if (AudioSession::sharedInstance().recordPermission() == AudioSession::RecordPermission::Denied) {
        HoldToRecord::presentMicrophoneAlert(view());
        stopLoading();
        return;
    }
    if (!m_recording)
        m_recording = std::make_unique<HoldToRecord>();
    buildQuestionWidgets();
    showCurrItem();
    scoreLbl()->hide();
}

void Phrase2SpeakVC::buildQuestionWidgets()
{
    // From top to bottom: the question, the microphone, the hint, Submit.
    View *root = view();
    const qreal width = root->bounds().width();
    Button *submit = addSubmitButton();
    m_tipLbl = new Label(QRectF(0, submit->frame().top() - kTipGap - kTipHeight, width, kTipHeight), root);
    m_tipLbl->setText(tr("Tap and hold to speak."));
    m_tipLbl->setTextAlignment(Qt::AlignHCenter);
    m_tipLbl->setTextColor(kTipColor);
    m_tipLbl->setAdjustsFontSizeToFitWidth(true);
    m_tipLbl->show();
    m_indicatorFrame = QRectF(0.05 * width, m_tipLbl->frame().top(), 0.9 * width, kTipHeight);

    const qreal top = contentTop() + outerMargin();
    const qreal space = m_tipLbl->frame().top() - top;
    const qreal textHeight = qMax<qreal>(0, space - kMicrophoneSide - 2 * outerMargin()) / 2;
    auto *question = new Label(QRectF(0.05 * width, top, 0.9 * width, textHeight), root);
    question->setFont(Fonts::boldSystemFont(0.2 * textHeight));
    question->setTextAlignment(Qt::AlignHCenter);
    question->setTextColor(kQuestionColor);
    question->setNumberOfLines(0);
    question->setAdjustsFontSizeToFitWidth(true);
    question->show();
    setCurrText(question);

    const qreal micTop = question->frame().bottom() + (space - textHeight - kMicrophoneSide) / 2;
    m_microphoneButton = new Button(QRectF((width - kMicrophoneSide) / 2, micTop, kMicrophoneSide, kMicrophoneSide), root);
    m_microphoneButton->setImage(ZQImageUtil::adjustImage(AssetImages::image(QStringLiteral("btn-microphone"))));
    // The same name and tooltip as the phrase card's microphone, with its translations.
    m_microphoneButton->setAccessibilityLabel(
        QCoreApplication::translate("PhraseCardVC", "Hold to record your voice"));
    connect(m_microphoneButton, &Button::touchDown, this, [this](Button *sender) { beginRecordAction(sender); });
    connect(m_microphoneButton, &Button::touchUpInside, this, [this](Button *sender) { endRecordAction(sender); });
    connect(m_microphoneButton, &Button::touchUpOutside, this, [this](Button *sender) { cancelRecordAction(sender); });
    connect(m_microphoneButton, &Button::touchCancel, this, [this](Button *sender) { cancelRecordAction(sender); });
    m_microphoneButton->show();
}

void Phrase2SpeakVC::showCurrItem()
{
    if (hasCurrentQuestion() && currText())
        currText()->setText(phraseInfos().at(currIndex())->foreignText());
}

void Phrase2SpeakVC::beginRecordAction(QObject *)
{
    if (!hasCurrentQuestion() || !m_recording)
        return;
    // The hint has done its work once the learner presses.
    removeWidget(m_tipLbl);
    m_tipLbl = nullptr;
    m_recording->setIndicatorPlace(view(), m_indicatorFrame);
    m_recording->begin(phraseInfos().at(currIndex()), phraseInfos(), view());
}

void Phrase2SpeakVC::endRecordAction(QObject *)
{
    if (!m_recording)
        return;
    const PhraseInfoPtr phrase = hasCurrentQuestion() ? phraseInfos().at(currIndex()) : nullptr;
    std::shared_ptr<PronunciationComparison> comparison;
    if (!m_recording->end(phrase, &comparison))
        return;
    const PhraseInfoPtr answer = inputPhraseInfos().at(currIndex());
    answer->soundPath = m_recording->myVoicePath();
    openComparison(phrase, answer, std::move(comparison));
}

void Phrase2SpeakVC::cancelRecordAction(QObject *)
{
    if (m_recording)
        m_recording->cancel();
}

void Phrase2SpeakVC::openComparison(const PhraseInfoPtr &phrase, const PhraseInfoPtr &answer,
                                    std::shared_ptr<PronunciationComparison> comparison)
{
    if (!phrase || !answer || answer->soundPath.isEmpty())
        return;
    m_spectrumCompView =
        HoldToRecord::openComparison(view(), phrase, phraseInfos(), answer->soundPath, std::move(comparison));
    m_currWordScore = m_spectrumCompView->score();
}

void Phrase2SpeakVC::submitAction(QObject *)
{
    if (!hasCurrentQuestion())
        return;
    const int points = m_currWordScore;
    m_currWordScore = 0;
    completeQuestion(points);
}

void Phrase2SpeakVC::closeComparison()
{
    if (m_spectrumCompView)
        m_spectrumCompView->closeAction(nullptr);
    m_spectrumCompView = nullptr;
}

void Phrase2SpeakVC::quizOver()
{
    BaseQuizViewController::quizOver();
    if (m_recording)
        m_recording->cancel();
    closeComparison();
    removeWidget(m_microphoneButton);
    removeWidget(m_tipLbl);
    m_microphoneButton = nullptr;
    m_tipLbl = nullptr;
    removeQuestionWidgets();
    addResultTable(false);
}

void Phrase2SpeakVC::viewDidDisappear(bool animated)
{
    if (m_recording)
        m_recording->cancel();
    BaseQuizViewController::viewDidDisappear(animated);
}

TableViewCell *Phrase2SpeakVC::cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath)
{
    auto *cell = new TableViewCell(TableViewCell::Style::Default, QStringLiteral("cell"));
    cell->setBackgroundColor(Qt::white);
    cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
    ViewSupport::setTag(cell, indexPath.row);
    const QRectF frame(0, 0, tableView->bounds().width(), resultRowH());
    cell->setFrame(frame);
    auto *row = new Phrase2SpeakResultCellView(frame, cell->contentView());
    row->setVcDelegate(this);
    row->showResult(phraseInfos().value(indexPath.row), inputPhraseInfos().value(indexPath.row));
    return cell;
}
