#pragma once

#include <QString>
#include <QStringList>

// Builds the decoder's argument list for one recognition run, in this order:
//   "-lm" <model>          ("-jsgf" <grammar> when the model is a grammar)
//   "-beam" "1e-96"
//   "-dict" <dictionary>
//   "-fwdflatbeam" "1e-128"
//   "-hmm" <acoustic model>
//   "-lw" "6.500000"       ("3.000000" for a grammar)
//   "-samprate" "16000"
// No program name comes first: the decoder's option parser takes the list as it is. The
// list ends at the first absent (null or empty) path, after that path's option name, so an
// absent model path gives just ["-lm"]; such short lists create no decoder.
//
// Thread: any (no state). Never fails; an incomplete list is the failure result.
class ZQCommandArray
{
public:
    static constexpr double kLanguageWeight = 6.5;
    static constexpr double kGrammarLanguageWeight = 3.0;

    QStringList commandArrayForlanguageModel(const QString &languageModelPath,
                                             const QString &dictionaryPath,
                                             const QString &acousticModelPath, bool isJSGF) const;
};
