#pragma once

#include <cstdio>
#include <string>

// Phrasebook's statistical language-modelling toolkit: four steps that turn a text corpus
// into a back-off trigram model in ARPA form, plus the ARPA -> DMP conversion through
// SphinxBase.
//
//   text2wfreq    corpus text           -> word frequency list
//   wfreq2vocab   word frequency list   -> vocabulary
//   text2idngram  corpus text + vocab   -> id n-gram counts
//   idngram2lm    id n-grams + vocab    -> ARPA model (Witten-Bell discounting, Katz back-off)
//
// Words are maximal runs of bytes other than ASCII white space (UTF-8 passes through as is);
// line ends carry no meaning, the corpus is one stream of words. Sentence markers are the
// words "<s>" and "</s>" written in the text.
//
// File formats between the steps (our own, all plain text, "\n" line ends):
// - Word frequency list: one "word count" line per distinct word, sorted by word (bytes).
// - Vocabulary: a first header line starting with "##", then one word per line, sorted by
//   word (bytes). Every line after the header is a word (so a word may itself start with
//   "#"); empty lines are skipped. The i-th word (from 1) has the id i; id 0 stands for
//   any word outside the vocabulary.
// - Id n-grams: a header line "## idngram n=N vocabulary=V", then one line per distinct
//   n-gram of the text, "id1 ... idN count", sorted by ids. Every N consecutive words of
//   the stream make one n-gram, sentence markers included; lower orders are not stored:
//   idngram2lm derives them from the prefixes of the stored n-grams (so the stream's last
//   N-1 words only count inside the n-grams that hold them; a corpus that must have its
//   final words counted ends with an extra sentence).
//
// Every function reports through its Status (code 0: done; otherwise a StatusCode and a
// message naming the bad argument, file or line) and never ends the process. The
// functions keep no global state (sphinxLmConvert aside: SphinxBase's log destination is
// process-wide). With a verbosity above 0 they print progress lines to stderr.
//
// Thread: any, but sphinxLmConvert touches SphinxBase's process-wide log settings, so
// conversions must not run at the same time as other SphinxBase work.
namespace lmtk {

enum StatusCode {
    Ok = 0,
    BadArguments = 1,  // unknown, missing or malformed option
    IoError = 2,       // a file or stream could not be opened, read or written
    BadData = 3,       // an input file is malformed or holds nothing to work on
};

struct Status
{
    int code = Ok;
    std::string message;
    bool ok() const { return code == Ok; }
    static Status error(int code, std::string message) { return {code, std::move(message)}; }
};

// The vocabulary size wfreq2vocab keeps when neither a cut-off nor a top-N limit is given.
inline constexpr int defaultVocabularySize = 20000;

// Counts the words of `in` and writes the word frequency list to `out`. `hashTableSize`
// (> 0) is the number of words the table is prepared for (it grows beyond). Closes `out`
// (also on failure); `in` stays open.
Status text2wfreq(FILE *in, FILE *out, int hashTableSize, int verbosity);

// Reads a word frequency list from `in` and writes the vocabulary to `out`. `cutoff` >= 0
// keeps only words counted more than `cutoff` times; `top` >= 0 keeps the `top` most
// frequent words (equal counts: the word that sorts first wins); when both are -1 the
// default limit of `defaultVocabularySize` words applies. More than `records` (> 0) lines
// in the list is an error. Closes `out` (also on failure); `in` stays open.
Status wfreq2vocab(FILE *in, FILE *out, int cutoff, int top, int records, int verbosity);

// argv[0] is the program name. Options:
//   -vocab FILE (required), -idngram FILE (required), -textfile FILE (read the text from
//   FILE instead of standard input), -temp_directory TEMPLATE (a path ending in "XXXXXX"
//   from which a fresh folder is made for the run's scratch files and removed afterwards),
//   -n N (1..6, default 3), -verbosity V. Accepted for compatibility and without effect
//   (the counts are kept in memory, and the id n-gram file is always text): -buffer MB,
//   -write_ascii, -fof_size N.
Status text2idngram(int argc, const char *const *argv);

// argv[0] is the program name. Options:
//   -idngram FILE, -vocab FILE, -arpa FILE (all required), -context FILE (context cues, one
//   per line), -vocab_type 0 (closed vocabulary, the only type: words outside the
//   vocabulary get no probability and every n-gram holding one is dropped), -witten_bell
//   (the only discounting method; also the default), -n 3 (the only order), -verbosity V.
//   -good_turing, -absolute, -linear and other vocabulary types are reported as unsupported.
//
// The model:
// - Unigrams: every vocabulary word, maximum likelihood over the words that can be
//   predicted; if some of them were never counted, Witten-Bell discounting frees mass
//   T/(N+T) and shares it equally among them.
// - Bigrams and trigrams of a context h with count c(h) and T(h) distinct successors:
//   P(w|h) = c(h,w) / (c(h) + T(h)); the rest, T(h) / (c(h) + T(h)), goes to the lower
//   order through the back-off weight of h, chosen so P(.|h) sums to 1 over the words
//   that can be predicted. A context whose successors leave no lower-order mass to back
//   off to keeps its maximum likelihood estimates and a back-off weight of 1.
// - No n-gram of order 2 or 3 crosses a sentence boundary: "</s>" may only be the last
//   word of one and "<s>" only the first (this drops the bigrams starting with "</s>"
//   and the trigrams starting with "</s>" or ending with "<s>").
// - Context cues (the -context file) are never predicted: they get no unigram mass
//   (written as -99) and no n-gram ends in one. The sentence end "</s>" is predicted even
//   when listed, since it is how every sentence ends.
// - A trigram is written only when its first two words are a written bigram.
//
// The ARPA file is put together in memory, its header counting the n-grams it lists, and
// replaces FILE in one step (a reader never sees a part of it). Log10 values are written
// with four decimals.
Status idngram2lm(int argc, const char *const *argv);

// sphinx_lm_convert in-process: argv[0] is the program name; -i FILE, -o FILE (required),
// -ifmt / -ofmt (a SphinxBase format name such as "arpa" or "dmp"; otherwise SphinxBase
// guesses the format from the file name, ".DMP" giving the binary form), -debug N (SphinxBase's debug level; without it SphinxBase's
// log is silenced for the call and restored afterwards).
Status sphinxLmConvert(int argc, const char *const *argv);

}
