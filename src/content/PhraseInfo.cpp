#include "PhraseInfo.h"

#include "AppCommon.h"

QString PhraseInfo::foreignText() const
{
    return trans.value(QLatin1String(AppCommon::contentLanguageCode), content);
}

QString PhraseInfo::translationText() const
{
    const auto learner = trans.constFind(AppCommon::currentLanguage());
    if (learner != trans.cend())
        return *learner;
    return foreignText();
}
