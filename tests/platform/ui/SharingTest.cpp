// Opening addresses, the share panel and the mail composer stand-in.
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/MailComposer.h"
#include "platform/ui/SharePanel.h"
#include "platform/ui/UrlOpener.h"
#include "platform/ui/Window.h"
#include "support/UrlCatcher.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

namespace {
class SharingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Screen::setDevice(DeviceProfile::defaultProfile());
        window = std::make_unique<Window>(QRectF(0, 0, 375, 667));
        window->makeKeyAndVisible();
    }
    void TearDown() override
    {
        for (AlertView *alert : AlertView::visibleAlerts())
            alert->clickButton(0);
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Screen::setDevice(DeviceProfile::defaultProfile());
    }
    void failMail() { catcher.setFailing(QStringLiteral("mailto"), true); }

    std::unique_ptr<Window> window;
    UrlCatcher catcher;
};

QString queryValue(const QUrl &url, const QString &key)
{
    return QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded);
}
}

TEST_F(SharingTest, OpeningAnAddressAlertsOnlyWhenNothingOpensIt)
{
    const QUrl page(QStringLiteral("https://phrasebook-trainer.org/us/apps"));
    EXPECT_TRUE(UrlOpener::openOrAlert(page));
    EXPECT_EQ(catcher.opened, QList<QUrl>{page});
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());

    EXPECT_FALSE(UrlOpener::openOrAlert(QUrl(QStringLiteral("no-scheme-here"))));
    ASSERT_EQ(AlertView::visibleAlerts().size(), 1);
    EXPECT_TRUE(AlertView::visibleAlerts().first()->message().contains(QStringLiteral("no-scheme-here")));
    AlertView::visibleAlerts().first()->clickButton(0);

    failMail();
    EXPECT_FALSE(UrlOpener::openOrAlert(QUrl(QStringLiteral("mailto:a@b.c")), QStringLiteral("No mail program")));
    ASSERT_EQ(AlertView::visibleAlerts().size(), 1);
    EXPECT_EQ(AlertView::visibleAlerts().first()->message(), QStringLiteral("No mail program"));
}

TEST_F(SharingTest, HtmlBodyBecomesTextLinesAndTheMailtoAddressCarriesIt)
{
    const QString html = QStringLiteral("<br/><br/><br/><br/><br/><hr/><span>V1.2/x86_64/debian 12</span>"
                                        "<br/><a href=\"https://p.org/us/app\" > https://p.org/us/app </a>");
    EXPECT_EQ(MailComposer::plainTextFromHtml(html),
              QStringLiteral("\n\n\n\n\n----------\nV1.2/x86_64/debian 12\nhttps://p.org/us/app"));
    EXPECT_EQ(MailComposer::plainTextFromHtml(QStringLiteral("<p>a &amp; b &lt;c&gt;</p>x  ")),
              QStringLiteral("a & b <c>\nx"));

    // Spaces, ampersands, question marks and line breaks survive the trip through the address.
    const QString subject = QStringLiteral("Tips & tricks? Oui, très");
    const QString body = QStringLiteral("line one\nline=two&three");
    const QUrl mail = MailComposer::mailtoUrl({QStringLiteral("support@phrasebook-trainer.org")}, subject, body);
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(mail.path(), QStringLiteral("support@phrasebook-trainer.org"));
    EXPECT_EQ(queryValue(mail, QStringLiteral("subject")), subject);
    EXPECT_EQ(queryValue(mail, QStringLiteral("body")), QStringLiteral("line one\r\nline=two&three"));
    EXPECT_FALSE(mail.toEncoded().contains('+')) << "spaces are %20 in a mailto: address, never +";
}

TEST_F(SharingTest, ComposerReportsSentFailedAndCancelled)
{
    ASSERT_TRUE(MailComposer::canSendMail());
    auto *composer = new MailComposer;
    composer->setToRecipients({QStringLiteral("support@phrasebook-trainer.org")});
    composer->setSubject(QStringLiteral("Some advices on the APP"));
    composer->setMessageBody(QStringLiteral("<br/>V1<br/>"), true);
    EXPECT_EQ(composer->messageBody(), QStringLiteral("\nV1\n"));
    QSignalSpy finished(composer, &MailComposer::finished);
    ASSERT_TRUE(composer->present());
    EXPECT_EQ(composer->geometry(), window->rect());
    // The learner writes above the version line, then sends.
    QTextCursor cursor = composer->bodyEditor()->textCursor();
    cursor.movePosition(QTextCursor::Start);
    composer->bodyEditor()->setTextCursor(cursor);
    QTest::keyClicks(composer->bodyEditor(), QStringLiteral("Great app"));
    QTest::mouseClick(composer->sendButton(), Qt::LeftButton, {}, composer->sendButton()->rect().center());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().first().value<MailComposer::Result>(), MailComposer::Result::Sent);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(queryValue(catcher.opened.first(), QStringLiteral("body")), QStringLiteral("Great app\r\nV1\r\n"));
    // Once finished, further presses report nothing.
    composer->cancel();
    EXPECT_EQ(finished.count(), 1);
    QPointer<MailComposer> gone = composer;
    composer->dismiss();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());

    failMail();
    auto *failing = new MailComposer;
    QSignalSpy failed(failing, &MailComposer::finished);
    ASSERT_TRUE(failing->present(window.get()));
    failing->send();
    failing->cancel();  // a failed hand-over leaves the composer open: it may still be cancelled
    ASSERT_EQ(failed.count(), 2);
    EXPECT_EQ(failed.at(0).first().value<MailComposer::Result>(), MailComposer::Result::Failed);
    EXPECT_EQ(failed.at(1).first().value<MailComposer::Result>(), MailComposer::Result::Cancelled);
    failing->dismiss();
}

TEST_F(SharingTest, SheetSharesTheLinkByClipboardOrMail)
{
    const QUrl link(QStringLiteral("https://phrasebook-trainer.org/fr/app"));
    auto *sheet = new SharePanel(QStringLiteral("Learn phrases"), link, QImage(60, 60, QImage::Format_ARGB32));
    QSignalSpy finished(sheet, &SharePanel::finished);
    ASSERT_TRUE(sheet->show());
    EXPECT_FALSE(sheet->isPopover());
    const QRect panel = sheet->panel()->geometry();
    EXPECT_EQ(panel.width(), 375 - 16);
    EXPECT_GT(panel.top(), 667 / 2) << "at the bottom";
    EXPECT_LT(panel.bottom(), sheet->cancelButton()->mapTo(sheet, QPoint(0, 0)).y()) << "Cancel below it";
    sheet->copyLinkButton()->setFocus();
    QTest::mouseClick(sheet->copyLinkButton(), Qt::LeftButton, {}, sheet->copyLinkButton()->rect().center());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().first().value<SharePanel::Activity>(), SharePanel::Activity::CopyLink);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), link.toString());
    EXPECT_TRUE(SharePanel::visiblePanels().isEmpty());

    auto *mailing = new SharePanel(QStringLiteral("Learn phrases"), link, QImage());
    ASSERT_TRUE(mailing->show(window.get()));
    mailing->sendByMail();
    ASSERT_EQ(catcher.opened.size(), 1);
    const QUrl mail = catcher.opened.first();
    EXPECT_EQ(queryValue(mail, QStringLiteral("subject")), QStringLiteral("Learn phrases"));
    EXPECT_EQ(queryValue(mail, QStringLiteral("body")), QStringLiteral("Learn phrases\r\n\r\n") + link.toString());

    // A tap on the mask cancels.
    auto *cancelled = new SharePanel(QStringLiteral("m"), link, QImage());
    QSignalSpy cancelSpy(cancelled, &SharePanel::finished);
    ASSERT_TRUE(cancelled->show());
    QTest::mouseClick(cancelled, Qt::LeftButton, {}, QPoint(187, 40));
    ASSERT_EQ(cancelSpy.count(), 1);
    EXPECT_EQ(cancelSpy.first().first().value<SharePanel::Activity>(), SharePanel::Activity::None);
}

TEST_F(SharingTest, PopoverPointsAtItsAnchor)
{
    Screen::setDevice(*DeviceProfile::preset(QStringLiteral("tablet")));
    auto tablet = std::make_unique<Window>(QRectF(0, 0, 768, 1024));
    auto *popover = new SharePanel(QStringLiteral("m"), QUrl(QStringLiteral("https://x.org")), QImage());
    QSignalSpy finished(popover, &SharePanel::finished);
    ASSERT_TRUE(popover->showAsPopover(QPointF(384, 512), tablet.get()));
    EXPECT_TRUE(popover->isPopover());
    const QRect panel = popover->panel()->geometry();
    EXPECT_EQ(panel.width(), 320);
    EXPECT_NEAR(panel.center().x(), 384, 1);
    EXPECT_EQ(panel.top(), 512 + 13) << "below the anchor, past the arrow";
    EXPECT_DOUBLE_EQ(popover->arrowRect().center().x(), 384);
    EXPECT_DOUBLE_EQ(popover->arrowRect().top(), 512);
    EXPECT_EQ(popover->cancelButton(), nullptr) << "a popover closes by a tap outside";
    // Near the bottom it opens above its anchor instead.
    auto *low = new SharePanel(QStringLiteral("m"), QUrl(QStringLiteral("https://x.org")), QImage());
    ASSERT_TRUE(low->showAsPopover(QPointF(700, 1000), tablet.get()));
    EXPECT_EQ(low->panel()->geometry().bottom() + 1, 1000 - 13);
    EXPECT_LE(low->panel()->geometry().right(), 768 - 8);
    low->cancel();

    QTest::mouseClick(popover, Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().first().value<SharePanel::Activity>(), SharePanel::Activity::None);
    tablet.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
