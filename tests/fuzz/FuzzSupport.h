#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Shared pieces of the fuzz targets: the process's scratch folder, input framing and a
// check that aborts (so libFuzzer records the input) when a reader breaks its promise.
//
// Framing: many readers take more than one file, so an input is a mode byte followed by
// parts separated by kSeparator. The seed corpora (phrasebook_fuzz_seeds) use the same
// framing, so mutations start from well-formed files.
//
// Thread: the fuzzer's (one). Failure: none; fuzzCheck aborts the process.
namespace FuzzSupport {

inline constexpr std::string_view kSeparator = "\n=====\n";

// Creates a QCoreApplication once (Qt's file and text code expects one) and a private
// scratch folder (on /dev/shm when it exists, to spare the disk); returns the folder.
QString init();
QString scratch();

// A fresh empty folder below the scratch folder (its old contents removed).
QString freshFolder(const QString &name);
bool writeFile(const QString &path, std::string_view bytes);
// Writes `bytes` to the scratch folder's file `name`; its path.
QString scratchFile(const QString &name, std::string_view bytes);

struct Input
{
    std::uint8_t mode = 0;
    std::vector<std::string_view> parts;  // always `count` parts, missing ones empty
};
Input split(const std::uint8_t *data, std::size_t size, std::size_t count);

// Joins parts into one input with the framing above (for the seed generator).
QByteArray join(std::uint8_t mode, const std::vector<QByteArray> &parts);

inline QByteArray bytes(std::string_view part)
{
    return QByteArray(part.data(), qsizetype(part.size()));
}

// Aborts with `what` on stderr when `condition` is false.
void fuzzCheck(bool condition, const char *what);
}
