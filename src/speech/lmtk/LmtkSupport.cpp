#include "LmtkSupport.h"

#include "platform/foundation/AtomicFile.h"

#include <cerrno>
#include <charconv>
#include <cstdarg>
#include <cstring>

namespace lmtk::support {

ArgumentParser::ArgumentParser(std::string program, std::set<std::string> valueOptions,
                               std::set<std::string> flagOptions)
    : m_program(std::move(program))
    , m_valueOptions(std::move(valueOptions))
    , m_flagOptions(std::move(flagOptions))
{
}

Status ArgumentParser::parse(int argc, const char *const *argv)
{
    if (argc < 1 || !argv)
        return Status::error(BadArguments, m_program + ": empty argument vector");
    for (int i = 1; i < argc; ++i) {
        if (!argv[i])
            return Status::error(BadArguments, m_program + ": null argument");
        const std::string option = argv[i];
        if (m_flagOptions.count(option)) {
            m_flags.insert(option);
        } else if (m_valueOptions.count(option)) {
            if (i + 1 >= argc || !argv[i + 1])
                return Status::error(BadArguments, m_program + ": option " + option
                                                       + " needs a value");
            m_values[option] = argv[++i];
        } else {
            return Status::error(BadArguments, m_program + ": unknown option \"" + option + "\"");
        }
    }
    return {};
}

std::optional<std::string> ArgumentParser::value(const std::string &option) const
{
    const auto it = m_values.find(option);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

bool ArgumentParser::flag(const std::string &option) const
{
    return m_flags.count(option) > 0;
}

Status ArgumentParser::integer(const std::string &option, int fallback, int *result) const
{
    const auto text = value(option);
    if (!text) {
        *result = fallback;
        return {};
    }
    long long number = 0;
    if (!parseInteger(*text, &number) || number < INT32_MIN || number > INT32_MAX)
        return Status::error(BadArguments, m_program + ": option " + option
                                               + " needs an integer, not \"" + *text + "\"");
    *result = int(number);
    return {};
}

Status ArgumentParser::required(const std::string &option, std::string *result) const
{
    const auto text = value(option);
    if (!text || text->empty())
        return Status::error(BadArguments, m_program + ": option " + option + " is required");
    *result = *text;
    return {};
}

bool parseInteger(std::string_view text, long long *result)
{
    if (text.empty())
        return false;
    const char *begin = text.data();
    const char *end = text.data() + text.size();
    if (*begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, *result);
    return ec == std::errc() && ptr == end;
}

Status readStream(FILE *stream, const std::string &name, std::string *contents)
{
    contents->clear();
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, stream);
        contents->append(buffer, got);
        if (got < sizeof buffer)
            break;
    }
    if (std::ferror(stream))
        return Status::error(IoError, "error while reading " + name);
    return {};
}

Status readFile(const std::string &path, std::string *contents)
{
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return Status::error(IoError, "unable to open " + path + " for reading: "
                                          + std::strerror(errno));
    Status status = readStream(file, path, contents);
    std::fclose(file);
    return status;
}

Status writeFile(const std::string &path, std::string_view contents)
{
    AtomicFile::Failure failure;
    if (!AtomicFile::write(QString::fromStdString(path),
                           QByteArrayView(contents.data(), qsizetype(contents.size())), &failure,
                           AtomicFile::Durability::Unsynced))
        return Status::error(IoError, failure.message.toStdString());
    return {};
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::uint32_t Vocabulary::idOf(std::string_view word) const
{
    const auto it = ids.find(std::string(word));
    return it == ids.end() ? 0 : it->second;
}

Status readVocabulary(const std::string &path, Vocabulary *vocabulary)
{
    std::string text;
    Status status = readFile(path, &text);
    if (!status.ok())
        return status;
    vocabulary->words.assign(1, std::string());
    vocabulary->ids.clear();
    const auto lines = splitLines(text);
    if (lines.empty() || lines.front().substr(0, 2) != "##")
        return Status::error(BadData, path + ": not a vocabulary file (no \"##\" header line)");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty())
            continue;
        for (char c : line) {
            if (isSpace(c))
                return Status::error(BadData, path + ":" + std::to_string(i + 1)
                                                  + ": a vocabulary word holds white space");
        }
        const std::string word(line);
        if (vocabulary->ids.count(word))
            return Status::error(BadData, path + ":" + std::to_string(i + 1) + ": word \""
                                              + word + "\" is listed twice");
        vocabulary->ids.emplace(word, std::uint32_t(vocabulary->words.size()));
        vocabulary->words.push_back(word);
    }
    return {};
}

std::string vocabularyHeader(std::size_t wordCount)
{
    return "## vocabulary of " + std::to_string(wordCount) + " words, one per line, sorted\n";
}

Status closeOutput(FILE *stream, const std::string &name)
{
    const bool failed = std::ferror(stream) != 0;
    const bool closeFailed = std::fclose(stream) != 0;
    if (failed || closeFailed)
        return Status::error(IoError, "error while writing " + name);
    return {};
}

void progress(int verbosity, const char *format, ...)
{
    if (verbosity <= 0)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
}

}
