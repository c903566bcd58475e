#pragma once

#include "content/PhraseInfo.h"
#include "platform/ui/View.h"

#include <QPointer>

class CategoryController;
class Label;

// One row of the category screen: the phrase's foreign text and, below it, its translation
// (no translation line when the learner's language is the content language, the text then
// filling the row). A tap opens the phrase (CategoryController::openWordCard). The row is
// marked while its voice plays: an orange edge on its left, drawn as a layer shadow that is
// prepared at setup and only made visible by setMarked(true).
//
// Thread: main thread. Failure: none; a row without a phrase shows nothing.
class PhraseInfoView : public View
{
    Q_OBJECT

public:
    explicit PhraseInfoView(const QRectF &frame, QWidget *parent = nullptr);

    void setup(const PhraseInfoPtr &phrase, bool isContentLanguage);
    void setMarked(bool marked);
    bool isMarked() const;

    PhraseInfoPtr phraseInfo() const { return m_phraseInfo; }
    Label *titleLbl() const { return m_titleLbl; }
    Label *translationLbl() const { return m_translationLbl; }
    CategoryController *vcDelegate() const { return m_vcDelegate; }
    void setVcDelegate(CategoryController *controller) { m_vcDelegate = controller; }
    qreal lblH() const { return m_lblH; }

    // The tap: forwards to the screen.
    void openWordCard();

private:
    Label *makeLabel(const QRectF &frame, const QString &text, const QColor &color);

    PhraseInfoPtr m_phraseInfo;
    Label *m_titleLbl = nullptr;
    Label *m_translationLbl = nullptr;
    QPointer<CategoryController> m_vcDelegate;
    qreal m_lblH = 0;
};
