// One voiceprint panel: its geometry on a small phone and a tablet, the spectrogram view's
// size and painting (played part faded), following the player with scrolling, and the
// reset one second after the end of the file without holding the event loop.
#include "ViewsTestFixture.h"

#include "platform/media/AudioPlayer.h"
#include "platform/ui/ScrollView.h"
#include "speech/views/ZQAudioSpectrumView.h"
#include "audio/ZQPlayerBoxView.h"
#include "speech/views/ZQSpectrumPanel.h"

namespace {
class SpectrumPanelTest : public ViewsTestFixture
{
};

void expectRect(const QRectF &actual, const QRectF &expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-3);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-3);
    EXPECT_NEAR(actual.width(), expected.width(), 1e-3);
    EXPECT_NEAR(actual.height(), expected.height(), 1e-3);
}
}

TEST_F(SpectrumPanelTest, GeometryScalesWithTheScreen)
{
    {
        ZQSpectrumPanel panel(QRectF(0, 0, 300, 168));
        EXPECT_FLOAT_EQ(panel.asMargin(), 5.0f);
        EXPECT_FLOAT_EQ(panel.asHeight(), 128.0f);
        expectRect(panel.asContainer()->frame(), QRectF(5, 5, 290, 128));
        expectRect(panel.asView()->frame(), QRectF(0, 0, 290, 128));
        expectRect(panel.playerBoxView()->frame(), QRectF(0, 138, 300, 30));
        EXPECT_EQ(panel.backgroundColor(), QColor(255, 128, 0));
        EXPECT_EQ(panel.asContainer()->backgroundColor(), QColor(Qt::white));
        EXPECT_FALSE(panel.asContainer()->bounces());
        EXPECT_EQ(panel.playerBoxView()->delegate(), &panel);
        EXPECT_TRUE(panel.needRun());
    }
    useDevice(QStringLiteral("tablet"));
    ZQSpectrumPanel panel(QRectF(0, 0, 700, 400));
    const double margin = 1024.0 * 5 / 568, height = 1024.0 * 128 / 568;
    EXPECT_NEAR(panel.asMargin(), margin, 1e-4);
    EXPECT_NEAR(panel.asHeight(), height, 1e-3);
    expectRect(panel.asContainer()->frame(), QRectF(margin, margin, 700 - 2 * margin, height));
    expectRect(panel.playerBoxView()->frame(), QRectF(0, 2 * margin + height, 700, 72));

    // The spectrogram is as wide as the utterance has frames, screen height x 128 / 568 high.
    panel.setSpectrum(sine(QStringLiteral("voice"), 1.0), blackSpectrum(1000));
    expectRect(panel.asView()->frame(), QRectF(0, 0, 1000, height));
    EXPECT_NEAR(panel.asContainer()->contentSize().width(), 1000, 1e-3);
    EXPECT_EQ(panel.playerBoxView()->audioFileList().size(), 1);
    EXPECT_EQ(panel.playerBoxView()->currItemIndex(), 0);
    // A narrow one leaves the content as wide as the scroller.
    panel.setSpectrum(panel.asView()->audioFilePath(), blackSpectrum(50));
    EXPECT_NEAR(panel.asContainer()->contentSize().width(), 700 - 2 * margin, 1e-3);
}

TEST_F(SpectrumPanelTest, EmptySpectrumShowsNoImageAndPlayedPartIsFadedAtPaintTime)
{
    ZQSpectrumPanel panel(QRectF(0, 0, 300, 168));
    ZQAudioSpectrumView *view = panel.asView();
    panel.setSpectrum(folder + QStringLiteral("/missing.wav"), AudioPowerSpectrumInfo());
    EXPECT_EQ(view->genereateRGBAData(), -1);
    EXPECT_TRUE(view->rgbaData().isNull());
    expectRect(view->frame(), QRectF(0, 0, 290, 128));  // keeps its frame
    QImage empty = panel.asContainer()->grab().toImage();
    EXPECT_EQ(empty.pixelColor(100, 64), QColor(Qt::white));

    view->setPowerSpectrumInfo(blackSpectrum(200));
    ASSERT_EQ(view->genereateRGBAData(), 0);
    EXPECT_FLOAT_EQ(view->spectrumWidth(), 200.0f);
    EXPECT_FLOAT_EQ(view->spectrumHeight(), 128.0f);
    view->setPlayProgress(0.5f);
    const QImage shown = panel.asContainer()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Played columns (x < 100): black at alpha 127 over white; the rest black.
    EXPECT_NEAR(qRed(shown.pixel(50, 64)), 128, 2);
    EXPECT_NEAR(qRed(shown.pixel(99, 10)), 128, 2);
    EXPECT_EQ(qRed(shown.pixel(100, 64)), 0);
    EXPECT_EQ(qRed(shown.pixel(199, 64)), 0);
    EXPECT_EQ(qRed(shown.pixel(250, 64)), 255);  // beyond the image: the white scroller
    // The image itself is not altered by painting.
    EXPECT_EQ(view->rgbaData().pixelColor(50, 64).alpha(), 255);
}

TEST_F(SpectrumPanelTest, ProgressFollowsThePlayerScrollsAndResetsOneSecondAfterTheEnd)
{
    ZQSpectrumPanel panel(QRectF(0, 0, 300, 168));
    panel.setSpectrum(sine(QStringLiteral("rec"), 3.0), blackSpectrum(600));
    ZQPlayerBoxView *box = panel.playerBoxView();
    press(box->playButton());
    ASSERT_EQ(box->playStatus(), 1);

    clock.advance(1000);
    EXPECT_NEAR(panel.asView()->playProgress(), 1.0 / 3.0, 0.04);
    EXPECT_EQ(panel.asContainer()->contentOffset().x(), 0);  // x = 200 still visible
    clock.advance(600);  // x = 320 > 290: the view scrolls to the play head
    const double offset = panel.asContainer()->contentOffset().x();
    EXPECT_GT(offset, 290);
    EXPECT_NEAR(offset, 600 * panel.asView()->playProgress(), 25);

    // Without needRun the panel ignores the ticks.
    panel.setNeedRun(false);
    const float frozen = panel.asView()->playProgress();
    clock.advance(500);
    EXPECT_EQ(panel.asView()->playProgress(), frozen);
    panel.setNeedRun(true);

    clock.advance(1000);  // past the end at 3 s
    EXPECT_EQ(box->playStatus(), 0);
    // The reset waits on a timer (the event loop runs meanwhile), not in a blocking wait.
    ASSERT_TRUE(panel.isFinishResetPending());
    EXPECT_GT(panel.asView()->playProgress(), 0.9f);
    clock.advance(1000);
    EXPECT_FALSE(panel.isFinishResetPending());
    EXPECT_EQ(panel.asView()->playProgress(), 0.0f);
    EXPECT_EQ(panel.asContainer()->contentOffset().x(), 0);

    // Stopping resets at once; starting again within the second cancels the pending reset.
    press(box->playButton());
    clock.advance(500);
    press(box->stopButton());
    EXPECT_EQ(panel.asView()->playProgress(), 0.0f);
    EXPECT_EQ(box->playStatus(), 2);
    press(box->playButton());
    clock.advance(3100);
    ASSERT_TRUE(panel.isFinishResetPending());
    press(box->playButton());
    EXPECT_FALSE(panel.isFinishResetPending());
    clock.advance(1200);
    EXPECT_EQ(box->playStatus(), 1);
    EXPECT_GT(panel.asView()->playProgress(), 0.3f);
}
