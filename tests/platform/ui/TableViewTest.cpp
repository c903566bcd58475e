// The table view: section layout, separators, footer, row taps and selection, scrolling.
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/ViewSupport.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {
// Two sections: "Sounds" with rows of 40 and 60 points, then an untitled one of two 44-point
// rows; each cell tagged 100 x section + row.
class Source : public TableViewDataSource, public TableViewDelegate
{
public:
    int numberOfSectionsInTableView(TableView *) override { return 2; }
    int numberOfRowsInSection(TableView *, int) override { return 2; }
    TableViewCell *cellForRowAtIndexPath(TableView *, const IndexPath &path) override
    {
        auto *cell = new TableViewCell(path.section == 1 ? TableViewCell::Style::Value1 : TableViewCell::Style::Default);
        cell->textLabel()->setText(QStringLiteral("Row %1.%2").arg(path.section).arg(path.row));
        ViewSupport::setTag(cell, 100 * path.section + path.row);
        if (path.row == 1)
            cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
        return cell;
    }
    qreal heightForRowAtIndexPath(TableView *table, const IndexPath &path) override
    {
        if (path.section == 0)
            return path.row == 0 ? 40 : 60;
        return table->rowHeight();
    }
    QString titleForHeaderInSection(TableView *, int section) override
    {
        return section == 0 ? QStringLiteral("Sounds") : QString();
    }
    void didSelectRowAtIndexPath(TableView *, const IndexPath &path) override { selected.append(path); }

    QList<IndexPath> selected;
};

class TableViewTest : public ::testing::Test
{
protected:
    std::unique_ptr<TableView> makeTable(TableView::Style style, qreal height = 400)
    {
        auto table = std::make_unique<TableView>(QRectF(0, 0, 300, height), style);
        table->setDataSource(&source);
        table->setDelegate(&source);
        table->reloadData();
        return table;
    }
    void tap(TableView *table, const QPointF &contentPoint)
    {
        QWidget *content = table->contentView();
        QTest::mousePress(content, Qt::LeftButton, {}, contentPoint.toPoint());
        QTest::mouseRelease(content, Qt::LeftButton, {}, contentPoint.toPoint());
    }
    Source source;
};
}

TEST_F(TableViewTest, PlainSectionsStackTheirTitleAndRowsAndTheFooterEndsTheContent)
{
    auto table = makeTable(TableView::Style::Plain);
    table->setTableFooterView(new View(QRectF(0, 0, 0, 12)));
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(table->rectForRowAtIndexPath({0, 0}), QRectF(0, 28, 300, 40));
    EXPECT_EQ(table->rectForRowAtIndexPath({0, 1}), QRectF(0, 68, 300, 60));
    EXPECT_EQ(table->rectForRowAtIndexPath({1, 0}), QRectF(0, 128, 300, 44));
    EXPECT_EQ(table->rectForRowAtIndexPath({1, 1}), QRectF(0, 172, 300, 44));
    EXPECT_EQ(ViewSupport::frame(table->tableFooterView()), QRectF(0, 216, 300, 12));
    EXPECT_EQ(table->contentSize(), QSizeF(300, 228));

    TableViewCell *first = table->cellForRowAtIndexPath({0, 0});
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ViewSupport::frame(first), QRectF(0, 28, 300, 40));
    EXPECT_EQ(ViewSupport::tag(table->cellForRowAtIndexPath({1, 1})), 101);
    EXPECT_EQ(first->backgroundColor(), QColor(Qt::white));
    // A line under every row but the last of its section.
    EXPECT_TRUE(first->isSeparatorVisible());
    EXPECT_FALSE(table->cellForRowAtIndexPath({0, 1})->isSeparatorVisible());
    EXPECT_TRUE(table->cellForRowAtIndexPath({1, 0})->isSeparatorVisible());
    table->setSeparatorStyle(TableView::SeparatorStyle::None);
    EXPECT_FALSE(first->isSeparatorVisible());

    EXPECT_EQ(table->indexPathForRowAtPoint(QPointF(10, 27)), std::nullopt) << "the section title is no row";
    EXPECT_EQ(table->indexPathForRowAtPoint(QPointF(10, 130)), std::optional<IndexPath>(IndexPath{1, 0}));
    EXPECT_EQ(table->indexPathForCell(table->cellForRowAtIndexPath({1, 1})), std::optional<IndexPath>(IndexPath{1, 1}));
    EXPECT_EQ(table->cellForRowAtIndexPath({2, 0}), nullptr);

    // A reload asks again: the old cells go.
    QPointer<TableViewCell> old = first;
    table->reloadData();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    EXPECT_NE(table->cellForRowAtIndexPath({0, 0}), nullptr);
}

TEST_F(TableViewTest, GroupedSectionsOpenWithAGapAndTitleValueRowsSplitTheirWidth)
{
    auto table = makeTable(TableView::Style::Grouped);
    EXPECT_EQ(table->rectForRowAtIndexPath({0, 0}).top(), TableView::kGroupedTitledGap);
    EXPECT_EQ(table->rectForRowAtIndexPath({1, 0}).top(), TableView::kGroupedTitledGap + 100 + TableView::kGroupedGap);
    EXPECT_NE(table->backgroundColor(), QColor(Qt::transparent));

    TableViewCell *value = table->cellForRowAtIndexPath({1, 0});
    ASSERT_NE(value->detailTextLabel(), nullptr);
    EXPECT_EQ(table->cellForRowAtIndexPath({0, 0})->detailTextLabel(), nullptr);
    const QRectF title = ViewSupport::frame(value->textLabel());
    const QRectF detail = ViewSupport::frame(value->detailTextLabel());
    EXPECT_DOUBLE_EQ(title.left(), TableViewCell::kTextInset);
    EXPECT_DOUBLE_EQ(detail.left(), title.right());
    EXPECT_DOUBLE_EQ(detail.right(), 300 - TableViewCell::kTextInset);
    // The disclosure arrow takes its room from the content.
    value->setAccessoryType(TableViewCell::AccessoryType::DisclosureIndicator);
    EXPECT_DOUBLE_EQ(ViewSupport::frame(value->contentView()).width(), 300 - TableViewCell::kAccessoryWidth);
    EXPECT_DOUBLE_EQ(ViewSupport::frame(value->detailTextLabel()).right(), 300 - TableViewCell::kAccessoryWidth);
}

TEST_F(TableViewTest, ATapSelectsItsRowAndTellsTheDelegate)
{
    auto table = makeTable(TableView::Style::Plain);
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));

    tap(table.get(), QPointF(50, 40));
    ASSERT_EQ(source.selected.size(), 1);
    EXPECT_EQ(source.selected.first(), (IndexPath{0, 0}));
    EXPECT_EQ(table->indexPathForSelectedRow(), std::optional<IndexPath>(IndexPath{0, 0}));
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 0})->isSelected());

    // Another row takes the selection; a row of selection style None is selected without
    // changing its look.
    tap(table.get(), QPointF(50, 100));
    ASSERT_EQ(source.selected.size(), 2);
    EXPECT_EQ(source.selected.last(), (IndexPath{0, 1}));
    EXPECT_FALSE(table->cellForRowAtIndexPath({0, 0})->isSelected());
    QImage plain(300, 60, QImage::Format_ARGB32);
    table->cellForRowAtIndexPath({0, 1})->render(&plain);
    EXPECT_EQ(plain.pixelColor(150, 5), QColor(Qt::white));

    // A tap on a section title or past the rows selects nothing.
    tap(table.get(), QPointF(50, 10));
    tap(table.get(), QPointF(50, 300));
    EXPECT_EQ(source.selected.size(), 2);

    table->deselectRowAtIndexPath({0, 1});
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    table->setAllowsSelection(false);
    tap(table.get(), QPointF(50, 140));
    EXPECT_EQ(source.selected.size(), 2);
}

TEST_F(TableViewTest, ScrollingCanBeSwitchedOffAndAGoneDataSourceLeavesTheTableEmpty)
{
    auto table = makeTable(TableView::Style::Plain, 100);
    EXPECT_EQ(table->visibleCells().size(), 2);  // rows 0.0 (28-68) and 0.1 (68-128)
    auto wheel = [&table]() {
        QWheelEvent event(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(table.get(), &event);
    };
    wheel();
    EXPECT_GT(table->contentOffset().y(), 0.0);
    table->setContentOffset(QPointF());
    table->setScrollEnabled(false);
    wheel();
    EXPECT_EQ(table->contentOffset().y(), 0.0);

    {
        Source temporary;
        table->setDataSource(&temporary);
    }
    table->reloadData();
    EXPECT_EQ(table->numberOfSections(), 0);
    EXPECT_EQ(table->contentSize().height(), 0.0);
}
