#include "AnswerText.h"

namespace AnswerText {
bool matches(const QString &given, const QString &expected)
{
    // Decomposed form on both sides: canonically equivalent texts become identical.
    return given.toLower().normalized(QString::NormalizationForm_D)
        == expected.toLower().normalized(QString::NormalizationForm_D);
}
}
