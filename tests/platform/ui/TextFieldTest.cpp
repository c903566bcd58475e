// The text field: the editing cycle its delegate sees, the return key, clearing on begin,
// and its border.
#include "platform/ui/TextField.h"
#include "platform/ui/View.h"

#include <gtest/gtest.h>

#include <QTest>

#include <memory>

namespace {
class Owner : public TextFieldDelegate
{
public:
    bool textFieldShouldBeginEditing(TextField *) override
    {
        calls << QStringLiteral("shouldBegin");
        return allowEditing;
    }
    void textFieldDidBeginEditing(TextField *field) override { calls << QStringLiteral("didBegin:") + field->text(); }
    bool textFieldShouldReturn(TextField *field) override
    {
        calls << QStringLiteral("return:") + field->text();
        return true;
    }
    void textFieldDidEndEditing(TextField *) override { calls << QStringLiteral("didEnd"); }

    bool allowEditing = true;
    QStringList calls;
};
}

TEST(TextFieldTest, TakingTheKeyboardAsksTheDelegateAndClearsTheFieldWhenAsked)
{
    View window(QRectF(0, 0, 300, 200));
    auto *field = new TextField(QRectF(10, 20, 200, 40), &window);
    Owner owner;
    field->setDelegate(&owner);
    field->setText(QStringLiteral("old answer"));

    owner.allowEditing = false;
    EXPECT_FALSE(field->becomeFirstResponder());
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(field->text(), QStringLiteral("old answer"));
    EXPECT_EQ(owner.calls, QStringList{QStringLiteral("shouldBegin")});

    owner.calls.clear();
    owner.allowEditing = true;
    field->setClearsOnBeginEditing(true);
    EXPECT_TRUE(field->becomeFirstResponder());
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_EQ(field->text(), QString()) << "cleared before the delegate hears that editing began";
    EXPECT_EQ(owner.calls, (QStringList{QStringLiteral("shouldBegin"), QStringLiteral("didBegin:")}));

    // Taking it again while editing changes nothing; typed text stays.
    field->setText(QStringLiteral("typed"));
    EXPECT_TRUE(field->becomeFirstResponder());
    EXPECT_EQ(field->text(), QStringLiteral("typed"));
    EXPECT_EQ(owner.calls.size(), 2);

    // Disabling ends editing, and a disabled field cannot take the keyboard.
    field->setEnabled(false);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(owner.calls.last(), QStringLiteral("didEnd"));
    EXPECT_FALSE(field->becomeFirstResponder());
    field->setEnabled(true);
    EXPECT_TRUE(field->becomeFirstResponder());
    owner.calls.clear();
    field->resignFirstResponder();
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(owner.calls, QStringList{QStringLiteral("didEnd")});
}

TEST(TextFieldTest, TheReturnKeyGoesToTheDelegateAndAFocusTapBeginsEditing)
{
    View window(QRectF(0, 0, 300, 200));
    auto *field = new TextField(QRectF(10, 20, 200, 40), &window);
    auto *other = new TextField(QRectF(10, 100, 200, 40), &window);
    auto owner = std::make_unique<Owner>();
    field->setDelegate(owner.get());
    field->setClearsOnBeginEditing(true);
    field->setReturnKeyType(TextField::ReturnKeyType::Done);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClicks(field, QStringLiteral("Hello"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(owner->calls.last(), QStringLiteral("return:Hello"));

    // Focus arriving by a click begins editing (and clears); leaving for another field ends it.
    field->clearFocus();
    owner->calls.clear();
    field->setText(QStringLiteral("left over"));
    QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_EQ(field->text(), QString());
    EXPECT_EQ(owner->calls, (QStringList{QStringLiteral("shouldBegin"), QStringLiteral("didBegin:")}));
    other->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(owner->calls.last(), QStringLiteral("didEnd"));

    // A delegate that is gone is not called.
    owner.reset();
    EXPECT_EQ(field->delegate(), nullptr);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(field->becomeFirstResponder());
}

TEST(TextFieldTest, TheBorderIsDrawnInItsColourAndWidth)
{
    TextField field(QRectF(0, 0, 120, 40));
    field.setBackgroundColor(Qt::white);
    field.setBorder(2, QColor(85, 85, 85));
    EXPECT_EQ(field.borderWidth(), 2.0);
    QImage image(120, 40, QImage::Format_ARGB32);
    image.fill(Qt::black);
    field.render(&image);
    EXPECT_EQ(image.pixelColor(0, 20), QColor(85, 85, 85));
    EXPECT_EQ(image.pixelColor(1, 20), QColor(85, 85, 85));
    EXPECT_EQ(image.pixelColor(60, 1), QColor(85, 85, 85));
    EXPECT_EQ(image.pixelColor(4, 20), QColor(Qt::white));
    field.setBorder(2, Qt::red);
    image.fill(Qt::black);
    field.render(&image);
    EXPECT_EQ(image.pixelColor(0, 20), QColor(Qt::red));
}
