#pragma once

#include "ScrollView.h"
#include "TableViewCell.h"
#include "platform/foundation/WeakDelegate.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <optional>

class TableView;
class TapGestureRecognizer;

struct IndexPath
{
    int section = 0;
    int row = 0;
    bool operator==(const IndexPath &other) const = default;
};

// What a table view asks its owner (a weak reference). Row heights default to the table's
// rowHeight; a section title, when given, is shown above its rows.
class TableViewDataSource : public WeakDelegateTarget
{
public:
    virtual int numberOfSectionsInTableView(TableView *tableView);
    virtual int numberOfRowsInSection(TableView *tableView, int section) = 0;
    // A new cell for the row; the table view takes it over.
    virtual TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) = 0;
    virtual qreal heightForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath);
    virtual QString titleForHeaderInSection(TableView *tableView, int section);
};

// What a table view tells its owner (a weak reference).
class TableViewDelegate : public WeakDelegateTarget
{
public:
    virtual void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath);
};

// The table view of the phone toolkit: a scroll view of rows in sections, laid out from the
// data source by reloadData(). Plain: rows follow each other from the top, each section
// title in a 28-point band above its rows. Grouped: a grey background and a 35-point gap
// above each section (55 with a title, written at the bottom of the gap). A thin separator
// runs under every row but the last of its section (separator style SingleLine). An optional
// footer view follows the last section; an empty one ends the table without trailing lines.
//
// A tap on a row (a touch that ends without moving, when allowsSelection) selects it (its
// grey background, unless the cell's selection style is None), deselects the previous one
// and tells the delegate. Scrolling can be switched off.
//
// Ownership: the table owns its cells, header views and footer view.
// Thread: main thread. Failure: none; a data source that is gone gives an empty table.
class TableView : public ScrollView
{
    Q_OBJECT
public:
    enum class Style { Plain, Grouped };
    enum class SeparatorStyle { None, SingleLine };

    static constexpr qreal kPlainHeaderHeight = 28;
    static constexpr qreal kGroupedGap = 35;
    static constexpr qreal kGroupedTitledGap = 55;

    explicit TableView(const QRectF &frame, Style style = Style::Plain, QWidget *parent = nullptr);

    Style style() const { return m_style; }
    void setDataSource(TableViewDataSource *dataSource) { m_dataSource.set(dataSource); }
    TableViewDataSource *dataSource() const { return m_dataSource.get(); }
    void setDelegate(TableViewDelegate *delegate) { m_delegate.set(delegate); }
    TableViewDelegate *delegate() const { return m_delegate.get(); }

    void setRowHeight(qreal height) { m_rowHeight = height; }
    qreal rowHeight() const { return m_rowHeight; }
    void setSeparatorStyle(SeparatorStyle style);
    SeparatorStyle separatorStyle() const { return m_separatorStyle; }
    void setAllowsSelection(bool allows) { m_allowsSelection = allows; }
    bool allowsSelection() const { return m_allowsSelection; }
    // Takes over `footer` (null removes it); it spans the table's width.
    void setTableFooterView(QWidget *footer);
    QWidget *tableFooterView() const { return m_footer; }

    void reloadData();
    int numberOfSections() const { return int(m_sections.size()); }
    int numberOfRowsInSection(int section) const;
    TableViewCell *cellForRowAtIndexPath(const IndexPath &indexPath) const;
    QRectF rectForRowAtIndexPath(const IndexPath &indexPath) const;  // content coordinates
    std::optional<IndexPath> indexPathForRowAtPoint(const QPointF &point) const;  // content coordinates
    std::optional<IndexPath> indexPathForCell(const TableViewCell *cell) const;
    QList<TableViewCell *> visibleCells() const;

    std::optional<IndexPath> indexPathForSelectedRow() const { return m_selected; }
    void selectRowAtIndexPath(const IndexPath &indexPath);
    void deselectRowAtIndexPath(const IndexPath &indexPath);

private:
    struct Section
    {
        QPointer<QWidget> header;
        QList<QPointer<TableViewCell>> cells;
        QList<QRectF> frames;
    };
    void clear();
    qreal layoutSection(int index, qreal y);
    void onTap();

    Style m_style;
    WeakDelegate<TableViewDataSource> m_dataSource;
    WeakDelegate<TableViewDelegate> m_delegate;
    qreal m_rowHeight = 44;
    SeparatorStyle m_separatorStyle = SeparatorStyle::SingleLine;
    bool m_allowsSelection = true;
    QPointer<QWidget> m_footer;
    QList<Section> m_sections;
    std::optional<IndexPath> m_selected;
    TapGestureRecognizer *m_tap;
};
