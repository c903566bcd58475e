#include "VoiceSynthesizer.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <sndfile.h>

#include <memory>
#include <vector>

namespace {
constexpr int processTimeoutMs = 60000;

// Runs a program to its end; on success *output holds its standard output.
QString runProgram(const QString &program, const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(processTimeoutMs))
        return QStringLiteral("cannot start %1: %2").arg(program, process.errorString());
    if (!process.waitForFinished(processTimeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return QStringLiteral("%1 did not finish within %2 s").arg(program).arg(processTimeoutMs / 1000);
    }
    const QByteArray errors = process.readAllStandardError().trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return QStringLiteral("%1 failed (exit status %2)%3")
            .arg(program)
            .arg(process.exitCode())
            .arg(errors.isEmpty() ? QString() : QStringLiteral(": ") + QString::fromLocal8Bit(errors));
    }
    if (output)
        *output = process.readAllStandardOutput();
    return {};
}

struct SndfileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;
}

QString VoiceSynthesizer::checkPrograms(bool needTranscriber)
{
    QStringList missing;
    if (QStandardPaths::findExecutable(QStringLiteral("flite")).isEmpty())
        missing.append(QStringLiteral("flite (package flite)"));
    if (needTranscriber && QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty())
        missing.append(QStringLiteral("espeak-ng (package espeak-ng)"));
    if (missing.isEmpty())
        return {};
    return QStringLiteral("missing program(s) on PATH: %1").arg(missing.join(QStringLiteral(", ")));
}

QString VoiceSynthesizer::synthesise(const QString &text, const QString &wavPath, const QString &mp3Path)
{
    const QString failure = runProgram(QStringLiteral("flite"),
                                       {QStringLiteral("-voice"), QStringLiteral("slt"), QStringLiteral("-t"),
                                        text, QStringLiteral("-o"), wavPath},
                                       nullptr);
    if (!failure.isEmpty())
        return failure;
    if (QFileInfo(wavPath).size() <= 44)
        return QStringLiteral("flite wrote no audio to %1").arg(wavPath);
    const QString encoding = encodeMp3(wavPath, mp3Path);
    QFile::remove(wavPath);
    return encoding;
}

QString VoiceSynthesizer::encodeMp3(const QString &wavPath, const QString &mp3Path)
{
    SF_INFO inputInfo{};
    SndfileHandle input(sf_open(QFile::encodeName(wavPath).constData(), SFM_READ, &inputInfo));
    if (!input)
        return QStringLiteral("cannot read %1: %2").arg(wavPath, QString::fromUtf8(sf_strerror(nullptr)));
    if (inputInfo.frames <= 0)
        return QStringLiteral("%1 holds no audio").arg(wavPath);

    SF_INFO outputInfo{};
    outputInfo.samplerate = inputInfo.samplerate;
    outputInfo.channels = inputInfo.channels;
    outputInfo.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    if (!sf_format_check(&outputInfo))
        return QStringLiteral("libsndfile cannot write MP3 at %1 Hz, %2 channel(s)")
            .arg(inputInfo.samplerate)
            .arg(inputInfo.channels);
    SndfileHandle output(sf_open(QFile::encodeName(mp3Path).constData(), SFM_WRITE, &outputInfo));
    if (!output)
        return QStringLiteral("cannot write %1: %2").arg(mp3Path, QString::fromUtf8(sf_strerror(nullptr)));

    std::vector<short> block(4096 * static_cast<size_t>(inputInfo.channels));
    const sf_count_t blockFrames = 4096;
    sf_count_t total = 0;
    for (;;) {
        const sf_count_t frames = sf_readf_short(input.get(), block.data(), blockFrames);
        if (frames <= 0)
            break;
        if (sf_writef_short(output.get(), block.data(), frames) != frames)
            return QStringLiteral("cannot write %1: %2").arg(mp3Path, QString::fromUtf8(sf_strerror(output.get())));
        total += frames;
    }
    if (total != inputInfo.frames)
        return QStringLiteral("%1: read %2 of %3 frames").arg(wavPath).arg(total).arg(inputInfo.frames);
    if (sf_close(output.release()) != 0)
        return QStringLiteral("cannot finish %1").arg(mp3Path);
    return {};
}

QString VoiceSynthesizer::transcribe(const QString &text, QString *phon)
{
    QByteArray output;
    const QString failure = runProgram(QStringLiteral("espeak-ng"),
                                       {QStringLiteral("-q"), QStringLiteral("--ipa"), QStringLiteral("-v"),
                                        QStringLiteral("en-us"), text},
                                       &output);
    if (!failure.isEmpty())
        return failure;
    QStringList lines;
    for (const QString &line : QString::fromUtf8(output).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    if (lines.isEmpty())
        return QStringLiteral("espeak-ng gave no transcription for \"%1\"").arg(text);
    *phon = lines.join(QLatin1Char(' '));
    return {};
}
