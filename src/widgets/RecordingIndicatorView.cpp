#include "RecordingIndicatorView.h"

#include "platform/ui/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kFloorDb = -50.0;
const QColor kPanel(25, 44, 66, 235);
const QColor kDot(230, 57, 53);
const QColor kMeterOff(255, 255, 255, 50);
const QColor kMeterOn(120, 220, 120);
}

RecordingIndicatorView::RecordingIndicatorView(const QRectF &frame, QWidget *parent) : View(frame, parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setCornerRadius(frame.height() / 2.0);
}

void RecordingIndicatorView::showRecording()
{
    m_mode = Mode::Recording;
    m_level = 0.0f;
    m_elapsed = 0.0;
    m_hint.clear();
    update();
}

void RecordingIndicatorView::setLevel(float linearPeak)
{
    m_level = std::isfinite(linearPeak) ? std::clamp(linearPeak, 0.0f, 1.0f) : 0.0f;
    update();
}

void RecordingIndicatorView::setElapsed(double seconds)
{
    m_elapsed = std::max(0.0, seconds);
    update();
}

void RecordingIndicatorView::showHint(const QString &text)
{
    m_mode = Mode::Hint;
    m_hint = text;
    update();
}

qreal RecordingIndicatorView::meterFill() const
{
    if (m_level <= 0.0f)
        return 0.0;
    const double decibels = 20.0 * std::log10(double(m_level));
    return std::clamp((decibels - kFloorDb) / -kFloorDb, 0.0, 1.0);
}

QString RecordingIndicatorView::formatElapsed(double seconds)
{
    const int whole = int(std::max(0.0, seconds));
    return QString::asprintf("%d:%02d", whole / 60, whole % 60);
}

QString RecordingIndicatorView::elapsedText() const
{
    return formatElapsed(m_elapsed);
}

void RecordingIndicatorView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect());
    QPainterPath pill;
    pill.addRoundedRect(area, area.height() / 2.0, area.height() / 2.0);
    painter.fillPath(pill, kPanel);
    if (m_mode == Mode::Hint) {
        painter.setPen(Qt::white);
        painter.setFont(Fonts::systemFont(std::min(15.0, area.height() * 0.4)));
        painter.drawText(area.adjusted(area.height() / 2.0, 0, -area.height() / 2.0, 0),
                         Qt::AlignCenter | Qt::TextWordWrap, m_hint);
        return;
    }
    paintMeter(painter);
}

// Dot, meter, time, left to right.
void RecordingIndicatorView::paintMeter(QPainter &painter) const
{
    const QRectF area = QRectF(rect());
    const qreal h = area.height();
    const qreal dot = h * 0.3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDot);
    painter.drawEllipse(QRectF(h * 0.35, (h - dot) / 2.0, dot, dot));

    const QFont font = Fonts::boldSystemFont(std::min(15.0, h * 0.38));
    const qreal timeWidth = QFontMetricsF(font).horizontalAdvance(QStringLiteral("0:00")) + h * 0.3;
    const QRectF meter(h * 0.35 + dot + h * 0.25, h * 0.38, area.width() - h * 0.95 - dot - timeWidth, h * 0.24);
    painter.setBrush(kMeterOff);
    painter.drawRoundedRect(meter, meter.height() / 2.0, meter.height() / 2.0);
    const qreal fill = meterFill();
    if (fill > 0) {
        painter.setBrush(kMeterOn);
        painter.drawRoundedRect(QRectF(meter.topLeft(), QSizeF(std::max(meter.height(), meter.width() * fill), meter.height())),
                                meter.height() / 2.0, meter.height() / 2.0);
    }
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(QRectF(area.width() - timeWidth - h * 0.3, 0, timeWidth, h), Qt::AlignRight | Qt::AlignVCenter,
                     elapsedText());
}
