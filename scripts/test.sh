#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test twice: once plainly, once under
# AddressSanitizer and UndefinedBehaviorSanitizer (any report fails the run), and fuzzes the
# file readers for a bounded time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" --test
export QT_QPA_PLATFORM=offscreen

cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build "$root/build/test"
ctest --test-dir "$root/build/test" --output-on-failure

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$root/tests/lsan.supp"
CXX=clang++ cmake -S "$root" -B "$root/build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUINTDRAW_SANITIZE=ON -DQUINTDRAW_FUZZ=ON
cmake --build "$root/build/sanitize"
ctest --test-dir "$root/build/sanitize" --output-on-failure
