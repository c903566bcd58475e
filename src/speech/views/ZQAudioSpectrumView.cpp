#include "ZQAudioSpectrumView.h"

#include "platform/ui/DeviceProfile.h"
#include "SpectrogramRenderer.h"
#include "platform/foundation/ZQLog.h"

#include <QPainter>

#include <cmath>

ZQAudioSpectrumView::ZQAudioSpectrumView(const QRectF &frame, QWidget *parent) : View(frame, parent) {}

int ZQAudioSpectrumView::genereateRGBAData()
{
    QImage image = SpectrogramRenderer::render(m_powerSpectrumInfo);
    if (image.isNull()) {
        m_rgbaData = QImage();
        ZQLog::log(QStringLiteral("no spectrum data!"), 2);
        update();
        return -1;
    }
    m_spectrumWidth = float(image.width());
    m_spectrumHeight = float(image.height());
    const QRectF current = frame();
    setFrame(QRectF(current.topLeft(),
                    QSizeF(m_spectrumWidth, Screen::height() * double(m_spectrumHeight) / 568.0)));
    m_rgbaData = std::move(image);
    update();
    return 0;
}

void ZQAudioSpectrumView::paintEvent(QPaintEvent *)
{
    if (m_rgbaData.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int width = m_rgbaData.width();
    const int height = m_rgbaData.height();
    const QRectF target = bounds();
    const double columnWidth = target.width() / width;

    // Columns x < spectrumWidth x playProgress are the played part.
    int played = 0;
    if (m_playProgress > 0) {
        const double edge = double(m_spectrumWidth) * double(m_playProgress);
        played = edge >= width ? width : int(std::ceil(edge));
    }
    if (played > 0) {
        painter.setOpacity(127.0 / 255.0);
        painter.drawImage(QRectF(target.left(), target.top(), played * columnWidth, target.height()), m_rgbaData,
                          QRectF(0, 0, played, height));
        painter.setOpacity(1.0);
    }
    if (played < width)
        painter.drawImage(QRectF(target.left() + played * columnWidth, target.top(),
                                 (width - played) * columnWidth, target.height()),
                          m_rgbaData, QRectF(played, 0, width - played, height));
}
