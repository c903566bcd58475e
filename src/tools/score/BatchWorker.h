#pragma once

#include "ScoreRun.h"

#include <cstdio>

// The worker side of a batch run: a phrasebook-score process started by the batch with a
// hidden option. It owns its decoder and its model folder (request.modelDirectory), reads
// one request a line from `in` (a compact JSON object {"expected": ..., "audio": ...}) and
// answers each with one line on `out`: the object the single-file mode prints, or
// {"error": ...} for a request it cannot read. It returns 0 at the end of `in`.
//
// Recognitions run one after another: a worker never starts a second one on its decoder
// before the first has finished, and workers share nothing but the read-only models.
//
// Thread: the caller's (blocking reads). Failure results: none beyond the per-line errors.
namespace BatchWorker {
int run(const ScoreRequest &base, FILE *in, FILE *out);
}
