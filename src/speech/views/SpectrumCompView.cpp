#include "SpectrumCompView.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "widgets/RelativeSize.h"
#include "platform/foundation/ResourceLocator.h"
#include "ScoreLabel.h"
#include "platform/ui/ScrollView.h"
#include "speech/ZQAppCommon.h"
#include "content/ZQFileUtil.h"
#include "speech/ZQLanguageModelTrainer.h"
#include "platform/foundation/ZQLog.h"
#include "speech/ZQPSRecognizer.h"
#include "audio/ZQPlayerBoxView.h"
#include "ZQSpectrumPanel.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

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

int SpectrumCompView::scoreOnTenScale(float score)
{
    if (!(score > 0.0f))
        return 0;
    return std::min(10, int(std::floor(score / 10.0f)));
}

void SpectrumCompView::show(const QString &standardText, const QString &standardAudioFilePath,
                            const QString &estimatedAudioFilePath)
{
    m_standardText = standardText;
    m_standardAudioFilePath = standardAudioFilePath;
    m_estimatedAudioFilePath = estimatedAudioFilePath;
    m_generatedThisShow = false;

    // A panel shown again starts from a fresh body.
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
    drawHead(standardText);
    m_bodyView->setFrame(QRectF(0, headH(), bounds().width(), bounds().height() - headH()));
    showMask();
    addSubview(m_bodyView);

    QVariantMap advices;
    {
        ZQPSRecognizer recognizer;
        runRecognition(recognizer, estimatedAudioFilePath);
        m_score = scoreOnTenScale(ZQPSRecognizer::getScore(recognizer.wordsInfo(), standardText, advices));
    }

    layOutContent();

    {
        ZQPSRecognizer recognizer;
        runRecognition(recognizer, standardAudioFilePath);
        m_standardSpectrumPanel->setSpectrum(standardAudioFilePath, recognizer.powerSpectrumInfo());
        m_standardSpectrumPanel->resizeView();
    }
    {
        ZQPSRecognizer recognizer;
        runRecognition(recognizer, estimatedAudioFilePath);
        m_estimatedSpectrumPanel->setSpectrum(estimatedAudioFilePath, recognizer.powerSpectrumInfo());
        m_estimatedSpectrumPanel->resizeView();
    }
    // A recording without a voice says so rather than showing an empty voiceprint.
    if (advices.contains(QStringLiteral("no_voice")))
        m_estimatedSpectrumPanel->showMessage(advices.value(QStringLiteral("no_voice")).toString());
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

bool SpectrumCompView::modelFilesUsable() const
{
    return m_languageModelPath && m_dictionaryPath && QFileInfo::exists(*m_languageModelPath)
           && QFileInfo::exists(*m_dictionaryPath);
}

void SpectrumCompView::generateModel()
{
    m_generatedThisShow = true;
    ++m_generationCount;
    QStringList contents;
    contents.reserve(m_phraseInfos.size());
    for (const PhraseInfoPtr &phrase : std::as_const(m_phraseInfos))
        contents.append(phrase ? phrase->content : QString());
    const QStringList words = ZQAppCommon::comparisonCorpusWords(m_standardText, contents);

    const QString base = ZQFileUtil::getDocumentsDirectory() + QStringLiteral("lm/");
    if (!QDir().mkpath(base))
        ZQLog::log(QStringLiteral("can not create the folder %1").arg(base), 2);
    ZQLanguageModelTrainer trainer;
    trainer.setLmBasePath(base);
    const ZQStatus status = trainer.generateEnglishLanguageModelFromArray(words, QStringLiteral("test"));
    const QVariant lm = status.userInfo.value(QStringLiteral("LMPath"));
    const QVariant dictionary = status.userInfo.value(QStringLiteral("DictionaryPath"));
    if (lm.isValid())
        m_languageModelPath = lm.toString();
    if (dictionary.isValid())
        m_dictionaryPath = dictionary.toString();
}

void SpectrumCompView::runRecognition(ZQPSRecognizer &recognizer, const QString &audioPath)
{
    // One generation per opening at most: after a failed one the recognitions run without
    // a model and find nothing.
    if (!modelFilesUsable() && !m_generatedThisShow)
        generateModel();
    const QString acousticModel = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    recognizer.runRecognitionOnWavFileAtPath(audioPath, m_languageModelPath.value_or(QString()),
                                             m_dictionaryPath.value_or(QString()), acousticModel, false);
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
