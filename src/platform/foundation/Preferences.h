#pragma once

#include <QString>
#include <QVariant>

// The learner's preferences store: QSettings in the native format under the organisation
// "Phrasebook". The learner's settings use four keys: "LanguageType", "TestDuration",
// "playSpeed", "kWordFeedback"; the desktop window adds its remembered sizes
// ("windowSize/375x667", ...).
//
// setStorageFile() switches to an INI file at the given path (tests, tools); it must be
// called before the first read.
//
// Thread: main thread. Failure: an unwritable store keeps the values for the process and
// reports nothing (QSettings semantics); absent keys read as an invalid QVariant.
namespace Preferences {
QVariant value(const QString &key);
void setValue(const QString &key, const QVariant &value);
void remove(const QString &key);
void sync();
void setStorageFile(const QString &path);  // empty: back to the native store
}
