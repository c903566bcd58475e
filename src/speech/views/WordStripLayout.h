#pragma once

#include "speech/AssessmentResult.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Where the expected words of an assessment go on the learner's voiceprint.
//
// The voiceprint has one column per decoder frame, and the decoder drops most silence, so
// columns are not evenly spaced in time: `frameTimes` gives each column's start in the
// audio (seconds, rising). A time t falls at the column count of frames starting before
// t, so a word [start, end) covers exactly the columns of its frames and a pause the
// decoder dropped takes no room. Without frame times the columns are taken as 10 ms apart.
//
// Each word gets:
// - span: its columns across the voiceprint's full height. An omitted word has no span:
//   it stands, zero wide, where it was expected (midway between the words around it;
//   several omitted in a row are set kMinimumHitWidth apart);
// - hitArea: the span, widened about its centre to at least kMinimumHitWidth;
// - label: the word, on one of two rows at the top (even words on the first, odd ones on
//   the second), centred on the span and kept within its share of the row (from the
//   midpoint with the previous word of that row to the midpoint with the next), so labels
//   never overlap; the text is elided to fit;
// - note: for a marked word whose weak sound is named, that sound on a third row below,
//   "/θ/", or "/θ/→[s]" when the sound heard instead is known (target sound in slashes,
//   what was said in brackets), shared the same way among the notes. No third row is used
//   when no word has a note.
//
// Thread: main thread (font metrics). Failure: none; a weak-sound index outside the word's
// sounds names none, and times outside the voiceprint are held to its edges.
class WordStripLayout
{
public:
    static constexpr qreal kMinimumHitWidth = 18;
    static constexpr qreal kRowHeight = 15;
    static constexpr qreal kTop = 2;
    static constexpr qreal kLabelPadding = 3;

    struct Item
    {
        int word = -1;       // index into the assessment's words
        QRectF span;
        QRectF hitArea;
        QRectF label;
        QString text;        // the word as drawn (elided)
        QRectF note;         // empty without a note
        QString noteText;
        WordMark mark = WordMark::None;
        bool omitted = false;
    };

    static QFont wordFont(bool marked);
    static QFont noteFont();

    // The items for the words of `result` on a voiceprint of `size` points whose columns
    // are `columnWidth` points wide.
    static QList<Item> layOut(const AssessmentResult &result, const QList<double> &frameTimes, qreal columnWidth,
                              const QSizeF &size);
    // Columns of the frames that start before `ms`.
    static qreal columnAt(const QList<double> &frameTimes, qint64 ms);
    // The weak sound of a marked word as the note shows it; empty when none is named.
    static QString noteText(const WordAssessment &word);
    // The weak sound's IPA, and the IPA of the sound heard instead (empty when not known).
    static QString weakSound(const WordAssessment &word);
    static QString heardSound(const WordAssessment &word);

private:
    static void placeSpans(const AssessmentResult &result, const QList<double> &frameTimes, qreal columnWidth,
                           const QSizeF &size, QList<Item> &items);
    static void placeOmitted(QList<Item> &items, const QSizeF &size);
    // Places the boxes of `indices` (left to right) on one row at `y`.
    static void placeRow(QList<Item> &items, const QList<int> &indices, qreal y, qreal width, bool notes);
};
