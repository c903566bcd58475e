#include "ActivityIndicatorView.h"

#include "PlatformColors.h"

#include <QPainter>

#include <cmath>

ActivityIndicatorView::ActivityIndicatorView(Style style, QWidget *parent) : View(parent), m_style(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(1000 / 12);
    connect(&m_timer, &QTimer::timeout, this, [this]() {
        m_step = (m_step + 1) % 12;
        update();
    });
    hide();
}

void ActivityIndicatorView::startAnimating()
{
    if (!m_timer.isActive())
        m_timer.start();
    show();
    raise();
}

void ActivityIndicatorView::stopAnimating()
{
    m_timer.stop();
    if (m_hidesWhenStopped)
        hide();
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides)
{
    m_hidesWhenStopped = hides;
    if (hides && !isAnimating())
        hide();
    else if (!hides)
        show();
}

void ActivityIndicatorView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBackground(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal diameter = m_style == Style::WhiteLarge ? 37 : 20;
    const QColor colour = m_style == Style::Gray ? PlatformColors::darkGray() : QColor(255, 255, 255);
    const QPointF centre = bounds().center();
    const qreal outer = diameter / 2;
    const qreal inner = outer * 0.45;
    const qreal thickness = diameter * 0.09;
    QPen pen;
    pen.setWidthF(thickness);
    pen.setCapStyle(Qt::RoundCap);
    for (int i = 0; i < 12; ++i) {
        const int age = (m_step - i + 12) % 12;  // 0: the newest spoke
        QColor spoke = colour;
        spoke.setAlphaF(float(1.0 - age / 12.0 * 0.85));
        pen.setColor(spoke);
        painter.setPen(pen);
        const qreal angle = (i * 30.0 - 90.0) * M_PI / 180.0;
        painter.drawLine(QPointF(centre.x() + inner * std::cos(angle), centre.y() + inner * std::sin(angle)),
                         QPointF(centre.x() + outer * std::cos(angle), centre.y() + outer * std::sin(angle)));
    }
}
