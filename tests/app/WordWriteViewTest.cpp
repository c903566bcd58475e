// The writing panel, opened from the card: its placement, the check (case-insensitive,
// otherwise exact) with its border colours and "kWriteCount", the Return key, Redo and
// closing.
#include "CardTestFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "app/PhraseCardVC.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "app/WordWriteView.h"

#include <QLineEdit>
#include <QTest>

namespace {
class WordWriteViewTest : public CardTestFixture
{
};
}

TEST_F(WordWriteViewTest, TheCardOpensThePanelAndEachRightCheckCountsOnce)
{
    const CategoryInfoPtr category = categoryWith(1);
    ASSERT_NE(category, nullptr);
    const PhraseInfoPtr phrase = category->phraseInfoList->first();
    ASSERT_FALSE(phrase->foreignText().isEmpty());
    PhraseCardVC card;
    card.setPhraseInfo(phrase);
    View *root = card.view();
    root->show();

    card.writeAction(card.writeBtn());
    WordWriteView *panel = card.wordWriteView();
    ASSERT_NE(panel, nullptr);
    const qreal W = root->bounds().width(), H = root->bounds().height();
    EXPECT_NEAR(panel->frame().x(), 0.05 * W, 1);
    EXPECT_NEAR(panel->frame().y(), 68, 1e-6);
    EXPECT_NEAR(panel->frame().width(), 0.9 * W, 1);
    EXPECT_NEAR(panel->frame().height(), 0.5 * H, 1);
    EXPECT_NEAR(panel->bodyView()->frame().y(), panel->headH(), 1e-6);
    EXPECT_TRUE(panel->titleText().isEmpty());
    ASSERT_NE(panel->maskV(), nullptr);
    EXPECT_EQ(panel->maskV()->parentWidget(), root);
    EXPECT_EQ(panel->phraseInfo(), phrase);
    EXPECT_TRUE(panel->wordLbl()->isHidden());
    EXPECT_EQ(panel->wordLbl()->text(), phrase->foreignText());
    EXPECT_FALSE(panel->redoBtn()->isEnabled());
    EXPECT_EQ(panel->fieldBorderColor(), QColor(85, 85, 85));
    EXPECT_NEAR(panel->redoBtn()->frame().bottom(), panel->frame().height(), 1);

    // Another letter case is right: green, counted, and counted again on a second check.
    const qint64 writes = AppCommon::getUserInfoCount(QStringLiteral("kWriteCount"));
    panel->textField()->setText(phrase->foreignText().toUpper());
    panel->submitAction(panel->submitBtn());
    EXPECT_FALSE(panel->wordLbl()->isHidden());
    EXPECT_FALSE(panel->textField()->isEnabled());
    EXPECT_TRUE(panel->redoBtn()->isEnabled());
    EXPECT_EQ(panel->fieldBorderColor(), QColor(Qt::green));
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kWriteCount")), writes + 1);
    panel->submitAction(panel->submitBtn());
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kWriteCount")), writes + 2);

    // Redo: back to writing, emptied.
    panel->redoAction(panel->redoBtn());
    EXPECT_TRUE(panel->wordLbl()->isHidden());
    EXPECT_TRUE(panel->textField()->isEnabled());
    EXPECT_TRUE(panel->textField()->text().isEmpty());
    EXPECT_FALSE(panel->redoBtn()->isEnabled());
    EXPECT_EQ(panel->fieldBorderColor(), QColor(85, 85, 85));

    // A missing final character is wrong; Return checks as Submit does.
    panel->textField()->setText(phrase->foreignText().chopped(1));
    QTest::keyClick(panel->textField(), Qt::Key_Return);
    EXPECT_EQ(panel->fieldBorderColor(), QColor(Qt::red));
    EXPECT_FALSE(panel->wordLbl()->isHidden());
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kWriteCount")), writes + 2);

    // The close button removes the panel and its mask.
    QPointer<View> mask = panel->maskV();
    Q_EMIT panel->closeButton()->touchUpInside(panel->closeButton());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(card.wordWriteView(), nullptr);
    EXPECT_TRUE(mask.isNull());
}
