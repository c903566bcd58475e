#pragma once

#include "Lmtk.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Pieces shared by the toolkit's steps: option parsing, whole-file reading, word splitting
// and the vocabulary file. Internal to lmtk.
//
// Thread: any (no shared state). Failure: every reader returns a Status naming the file.
namespace lmtk::support {

// Parses "-name value" / "-flag" argument vectors. argv[0] is the program name.
class ArgumentParser
{
public:
    ArgumentParser(std::string program, std::set<std::string> valueOptions,
                   std::set<std::string> flagOptions);
    Status parse(int argc, const char *const *argv);

    std::optional<std::string> value(const std::string &option) const;
    bool flag(const std::string &option) const;
    // The option's value as an integer; `fallback` when absent; an error when malformed.
    Status integer(const std::string &option, int fallback, int *result) const;
    // An error naming the option when it is absent.
    Status required(const std::string &option, std::string *result) const;

private:
    std::string m_program;
    std::set<std::string> m_valueOptions;
    std::set<std::string> m_flagOptions;
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_flags;
};

bool parseInteger(std::string_view text, long long *result);

Status readStream(FILE *stream, const std::string &name, std::string *contents);
Status readFile(const std::string &path, std::string *contents);
// Replaces the file at `path` by `contents` in one step (see AtomicFile; not synced to disk:
// the toolkit's files are rebuilt by every run).
Status writeFile(const std::string &path, std::string_view contents);

inline bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Calls `visit(word)` for every white-space separated word of `text`, in order.
template <typename Visitor>
void forEachWord(std::string_view text, Visitor &&visit)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        while (i < n && isSpace(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < n && !isSpace(text[i]))
            ++i;
        if (i > start)
            visit(text.substr(start, i - start));
    }
}

// Splits `text` into lines without their line ends ("\r\n" or "\n").
std::vector<std::string_view> splitLines(std::string_view text);

struct Vocabulary
{
    std::vector<std::string> words;  // words[0] is the unknown word (empty); ids from 1
    std::unordered_map<std::string, std::uint32_t> ids;
    std::uint32_t size() const { return std::uint32_t(words.size() - 1); }
    std::uint32_t idOf(std::string_view word) const;  // 0 when not in the vocabulary
};

Status readVocabulary(const std::string &path, Vocabulary *vocabulary);

std::string vocabularyHeader(std::size_t wordCount);

// Closes `stream` and turns a pending write error or a failed close into a Status.
Status closeOutput(FILE *stream, const std::string &name);

void progress(int verbosity, const char *format, ...) __attribute__((format(printf, 2, 3)));

}
