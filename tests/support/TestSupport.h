#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

// Helpers shared by the tests.
namespace TestSupport {
// The private scratch folder of this test process (removed at exit).
QString scratchDirectory();
// A fresh empty folder below scratchDirectory().
QString freshDirectory(const QString &name);
// Runs a program and returns its exit code (-1 when it cannot start); output goes to *out.
int runProgram(const QString &program, const QStringList &arguments, QString *out = nullptr,
               int timeoutMs = 120000);
bool programAvailable(const QString &program);

// Whether a test whose tool or data is missing (flite, espeak-ng, sox, openssl, the built
// acoustic model) must fail instead of skipping: true only for the value "1" of
// PHRASEBOOK_REQUIRE_TEST_TOOLS. ./test.sh sets it, so CI never passes by skipping.
bool testToolsRequired(const QByteArray &environmentValue);
bool testToolsRequired();
}

// In a test body or SetUp(): when `condition` is false, skips the test naming `what` (a
// developer's machine without that tool), or fails it when testToolsRequired(). Either way
// the test stops there.
#define PHRASEBOOK_REQUIRE_OR_SKIP(condition, what)                                             \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            if (::TestSupport::testToolsRequired())                                             \
                FAIL() << "missing " << what << " (required: PHRASEBOOK_REQUIRE_TEST_TOOLS=1)"; \
            else                                                                                \
                GTEST_SKIP() << "missing " << what;                                             \
        }                                                                                       \
    } while (false)
