#include "FliteCheck.h"

#include "speech/PronunciationAssessor.h"

#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {
struct Case
{
    const char *expected;
    const char *read;
    int replaced;  // the index of the replaced word
};

constexpr Case kCases[] = {
    {"I would like a cup of tea", "I would like a cap of tea", 4},
    {"The cat sat on the bed", "The cat sat on the bad", 5},
    {"Please ship the box today", "Please sheep the box today", 1},
    {"I live near the park", "I leave near the park", 1},
    {"She wants a full glass", "She wants a fool glass", 3},
    {"We need the right key", "We need the light key", 3},
    {"He will think about it", "He will sink about it", 2},
    {"They went to the van", "They went to the fan", 4},
    {"My pen is on the desk", "My pan is on the desk", 1},
    {"Bring me the big bag", "Bring me the big bug", 4},
};

QString speak(const QString &text, const QString &voice, const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("flite"), {QStringLiteral("-voice"), voice, QStringLiteral("-t"), text,
                                            QStringLiteral("-o"), path});
    return process.waitForFinished(60000) && process.exitCode() == 0 ? path : QString();
}

QString describe(const AssessmentResult &result)
{
    QStringList words;
    for (const WordAssessment &word : result.words) {
        QString text = QStringLiteral("%1 %2").arg(word.word).arg(int(word.accuracy));
        if (word.marked())
            text += word.mark == WordMark::Wrong ? QStringLiteral(" [wrong") : QStringLiteral(" [weak");
        for (const PhoneAssessment &phone : word.phones) {
            if (!phone.heard.isEmpty())
                text += QStringLiteral(" (%1>%2)").arg(phone.phone, phone.heard);
        }
        if (word.marked() && word.weakPhone >= 0) {
            const PhoneAssessment &phone = word.phones[size_t(word.weakPhone)];
            text += QLatin1Char(' ') + phone.phone + (phone.heard.isEmpty() ? QString() : QLatin1Char('>') + phone.heard);
        }
        if (word.marked())
            text += QLatin1Char(']');
        words.append(text);
    }
    return words.join(QStringLiteral(", "));
}

bool lowestOrMarked(const AssessmentResult &result, int index)
{
    if (index >= int(result.words.size()))
        return false;
    const WordAssessment &target = result.words[size_t(index)];
    if (target.marked())
        return true;
    for (const WordAssessment &word : result.words) {
        if (&word != &target && word.accuracy <= target.accuracy)
            return false;
    }
    return true;
}
}

int runFliteCheck(const QString &acousticModelPath, const QString &voice)
{
    QTemporaryDir folder;
    PronunciationAssessor assessor(acousticModelPath);
    int found = 0, clean = 0, cases = 0;
    for (const Case &c : kCases) {
        const QString read = speak(QString::fromLatin1(c.read), voice, folder.filePath(QStringLiteral("read.wav")));
        const QString right = speak(QString::fromLatin1(c.expected), voice, folder.filePath(QStringLiteral("right.wav")));
        if (read.isEmpty() || right.isEmpty()) {
            std::fprintf(stderr, "flite is needed\n");
            return 1;
        }
        ++cases;
        const AssessmentResult replaced = assessor.assessFile(read, QString::fromLatin1(c.expected));
        const AssessmentResult correct = assessor.assessFile(right, QString::fromLatin1(c.expected));
        const bool hit = lowestOrMarked(replaced, c.replaced);
        bool red = false;
        for (const WordAssessment &word : correct.words)
            red = red || word.mark == WordMark::Wrong;
        found += hit ? 1 : 0;
        clean += red ? 0 : 1;
        std::printf("  \"%s\" read as \"%s\": %s\n    %s\n    as written: %s\n", c.expected, c.read,
                    hit ? "found" : "MISSED", qPrintable(describe(replaced)), qPrintable(describe(correct)));
    }
    std::printf("flite (%s): replaced word marked or lowest in %d of %d (target >= 8); correct readings "
                "without a red mark %d of %d (target >= 9)\n", qPrintable(voice), found, cases, clean, cases);
    return 0;
}
