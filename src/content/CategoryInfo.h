#pragma once

#include "BaseItemInfo.h"
#include "PhraseInfo.h"

#include <QList>

#include <optional>

class CategoryInfo;
using CategoryInfoPtr = std::shared_ptr<CategoryInfo>;

// One category of the catalogue ("pkgInfo"): its name, its translations ("nameTrans") and,
// once first requested, its phrases in file order.
class CategoryInfo : public BaseItemInfo
{
public:
    QString name;
    // Absent until the category's phrases are first requested; then filled once for good.
    std::optional<QList<PhraseInfoPtr>> phraseInfoList;

    // trans[currentLanguage], else trans[contentLanguageCode]; reads the learner's language
    // afresh on every call. A map holding neither violates the installed content's
    // invariants: the result is then `name` (and the first such call logs it), rather than
    // stopping the program mid-screen.
    QString categoryDisplayName() const;
};
