// Phone posteriors from hand-made model definitions and senone logs whose answers are worked
// out by hand; damaged files; and the real acoustic model's definition.
#include "SpeechFixture.h"
#include "speech/PhonePosteriors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstring>

namespace {
void putInt32(QByteArray &bytes, qint32 value) { bytes.append(reinterpret_cast<const char *>(&value), sizeof value); }
void putInt16(QByteArray &bytes, quint16 value) { bytes.append(reinterpret_cast<const char *>(&value), sizeof value); }

// A binary model definition with one state per phone: the base phones A, B and SIL (senones
// 0, 1, 2), and one context-dependent phone of B whose senone is 3.
QByteArray modelDefinition(qint16 cdSenone = 3)
{
    QByteArray bytes("BMDF");
    putInt32(bytes, 1);
    const QByteArray description("BEGIN FILE FORMAT DESCRIPTION\nEND FILE FORMAT DESCRIPTION\n\0\0\0", 60);
    putInt32(bytes, qint32(description.size()));
    bytes.append(description);
    // ciphones, phones, states, CI senones, senones, matrices, sequences, context, tree, silence
    for (const qint32 value : {3, 4, 1, 3, 4, 3, 4, 3, 0, 2})
        putInt32(bytes, value);
    bytes.append("A\0B\0SIL\0", 8);
    const qint32 matrices[] = {0, 1, 2, 1};  // the CD phone shares B's matrix
    for (int p = 0; p < 4; ++p) {
        putInt32(bytes, p);  // its senone sequence
        putInt32(bytes, matrices[p]);
        putInt32(bytes, 0);  // attributes
    }
    putInt32(bytes, 4);
    for (const qint16 senone : {qint16(0), qint16(1), qint16(2), cdSenone})
        putInt16(bytes, quint16(senone));
    return bytes;
}

QByteArray senoneLog(const std::vector<std::vector<quint16>> &frames)
{
    QByteArray bytes("s3\nversion 0.1\nendhdr\n");
    putInt32(bytes, 0x11223344);
    for (const auto &frame : frames) {
        putInt16(bytes, quint16(frame.size()));
        for (const quint16 score : frame)
            putInt16(bytes, score);
    }
    return bytes;
}

class PhonePosteriorsTest : public testing::Test
{
protected:
    void SetUp() override { folder = TestSupport::freshDirectory(QStringLiteral("posteriors")); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString path = folder + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString folder;
    PhonePosteriors posteriors;
};
}

TEST_F(PhonePosteriorsTest, PosteriorsFollowTheBestSenoneOfEachBasePhone)
{
    QString error;
    ASSERT_TRUE(posteriors.readModelDefinition(write(QStringLiteral("mdef"), modelDefinition()), &error))
        << error.toStdString();
    EXPECT_EQ(posteriors.phoneIndex(QStringLiteral("B")), 1);
    EXPECT_EQ(posteriors.phoneIndex(QStringLiteral("ZH")), -1);
    // Frame 0: A 0, B 100, SIL 200; frame 1: A 50, B's own senone 100 but its
    // context-dependent senone 0, so B is best there.
    ASSERT_TRUE(posteriors.readScores(write(QStringLiteral("log"), senoneLog({{0, 100, 200, 300}, {50, 100, 250, 0}})), &error))
        << error.toStdString();
    EXPECT_EQ(posteriors.frameCount(), 2);
    // At scale 0.01: frame 0 gives A log(1 / (1 + e^-1 + e^-2)), frame 1 gives A
    // -0.5 - log(1 + e^-0.5 + e^-2.5).
    const double frame0 = -std::log(1.0 + std::exp(-1.0) + std::exp(-2.0));
    const double frame1 = -0.5 - std::log(1.0 + std::exp(-0.5) + std::exp(-2.5));
    EXPECT_NEAR(*posteriors.meanLogPosterior(0, 0, 0, 0.01), frame0, 1e-9);
    EXPECT_NEAR(*posteriors.meanLogPosterior(0, 0, 1, 0.01), (frame0 + frame1) / 2.0, 1e-9);
    EXPECT_NEAR(*posteriors.meanLogPosterior(1, 1, 1, 0.01), -std::log(1.0 + std::exp(-0.5) + std::exp(-2.5)), 1e-9);
    // Outside the utterance or the phone set: no answer.
    EXPECT_FALSE(posteriors.meanLogPosterior(0, 1, 2, 0.01));
    EXPECT_FALSE(posteriors.meanLogPosterior(0, 1, 0, 0.01));
    EXPECT_FALSE(posteriors.meanLogPosterior(3, 0, 0, 0.01));
}

TEST_F(PhonePosteriorsTest, DamagedFilesAreRefusedAndTheLastGoodOnesKept)
{
    QString error;
    EXPECT_FALSE(posteriors.readScores(write(QStringLiteral("early"), senoneLog({{0, 0, 0, 0}})), &error));
    EXPECT_FALSE(error.isEmpty());

    const QByteArray good = modelDefinition();
    EXPECT_FALSE(posteriors.readModelDefinition(folder + QStringLiteral("/missing"), &error));
    EXPECT_FALSE(posteriors.readModelDefinition(write(QStringLiteral("text"), "0.3\n3 n_base\n"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("not a binary model definition")));
    EXPECT_FALSE(posteriors.readModelDefinition(write(QStringLiteral("cut"), good.left(good.size() - 3)), &error));
    QByteArray huge = good;  // claims four million senone sequences in a file of 180 bytes
    const qint32 many = 4000000;
    std::memcpy(huge.data() + 72 + 6 * 4, &many, sizeof many);
    EXPECT_FALSE(posteriors.readModelDefinition(write(QStringLiteral("huge"), huge), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("truncated"))) << error.toStdString();
    EXPECT_FALSE(posteriors.readModelDefinition(write(QStringLiteral("outside"), modelDefinition(9)), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("senone outside")));
    EXPECT_EQ(posteriors.phoneIndex(QStringLiteral("A")), -1);  // nothing was taken from them

    ASSERT_TRUE(posteriors.readModelDefinition(write(QStringLiteral("mdef"), good), &error));
    ASSERT_TRUE(posteriors.readScores(write(QStringLiteral("log"), senoneLog({{0, 100, 200, 300}})), &error));
    const QByteArray whole = senoneLog({{0, 100, 200, 300}, {0, 0, 0, 0}});
    const QList<QPair<QByteArray, QString>> broken = {
        {whole.left(whole.size() - 1), QStringLiteral("cut off")},
        {senoneLog({{0, 100, 200}}), QStringLiteral("has 3 senones")},
        {QByteArray("no header at all"), QStringLiteral("not a senone log")},
    };
    for (const auto &[bytes, message] : broken) {
        EXPECT_FALSE(posteriors.readScores(write(QStringLiteral("bad"), bytes), &error)) << message.toStdString();
        EXPECT_TRUE(error.contains(message)) << error.toStdString();
        EXPECT_EQ(posteriors.frameCount(), 1);
    }
}

TEST_F(PhonePosteriorsTest, TheAcousticModelsDefinitionMapsEverySenone)
{
    const QString mdef = SpeechFixture::acousticModelPath() + QStringLiteral("/mdef");
    PHRASEBOOK_REQUIRE_OR_SKIP(QFileInfo::exists(mdef), "the acoustic model");
    QString error;
    ASSERT_TRUE(posteriors.readModelDefinition(mdef, &error)) << error.toStdString();
    EXPECT_GE(posteriors.phoneIndex(QStringLiteral("AE")), 0);
    EXPECT_GE(posteriors.phoneIndex(QStringLiteral("SIL")), 0);
}
