#include "PhoneSymbols.h"

#include <QHash>

namespace {
const QHash<QString, QString> &table()
{
    // General American values; AH and ER take their stressed forms, as the model's phones
    // carry no stress.
    static const QHash<QString, QString> symbols{
        {QStringLiteral("AA"), QStringLiteral("ɑ")},  {QStringLiteral("AE"), QStringLiteral("æ")},
        {QStringLiteral("AH"), QStringLiteral("ʌ")},  {QStringLiteral("AO"), QStringLiteral("ɔ")},
        {QStringLiteral("AW"), QStringLiteral("aʊ")}, {QStringLiteral("AY"), QStringLiteral("aɪ")},
        {QStringLiteral("B"), QStringLiteral("b")},   {QStringLiteral("CH"), QStringLiteral("tʃ")},
        {QStringLiteral("D"), QStringLiteral("d")},   {QStringLiteral("DH"), QStringLiteral("ð")},
        {QStringLiteral("EH"), QStringLiteral("ɛ")},  {QStringLiteral("ER"), QStringLiteral("ɝ")},
        {QStringLiteral("EY"), QStringLiteral("eɪ")}, {QStringLiteral("F"), QStringLiteral("f")},
        {QStringLiteral("G"), QStringLiteral("ɡ")},   {QStringLiteral("HH"), QStringLiteral("h")},
        {QStringLiteral("IH"), QStringLiteral("ɪ")},  {QStringLiteral("IY"), QStringLiteral("i")},
        {QStringLiteral("JH"), QStringLiteral("dʒ")}, {QStringLiteral("K"), QStringLiteral("k")},
        {QStringLiteral("L"), QStringLiteral("l")},   {QStringLiteral("M"), QStringLiteral("m")},
        {QStringLiteral("N"), QStringLiteral("n")},   {QStringLiteral("NG"), QStringLiteral("ŋ")},
        {QStringLiteral("OW"), QStringLiteral("oʊ")}, {QStringLiteral("OY"), QStringLiteral("ɔɪ")},
        {QStringLiteral("P"), QStringLiteral("p")},   {QStringLiteral("R"), QStringLiteral("ɹ")},
        {QStringLiteral("S"), QStringLiteral("s")},   {QStringLiteral("SH"), QStringLiteral("ʃ")},
        {QStringLiteral("T"), QStringLiteral("t")},   {QStringLiteral("TH"), QStringLiteral("θ")},
        {QStringLiteral("UH"), QStringLiteral("ʊ")},  {QStringLiteral("UW"), QStringLiteral("u")},
        {QStringLiteral("V"), QStringLiteral("v")},   {QStringLiteral("W"), QStringLiteral("w")},
        {QStringLiteral("Y"), QStringLiteral("j")},   {QStringLiteral("Z"), QStringLiteral("z")},
        {QStringLiteral("ZH"), QStringLiteral("ʒ")},
    };
    return symbols;
}
}

namespace PhoneSymbols {
QString ipa(const QString &phone)
{
    QString name = phone.trimmed().toUpper();
    if (!name.isEmpty() && name.back().isDigit())
        name.chop(1);
    return table().value(name);
}
}
