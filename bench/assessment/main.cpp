// The alignment-based assessment measured against human raters, on the speechocean762
// folder (non-native English read by Mandarin speakers, five raters per utterance; Zhang et
// al., Interspeech 2021, CC BY 4.0). For every utterance the comparison engine runs as the
// app runs it, with the assessment asked for; the benchmark then prints
//   - Pearson r of the sentence accuracy with the raters': ours (as calibrated in the
//     source, and refitted leaving each speaker out) and the comparison's 0-100 score;
//   - Pearson r of the word accuracy (words matched in order), likewise;
//   - the lift of marked words: the share of marked words the raters scored 6 or less,
//     divided by that share among all words;
//   - time per second of audio of the assessment next to one bare decode (the recording's
//     recognition, decoder creation included).
// --fit also prints the constants fitted on all utterances (to copy into the source) and
// the lift of other marking rules.
//
// bench_assessment --flite [VOICE] runs the flite check instead (FliteCheck.h).
//
// Usage: bench_assessment DIR [--fit] [--limit N]
//        bench_assessment DIR --dump FILE   (also writes one line per phone, for fitting)
//        bench_assessment --flite [VOICE]   (VOICE: slt, the default, or kal16)
#include "AssessmentData.h"
#include "Calibration.h"
#include "FliteCheck.h"
#include "platform/foundation/ResourceLocator.h"
#include "speech/PronunciationAssessor.h"
#include "speech/PronunciationComparison.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
struct Measured
{
    const RatedUtterance *utterance = nullptr;
    float comparisonScore = 0.0f;
    AssessmentResult assessment;
    double recognitionMs = 0.0;
    double assessmentMs = 0.0;
    double seconds = 0.0;
};

struct Options
{
    QString folder;
    bool fit = false;
    int limit = -1;
    QString dump;
};

bool parseOptions(const QStringList &arguments, Options *options)
{
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--fit"))
            options->fit = true;
        else if (arguments[i] == QLatin1String("--limit") && i + 1 < arguments.size())
            options->limit = arguments[++i].toInt();
        else if (arguments[i] == QLatin1String("--dump") && i + 1 < arguments.size())
            options->dump = arguments[++i];
        else if (options->folder.isEmpty() && !arguments[i].startsWith(QLatin1Char('-')))
            options->folder = arguments[i];
        else
            return false;
    }
    return !options->folder.isEmpty();
}

Measured measure(const RatedUtterance &utterance, const QString &acoustic, const QString &modelFolder)
{
    ComparisonRequest request;
    request.expectedSentence = utterance.text;
    request.phraseContents = {utterance.text};
    request.acousticModelPath = acoustic;
    request.modelDirectory = modelFolder;
    request.assess = true;
    PronunciationComparison comparison(request);
    const ComparisonResult result = comparison.compare(utterance.audioPath);
    Measured measured;
    measured.utterance = &utterance;
    measured.comparisonScore = result.score;
    measured.assessment = result.assessment.value_or(AssessmentResult());
    measured.recognitionMs = result.timings.recognitionMs;
    measured.assessmentMs = result.timings.assessmentMs;
    measured.seconds = double(result.estimated.durationMs) / 1000.0;
    return measured;
}

// The scored words of the utterances whose word count matches the raters' list, paired
// with their rating.
struct RatedWord
{
    const WordAssessment *word;
    double rating;
    QString speaker;
};

std::vector<RatedWord> ratedWords(const std::vector<Measured> &all)
{
    std::vector<RatedWord> words;
    for (const Measured &m : all) {
        const auto &ratings = m.utterance->wordAccuracies;
        if (m.assessment.words.size() != ratings.size())
            continue;
        for (size_t i = 0; i < ratings.size(); ++i) {
            // A word the lookup list does not know has no accuracy to compare.
            const WordAssessment &word = m.assessment.words[i];
            if (word.omitted || !word.phones.empty())
                words.push_back({&word, ratings[i], m.utterance->speaker});
        }
    }
    return words;
}

// Sentence features: 1, the raw score, the share of omitted words.
std::vector<double> sentenceRow(const AssessmentResult &a)
{
    int omitted = 0;
    for (const WordAssessment &word : a.words)
        omitted += word.omitted ? 1 : 0;
    const double share = a.words.empty() ? 1.0 : double(omitted) / double(a.words.size());
    return {1.0, double(a.rawScore), share};
}

// The rows a calibration is fitted on (items without an alignment are left out and
// predicted 0): features, the raters' score times ten, the speaker, the item's place.
struct FitSet
{
    std::vector<std::vector<double>> rows;
    std::vector<double> rated;
    std::vector<QString> speakers;
    std::vector<size_t> places;

    void add(std::vector<double> row, double rating, const QString &speaker, size_t place)
    {
        rows.push_back(std::move(row));
        rated.push_back(rating * 10.0);
        speakers.push_back(speaker);
        places.push_back(place);
    }
    // Each item's prediction by a fit on the other speakers, 0 to 100, for `count` items.
    std::vector<double> heldOut(size_t count) const
    {
        std::vector<double> result(count, 0.0);
        const std::vector<double> predicted = Calibration::leaveOneGroupOut(rows, rated, speakers);
        for (size_t r = 0; r < places.size(); ++r)
            result[places[r]] = std::clamp(predicted[r], 0.0, 100.0);
        return result;
    }
};

bool aligned(const AssessmentResult &a)
{
    return std::any_of(a.words.begin(), a.words.end(), [](const WordAssessment &w) { return !w.omitted && !w.phones.empty(); });
}

void reportSentences(const std::vector<Measured> &all, bool printFit)
{
    std::vector<double> human, ours, comparison;
    FitSet set;
    for (size_t i = 0; i < all.size(); ++i) {
        human.push_back(all[i].utterance->accuracy);
        ours.push_back(all[i].assessment.accuracy);
        comparison.push_back(all[i].comparisonScore);
        if (aligned(all[i].assessment))
            set.add(sentenceRow(all[i].assessment), all[i].utterance->accuracy, all[i].utterance->speaker, i);
    }
    const std::vector<double> loso = set.heldOut(all.size());
    std::printf("sentence accuracy, Pearson r with the raters (%zu utterances):\n", all.size());
    std::printf("  assessment, as calibrated in the source      %.3f\n", Calibration::pearson(ours, human));
    std::printf("  assessment, refitted leaving each speaker out %.3f   (target >= 0.50)\n", Calibration::pearson(loso, human));
    std::printf("  the comparison's 0-100 score                 %.3f\n", Calibration::pearson(comparison, human));
    if (printFit) {
        const std::vector<double> c = Calibration::fit(set.rows, set.rated);
        if (c.size() == 3)
            std::printf("  fit on all: kSentenceBase = %.2f, kSentenceSlope = %.4f, kSentenceOmitted = %.2f\n", c[0], c[1], c[2]);
    }
}

void reportWords(const std::vector<RatedWord> &words, bool printFit)
{
    std::vector<double> human, ours;
    FitSet set;
    for (size_t i = 0; i < words.size(); ++i) {
        const WordAssessment &word = *words[i].word;
        human.push_back(words[i].rating);
        ours.push_back(word.accuracy);
        if (!word.omitted && !word.phones.empty())
            set.add({1.0, double(word.rawScore), PronunciationAssessor::heardShare(word)}, words[i].rating,
                    words[i].speaker, i);
    }
    const std::vector<double> loso = set.heldOut(words.size());
    std::printf("word accuracy, Pearson r with the raters (%zu words matched in order):\n", words.size());
    std::printf("  assessment, as calibrated in the source      %.3f\n", Calibration::pearson(ours, human));
    std::printf("  assessment, refitted leaving each speaker out %.3f   (target >= 0.25)\n", Calibration::pearson(loso, human));
    // The same over the words the alignment kept (an omitted word's 0 weighs heavily when
    // the raters heard it).
    std::vector<double> saidHuman, saidLoso;
    for (const size_t place : set.places) {
        saidHuman.push_back(human[place]);
        saidLoso.push_back(loso[place]);
    }
    std::printf("  refitted leaving each speaker out, the %zu words not omitted %.3f\n", saidHuman.size(),
                Calibration::pearson(saidLoso, saidHuman));
    if (printFit) {
        const std::vector<double> c = Calibration::fit(set.rows, set.rated);
        if (c.size() == 3)
            std::printf("  fit on all: kWordBase = %.2f, kWordSlope = %.4f, kWordHeard = %.2f\n", c[0], c[1], c[2]);
    }
}

// Lift of the marks: share of marked words rated <= 6 over that share among all words.
void printLift(const char *name, const std::vector<RatedWord> &words)
{
    int low = 0, marked = 0, markedLow = 0, wrong = 0, weak = 0;
    for (const RatedWord &w : words) {
        const bool isLow = w.rating <= 6.0;
        low += isLow ? 1 : 0;
        if (w.word->marked()) {
            ++marked;
            markedLow += isLow ? 1 : 0;
            (w.word->mark == WordMark::Wrong ? wrong : weak)++;
        }
    }
    const double base = words.empty() ? 0.0 : double(low) / double(words.size());
    const double share = marked ? double(markedLow) / double(marked) : 0.0;
    std::printf("  %-34s %4d marked (%d wrong, %d weak), %.0f%% rated <= 6 vs %.0f%% of all: lift %.2f\n", name,
                marked, wrong, weak, 100.0 * share, 100.0 * base, base > 0.0 ? share / base : 0.0);
}

void reportMarks(std::vector<Measured> &all, bool tryRules)
{
    std::printf("marked words (target lift >= 3):\n");
    printLift("the app's rule", ratedWords(all));
    if (!tryRules)
        return;
    for (const double deviations : {2.0, 2.5, 3.0}) {
        for (const float limit : {15.0f, 21.0f, 30.0f}) {
            for (const float substitution : {0.0f, 21.0f, 40.0f}) {
                MarkingRule rule;
                rule.weakDeviations = deviations;
                rule.weakPhoneLimit = limit;
                rule.substitutionPhoneLimit = substitution;
                for (Measured &m : all)
                    PronunciationAssessor::markWords(m.assessment, rule);
                const QByteArray name = QStringLiteral("sd %1, weak < %2, heard < %3").arg(deviations).arg(limit).arg(substitution).toUtf8();
                printLift(name.constData(), ratedWords(all));
            }
        }
    }
    for (Measured &m : all)
        PronunciationAssessor::markWords(m.assessment);
}

void reportPhones(const std::vector<Measured> &all)
{
    std::vector<double> raws;
    for (const Measured &m : all) {
        for (const WordAssessment &w : m.assessment.words) {
            for (const PhoneAssessment &p : w.phones) {
                if (!w.omitted)
                    raws.push_back(p.rawScore);
            }
        }
    }
    if (raws.empty())
        return;
    std::sort(raws.begin(), raws.end());
    auto at = [&raws](double q) { return raws[size_t(q * double(raws.size() - 1))]; };
    std::printf("phone raw scores (%zu phones): 5%% %.1f, 25%% %.1f, median %.1f, 75%% %.1f, 95%% %.1f\n",
                raws.size(), at(0.05), at(0.25), at(0.5), at(0.75), at(0.95));
}

// One line per expected phone (omitted words: one line without a phone), for fitting
// elsewhere: utterance, speaker, sentence rating, word index, word rating, comparison score,
// phone, raw score, milliseconds, heard, omitted.
bool dumpPhones(const std::vector<Measured> &all, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (const Measured &m : all) {
        const RatedUtterance &u = *m.utterance;
        for (size_t i = 0; i < m.assessment.words.size(); ++i) {
            const WordAssessment &w = m.assessment.words[i];
            const double rating = i < u.wordAccuracies.size() ? u.wordAccuracies[i] : -1.0;
            const QString prefix = QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t").arg(u.id, u.speaker).arg(u.accuracy)
                                       .arg(i).arg(rating).arg(m.comparisonScore);
            if (w.omitted || w.phones.empty())
                out << prefix << "-\t0\t0\t-\t" << (w.omitted ? 1 : 0) << "\t0\n";
            for (const PhoneAssessment &p : w.omitted ? std::vector<PhoneAssessment>() : w.phones)
                out << prefix << p.phone << '\t' << p.rawScore << '\t' << (p.endMs - p.startMs) << '\t'
                    << (p.heard.isEmpty() ? QStringLiteral("-") : p.heard) << "\t0\t" << p.goodness << "\n";
        }
    }
    return true;
}

void reportTime(const std::vector<Measured> &all)
{
    double seconds = 0.0, recognition = 0.0, assessment = 0.0;
    for (const Measured &m : all) {
        seconds += m.seconds;
        recognition += m.recognitionMs;
        assessment += m.assessmentMs;
    }
    if (seconds <= 0.0)
        return;
    std::printf("time per second of audio (%.0f s in all): bare decode %.1f ms, assessment %.1f ms = %.2fx (target <= 1x)\n",
                seconds, recognition / seconds, assessment / seconds, recognition > 0.0 ? assessment / recognition : 0.0);
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString acoustic = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    if (acoustic.isEmpty()) {
        std::fprintf(stderr, "the acoustic model bundle was not found (%s)\n", qPrintable(ResourceLocator::describeSearch()));
        return 1;
    }
    if (argc >= 2 && QByteArray(argv[1]) == "--flite")
        return runFliteCheck(acoustic, argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("slt"));
    Options options;
    if (!parseOptions(app.arguments(), &options)) {
        std::fprintf(stderr, "usage: bench_assessment DIR [--fit] [--limit N]\n"
                             "DIR holds scores.tsv and audio/ (the speechocean762 folder)\n");
        return 2;
    }
    QString error;
    const std::optional<std::vector<RatedUtterance>> utterances = readRatedUtterances(options.folder, &error);
    if (!utterances) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QTemporaryDir models;
    std::vector<Measured> all;
    for (const RatedUtterance &utterance : *utterances) {
        if (options.limit >= 0 && int(all.size()) >= options.limit)
            break;
        all.push_back(measure(utterance, acoustic, models.path()));
        std::fprintf(stderr, "\r%zu / %zu", all.size(), utterances->size());
    }
    std::fprintf(stderr, "\n");
    reportSentences(all, options.fit);
    reportWords(ratedWords(all), options.fit);
    reportMarks(all, options.fit);
    reportPhones(all);
    reportTime(all);
    if (!options.dump.isEmpty() && !dumpPhones(all, options.dump)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(options.dump));
        return 1;
    }
    return 0;
}
