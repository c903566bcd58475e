#include "Button.h"

#include "Fonts.h"
#include "Label.h"
#include "PlatformColors.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace {
// How far outside its bounds a touch still counts as inside the button.
constexpr qreal kTouchSlop = 70;

// What a screen reader sees of a button: a push button named by its accessibility label
// (else its title), disabled when it is, whose press action is a tap.
class AccessibleButton : public QAccessibleWidget
{
public:
    explicit AccessibleButton(Button *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const auto *button = static_cast<const Button *>(widget());
            return button->accessibleName().isEmpty() ? button->currentTitle() : button->accessibleName();
        }
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        auto *button = static_cast<Button *>(widget());
        if (action != pressAction() || !button->isEnabled())
            return;
        Q_EMIT button->touchDown(button);
        Q_EMIT button->touchUpInside(button);
    }
};

QAccessibleInterface *accessibleButton(const QString &, QObject *object)
{
    if (auto *button = qobject_cast<Button *>(object))
        return new AccessibleButton(button);
    return nullptr;
}
}

Button::Button(QWidget *parent) : View(parent), m_titleFont(Fonts::systemFont(15))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleButton);
        return true;
    }();
    (void)factoryInstalled;
    m_titleColors.insert(int(State::Normal), PlatformColors::tint());
}

void Button::setAccessibilityLabel(const QString &label)
{
    setAccessibleName(label);
    setToolTip(label);
}

Button::Button(const QRectF &frame, QWidget *parent) : Button(parent) { setFrame(frame); }

void Button::setImage(const QImage &image, State state)
{
    if (image.isNull())
        m_images.remove(int(state));
    else
        m_images.insert(int(state), image);
    update();
}

QImage Button::image(State state) const
{
    return m_images.value(int(state), m_images.value(int(State::Normal)));
}

QImage Button::currentImage() const { return image(this->state()); }

void Button::setTitle(const QString &title, State state)
{
    m_titles.insert(int(state), title);
    update();
}

QString Button::title(State state) const
{
    return m_titles.value(int(state), m_titles.value(int(State::Normal)));
}

QString Button::currentTitle() const { return title(state()); }

void Button::setTitleColor(const QColor &color, State state)
{
    m_titleColors.insert(int(state), color);
    update();
}

QColor Button::titleColor(State state) const
{
    if (m_titleColors.contains(int(state)))
        return m_titleColors.value(int(state));
    QColor color = m_titleColors.value(int(State::Normal));
    if (state == State::Disabled)
        color.setAlphaF(color.alphaF() * 0.5f);
    return color;
}

void Button::setTitleFont(const QFont &font)
{
    m_titleFont = font;
    update();
}

void Button::setTitleAdjustsFontSizeToFitWidth(bool adjusts)
{
    m_titleAdjusts = adjusts;
    update();
}

void Button::setTitleNumberOfLines(int lines)
{
    m_titleLines = qMax(0, lines);
    update();
}

void Button::setTitleEdgeInsets(const QMarginsF &insets)
{
    m_titleInsets = insets;
    update();
}

void Button::setContentHorizontalAlignment(Qt::Alignment alignment)
{
    m_contentAlignment = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void Button::setShowsTouchWhenHighlighted(bool shows) { m_showsTouch = shows; }

void Button::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

Button::State Button::state() const
{
    if (!isEnabled())
        return State::Disabled;
    if (m_highlighted)
        return State::Highlighted;
    if (m_selected)
        return State::Selected;
    return State::Normal;
}

QFont Button::fittedTitleFont() const
{
    const QString text = currentTitle();
    if (!m_titleAdjusts || text.isEmpty())
        return m_titleFont;
    if (m_titleLines != 1)
        return Label::fitFont(text, m_titleFont, bounds().marginsRemoved(m_titleInsets).size(), m_titleLines, 0);
    QFont font = m_titleFont;
    const qreal available = width() - 4 - m_titleInsets.left() - m_titleInsets.right();
    int size = font.pixelSize() > 0 ? font.pixelSize() : 15;
    while (size > 6 && QFontMetricsF(font).horizontalAdvance(text) > available) {
        --size;
        font.setPixelSize(size);
    }
    return font;
}

bool Button::isTouchInside(const QPointF &point) const
{
    return QRectF(rect()).adjusted(-kTouchSlop, -kTouchSlop, kTouchSlop, kTouchSlop).contains(point);
}

void Button::setHighlighted(bool highlighted)
{
    if (m_highlighted == highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void Button::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_tracking = true;
    m_inside = true;
    setHighlighted(true);
    emit touchDown(this);
}

void Button::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_tracking)
        return;
    const bool inside = isTouchInside(event->position());
    if (inside == m_inside)
        return;
    m_inside = inside;
    setHighlighted(inside);
    if (inside)
        emit touchDragEnter(this);
    else
        emit touchDragExit(this);
}

void Button::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_tracking || event->button() != Qt::LeftButton)
        return;
    m_tracking = false;
    const bool inside = isTouchInside(event->position());
    setHighlighted(false);
    if (inside)
        emit touchUpInside(this);
    else
        emit touchUpOutside(this);
}

void Button::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled() && m_tracking) {
        m_tracking = false;
        setHighlighted(false);
        emit touchCancel(this);
    }
    View::changeEvent(event);
}

void Button::hideEvent(QHideEvent *event)
{
    if (m_tracking) {
        m_tracking = false;
        setHighlighted(false);
        emit touchCancel(this);
    }
    View::hideEvent(event);
}

void Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBackground(painter);
    paintContent(painter);
    paintBorder(painter);
}

void Button::paintContent(QPainter &painter) const
{
    const State current = state();
    QImage picture = image(current);
    const QString text = title(current);
    if (picture.isNull() && !text.isEmpty() && m_titleLines != 1) {
        paintWrappedTitle(painter, text, titleColor(current));
        paintTouchGlow(painter, current);
        return;
    }
    const QRectF area = bounds().marginsRemoved(m_titleInsets);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    QSizeF imageSize;
    if (!picture.isNull()) {
        imageSize = picture.deviceIndependentSize();
        // Images larger than the button shrink to fit; smaller ones keep their size.
        if (imageSize.width() > area.width() || imageSize.height() > area.height())
            imageSize = imageSize.scaled(area.size(), Qt::KeepAspectRatio);
    }
    const QFont font = fittedTitleFont();
    const QFontMetricsF metrics(font);
    const qreal textWidth = text.isEmpty() ? 0 : qMin(area.width(), metrics.horizontalAdvance(text));
    const qreal contentWidth = imageSize.width() + textWidth;
    qreal x = area.left() + (area.width() - contentWidth) / 2;
    if (m_contentAlignment & Qt::AlignLeft)
        x = area.left();
    else if (m_contentAlignment & Qt::AlignRight)
        x = area.right() - contentWidth;

    if (!picture.isNull()) {
        const QRectF target(x, area.top() + (area.height() - imageSize.height()) / 2, imageSize.width(), imageSize.height());
        if (current == State::Disabled && !m_images.contains(int(State::Disabled)))
            painter.setOpacity(0.55);
        painter.drawImage(target, picture);
        if (current == State::Highlighted && !m_images.contains(int(State::Highlighted))) {
            // The toolkit darkens an image that has no highlighted variant.
            QImage dark(picture.size(), QImage::Format_ARGB32_Premultiplied);
            dark.fill(Qt::transparent);
            QPainter shade(&dark);
            shade.drawImage(0, 0, picture);
            shade.setCompositionMode(QPainter::CompositionMode_SourceIn);
            shade.fillRect(dark.rect(), QColor(0, 0, 0, 90));
            shade.end();
            dark.setDevicePixelRatio(picture.devicePixelRatio());
            painter.drawImage(target, dark);
        }
        painter.setOpacity(1.0);
    }
    if (!text.isEmpty()) {
        painter.setFont(font);
        painter.setPen(titleColor(current));
        const QRectF textRect(x + imageSize.width(), area.top(), textWidth + 1, area.height());
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(text, Qt::ElideRight, area.width()));
    }
    painter.restore();
    paintTouchGlow(painter, current);
}

void Button::paintWrappedTitle(QPainter &painter, const QString &text, const QColor &color) const
{
    Label::drawText(painter, text, fittedTitleFont(), color, m_contentAlignment, bounds().marginsRemoved(m_titleInsets),
                    m_titleLines);
}

void Button::paintTouchGlow(QPainter &painter, State current) const
{
    if (current != State::Highlighted || !m_showsTouch)
        return;
    const QRectF area = bounds();
    const qreal radius = 20;
    QRadialGradient glow(area.center(), radius);
    glow.setColorAt(0.0, QColor(255, 255, 255, 200));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(area.center(), radius, radius);
    painter.restore();
}
