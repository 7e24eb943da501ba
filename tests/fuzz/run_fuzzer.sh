#!/usr/bin/env bash
# Runs a fuzz target for a number of seconds, starting from its committed seed corpus, which it
# never changes: new inputs go to a corpus of this build (corpus/<target> in the current folder),
# an input that fails to findings/, and the run fails then.
#   run_fuzzer.sh FUZZER SEED_FOLDER SECONDS [libFuzzer options...]
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=$3
shift 3
name=$(basename "$fuzzer")
# Absolute paths: a target may change its current folder.
corpus=$PWD/corpus/$name
findings=$PWD/findings
mkdir -p "$corpus" "$findings"
exec "$fuzzer" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
  -artifact_prefix="$findings/$name-" "$@" "$corpus" "$seeds"
