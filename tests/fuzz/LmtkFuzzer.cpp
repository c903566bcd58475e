// The readers of our language-modelling toolkit: the word frequency list (wfreq2vocab), the
// vocabulary and corpus (text2idngram), the id n-gram, vocabulary and context-cue files
// (idngram2lm). Input: mode, then up to three files; mode % 3 picks the step:
//   0  wfreq2vocab    part 1: word frequency list
//   1  text2idngram   part 1: vocabulary, part 2: corpus
//   2  idngram2lm     part 1: id n-grams, part 2: vocabulary, part 3: context cues
//
// Promises checked: every step ends with a status, and an error status carries a message;
// every model idngram2lm writes is read back by SphinxBase (through the ARPA -> DMP
// conversion the recogniser's models take).
#include "FuzzSupport.h"

#include "speech/lmtk/Lmtk.h"

#include <QFile>

#include <cstdio>
#include <iterator>
#include <string>

namespace {
std::string file(const QString &folder, const char *name, std::string_view bytes)
{
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    FuzzSupport::writeFile(path, bytes);
    return QFile::encodeName(path).toStdString();
}

lmtk::Status runWfreq2vocab(const QString &folder, std::string_view list, int mode)
{
    // fmemopen refuses an empty buffer: an empty list is read from an empty scratch file.
    FILE *in = list.empty() ? std::tmpfile() : fmemopen(const_cast<char *>(list.data()), list.size(), "r");
    FILE *out = std::fopen((QFile::encodeName(folder) + "/vocab").constData(), "w");
    // The two limits come from the mode's higher bits: none, a cut-off, or a top-N.
    const int choice = (mode >> 2) % 3;
    const lmtk::Status status = lmtk::wfreq2vocab(in, out, choice == 1 ? (mode >> 4) : -1,
                                                  choice == 2 ? (mode >> 4) : -1, 100000, 0);
    if (in)
        std::fclose(in);
    return status;
}

lmtk::Status runText2idngram(const QString &folder, const FuzzSupport::Input &input)
{
    const std::string vocab = file(folder, "vocab", input.parts[0]);
    const std::string text = file(folder, "corpus", input.parts[1]);
    const std::string idngram = QFile::encodeName(folder).toStdString() + "/idngram";
    const std::string order = std::to_string(1 + (input.mode >> 2) % 6);
    const char *argv[] = {"text2idngram", "-vocab", vocab.c_str(), "-idngram", idngram.c_str(),
                          "-textfile", text.c_str(), "-n", order.c_str()};
    return lmtk::text2idngram(int(std::size(argv)), argv);
}

lmtk::Status runIdngram2lm(const QString &folder, const FuzzSupport::Input &input)
{
    const std::string idngram = file(folder, "idngram", input.parts[0]);
    const std::string vocab = file(folder, "vocab", input.parts[1]);
    const std::string context = file(folder, "ccs", input.parts[2]);
    const std::string base = QFile::encodeName(folder).toStdString();
    const std::string arpa = base + "/model.arpa";
    const char *argv[] = {"idngram2lm", "-idngram", idngram.c_str(), "-vocab", vocab.c_str(),
                          "-arpa", arpa.c_str(), "-context", context.c_str(), "-witten_bell"};
    lmtk::Status status = lmtk::idngram2lm(int(std::size(argv)), argv);
    if (!status.ok())
        return status;
    const std::string dmp = base + "/model.DMP";
    const char *convert[] = {"sphinx_lm_convert", "-i", arpa.c_str(), "-o", dmp.c_str()};
    const lmtk::Status converted = lmtk::sphinxLmConvert(int(std::size(convert)), convert);
    FuzzSupport::fuzzCheck(converted.ok(), "SphinxBase reads every model idngram2lm writes");
    return status;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace FuzzSupport;
    init();
    const Input input = split(data, size, 3);
    const QString folder = freshFolder(QStringLiteral("lmtk"));
    lmtk::Status status;
    switch (input.mode % 3) {
    case 0: status = runWfreq2vocab(folder, input.parts[0], input.mode); break;
    case 1: status = runText2idngram(folder, input); break;
    default: status = runIdngram2lm(folder, input); break;
    }
    fuzzCheck(status.ok() || !status.message.empty(), "an error status carries a message");
    return 0;
}
