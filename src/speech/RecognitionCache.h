#pragma once

#include "VoiceRecognition.h"

#include <QByteArray>
#include <QList>
#include <QPair>

#include <mutex>
#include <optional>

// A small, bounded cache of recognitions by content: the key names the recogniser, the
// audio file's content and the models' content (key()), so an entry can only ever stand
// for the recognition it replaces. The comparison engine keeps the model voice's
// recognition here, so recording the same phrase again does not decode the voice again.
// The least recently used entry goes first when the cache is full.
//
// Thread: any (one lock). Failure: none; a miss is an empty optional.
class RecognitionCache
{
public:
    explicit RecognitionCache(int capacity = 8);

    // The process-wide cache of the comparison engine.
    static RecognitionCache &shared();

    static QByteArray key(const QString &recogniserIdentity, const QByteArray &audioDigest,
                          const RecognitionModels &models);

    std::optional<VoiceRecognition> find(const QByteArray &key);
    void insert(const QByteArray &key, const VoiceRecognition &recognition);
    void clear();
    int size() const;
    int capacity() const { return m_capacity; }

private:
    const int m_capacity;
    mutable std::mutex m_lock;
    QList<QPair<QByteArray, VoiceRecognition>> m_entries;  // most recently used first
};
