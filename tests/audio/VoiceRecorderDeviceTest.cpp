// The voice recorder on a real microphone, through the process's private PulseAudio server:
// a spoken phrase played into the virtual microphone is recorded as the card's recorder does
// it (16 kHz Apple Lossless in CAF, levels every 50 ms) and scores as the right phrase.
#include "audio/ZQAudioRecorder.h"
#include "platform/media/AudioRecorder.h"
#include "support/SoundServerFixture.h"
#include "tools/score/ScoreRun.h"

#include <QSignalSpy>
#include <QTest>

#include <sndfile.h>

#include <algorithm>

namespace {
class LevelDelegate : public ZQRecorderDelegate
{
public:
    void periodicTimeObserver(AudioRecorder *, float powerValue, float) override { levels.append(powerValue); }
    void recorderDidFinishRecording(AudioRecorder *, bool successfully) override { finishes.append(successfully); }
    QList<float> levels;
    QList<bool> finishes;
};

double scoreOf(const QString &sentence, const QString &audio, const QString &modelFolder)
{
    ScoreRequest request;
    request.expectedSentence = sentence;
    request.audioPath = audio;
    request.corpusLines = {QStringLiteral("Where is the bus stop?"), QStringLiteral("How much does it cost?"),
                           QStringLiteral("I would like a cup of coffee.")};
    request.modelDirectory = modelFolder;
    request.acousticModelPath = QStringLiteral(PHRASEBOOK_TEST_RESOURCE_ROOT "/EnglishAcousticModel.bundle");
    int exitCode = 0;
    const QJsonObject result = ScoreRun::run(request, &exitCode);
    EXPECT_EQ(exitCode, 0) << qPrintable(result.value(QStringLiteral("error")).toString());
    // The score is a fraction of 100 (a JSON double, so toInt() would not read it).
    return result.value(QStringLiteral("score")).toDouble(-1.0);
}
}

class VoiceRecorderDevice : public SoundServerFixture
{
};

TEST_F(VoiceRecorderDevice, SpeechIntoTheMicrophoneIsRecordedAndScoresAsTheRightPhrase)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    const QString sentence = QStringLiteral("Where is the train station?");
    const QString spoken = folder + QStringLiteral("/spoken.wav");
    ASSERT_EQ(TestSupport::runProgram(QStringLiteral("flite"), {QStringLiteral("-voice"), QStringLiteral("slt"),
                                                                QStringLiteral("-t"), sentence, QStringLiteral("-o"), spoken}),
              0);
    const double spokenSeconds = MediaTestSupport::readSound(spoken).seconds();
    ASSERT_GT(spokenSeconds, 1.0);

    ZQAudioRecorder recorder;
    LevelDelegate delegate;
    recorder.setRecorderDelegate(&delegate);
    const QString take = folder + QStringLiteral("/record/101.caf");
    recorder.recordPushed(take);
    ASSERT_NE(recorder.recorder(), nullptr);
    ASSERT_TRUE(recorder.recorder()->isRecording()) << qPrintable(recorder.recorder()->lastError());
    QTest::qWait(300);
    ASSERT_TRUE(server().playIntoMicrophone(spoken));
    QTest::qWait(int(spokenSeconds * 1000) + 700);
    recorder.stopPushed();
    for (int wait = 0; wait < 60 && delegate.finishes.isEmpty(); ++wait)
        QTest::qWait(50);
    ASSERT_EQ(delegate.finishes.size(), 1);
    EXPECT_TRUE(delegate.finishes.front());

    // Levels came every 50 ms while recording: silence first, then the voice.
    EXPECT_GT(delegate.levels.size(), int((spokenSeconds + 0.8) * 20 * 0.8));
    EXPECT_LT(delegate.levels.front(), 0.01f);
    EXPECT_GT(*std::max_element(delegate.levels.begin(), delegate.levels.end()), 0.1f);

    const MediaTestSupport::Sound sound = MediaTestSupport::readSound(take);
    ASSERT_TRUE(sound.ok);
    EXPECT_EQ(sound.sampleRate, 16000);
    EXPECT_EQ(sound.format, SF_FORMAT_CAF | SF_FORMAT_ALAC_16);
    const double right = scoreOf(sentence, take, TestSupport::freshDirectory(QStringLiteral("model")));
    const double wrong = scoreOf(QStringLiteral("I would like a cup of coffee."), take,
                              TestSupport::freshDirectory(QStringLiteral("model")));
    EXPECT_GT(right, 50.0);
    EXPECT_LT(wrong, right);
}
