#!/usr/bin/env bash
# Builds everything and runs every test: the GoogleTest suites (widget tests
# headless), the Windows build under Wine and the Debian package (each in a
# script of its own), the core suites again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen
# A compiler cache, where the machine has one, makes the repeated builds of
# the same sources (plain, sanitizers) quick.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

echo "== build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure --timeout 300

echo "== Windows build under Wine =="; scripts/test-wine.sh
echo "== Debian package =="; scripts/test-package.sh

echo "== sanitizers (ASan + UBSan) over the core suites =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DXTR_SANITIZE=ON \
  -DXTR_BUILD_GUI=OFF -DXTR_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j "$jobs" --target xtr_all_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j "$jobs" --output-on-failure --timeout 600

if [ -n "$(ls fuzz/*.cpp 2>/dev/null)" ]; then
  echo "== fuzz targets (short runs) =="
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXTR_BUILD_FUZZ=ON "${launcher[@]}" >/dev/null
  fuzzers=$(for src in fuzz/*.cpp; do basename "$src" .cpp; done)
  # shellcheck disable=SC2086
  cmake --build build-fuzz -j "$jobs" --target $fuzzers
  # A few seconds per target keep the stage about a minute long; the long
  # run is scripts/fuzz-long.sh.
  for src in fuzz/*.cpp; do
    name=$(basename "$src" .cpp)
    corpus=fuzz/corpus/$name
    work=$(mktemp -d)
    [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
    dict=()
    [ -f "fuzz/dict/$name.dict" ] && dict=(-dict="fuzz/dict/$name.dict")
    echo "-- $name"
    build-fuzz/bin/"$name" -max_total_time="${XTR_FUZZ_SECONDS:-8}" -max_len=4096 "${dict[@]}" \
      -print_final_stats=0 "$work" 2>&1 | tail -n 2
    rm -rf "$work"
  done
fi
echo "All tests passed."
