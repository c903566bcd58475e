// Text drawn by labels and buttons (rendered without a window background, on black): a coloured run inside a label's line, and button titles
// that wrap and shrink to fit.
#include "platform/ui/AttributedLabel.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {
// Columns of `image` holding a pixel close to `color`.
QList<int> columnsWith(const QImage &image, const QColor &color)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - color.red()) < 40 && qAbs(pixel.green() - color.green()) < 40
                && qAbs(pixel.blue() - color.blue()) < 40) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

// Rows of `image` holding any pixel brighter than the black background.
int inkedRows(const QImage &image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() > 100) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}
}

TEST(AttributedLabelTest, TheRunIsDrawnInItsOwnColourBetweenTheRestOfTheText)
{
    AttributedLabel label(QRectF(0, 0, 200, 30));
    label.setFont(Fonts::systemFont(20));
    label.setTextColor(Qt::white);
    label.setText(QStringLiteral("Score: 30/100"));
    label.setTextRun({7, 2, QColor(255, 0, 0), std::nullopt});
    EXPECT_EQ(label.colorAt(6), QColor(Qt::white));
    EXPECT_EQ(label.colorAt(7), QColor(255, 0, 0));
    EXPECT_EQ(label.colorAt(9), QColor(Qt::white));

    QImage image(200, 30, QImage::Format_ARGB32);
    image.fill(Qt::black);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QList<int> red = columnsWith(image, QColor(255, 0, 0));
    const QList<int> white = columnsWith(image, Qt::white);
    ASSERT_FALSE(red.isEmpty());
    ASSERT_FALSE(white.isEmpty());
    // "Score: " before the red digits, "/100" after them.
    EXPECT_LT(white.first(), red.first());
    EXPECT_GT(white.last(), red.last());

    // A run reaching past the text is cut; without a run everything is white.
    label.setTextRun({11, 10, QColor(255, 0, 0), Fonts::boldSystemFont(24)});
    image.fill(Qt::black);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_FALSE(columnsWith(image, QColor(255, 0, 0)).isEmpty());
    label.clearTextRun();
    image.fill(Qt::black);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_TRUE(columnsWith(image, QColor(255, 0, 0)).isEmpty());
}

TEST(ButtonTitleTest, AMultiLineTitleWrapsAndShrinksUntilItFits)
{
    const QString title = QStringLiteral("Could you tell me the way to the nearest railway station, please?");
    Button button(QRectF(0, 0, 200, 45));
    button.setTitleFont(Fonts::systemFont(18));
    button.setTitleColor(Qt::white);
    button.setTitle(title);
    button.setTitleAdjustsFontSizeToFitWidth(true);

    // One line: shrunk as far as it goes, then cut.
    const int singleLine = button.fittedTitleFont().pixelSize();
    EXPECT_LT(singleLine, 18);

    button.setTitleNumberOfLines(0);
    button.setTitleEdgeInsets(QMarginsF(8, 2, 8, 2));
    const QFont wrapped = button.fittedTitleFont();
    EXPECT_LT(wrapped.pixelSize(), 18) << "the title does not fit 45 points at 18";
    EXPECT_GT(wrapped.pixelSize(), singleLine) << "wrapping leaves room for a larger font than one line";
    const QSizeF needed = Label::measureText(title, wrapped, Qt::AlignLeft, 200 - 16, 0);
    EXPECT_LE(needed.height(), 41.0 + 0.01);

    QImage image(200, 45, QImage::Format_ARGB32);
    image.fill(Qt::black);
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_GT(inkedRows(image), QFontMetricsF(wrapped).height() * 1.2) << "more than one line is drawn";
    // The insets stay clear.
    for (int y = 0; y < 45; ++y) {
        EXPECT_LT(image.pixelColor(2, y).lightness(), 100) << y;
        EXPECT_LT(image.pixelColor(197, y).lightness(), 100) << y;
    }

    // A short title keeps its font.
    button.setTitle(QStringLiteral("Yes"));
    EXPECT_EQ(button.fittedTitleFont().pixelSize(), 18);
}
