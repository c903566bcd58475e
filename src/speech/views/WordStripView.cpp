#include "WordStripView.h"

#include "platform/ui/PlatformColors.h"
#include "widgets/BlockGestures.h"
#include "widgets/ScoreColors.h"

#include <QPainter>

namespace {
constexpr int kSpanTintAlpha = 45;
constexpr int kPlayingTintAlpha = 60;
constexpr int kBoundaryAlpha = 90;
constexpr int kBoxAlpha = 215;
constexpr qreal kBoxRadius = 3;
}

WordStripView::WordStripView(const QRectF &frame, QWidget *parent) : View(frame, parent) {}

QColor WordStripView::markColor(WordMark mark)
{
    switch (mark) {
    case WordMark::Weak:
        return ScoreColors::fair();
    case WordMark::Wrong:
        return ScoreColors::poor();
    case WordMark::None:
        break;
    }
    return PlatformColors::darkGray();
}

void WordStripView::setAssessment(const AssessmentResult &assessment, const QList<bool> &inModelVoice,
                                  const QList<double> &frameTimes, qreal columnWidth)
{
    m_assessment = assessment;
    m_inModelVoice = inModelVoice;
    m_playingWord = -1;
    m_items = WordStripLayout::layOut(assessment, frameTimes, columnWidth, bounds().size());
    buildTapAreas();
    update();
}

void WordStripView::buildTapAreas()
{
    qDeleteAll(m_wordViews);
    m_wordViews.clear();
    for (const WordStripLayout::Item &item : std::as_const(m_items)) {
        auto *area = new View(item.hitArea, this);
        const int index = item.word;
        area->setAccessibleName(describe(index));
        const QString hintText = hint(index);
        area->setToolTip(hintText.isEmpty() ? describe(index) : describe(index) + QLatin1Char('\n') + hintText);
        BlockGestures::addTapGesture(area, 1, [this, index](BlockTap *) { Q_EMIT wordTapped(index); });
        area->show();
        m_wordViews.append(area);
    }
    // An omitted word stands inside the span of a word said: its own area must win the tap.
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items[i].omitted)
            m_wordViews[i]->raise();
    }
}

void WordStripView::setPlayingWord(int index)
{
    if (index == m_playingWord)
        return;
    m_playingWord = index;
    update();
}

QString WordStripView::describe(int index) const
{
    if (index < 0 || index >= int(m_assessment.words.size()))
        return {};
    const WordAssessment &word = m_assessment.words[size_t(index)];
    QString status;
    if (word.omitted) {
        status = tr("not heard");
    } else if (word.marked()) {
        const QString sound = WordStripLayout::weakSound(word);
        const QString heard = WordStripLayout::heardSound(word);
        if (!sound.isEmpty() && !heard.isEmpty())
            status = tr("/%1/ sounded like /%2/").arg(sound, heard);
        else if (!sound.isEmpty())
            status = tr("/%1/ is unclear").arg(sound);
        else
            status = tr("needs practice");
    }
    return status.isEmpty() ? word.word : word.word + QStringLiteral(": ") + status;
}

QString WordStripView::hint(int index) const
{
    if (index < 0 || index >= int(m_assessment.words.size()))
        return {};
    const bool mine = !m_assessment.words[size_t(index)].omitted;
    const bool model = m_inModelVoice.value(index, false);
    if (mine && model)
        return tr("Tap to hear your voice, then the original voice.");
    if (mine)
        return tr("Tap to hear your voice.");
    if (model)
        return tr("Tap to hear the original voice.");
    return {};
}

void WordStripView::paintEvent(QPaintEvent *event)
{
    View::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const WordStripLayout::Item &item : std::as_const(m_items))
        paintSpan(painter, item);
    for (const WordStripLayout::Item &item : std::as_const(m_items))
        paintLabel(painter, item);
}

void WordStripView::paintSpan(QPainter &painter, const WordStripLayout::Item &item) const
{
    const qreal height = bounds().height();
    if (item.word == m_playingWord) {
        QColor playing = PlatformColors::tint();
        playing.setAlpha(kPlayingTintAlpha);
        painter.fillRect(item.omitted ? item.hitArea : item.span, playing);
    }
    if (item.omitted) {
        QColor missing = markColor(WordMark::Wrong);
        painter.setPen(QPen(missing, 1.5, Qt::DashLine));
        painter.drawLine(QPointF(item.span.left(), 0), QPointF(item.span.left(), height));
        return;
    }
    if (item.mark != WordMark::None) {
        QColor tint = markColor(item.mark);
        tint.setAlpha(kSpanTintAlpha);
        painter.fillRect(item.span, tint);
    }
    QColor boundary = PlatformColors::darkGray();
    boundary.setAlpha(kBoundaryAlpha);
    painter.setPen(QPen(boundary, 1));
    painter.drawLine(QPointF(item.span.left(), 0), QPointF(item.span.left(), height));
    painter.drawLine(QPointF(item.span.right(), 0), QPointF(item.span.right(), height));
}

void WordStripView::paintLabel(QPainter &painter, const WordStripLayout::Item &item) const
{
    const QColor colour = markColor(item.mark);
    QColor box(Qt::white);
    box.setAlpha(kBoxAlpha);
    painter.setPen(item.word == m_playingWord ? QPen(PlatformColors::tint(), 1.5) : QPen(Qt::NoPen));
    painter.setBrush(box);
    painter.drawRoundedRect(item.label, kBoxRadius, kBoxRadius);
    QFont font = WordStripLayout::wordFont(item.mark != WordMark::None);
    font.setStrikeOut(item.omitted);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(item.label, Qt::AlignCenter, item.text);
    if (item.note.isEmpty())
        return;
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(item.note, kBoxRadius, kBoxRadius);
    painter.setFont(WordStripLayout::noteFont());
    painter.setPen(colour);
    painter.drawText(item.note, Qt::AlignCenter, item.noteText);
}
