#include "TableView.h"

#include "Fonts.h"
#include "GestureRecognizers.h"
#include "Label.h"
#include "TableViewCell.h"
#include "ViewSupport.h"

int TableViewDataSource::numberOfSectionsInTableView(TableView *) { return 1; }

qreal TableViewDataSource::heightForRowAtIndexPath(TableView *tableView, const IndexPath &)
{
    return tableView->rowHeight();
}

QString TableViewDataSource::titleForHeaderInSection(TableView *, int) { return QString(); }

void TableViewDelegate::didSelectRowAtIndexPath(TableView *, const IndexPath &) {}

namespace {
const QColor kGroupedBackground(239, 239, 244);
const QColor kHeaderText(109, 109, 114);
}

TableView::TableView(const QRectF &frame, Style style, QWidget *parent)
    : ScrollView(frame, parent), m_style(style), m_tap(new TapGestureRecognizer(this))
{
    if (style == Style::Grouped)
        setBackgroundColor(kGroupedBackground);
    m_tap->attachTo(contentView());
    connect(m_tap, &GestureRecognizer::triggered, this, &TableView::onTap);
}

void TableView::setSeparatorStyle(SeparatorStyle style)
{
    m_separatorStyle = style;
    for (const Section &section : std::as_const(m_sections)) {
        for (int row = 0; row < section.cells.size(); ++row) {
            if (section.cells.at(row))
                section.cells.at(row)->setSeparatorVisible(style == SeparatorStyle::SingleLine
                                                           && row + 1 < section.cells.size());
        }
    }
}

void TableView::setTableFooterView(QWidget *footer)
{
    if (m_footer && m_footer != footer)
        m_footer->deleteLater();
    m_footer = footer;
    if (footer)
        footer->setParent(contentView());
    reloadData();
}

void TableView::clear()
{
    // Deleted later: the rows may be reloaded from inside a tap on one of them.
    auto discard = [](QWidget *view) {
        if (view) {
            view->hide();
            view->deleteLater();
        }
    };
    for (Section &section : m_sections) {
        discard(section.header);
        for (const QPointer<TableViewCell> &cell : std::as_const(section.cells))
            discard(cell);
    }
    m_sections.clear();
    m_selected.reset();
}

void TableView::reloadData()
{
    clear();
    TableViewDataSource *source = dataSource();
    const int sections = source ? qMax(0, source->numberOfSectionsInTableView(this)) : 0;
    qreal y = 0;
    for (int index = 0; index < sections; ++index) {
        m_sections.append(Section());
        y = layoutSection(index, y);
    }
    if (m_footer) {
        const qreal height = ViewSupport::frame(m_footer).height();
        ViewSupport::setFrame(m_footer, QRectF(0, y, bounds().width(), height));
        m_footer->show();
        y += height;
    }
    setContentSize(QSizeF(bounds().width(), y));
}

qreal TableView::layoutSection(int index, qreal y)
{
    TableViewDataSource *source = dataSource();
    Section &section = m_sections[index];
    const qreal width = bounds().width();
    const QString title = source->titleForHeaderInSection(this, index);
    qreal headerHeight = 0;
    if (m_style == Style::Grouped)
        headerHeight = title.isEmpty() ? kGroupedGap : kGroupedTitledGap;
    else if (!title.isEmpty())
        headerHeight = kPlainHeaderHeight;
    if (!title.isEmpty()) {
        // Plain: a grey band holding the title; grouped: the title at the bottom of the gap.
        const qreal labelHeight = m_style == Style::Grouped ? 28 : headerHeight;
        auto *header = new Label(QRectF(0, y + headerHeight - labelHeight, width, labelHeight), contentView());
        header->setText(m_style == Style::Grouped ? title.toUpper() : title);
        header->setFont(m_style == Style::Grouped ? Fonts::systemFont(13) : Fonts::boldSystemFont(15));
        header->setTextColor(m_style == Style::Grouped ? kHeaderText : Qt::black);
        if (m_style == Style::Plain)
            header->setBackgroundColor(QColor(247, 247, 247));
        header->show();
        section.header = header;
    }
    y += headerHeight;
    const int rows = qMax(0, source->numberOfRowsInSection(this, index));
    for (int row = 0; row < rows; ++row) {
        const IndexPath path{index, row};
        const qreal height = source->heightForRowAtIndexPath(this, path);
        TableViewCell *cell = source->cellForRowAtIndexPath(this, path);
        const QRectF frame(0, y, width, height);
        if (cell) {
            cell->setParent(contentView());
            cell->setFrame(frame);
            cell->layoutSubviews();
            cell->setSeparatorVisible(m_separatorStyle == SeparatorStyle::SingleLine && row + 1 < rows);
            cell->show();
        }
        section.cells.append(cell);
        section.frames.append(frame);
        y += height;
    }
    return y;
}

int TableView::numberOfRowsInSection(int section) const
{
    return section >= 0 && section < m_sections.size() ? int(m_sections.at(section).cells.size()) : 0;
}

TableViewCell *TableView::cellForRowAtIndexPath(const IndexPath &indexPath) const
{
    if (indexPath.row < 0 || indexPath.row >= numberOfRowsInSection(indexPath.section))
        return nullptr;
    return m_sections.at(indexPath.section).cells.at(indexPath.row);
}

QRectF TableView::rectForRowAtIndexPath(const IndexPath &indexPath) const
{
    if (indexPath.row < 0 || indexPath.row >= numberOfRowsInSection(indexPath.section))
        return QRectF();
    return m_sections.at(indexPath.section).frames.at(indexPath.row);
}

std::optional<IndexPath> TableView::indexPathForRowAtPoint(const QPointF &point) const
{
    for (int section = 0; section < m_sections.size(); ++section) {
        const QList<QRectF> &frames = m_sections.at(section).frames;
        for (int row = 0; row < frames.size(); ++row) {
            if (frames.at(row).contains(point))
                return IndexPath{section, row};
        }
    }
    return std::nullopt;
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCell *cell) const
{
    for (int section = 0; section < m_sections.size(); ++section) {
        const int row = int(m_sections.at(section).cells.indexOf(const_cast<TableViewCell *>(cell)));
        if (cell && row >= 0)
            return IndexPath{section, row};
    }
    return std::nullopt;
}

QList<TableViewCell *> TableView::visibleCells() const
{
    const QRectF visible(contentOffset(), bounds().size());
    QList<TableViewCell *> cells;
    for (const Section &section : m_sections) {
        for (int row = 0; row < section.cells.size(); ++row) {
            if (section.cells.at(row) && section.frames.at(row).intersects(visible))
                cells.append(section.cells.at(row));
        }
    }
    return cells;
}

void TableView::selectRowAtIndexPath(const IndexPath &indexPath)
{
    if (m_selected)
        deselectRowAtIndexPath(*m_selected);
    TableViewCell *cell = cellForRowAtIndexPath(indexPath);
    if (!cell)
        return;
    m_selected = indexPath;
    cell->setSelected(true);
}

void TableView::deselectRowAtIndexPath(const IndexPath &indexPath)
{
    if (TableViewCell *cell = cellForRowAtIndexPath(indexPath))
        cell->setSelected(false);
    if (m_selected == indexPath)
        m_selected.reset();
}

void TableView::onTap()
{
    if (!m_allowsSelection || m_tap->state() != GestureRecognizer::Recognized)
        return;
    const std::optional<IndexPath> path = indexPathForRowAtPoint(m_tap->locationInView(contentView()));
    if (!path)
        return;
    selectRowAtIndexPath(*path);
    if (TableViewDelegate *owner = delegate())
        owner->didSelectRowAtIndexPath(this, *path);
}
