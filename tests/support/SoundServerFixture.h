#pragma once

#include "support/MediaTestSupport.h"
#include "support/PulseServer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// Tests on real sound devices, served by the process's private PulseAudio server.
//
// The server starts with the first test of the process and runs until the process ends
// (Qt Multimedia connects to one server per process, so it must be up before the first
// player or recorder exists). Tests that kill the server (a device that vanishes) leave no
// server to later tests of the same process: CTest runs every test case in a process of its
// own. Without pulseaudio installed the tests are skipped (they fail instead where the
// test tools are required).
class SoundServerFixture : public ::testing::Test
{
public:
    static PulseServer &server()
    {
        // Stopped by the test environment below, while the application object still exists
        // (QProcess needs it); never destroyed.
        static PulseServer *instance = new PulseServer;
        return *instance;
    }

protected:

    void SetUp() override
    {
        PHRASEBOOK_REQUIRE_OR_SKIP(PulseServer::available(), "pulseaudio or pulseaudio-utils");
        ASSERT_TRUE(server().running() || server().start()) << qPrintable(server().error());
        folder = TestSupport::freshDirectory(QStringLiteral("sound-server"));
    }

    // The stretch of a recorded sound whose level rises above `threshold` (first channel).
    struct Span
    {
        qint64 first = -1;
        qint64 last = -1;
        double seconds(int rate) const { return first < 0 ? 0.0 : double(last - first + 1) / rate; }
    };
    static Span audibleSpan(const MediaTestSupport::Sound &sound, float threshold = 0.02f)
    {
        Span span;
        for (qint64 frame = 0; frame < sound.frames(); ++frame) {
            if (std::abs(sound.samples[size_t(frame * sound.channels)]) > threshold) {
                if (span.first < 0)
                    span.first = frame;
                span.last = frame;
            }
        }
        return span;
    }
    // The first channel of the middle 80% of `span`.
    static std::vector<float> middle(const MediaTestSupport::Sound &sound, const Span &span)
    {
        std::vector<float> mono;
        if (span.first < 0)
            return mono;
        const qint64 margin = (span.last - span.first) / 10;
        for (qint64 frame = span.first + margin; frame <= span.last - margin; ++frame)
            mono.push_back(sound.samples[size_t(frame * sound.channels)]);
        return mono;
    }

    QString folder;
};

// Stops the server after the last test of the process.
class SoundServerEnvironment : public ::testing::Environment
{
public:
    void TearDown() override { SoundServerFixture::server().stop(); }
};
inline ::testing::Environment *const soundServerEnvironment =
    ::testing::AddGlobalTestEnvironment(new SoundServerEnvironment);
