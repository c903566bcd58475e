#pragma once

#include "BaseQuizViewController.h"

// The matching quiz: a phrase in one language, four options in the other. foreign2Mother:
// the question shows the foreign text and the options the translations; otherwise the
// reverse. Either way an option is right when its foreign text matches the question's. At the
// end the result table shows, per question, the text asked, the right answer and the chosen
// one in the option language; when ten rows need less than the table's height, the table
// shrinks to them, stops scrolling and sits centred in its space.
//
// Thread: main thread. Failure: those of BaseQuizViewController.
class Word2WordVC : public BaseQuizViewController
{
    Q_OBJECT
public:
    explicit Word2WordVC(QObject *parent = nullptr);

    bool foreign2Mother() const { return m_foreign2Mother; }
    void setForeign2Mother(bool foreign2Mother) { m_foreign2Mother = foreign2Mother; }

    void initSubviews() override;
    void showCurrItem() override;
    void quizOver() override;

private:
    bool m_foreign2Mother = false;
};
