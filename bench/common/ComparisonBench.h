#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Shared by bench_comparison and bench_comparison_panel.
namespace ComparisonBench {
extern const QString kSentence;
extern const QStringList kCategory;  // the phrase list the comparison corpus is built from

// The model voice (flite slt) and a 3-second "recording" of the same sentence (flite kal16,
// 16 kHz mono, padded with silence) written into `folder`; false when flite or sox fail.
bool makeRecordings(const QString &folder, QString *voice, QString *recording);
// The floor: decoder creation, one full utterance over samples already in memory, the
// hypothesis; the decoder arguments of the recogniser.
void bareDecode(const QString &lmPath, const QString &dictPath, const QString &acoustic,
                const std::vector<short> &samples);
double median(std::vector<double> values);
}
