// The learner's language, preferences and learner record.
#include "AppCommon.h"

#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/PlatformPaths.h"
#include "platform/foundation/Preferences.h"
#include "PropertyList.h"
#include "ZQCryptor.h"
#include "platform/foundation/ZQLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

namespace {
QString &languageOverride()
{
    static QString code;
    return code;
}

struct RecordPaths
{
    bool computed = false;
    QString userInfoPath;
    QString recordFolderPath;
    // Set when a damaged record could not be moved aside: writing would destroy the only
    // copy, so saves are refused for the rest of the process.
    bool savesBlocked = false;
};

RecordPaths &recordPaths()
{
    static RecordPaths paths;
    if (!paths.computed) {
        const QString documents = PlatformPaths::documentsDirectory();
        paths.userInfoPath = documents + QStringLiteral("/userInfo.plist");
        paths.recordFolderPath = documents + QStringLiteral("/record/");
        paths.computed = true;
        // A save cut off by a kill or a power cut left its new file beside the record (the
        // record itself is whole); nothing of this process is saving yet.
        AtomicFile::removeLeftovers(paths.userInfoPath);
    }
    return paths;
}

void reportRecordProblem(const QString &message)
{
    ZQLog::log(message, 2);
    std::fprintf(stderr, "phrasebook: %s\n", message.toLocal8Bit().constData());
}

QVariantMap freshRecord()
{
    QVariantMap record;
    for (const QString &key : AppCommon::userInfoKeys())
        record.insert(key, QVariant::fromValue(qint64(0)));
    return record;
}

// Counter arithmetic that stops at the ends of the range: a record read from disk may hold
// any integer (a damaged or edited file), and a count must never wrap around.
qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

qint64 saturatingMultiply(qint64 a, qint64 b)
{
    qint64 product = 0;
    if (!__builtin_mul_overflow(a, b, &product))
        return product;
    return (a < 0) == (b < 0) ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

// Keeps a copy of a damaged record beside it; true when the copy exists afterwards.
bool keepDamagedRecord(const QString &path, bool moveAway)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString target = path + QStringLiteral(".corrupt-") + stamp;
    const bool kept = moveAway ? QFile::rename(path, target) : QFile::copy(path, target);
    if (kept)
        reportRecordProblem(QStringLiteral("the learner record %1 was damaged; it is kept as %2")
                                .arg(path, target));
    else
        reportRecordProblem(QStringLiteral("the learner record %1 is damaged and could not be kept aside")
                                .arg(path));
    return kept;
}
}

namespace AppCommon {

const QStringList &supportedLanguages()
{
    static const QStringList codes = {
        QStringLiteral("en"), QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant"),
        QStringLiteral("ja"), QStringLiteral("ko"), QStringLiteral("fr"), QStringLiteral("es"),
        QStringLiteral("de"), QStringLiteral("pt"), QStringLiteral("it"), QStringLiteral("ru"),
        QStringLiteral("ar"), QStringLiteral("hi"), QStringLiteral("vi"), QStringLiteral("th"),
        QStringLiteral("ms")};
    return codes;
}

QString systemLanguage(const QStringList &preferred)
{
    for (const QString &localisation : preferred) {
        for (const QString &code : supportedLanguages()) {
            if (localisation.startsWith(code))
                return code;
        }
    }
    return QStringLiteral("en");
}

QString systemLanguage()
{
    // Qt spells localisations with dashes ("zh-Hant-TW"), as the supported codes are.
    return systemLanguage(QLocale::system().uiLanguages());
}

QString currentLanguage()
{
    if (!languageOverride().isEmpty())
        return languageOverride();
    const QVariant stored = Preferences::value(QLatin1String(kLanguageTypeKey));
    if (stored.isValid() && !stored.toString().isEmpty())
        return stored.toString();
    return systemLanguage();
}

void setLanguageOverride(const QString &code) { languageOverride() = code; }

double testDuration()
{
    const double value = Preferences::value(QLatin1String(kTestDurationKey)).toDouble();
    return value > 0 && std::isfinite(value) ? value : 60.0;
}

double playSpeed()
{
    const double value = Preferences::value(QLatin1String(kPlaySpeedKey)).toDouble();
    return value > 0 && std::isfinite(value) ? value : 1.0;
}

void setPlaySpeed(double speed) { Preferences::setValue(QLatin1String(kPlaySpeedKey), speed); }

bool wordFeedback()
{
    // Only a stored "off" turns it off: a value that reads as neither keeps the default.
    const QVariant stored = Preferences::value(QLatin1String(kWordFeedbackKey));
    if (!stored.isValid())
        return true;
    const QString text = stored.toString().trimmed().toLower();
    return !(text == QLatin1String("false") || text == QLatin1String("0"));
}

void setWordFeedback(bool on) { Preferences::setValue(QLatin1String(kWordFeedbackKey), on); }

void setTestDuration(double seconds)
{
    Preferences::setValue(QLatin1String(kTestDurationKey), seconds);
}

QString userInfoPath() { return recordPaths().userInfoPath; }

QString recordFolderPath() { return recordPaths().recordFolderPath; }

void resetUserInfoPaths() { recordPaths() = RecordPaths(); }

const QStringList &userInfoKeys()
{
    static const QStringList keys = {
        QStringLiteral("kStartCount"), QStringLiteral("kListenCount"), QStringLiteral("kReadCount"),
        QStringLiteral("kWriteCount"), QStringLiteral("kQuizCount"), QStringLiteral("kQuizTotalScore"),
        QStringLiteral("kReviewed"), QStringLiteral("kAwordScore"), QStringLiteral("kAdvised"),
        QStringLiteral("kshared")};
    return keys;
}

bool userInfoExists() { return QFileInfo::exists(userInfoPath()); }

void createUserInfo() { saveUserInfo(freshRecord()); }

QVariantMap getUserInfo()
{
    const QString path = userInfoPath();
    QFile file(path);
    if (!file.exists())
        return freshRecord();
    if (!file.open(QIODevice::ReadOnly)) {
        // Unreadable (permissions, a folder in its place): work on a fresh record in memory
        // and never write over what is there.
        reportRecordProblem(QStringLiteral("the learner record %1 cannot be read (%2)")
                                .arg(path, file.errorString()));
        recordPaths().savesBlocked = true;
        return freshRecord();
    }
    const QByteArray bytes = file.readAll();
    file.close();
    const QString plain = ZQCryptor::decryptWithDES(QString::fromUtf8(bytes), ZQCryptor::recordKey);
    QString error;
    const auto parsed = plain.isEmpty() ? std::nullopt
                                        : PropertyList::parseDictionary(plain.toUtf8(), &error);
    if (!parsed) {
        if (!keepDamagedRecord(path, true)) {
            recordPaths().savesBlocked = true;
            return freshRecord();
        }
        QVariantMap record = freshRecord();
        saveUserInfo(record);
        return record;
    }
    // Repair a record that lacks counters or holds something else than integers there:
    // keep every valid counter, set the others to 0, and keep the original beside it.
    QVariantMap record = *parsed;
    bool repaired = false;
    for (const QString &key : userInfoKeys()) {
        if (!PropertyList::isInteger(record.value(key))) {
            record.insert(key, QVariant::fromValue(qint64(0)));
            repaired = true;
        }
    }
    if (repaired) {
        if (keepDamagedRecord(path, false))
            saveUserInfo(record);
        else
            recordPaths().savesBlocked = true;
    }
    return record;
}

bool saveUserInfo(const QVariantMap &info)
{
    if (recordPaths().savesBlocked) {
        reportRecordProblem(QStringLiteral("not saving the learner record: the damaged file at %1 "
                                           "could not be kept aside").arg(userInfoPath()));
        return false;
    }
    QString error;
    const QByteArray xml = PropertyList::serializeXml(info, &error);
    if (xml.isEmpty())
        return false;
    const QString cipher = ZQCryptor::encryptWithDES(QString::fromUtf8(xml), ZQCryptor::recordKey);
    QDir().mkpath(QFileInfo(userInfoPath()).absolutePath());
    AtomicFile::Failure failure;
    if (!AtomicFile::write(userInfoPath(), cipher.toUtf8(), &failure)) {
        reportRecordProblem(QStringLiteral("the learner record was not saved: %1").arg(failure.message));
        return false;
    }
    return true;
}

qint64 getUserInfoCount(const QString &key)
{
    return getUserInfo().value(key).toLongLong();
}

void increaseUserInfoCount(const QString &key)
{
    QVariantMap record = getUserInfo();
    record.insert(key, QVariant::fromValue(saturatingAdd(record.value(key).toLongLong(), 1)));
    saveUserInfo(record);
}

void addQuizRecord(qint64 score)
{
    QVariantMap record = getUserInfo();
    record.insert(QStringLiteral("kQuizCount"),
                  QVariant::fromValue(saturatingAdd(record.value(QStringLiteral("kQuizCount")).toLongLong(), 1)));
    record.insert(QStringLiteral("kQuizTotalScore"),
                  QVariant::fromValue(
                      saturatingAdd(record.value(QStringLiteral("kQuizTotalScore")).toLongLong(), score)));
    saveUserInfo(record);
}

int experienceWeight(const QString &key)
{
    static const QHash<QString, int> weights = {
        {QStringLiteral("kStartCount"), 10}, {QStringLiteral("kListenCount"), 5},
        {QStringLiteral("kReadCount"), 5},   {QStringLiteral("kWriteCount"), 5},
        {QStringLiteral("kQuizCount"), 10},  {QStringLiteral("kQuizTotalScore"), 1},
        {QStringLiteral("kReviewed"), 1000}, {QStringLiteral("kAwordScore"), 1},
    };
    return weights.value(key, 0);
}

qint64 totalExp(const QVariantMap &record)
{
    qint64 total = 0;
    // Counters stop at the ends of their range, and so does their worth.
    for (auto it = record.constBegin(); it != record.constEnd(); ++it)
        total = saturatingAdd(total, saturatingMultiply(experienceWeight(it.key()), it.value().toLongLong()));
    return total;
}

qint64 getTotalExp() { return totalExp(getUserInfo()); }

std::optional<qint64> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    // Range first (NaN fails it too): only then is the conversion defined.
    if (!(number >= -9.0e15 && number <= 9.0e15) || number != std::trunc(number))
        return std::nullopt;
    return static_cast<qint64>(number);
}

QString formatDuration(double seconds)
{
    // A damaged preference can hold any double; converting one past the integer range is
    // undefined, so show such values at a bound of 100000 hours.
    constexpr double kLongest = 100000.0 * 3600.0;
    const long long total = seconds > 0 ? static_cast<long long>(std::min(seconds, kLongest)) : 0;
    const long long h = total / 3600;
    const long long m = total / 60;
    const long long s = total % 60;
    if (h < 1)
        return QString::asprintf("%02lld:%02lld", m, s);
    return QString::asprintf("%02lld:%02lld:%02lld", h, m % 60, s);
}
}
