// Whole-file replacement: the new bytes arrive complete or not at all, and a failed write
// leaves the previous file as it was and no temporary file beside it.
#include "platform/foundation/AtomicFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

namespace {

using AtomicFile::Durability;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Files may not grow beyond `bytes` while it lives; a write past the limit fails with
// EFBIG instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_active = false;
};

class AtomicFileTest : public ::testing::TestWithParam<Durability>
{
};

} // namespace

TEST_P(AtomicFileTest, ReplacesTheWholeFileAndLeavesNothingElse)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("atomic-replace"));
    const QString path = folder + QStringLiteral("/record.plist");
    ASSERT_TRUE(AtomicFile::write(path, "first version, rather long", nullptr, GetParam()));
    EXPECT_EQ(contents(path), QByteArray("first version, rather long"));

    // A shorter replacement leaves no tail of the longer file; an empty one empties it.
    AtomicFile::Failure failure;
    ASSERT_TRUE(AtomicFile::write(path, "second", &failure, GetParam())) << qPrintable(failure.message);
    EXPECT_EQ(contents(path), QByteArray("second"));
    EXPECT_EQ(failure.code, QFileDevice::NoError);
    ASSERT_TRUE(AtomicFile::write(path, QByteArrayView(), nullptr, GetParam()));
    EXPECT_EQ(contents(path), QByteArray());
    EXPECT_EQ(entries(folder), QStringList{QStringLiteral("record.plist")});
    // The file made from a private temporary file is readable by others, as files are.
    if (GetParam() == Durability::Unsynced) {
        EXPECT_TRUE(QFile::permissions(path).testFlag(QFileDevice::ReadOther));
    }
}

TEST_P(AtomicFileTest, AFailedWriteKeepsThePreviousFile)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("atomic-fail"));
    const QString path = folder + QStringLiteral("/userInfo.plist");
    ASSERT_TRUE(AtomicFile::write(path, "the learner's counters", nullptr, GetParam()));

    // The disk "fills up" half-way through the new contents.
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.active());
        AtomicFile::Failure failure;
        EXPECT_FALSE(AtomicFile::write(path, QByteArray(1024 * 1024, 'x'), &failure, GetParam()));
        EXPECT_NE(failure.code, QFileDevice::NoError);
        EXPECT_TRUE(failure.message.contains(path)) << qPrintable(failure.message);
        EXPECT_FALSE(failure.reason.isEmpty());
    }
    EXPECT_EQ(contents(path), QByteArray("the learner's counters"));
    EXPECT_EQ(entries(folder), QStringList{QStringLiteral("userInfo.plist")});

    // A folder in the way is neither replaced nor joined by a stray temporary file.
    const QString taken = folder + QStringLiteral("/taken");
    ASSERT_TRUE(QDir().mkpath(taken + QStringLiteral("/inside")));
    EXPECT_FALSE(AtomicFile::write(taken, "bytes", nullptr, GetParam()));
    EXPECT_EQ(entries(taken), QStringList{QStringLiteral("inside")});
    EXPECT_EQ(entries(folder), (QStringList{QStringLiteral("taken"), QStringLiteral("userInfo.plist")}));

    // A missing folder is reported, not created.
    AtomicFile::Failure missing;
    EXPECT_FALSE(AtomicFile::write(folder + QStringLiteral("/none/file"), "bytes", &missing, GetParam()));
    EXPECT_TRUE(missing.message.contains(folder + QStringLiteral("/none/file")));
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/none")));
}

INSTANTIATE_TEST_SUITE_P(BothDurabilities, AtomicFileTest,
                         ::testing::Values(Durability::Synced, Durability::Unsynced),
                         [](const ::testing::TestParamInfo<Durability> &info) {
                             return info.param == Durability::Synced ? "Synced" : "Unsynced";
                         });
