#include "CommonResultCellView.h"

#include "content/AnswerText.h"
#include "content/AppCommon.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"

CommonResultCellView::CommonResultCellView(const QRectF &frame, QWidget *parent)
    : View(frame, parent), m_srcTextLbl(makeLabel(0)), m_rightTextLbl(makeLabel(1)), m_testTextLbl(makeLabel(2))
{
    m_srcTextLbl->setTextColor(PlatformColors::darkGray());
    m_rightTextLbl->setTextColor(QColor(24, 24, 24));
}

Label *CommonResultCellView::makeLabel(int index)
{
    const qreal height = bounds().height() / 3;
    auto *label = new Label(QRectF(0, index * height, bounds().width(), height), this);
    label->setTextAlignment(Qt::AlignHCenter);
    label->setNumberOfLines(0);
    label->setFont(Fonts::systemFont(0.6 * height));
    label->setAdjustsFontSizeToFitWidth(true);
    return label;
}

void CommonResultCellView::showResult(const PhraseInfoPtr &phraseInfo, const PhraseInfoPtr &testPhraseInfo,
                                      bool reversed)
{
    m_phraseInfo = phraseInfo;
    m_testPhraseInfo = testPhraseInfo;
    auto foreign = [](const PhraseInfoPtr &phrase) { return phrase ? phrase->foreignText() : QString(); };
    auto translation = [](const PhraseInfoPtr &phrase) { return phrase ? phrase->translationText() : QString(); };
    if (reversed) {
        m_srcTextLbl->setText(foreign(phraseInfo));
        m_rightTextLbl->setText(translation(phraseInfo));
        m_testTextLbl->setText(translation(testPhraseInfo));
    } else {
        m_srcTextLbl->setText(translation(phraseInfo));
        m_rightTextLbl->setText(foreign(phraseInfo));
        m_testTextLbl->setText(foreign(testPhraseInfo));
    }
    m_srcTextLbl->setVisible(AppCommon::currentLanguage() != QLatin1String(AppCommon::contentLanguageCode));
    const bool right = AnswerText::matches(m_testTextLbl->text(), m_rightTextLbl->text());
    m_testTextLbl->setTextColor(right ? rightColor() : wrongColor());
    if (m_testTextLbl->text().isEmpty())
        m_testTextLbl->setText(QStringLiteral("-"));
}
