#!/usr/bin/env bash
# Installs what is missing, builds Ferrolyn and runs every test: once in the normal build and
# once with the address and undefined-behaviour sanitizers; then replays every fuzz target's seed
# corpus (scripts/fuzz.sh --replay) and runs the benchmark once on a tiny catalog.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

bash "$root/scripts/deps.sh"
# The locales the tests run in; a test whose locale is missing fails rather than run in "C".
bash "$root/scripts/locales.sh"

# The test servers (tests/pgserver.sh) are stopped and removed whatever happens.
stop_servers() {
    for build in build-test build-asan; do
        bash "$root/tests/pgserver.sh" stop "$root/$build/tests/pgserver.state" || true
    done
}
trap stop_servers EXIT

run_suite() {
    local dir="$1"
    shift
    cmake -S "$root" -B "$dir" -DBUILD_TESTING=ON -DFERROLYN_WERROR=ON "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== Normal build"
run_suite "$root/build-test" -DCMAKE_BUILD_TYPE=Debug

echo "== Sanitizer build"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DENABLE_SANITIZERS=ON

echo "== Fuzz targets over their seed corpora"
bash "$root/scripts/fuzz.sh" --replay

echo "== Benchmark smoke run (tiny catalog; it must complete, no time is checked)"
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DFERROLYN_BENCH=ON \
    -DBUILD_TESTING=OFF -DFERROLYN_WERROR=ON
cmake --build "$root/build-bench" -j "$jobs" --target ferrolyn_bench
QT_QPA_PLATFORM=offscreen "$root/build-bench/bin/ferrolyn_bench" --tiny
