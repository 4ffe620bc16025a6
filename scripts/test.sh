#!/usr/bin/env bash
# Builds Zerlith and runs every test. Usage: scripts/test.sh [--sanitize address-undefined|thread]
# The sanitizer builds go to their own build folders.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=""
label=""
while [ $# -gt 0 ]; do
  case "$1" in
    --sanitize) sanitize="$2"; shift 2 ;;
    --label) label="$2"; shift 2 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
done

bash scripts/setup.sh

build="build"
[ -n "$sanitize" ] && build="build-$sanitize"
bench=ON
[ -n "$sanitize" ] && bench=OFF

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZERLITH_WERROR=ON -DZERLITH_SANITIZE="$sanitize" -DZERLITH_BUILD_BENCH="$bench" >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/sanitizers/tsan.supp"

args=(--test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600)
[ -n "$label" ] && args+=(-L "$label")
ctest "${args[@]}"
