#include "SpectrumCompView.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "widgets/RelativeSize.h"
#include "ScoreLabel.h"
#include "platform/ui/ScrollView.h"
#include "audio/ZQPlayerBoxView.h"
#include "ZQSpectrumPanel.h"

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

SpectrumCompView::SpectrumCompView(const QRectF &frame, QWidget *parent) : ZQPopView(frame, parent) {}

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
                                                                           const QList<PhraseInfoPtr> &phrases)
{
    auto comparison = std::make_shared<PronunciationComparison>(
        ComparisonRequest::forPhrase(standardText, standardAudioFilePath, phraseContents(phrases)));
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
    const ComparisonRequest request =
        ComparisonRequest::forPhrase(standardText, standardAudioFilePath, phraseContents(m_phraseInfos));
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
}

// A panel shown again starts from a fresh body.
void SpectrumCompView::resetBody()
{
    if (m_bodyView) {
        delete m_bodyView;
        m_bodyView = nullptr;
        m_standardSpectrumPanel = nullptr;
        m_estimatedSpectrumPanel = nullptr;
        m_testedWordScoreLbl = nullptr;
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
    if (m_standardSpectrumPanel)
        m_standardSpectrumPanel->playerBoxView()->stopPlay();
    if (m_estimatedSpectrumPanel)
        m_estimatedSpectrumPanel->playerBoxView()->stopPlay();
    ZQPopView::closeAction(sender);
}
