#include "CategoryInfo.h"

#include "AppCommon.h"
#include "platform/foundation/ZQLog.h"

QString CategoryInfo::categoryDisplayName() const
{
    const auto learner = trans.constFind(AppCommon::currentLanguage());
    if (learner != trans.cend())
        return *learner;
    const auto content = trans.constFind(QLatin1String(AppCommon::contentLanguageCode));
    if (content != trans.cend())
        return *content;
    ZQLog::log(QStringLiteral("category %1 has no name in the content language").arg(id), 2);
    return name;
}
