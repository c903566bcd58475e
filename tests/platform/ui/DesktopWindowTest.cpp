// The resizable desktop window: the phone interface scales uniformly to fit (its views keep
// their point geometry), touches land through the scale, the bands beside it show the
// gradient, Ctrl+plus / minus / 0 zoom, and the size is remembered.
#include "platform/ui/Button.h"
#include "platform/ui/DesktopWindow.h"
#include "platform/ui/GestureRecognizers.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "platform/ui/Window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
class DesktopWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DesktopWindow::setSizeStoreForTesting([this](const QSize &size) { stored = size; },
                                              [this] { return remembered; });
        window = std::make_unique<Window>(QRectF(0, 0, 200, 300));
        button = new Button(QRectF(50, 100, 40, 40), window.get());
        button->setBackgroundColor(Qt::red);
        shadowed = new View(QRectF(120, 200, 40, 40), window.get());
        shadowed->setBackgroundColor(Qt::green);
        ViewSupport::setShadow(shadowed, Qt::black, QPointF(2, 2), 2, 1);
    }
    void TearDown() override { DesktopWindow::setSizeStoreForTesting({}, {}); }

    std::unique_ptr<Window> window;
    Button *button = nullptr;
    View *shadowed = nullptr;
    QSize stored;
    QSize remembered;
};
}

TEST_F(DesktopWindowTest, AtTwiceTheSizeTheInterfaceKeepsItsPointsAndTakesTouchesThroughTheScale)
{
    auto desktop = std::make_unique<DesktopWindow>(window.get());
    desktop->setLetterboxGradient(Qt::blue, Qt::green);
    desktop->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(desktop.get()));
    EXPECT_EQ(desktop->size(), QSize(200, 300));
    EXPECT_DOUBLE_EQ(desktop->scale(), 1.0);

    desktop->zoomTo(2.0);
    EXPECT_EQ(desktop->size(), QSize(400, 600));
    EXPECT_DOUBLE_EQ(desktop->scale(), 2.0);
    EXPECT_EQ(ViewSupport::frame(button), QRectF(50, 100, 40, 40));
    EXPECT_EQ(window->size(), QSize(200, 300));
    EXPECT_EQ(desktop->mapFromPhone(QPointF(70, 120)), QPointF(140, 240));
    const QImage shot = desktop->grab().toImage();
    EXPECT_EQ(shot.pixelColor(105, 205), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(175, 275), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(95, 195), QColor(Qt::red));
    // A view drawn through a graphics effect (a shadow) is drawn whole at the scale too.
    EXPECT_EQ(shot.pixelColor(245, 405), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(315, 475), QColor(Qt::green));

    QSignalSpy taps(button, &Button::touchUpInside);
    QTest::mouseClick(desktop->viewport(), Qt::LeftButton, {}, QPoint(140, 240));
    EXPECT_EQ(taps.size(), 1);
    QTest::mouseClick(desktop->viewport(), Qt::LeftButton, {}, QPoint(70, 120));  // (35, 60): beside it
    EXPECT_EQ(taps.size(), 1);

    // A wider window: the same scale, centred, the gradient in the bands.
    desktop->resize(600, 600);
    EXPECT_DOUBLE_EQ(desktop->scale(), 2.0);
    EXPECT_EQ(desktop->mapFromPhone(QPointF(0, 0)), QPointF(100, 0));
    const QImage wide = desktop->grab().toImage();
    EXPECT_GT(wide.pixelColor(20, 2).blue(), 240);
    EXPECT_LT(wide.pixelColor(20, 2).green(), 10);
    EXPECT_GT(wide.pixelColor(20, 597).green(), 240);
}

TEST_F(DesktopWindowTest, ZoomKeysAndTheRememberedSize)
{
    QPointer<Window> phone = window.get();
    {
        DesktopWindow desktop(window.get());
        desktop.show();
        QTest::keyClick(&desktop, Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_EQ(desktop.size(), QSize(250, 375));
        QTest::keyClick(&desktop, Qt::Key_Equal, Qt::ControlModifier);
        EXPECT_DOUBLE_EQ(desktop.scale(), 1.5);
        QTest::keyClick(&desktop, Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(desktop.size(), QSize(200, 300));
        QTest::keyClick(&desktop, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(&desktop, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(&desktop, Qt::Key_Minus, Qt::ControlModifier);
        EXPECT_EQ(desktop.size(), QSize(100, 150)) << "0.5x is the smallest";
        desktop.resize(330, 450);
    }
    // Closing stores the size and hands the window back, unparented.
    EXPECT_EQ(stored, QSize(330, 450));
    ASSERT_FALSE(phone.isNull());
    EXPECT_EQ(phone->parentWidget(), nullptr);

    remembered = QSize(400, 600);
    DesktopWindow again(window.get());
    again.show();
    EXPECT_EQ(again.size(), QSize(400, 600));
    EXPECT_DOUBLE_EQ(again.scale(), 2.0);
}

TEST_F(DesktopWindowTest, GesturesOfTheEmbeddedViewsRecogniseThroughTheScale)
{
    auto *tile = new View(QRectF(20, 20, 60, 60), window.get());
    auto *tap = new TapGestureRecognizer;
    tap->attachTo(tile);
    QSignalSpy taps(tap, &GestureRecognizer::triggered);
    DesktopWindow desktop(window.get());
    desktop.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop));
    desktop.zoomTo(2.0);
    QTest::mouseClick(desktop.viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::qWait(400);  // a single tap is told once no second one can follow
    EXPECT_GE(taps.size(), 1);
}
