#!/usr/bin/env bash
# Builds the test programs with AddressSanitizer and UndefinedBehaviorSanitizer in their own build
# folder and runs them; any report fails the run. Qt itself is not instrumented and keeps some of
# its allocations until exit, which would read as leaks, so leak detection is off.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
scripts/setup.sh
build=build/sanitize
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZELK_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer $sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
mapfile -t targets < <(sed -n 's/^zelk_test(\([a-z]*\) .*/test_\1/p' tests/CMakeLists.txt)
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
echo "sanitize: passed in $((SECONDS - start)) s"
