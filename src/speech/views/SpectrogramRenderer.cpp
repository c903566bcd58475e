#include "SpectrogramRenderer.h"

#include <cfloat>
#include <cmath>
#include <limits>

int SpectrogramRenderer::intensity(double power, double scale)
{
    const double value = power * scale;
    // Negative and NaN values count as silence; truncation then keeps the low 8 bits, so a
    // value past the maximum wraps as an 8-bit channel would. Values too large for a
    // 64-bit integer (a record whose maxPower does not bound its data) saturate to black.
    if (!(value > 0.0))
        return 0;
    if (value >= 9.0e18)
        return 255;
    return int(static_cast<qint64>(value) & 0xFF);
}

QImage SpectrogramRenderer::render(const AudioPowerSpectrumInfo &info)
{
    if (info.powerData.isEmpty() || info.frameCount == 0 || info.spectrumSize <= 0)
        return {};
    // QImage dimensions are int; a frame count beyond that is no real recording.
    if (info.frameCount > quint64(std::numeric_limits<int>::max()))
        return {};
    const int width = int(info.frameCount);
    const int height = info.spectrumSize;
    QImage image(width, height, QImage::Format_RGBA8888);
    if (image.isNull())
        return {};
    image.fill(Qt::white);

    const double maximum = info.maxPower > 0.0 ? info.maxPower : double(FLT_MAX);
    const double scale = 255.0 / maximum;
    const int rows = int(std::min<qsizetype>(info.powerData.size(), width));
    for (int bin = 0; bin < height; ++bin) {
        uchar *line = image.scanLine(height - 1 - bin);
        for (int x = 0; x < rows; ++x) {
            const QList<double> &frame = info.powerData.at(x);
            if (bin >= frame.size())
                continue;
            const uchar grey = uchar(255 - intensity(frame.at(bin), scale));
            uchar *pixel = line + 4 * x;
            pixel[0] = grey;
            pixel[1] = grey;
            pixel[2] = grey;
            pixel[3] = 255;
        }
    }
    return image;
}
