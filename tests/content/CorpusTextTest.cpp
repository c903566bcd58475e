// The one way corpus words are taken from text: the comparison corpus, the language
// model's dictionary and the packer's pronunciation check all depend on it.
#include "content/CorpusText.h"

#include <gtest/gtest.h>

TEST(CorpusText, WordsEndAtWhiteSpaceAndTheListedPunctuationOnly)
{
    // Every separator ends a word, runs of them give no empty words, and the last word
    // counts without one.
    EXPECT_EQ(CorpusText::words(QStringLiteral("Wait...  what?! yes,no\tgo\nnow"), false),
              (QStringList{"Wait", "what", "yes", "no", "go", "now"}));
    // Arabic question mark, ideographic comma and full stop; Unicode white space.
    EXPECT_EQ(CorpusText::words(QStringLiteral("你好。再见、朋友\u061F a\u00A0b\u2003c"), false),
              (QStringList{"你好", "再见", "朋友", "a", "b", "c"}));
    // Other marks stay inside the word they touch.
    EXPECT_EQ(CorpusText::words(QStringLiteral("I'm x-ray: \"quoted\" (twice) 9:30"), false),
              (QStringList{"I'm", "x-ray:", "\"quoted\"", "(twice)", "9:30"}));
    EXPECT_TRUE(CorpusText::words(QStringLiteral(" ...!? \u3002"), true).isEmpty());
    EXPECT_TRUE(CorpusText::words(QString(), false).isEmpty());
}

TEST(CorpusText, UpperCasingFollowsUnicode)
{
    EXPECT_EQ(CorpusText::words(QStringLiteral("How's it going"), true),
              (QStringList{"HOW'S", "IT", "GOING"}));
    EXPECT_EQ(CorpusText::words(QStringLiteral("Straße café"), true), (QStringList{"STRASSE", "CAFÉ"}));
    EXPECT_EQ(CorpusText::words(QStringLiteral("Straße café"), false), (QStringList{"Straße", "café"}));
}

TEST(CorpusText, DictionaryWordsKeepLettersMarksDigitsAndApostrophes)
{
    EXPECT_EQ(CorpusText::dictionaryWords(QStringLiteral("I'm fine, thank you.")),
              (QStringList{"I'M", "FINE", "THANK", "YOU"}));
    // Hyphens, colons, quotes and brackets go; a word of nothing else disappears.
    EXPECT_EQ(CorpusText::dictionaryWords(QStringLiteral("no-way \"B2\" (x) -- 9:30")),
              (QStringList{"NOWAY", "B2", "X", "930"}));
    // A combining accent belongs to its letter.
    EXPECT_EQ(CorpusText::dictionaryWords(QStringLiteral("cafe\u0301!")), QStringList{"CAFE\u0301"});
    EXPECT_EQ(CorpusText::dictionaryWords(QStringLiteral("你好。世界、再见")), (QStringList{"你好", "世界", "再见"}));
    EXPECT_TRUE(CorpusText::dictionaryWords(QStringLiteral(" ?! - ")).isEmpty());
    EXPECT_TRUE(CorpusText::nonDictionaryCharacter().match(QStringLiteral("-")).hasMatch());
    EXPECT_FALSE(CorpusText::nonDictionaryCharacter().match(QStringLiteral("a'1\u0301")).hasMatch());
}
