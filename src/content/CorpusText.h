#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// How the words of a text are taken for the speech corpus: the comparison corpus, the
// language model and its pronunciation dictionary, and the packer's check that every
// phrase can be pronounced all split text this one way.
//
// Thread: any (pure functions; the expressions are built once, thread-safely).
// Failure: none; a text without words gives an empty list.
namespace CorpusText {

// Every run of characters other than white space and . , ! ? ؟ 、 。 that is followed by
// one of them (a space is appended to the text first, so the last word counts too), in
// order; upper-cased when asked. Other marks (an apostrophe, a hyphen) stay in the word.
QStringList words(const QString &text, bool uppercased);

// Matches one character a dictionary word may not hold: anything but a letter, a mark, a
// digit or an apostrophe.
const QRegularExpression &nonDictionaryCharacter();

// The upper-cased words of `text` with every nonDictionaryCharacter() removed, empty
// results dropped: the words as the pronunciation dictionary is searched for them.
QStringList dictionaryWords(const QString &text);

}
