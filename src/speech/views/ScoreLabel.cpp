#include "ScoreLabel.h"

#include "platform/ui/Fonts.h"
#include "widgets/ScoreColors.h"

ScoreLabel::ScoreLabel(const QRectF &frame, QWidget *parent) : AttributedLabel(frame, parent) {}

void ScoreLabel::setScore(const QString &prefix, int score)
{
    m_score = score;
    const QString head = prefix + QStringLiteral(": ");
    const QString digits = QString::number(score);
    setText(head + digits + QStringLiteral("/10"));
    setTextRun({int(head.size()), int(digits.size()), scoreColor(), Fonts::boldSystemFont(bounds().height())});
}

QColor ScoreLabel::colorForScore(int score)
{
    if (score < 5)
        return ScoreColors::poor();
    if (score < 8)
        return ScoreColors::fair();
    return ScoreColors::good();
}
