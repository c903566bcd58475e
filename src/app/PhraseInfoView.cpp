#include "PhraseInfoView.h"

#include "widgets/BlockGestures.h"
#include "CategoryController.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"
#include "platform/ui/ViewSupport.h"

PhraseInfoView::PhraseInfoView(const QRectF &frame, QWidget *parent) : View(frame, parent) {}

Label *PhraseInfoView::makeLabel(const QRectF &frame, const QString &text, const QColor &color)
{
    auto *label = new Label(frame, this);
    label->setText(text);
    label->setTextAlignment(Qt::AlignHCenter);
    label->setNumberOfLines(0);
    label->setTextColor(color);
    label->setFont(Fonts::systemFont(0.4 * m_lblH));
    label->setAdjustsFontSizeToFitWidth(true);
    ViewSupport::setShadow(label, PlatformColors::darkGray(), QPointF(1, 1), 1, 1);
    return label;
}

void PhraseInfoView::setup(const PhraseInfoPtr &phrase, bool isContentLanguage)
{
    m_phraseInfo = phrase;
    if (!phrase)
        return;
    const QRectF bounds = ViewSupport::bounds(this);
    m_lblH = isContentLanguage ? bounds.height() : bounds.height() / 2.0;
    m_titleLbl = makeLabel(QRectF(0, 0, bounds.width(), m_lblH), phrase->foreignText(), QColor(254, 249, 248));
    if (!isContentLanguage)
        m_translationLbl = makeLabel(QRectF(0, m_lblH, bounds.width(), m_lblH), phrase->translationText(),
                                     QColor(152, 152, 152));

    BlockGestures::addTapGesture(this, 1, [this](BlockTap *) { openWordCard(); });
    // The marking edge, prepared but invisible.
    ViewSupport::setShadow(this, QColor(210, 105, 30), QPointF(-2, 0), 0, 0);
}

void PhraseInfoView::setMarked(bool marked)
{
    ViewSupport::setShadowOpacity(this, marked ? 1.0 : 0.0);
}

bool PhraseInfoView::isMarked() const
{
    return ViewSupport::shadowOpacity(this) > 0.0;
}

void PhraseInfoView::openWordCard()
{
    if (m_vcDelegate)
        m_vcDelegate->openWordCard(this);
}
