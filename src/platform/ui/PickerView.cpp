#include "PickerView.h"

#include "GestureRecognizers.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QVariantAnimation>
#include <QWheelEvent>

#include <cmath>
#include <utility>

namespace {
constexpr qreal kHalfPi = M_PI / 2;
// How far a flick glides on: the release velocity times this many seconds.
constexpr qreal kGlideSeconds = 0.35;
// Beyond the first or last row the wheel follows the pointer at this fraction.
constexpr qreal kRubberBand = 0.4;
constexpr int kStepMs = 150;
constexpr int kWheelRestMs = 150;
const QColor kIndicatorColour(0, 0, 0, 60);
}

qreal PickerViewDelegate::rowHeightForComponent(PickerView *, int) { return 32; }

qreal PickerViewDelegate::widthForComponent(PickerView *picker, int) { return picker->bounds().width(); }

void PickerViewDelegate::didSelectRow(PickerView *, int, int) {}

PickerView::PickerView(QWidget *parent) : View(parent)
{
    setFocusPolicy(Qt::WheelFocus);
    m_pan = new PanGestureRecognizer(this);
    connect(m_pan, &GestureRecognizer::triggered, this, &PickerView::onPan);
    m_tap = new TapGestureRecognizer(this);
    connect(m_tap, &GestureRecognizer::triggered, this, &PickerView::onTap);
    m_wheelRest = new QTimer(this);
    m_wheelRest->setSingleShot(true);
    m_wheelRest->setInterval(kWheelRestMs);
    connect(m_wheelRest, &QTimer::timeout, this, &PickerView::settle);
}

PickerView::PickerView(const QRectF &frame, QWidget *parent) : PickerView(parent) { setFrame(frame); }

PickerView::~PickerView() { stopGliding(); }

void PickerView::setDelegate(PickerViewDelegate *delegate)
{
    m_delegate.set(delegate);
    reloadAllComponents();
}

void PickerView::setShowsSelectionIndicator(bool shows)
{
    m_showsIndicator = shows;
    update();
}

void PickerView::reloadAllComponents()
{
    const int selected = selectedRowInComponent(0);
    PickerViewDelegate *delegate = m_delegate.get();
    m_rows = delegate ? qMax(0, delegate->numberOfRowsInComponent(this, 0)) : 0;
    m_rowHeight = delegate ? qMax<qreal>(1, delegate->rowHeightForComponent(this, 0)) : 32;
    m_componentWidth = delegate ? delegate->widthForComponent(this, 0) : bounds().width();
    m_pictures.clear();
    // Row views are asked for again, offering the old ones for reuse.
    const QHash<int, QPointer<QWidget>> previous = std::exchange(m_rowViews, {});
    for (auto it = previous.begin(); it != previous.end(); ++it) {
        if (it.value() && it.key() < m_rows)
            m_rowViews.insert(it.key(), it.value());
        else
            delete it.value().data();
    }
    for (auto it = m_rowViews.begin(); it != m_rowViews.end(); ++it) {
        QWidget *old = it.value();
        QWidget *next = delegate ? delegate->viewForRow(this, it.key(), 0, old) : nullptr;
        if (next != old)
            delete old;
        adopt(next);
        it.value() = next;
    }
    setOffset(qBound<qreal>(0, qMax(0, selected) * m_rowHeight, maximumOffset()));
    update();
}

int PickerView::numberOfRowsInComponent(int component) const { return component == 0 ? m_rows : 0; }

qreal PickerView::maximumOffset() const { return qMax(0, m_rows - 1) * m_rowHeight; }

qreal PickerView::radius() const { return qMax<qreal>(1, bounds().height() / 2); }

void PickerView::selectRow(int row, int component, bool animated)
{
    if (component != 0 || m_rows == 0)
        return;
    const int target = qBound(0, row, m_rows - 1);
    m_reportedRow = target;
    if (animated) {
        glideTo(target * m_rowHeight, kStepMs * 2);
    } else {
        stopGliding();
        setOffset(target * m_rowHeight);
    }
}

int PickerView::selectedRowInComponent(int component) const
{
    if (component != 0 || m_rows == 0)
        return -1;
    return qBound(0, int(std::floor(m_offset / m_rowHeight + 0.5)), m_rows - 1);
}

QWidget *PickerView::viewForRow(int row, int component)
{
    if (component != 0 || row < 0 || row >= m_rows || !m_delegate)
        return nullptr;
    QPointer<QWidget> &slot = m_rowViews[row];
    if (!slot) {
        QWidget *created = m_delegate->viewForRow(this, row, 0, nullptr);
        adopt(created);
        slot = created;
    }
    return slot;
}

void PickerView::adopt(QWidget *rowView)
{
    if (!rowView)
        return;
    rowView->setParent(this);
    rowView->hide();  // painted by the picker, never shown on its own
}

bool PickerView::isTurning() const
{
    return (m_glide && m_glide->state() == QAbstractAnimation::Running) || m_wheelRest->isActive()
        || m_pan->state() == GestureRecognizer::State::Began || m_pan->state() == GestureRecognizer::State::Changed;
}

void PickerView::setOffset(qreal offset)
{
    m_offset = offset;
    update();
}

void PickerView::stopGliding()
{
    if (m_glide)
        m_glide->stop();
}

void PickerView::glideTo(qreal offset, int durationMs)
{
    stopGliding();
    if (qFuzzyCompare(1 + offset, 1 + m_offset)) {
        setOffset(offset);
        reportSelection();
        return;
    }
    auto *glide = new QVariantAnimation(this);
    glide->setStartValue(m_offset);
    glide->setEndValue(offset);
    glide->setDuration(durationMs);
    glide->setEasingCurve(QEasingCurve::OutCubic);
    connect(glide, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) { setOffset(value.toReal()); });
    connect(glide, &QVariantAnimation::finished, this, [this, offset]() {
        setOffset(offset);
        reportSelection();
    });
    m_glide = glide;
    glide->start(QAbstractAnimation::DeleteWhenStopped);
}

void PickerView::settle()
{
    if (m_rows == 0)
        return;
    glideTo(qBound(0, selectedRowInComponent(0), m_rows - 1) * m_rowHeight, kStepMs);
}

void PickerView::reportSelection()
{
    const int row = selectedRowInComponent(0);
    if (row < 0 || row == m_reportedRow)
        return;
    m_reportedRow = row;
    if (m_delegate)
        m_delegate->didSelectRow(this, row, 0);
}

void PickerView::onPan()
{
    switch (m_pan->state()) {
    case GestureRecognizer::State::Began:
        stopGliding();
        m_panStartOffset = m_offset;
        [[fallthrough]];
    case GestureRecognizer::State::Changed: {
        qreal offset = m_panStartOffset - m_pan->translationInView(this).y();
        if (offset < 0)
            offset *= kRubberBand;
        else if (offset > maximumOffset())
            offset = maximumOffset() + (offset - maximumOffset()) * kRubberBand;
        setOffset(offset);
        break;
    }
    case GestureRecognizer::State::Ended: {
        const qreal projected = m_offset - m_pan->velocityInView(this).y() * kGlideSeconds;
        const int row = m_rows > 0 ? qBound(0, int(std::floor(projected / m_rowHeight + 0.5)), m_rows - 1) : 0;
        const qreal distance = qAbs(row * m_rowHeight - m_offset);
        glideTo(row * m_rowHeight, qBound(200, int(distance * 2.5), 900));
        break;
    }
    case GestureRecognizer::State::Cancelled:
        settle();
        break;
    default:
        break;
    }
}

void PickerView::onTap()
{
    const int row = rowAtPoint(m_tap->locationInView(this));
    if (row >= 0)
        glideTo(row * m_rowHeight, kStepMs * 2);
}

void PickerView::wheelEvent(QWheelEvent *event)
{
    if (m_rows == 0) {
        event->ignore();
        return;
    }
    event->accept();
    if (!event->pixelDelta().isNull()) {
        // A touchpad scrolls smoothly; the wheel settles once the fingers rest.
        stopGliding();
        setOffset(qBound<qreal>(-m_rowHeight / 2, m_offset - event->pixelDelta().y(), maximumOffset() + m_rowHeight / 2));
        m_wheelRest->start();
        return;
    }
    m_wheelPixels += event->angleDelta().y();
    const int notches = int(m_wheelPixels / 120);
    if (notches == 0)
        return;
    m_wheelPixels -= notches * 120;
    // From the row the wheel is heading for, so quick notches add up.
    const qreal heading = m_glide && m_glide->state() == QAbstractAnimation::Running ? m_glide->endValue().toReal()
                                                                                      : m_offset;
    const int from = qBound(0, int(std::floor(heading / m_rowHeight + 0.5)), m_rows - 1);
    glideTo(qBound(0, from - notches, m_rows - 1) * m_rowHeight, kStepMs);
}

void PickerView::keyPressEvent(QKeyEvent *event)
{
    const int step = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1 : 0;
    if (step == 0 || m_rows == 0) {
        View::keyPressEvent(event);
        return;
    }
    event->accept();
    glideTo(qBound(0, selectedRowInComponent(0) + step, m_rows - 1) * m_rowHeight, kStepMs);
}

void PickerView::resizeEvent(QResizeEvent *event)
{
    View::resizeEvent(event);
    update();
}

int PickerView::rowAtPoint(const QPointF &point) const
{
    if (m_rows == 0)
        return -1;
    const qreal sine = (point.y() - bounds().height() / 2) / radius();
    if (qAbs(sine) >= 1)
        return -1;
    const qreal distance = std::asin(sine) * radius();
    const int row = int(std::floor((m_offset + distance) / m_rowHeight + 0.5));
    return row >= 0 && row < m_rows ? row : -1;
}

QPixmap PickerView::rowPicture(int row)
{
    auto cached = m_pictures.constFind(row);
    if (cached != m_pictures.constEnd())
        return *cached;
    QWidget *rowView = viewForRow(row, 0);
    QPixmap picture;
    if (rowView) {
        const QSize size = QSizeF(m_componentWidth, m_rowHeight).toSize();
        rowView->resize(size);
        const qreal ratio = devicePixelRatioF();
        picture = QPixmap(size * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        rowView->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    m_pictures.insert(row, picture);
    return picture;
}

void PickerView::paintEvent(QPaintEvent *event)
{
    View::paintEvent(event);
    if (m_rows == 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal centreY = bounds().height() / 2;
    const qreal r = radius();
    const qreal halfRow = m_rowHeight / 2 / r;  // half a row, as an angle
    const qreal left = (bounds().width() - m_componentWidth) / 2;
    // Each row lies on the drum: its edges at angles around the row's own angle, seen from
    // the front, so rows flatten and fade as they turn away.
    const int first = qMax(0, int(std::floor((m_offset - r * kHalfPi) / m_rowHeight)));
    const int last = qMin(m_rows - 1, int(std::ceil((m_offset + r * kHalfPi) / m_rowHeight)));
    for (int row = first; row <= last; ++row) {
        const qreal angle = (row * m_rowHeight - m_offset) / r;
        const qreal top = qMax(-kHalfPi, angle - halfRow);
        const qreal bottom = qMin(kHalfPi, angle + halfRow);
        if (bottom <= top)
            continue;
        const QRectF target(left, centreY + r * std::sin(top), m_componentWidth, r * (std::sin(bottom) - std::sin(top)));
        if (target.height() < 0.5)
            continue;
        painter.setOpacity(0.25 + 0.75 * std::cos(qBound(-kHalfPi, angle, kHalfPi)));
        const QPixmap picture = rowPicture(row);
        painter.drawPixmap(target, picture, QRectF(picture.rect()));
    }
    painter.setOpacity(1);
    if (m_showsIndicator) {
        painter.fillRect(QRectF(0, centreY - m_rowHeight / 2, bounds().width(), 1), kIndicatorColour);
        painter.fillRect(QRectF(0, centreY + m_rowHeight / 2 - 1, bounds().width(), 1), kIndicatorColour);
    }
}
