// In-window alerts and action sheets over a dimming mask.
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/Window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
class AlertTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<Window>(QRectF(0, 0, 320, 568));
        window->makeKeyAndVisible();
    }
    std::unique_ptr<Window> window;
};
}

TEST_F(AlertTest, AlertCoversTheWindowAndReportsTheButton)
{
    QPointer<AlertView> alert = AlertView::alert(QString(), QStringLiteral("Are you sure?"), QStringLiteral("Cancel"),
                                                 {QStringLiteral("OK")});
    alert->setTag(4001);
    EXPECT_EQ(alert->cancelButtonIndex(), 0);
    EXPECT_EQ(alert->numberOfButtons(), 2);
    ASSERT_TRUE(alert->show());
    EXPECT_EQ(alert->parentWidget(), window.get());
    EXPECT_EQ(alert->geometry(), window->rect()) << "the mask covers the window";
    EXPECT_EQ(AlertView::visibleAlerts(), QList<AlertView *>{alert.data()});
    const QRect panel = alert->panel()->geometry();
    EXPECT_EQ(panel.width(), 270);
    EXPECT_NEAR(panel.center().x(), 160, 1);
    EXPECT_NEAR(panel.center().y(), 284, 1);
    // The two buttons sit side by side, the cancel button first.
    Button *cancel = alert->button(0);
    Button *ok = alert->button(1);
    EXPECT_LT(cancel->geometry().x(), ok->geometry().x());
    EXPECT_EQ(cancel->geometry().y(), ok->geometry().y());

    QSignalSpy clicked(alert.data(), &AlertView::clicked);
    QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.first().first().toInt(), 1);
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alert.isNull());
}

TEST_F(AlertTest, ActionSheetCancelsOnTheMask)
{
    auto *sheet = new AlertView(QStringLiteral("Share"), QString(), AlertView::Style::ActionSheet);
    sheet->addButton(QStringLiteral("Mail"));
    sheet->addButton(QStringLiteral("Copy"));
    sheet->setCancelButtonIndex(sheet->addButton(QStringLiteral("Cancel")));
    ASSERT_TRUE(sheet->show(window.get()));
    const QRect panel = sheet->panel()->geometry();
    EXPECT_GT(panel.top(), 568 / 2) << "at the bottom";
    EXPECT_EQ(panel.width(), 320 - 16);
    QSignalSpy clicked(sheet, &AlertView::clicked);
    QTest::mouseClick(sheet, Qt::LeftButton, {}, QPoint(160, 40));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.first().first().toInt(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(AlertWithoutWindowTest, ShowFailsWithoutAWindow)
{
    ASSERT_EQ(Window::keyWindow(), nullptr);
    QPointer<AlertView> alert = AlertView::alert(QStringLiteral("T"), QStringLiteral("M"), QStringLiteral("OK"));
    EXPECT_FALSE(alert->show());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alert.isNull());
}
