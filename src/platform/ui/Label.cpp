#include "Label.h"

#include "Fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <cmath>

namespace {
// The smallest size a shrinking label goes to when no minimum scale factor is set.
constexpr qreal kSmallestFontSize = 6;
}

Label::Label(QWidget *parent) : View(parent), m_font(Fonts::systemFont(17)) {}

Label::Label(const QRectF &frame, QWidget *parent) : View(frame, parent), m_font(Fonts::systemFont(17)) {}

void Label::setText(const QString &text)
{
    m_text = text;
    update();
}

void Label::setFont(const QFont &font)
{
    m_font = font;
    update();
}

void Label::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void Label::setTextAlignment(Qt::Alignment horizontal)
{
    m_alignment = horizontal & Qt::AlignHorizontal_Mask;
    update();
}

void Label::setNumberOfLines(int lines)
{
    m_numberOfLines = qMax(0, lines);
    update();
}

void Label::setAdjustsFontSizeToFitWidth(bool adjusts)
{
    m_adjustsFontSize = adjusts;
    update();
}

void Label::setMinimumScaleFactor(qreal factor)
{
    m_minimumScaleFactor = qBound<qreal>(0, factor, 1);
    update();
}

namespace {
// Lays `text` out in lines of `width`; at most `lines` lines (0: any). Returns the height and
// the widest line.
QSizeF layOut(QTextLayout &layout, const QFont &font, Qt::Alignment alignment, qreal width, int lines)
{
    layout.setFont(font);
    QTextOption option(alignment);
    option.setWrapMode(lines == 1 ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    qreal widest = 0;
    int count = 0;
    for (;;) {
        if (lines > 0 && count == lines)
            break;
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
        widest = qMax(widest, line.naturalTextWidth());
        ++count;
    }
    layout.endLayout();
    return QSizeF(widest, height);
}

// Line breaks in the text start new lines (a text layout needs them as line separators).
QString withLineSeparators(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return result;
}

bool moreTextThanLines(const QTextLayout &layout, const QString &text)
{
    if (layout.lineCount() == 0)
        return !text.isEmpty();
    const QTextLine last = layout.lineAt(layout.lineCount() - 1);
    return last.textStart() + last.textLength() < text.size();
}

// Draws `text` in `rect`: one line (tail truncated) centred vertically, or up to `lines`
// wrapped lines (0: any) from the top of `rect`, laid out in its full width.
void drawLines(QPainter &painter, const QString &text, const QFont &font, const QColor &color,
               Qt::Alignment alignment, const QRectF &rect, int lines)
{
    if (text.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(color);
    if (lines == 1) {
        const QFontMetricsF metrics(font);
        const QString line = metrics.elidedText(text.simplified(), Qt::ElideRight, rect.width());
        painter.setFont(font);
        painter.drawText(rect, int(alignment) | Qt::AlignVCenter | Qt::TextSingleLine, line);
    } else {
        QTextLayout layout(withLineSeparators(text));
        layOut(layout, font, alignment, rect.width(), lines);
        layout.draw(&painter, rect.topLeft());
    }
    painter.restore();
}
}

QSizeF Label::measureText(const QString &text, const QFont &font, Qt::Alignment alignment, qreal width, int lines)
{
    if (text.isEmpty())
        return QSizeF(0, 0);
    QTextLayout layout(lines == 1 ? text.simplified() : withLineSeparators(text));
    const QSizeF size = layOut(layout, font, alignment, width, lines);
    return QSizeF(qMin(width, size.width()), size.height());
}

namespace {
bool fitsIn(const QString &text, const QFont &font, const QSizeF &available, int lines)
{
    if (lines == 1)
        return QFontMetricsF(font).horizontalAdvance(text.simplified()) <= available.width() + 0.01;
    const QFontMetricsF metrics(font);
    // A word of a script written with spaces must fit on one line.
    const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const QChar::Script script = word.front().script();
        const bool spaced = script == QChar::Script_Latin || script == QChar::Script_Cyrillic
            || script == QChar::Script_Greek || script == QChar::Script_Arabic || script == QChar::Script_Devanagari;
        if (spaced && metrics.horizontalAdvance(word) > available.width() + 0.01)
            return false;
    }
    QTextLayout layout(withLineSeparators(text));
    const QSizeF size = layOut(layout, font, Qt::AlignLeft, available.width(), lines);
    if (lines > 0 && moreTextThanLines(layout, text))
        return false;
    return size.height() <= available.height() + 0.01;
}
}

QFont Label::fitFont(const QString &text, const QFont &font, const QSizeF &available, int lines,
                     qreal minimumScaleFactor)
{
    if (text.isEmpty() || fitsIn(text, font, available, lines))
        return font;
    const int largest = font.pixelSize() > 0 ? font.pixelSize() : int(std::lround(font.pointSizeF()));
    const int smallest = qMax(1, int(std::ceil(minimumScaleFactor > 0 ? largest * minimumScaleFactor
                                                                      : qMin<qreal>(largest, kSmallestFontSize))));
    // Binary search for the largest size that fits.
    int low = smallest;
    int high = largest - 1;
    int best = smallest;
    QFont candidate = font;
    while (low <= high) {
        const int middle = (low + high) / 2;
        candidate.setPixelSize(middle);
        if (fitsIn(text, candidate, available, lines)) {
            best = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    candidate.setPixelSize(best);
    return candidate;
}

QFont Label::fittedFont() const
{
    if (!m_adjustsFontSize)
        return m_font;
    return fitFont(m_text, m_font, bounds().size(), m_numberOfLines, m_minimumScaleFactor);
}

QRectF Label::textRectForBounds(const QRectF &bounds, int lines) const
{
    const QSizeF size = measureText(m_text, fittedFont(), m_alignment, bounds.width(), lines);
    qreal x = bounds.left();
    if (m_alignment & Qt::AlignHCenter)
        x = bounds.left() + (bounds.width() - size.width()) / 2;
    else if (m_alignment & Qt::AlignRight)
        x = bounds.right() - size.width();
    return QRectF(QPointF(x, bounds.top()), QSizeF(size.width(), qMin(size.height(), bounds.height())));
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBackground(painter);
    drawTextInRect(painter, bounds());
    paintBorder(painter);
}

void Label::drawTextInRect(QPainter &painter, const QRectF &rect)
{
    QRectF textRect = textRectForBounds(rect, m_numberOfLines);
    textRect.moveTop(rect.top() + (rect.height() - textRect.height()) / 2);
    drawTextLaidOut(painter, textRect);
}

void Label::drawTextLaidOut(QPainter &painter, const QRectF &rect) const
{
    painter.save();
    painter.setClipRect(bounds());
    drawLines(painter, m_text, fittedFont(), m_textColor, m_alignment,
              QRectF(bounds().left(), rect.top(), bounds().width(), rect.height()), m_numberOfLines);
    painter.restore();
}

void Label::drawText(QPainter &painter, const QString &text, const QFont &font, const QColor &color,
                     Qt::Alignment alignment, const QRectF &area, int lines)
{
    const QSizeF size = measureText(text, font, alignment, area.width(), lines);
    const qreal height = qMin(size.height(), area.height());
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    drawLines(painter, text, font, color, alignment,
              QRectF(area.left(), area.top() + (area.height() - height) / 2, area.width(), height), lines);
    painter.restore();
}
