#!/usr/bin/env bash
# Sets up what is missing, builds everything, and runs every test: once in a normal build, once
# more for the core under AddressSanitizer and UndefinedBehaviorSanitizer, then every fuzz target
# for a few seconds on its corpus.
set -euo pipefail
QUELTA_ROOT=$(cd "$(dirname "$0")" && pwd)
source "$QUELTA_ROOT/scripts/deps.sh"

quelta_install_dependencies
quelta_install_node_modules
quelta_install_map_modules

quelta_build "$QUELTA_ROOT/build"
ctest --test-dir "$QUELTA_ROOT/build" --output-on-failure -j "$(nproc)"

quelta_build "$QUELTA_ROOT/build-asan" -DQUELTA_SANITIZE=ON -DQUELTA_BUILD_UI=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$QUELTA_ROOT/build-asan" --output-on-failure -j "$(nproc)"

"$QUELTA_ROOT/fuzz/run.sh" 10
