#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// How likely each frame of a recording is to be each base phone, from the senone scores the
// decoder logs when asked to (-compallsen yes, -senlogdir): in every frame the best senone of
// each base phone stands for that phone, and a softmax over the phones gives its posterior.
// The mean log posterior of the expected phone over its aligned frames is the classic
// "goodness of pronunciation": near 0 when the phone clearly won its frames, strongly
// negative when other phones fit them better.
//
// The senone-to-phone map comes from the acoustic model's binary model definition ("mdef",
// "BMDF" format, which describes its own layout): every context-dependent phone shares its
// base phone's transition matrix, so a senone's base phone is the transition matrix of any
// phone whose senone sequence holds it.
//
// A senone log: a text header ending "endhdr\n", a 32-bit byte-order mark, then per frame a
// 16-bit senone count and that many 16-bit scores (0 = the frame's best, larger = worse).
//
// Thread: any; one object is not shared between threads. Failures (never thrown):
// readModelDefinition and readScores return false with *error set, leaving the object as
// it was before the call.
class PhonePosteriors
{
public:
    // The base phones and each senone's base phone from a binary model definition.
    bool readModelDefinition(const QString &path, QString *error = nullptr);
    // One utterance's senone scores (the model definition must be read first).
    bool readScores(const QString &path, QString *error = nullptr);

    int frameCount() const { return m_frames; }
    // The index of a base phone ("AE"), -1 when the model has no such phone.
    int phoneIndex(const QString &phone) const { return int(m_phones.indexOf(phone)); }

    // The mean log posterior of `phone` over frames first..last (inclusive), with the senone
    // scores scaled by `scale` (natural-log units per score unit); nullopt for an unknown
    // phone or frames outside the utterance.
    std::optional<double> meanLogPosterior(int phone, int first, int last, double scale) const;

private:
    QStringList m_phones;
    std::vector<int> m_baseOfSenone;
    int m_frames = 0;
    std::vector<quint16> m_best;  // per frame, the best score of each base phone
};
