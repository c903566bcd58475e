#include "OptionTxtBtn.h"

OptionTxtBtn::OptionTxtBtn(const QRectF &frame, QWidget *parent) : OptionBtn(frame, parent) {}

void OptionTxtBtn::showPhrase(const PhraseInfoPtr &phrase, const QColor &backgroundColor)
{
    setBackgroundColor(backgroundColor);
    QString title;
    if (phrase)
        title = isMotherLang() ? phrase->translationText() : phrase->foreignText();
    setTitle(title);
}

void OptionTxtBtn::setOptionBgColor(const QColor &color) { setBackgroundColor(color); }
