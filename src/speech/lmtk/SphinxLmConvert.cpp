// sphinx_lm_convert in-process: read a model with SphinxBase and write it in another form.
#include "LmtkSupport.h"

#include <sphinxbase/err.h>
#include <sphinxbase/logmath.h>
#include <sphinxbase/ngram_model.h>

namespace lmtk {

namespace {
// Silences SphinxBase's log for the lifetime of the object (unless asked to keep it) and
// restores the previous destination afterwards.
class LogSilencer
{
public:
    explicit LogSilencer(bool silence)
        : m_active(silence)
        , m_previous(err_get_logfp())
    {
        if (m_active)
            err_set_logfp(nullptr);
    }
    ~LogSilencer()
    {
        if (m_active)
            err_set_logfp(m_previous);
    }
    LogSilencer(const LogSilencer &) = delete;
    LogSilencer &operator=(const LogSilencer &) = delete;

private:
    bool m_active;
    FILE *m_previous;
};

Status fileType(const std::optional<std::string> &format, const std::string &path,
                const char *option, ngram_file_type_t *type)
{
    *type = format ? ngram_str_to_type(format->c_str()) : ngram_file_name_to_type(path.c_str());
    if (*type == NGRAM_INVALID)
        return Status::error(BadArguments, std::string("sphinx_lm_convert: unknown model format ")
                                               + (format ? "\"" + *format + "\"" : "for " + path)
                                               + " (" + option + ")");
    return {};
}
}

Status sphinxLmConvert(int argc, const char *const *argv)
{
    support::ArgumentParser arguments("sphinx_lm_convert", {"-i", "-o", "-ifmt", "-ofmt", "-debug"},
                                      {});
    Status status = arguments.parse(argc, argv);
    std::string inputPath, outputPath;
    int debug = 0;
    if (status.ok())
        status = arguments.required("-i", &inputPath);
    if (status.ok())
        status = arguments.required("-o", &outputPath);
    if (status.ok())
        status = arguments.integer("-debug", 0, &debug);
    ngram_file_type_t inputType = NGRAM_AUTO;
    ngram_file_type_t outputType = NGRAM_AUTO;
    if (status.ok() && arguments.value("-ifmt"))
        status = fileType(arguments.value("-ifmt"), inputPath, "-ifmt", &inputType);
    if (status.ok())
        status = fileType(arguments.value("-ofmt"), outputPath, "-ofmt", &outputType);
    if (!status.ok())
        return status;

    const bool keepLog = arguments.value("-debug").has_value();
    LogSilencer silencer(!keepLog);
    if (keepLog)
        err_set_debug_level(debug);

    // The model keeps its own reference to the log-math object; ours is released here.
    logmath_t *logMath = logmath_init(1.0001, 0, 0);
    if (!logMath)
        return Status::error(IoError, "sphinx_lm_convert: unable to set up log-math tables");
    ngram_model_t *model = ngram_model_read(nullptr, inputPath.c_str(), inputType, logMath);
    if (!model) {
        logmath_free(logMath);
        return Status::error(BadData, "sphinx_lm_convert: unable to read the language model "
                                          + inputPath);
    }
    const int written = ngram_model_write(model, outputPath.c_str(), outputType);
    ngram_model_free(model);
    logmath_free(logMath);
    if (written != 0)
        return Status::error(IoError, "sphinx_lm_convert: unable to write the language model "
                                          + outputPath);
    return {};
}

}
