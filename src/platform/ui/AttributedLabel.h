#pragma once

#include "Label.h"

#include <QColor>
#include <QFont>

#include <optional>

// A one-line label in which one run of characters (for instance the digits of a score) takes
// its own colour and, optionally, its own font; the rest of the text keeps the label's font
// and colour. The line is laid out as a whole, so right-to-left text keeps its order.
//
// Thread: main thread. Failure: none; a run reaching past the text is cut at its end.
class AttributedLabel : public Label
{
    Q_OBJECT
public:
    struct Run
    {
        int start = 0;
        int length = 0;
        QColor color;
        std::optional<QFont> font;
    };

    explicit AttributedLabel(QWidget *parent = nullptr);
    AttributedLabel(const QRectF &frame, QWidget *parent = nullptr);

    void setTextRun(const Run &run);
    void clearTextRun();
    std::optional<Run> textRun() const { return m_run; }
    // The colour the character at `index` is drawn in.
    QColor colorAt(int index) const;

protected:
    void drawTextInRect(QPainter &painter, const QRectF &rect) override;

private:
    std::optional<Run> m_run;
};
