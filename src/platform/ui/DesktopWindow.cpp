#include "DesktopWindow.h"

#include "Window.h"
#include "platform/foundation/Preferences.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionGraphicsItem>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
// One remembered size per interface size (device preset): "windowSize/375x667".
QString sizeKey(const QSizeF &phone)
{
    return QStringLiteral("windowSize/%1x%2").arg(qRound(phone.width())).arg(qRound(phone.height()));
}

struct SizeStore
{
    std::function<void(const QSize &)> store;
    std::function<QSize()> load;
};

SizeStore &sizeStore()
{
    static SizeStore functions;
    return functions;
}

void storeSize(const QSizeF &phone, const QSize &size)
{
    if (sizeStore().store)
        sizeStore().store(size);
    else
        Preferences::setValue(sizeKey(phone), size);
}

QSize loadSize(const QSizeF &phone)
{
    if (sizeStore().load)
        return sizeStore().load();
    return Preferences::value(sizeKey(phone)).toSize();
}

// Draws the embedded window as a screen of the scale's pixel ratio would: rendered into an
// image of that ratio and laid on the scene 1:1, instead of through a scaled painter, which
// graphics effects (shadows, opacity) inside the window do not survive.
class ScaledProxy : public QGraphicsProxyWidget
{
public:
    ScaledProxy() { setFlag(QGraphicsItem::ItemUsesExtendedStyleOption); }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *) override
    {
        QWidget *embedded = widget();
        if (!embedded)
            return;
        const QRect source = (option->exposedRect & rect()).toAlignedRect();
        if (source.isEmpty())
            return;
        const qreal ratio = painter->worldTransform().m11() * painter->device()->devicePixelRatioF();
        QImage image((QSizeF(source.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        embedded->render(&image, QPoint(), QRegion(source));
        painter->drawImage(QRectF(source), image);
    }
};
}

DesktopWindow::DesktopWindow(Window *window) : QGraphicsView(static_cast<QWidget *>(nullptr)), m_window(window)
{
    auto *scene = new QGraphicsScene(this);
    setScene(scene);
    auto *proxy = new ScaledProxy;
    proxy->setWidget(window);
    scene->addItem(proxy);
    m_proxy = proxy;
    window->show();
    m_proxy->show();
    scene->setSceneRect(m_proxy->boundingRect());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    setWindowTitle(window->windowTitle());
    setMinimumSize((phoneSize() * minimumScale()).toSize());
    resize(restoredSize());
    m_proxy->setFocus();

    // The size is stored once a resize has settled, not on every step of a drag.
    m_sizeSaver = new QTimer(this);
    m_sizeSaver->setSingleShot(true);
    m_sizeSaver->setInterval(500);
    connect(m_sizeSaver, &QTimer::timeout, this, [this] { storeSize(phoneSize(), size()); });
}

DesktopWindow::~DesktopWindow()
{
    if (m_window)
        storeSize(phoneSize(), size());
    // Hand the Window back to its owner rather than letting the proxy delete it.
    if (m_proxy && m_window) {
        m_proxy->setWidget(nullptr);
        m_window->hide();
    }
}

QSizeF DesktopWindow::phoneSize() const
{
    return m_window ? QSizeF(m_window->size()) : QSizeF();
}

QSize DesktopWindow::restoredSize() const
{
    const QSizeF phone = phoneSize();
    QSize size = loadSize(phone);
    if (!size.isValid() || size.width() < phone.width() * minimumScale() || size.height() < phone.height() * minimumScale())
        size = phone.toSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableGeometry().size();
        if (!available.isEmpty())
            size = size.boundedTo(available);
    }
    return size;
}

void DesktopWindow::zoomTo(qreal scale)
{
    const qreal bounded = std::clamp(scale, minimumScale(), maximumScale());
    resize((phoneSize() * bounded).toSize());
}

void DesktopWindow::zoomIn()
{
    zoomTo((std::floor(m_scale / scaleStep() + 1e-6) + 1) * scaleStep());
}

void DesktopWindow::zoomOut()
{
    zoomTo((std::ceil(m_scale / scaleStep() - 1e-6) - 1) * scaleStep());
}

QPointF DesktopWindow::mapFromPhone(const QPointF &point) const
{
    return QPointF(mapFromScene(m_proxy->mapToScene(point)));
}

void DesktopWindow::fit()
{
    const QSizeF phone = phoneSize();
    if (phone.isEmpty())
        return;
    const QSizeF area = QSizeF(viewport()->size());
    m_scale = std::min(area.width() / phone.width(), area.height() / phone.height());
    setTransform(QTransform::fromScale(m_scale, m_scale));
    centerOn(m_proxy);
}

void DesktopWindow::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    fit();
    if (m_sizeSaver)
        m_sizeSaver->start();
}

void DesktopWindow::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (control && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)) {
        zoomIn();
        return;
    }
    if (control && event->key() == Qt::Key_Minus) {
        zoomOut();
        return;
    }
    if (control && event->key() == Qt::Key_0) {
        zoomTo(1.0);
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void DesktopWindow::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    if (m_proxy && !m_proxy->hasFocus())
        m_proxy->setFocus();
}

void DesktopWindow::setLetterboxGradient(const QColor &top, const QColor &bottom)
{
    m_top = top;
    m_bottom = bottom;
    viewport()->update();
}

// The letterbox bands: the gradient over the whole window, behind the interface.
void DesktopWindow::drawBackground(QPainter *painter, const QRectF &)
{
    painter->save();
    painter->resetTransform();
    const QRectF area = QRectF(viewport()->rect());
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, m_top);
    gradient.setColorAt(1.0, m_bottom);
    painter->fillRect(area, gradient);
    painter->restore();
}

void DesktopWindow::setSizeStoreForTesting(std::function<void(const QSize &)> store, std::function<QSize()> load)
{
    sizeStore() = SizeStore{std::move(store), std::move(load)};
}
