#pragma once

#include "BaseItemInfo.h"

#include <optional>

class PhraseInfo;
using PhraseInfoPtr = std::shared_ptr<PhraseInfo>;

// One phrase: its text in the content language ("txt"), transcription ("phon") and
// translations ("wTrans"). A default-constructed record is a blank answer record of the
// quizzes: no category, index -1, score -1.
class PhraseInfo : public BaseItemInfo
{
public:
    QString phon;
    QString content;
    std::optional<QString> categoryId;
    int indexInCategory = -1;
    QString soundPath;
    int score = -1;

    // trans[contentLanguageCode] if present, else content.
    QString foreignText() const;
    // trans[currentLanguage], else trans[contentLanguageCode], else content.
    QString translationText() const;
};
