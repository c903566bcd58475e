#!/bin/sh
# Batch scoring speed: COUNT phrases of the bundled catalogue source rendered with flite
# (16 kHz), scored by `phrasebook-score --batch` with --jobs 1 and with --jobs 2.
# Prints both wall-clock times and their ratio, and a control: how much longer two plain
# CPU-bound processes take together than one alone (about 1.0 when two cores are free, 2.0
# when the machine gives this run one core's worth). Needs flite and sox.
#
# Usage: bench/batch/bench_batch.sh [PHRASEBOOK_SCORE [COUNT]]
#        (default: build/bin/phrasebook-score, 50 phrases)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
score=${1:-build/bin/phrasebook-score}
count=${2:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

grep -h '"txt"' "$here/../../resources/content/"*.json \
    | sed 's/^ *"txt": *"\(.*\)",\{0,1\} *$/\1/' | head -n "$count" > "$work/phrases.txt"
n=0
while IFS= read -r phrase; do
    n=$((n + 1))
    flite -voice slt -t "$phrase" -o "$work/raw.wav"
    sox "$work/raw.wav" -r 16000 -c 1 "$work/$n.wav"
    printf '%s\t%s.wav\n' "$phrase" "$n" >> "$work/list.tsv"
done < "$work/phrases.txt"
rm -f "$work/raw.wav"

elapsed() {
    start=$(date +%s.%N)
    "$score" --batch "$work/list.tsv" --jobs "$1" > "$work/out-$1.jsonl" || true
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}
spin() { awk 'BEGIN { for (i = 0; i < 2e7; i++) s += i }'; }
control() {
    a=$(date +%s.%N); spin; b=$(date +%s.%N); spin & spin; wait; c=$(date +%s.%N)
    awk -v a="$a" -v b="$b" -v c="$c" 'BEGIN { printf "%.2f", (c - b) / (b - a) }'
}
before=$(control)
one=$(elapsed 1)
two=$(elapsed 2)
after=$(control)
scored=$(grep -c '"score"' "$work/out-2.jsonl" || true)
printf 'files: %d (scored with --jobs 2: %d)\n' "$n" "$scored"
awk -v one="$one" -v two="$two" 'BEGIN { printf "--jobs 1: %.1f s\n--jobs 2: %.1f s\nratio: %.2f\n", one, two, two / one }'
printf 'control (two CPU-bound processes / one): %s before, %s after\n' "$before" "$after"
