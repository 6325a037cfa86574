#!/usr/bin/env bash
# Fuzzes every reader of Ferrolyn's data files with libFuzzer, under the address and
# undefined-behaviour sanitizers.
#
#   scripts/fuzz.sh [seconds per target] [target...]   fuzz each target (default 600 s, all)
#   scripts/fuzz.sh --replay                           run every target over its seed corpus once
#
# Installs what is missing (clang, the sanitizer and libFuzzer runtimes, the project's packages),
# builds the targets in build-fuzz/ with clang++ and runs them one after another. New corpus
# entries go to build-fuzz/corpus/<target>, crashing inputs to build-fuzz/artifacts/<target>/ and
# the output to build-fuzz/logs/<target>.log; the seeds in fuzz/corpus/<target> are only read.
# A crash, a sanitizer report, an input that takes over a second or a memory blow-up ends the
# target's run and makes the script fail. Add a crashing input to fuzz/corpus/<target> once it
# is fixed, so that the replay keeps it fixed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
targets=(lineformat sectioned catalog jumpers images pricelist rates orderfile updateini csv settings specs)

replay=false
seconds=600
if [ "${1:-}" = "--replay" ]; then
    replay=true
    shift
elif [ $# -gt 0 ]; then
    seconds="$1"
    shift
    if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
        echo "usage: $0 [seconds per target] [target...] | --replay" >&2
        exit 2
    fi
fi
if [ $# -gt 0 ]; then
    for target in "$@"; do
        if ! [[ " ${targets[*]} " == *" $target "* ]]; then
            echo "unknown target: $target (targets: ${targets[*]})" >&2
            exit 2
        fi
    done
    targets=("$@")
fi

# The compiler and its runtimes, then the project's own packages.
bash "$root/scripts/install-missing.sh" clang libclang-rt-14-dev
bash "$root/scripts/deps.sh"

cmake -S "$root" -B "$build" -DFERROLYN_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j "$(nproc)"

# While fuzzing, allocation stacks are not recorded: unwinding through Qt's frames gives ever
# new stacks, and the sanitizer's store of them would grow past the memory limit in minutes.
# Run a crashing input alone (fuzz_<target> <file>) for a report with them.
fuzz_asan="abort_on_error=1:detect_leaks=1:malloc_context_size=0"
$replay && fuzz_asan="abort_on_error=1:detect_leaks=1"
export ASAN_OPTIONS="${ASAN_OPTIONS:-$fuzz_asan}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
options=(-timeout=1 -rss_limit_mb=2048 "-dict=$root/fuzz/ferrolyn.dict")
failed=()

for target in "${targets[@]}"; do
    binary="$build/bin/fuzz_$target"
    seeds="$root/fuzz/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$artifacts"
    if $replay; then
        echo "== Replaying $target"
        if ! "$binary" "${options[@]}" -runs=0 -artifact_prefix="$artifacts/" "$seeds" 2>&1 |
            tail -n 3; then
            failed+=("$target")
        fi
        continue
    fi
    corpus="$build/corpus/$target"
    log="$build/logs/$target.log"
    mkdir -p "$corpus" "$(dirname "$log")"
    echo "== Fuzzing $target for $seconds s (log: $log)"
    if "$binary" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" "$seeds" >"$log" 2>&1; then
        # The last status line: executions, coverage, corpus size, speed.
        grep -E '^#[0-9]+' "$log" | tail -n 1 || true
    else
        echo "   FAILED: see $log and $artifacts/"
        grep -E 'ERROR|INVARIANT|SUMMARY|Test unit written' "$log" | head -n 5 || true
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found problems in: ${failed[*]}" >&2
    exit 1
fi
echo "No crashes, hangs or sanitizer reports."
