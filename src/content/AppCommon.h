#pragma once

#include "CategoryInfo.h"
#include "PhraseInfo.h"

#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// The process-wide catalogue, learner record and preference functions shared by every
// screen.
//
// Thread: main thread only (the caches are plain process-wide state).
//
// Failure results:
// - Installed content that is missing or malformed is an installation error. The loaders
//   never abort: they record the first such error (catalogueError(), a message naming the
//   file and what is wrong) and return what they have (an empty list, or no list). The
//   launch preload (preloadCatalogue) reports it so the application can show it and exit
//   with a non-zero status.
// - A learner record that cannot be read, decrypted or parsed is kept aside as
//   "userInfo.plist.corrupt-<timestamp>" and replaced by a fresh record; a record that
//   lacks counters or holds non-integers there is kept aside the same way and repaired
//   (valid counters kept, the others 0). Writes are atomic.
// - Counters and the experience total stop at the ends of the 64-bit range instead of
//   wrapping around (a damaged or edited record may hold any integer).
namespace AppCommon {

// ---- language ------------------------------------------------------------------------
inline constexpr const char *contentLanguageCode = "en";
const QStringList &supportedLanguages();
// First supported code that prefixes one of `preferred` (tried in order); "en" otherwise.
QString systemLanguage(const QStringList &preferred);
QString systemLanguage();  // from QLocale::uiLanguages()
// "LanguageType" when present (or the run's --language override), else systemLanguage().
QString currentLanguage();
void setLanguageOverride(const QString &code);  // empty: no override

// ---- catalogue -----------------------------------------------------------------------
QString resourcesBundlePath();  // the "resources" bundle, empty when it cannot be found
const QList<CategoryInfoPtr> &getCategoryInfoList();
std::optional<QList<PhraseInfoPtr>> getPhraseInfoList(const QString &categoryId);
const QList<PhraseInfoPtr> &getAllPhraseInfoList();
QList<PhraseInfoPtr> getRandomPhraseInfos(int count);
std::optional<QList<PhraseInfoPtr>> getRandomPhraseInfos(const CategoryInfo &category, int count);
// `count` distinct phrases drawn from `phrases` (all of them, in random order, when it has fewer).
QList<PhraseInfoPtr> getRandomPhraseInfos(const QList<PhraseInfoPtr> &phrases, int count);
QStringList getRandomWords(const QStringList &words, int count);
QString getImagePath(const PhraseInfo &phrase);
QString getVoicePath(const PhraseInfo &phrase);
QString getCoverPath(const CategoryInfo &category);
QString imageFileName(const QString &phraseId);  // MD5 name without ".jpg"

// Extra catalogues (bundles written by phrasebook-pack, e.g. a teacher's own list) add their
// categories after the installed ones, each extra catalogue's sorted by id as text: the
// folders given here (the command line's), then every folder in the learner's
// "<Documents>/catalogues". They are read with the category list. An extra category that
// cannot be read completely, or whose category or phrase id is taken already (ids name the
// learner's recordings, so none is ever renumbered), is left out with a notice on stderr
// (catalogueNotices()); it never stops the app.
void setExtraCatalogueFolders(const QStringList &folders);  // forgotten by resetCatalogue()
const QStringList &catalogueNotices();
// Whether `folder` is a catalogue of category folders rather than a resource root (it has
// no resources.bundle and at least one sub-folder holding a pkgInfo).
bool isExtraCatalogue(const QString &folder);

// Loads every category and phrase list; false (with catalogueError()) on an installation error.
bool preloadCatalogue();
QString catalogueError();
// Tests: forget the caches, the recorded error and the extra folders; the next call loads again from `bundle`
// (empty: the located bundle).
void resetCatalogue(const QString &bundlePath = QString());

// ---- preferences ---------------------------------------------------------------------
inline constexpr const char *kLanguageTypeKey = "LanguageType";
inline constexpr const char *kTestDurationKey = "TestDuration";
inline constexpr const char *kPlaySpeedKey = "playSpeed";
inline constexpr const char *kWordFeedbackKey = "kWordFeedback";
double testDuration();  // seconds; 60 when absent or not greater than 0
double playSpeed();     // 1.0 when absent or not greater than 0
// Whether the phrase card marks the words to work on; on when absent or unreadable.
bool wordFeedback();
void setPlaySpeed(double speed);
void setTestDuration(double seconds);
void setWordFeedback(bool on);

// ---- learner record ------------------------------------------------------------------
QString userInfoPath();
QString recordFolderPath();  // ends with "/"
const QStringList &userInfoKeys();  // every counter of a new record
bool userInfoExists();
void createUserInfo();
QVariantMap getUserInfo();
bool saveUserInfo(const QVariantMap &info);
qint64 getUserInfoCount(const QString &key);
void increaseUserInfoCount(const QString &key);
void addQuizRecord(qint64 score);
// The experience points one unit of a record counter is worth (0 for counters that earn none).
int experienceWeight(const QString &key);
// The experience points of `record`: each counter times its weight, summed.
qint64 totalExp(const QVariantMap &record);
qint64 getTotalExp();
QString formatDuration(double seconds);

// A JSON number that is a whole number a double holds exactly (within +-9e15); nullopt for
// anything else (fractions, huge values, other types). Converting first would be undefined
// for values past the integer range.
std::optional<qint64> wholeNumber(const QJsonValue &value);
// Tests: paths are computed afresh from the Documents folder on the next call.
void resetUserInfoPaths();
}
