// One paint of a 10-second voiceprint (1000 frames of 128 bins) half played, as a progress
// tick repaints it: the spectrogram view alone, and the whole spectrum panel. Offscreen,
// on the 320 x 568 screen (one pixel per frame and bin) and the tablet screen (scaled).
//
// Usage: bench_spectrum [ROUNDS]   median of ROUNDS paints (default 200)
#include "platform/ui/DeviceProfile.h"
#include "speech/views/SpectrogramRenderer.h"
#include "speech/views/ZQAudioSpectrumView.h"
#include "speech/views/ZQSpectrumPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
AudioPowerSpectrumInfo tenSeconds()
{
    AudioPowerSpectrumInfo info;
    info.frameCount = 1000;
    for (int frame = 0; frame < 1000; ++frame) {
        QList<double> bins(128);
        for (int bin = 0; bin < 128; ++bin) {
            bins[bin] = 10.0 + 8.0 * std::sin(frame * 0.05 + bin * 0.2);
            info.maxPower = std::max(info.maxPower, bins[bin]);
        }
        info.powerData.append(bins);
    }
    return info;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template<class Paint>
double timePaints(int rounds, Paint paint)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        paint();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const AudioPowerSpectrumInfo info = tenSeconds();

    QElapsedTimer renderTimer;
    renderTimer.start();
    const QImage once = SpectrogramRenderer::render(info);
    std::printf("image rendering (once per spectrum): %.3f ms for %d x %d\n", renderTimer.nsecsElapsed() / 1e6,
                once.width(), once.height());

    for (const char *device : {"se", "tablet"}) {
        Screen::setDevice(*DeviceProfile::preset(QString::fromLatin1(device)));
        const qreal width = Screen::width() - 20;
        ZQSpectrumPanel panel(QRectF(0, 0, width, Screen::width() * 30 / 320 + Screen::height() * 138 / 568));
        panel.setSpectrum(QString(), info);
        panel.asView()->setPlayProgress(0.5f);
        QImage viewTarget(panel.asView()->size(), QImage::Format_ARGB32_Premultiplied);
        QImage panelTarget(panel.size(), QImage::Format_ARGB32_Premultiplied);
        const double view = timePaints(rounds, [&] { panel.asView()->render(&viewTarget); });
        const double whole = timePaints(rounds, [&] { panel.render(&panelTarget); });
        std::printf("%s: spectrogram view %d x %d: %.3f ms per paint; whole panel: %.3f ms (target <= 1 ms)\n",
                    device, panel.asView()->width(), panel.asView()->height(), view, whole);
    }
    return 0;
}
