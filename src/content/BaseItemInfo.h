#pragma once

#include <QMap>
#include <QString>

#include <memory>

// Base of the content records: an id (the decimal text of the content entry's integer id,
// compared as text everywhere) and a map from language code to text.
//
// Records have reference semantics: the catalogue caches and every screen share one object
// through std::shared_ptr; nothing copies a catalogue record.
// Thread: main thread. Plain data, no failure modes.
class BaseItemInfo
{
public:
    virtual ~BaseItemInfo() = default;

    QString id;
    QMap<QString, QString> trans;
};
