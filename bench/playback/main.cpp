// Time from playVoice to the first sample handed to the output, over many starts of a
// phrase voice (an MP3 made here, and the installed voices when the resource root has
// them), and from a tap on a word of the comparison panel (SpanPlayer: the file decoded,
// the word's range cut out) to its first sample. Target: <= 50 ms. Prints the figures;
// never fails on time.
//
// On a machine without a sound server the samples go to the null output, which takes its
// first period at once; with a device, the figure includes the sink's first read.
#include "content/AppCommon.h"
#include "audio/AppCommonAudio.h"
#include "audio/SpanPlayer.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioPlayerSlot.h"
#include "platform/foundation/Preferences.h"
#include "platform/foundation/ResourceLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {
qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool writeVoice(const QString &path, double seconds)
{
    SF_INFO info{};
    info.samplerate = 16000;
    info.channels = 1;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<float> samples(size_t(seconds * 16000));
    for (size_t i = 0; i < samples.size(); ++i) {
        // A vowel-like mix of a few harmonics under a slow envelope.
        const double t = double(i) / 16000.0;
        const double envelope = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * t / seconds);
        samples[i] = float(envelope * (0.4 * std::sin(2 * std::numbers::pi * 180 * t)
                                       + 0.2 * std::sin(2 * std::numbers::pi * 360 * t)
                                       + 0.1 * std::sin(2 * std::numbers::pi * 900 * t)));
    }
    const bool ok = sf_writef_float(file, samples.data(), sf_count_t(samples.size())) == sf_count_t(samples.size());
    sf_close(file);
    return ok;
}

struct Figures
{
    double min, median, p95, max;
};

Figures summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) { return values[std::min(values.size() - 1, size_t(q * double(values.size() - 1) + 0.5))]; };
    return {values.front(), at(0.5), at(0.95), values.back()};
}

// Waits for the first sample of `player`; the time since `start` in milliseconds, -1 when
// none came within two seconds.
double firstSampleMs(const AudioPlayer &player, qint64 start)
{
    QElapsedTimer wait;
    wait.start();
    while (player.firstRenderNs() == 0 && wait.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 first = player.firstRenderNs();
    return first ? double(first - start) / 1e6 : -1.0;
}

// Starts each voice `rounds` times at the given speed; returns the start-to-first-sample
// times in milliseconds (-1 entries for starts that gave no player or no sample).
std::vector<double> measure(const QStringList &voices, int rounds, double speed, bool *usedNull)
{
    AppCommon::setPlaySpeed(speed);
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        for (const QString &voice : voices) {
            const qint64 start = steadyNs();
            std::unique_ptr<AudioPlayer> player = AppCommon::playVoice(QUrl::fromLocalFile(voice), 0);
            if (!player) {
                times.push_back(-1);
                continue;
            }
            times.push_back(firstSampleMs(*player, start));
            *usedNull = player->usesNullOutput();
            player->stop();
        }
    }
    return times;
}

// Plays 0.4 s from the middle of `voice` as a tap on a word does, `rounds` times.
std::vector<double> measureWords(const QString &voice, int rounds)
{
    SpanPlayer words;
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const qint64 start = steadyNs();
        words.play({{voice, 1000, 1400}});
        const AudioPlayer *player = AudioPlayerSlot::sharedPlayer();
        times.push_back(player && words.isPlaying() ? firstSampleMs(*player, start) : -1.0);
        words.stop();
    }
    return times;
}

void report(const char *label, const std::vector<double> &times)
{
    std::vector<double> valid;
    std::copy_if(times.begin(), times.end(), std::back_inserter(valid), [](double t) { return t >= 0; });
    if (valid.empty()) {
        std::printf("%-34s no sample reached the output\n", label);
        return;
    }
    const Figures f = summarise(valid);
    std::printf("%-34s n=%zu  min %.2f  median %.2f  p95 %.2f  max %.2f ms%s\n", label, valid.size(), f.min,
                f.median, f.p95, f.max, f.p95 <= 50.0 ? "" : "  (above the 50 ms target)");
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    Preferences::setStorageFile(scratch.path() + QStringLiteral("/preferences.ini"));

    const QString made = scratch.path() + QStringLiteral("/voice.mp3");
    if (!writeVoice(made, 3.0)) {
        std::fprintf(stderr, "bench_playback: cannot write %s\n", qPrintable(made));
        return 1;
    }
    bool usedNull = true;
    measure({made}, 3, 1.0, &usedNull);  // warm-up: fonts of the log, decoder, device lookup
    report("3 s MP3, speed 1.0", measure({made}, 50, 1.0, &usedNull));
    report("3 s MP3, speed 0.6 (stretched)", measure({made}, 50, 0.6, &usedNull));
    report("a word of the 3 s MP3 (tap)", measureWords(made, 50));

    QStringList installed;
    const QString bundle = ResourceLocator::bundlePath(QStringLiteral("resources"));
    if (!bundle.isEmpty() && QDir(bundle).exists()) {
        QDirIterator it(bundle, {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext() && installed.size() < 40)
            installed.append(it.next());
    }
    if (!installed.isEmpty())
        report("installed voices, speed 1.0", measure(installed, 3, 1.0, &usedNull));
    else
        std::printf("installed voices: none found (resource root %s)\n", qPrintable(ResourceLocator::describeSearch()));
    std::printf("output: %s\n", usedNull ? "null output (no sound device)" : "sound device");
    return 0;
}
