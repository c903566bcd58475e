// The desktop keys and the accessibility tree on the installed catalogue: Space plays and
// pauses, Backspace and Alt+Left go back, Return submits and Escape closes the top pop-up,
// a pop-up or alert keeps keys from the screen below, a text field keeps its own keys; and
// every icon-only button is a named push button (its tooltip the same name) that a screen
// reader can press.
#include "WindowFixture.h"

#include "app/CategoryView.h"
#include "app/PhraseInfoView.h"
#include "app/WordWriteView.h"
#include "audio/ZQListPlayerBoxView.h"
#include "platform/media/AudioPlayer.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>

namespace {
class KeyboardTest : public WindowFixture
{
protected:
    void key(QWidget *target, Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, code, modifiers);
        nav->finishTransition();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Every push button shown in the window, by accessible name.
    QList<QAccessibleInterface *> visibleButtons() const
    {
        QList<QAccessibleInterface *> found;
        QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(window.get())};
        while (!pending.isEmpty()) {
            QAccessibleInterface *node = pending.takeFirst();
            if (!node || node->state().invisible)
                continue;
            if (node->role() == QAccessible::Button)
                found.append(node);
            for (int i = 0; i < node->childCount(); ++i)
                pending.append(node->child(i));
        }
        return found;
    }
    QStringList buttonNames() const
    {
        QStringList names;
        for (QAccessibleInterface *button : visibleButtons())
            names << button->text(QAccessible::Name);
        return names;
    }
};
}

TEST_F(KeyboardTest, SpacePlaysAndBackspaceOrAltLeftGoesBack)
{
    CategoryController *category = openCategory();
    ASSERT_NE(category, nullptr);
    ZQListPlayerBoxView *player = category->playerBoxView();
    key(window.get(), Qt::Key_Space);
    EXPECT_EQ(player->playStatus(), 1);
    key(window.get(), Qt::Key_Space);
    EXPECT_EQ(player->playStatus(), 3);

    // On the card Space pauses the phrase's voice and resumes it.
    PhraseCardVC *card = openCard(category);
    ASSERT_NE(card, nullptr);
    ASSERT_NE(card->audioPlayer(), nullptr);
    EXPECT_TRUE(card->audioPlayer()->isPlaying());
    key(window.get(), Qt::Key_Space);
    EXPECT_FALSE(card->audioPlayer()->isPlaying());
    key(window.get(), Qt::Key_Space);
    EXPECT_TRUE(card->audioPlayer()->isPlaying());

    key(window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(nav->topViewController(), category);
    key(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(nav->topViewController(), main);
    key(window.get(), Qt::Key_Backspace);  // the root stays
    EXPECT_EQ(nav->topViewController(), main);
}

TEST_F(KeyboardTest, ReturnSubmitsEscapeClosesAndAPopUpKeepsKeysFromTheScreen)
{
    PhraseCardVC *card = openCard(openCategory());
    ASSERT_NE(card, nullptr);
    card->writeAction(card->writeBtn());
    QPointer<WordWriteView> panel = card->wordWriteView();
    ASSERT_NE(panel, nullptr);
    QLineEdit *field = panel->textField();

    // The field keeps its own keys: Backspace edits, it does not leave the card.
    QTest::keyClicks(field, QStringLiteral("ab"));
    key(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QStringLiteral("a"));
    EXPECT_EQ(nav->topViewController(), card);

    // Return in the field submits once.
    const qint64 writes = AppCommon::getUserInfoCount(QStringLiteral("kWriteCount"));
    field->setText(card->phraseInfo()->foreignText());
    key(field, Qt::Key_Return);
    EXPECT_EQ(panel->fieldBorderColor(), QColor(Qt::green));
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kWriteCount")), writes + 1);

    // With the panel shown, keys meant for the card do nothing; Escape closes the panel.
    key(window.get(), Qt::Key_Backspace);
    key(window.get(), Qt::Key_Space);
    EXPECT_EQ(nav->topViewController(), card);
    key(field, Qt::Key_Escape);
    EXPECT_TRUE(panel.isNull());
    key(window.get(), Qt::Key_Backspace);
    EXPECT_NE(nav->topViewController(), card);
}

TEST_F(KeyboardTest, EscapeIsTheAlertsCancelButton)
{
    CategoryController *category = openCategory();
    AlertView *alert = AlertView::alert(QString(), QStringLiteral("Sure?"), QStringLiteral("Cancel"), {QStringLiteral("OK")});
    QSignalSpy clicked(alert, &AlertView::clicked);
    const int cancel = alert->cancelButtonIndex();  // the alert deletes itself once closed
    alert->show(window.get());
    key(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(nav->topViewController(), category) << "the alert keeps the key from the screen";
    key(window.get(), Qt::Key_Escape);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked.first().first().toInt(), cancel);
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
}

TEST_F(KeyboardTest, EveryIconButtonIsANamedPushButtonForScreenReadersAndTooltips)
{
    const auto expectAllNamed = [this]() {
        for (QAccessibleInterface *button : visibleButtons()) {
            const QString name = button->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << button->object()->metaObject()->className();
            if (auto *widget = qobject_cast<Button *>(button->object()); widget && widget->title().isEmpty()) {
                EXPECT_EQ(widget->toolTip(), name);
            }
        }
    };
    EXPECT_TRUE(buttonNames().contains(QStringLiteral("Settings")));
    EXPECT_TRUE(buttonNames().contains(QStringLiteral("Quizzes")));
    expectAllNamed();

    CategoryController *category = openCategory();
    for (const char *name : {"Back", "Quizzes", "Stop", "Previous phrase", "Slower", "Play", "Faster", "Next phrase",
                             "Play the list once"})
        EXPECT_TRUE(buttonNames().contains(QLatin1String(name))) << name;
    expectAllNamed();
    category->playerBoxView()->play(category->playerBoxView()->playButton());
    EXPECT_TRUE(buttonNames().contains(QStringLiteral("Pause")));
    category->playerBoxView()->switchPlayModel(category->playerBoxView()->playModelSwitchButton());
    EXPECT_TRUE(buttonNames().contains(QStringLiteral("Repeat this phrase")));

    PhraseCardVC *card = openCard(category);
    for (const char *name : {"Play the phrase", "Hold to record your voice", "Write the phrase", "Hide the phrase",
                             "Previous phrase", "Next phrase"})
        EXPECT_TRUE(buttonNames().contains(QLatin1String(name))) << name;
    expectAllNamed();

    // A screen reader presses the eye: the phrase hides and the button's name follows.
    QAccessibleInterface *eye = QAccessible::queryAccessibleInterface(card->lookBtn());
    ASSERT_NE(eye, nullptr);
    ASSERT_TRUE(eye->actionInterface());
    eye->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(card->phraseLbl()->isHidden());
    EXPECT_EQ(eye->text(QAccessible::Name), QStringLiteral("Show the phrase"));
    // A disabled button says so.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(card->lastItemBtn())->state().disabled);

    // The names are the learner's language.
    ASSERT_TRUE(Localization::install(QStringLiteral("fr")));
    card->showAction(card->lookBtn());
    EXPECT_EQ(card->lookBtn()->accessibilityLabel(), QStringLiteral("Masquer la phrase"));
}
