#!/usr/bin/env bash
# Runs a fuzz target for a number of seconds, starting from its committed seed corpus, which it
# never changes. New inputs go to the corpus folder REKI_FUZZ_CORPUS when it is set (./dev.sh fuzz
# keeps one per target in build-fuzz), else to a temporary one, so that the short runs of the
# tests start from the seeds alone every time. An input that fails is kept in findings/ of the
# current folder, and the run fails. Leak reports of other libraries that are known to be
# harmless are left out (lsan.supp).
#   run_fuzzer.sh FUZZER SEED_FOLDER SECONDS [libFuzzer options...]
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=$3
shift 3
name=$(basename "$fuzzer")
export LSAN_OPTIONS=suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp
# Absolute paths: a target may change its current folder.
findings=$PWD/findings
mkdir -p "$findings"
if [ -n "${REKI_FUZZ_CORPUS:-}" ]; then
  corpus=$(mkdir -p "$REKI_FUZZ_CORPUS" && cd "$REKI_FUZZ_CORPUS" && pwd)
else
  corpus=$(mktemp -d)
  trap 'rm -rf "$corpus"' EXIT
fi
"$fuzzer" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
  -artifact_prefix="$findings/$name-" "$@" "$corpus" "$seeds"
