#pragma once

#include "platform/ui/Button.h"

#include "content/PhraseInfo.h"

#include <QColor>

// An answer button of the choice quizzes. isMotherLang: the option shows the phrase's
// translation instead of its foreign text. The base class shows nothing itself: showPhrase
// only passes the colour on to setOptionBgColor, which does nothing; OptionTxtBtn (the kind
// the quizzes create) fills both in.
//
// Thread: main thread. Failure: none; a null phrase shows an empty title.
class OptionBtn : public Button
{
    Q_OBJECT
public:
    explicit OptionBtn(const QRectF &frame, QWidget *parent = nullptr);

    bool isMotherLang() const { return m_isMotherLang; }
    void setIsMotherLang(bool motherLang) { m_isMotherLang = motherLang; }

    virtual void showPhrase(const PhraseInfoPtr &phrase, const QColor &backgroundColor);
    virtual void setOptionBgColor(const QColor &color);

private:
    bool m_isMotherLang = false;
};
