// Views shown beyond their superview's bounds: drawn in full and touchable there, placed
// and reported in the superview's coordinates, following its moves, scrolling, visibility
// and destruction, and still cut off by an ancestor that clips.
#include "platform/ui/Button.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
QColor pixelAt(QWidget *window, const QPointF &point)
{
    return window->grab().toImage().pixelColor(point.toPoint());
}

// A black window with a strip along its bottom and a red view placed above the strip.
struct Scene
{
    View window{QRectF(0, 0, 200, 200)};
    View *strip = nullptr;
    QPointer<View> floating;

    Scene()
    {
        window.setBackgroundColor(Qt::black);
        strip = new View(QRectF(0, 150, 200, 50), &window);
        strip->setBackgroundColor(Qt::blue);
        floating = new View(QRectF(80, -35, 40, 30), strip);
        floating->setBackgroundColor(Qt::red);
        window.show();
    }
};
}

TEST(UnclippedViewTest, AViewAboveItsSuperviewShowsInFullAndFollowsIt)
{
    Scene scene;
    EXPECT_EQ(pixelAt(&scene.window, QPointF(100, 130)), QColor(Qt::black)) << "Qt clips it to the strip";

    ViewSupport::setShowsOutsideSuperview(scene.floating);
    EXPECT_EQ(ViewSupport::superview(scene.floating), scene.strip);
    EXPECT_EQ(ViewSupport::frame(scene.floating), QRectF(80, -35, 40, 30));
    EXPECT_EQ(pixelAt(&scene.window, QPointF(100, 120)), QColor(Qt::red));
    EXPECT_EQ(pixelAt(&scene.window, QPointF(100, 152)), QColor(Qt::blue));
    EXPECT_EQ(ViewSupport::convertToWindow(scene.floating, QPointF(0, 0)), QPointF(80, 115));

    // Placed in the superview's coordinates; it follows the superview when that moves.
    ViewSupport::setCenter(scene.floating, QPointF(30, -20));
    EXPECT_EQ(ViewSupport::frame(scene.floating), QRectF(10, -35, 40, 30));
    EXPECT_EQ(pixelAt(&scene.window, QPointF(30, 130)), QColor(Qt::red));
    scene.strip->setFrame(QRectF(0, 100, 200, 50));
    EXPECT_EQ(pixelAt(&scene.window, QPointF(30, 80)), QColor(Qt::red));
    EXPECT_EQ(pixelAt(&scene.window, QPointF(30, 130)), QColor(Qt::blue));

    // Hidden with its superview and on its own; shown again with both.
    scene.strip->hide();
    EXPECT_EQ(pixelAt(&scene.window, QPointF(30, 80)), QColor(Qt::black));
    scene.strip->show();
    EXPECT_EQ(pixelAt(&scene.window, QPointF(30, 80)), QColor(Qt::red));
    scene.floating->hide();
    EXPECT_EQ(pixelAt(&scene.window, QPointF(30, 80)), QColor(Qt::black));
    scene.floating->show();
    EXPECT_EQ(pixelAt(&scene.window, QPointF(30, 80)), QColor(Qt::red));

    // Destroyed with its superview.
    delete scene.strip;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(scene.floating.isNull());
    EXPECT_EQ(pixelAt(&scene.window, QPointF(30, 80)), QColor(Qt::black));
}

TEST(UnclippedViewTest, TouchesReachItOutsideTheSuperviewAndTheViewsBelowElsewhere)
{
    View window(QRectF(0, 0, 200, 200));
    auto *below = new Button(QRectF(0, 0, 200, 150), &window);
    auto *strip = new View(QRectF(0, 150, 200, 50), &window);
    auto *above = new Button(QRectF(80, -35, 40, 30), strip);
    ViewSupport::setShowsOutsideSuperview(above);
    window.show();
    QSignalSpy aboveTaps(above, &Button::touchUpInside);
    QSignalSpy belowTaps(below, &Button::touchUpInside);
    QWidget *atHint = window.childAt(QPoint(100, 130));
    ASSERT_NE(atHint, nullptr);
    QTest::mouseClick(atHint, Qt::LeftButton, {}, atHint->mapFrom(&window, QPoint(100, 130)));
    QWidget *elsewhere = window.childAt(QPoint(20, 20));
    ASSERT_NE(elsewhere, nullptr);
    QTest::mouseClick(elsewhere, Qt::LeftButton, {}, elsewhere->mapFrom(&window, QPoint(20, 20)));
    EXPECT_EQ(aboveTaps.size(), 1);
    EXPECT_EQ(belowTaps.size(), 1);
}

TEST(UnclippedViewTest, AnAncestorThatClipsStillCutsItOffAndScrollingMovesIt)
{
    View window(QRectF(0, 0, 200, 300));
    window.setBackgroundColor(Qt::black);
    auto *list = new ScrollView(QRectF(0, 100, 200, 150), &window);
    list->setContentSize(QSizeF(200, 600));
    auto *row = new View(QRectF(0, 60, 200, 40), list->contentView());
    auto *floating = new View(QRectF(50, -80, 40, 100), row);  // from 20 above the list to inside it
    floating->setBackgroundColor(Qt::red);
    ViewSupport::setShowsOutsideSuperview(floating);
    window.show();
    EXPECT_EQ(pixelAt(&window, QPointF(70, 110)), QColor(Qt::red)) << "above the row, inside the list";
    EXPECT_EQ(pixelAt(&window, QPointF(70, 90)), QColor(Qt::black)) << "the list clips";
    list->setContentOffset(QPointF(0, 30));
    EXPECT_EQ(pixelAt(&window, QPointF(70, 170)), QColor(Qt::black));
    EXPECT_EQ(pixelAt(&window, QPointF(70, 120)), QColor(Qt::red));
}
