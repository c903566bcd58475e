// The common widgets: pop-up base, closure button and gestures, aligned label, helpers.
#include "widgets/BlockButton.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ViewSupport.h"
#include "widgets/BlockGestures.h"
#include "platform/ui/DeviceProfile.h"
#include "widgets/FrameConstructors.h"
#include "widgets/GradientBackground.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "widgets/RelativeSize.h"
#include "platform/ui/ScrollView.h"
#include "widgets/Tools.h"
#include "widgets/ZQImageUtil.h"
#include "widgets/ZQLabel.h"
#include "widgets/ZQPopView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTextEdit>

TEST(ZQPopViewTest, MaskHeadAndClose)
{
    ZQPopView orphan(QRectF(0, 0, 200, 100));
    orphan.showMask();
    EXPECT_EQ(orphan.maskV(), nullptr) << "no parent, no mask";

    View screen(QRectF(0, 0, 320, 568));
    QPointer<ZQPopView> panel = new ZQPopView(QRectF(16, 68, 288, 300), &screen);
    EXPECT_EQ(panel->headH(), 40);
    panel->showMask();
    QPointer<View> mask = panel->maskV();
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->parentWidget(), &screen);
    EXPECT_EQ(mask->frame(), QRectF(0, 0, 320, 568));
    const QColor colour = mask->backgroundColor();
    EXPECT_NEAR(colour.redF(), 0.8, 0.01);
    EXPECT_NEAR(colour.alphaF(), 0.7, 0.01);
    EXPECT_EQ(screen.children().indexOf(panel.data()), screen.children().size() - 1) << "panel in front";

    panel->drawHead(QStringLiteral("Result"));
    ASSERT_NE(panel->titleLabel(), nullptr);
    EXPECT_EQ(panel->titleLabel()->frame(), QRectF(30, 0, 228, 40));
    EXPECT_EQ(panel->titleLabel()->font().pixelSize(), 20);
    EXPECT_EQ(panel->titleLabel()->parentWidget()->property("_pb_frame").toRectF(), QRectF(0, 0, 288, 40));
    ASSERT_NE(panel->closeButton(), nullptr);
    EXPECT_EQ(panel->closeButton()->frame(), QRectF(288 - 40 - 2, 0, 40, 40));
    EXPECT_FALSE(panel->closeButton()->image().isNull());

    screen.show();
    QTest::mouseClick(panel->closeButton(), Qt::LeftButton, {}, QPoint(20, 20));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mask.isNull());
    EXPECT_TRUE(panel.isNull());
    EXPECT_TRUE(screen.findChildren<View *>(Qt::FindDirectChildrenOnly).isEmpty());
}

TEST(BlockButtonTest, ActionAndHighlight)
{
    View parent(QRectF(0, 0, 200, 200));
    parent.show();
    auto *silent = new BlockButton(10, 10, 60, 40, &parent);
    silent->setBackgroundColor(Qt::white);
    silent->show();
    QTest::mousePress(silent, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(silent->highlightLayer()) << "no action: no darkening";
    QTest::mouseRelease(silent, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(silent->titleColor(Button::State::Normal), QColor(Qt::black));
    EXPECT_EQ(silent->titleColor(Button::State::Highlighted), QColor(Qt::blue));

    int presses = 0;
    auto *button = new BlockButton(QRectF(80, 10, 60, 40), [&](BlockButton *) { ++presses; }, &parent);
    // A round picture: only its pixels darken.
    QImage dot(20, 20, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    {
        QPainter painter(&dot);
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRect(0, 0, 20, 20));
    }
    button->setImage(dot);
    button->show();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 20));
    ASSERT_TRUE(button->highlightLayer());
    const QImage layer = *button->highlightLayer();
    EXPECT_EQ(qAlpha(layer.pixel(30, 20)), 128) << "black at 0.5 over the picture";
    EXPECT_EQ(qRed(layer.pixel(30, 20)), 0);
    EXPECT_EQ(qAlpha(layer.pixel(2, 2)), 0) << "clear where the button is clear";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(presses, 1);
    EXPECT_FALSE(button->highlightLayer());

    // Dragging far away removes the highlight; releasing there is no press.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 20));
    QMouseEvent away(QEvent::MouseMove, QPointF(30, 190), button->mapToGlobal(QPointF(30, 190)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &away);
    EXPECT_FALSE(button->highlightLayer());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 190));
    EXPECT_EQ(presses, 1);
}

TEST(BlockGesturesTest, ClosuresReceiveTheirRecognizer)
{
    View view(QRectF(0, 0, 200, 200));
    ViewSupport::setUserInteractionEnabled(&view, false);
    view.show();
    int taps = 0;
    BlockTap *tap = BlockGestures::addTapGesture(&view, 1, [&](BlockTap *recognizer) {
        taps += recognizer->numberOfTapsRequired();
    });
    EXPECT_TRUE(ViewSupport::isUserInteractionEnabled(&view));
    EXPECT_EQ(tap->view(), &view);
    EXPECT_EQ(tap->parent(), &view);
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(taps, 1);
    tap->tapAction = nullptr;
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(taps, 1) << "no closure, nothing happens";

    BlockSwipe *swipe = BlockGestures::addSwipeGesture(&view, SwipeGestureRecognizer::Left, 1, nullptr);
    EXPECT_EQ(swipe->direction(), SwipeGestureRecognizer::Directions(SwipeGestureRecognizer::Left));
    int pans = 0;
    BlockGestures::addPanGesture(&view, [&](BlockPan *) { ++pans; });
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 60), view.mapToGlobal(QPointF(10, 60)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(10, 60));
    EXPECT_EQ(pans, 2) << "began and ended";
    EXPECT_NE(BlockGestures::addPinchGesture(&view, nullptr), nullptr);
    EXPECT_NE(BlockGestures::addLongPressGesture(&view, nullptr), nullptr);
}

TEST(ZQLabelTest, VerticalAlignment)
{
    ZQLabel label(QRectF(10, 20, 200, 100));
    EXPECT_EQ(label.verticalAlignment(), VerticalAlignment::middle);
    EXPECT_EQ(label.textRect(), QRectF(10, 20, 200, 100)) << "the frame until drawn";
    label.setFont(Fonts::systemFont(20));
    label.setText(QStringLiteral("Hello"));
    const qreal height = label.textRectForBounds(label.bounds(), 1).height();
    label.setVerticalAlignment(VerticalAlignment::top);
    EXPECT_EQ(label.alignedTextRect(label.bounds()).top(), 0);
    label.setVerticalAlignment(VerticalAlignment::bottom);
    EXPECT_DOUBLE_EQ(label.alignedTextRect(label.bounds()).top(), 100 - height);
    label.setVerticalAlignment(VerticalAlignment::middle);
    EXPECT_DOUBLE_EQ(label.alignedTextRect(label.bounds()).top(), (100 - height) / 2);
    QImage canvas(200, 100, QImage::Format_ARGB32_Premultiplied);
    label.render(&canvas);
    EXPECT_DOUBLE_EQ(label.textRect().top(), (100 - height) / 2) << "where it was drawn";

    // Text as tall as the bounds: bottom alignment draws at the top.
    ZQLabel tight(QRectF(0, 0, 200, height));
    tight.setFont(Fonts::systemFont(20));
    tight.setText(QStringLiteral("Hello"));
    tight.setVerticalAlignment(VerticalAlignment::bottom);
    EXPECT_DOUBLE_EQ(tight.alignedTextRect(tight.bounds()).top(), 0);
}

TEST(HelpersTest, ColoursSizesAndImages)
{
    const QColor orange = Tools::getUIColorFromRGB(0xFF8000);
    EXPECT_DOUBLE_EQ(orange.redF(), 1.0);
    EXPECT_NEAR(orange.greenF(), 128 / 255.0, 1e-6);
    EXPECT_DOUBLE_EQ(orange.blueF(), 0.0);
    EXPECT_DOUBLE_EQ(orange.alphaF(), 1.0);
    EXPECT_EQ(Tools::getUIColorFromRGB(0x12345678).red(), 0x34) << "only the three low bytes";
    EXPECT_FALSE(Tools::getDevicePlatform().isEmpty());

    QImage picture(30, 30, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(2.0);
    picture.fill(Qt::red);
    Screen::setDevice(*DeviceProfile::preset(QStringLiteral("se")));
    EXPECT_DOUBLE_EQ(RelativeSize::getRelativeWidthBy320(100), 100);
    EXPECT_DOUBLE_EQ(RelativeSize::getRelativeHeightBy568(56.8), 56.8);
    EXPECT_EQ(ZQImageUtil::adjustImage(picture).devicePixelRatio(), 2.0) << "unchanged on a phone";
    Screen::setDevice(*DeviceProfile::preset(QStringLiteral("tablet")));
    EXPECT_DOUBLE_EQ(RelativeSize::getRelativeWidthBy320(100), 240);
    EXPECT_NEAR(RelativeSize::getRelativeHeightBy568(568), 1024, 1e-9);
    const QImage adjusted = ZQImageUtil::adjustImage(picture);
    EXPECT_EQ(adjusted.devicePixelRatio(), 1.0) << "scale 1 on a tablet";
    EXPECT_EQ(adjusted.size(), QSize(15, 15)) << "at its point size";
    EXPECT_EQ(adjusted.pixelColor(7, 7), QColor(Qt::red));
    Screen::setDevice(DeviceProfile::defaultProfile());
    EXPECT_EQ(Tools::scaleImage(QImage(), QSizeF(10, 10)).isNull(), true);
}

TEST(HelpersTest, FrameConstructorsAndGradient)
{
    View parent(QRectF(0, 0, 320, 568));
    View *view = FrameConstructors::viewWithX(1, 2, 30, 40, &parent);
    EXPECT_EQ(view->frame(), QRectF(1, 2, 30, 40));
    EXPECT_EQ(view->parentWidget(), &parent);
    EXPECT_EQ(FrameConstructors::imageViewWithX(0, 0, 10, 10)->frame(), QRectF(0, 0, 10, 10));
    QLineEdit *field = FrameConstructors::textFieldWithX(10, 10, 200, 30, &parent);
    EXPECT_EQ(ViewSupport::frame(field), QRectF(10, 10, 200, 30));
    EXPECT_EQ(field->font().pixelSize(), 17);
    EXPECT_TRUE(field->alignment() & Qt::AlignLeft);
    FrameConstructors::setLeftPadding(field, 12);
    EXPECT_EQ(field->textMargins().left(), 12);
    QTextEdit *text = FrameConstructors::textViewWithX(10, 50, 200, 100, &parent);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    delete FrameConstructors::imageViewWithX(0, 0, 1, 1);

    GradientBackground::setGradientBackground(&parent, QColor(39, 64, 139), QColor(46, 139, 87), QRectF(0, 0, 320, 568));
    ASSERT_EQ(parent.gradientLayers().size(), 1);
    QImage canvas(320, 568, QImage::Format_RGB32);
    parent.render(&canvas, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    EXPECT_EQ(canvas.pixelColor(5, 0), QColor(39, 64, 139));
    EXPECT_NEAR(canvas.pixelColor(5, 567).green(), 139, 2);
    // On a scroll view the gradient stays behind the content: scrolled to the end, the list
    // still shows it from top to bottom rather than a flat band.
    ScrollView scroll(QRectF(0, 0, 100, 100));
    scroll.setContentSize(QSizeF(100, 400));
    GradientBackground::setGradientBackground(&scroll, Qt::red, Qt::blue, QRectF(0, 0, 100, 100));
    scroll.setContentOffset(QPointF(0, 300));
    QImage scrolled(100, 100, QImage::Format_RGB32);
    scroll.render(&scrolled);
    EXPECT_GT(scrolled.pixelColor(50, 1).red(), 240);
    EXPECT_GT(scrolled.pixelColor(50, 98).blue(), 240);
}
