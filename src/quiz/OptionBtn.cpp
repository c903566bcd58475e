#include "OptionBtn.h"

OptionBtn::OptionBtn(const QRectF &frame, QWidget *parent) : Button(frame, parent) {}

void OptionBtn::showPhrase(const PhraseInfoPtr &, const QColor &backgroundColor) { setOptionBgColor(backgroundColor); }

void OptionBtn::setOptionBgColor(const QColor &) {}
