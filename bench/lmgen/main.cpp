// Language model + dictionary generation for a 20-sentence corpus, timed over many runs.
// Target: <= 10 ms per generation. Prints the figures; never fails on time.
//
// Uses the built EnglishAcousticModel.bundle when the resource root has one; otherwise a
// lookup list made here from Debian's cmudict-en-us.dict (upper-cased, sorted the way the
// lookup expects), so the dictionary search covers a full-size list either way.
#include "speech/PronunciationLookup.h"
#include "platform/foundation/ResourceLocator.h"
#include "speech/ZQLanguageModelTrainer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// CPU time of this thread, in milliseconds: on a busy machine it leaves out the time spent
// waiting for a processor, which the wall-clock figures include.
double threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

const char *const sentences[] = {
    "Good morning",         "How are you",           "Thank you very much",  "Where is the station",
    "I would like a coffee", "How much is this",     "Excuse me",            "Do you speak English",
    "I do not understand",  "Could you help me",     "What time is it",      "See you tomorrow",
    "Nice to meet you",     "Where is the toilet",   "The bill please",      "I am lost",
    "Can I pay by card",    "One ticket please",     "Have a nice day",      "Good night",
};

QString buildLookupListFromDebian(const QString &folder)
{
    QFile source(QStringLiteral("/usr/share/pocketsphinx/model/en-us/cmudict-en-us.dict"));
    if (!source.open(QIODevice::ReadOnly))
        return {};
    struct Entry { QString word; QString line; };
    std::vector<Entry> entries;
    for (const QByteArray &raw : source.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        if (space <= 0)
            continue;
        const QString word = line.left(space).toUpper();
        entries.push_back({word, word + QLatin1Char('\t') + line.mid(space + 1)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return PronunciationLookup::compareDictionaryWords(a.word, b.word) < 0;
    });
    QFile out(folder + QStringLiteral("/PronunciationLookupList.text"));
    if (!out.open(QIODevice::WriteOnly))
        return {};
    for (const Entry &entry : entries)
        out.write((entry.line + QLatin1Char('\n')).toUtf8());
    return folder;
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "bench_lmgen: cannot create a temporary folder\n");
        return 1;
    }
    QString acousticModel = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    QString source = QStringLiteral("EnglishAcousticModel.bundle");
    if (acousticModel.isEmpty()
        || !QFileInfo::exists(acousticModel + QStringLiteral("/PronunciationLookupList.text"))) {
        acousticModel = buildLookupListFromDebian(work.path());
        source = QStringLiteral("lookup list built from Debian's cmudict-en-us.dict");
    }
    if (acousticModel.isEmpty()) {
        std::fprintf(stderr, "bench_lmgen: no pronunciation lookup list available\n");
        return 1;
    }

    QStringList words;
    for (const char *sentence : sentences)
        words.append(QString::fromLatin1(sentence).toUpper());

    const int runs = 100;
    std::vector<double> total, totalCpu, model, load, lookup;
    auto ms = [](const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; };
    for (int i = 0; i < runs; ++i) {
        ZQLanguageModelTrainer trainer;
        trainer.setLmBasePath(work.path());
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuMilliseconds();
        const ZQStatus status = trainer.generateLanguageModelFromArray(words, QStringLiteral("test"), acousticModel);
        totalCpu.push_back(threadCpuMilliseconds() - cpuStart);
        total.push_back(ms(timer));
        if (!status.isSuccess()) {
            std::fprintf(stderr, "bench_lmgen: generation failed: %s\n", qPrintable(status.description));
            return 1;
        }

        // The same work step by step: the model (corpus, toolkit, DMP), loading the lookup
        // list, and the dictionary lookup.
        timer.restart();
        const QStringList entries = trainer.compactWhitespaceOfArrayEntries(words);
        trainer.writeOutCorpusForArray(entries, work.path() + QStringLiteral("/steps.corpus"));
        trainer.createLanguageModelFromFilename(QStringLiteral("steps"));
        model.push_back(ms(timer));
        timer.restart();
        QFile list(acousticModel + QStringLiteral("/PronunciationLookupList.text"));
        list.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(list.readAll());
        load.push_back(ms(timer));
        timer.restart();
        trainer.performDictionaryLookup(trainer.cleanDictionaryWordArray(entries), text, acousticModel);
        lookup.push_back(ms(timer));
    }
    std::printf("lmgen: model + dictionary for a 20-sentence corpus (%s), %d runs\n", qPrintable(source), runs);
    auto report = [](const char *name, std::vector<double> &values) {
        std::sort(values.begin(), values.end());
        std::printf("  %-28s min %7.2f ms  median %7.2f ms  p90 %7.2f ms\n", name, values.front(),
                    values[values.size() / 2], values[values.size() * 9 / 10]);
    };
    report("generation (target <= 10 ms)", total);
    report("  the same, thread CPU time", totalCpu);
    report("  model: corpus, toolkit, DMP", model);
    report("  loading the lookup list", load);
    report("  dictionary lookup", lookup);
    return 0;
}
