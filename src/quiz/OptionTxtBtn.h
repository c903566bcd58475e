#pragma once

#include "OptionBtn.h"

// The text option of the choice quizzes: its background is the option colour and its title
// the phrase's translation (isMotherLang) or its foreign text.
//
// Thread: main thread. Failure: none.
class OptionTxtBtn : public OptionBtn
{
    Q_OBJECT
public:
    explicit OptionTxtBtn(const QRectF &frame, QWidget *parent = nullptr);

    void showPhrase(const PhraseInfoPtr &phrase, const QColor &backgroundColor) override;
    void setOptionBgColor(const QColor &color) override;
};
