#include "ZQCommandArray.h"

QStringList ZQCommandArray::commandArrayForlanguageModel(const QString &languageModelPath,
                                                         const QString &dictionaryPath,
                                                         const QString &acousticModelPath,
                                                         bool isJSGF) const
{
    QStringList arguments;
    arguments << (isJSGF ? QStringLiteral("-jsgf") : QStringLiteral("-lm"));
    if (languageModelPath.isEmpty())
        return arguments;
    arguments << languageModelPath << QStringLiteral("-beam") << QStringLiteral("1e-96")
              << QStringLiteral("-dict");
    if (dictionaryPath.isEmpty())
        return arguments;
    arguments << dictionaryPath << QStringLiteral("-fwdflatbeam") << QStringLiteral("1e-128")
              << QStringLiteral("-hmm");
    if (acousticModelPath.isEmpty())
        return arguments;
    arguments << acousticModelPath << QStringLiteral("-lw")
              << QString::asprintf("%f", isJSGF ? kGrammarLanguageWeight : kLanguageWeight)
              << QStringLiteral("-samprate") << QStringLiteral("16000");
    return arguments;
}
