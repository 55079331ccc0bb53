#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DZELK_BUILD_TESTS=OFF -DZELK_BUILD_BENCH=OFF
cmake --build build/release -j"$(nproc)" --target zelk_dci
exec build/release/app/zelk_dci
