#include "WordStripLayout.h"

#include "platform/ui/Fonts.h"
#include "speech/PhoneSymbols.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {
// Frames start on whole 10-ms steps; compare them in whole milliseconds so that rounding
// of the seconds cannot move a word by a column.
qint64 frameStartMs(double seconds) { return qint64(std::llround(seconds * 1000.0)); }
}

QFont WordStripLayout::wordFont(bool marked) { return marked ? Fonts::boldSystemFont(11) : Fonts::systemFont(11); }

QFont WordStripLayout::noteFont() { return Fonts::systemFont(10); }

qreal WordStripLayout::columnAt(const QList<double> &frameTimes, qint64 ms)
{
    if (frameTimes.isEmpty())
        return std::max<qreal>(0, qreal(ms) / 10.0);
    const auto first = std::lower_bound(frameTimes.begin(), frameTimes.end(), ms,
                                        [](double start, qint64 t) { return frameStartMs(start) < t; });
    return qreal(first - frameTimes.begin());
}

QString WordStripLayout::weakSound(const WordAssessment &word)
{
    if (word.weakPhone < 0 || word.weakPhone >= int(word.phones.size()))
        return {};
    const PhoneAssessment &phone = word.phones[size_t(word.weakPhone)];
    return phone.ipa.isEmpty() ? PhoneSymbols::ipa(phone.phone) : phone.ipa;
}

QString WordStripLayout::heardSound(const WordAssessment &word)
{
    if (word.weakPhone < 0 || word.weakPhone >= int(word.phones.size()))
        return {};
    const QString heard = word.phones[size_t(word.weakPhone)].heard.trimmed();
    // A phone of the model's set is shown in IPA; anything else is taken as written.
    const QString ipa = PhoneSymbols::ipa(heard);
    return ipa.isEmpty() ? heard : ipa;
}

QString WordStripLayout::noteText(const WordAssessment &word)
{
    if (!word.marked() || word.omitted)
        return {};
    const QString sound = weakSound(word);
    if (sound.isEmpty())
        return {};
    const QString heard = heardSound(word);
    const QString target = QLatin1Char('/') + sound + QLatin1Char('/');
    return heard.isEmpty() ? target : target + QChar(0x2192) + QLatin1Char('[') + heard + QLatin1Char(']');
}

QList<WordStripLayout::Item> WordStripLayout::layOut(const AssessmentResult &result, const QList<double> &frameTimes,
                                                     qreal columnWidth, const QSizeF &size)
{
    QList<Item> items;
    placeSpans(result, frameTimes, columnWidth, size, items);
    placeOmitted(items, size);

    QList<int> rows[2];
    QList<int> notes;
    for (int i = 0; i < items.size(); ++i) {
        Item &item = items[i];
        const qreal width = std::max(item.span.width(), kMinimumHitWidth);
        const qreal left = std::clamp(item.span.center().x() - width / 2, 0.0, std::max(0.0, size.width() - width));
        item.hitArea = QRectF(left, 0, width, size.height());
        rows[i % 2].append(i);
        if (!item.noteText.isEmpty())
            notes.append(i);
    }
    placeRow(items, rows[0], kTop, size.width(), false);
    placeRow(items, rows[1], kTop + kRowHeight, size.width(), false);
    placeRow(items, notes, kTop + 2 * kRowHeight, size.width(), true);
    return items;
}

void WordStripLayout::placeSpans(const AssessmentResult &result, const QList<double> &frameTimes, qreal columnWidth,
                                 const QSizeF &size, QList<Item> &items)
{
    const qreal width = size.width();
    for (int i = 0; i < int(result.words.size()); ++i) {
        const WordAssessment &word = result.words[size_t(i)];
        Item item;
        item.word = i;
        item.mark = word.mark;
        item.omitted = word.omitted;
        item.text = word.word;
        item.noteText = noteText(word);
        if (!word.omitted) {
            const qreal left = std::clamp(columnAt(frameTimes, word.startMs) * columnWidth, 0.0, width);
            const qreal right = std::clamp(columnAt(frameTimes, word.endMs) * columnWidth, left, width);
            item.span = QRectF(left, 0, right - left, size.height());
        }
        items.append(item);
    }
}

// An omitted word stands midway between the words said around it; a run of them is
// spread about that point.
void WordStripLayout::placeOmitted(QList<Item> &items, const QSizeF &size)
{
    const int count = int(items.size());
    for (int first = 0; first < count;) {
        if (!items[first].omitted) {
            ++first;
            continue;
        }
        int end = first;
        while (end < count && items[end].omitted)
            ++end;
        const int run = end - first;
        const bool hasBefore = first > 0, hasAfter = end < count;
        const qreal before = hasBefore ? items[first - 1].span.right() : 0;
        const qreal after = hasAfter ? items[end].span.left() : size.width();
        for (int k = 0; k < run; ++k) {
            qreal x;
            if (!hasBefore && !hasAfter)
                x = size.width() * (k + 0.5) / run;  // nothing was said: even spacing
            else
                x = (hasBefore && hasAfter ? (before + after) / 2 : hasBefore ? before : after)
                    + (k - (run - 1) / 2.0) * kMinimumHitWidth;
            items[first + k].span = QRectF(std::clamp(x, 0.0, size.width()), 0, 0, size.height());
        }
        first = end;
    }
}

void WordStripLayout::placeRow(QList<Item> &items, const QList<int> &indices, qreal y, qreal width, bool notes)
{
    for (int k = 0; k < indices.size(); ++k) {
        Item &item = items[indices[k]];
        const qreal centre = item.span.center().x();
        const qreal shareLeft = k == 0 ? 0 : (items[indices[k - 1]].span.center().x() + centre) / 2;
        const qreal shareRight = k + 1 == indices.size() ? width : (centre + items[indices[k + 1]].span.center().x()) / 2;
        const QFont font = notes ? noteFont() : wordFont(item.mark != WordMark::None);
        const QFontMetricsF metrics(font);
        const QString full = notes ? item.noteText : item.text;
        const qreal wanted = metrics.horizontalAdvance(full) + 2 * kLabelPadding;
        const qreal boxWidth = std::max(0.0, std::min(wanted, shareRight - shareLeft));
        const qreal left = std::clamp(centre - boxWidth / 2, shareLeft, std::max(shareLeft, shareRight - boxWidth));
        const QRectF box(left, y, boxWidth, kRowHeight - 1);
        const QString shown = metrics.elidedText(full, Qt::ElideRight, boxWidth - 2 * kLabelPadding);
        if (notes) {
            item.note = box;
            item.noteText = shown;
        } else {
            item.label = box;
            item.text = shown;
        }
    }
}
