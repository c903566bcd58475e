#pragma once

#include "View.h"

#include <QColor>
#include <QString>

class Label;

// A row of a table view (TableView.h). Subviews go into contentView(), which fills the cell
// less the accessory on its right. Two built-in layouts: Default (textLabel on the left) and
// Value1 (textLabel on the left, detailTextLabel on the right, the title/value row of
// settings tables); a disclosure arrow marks a row that opens another screen. Rows are white
// by default; a selected or highlighted row with selection style Default shows a grey
// background, with selection style None nothing changes.
//
// The cell's tag (ViewSupport::setTag) is free for the data source to use.
//
// Ownership: the table view that displays the cell owns it.
// Thread: main thread. Failure: none; detailTextLabel() is null in the Default style.
class TableViewCell : public View
{
    Q_OBJECT
public:
    enum class Style { Default, Value1 };
    enum class AccessoryType { None, DisclosureIndicator };
    enum class SelectionStyle { None, Default };

    explicit TableViewCell(Style style = Style::Default, const QString &reuseIdentifier = QString(),
                           QWidget *parent = nullptr);

    Style style() const { return m_style; }
    QString reuseIdentifier() const { return m_reuseIdentifier; }
    View *contentView() const { return m_contentView; }
    Label *textLabel() const { return m_textLabel; }
    Label *detailTextLabel() const { return m_detailTextLabel; }

    void setAccessoryType(AccessoryType type);
    AccessoryType accessoryType() const { return m_accessoryType; }
    void setSelectionStyle(SelectionStyle style) { m_selectionStyle = style; }
    SelectionStyle selectionStyle() const { return m_selectionStyle; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }
    // Whether the thin line under the row is drawn (the table decides).
    void setSeparatorVisible(bool visible);
    bool isSeparatorVisible() const { return m_separatorVisible; }

    // Places the content view and the built-in labels in the cell's current frame (the table
    // calls it after giving the cell its frame).
    void layoutSubviews();

    static constexpr qreal kAccessoryWidth = 33;
    static constexpr qreal kTextInset = 15;
    static QColor selectedBackgroundColor() { return QColor(217, 217, 217); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:

    Style m_style;
    QString m_reuseIdentifier;
    View *m_contentView;
    Label *m_textLabel;
    Label *m_detailTextLabel = nullptr;
    AccessoryType m_accessoryType = AccessoryType::None;
    SelectionStyle m_selectionStyle = SelectionStyle::Default;
    bool m_selected = false;
    bool m_highlighted = false;
    bool m_separatorVisible = false;
};
