#include "BundlePacker.h"

#include "content/AppCommon.h"
#include "CardRenderer.h"
#include "PhraseListSource.h"
#include "VoiceSynthesizer.h"
#include "content/ZQCryptor.h"
#include "platform/foundation/AtomicFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {
constexpr QFileDevice::Permissions folderPermissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
    | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
    | QFileDevice::ExeOther;

// The bundle is built in a folder of its own and renamed into place as a whole, so its
// files need no sync of their own; the message names the file.
QString writeFile(const QString &path, const QByteArray &bytes)
{
    AtomicFile::Failure failure;
    if (!AtomicFile::write(path, bytes, &failure, AtomicFile::Durability::Unsynced))
        return failure.message;
    return {};
}

bool makeFolder(const QString &path)
{
    return QDir().mkpath(path) && QFile::setPermissions(path, folderPermissions);
}

QString categoryFolder(const QString &folder, const CatalogueSource::Category &category)
{
    return folder + QLatin1Char('/') + QString::number(category.id);
}

// The category's folders and its description; a message on failure.
QString writeCategoryFolder(const QString &base, const CatalogueSource::Category &category)
{
    if (!makeFolder(base) || !makeFolder(base + QStringLiteral("/images"))
        || !makeFolder(base + QStringLiteral("/voices")))
        return QStringLiteral("cannot create the folders of %1").arg(base);
    QJsonObject info;
    info.insert(QStringLiteral("id"), category.id);
    info.insert(QStringLiteral("name"), category.name);
    info.insert(QStringLiteral("nameTrans"), category.nameTrans);
    return writeFile(base + QStringLiteral("/pkgInfo"), QJsonDocument(info).toJson(QJsonDocument::Indented));
}

struct VoiceJob
{
    const CatalogueSource::Category *category = nullptr;
    const CatalogueSource::Phrase *phrase = nullptr;
    QString phon;  // the transcription written to the phrase list
    QString failure;
};

std::vector<VoiceJob> voiceJobs(const QList<CatalogueSource::Category> &categories)
{
    std::vector<VoiceJob> jobs;
    for (const CatalogueSource::Category &category : categories) {
        for (const CatalogueSource::Phrase &phrase : category.phrases)
            jobs.push_back(VoiceJob{&category, &phrase, phrase.phon.value_or(QString()), {}});
    }
    return jobs;
}

// Transcribes and voices the phrases on worker threads, printing progress; the first
// failure stops every worker. The jobs and the folders outlive the workers.
class VoiceWorkers
{
public:
    VoiceWorkers(std::vector<VoiceJob> &jobs, QString folder, QString scratch, FILE *out)
        : m_jobs(jobs), m_folder(std::move(folder)), m_scratch(std::move(scratch)), m_out(out)
    {
    }
    ~VoiceWorkers() { finish(); }

    void start(int count)
    {
        const int workerCount = std::max(1, std::min<int>(count, static_cast<int>(m_jobs.size())));
        for (int i = 0; i < workerCount; ++i)
            m_threads.emplace_back([this] { work(); });
    }
    void stop() { m_stop.store(true); }
    bool stopped() const { return m_stop.load(); }
    // Waits for the workers; the number of phrases voiced.
    size_t finish()
    {
        for (std::thread &thread : m_threads)
            thread.join();
        m_threads.clear();
        return m_done;
    }

private:
    void work()
    {
        for (;;) {
            if (m_stop.load())
                return;
            const size_t index = m_next.fetch_add(1);
            if (index >= m_jobs.size())
                return;
            VoiceJob &job = m_jobs[index];
            const QString id = QString::number(job.phrase->id);
            if (!job.phrase->phon)
                job.failure = VoiceSynthesizer::transcribe(job.phrase->txt, &job.phon);
            if (job.failure.isEmpty()) {
                job.failure = VoiceSynthesizer::synthesise(
                    job.phrase->txt, m_scratch + QLatin1Char('/') + id + QStringLiteral(".wav"),
                    categoryFolder(m_folder, *job.category) + QStringLiteral("/voices/") + id + QStringLiteral(".mp3"));
            }
            const std::lock_guard<std::mutex> lock(m_printing);
            if (!job.failure.isEmpty()) {
                m_stop.store(true);
                return;
            }
            ++m_done;
            std::fprintf(m_out, "[%zu/%zu] %s: phrase %lld\n", m_done, m_jobs.size(),
                         qPrintable(job.category->fileName), static_cast<long long>(job.phrase->id));
            std::fflush(m_out);
        }
    }

    std::vector<VoiceJob> &m_jobs;
    const QString m_folder;
    const QString m_scratch;
    FILE *m_out;
    std::vector<std::thread> m_threads;
    std::atomic<size_t> m_next{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_printing;
    size_t m_done = 0;  // guarded by m_printing
};

// The covers and the encrypted phrase cards, until done or the voices stop; a message on
// failure.
QString drawPictures(const QString &folder, const QList<CatalogueSource::Category> &categories,
                     const CardRenderer &renderer, const VoiceWorkers &voices)
{
    for (const CatalogueSource::Category &category : categories) {
        if (voices.stopped())
            return {};
        const QString base = categoryFolder(folder, category);
        const QByteArray cover = renderer.renderCover(category.icon, category.color);
        if (cover.isEmpty())
            return QStringLiteral("cannot encode JPEG images (Qt image format plugin missing?)");
        QString failure = writeFile(base + QStringLiteral("/cover.jpg"), cover);
        for (const CatalogueSource::Phrase &phrase : category.phrases) {
            if (!failure.isEmpty())
                return failure;
            const QByteArray card = renderer.renderPhraseCard(phrase.txt, category.color);
            const QByteArray encrypted = ZQCryptor::encryptData(card, ZQCryptor::Encrypt, ZQCryptor::imageKey);
            if (card.isEmpty() || encrypted.isEmpty())
                return QStringLiteral("%1: phrase %2: cannot encode or encrypt its image")
                    .arg(category.fileName)
                    .arg(phrase.id);
            failure = writeFile(base + QStringLiteral("/images/")
                                    + AppCommon::imageFileName(QString::number(phrase.id)) + QStringLiteral(".jpg"),
                                encrypted);
        }
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

// The encrypted phrase list of a category, with the transcriptions of its jobs (taken in
// order from `nextJob`); a message on failure.
QString writePhraseList(const QString &folder, const CatalogueSource::Category &category,
                        const std::vector<VoiceJob> &jobs, size_t *nextJob)
{
    QJsonArray phrases;
    for (const CatalogueSource::Phrase &phrase : category.phrases) {
        QJsonObject entry;
        entry.insert(QStringLiteral("id"), phrase.id);
        entry.insert(QStringLiteral("txt"), phrase.txt);
        entry.insert(QStringLiteral("phon"), jobs[(*nextJob)++].phon);
        entry.insert(QStringLiteral("wTrans"), phrase.wTrans);
        phrases.append(entry);
    }
    const QString plain = QString::fromUtf8(QJsonDocument(phrases).toJson(QJsonDocument::Compact));
    const QString encrypted = ZQCryptor::encryptWithDES(plain, ZQCryptor::contentKey);
    if (encrypted.isEmpty() || ZQCryptor::decryptWithDES(encrypted, ZQCryptor::contentKey) != plain)
        return QStringLiteral("%1: the phrase list does not survive encryption").arg(category.fileName);
    return writeFile(categoryFolder(folder, category) + QStringLiteral("/phrasesInfo"), encrypted.toUtf8());
}
}

BundlePacker::BundlePacker(Options options, FILE *out, FILE *err)
    : m_options(std::move(options))
    , m_out(out)
    , m_err(err)
{
}

void BundlePacker::fail(const QString &message)
{
    std::fprintf(m_err, "phrasebook-pack: %s\n", qPrintable(message));
}

int BundlePacker::run()
{
    QElapsedTimer clock;
    clock.start();

    QString lookupText;
    if (!readLookupList(&lookupText))
        return 1;
    CatalogueSource source;
    if (!loadSource(lookupText, &source))
        return 1;
    CardRenderer renderer;
    QString failure;
    if (!renderer.initialise(&failure)) {
        fail(failure);
        return 1;
    }
    if (!checkToolsAndIcons(source, renderer) || !outputReplaceable())
        return 1;
    if (!build(source, renderer))
        return 1;

    const long long categories = static_cast<long long>(source.categories().size());
    const long long phrases = static_cast<long long>(source.phraseCount());
    std::fprintf(m_out, "phrasebook-pack: %lld %s, %lld %s written to %s in %.1f s\n", categories,
                 categories == 1 ? "category" : "categories", phrases, phrases == 1 ? "phrase" : "phrases",
                 qPrintable(QDir::toNativeSeparators(m_options.outputFolder)), clock.elapsed() / 1000.0);
    std::fflush(m_out);
    return 0;
}

bool BundlePacker::loadSource(const QString &lookupText, CatalogueSource *source)
{
    QStringList errors;
    if (PhraseListSource::isPhraseList(m_options.sourceFolder)) {
        PhraseListSource list;
        if (list.load(m_options.sourceFolder, m_options.categoryName, m_options.categoryId, lookupText))
            source->adopt(list.category());
        errors = list.errors();
    } else if (!source->load(m_options.sourceFolder, lookupText)) {
        errors = source->errors();
    }
    if (errors.isEmpty())
        return true;
    for (const QString &message : std::as_const(errors))
        fail(message);
    fail(QStringLiteral("%1 problem(s) in %2; nothing written").arg(errors.size()).arg(m_options.sourceFolder));
    return false;
}

bool BundlePacker::readLookupList(QString *lookupText)
{
    QFile lookupFile(m_options.lookupListPath);
    if (!lookupFile.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read the pronunciation list %1: %2")
                 .arg(m_options.lookupListPath, lookupFile.errorString()));
        return false;
    }
    *lookupText = QString::fromUtf8(lookupFile.readAll());
    if (lookupText->isEmpty()) {
        fail(QStringLiteral("the pronunciation list %1 is empty").arg(m_options.lookupListPath));
        return false;
    }
    return true;
}

bool BundlePacker::checkToolsAndIcons(const CatalogueSource &source, const CardRenderer &renderer)
{
    bool iconsKnown = true;
    bool needTranscriber = false;
    for (const CatalogueSource::Category &category : source.categories()) {
        if (!category.icon.isEmpty() && !renderer.iconCodepoint(category.icon)) {
            fail(QStringLiteral("%1: category %2: \"icon\" \"%3\" is not a Material Design Icons name")
                     .arg(category.fileName)
                     .arg(category.id)
                     .arg(category.icon));
            iconsKnown = false;
        }
        for (const CatalogueSource::Phrase &phrase : category.phrases)
            needTranscriber = needTranscriber || !phrase.phon;
    }
    if (!iconsKnown)
        return false;
    const QString failure = VoiceSynthesizer::checkPrograms(needTranscriber);
    if (!failure.isEmpty()) {
        fail(failure);
        return false;
    }
    return true;
}

bool BundlePacker::build(const CatalogueSource &source, const CardRenderer &renderer)
{
    const QFileInfo output(m_options.outputFolder);
    const QString parent = output.absolutePath();
    if (!QDir().mkpath(parent)) {
        fail(QStringLiteral("cannot create the folder %1").arg(parent));
        return false;
    }
    QTemporaryDir building(parent + QStringLiteral("/.") + output.fileName() + QStringLiteral(".tmp-XXXXXX"));
    if (!building.isValid() || !QFile::setPermissions(building.path(), folderPermissions)) {
        fail(QStringLiteral("cannot create a temporary folder in %1: %2").arg(parent, building.errorString()));
        return false;
    }
    if (!writeBundle(building.path(), source, renderer) || !installBundle(building.path()))
        return false;
    building.setAutoRemove(false);
    return true;
}

bool BundlePacker::outputReplaceable()
{
    const QFileInfo info(m_options.outputFolder);
    if (!info.exists())
        return true;
    if (!info.isDir()) {
        fail(QStringLiteral("%1 exists and is not a folder").arg(m_options.outputFolder));
        return false;
    }
    const QDir dir(m_options.outputFolder);
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (!entry.isDir() || !QFileInfo::exists(entry.filePath() + QStringLiteral("/pkgInfo"))) {
            fail(QStringLiteral("%1 exists and does not look like a resources bundle (\"%2\" is not a category "
                                "folder); remove it or choose another output folder")
                     .arg(m_options.outputFolder, entry.fileName()));
            return false;
        }
    }
    return true;
}

bool BundlePacker::writeBundle(const QString &folder, const CatalogueSource &source,
                               const CardRenderer &renderer)
{
    const QList<CatalogueSource::Category> &categories = source.categories();
    // Folders and descriptions first: the workers write into the voices folders.
    for (const CatalogueSource::Category &category : categories) {
        const QString failure = writeCategoryFolder(categoryFolder(folder, category), category);
        if (!failure.isEmpty()) {
            fail(failure);
            return false;
        }
    }
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        fail(QStringLiteral("cannot create a temporary folder: %1").arg(scratch.errorString()));
        return false;
    }

    // Voices on the workers, pictures on this thread meanwhile.
    std::vector<VoiceJob> jobs = voiceJobs(categories);
    VoiceWorkers voices(jobs, folder, scratch.path(), m_out);
    voices.start(m_options.jobs);
    const QString failure = drawPictures(folder, categories, renderer, voices);
    if (!failure.isEmpty())
        voices.stop();
    const size_t done = voices.finish();

    bool ok = failure.isEmpty();
    if (!ok)
        fail(failure);
    for (const VoiceJob &job : jobs) {
        if (!job.failure.isEmpty()) {
            fail(QStringLiteral("%1: phrase %2: %3").arg(job.category->fileName).arg(job.phrase->id).arg(job.failure));
            ok = false;
        }
    }
    if (!ok || done != jobs.size()) {
        if (ok)
            fail(QStringLiteral("stopped before every voice was written"));
        return false;
    }

    // Phrase lists, now that every transcription is known.
    size_t nextJob = 0;
    for (const CatalogueSource::Category &category : categories) {
        const QString listFailure = writePhraseList(folder, category, jobs, &nextJob);
        if (!listFailure.isEmpty()) {
            fail(listFailure);
            return false;
        }
    }
    return true;
}

bool BundlePacker::installBundle(const QString &builtFolder)
{
    const QString target = QFileInfo(m_options.outputFolder).absoluteFilePath();
    QString previous;
    if (QFileInfo::exists(target)) {
        // Move the old bundle aside first so the new one can take its name.
        QTemporaryDir aside(QFileInfo(target).absolutePath() + QStringLiteral("/.") + QFileInfo(target).fileName()
                            + QStringLiteral(".old-XXXXXX"));
        if (!aside.isValid()) {
            fail(QStringLiteral("cannot make room to replace %1").arg(target));
            return false;
        }
        aside.setAutoRemove(false);
        previous = aside.path();
        QDir().rmdir(previous);
        if (!QDir().rename(target, previous)) {
            fail(QStringLiteral("cannot move the old bundle %1 aside").arg(target));
            return false;
        }
    }
    if (!QDir().rename(builtFolder, target)) {
        fail(QStringLiteral("cannot rename %1 to %2").arg(builtFolder, target));
        if (!previous.isEmpty())
            QDir().rename(previous, target);
        return false;
    }
    if (!previous.isEmpty() && !QDir(previous).removeRecursively())
        fail(QStringLiteral("warning: could not remove the old bundle kept at %1").arg(previous));
    return true;
}
