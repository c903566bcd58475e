#include "SpectrumCompView.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "widgets/RelativeSize.h"
#include "ScoreLabel.h"
#include "platform/ui/ScrollView.h"
#include "audio/ZQPlayerBoxView.h"
#include "WordStripView.h"
#include "ZQAudioSpectrumView.h"
#include "ZQSpectrumPanel.h"

#include <algorithm>

namespace {
constexpr int kStandardPanelTag = 1979;
constexpr int kEstimatedPanelTag = 1985;

Label *sectionLabel(const QRectF &frame, const QString &text, QWidget *parent)
{
    auto *label = new Label(frame, parent);
    label->setBackgroundColor(Qt::transparent);
    label->setFont(Fonts::systemFont(16));
    label->setText(text);
    label->show();
    return label;
}
}

SpectrumCompView::SpectrumCompView(const QRectF &frame, QWidget *parent)
    : ZQPopView(frame, parent), m_spanPlayer(new SpanPlayer(this))
{
    connect(m_spanPlayer, &SpanPlayer::finished, this, [this] {
        if (m_wordStrip)
            m_wordStrip->setPlayingWord(-1);
    });
}

SpectrumCompView::~SpectrumCompView() = default;

Label *SpectrumCompView::testedWordScoreLbl() const { return m_testedWordScoreLbl; }

std::optional<QString> SpectrumCompView::languageModelPath() const
{
    if (!m_comparisonResult.models)
        return std::nullopt;
    return m_comparisonResult.models->languageModelPath;
}

std::optional<QString> SpectrumCompView::dictionaryPath() const
{
    if (!m_comparisonResult.models)
        return std::nullopt;
    return m_comparisonResult.models->dictionaryPath;
}

QStringList SpectrumCompView::phraseContents(const QList<PhraseInfoPtr> &phrases)
{
    QStringList contents;
    contents.reserve(phrases.size());
    for (const PhraseInfoPtr &phrase : phrases)
        contents.append(phrase ? phrase->content : QString());
    return contents;
}

std::shared_ptr<PronunciationComparison> SpectrumCompView::startComparison(const QString &standardText,
                                                                           const QString &standardAudioFilePath,
                                                                           const QList<PhraseInfoPtr> &phrases,
                                                                           bool assess)
{
    ComparisonRequest request = ComparisonRequest::forPhrase(standardText, standardAudioFilePath, phraseContents(phrases));
    request.assess = assess;
    auto comparison = std::make_shared<PronunciationComparison>(request);
    comparison->prepare();
    return comparison;
}

void SpectrumCompView::show(const QString &standardText, const QString &standardAudioFilePath,
                            const QString &estimatedAudioFilePath)
{
    m_standardText = standardText;
    m_standardAudioFilePath = standardAudioFilePath;
    m_estimatedAudioFilePath = estimatedAudioFilePath;
    resetBody();
    drawHead(standardText);
    m_bodyView->setFrame(QRectF(0, headH(), bounds().width(), bounds().height() - headH()));
    showMask();
    addSubview(m_bodyView);

    // The engine keeps the model and the model voice between openings of this phrase.
    ComparisonRequest request =
        ComparisonRequest::forPhrase(standardText, standardAudioFilePath, phraseContents(m_phraseInfos));
    request.assess = m_wordFeedback;
    if (!m_comparison || m_comparison->request() != request)
        m_comparison = std::make_shared<PronunciationComparison>(request);
    m_comparisonResult = m_comparison->compare(estimatedAudioFilePath);
    m_generationCount += m_comparisonResult.generatedModel ? 1 : 0;
    m_score = m_comparisonResult.panelScore;

    layOutContent();
    m_standardSpectrumPanel->setSpectrum(standardAudioFilePath, m_comparisonResult.standard.powerSpectrumInfo);
    m_standardSpectrumPanel->resizeView();
    m_estimatedSpectrumPanel->setSpectrum(estimatedAudioFilePath, m_comparisonResult.estimated.powerSpectrumInfo);
    m_estimatedSpectrumPanel->resizeView();
    // A recording without a voice says so rather than showing an empty voiceprint.
    const QVariant noVoice = m_comparisonResult.advice.value(QStringLiteral("no_voice"));
    if (noVoice.isValid())
        m_estimatedSpectrumPanel->showMessage(noVoice.toString());
    else if (m_comparisonResult.assessment)
        showWordStrip(*m_comparisonResult.assessment, m_comparisonResult.standardAssessment);
}

void SpectrumCompView::showWordStrip(const AssessmentResult &assessment,
                                     const std::optional<AssessmentResult> &standardAssessment)
{
    stopWord();
    delete m_wordStrip;
    m_wordStrip = nullptr;
    m_standardAssessment = standardAssessment;
    if (!m_estimatedSpectrumPanel || !assessment.valid || assessment.words.empty())
        return;
    // Over the whole content of the scroller, in the voiceprint's own coordinates.
    ScrollView *container = m_estimatedSpectrumPanel->asContainer();
    const ZQAudioSpectrumView *voiceprint = m_estimatedSpectrumPanel->asView();
    const QRectF image = voiceprint->frame();
    const qreal width = std::max(container->contentSize().width(), image.width());
    const qreal columnWidth = voiceprint->spectrumWidth() > 0 ? image.width() / voiceprint->spectrumWidth() : 1.0;
    m_wordStrip = new WordStripView(QRectF(image.left(), image.top(), width, image.height()));
    container->contentView()->addSubview(m_wordStrip);

    QList<bool> inModelVoice;
    for (int i = 0; i < int(assessment.words.size()); ++i)
        inModelVoice.append(modelWord(assessment, i) != nullptr);
    m_wordStrip->setAssessment(assessment, inModelVoice, m_comparisonResult.estimated.frameTimes, columnWidth);
    connect(m_wordStrip, &WordStripView::wordTapped, this, &SpectrumCompView::playWord);
}

const WordAssessment *SpectrumCompView::modelWord(const AssessmentResult &assessment, int index) const
{
    if (!m_standardAssessment || !m_standardAssessment->valid)
        return nullptr;
    const std::vector<WordAssessment> &mine = assessment.words;
    const std::vector<WordAssessment> &model = m_standardAssessment->words;
    if (index < 0 || index >= int(mine.size()) || model.size() != mine.size())
        return nullptr;
    const WordAssessment &word = model[size_t(index)];
    if (word.omitted || word.endMs <= word.startMs
        || word.word.compare(mine[size_t(index)].word, Qt::CaseInsensitive) != 0)
        return nullptr;
    return &word;
}

QList<SpanPlayer::Span> SpectrumCompView::wordSpans(int index) const
{
    QList<SpanPlayer::Span> spans;
    if (!m_wordStrip || index < 0 || index >= int(m_wordStrip->assessment().words.size()))
        return spans;
    const WordAssessment &mine = m_wordStrip->assessment().words[size_t(index)];
    if (!mine.omitted && mine.endMs > mine.startMs)
        spans.append({m_estimatedAudioFilePath, mine.startMs, mine.endMs});
    if (const WordAssessment *model = modelWord(m_wordStrip->assessment(), index))
        spans.append({m_standardAudioFilePath, model->startMs, model->endMs});
    return spans;
}

void SpectrumCompView::playWord(int index)
{
    const QList<SpanPlayer::Span> spans = wordSpans(index);
    if (!m_wordStrip || spans.isEmpty())
        return;
    // The word takes over from either voice's player.
    m_standardSpectrumPanel->playerBoxView()->stopPlay();
    m_estimatedSpectrumPanel->playerBoxView()->stopPlay();
    m_wordStrip->setPlayingWord(index);
    m_spanPlayer->play(spans);
}

void SpectrumCompView::stopWord()
{
    m_spanPlayer->stop();
    if (m_wordStrip)
        m_wordStrip->setPlayingWord(-1);
}

// A panel shown again starts from a fresh body.
void SpectrumCompView::resetBody()
{
    stopWord();
    if (m_bodyView) {
        delete m_bodyView;
        m_bodyView = nullptr;
        m_standardSpectrumPanel = nullptr;
        m_estimatedSpectrumPanel = nullptr;
        m_testedWordScoreLbl = nullptr;
        m_wordStrip = nullptr;
    }
    m_bodyView = new ScrollView;
    m_bodyView->setBackgroundColor(Qt::white);
    m_bodyView->setBounces(false);
}

void SpectrumCompView::layOutContent()
{
    const qreal w10 = RelativeSize::getRelativeWidthBy320(10);
    const qreal w30 = RelativeSize::getRelativeWidthBy320(30);
    const qreal width = bounds().width();
    const qreal bodyWidth = m_bodyView->bounds().width();
    View *content = m_bodyView->contentView();
    const qreal panelHeight = w30 + RelativeSize::getRelativeHeightBy568(128)
                              + 2.0 * RelativeSize::getRelativeHeightBy568(5);

    Label *original = sectionLabel(QRectF(10, w10, width, 18), tr("Original Voice"), content);

    m_standardSpectrumPanel = new ZQSpectrumPanel(QRectF(0, original->frame().bottom(), bodyWidth, panelHeight));
    m_standardSpectrumPanel->setTag(kStandardPanelTag);
    m_standardSpectrumPanel->setOutDelegate(this);
    content->addSubview(m_standardSpectrumPanel);

    Label *mine = sectionLabel(QRectF(10, m_standardSpectrumPanel->frame().bottom() + w10, width, 18), tr("My Voice"),
                               content);

    const qreal scoreWidth = width - 10;
    m_testedWordScoreLbl = new ScoreLabel(
        QRectF((bodyWidth - scoreWidth) / 2.0, mine->frame().top(), scoreWidth, 18), content);
    m_testedWordScoreLbl->setBackgroundColor(Qt::transparent);
    m_testedWordScoreLbl->setFont(Fonts::systemFont(16));
    m_testedWordScoreLbl->setTextAlignment(Qt::AlignHCenter);
    m_testedWordScoreLbl->setTextColor(QColor(34, 34, 34));
    m_testedWordScoreLbl->setScore(tr("Score"), m_score);
    m_testedWordScoreLbl->show();

    m_estimatedSpectrumPanel = new ZQSpectrumPanel(QRectF(0, mine->frame().bottom(), bodyWidth, panelHeight));
    m_estimatedSpectrumPanel->setTag(kEstimatedPanelTag);
    m_estimatedSpectrumPanel->setOutDelegate(this);
    content->addSubview(m_estimatedSpectrumPanel);

    const qreal bodyHeight = m_estimatedSpectrumPanel->frame().bottom();
    const QRectF body = m_bodyView->frame();
    m_bodyView->setFrame(QRectF(body.topLeft(), QSizeF(body.width(), bodyHeight)));
    m_bodyView->setContentSize(QSizeF(body.width(), bodyHeight));
}

void SpectrumCompView::playPreHandle(AudioPlayer *, QWidget *view)
{
    auto *panel = qobject_cast<ZQSpectrumPanel *>(view);
    if (!panel || !m_standardSpectrumPanel || !m_estimatedSpectrumPanel)
        return;
    stopWord();
    if (panel->tag() == kStandardPanelTag) {
        m_standardSpectrumPanel->setNeedRun(true);
        m_estimatedSpectrumPanel->setNeedRun(false);
        m_estimatedSpectrumPanel->initPlay();
    } else if (panel->tag() == kEstimatedPanelTag) {
        m_estimatedSpectrumPanel->setNeedRun(true);
        m_standardSpectrumPanel->setNeedRun(false);
        m_standardSpectrumPanel->initPlay();
    }
}

void SpectrumCompView::closeAction(QObject *sender)
{
    stopWord();
    if (m_standardSpectrumPanel)
        m_standardSpectrumPanel->playerBoxView()->stopPlay();
    if (m_estimatedSpectrumPanel)
        m_estimatedSpectrumPanel->playerBoxView()->stopPlay();
    ZQPopView::closeAction(sender);
}
