#include "ZQLanguageModelTrainer.h"

#include "PronunciationLookup.h"
#include "SpeechLibraryLock.h"
#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/ResourceLocator.h"
#include "content/CorpusText.h"
#include "content/ZQFileUtil.h"
#include "platform/foundation/ZQLog.h"
#include "speech/lmtk/Lmtk.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QtDebug>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The speech layer's logging switch (toolkit verbosity, converter debug output). Off.
constexpr bool speechLoggingEnabled = false;

constexpr int levelError = 2;
constexpr int levelProgress = 8;

void logProgress(const QString &message)
{
    ZQLog::log(message, levelProgress);
}

void logError(const QString &message)
{
    ZQLog::log(message, levelError);
}

// The array as the platform prints it: "(\n    A,\n    B\n)".
QString describeArray(const QStringList &entries)
{
    if (entries.isEmpty())
        return QStringLiteral("(\n)");
    return QStringLiteral("(\n    ") + entries.join(QStringLiteral(",\n    "))
        + QStringLiteral("\n)");
}

QString seconds(const QElapsedTimer &timer)
{
    return QString::asprintf("%f", double(timer.nsecsElapsed()) / 1e9);
}

ZQStatus fileError(const QFileDevice &file, const QString &path)
{
    ZQStatus status;
    status.code = int(file.error()) ? int(file.error()) : int(QFileDevice::UnspecifiedError);
    status.domain = ZQStatus::platformErrorDomain();
    status.description = file.errorString();
    status.userInfo.insert(QStringLiteral("path"), path);
    return status;
}

ZQStatus toolkitError(const lmtk::Status &result)
{
    ZQStatus status;
    status.code = result.code;
    status.domain = ZQStatus::toolkitErrorDomain();
    status.description = QString::fromStdString(result.message);
    return status;
}

// Written atomically without a sync to disk: these files are rebuilt by every run and most
// are deleted again within milliseconds, while each sync costs about as much as the whole
// generation.
ZQStatus writeAtomically(const QString &path, const QByteArray &bytes)
{
    AtomicFile::Failure failure;
    if (AtomicFile::write(path, bytes, &failure, AtomicFile::Durability::Unsynced))
        return {};
    ZQStatus status;
    status.code = int(failure.code);
    status.domain = ZQStatus::platformErrorDomain();
    status.description = failure.reason;
    status.userInfo.insert(QStringLiteral("path"), path);
    return status;
}

// Runs a toolkit program with an argument vector: the program name first, every entry
// handed over as a UTF-8 C string that lives until the program returns.
template <typename Program>
lmtk::Status runWithArguments(Program &&program, const QString &name, QStringList arguments)
{
    arguments.insert(0, name);
    std::vector<QByteArray> storage;
    storage.reserve(std::size_t(arguments.size()));
    std::vector<const char *> argv;
    for (const QString &argument : arguments) {
        storage.push_back(argument.toUtf8());
        argv.push_back(storage.back().constData());
    }
    argv.push_back(nullptr);
    return program(int(arguments.size()), argv.data());
}

// One or more white-space characters, Unicode's included.
const QRegularExpression &whiteSpaceRun()
{
    static const QRegularExpression pattern(QStringLiteral("\\s+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

FILE *openStream(const QString &path, const char *mode)
{
    return std::fopen(QFile::encodeName(path).constData(), mode);
}

// The pronunciation lookup list as text. It is decoded statelessly, so a sequence cut off
// at the end of the file counts as an error too. The list (megabytes) is decoded straight
// from a mapping of the file when possible, which spares a copy of it in fresh memory.
ZQStatus readLookupText(const QString &lookupListPath, QString *lookupText)
{
    QFile lookupFile(lookupListPath);
    ZQStatus status;
    if (lookupFile.open(QIODevice::ReadOnly)) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const qint64 lookupSize = lookupFile.size();
        if (uchar *mapped = lookupSize > 0 ? lookupFile.map(0, lookupSize) : nullptr) {
            *lookupText = decoder(QByteArrayView(mapped, lookupSize));
            lookupFile.unmap(mapped);
        } else {
            *lookupText = decoder(lookupFile.readAll());
        }
        if (lookupFile.error() == QFileDevice::NoError && !decoder.hasError())
            return status;
        status = fileError(lookupFile, lookupListPath);
        if (decoder.hasError()) {
            status.code = int(QFileDevice::ReadError);
            status.description = QStringLiteral("%1 is not valid UTF-8 text").arg(lookupListPath);
        }
    } else {
        status = fileError(lookupFile, lookupListPath);
    }
    qWarning().noquote() << QStringLiteral("Error while trying to load the pronunciation dictionary: %1")
                                .arg(status.description);
    return status;
}

// The files of one toolkit run on the corpus B/N.corpus.
struct ToolkitFiles
{
    QString corpus;
    QString alternative;  // the corpus with an extra sentence, read by text2idngram
    QString pipe;
    QString vocab;
    QString idngram;
    QString ccs;
    QString arpa;
    QString dmp;

    explicit ToolkitFiles(const QString &corpusPath)
        : corpus(corpusPath)
        , alternative(corpusPath + QStringLiteral(".alternative.corpus"))
    {
        const qsizetype cut = corpusPath.indexOf(QStringLiteral(".corpus"));
        const QString base = cut >= 0 ? corpusPath.left(cut) : corpusPath;
        pipe = base + QStringLiteral("_pipe.txt");
        vocab = base + QStringLiteral(".vocab");
        idngram = base + QStringLiteral(".idngram");
        ccs = base + QStringLiteral(".ccs");
        arpa = base + QStringLiteral(".arpa");
        dmp = base + QStringLiteral(".DMP");
    }

    // Everything but the corpus and the model the run leaves behind.
    QStringList intermediates() const { return {pipe, vocab, idngram, ccs, alternative}; }
};

// The corpus plus one extra sentence of a word outside the vocabulary: its n-grams are
// dropped by the closed-vocabulary model, but they give the corpus's last real words their
// counts (lower orders are derived from the trigrams' prefixes).
void writeAlternativeCorpus(const ToolkitFiles &files)
{
    QFile corpus(files.corpus);
    QByteArray text;
    if (corpus.open(QIODevice::ReadOnly))
        text = corpus.readAll();
    else
        qWarning().noquote() << QStringLiteral("Error: %1").arg(corpus.errorString());
    text += QByteArrayLiteral("<s> _____REPLACEMENTTOKEN </s>");
    const ZQStatus written = writeAtomically(files.alternative, text);
    if (!written.isSuccess())
        qWarning().noquote() << QStringLiteral("Error: %1").arg(written.description);
}

// What a stream step logs; each step words its messages a little differently.
struct StreamStepLog
{
    const char *readFailed;
    const char *readOpened;
    const char *writeFailed;
    const char *writeOpened;
    const char *starting;
    const char *done;
};

const StreamStepLog wordFrequencyLog{
    "Error: unable to open %1 for reading, error: %2", "Able to open %1 for reading",
    "Error: unable to open %1 for writing, error: %2", "Able to open %1 for writing",
    "Starting text2wfreq_impl", "Done with text2wfreq_impl"};
const StreamStepLog vocabularyLog{
    "Error: unable to open %1 for reading. error: %2", "Able to open %1 for reading.",
    "Error: unable to open %1 for writing error: %2", "Able to open %1 for writing",
    "Starting wfreq2vocab", "Done with wfreq2vocab"};

ZQStatus unableToOpen(const QString &path)
{
    return toolkitError(lmtk::Status::error(lmtk::IoError, "unable to open " + path.toStdString()));
}

// Runs a toolkit step that reads one stream and writes another; the step closes its
// output stream.
template <typename Step>
ZQStatus runStreamStep(const QString &inputPath, const QString &outputPath,
                       const StreamStepLog &log, Step &&step)
{
    FILE *in = openStream(inputPath, "rb");
    if (!in) {
        logError(QString::fromLatin1(log.readFailed).arg(inputPath, errnoText()));
        return unableToOpen(inputPath);
    }
    logProgress(QString::fromLatin1(log.readOpened).arg(inputPath));
    FILE *out = openStream(outputPath, "wb");
    if (!out) {
        logError(QString::fromLatin1(log.writeFailed).arg(outputPath, errnoText()));
        std::fclose(in);
        return unableToOpen(outputPath);
    }
    logProgress(QString::fromLatin1(log.writeOpened).arg(outputPath));
    logProgress(QString::fromLatin1(log.starting));
    const lmtk::Status result = step(in, out);
    std::fclose(in);
    logProgress(QString::fromLatin1(log.done));
    return result.ok() ? ZQStatus() : toolkitError(result);
}

ZQStatus runIdngrams(const ToolkitFiles &files, const QString &tempTemplate)
{
    logProgress(QStringLiteral("Starting text2idngram"));
    const lmtk::Status result =
        runWithArguments(lmtk::text2idngram, QStringLiteral("text2idngram"),
                         {QStringLiteral("-vocab"), files.vocab, QStringLiteral("-idngram"), files.idngram,
                          QStringLiteral("-textfile"), files.alternative,
                          QStringLiteral("-temp_directory"), tempTemplate});
    logProgress(QStringLiteral("Done with text2idngram"));
    return result.ok() ? ZQStatus() : toolkitError(result);
}

// The context cues, then the model itself.
ZQStatus runModel(const ToolkitFiles &files, const QString &algorithmType, int verbosity)
{
    const ZQStatus cues = writeAtomically(files.ccs, QByteArrayLiteral("<s>\n</s>"));
    if (!cues.isSuccess())
        logError(QStringLiteral("Error: context cues file was not written out, %1").arg(cues.description));
    logProgress(QStringLiteral("Starting idngram2lm"));
    const lmtk::Status result =
        runWithArguments(lmtk::idngram2lm, QStringLiteral("idngram2lm"),
                         {QStringLiteral("-vocab_type"), QStringLiteral("0"), QStringLiteral("-idngram"),
                          files.idngram, QStringLiteral("-vocab"), files.vocab, QStringLiteral("-arpa"),
                          files.arpa, QStringLiteral("-context"), files.ccs, algorithmType,
                          QStringLiteral("-verbosity"), QString::number(verbosity)});
    logProgress(QStringLiteral("Done with idngram2lm"));
    return result.ok() ? ZQStatus() : toolkitError(result);
}

}

ZQLanguageModelTrainer::ZQLanguageModelTrainer() : ZQLanguageModelTrainer(ZQFileUtil::getCachesDirectory()) {}

ZQLanguageModelTrainer::ZQLanguageModelTrainer(const QString &lmBasePath)
    : m_algorithmType(QStringLiteral("-witten_bell"))
    , m_lmBasePath(lmBasePath)
{
}

// ---- generation ------------------------------------------------------------------------

ZQStatus ZQLanguageModelTrainer::generateEnglishLanguageModelFromArray(const QStringList &words,
                                                                       const QString &fileName)
{
    return generateLanguageModelFromArray(words, fileName,
                                          ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel")));
}

ZQStatus ZQLanguageModelTrainer::generateLanguageModelFromArray(const QStringList &words,
                                                                const QString &fileName,
                                                                const QString &acousticModelPath)
{
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    QElapsedTimer total;
    total.start();
    const QString lookupListPath = acousticModelPath + QLatin1Char('/') + lookupListFileName();

    const QStringList entries = compactWhitespaceOfArrayEntries(words);
    logProgress(QStringLiteral("Normalized array contains the following entries:\n")
                + describeArray(entries));

    ZQStatus status = checkModelForContent(entries);
    if (!status.isSuccess())
        return status;

    status = writeOutCorpusForArray(entries, pathInBase(fileName + QStringLiteral(".corpus")));
    if (!status.isSuccess())
        return status;

    status = createLanguageModelFromFilename(fileName);
    if (!status.isSuccess())
        return status;

    const QStringList dictionaryWords = cleanDictionaryWordArray(entries);
    checkPhoneticDictionaryAtAcousticModelPath(acousticModelPath);

    QString lookupText;
    status = readLookupText(lookupListPath, &lookupText);
    if (!status.isSuccess())
        return status;

    QElapsedTimer lookupTimer;
    lookupTimer.start();
    const QStringList lines = performDictionaryLookup(dictionaryWords, lookupText, acousticModelPath);
    logProgress(QStringLiteral("I'm done running performDictionaryLookup and it took %1 seconds")
                    .arg(seconds(lookupTimer)));

    status = writeAtomically(pathInBase(fileName + QStringLiteral(".dic")),
                             lines.join(QLatin1Char('\n')).toUtf8());
    if (!status.isSuccess()) {
        logError(QStringLiteral("Error writing out dictionary: %1").arg(status.description));
        return status;
    }

    logProgress(QStringLiteral("I'm done running dynamic language model generation and it took %1 seconds")
                    .arg(seconds(total)));
    ZQStatus success;
    success.domain = ZQStatus::platformErrorDomain();
    success.userInfo = assembleUserInfoDictionaryForLanguageModelsForFilename(fileName);
    return success;
}

std::optional<ZQStatus> ZQLanguageModelTrainer::generateLanguageModelFromTextFile(const QString &,
                                                                                  const QString &,
                                                                                  const QString &)
{
    return std::nullopt;
}

// ---- steps -----------------------------------------------------------------------------

QStringList ZQLanguageModelTrainer::compactWhitespaceOfArrayEntries(const QStringList &entries) const
{
    const QRegularExpression &whiteSpace = whiteSpaceRun();
    QStringList result;
    result.reserve(entries.size());
    for (const QString &entry : entries)
        result.append(entry.split(whiteSpace, Qt::SkipEmptyParts).join(QLatin1Char(' ')));
    return result;
}

ZQStatus ZQLanguageModelTrainer::checkModelForContent(const QStringList &entries) const
{
    if (entries.isEmpty() || entries.join(QString()).trimmed().isEmpty()) {
        ZQStatus status;
        status.code = 6000;
        status.description = QStringLiteral("Language model has no content.");
        return status;
    }
    return {};
}

ZQStatus ZQLanguageModelTrainer::writeOutCorpusForArray(const QStringList &entries,
                                                        const QString &corpusPath)
{
    const QString corpus = QStringLiteral("<s> ") + entries.join(QStringLiteral(" </s>\n<s> "))
        + QStringLiteral(" </s>\n");
    ZQStatus status = writeAtomically(corpusPath, corpus.toUtf8());
    if (!status.isSuccess())
        logError(QStringLiteral("Error: file was not written out due to error %1").arg(status.description));
    return status;
}

ZQStatus ZQLanguageModelTrainer::createLanguageModelFromFilename(const QString &fileName)
{
    QElapsedTimer timer;
    timer.start();
    logProgress(QStringLiteral("Starting dynamic language model generation"));
    m_algorithmType = QStringLiteral("-witten_bell");
    const QString corpusPath = pathInBase(fileName + QStringLiteral(".corpus"));
    const ZQStatus status = runCMUCLMTKOnCorpusFile(corpusPath, m_outputDMP);
    QFile corpus(corpusPath);
    if (!corpus.remove())
        logError(QStringLiteral("Error while deleting language model corpus: %1").arg(corpus.errorString()));
    logProgress(QStringLiteral("Done creating language model with CMUCLMTK in %1 seconds.").arg(seconds(timer)));
    return status;
}

ZQStatus ZQLanguageModelTrainer::runCMUCLMTKOnCorpusFile(const QString &corpusPath, bool withDMP)
{
    Q_UNUSED(withDMP);  // the outputDMP property decides
    m_verbosity = speechLoggingEnabled ? 10 : -1;
    const ToolkitFiles files(corpusPath);
    writeAlternativeCorpus(files);

    auto run = [&]() -> ZQStatus {
        ZQStatus status = runStreamStep(files.corpus, files.pipe, wordFrequencyLog, [&](FILE *in, FILE *out) {
            return lmtk::text2wfreq(in, out, 7500, m_verbosity);
        });
        if (!status.isSuccess())
            return status;
        status = runStreamStep(files.pipe, files.vocab, vocabularyLog, [&](FILE *in, FILE *out) {
            return lmtk::wfreq2vocab(in, out, -1, -1, 64000, m_verbosity);
        });
        if (!status.isSuccess())
            return status;
        status = runIdngrams(files, pathInBase(QStringLiteral("cmuclmtk-XXXXXX")));
        if (!status.isSuccess())
            return status;
        if (m_algorithmType.isEmpty())
            m_algorithmType = QStringLiteral("-witten_bell");
        status = runModel(files, m_algorithmType, m_verbosity);
        if (!status.isSuccess() || !m_outputDMP)
            return status;
        return convertARPAAtPath(files.arpa, files.dmp);
    };

    const ZQStatus status = run();
    if (!status.isSuccess())
        logError(QStringLiteral("Error: %1").arg(status.description));

    for (const QString &path : files.intermediates()) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            logError(QStringLiteral("couldn't delete the file %1\n").arg(path));
    }
    return status;
}

ZQStatus ZQLanguageModelTrainer::convertARPAAtPath(const QString &arpaPath, const QString &dmpPath)
{
    QStringList arguments{QStringLiteral("-i"), arpaPath, QStringLiteral("-o"), dmpPath};
    if (speechLoggingEnabled)
        arguments << QStringLiteral("-debug") << QStringLiteral("10");
    logProgress(QStringLiteral("Starting sphinx_lm_convert"));
    const lmtk::Status result =
        runWithArguments(lmtk::sphinxLmConvert, QStringLiteral("sphinx_lm_convert"), arguments);
    logProgress(QStringLiteral("Finishing sphinx_lm_convert"));
    return result.ok() ? ZQStatus() : toolkitError(result);
}

QStringList ZQLanguageModelTrainer::cleanDictionaryWordArray(const QStringList &entries)
{
    const QRegularExpression &whiteSpace = whiteSpaceRun();
    const QRegularExpression &removable = sanitizeDictionaryCharacterSet();
    QStringList words;
    auto add = [&](QString word) {
        word.remove(removable);
        if (!word.isEmpty())  // nothing left to pronounce
            words.append(word);
    };
    for (const QString &entry : entries) {
        if (!entry.contains(whiteSpace)) {
            add(entry);
            continue;
        }
        for (const QString &piece : entry.split(whiteSpace, Qt::SkipEmptyParts))
            add(piece);
    }
    return PronunciationLookup::sortedUniqueWords(words);
}

bool ZQLanguageModelTrainer::checkPhoneticDictionaryAtAcousticModelPath(const QString &acousticModelPath) const
{
    const QString path = acousticModelPath + QLatin1Char('/') + lookupListFileName();
    const QFileInfo info(path);
    if (info.isFile() && info.isReadable())
        return true;
    logError(QStringLiteral("Error: the default phonetic dictionary %1 can't be found in the app bundle but the "
                            "app is attempting to access it, most likely there will be a crash now.")
                 .arg(path));
    return false;
}

QStringList ZQLanguageModelTrainer::performDictionaryLookup(const QStringList &sortedWords,
                                                            const QString &lookupText,
                                                            const QString &acousticModelPath) const
{
    QStringList missing;
    const QStringList lines = PronunciationLookup::performDictionaryLookup(sortedWords, lookupText, &missing);
    for (const QString &word : missing) {
        logProgress(QStringLiteral("The word %1 was not found in the dictionary %2/PronunciationLookupList.text.")
                        .arg(word, acousticModelPath));
        logProgress(QStringLiteral("we are dropping the word %1 from the dynamically-created phonetic dictionary.")
                        .arg(word));
    }
    return lines;
}

QVariantMap ZQLanguageModelTrainer::assembleUserInfoDictionaryForLanguageModelsForFilename(
    const QString &fileName) const
{
    return {
        {QStringLiteral("LMFile"), fileName + QStringLiteral(".DMP")},
        {QStringLiteral("DictionaryFile"), fileName + QStringLiteral(".dic")},
        {QStringLiteral("LMPath"), pathInBase(fileName + QStringLiteral(".DMP"))},
        {QStringLiteral("DictionaryPath"), pathInBase(fileName + QStringLiteral(".dic"))},
    };
}

// ---- properties ------------------------------------------------------------------------

const QRegularExpression &ZQLanguageModelTrainer::sanitizeDictionaryCharacterSet()
{
    if (!m_sanitizeDictionaryCharacterSet)
        m_sanitizeDictionaryCharacterSet.emplace(CorpusText::nonDictionaryCharacter());
    return *m_sanitizeDictionaryCharacterSet;
}

void ZQLanguageModelTrainer::setSanitizeDictionaryCharacterSet(const QRegularExpression &characterSet)
{
    m_sanitizeDictionaryCharacterSet = characterSet;
}

QString ZQLanguageModelTrainer::pathInBase(const QString &name) const
{
    if (m_lmBasePath.endsWith(QLatin1Char('/')))
        return m_lmBasePath + name;
    return m_lmBasePath + QLatin1Char('/') + name;
}
