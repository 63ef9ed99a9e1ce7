#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the release build and once
# more under AddressSanitizer and UndefinedBehaviorSanitizer; the file readers also face their
# fuzz corpora, and the threaded tests ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The file readers against hostile input: the libFuzzer targets, built with clang, each run once
# over its seed corpus (regression mode: seconds, not a fuzzing campaign).
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DMIZARO_FUZZ=ON -DMIZARO_GUI=OFF
cmake --build build-fuzz --target fuzzers -j "$jobs"
for target in fuzz_settings fuzz_counter_file fuzz_game_log fuzz_position_file fuzz_tenhou_json \
  fuzz_mjlog fuzz_drill_file; do
  build-fuzz/bin/$target -runs=0 fuzz/corpus/$target/
done

# The threaded tests (every suite named ...ThreadTest) under ThreadSanitizer. Only the engine
# test programs that hold them are built; the window stays out, since Qt itself is not built
# for the sanitizer.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIZARO_TSAN=ON -DMIZARO_GUI=OFF
cmake --build build-tsan --target analysis_tests app_tests stats_tests -j "$jobs"
ctest --test-dir build-tsan -R ThreadTest --output-on-failure -j "$jobs"

# Last, so the closing line is the test runner's summary.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIZARO_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
