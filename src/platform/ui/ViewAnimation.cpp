#include "ViewAnimation.h"

#include "ViewSupport.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <QWidget>

QRectF ViewState::frameFor(const QSizeF &size) const
{
    const QSizeF scaled = size * scale;
    return QRectF(center.x() - scaled.width() / 2, center.y() - scaled.height() / 2, scaled.width(), scaled.height());
}

class ViewAnimationOverlay : public QWidget
{
public:
    ViewAnimationOverlay(ViewAnimation *animation, QWidget *parent) : QWidget(parent), m_animation(animation)
    {
        setAttribute(Qt::WA_AcceptTouchEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_animation)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setOpacity(m_animation->m_current.alpha);
        painter.drawPixmap(m_animation->currentFrame(), m_animation->m_picture, QRectF(m_animation->m_picture.rect()));
    }
    // Touches during the animation go nowhere.
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::TouchBegin || event->type() == QEvent::TouchUpdate
            || event->type() == QEvent::TouchEnd) {
            event->accept();
            return true;
        }
        return QWidget::event(event);
    }

private:
    QPointer<ViewAnimation> m_animation;
};

ViewAnimation::ViewAnimation(QWidget *view, const ViewState &from, const ViewState &to, int durationMs,
                             std::function<void()> completion, QObject *parent)
    : QObject(parent), m_view(view), m_from(from), m_to(to), m_current(from), m_size(ViewSupport::frame(view).size()),
      m_durationMs(qMax(0, durationMs)), m_completion(std::move(completion))
{
}

ViewAnimation::~ViewAnimation()
{
    if (m_animation)
        m_animation->stop();
    delete m_overlay.data();
}

QRectF ViewAnimation::currentFrame() const { return m_current.frameFor(m_size); }

bool ViewAnimation::isRunning() const { return !m_finished; }

void ViewAnimation::start()
{
    if (!m_view || !m_view->parentWidget()) {
        finish();
        return;
    }
    QWidget *parent = m_view->parentWidget();
    m_view->show();
    m_picture = m_view->grab();
    m_view->hide();
    auto *overlay = new ViewAnimationOverlay(this, parent);
    overlay->setGeometry(parent->rect());
    overlay->show();
    overlay->raise();
    m_overlay = overlay;

    auto *animation = new QVariantAnimation(this);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setDuration(m_durationMs);
    connect(animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        setProgress(value.toReal());
    });
    connect(animation, &QVariantAnimation::finished, this, &ViewAnimation::finish);
    m_animation = animation;
    setProgress(0);
    if (m_durationMs == 0)
        finish();
    else
        animation->start();
}

void ViewAnimation::setProgress(qreal progress)
{
    // The toolkit's default animation curve: ease in, ease out.
    static const QEasingCurve curve(QEasingCurve::InOutQuad);
    const qreal t = curve.valueForProgress(qBound<qreal>(0, progress, 1));
    m_current.scale = m_from.scale + (m_to.scale - m_from.scale) * t;
    m_current.center = m_from.center + (m_to.center - m_from.center) * t;
    m_current.alpha = m_from.alpha + (m_to.alpha - m_from.alpha) * t;
    if (m_overlay)
        m_overlay->update();
}

void ViewAnimation::finishNow()
{
    if (m_finished)
        return;
    if (m_animation)
        m_animation->stop();
    finish();
}

void ViewAnimation::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_current = m_to;
    delete m_overlay.data();
    if (m_view)
        m_view->show();
    if (m_completion) {
        auto completion = std::move(m_completion);
        m_completion = nullptr;
        completion();
    }
    deleteLater();
}
