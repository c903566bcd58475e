#!/usr/bin/env bash
# tests/fuzz/run.sh [SECONDS] [TARGET...]
#
# Builds the fuzz targets with clang + libFuzzer in their own tree (build-fuzz/, or
# $PHRASEBOOK_FUZZ_BUILD), writes the seed corpora from the sample content, and runs each
# target for SECONDS (default 30). Corpora grow in build-fuzz/corpus/<target>; crashing
# inputs land in build-fuzz/crashes/<target>/. Exits non-zero when a target finds a crash.
# Each run's figures (executions, coverage, corpus size) are printed at the end.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-30}"
shift || true
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    targets=(catalogue learner_record pronunciation_lookup wave audio_decode catalogue_source lmtk)
fi
build="${PHRASEBOOK_FUZZ_BUILD:-build-fuzz}"
jobs="${PHRASEBOOK_FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}"

mkdir -p "$build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPHRASEBOOK_FUZZ=ON \
    -DPHRASEBOOK_BUILD_TESTS=OFF -DPHRASEBOOK_BUILD_BENCH=OFF >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j"$jobs" --target phrasebook_fuzzers

# Seeds: the sample catalogue, Debian's CMU dictionary and one spoken sample phrase.
seeds="$build/seeds"
rm -rf "$seeds"
speech=""
if command -v flite >/dev/null 2>&1; then
    speech="$build/speech.wav"
    flite -voice slt -t "Where is the train station?" -o "$speech"
fi
"$build/bin/phrasebook_fuzz_seeds" "$seeds" resources/content \
    /usr/share/pocketsphinx/model/en-us/cmudict-en-us.dict $speech

# Sanitizer settings for the runs: leaks are checked per input by libFuzzer itself.
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
failed=0
passed=0
summary=""
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    crashes="$build/crashes/$target"
    mkdir -p "$corpus" "$crashes"
    log="$build/$target.log"
    dict=()
    case "$target" in
        catalogue|catalogue_source) dict=(-dict=tests/fuzz/dict/json.dict) ;;
        wave|audio_decode) dict=(-dict=tests/fuzz/dict/audio.dict) ;;
        *) dict=(-dict="tests/fuzz/dict/$target.dict") ;;
    esac
    echo "== fuzz_$target for ${seconds}s"
    # -close_fd_mask=3: the readers' own messages (on purpose, for bad input) are dropped;
    # libFuzzer and the sanitizers still report.
    if "$build/bin/fuzz_$target" "$corpus" "$seeds/$target" -max_total_time="$seconds" \
        -max_len=65536 -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 -close_fd_mask=3 \
        "${dict[@]}" -artifact_prefix="$crashes/" >"$log" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "fuzz_$target FAILED; the input is in $crashes/:"
        grep -E "ERROR|SUMMARY|fuzz check failed|Test unit written" "$log" | head -20
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1)
    units=$(find "$corpus" -type f | wc -l)
    summary+=$(printf '%-22s %12s execs  %-20s corpus %5s\n' "fuzz_$target" "${execs:-?}" "${cov:-cov: ?}" "$units")$'\n'
done
echo "== fuzz summary (${seconds}s each)"
printf '%s' "$summary"
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
