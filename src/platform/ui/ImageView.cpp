#include "ImageView.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

#include <cmath>

ImageView::ImageView(QWidget *parent) : View(parent) {}

ImageView::ImageView(const QRectF &frame, QWidget *parent) : View(frame, parent) {}

void ImageView::setImage(const QImage &image)
{
    m_image = image;
    update();
}

bool ImageView::loadImage(const QString &path)
{
    QImageReader reader(path);
    const QSize original = reader.size();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QSizeF wanted = bounds().size() * ratio;
    if (original.isValid() && wanted.width() >= 1 && wanted.height() >= 1
        && (original.width() > wanted.width() * 2 || original.height() > wanted.height() * 2)) {
        // Decode at twice the needed size at most; smooth scaling does the rest.
        const QSize scaled = original.scaled(QSize(int(std::ceil(wanted.width() * 2)), int(std::ceil(wanted.height() * 2))),
                                             Qt::KeepAspectRatioByExpanding);
        reader.setScaledSize(scaled);
    }
    QImage decoded = reader.read();
    if (decoded.isNull()) {
        setImage(QImage());
        return false;
    }
    setImage(decoded);
    return true;
}

void ImageView::setContentMode(ContentMode mode)
{
    m_contentMode = mode;
    update();
}

void ImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBackground(painter);
    if (!m_image.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (cornerRadius() > 0 || clipsToBounds())
            painter.setClipPath(layerShape());
        const QRectF area = bounds();
        const QSizeF imageSize = m_image.deviceIndependentSize();
        QRectF target = area;
        switch (m_contentMode) {
        case ContentMode::ScaleToFill:
            break;
        case ContentMode::ScaleAspectFit:
        case ContentMode::ScaleAspectFill: {
            const QSizeF size = imageSize.scaled(area.size(), m_contentMode == ContentMode::ScaleAspectFit
                                                                  ? Qt::KeepAspectRatio
                                                                  : Qt::KeepAspectRatioByExpanding);
            target = QRectF(QPointF(0, 0), size);
            target.moveCenter(area.center());
            break;
        }
        case ContentMode::Center:
            target = QRectF(QPointF(0, 0), imageSize);
            target.moveCenter(area.center());
            break;
        }
        painter.drawImage(target, m_image);
        painter.restore();
    }
    paintBorder(painter);
}
