// Frames, labels, scroll views, device presets.
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SystemUi.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"

#include <gtest/gtest.h>

#include <QGraphicsEffect>
#include <QImage>

TEST(DeviceProfileTest, PresetsAndScreen)
{
    const auto notch = DeviceProfile::preset(QStringLiteral("notch"));
    ASSERT_TRUE(notch);
    EXPECT_EQ(notch->size, QSizeF(375, 812));
    EXPECT_EQ(notch->safeAreaInsets, QMarginsF(0, 44, 0, 34));
    EXPECT_EQ(DeviceProfile::preset(QStringLiteral("se"))->size, QSizeF(320, 568));
    EXPECT_EQ(DeviceProfile::preset(QStringLiteral("tablet"))->safeAreaInsets, QMarginsF());
    EXPECT_FALSE(DeviceProfile::preset(QStringLiteral("watch")));
    EXPECT_EQ(DeviceProfile::defaultProfile().name, QStringLiteral("phone"));
    Screen::setDevice(*notch);
    EXPECT_EQ(Screen::bounds(), QRectF(0, 0, 375, 812));
    Screen::setDevice(DeviceProfile::defaultProfile());
    EXPECT_EQ(Screen::width(), 375);
}

TEST(ViewSupportTest, ExactFramesShareRoundedEdges)
{
    View parent(QRectF(0, 0, 320, 568));
    // Two tiles of 133.33 points with a margin of 17.78 between them.
    const qreal m = 320.0 / 18.0;
    const qreal w = (320.0 - 3 * m) / 2.0;
    View first(QRectF(m, m, w, w), &parent);
    View second(QRectF(m + w + m, m, w, w), &parent);
    EXPECT_EQ(first.frame(), QRectF(m, m, w, w)) << "the exact frame is kept";
    EXPECT_EQ(first.geometry(), QRect(18, 18, 133, 133));
    EXPECT_EQ(second.geometry().left(), int(std::lround(2 * m + w)));
    EXPECT_EQ(second.geometry().right() + 1, int(std::lround(2 * m + 2 * w)));
    // After a plain move the geometry is the truth.
    first.move(5, 6);
    EXPECT_EQ(first.frame(), QRectF(5, 6, 133, 133));

    View child(QRectF(10.5, 20.25, 30, 40), &second);
    const QPointF centre = ViewSupport::centerInWindow(&child);
    EXPECT_DOUBLE_EQ(centre.x(), 2 * m + w + 10.5 + 15);
    EXPECT_DOUBLE_EQ(centre.y(), m + 20.25 + 20);
    ViewSupport::setTag(&child, 7);
    EXPECT_EQ(ViewSupport::viewWithTag(&parent, 7), &child);
    EXPECT_EQ(ViewSupport::viewWithTag(&parent, 8), nullptr);
}

TEST(ViewSupportTest, ShadowAndAlpha)
{
    View view(QRectF(0, 0, 50, 50));
    EXPECT_EQ(ViewSupport::shadowOpacity(&view), 0.0);
    ViewSupport::setAlpha(&view, 0.8);
    EXPECT_DOUBLE_EQ(ViewSupport::alpha(&view), 0.8);
    ViewSupport::setShadow(&view, QColor(210, 105, 30), QPointF(-2, 0), 0, 0);
    EXPECT_EQ(ViewSupport::shadowOpacity(&view), 0.0);
    ViewSupport::setShadowOpacity(&view, 1);
    EXPECT_EQ(ViewSupport::shadowOpacity(&view), 1.0);
    ASSERT_NE(view.graphicsEffect(), nullptr);
    EXPECT_TRUE(view.graphicsEffect()->isEnabled());
}

TEST(LabelTest, ShrinksToFitAndPlacesText)
{
    Label label(QRectF(0, 0, 100, 30));
    label.setFont(Fonts::systemFont(20));
    label.setText(QStringLiteral("A rather long title that cannot fit"));
    EXPECT_EQ(label.fittedFont().pixelSize(), 20) << "no shrinking unless asked";
    label.setAdjustsFontSizeToFitWidth(true);
    const int fitted = label.fittedFont().pixelSize();
    EXPECT_LT(fitted, 20);
    EXPECT_LE(QFontMetricsF(label.fittedFont()).horizontalAdvance(label.text()), 100.01);
    QFont larger = label.fittedFont();
    larger.setPixelSize(fitted + 1);
    EXPECT_GT(QFontMetricsF(larger).horizontalAdvance(label.text()), 100.0) << "the largest size that fits";

    label.setText(QStringLiteral("Hi"));
    label.setTextAlignment(Qt::AlignHCenter);
    const QRectF centred = label.textRectForBounds(label.bounds(), 1);
    EXPECT_NEAR(centred.center().x(), 50.0, 0.01);
    EXPECT_EQ(centred.top(), 0.0);
    label.setTextAlignment(Qt::AlignRight);
    EXPECT_NEAR(label.textRectForBounds(label.bounds(), 1).right(), 100.0, 0.01);

    // Any number of lines: wrapped text shrinks until every line fits the height.
    Label multi(QRectF(0, 0, 120, 40));
    multi.setFont(Fonts::systemFont(30));
    multi.setNumberOfLines(0);
    multi.setAdjustsFontSizeToFitWidth(true);
    multi.setText(QStringLiteral("Food and Drink for everyone"));
    const QRectF text = multi.textRectForBounds(multi.bounds(), 0);
    EXPECT_LE(text.height(), 40.01);
    EXPECT_LT(multi.fittedFont().pixelSize(), 30);
}

TEST(ScrollViewTest, OffsetsStayInRange)
{
    ScrollView scroll(QRectF(0, 0, 320, 400));
    scroll.setContentSize(QSizeF(320, 1000));
    EXPECT_EQ(scroll.maximumContentOffset(), QPointF(0, 600));
    scroll.setContentOffset(QPointF(0, 900));
    EXPECT_EQ(scroll.contentOffset(), QPointF(0, 600));
    scroll.setContentOffset(QPointF(-5, -20));
    EXPECT_EQ(scroll.contentOffset(), QPointF(0, 0));
    EXPECT_EQ(scroll.contentView()->frame().topLeft(), QPointF(0, 0));
    // The least scroll that shows a row fully.
    scroll.scrollRectToVisible(QRectF(0, 450, 320, 90));
    EXPECT_EQ(scroll.contentOffset(), QPointF(0, 140));
    EXPECT_EQ(scroll.contentView()->frame().topLeft(), QPointF(0, -140));
    scroll.scrollRectToVisible(QRectF(0, 100, 320, 90));
    EXPECT_EQ(scroll.contentOffset(), QPointF(0, 100));
    scroll.scrollRectToVisible(QRectF(0, 150, 320, 90));
    EXPECT_EQ(scroll.contentOffset(), QPointF(0, 100)) << "already visible";
    // Content shorter than the view does not scroll.
    scroll.setContentSize(QSizeF(320, 200));
    EXPECT_EQ(scroll.contentOffset(), QPointF(0, 0));
    EXPECT_EQ(scroll.contentView()->frame().size(), QSizeF(320, 400));
}

TEST(SystemUiTest, RecordsTheChromeCalls)
{
    SystemUi::reset();
    SystemUi::setStatusBarHidden(true, false);
    SystemUi::setIdleTimerDisabled(true);
    EXPECT_TRUE(SystemUi::isStatusBarHidden());
    EXPECT_TRUE(SystemUi::isIdleTimerDisabled());
    EXPECT_FALSE(SystemUi::isReceivingRemoteControlEvents());
    EXPECT_EQ(SystemUi::calls(), (QStringList{"setStatusBarHidden(true,false)", "setIdleTimerDisabled(true)"}));
}

TEST(ActivityIndicatorTest, TurnsOnlyWhileAnimating)
{
    View parent(QRectF(0, 0, 100, 100));
    auto *spinner = new ActivityIndicatorView(ActivityIndicatorView::Style::WhiteLarge, &parent);
    spinner->setFrame(QRectF(25, 25, 50, 50));
    parent.show();
    EXPECT_FALSE(spinner->isVisible());
    spinner->startAnimating();
    EXPECT_TRUE(spinner->isAnimating());
    EXPECT_TRUE(spinner->isVisible());
    QImage picture(50, 50, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    spinner->render(&picture);
    int white = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            white += qAlpha(picture.pixel(x, y)) > 128 && qRed(picture.pixel(x, y)) > 200;
    EXPECT_GT(white, 30) << "white spokes are drawn";
    spinner->stopAnimating();
    EXPECT_FALSE(spinner->isAnimating());
    EXPECT_FALSE(spinner->isVisible());
}
