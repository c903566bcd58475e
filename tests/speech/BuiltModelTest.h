#pragma once

#include "SpeechFixture.h"
#include "speech/PronunciationComparison.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <sndfile.h>

#include <utility>

// Tests that need the built acoustic model bundle (its lookup list): each starts with the
// comparison engine's caches empty and a fresh folder of its own. A derived SetUp calls this
// one first and returns when it skipped or failed.
class BuiltModelTest : public testing::Test
{
protected:
    explicit BuiltModelTest(QString folderName) : m_folderName(std::move(folderName)) {}

    void SetUp() override
    {
        PHRASEBOOK_REQUIRE_OR_SKIP(
            QFileInfo::exists(SpeechFixture::acousticModelPath() + QStringLiteral("/PronunciationLookupList.text")),
            "the built acoustic model bundle");
        PronunciationComparison::clearCaches();
        folder = TestSupport::freshDirectory(m_folderName);
    }
    bool setUpStopped() const { return IsSkipped() || HasFatalFailure(); }

    // 16 kHz mono samples as a WAV file in the test's folder; empty when it cannot be written.
    QString writeWav(const QString &name, const std::vector<short> &samples) const
    {
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".wav");
        return SpeechFixture::writeAudio(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16000, 1, samples) ? path : QString();
    }

    QString folder;

private:
    QString m_folderName;
};
