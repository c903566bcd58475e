#include "Phrase2SpeakResultCellView.h"

#include "Phrase2SpeakVC.h"
#include "content/AppCommon.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"

namespace {
const QColor kLinkColor(0, 122, 255);
}

Phrase2SpeakResultCellView::Phrase2SpeakResultCellView(const QRectF &frame, QWidget *parent) : View(frame, parent) {}

Phrase2SpeakVC *Phrase2SpeakResultCellView::vcDelegate() const { return m_vcDelegate; }

void Phrase2SpeakResultCellView::setVcDelegate(Phrase2SpeakVC *screen) { m_vcDelegate = screen; }

Label *Phrase2SpeakResultCellView::makeLabel(int line, qreal lineHeight)
{
    auto *label = new Label(QRectF(0, line * lineHeight, bounds().width(), lineHeight), this);
    label->setTextAlignment(Qt::AlignHCenter);
    label->setTextColor(PlatformColors::darkGray());
    label->setFont(Fonts::systemFont(0.5 * lineHeight));
    label->setAdjustsFontSizeToFitWidth(true);
    label->setNumberOfLines(0);
    label->show();
    return label;
}

void Phrase2SpeakResultCellView::showResult(const PhraseInfoPtr &phraseInfo, const PhraseInfoPtr &testPhraseInfo)
{
    m_phraseInfo = phraseInfo;
    m_testPhraseInfo = testPhraseInfo;
    const bool translated = AppCommon::currentLanguage() != QLatin1String(AppCommon::contentLanguageCode);
    const qreal lineHeight = bounds().height() / (translated ? 3 : 2);

    delete m_voiceprintBtn;
    delete m_wordLbl;
    delete m_translationLbl;
    m_translationLbl = nullptr;
    m_voiceprintBtn = new Button(QRectF(0, 0, bounds().width(), lineHeight), this);
    m_voiceprintBtn->setTitleColor(kLinkColor);
    m_voiceprintBtn->setTitleFont(Fonts::systemFont(0.5 * lineHeight));
    m_voiceprintBtn->setTitleAdjustsFontSizeToFitWidth(true);
    const bool recorded = testPhraseInfo && !testPhraseInfo->soundPath.isEmpty();
    if (recorded) {
        m_voiceprintBtn->setTitle(tr("Show Voiceprint"));
        connect(m_voiceprintBtn, &Button::touchUpInside, this, [this](Button *sender) { showSpectrums(sender); });
    }
    m_voiceprintBtn->setEnabled(recorded);
    m_voiceprintBtn->show();
    m_wordLbl = makeLabel(1, lineHeight);
    m_wordLbl->setText(phraseInfo ? phraseInfo->foreignText() : QString());
    if (translated) {
        m_translationLbl = makeLabel(2, lineHeight);
        m_translationLbl->setText(phraseInfo ? phraseInfo->translationText() : QString());
    }
}

void Phrase2SpeakResultCellView::showSpectrums(QObject *)
{
    if (m_vcDelegate)
        m_vcDelegate->openComparison(m_phraseInfo, m_testPhraseInfo);
}
