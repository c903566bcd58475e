#include "RecognitionCache.h"

#include <QCryptographicHash>

#include <algorithm>

RecognitionCache::RecognitionCache(int capacity) : m_capacity(std::max(1, capacity)) {}

RecognitionCache &RecognitionCache::shared()
{
    static RecognitionCache cache;
    return cache;
}

QByteArray RecognitionCache::key(const QString &recogniserIdentity, const QByteArray &audioDigest,
                                 const RecognitionModels &models)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray &part : {recogniserIdentity.toUtf8(), audioDigest, models.contentKey,
                                   models.acousticModelPath.toUtf8()}) {
        const qint64 length = part.size();
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(&length), sizeof length));
        hash.addData(part);
    }
    return hash.result();
}

std::optional<VoiceRecognition> RecognitionCache::find(const QByteArray &key)
{
    std::lock_guard guard(m_lock);
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first == key) {
            m_entries.move(i, 0);
            return m_entries.first().second;
        }
    }
    return std::nullopt;
}

void RecognitionCache::insert(const QByteArray &key, const VoiceRecognition &recognition)
{
    std::lock_guard guard(m_lock);
    m_entries.removeIf([&key](const auto &entry) { return entry.first == key; });
    m_entries.prepend({key, recognition});
    while (m_entries.size() > m_capacity)
        m_entries.removeLast();
}

void RecognitionCache::clear()
{
    std::lock_guard guard(m_lock);
    m_entries.clear();
}

int RecognitionCache::size() const
{
    std::lock_guard guard(m_lock);
    return int(m_entries.size());
}
