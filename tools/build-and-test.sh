#!/usr/bin/env bash
# Builds Vesk and runs every test: once in the C locale, once under a comma
# locale, and once more in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
(cd build && LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

if [ "${VESK_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON -DVESK_BUILD_GUI=OFF \
        -DVESK_BUILD_BENCHMARKS=OFF
  cmake --build build-asan -j"$jobs"
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")
fi
