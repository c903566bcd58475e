// The slider and the wheel picker.
#include "platform/foundation/Clock.h"
#include "platform/ui/GestureRecognizers.h"
#include "platform/ui/Label.h"
#include "platform/ui/PickerView.h"
#include "platform/ui/Slider.h"
#include "platform/ui/View.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {
void drag(QWidget *widget, QPoint from, const QList<QPoint> &path, ManualClock *clock = nullptr)
{
    // Each move is an event of its own (the gesture dispatcher drops repeats of one event).
    static quint64 timestamp = 1000000;
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    for (const QPoint &point : path) {
        if (clock)
            clock->advance(100);
        QMouseEvent move(QEvent::MouseMove, QPointF(point), widget->mapToGlobal(QPointF(point)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        move.setTimestamp(++timestamp);
        QApplication::sendEvent(widget, &move);
    }
    if (clock)
        clock->advance(100);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, path.isEmpty() ? from : path.last());
}

void turnWheel(QWidget *widget, QPoint angle, QPoint pixels = QPoint())
{
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent event(at, widget->mapToGlobal(at), pixels, angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(widget, &event);
}

class SliderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = std::make_unique<View>(QRectF(0, 0, 320, 100));
        // 153 points wide: the thumb's centre travels 125 points, from x 14 to x 139.
        slider = new Slider(QRectF(10, 20, 153, 50), root.get());
        slider->setMinimumValue(0.2f);
        slider->setMaximumValue(2.0f);
        slider->setValue(1.0f);
        root->show();
    }
    qreal thumbX(float value) const { return 14 + (value - 0.2) / 1.8 * 125; }

    std::unique_ptr<View> root;
    Slider *slider = nullptr;
};

class Rows : public PickerViewDelegate
{
public:
    explicit Rows(int count) : count(count) {}
    int numberOfRowsInComponent(PickerView *, int) override { return count; }
    QWidget *viewForRow(PickerView *, int row, int, QWidget *reusing) override
    {
        auto *label = qobject_cast<Label *>(reusing);
        if (!label)
            label = new Label(QRectF(0, 0, 200, 40));
        label->setTextAlignment(Qt::AlignHCenter);
        label->setFont(QFont(label->font().family(), 24));
        label->setText(QStringLiteral("row %1").arg(row));
        ++made;
        return label;
    }
    qreal rowHeightForComponent(PickerView *, int) override { return 40; }
    qreal widthForComponent(PickerView *, int) override { return 200; }
    void didSelectRow(PickerView *, int row, int) override { selected << row; }

    int count;
    int made = 0;
    QList<int> selected;
};

class PickerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setInstance(&clock);
        root = std::make_unique<View>(QRectF(0, 0, 320, 300));
        root->setBackgroundColor(Qt::white);
        picker = new PickerView(QRectF(0, 40, 320, 216), root.get());
        picker->setDelegate(&rows);
        picker->setShowsSelectionIndicator(true);
        root->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(root.get()));
    }
    void TearDown() override
    {
        root.reset();
        Clock::setInstance(nullptr);
    }
    bool waitUntilResting() { return QTest::qWaitFor([this] { return !picker->isTurning(); }, 3000); }

    ManualClock clock;
    Rows rows{59};
    std::unique_ptr<View> root;
    PickerView *picker = nullptr;
};
}

TEST_F(SliderTest, DraggingTheThumbReportsEveryChange)
{
    QSignalSpy changed(slider, &Slider::valueChanged);
    EXPECT_NEAR(slider->thumbRect().center().x(), thumbX(1.0f), 0.01);
    // Grabbing the thumb off its centre keeps that offset while dragging.
    const int grab = int(thumbX(1.0f)) + 3 + 10;
    drag(slider, QPoint(grab - 10, 25), {QPoint(grab + 10 - 10, 25), QPoint(grab + 30 - 10, 25)});
    ASSERT_GE(changed.count(), 2);
    EXPECT_NEAR(slider->value(), 1.0f + 30 / 125.0f * 1.8f, 0.02f);
    // Pressing the track moves the thumb there; past the end the value stays at the maximum.
    changed.clear();
    drag(slider, QPoint(20, 25), {QPoint(400, 25)});
    EXPECT_FLOAT_EQ(slider->value(), 2.0f);
    EXPECT_GE(changed.count(), 2);
    // A programmatic value is clamped and reported to nobody.
    changed.clear();
    slider->setValue(-5.0f);
    EXPECT_FLOAT_EQ(slider->value(), 0.2f);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(SliderTest, NonContinuousReportsOnceOnReleaseAndWheelSteps)
{
    slider->setContinuous(false);
    QSignalSpy changed(slider, &Slider::valueChanged);
    const int start = int(thumbX(1.0f));
    drag(slider, QPoint(start, 25), {QPoint(start + 20, 25), QPoint(start + 40, 25), QPoint(start + 50, 25)});
    EXPECT_EQ(changed.count(), 1);
    const float afterDrag = slider->value();
    EXPECT_GT(afterDrag, 1.0f);
    // A wheel notch up moves a twentieth of the range.
    turnWheel(slider, QPoint(0, 120));
    EXPECT_NEAR(slider->value(), afterDrag + 0.09f, 1e-4);
    EXPECT_EQ(changed.count(), 2);
    // A press that does not move the value reports nothing.
    slider->setValue(2.0f);
    changed.clear();
    drag(slider, QPoint(int(thumbX(2.0f)), 25), {});
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(PickerTest, SelectsByProgramAndDrawsRowsOnTheWheel)
{
    EXPECT_EQ(picker->numberOfRowsInComponent(0), 59);
    EXPECT_EQ(picker->selectedRowInComponent(0), 0);
    picker->selectRow(10, 0, false);
    EXPECT_EQ(picker->selectedRowInComponent(0), 10);
    EXPECT_TRUE(rows.selected.isEmpty()) << "selecting by program tells the delegate nothing";
    picker->selectRow(500, 0, false);
    EXPECT_EQ(picker->selectedRowInComponent(0), 58) << "clamped to the last row";
    picker->selectRow(10, 0, false);

    auto *label = qobject_cast<Label *>(picker->viewForRow(10, 0));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("row 10"));
    EXPECT_EQ(picker->viewForRow(59, 0), nullptr);
    // The band in the middle holds the selected row; the rows next to it lie above and below.
    EXPECT_EQ(picker->rowAtPoint(QPointF(160, 108)), 10);
    EXPECT_EQ(picker->rowAtPoint(QPointF(160, 108 - 40)), 9);
    EXPECT_EQ(picker->rowAtPoint(QPointF(160, 108 + 40)), 11);
    EXPECT_EQ(picker->rowAtPoint(QPointF(160, 0)), -1) << "the drum's edge shows no row";

    // The row views are painted by the picker: the middle band holds dark text pixels,
    // the outer parts of the band (outside the 200-point column) none.
    const QImage image = picker->grab().toImage();
    const auto darkPixels = [&image](int x0, int x1, int y0, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x)
                count += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        }
        return count;
    };
    EXPECT_GT(darkPixels(60, 260, 92, 124), 20);
    EXPECT_EQ(darkPixels(0, 55, 92, 107), 0);
}

TEST_F(PickerTest, DragWheelKeysAndTapsComeToRestOnARow)
{
    // A slow drag two rows up (80 points) rests on row 2 and tells the delegate once.
    // The pointer rests before it lifts, so nothing glides on.
    drag(picker, QPoint(160, 150), {QPoint(160, 140), QPoint(160, 110), QPoint(160, 80), QPoint(160, 70), QPoint(160, 70)},
         &clock);
    ASSERT_TRUE(waitUntilResting());
    EXPECT_EQ(picker->selectedRowInComponent(0), 2);
    EXPECT_DOUBLE_EQ(picker->offset(), 80.0);
    EXPECT_EQ(rows.selected, QList<int>{2});
    // Dragging down past the first row rests on the first row.
    drag(picker, QPoint(160, 50), {QPoint(160, 70), QPoint(160, 150), QPoint(160, 200), QPoint(160, 200)}, &clock);
    ASSERT_TRUE(waitUntilResting());
    EXPECT_EQ(picker->selectedRowInComponent(0), 0);
    EXPECT_EQ(rows.selected, (QList<int>{2, 0}));

    // Two wheel notches down move two rows on, even before the first glide ends.
    turnWheel(picker, QPoint(0, -120));
    turnWheel(picker, QPoint(0, -120));
    ASSERT_TRUE(waitUntilResting());
    EXPECT_EQ(picker->selectedRowInComponent(0), 2);
    QTest::keyClick(picker, Qt::Key_Up);
    ASSERT_TRUE(waitUntilResting());
    EXPECT_EQ(picker->selectedRowInComponent(0), 1);

    // A tap on the row below the band turns the wheel to it.
    rows.selected.clear();
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(160, 108 + 40));
    ASSERT_TRUE(waitUntilResting());
    EXPECT_EQ(picker->selectedRowInComponent(0), 2);
    EXPECT_EQ(rows.selected, QList<int>{2});
}

TEST_F(PickerTest, ReloadReusesViewsAndClampsTheSelection)
{
    picker->selectRow(40, 0, false);
    QPointer<QWidget> kept = picker->viewForRow(3, 0);
    QPointer<QWidget> dropped = picker->viewForRow(40, 0);
    rows.count = 5;
    picker->reloadAllComponents();
    EXPECT_EQ(picker->selectedRowInComponent(0), 4);
    EXPECT_EQ(picker->viewForRow(3, 0), kept.data()) << "the delegate returned the offered view";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dropped.isNull()) << "views of rows that are gone are destroyed";

    rows.count = 0;
    picker->reloadAllComponents();
    EXPECT_EQ(picker->selectedRowInComponent(0), -1);
    EXPECT_EQ(picker->rowAtPoint(QPointF(160, 108)), -1);
    turnWheel(picker, QPoint(0, -120));
    EXPECT_FALSE(picker->isTurning());
}
