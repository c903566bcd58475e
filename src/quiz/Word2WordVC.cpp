#include "Word2WordVC.h"

#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"

Word2WordVC::Word2WordVC(QObject *parent) : BaseQuizViewController(parent) {}

void Word2WordVC::initSubviews()
{
    const qreal width = view()->bounds().width();
    const qreal textWidth = 0.75 * width;
    const qreal textHeight = 0.1875 * width;
    auto *question = new Label(QRectF((width - textWidth) / 2, contentTop() + 10, textWidth, textHeight), view());
    question->setFont(Fonts::boldSystemFont(0.4 * textHeight));
    question->setTextAlignment(Qt::AlignHCenter);
    question->setTextColor(QColor(254, 249, 248));
    question->setNumberOfLines(0);
    question->setAdjustsFontSizeToFitWidth(true);
    question->show();
    setCurrText(question);
    addSubmitButton();
    addOptionArea(question->frame().bottom() + outerMargin());
    showCurrItem();
}

void Word2WordVC::showCurrItem()
{
    if (!hasCurrentQuestion())
        return;
    const PhraseInfoPtr question = phraseInfos().at(currIndex());
    currText()->setText(m_foreign2Mother ? question->foreignText() : question->translationText());
    fillOptions(question, m_foreign2Mother);
}

void Word2WordVC::quizOver()
{
    BaseQuizViewController::quizOver();
    removeQuestionWidgets();
    TableView *table = addResultTable(m_foreign2Mother);
    const QRectF frame = table->frame();
    const qreal rows = resultRowH() * itemsCount();
    const qreal spare = frame.height() - rows;
    if (spare > 0) {
        table->setScrollEnabled(false);
        table->setFrame(QRectF(frame.x(), frame.y() + spare / 2, frame.width(), rows));
    }
}
