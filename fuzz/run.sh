#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzer of the records reader with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it, seeded with the inputs in fuzz/corpus/.
#
#   fuzz/run.sh [runs] [more libFuzzer options]
#
# 200000 runs when not told, with a fixed seed so a failure in CI can be replayed; the tests run
# it so. For a long run by hand give -1 runs (no limit), a time and a seed of your own:
#   TARNWICK_FUZZ_SEED=$RANDOM fuzz/run.sh -1 -max_total_time=1800
# New inputs found go into build-fuzz/corpus, never into the committed corpus; a crash or a broken
# promise leaves its input in build-fuzz/ as crash-*, to be replayed with
#   build-fuzz/records-fuzz build-fuzz/crash-...
set -euo pipefail

Here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
Root=$(cd "$Here/.." && pwd)
Out=${TARNWICK_FUZZ_BUILD:-$Root/build-fuzz}
Runs=${1:-200000}
shift $(($# > 0 ? 1 : 0))

Compiler=
for Candidate in "${CXX_FUZZ:-}" clang++-14 clang++; do
    [[ -n $Candidate ]] && command -v "$Candidate" >/dev/null && { Compiler=$Candidate; break; }
done
[[ -n $Compiler ]] || { echo "fuzz/run.sh: clang++ is needed (tools/ensure_packages.sh installs it)" >&2; exit 2; }

mkdir -p "$Out/corpus"
"$Compiler" -std=c++20 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Wall -Wextra -Werror -I"$Root/src" -I"$Root/tools" \
    "$Here/RecordsFuzz.cpp" "$Root/src/records/Records.cpp" -o "$Out/records-fuzz"

# The scratch folders of the fuzzer go where the writes cost least.
if [[ -z ${TMPDIR:-} && -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

cd "$Out"
exec ./records-fuzz -runs="$Runs" -seed="${TARNWICK_FUZZ_SEED:-1}" -timeout=10 -max_len=4096 \
    -print_final_stats=1 "$@" "$Out/corpus" "$Here/corpus"
