// The forward-only lookup in the pronunciation list: every word it cannot find is reported,
// whatever the list looks like (cases first found by fuzzing the list).
#include "speech/PronunciationLookup.h"

#include <gtest/gtest.h>

TEST(PronunciationLookup, EveryWordNotFoundIsReportedMissing)
{
    const QStringList words = {QStringLiteral("ARE"), QStringLiteral("GOOD"), QStringLiteral("YOU")};
    // An empty list (a damaged or truncated bundle file) holds none of them.
    QStringList missing;
    EXPECT_TRUE(PronunciationLookup::performDictionaryLookup(words, QString(), &missing).isEmpty());
    EXPECT_EQ(missing, words);

    // A word sorting after the list's last entry is reported too.
    missing.clear();
    const QString list = QStringLiteral("ARE\tAA R\nGOOD\tG UH D");
    const QStringList found = PronunciationLookup::performDictionaryLookup(words, list, &missing);
    EXPECT_EQ(found, QStringList({QStringLiteral("ARE\tAA R"), QStringLiteral("GOOD\tG UH D")}));
    EXPECT_EQ(missing, QStringList{QStringLiteral("YOU")});
}
