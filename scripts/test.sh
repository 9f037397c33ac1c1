#!/usr/bin/env bash
# Sets up and builds the editor, then runs every test: the core tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the demo installation of that clang build against the GCC build's,
# every fuzz target once over its seed corpus (the same clang build), the threaded core tests
# under ThreadSanitizer, the Debian package made from the GCC build (scripts/check_package.sh),
# and last the whole suite.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo/scripts/setup.sh"

# One clang build serves the sanitized core tests and the fuzz targets: the core is compiled once.
sanitize_dir="$repo/build-sanitize"
kw_configure_and_build "$sanitize_dir" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug -DKW_SANITIZE=ON -DKW_BUILD_GUI=OFF -DKW_BUILD_BENCH=OFF
ctest --test-dir "$sanitize_dir" -L core --output-on-failure -j2
bash "$repo/scripts/check_demo_compilers.sh" "$build_dir" "$sanitize_dir"
KW_FUZZ_BUILD_DIR="$sanitize_dir" bash "$repo/scripts/fuzz.sh" --smoke

bash "$repo/scripts/tsan.sh"

bash "$repo/scripts/check_package.sh" "$build_dir"

ctest --test-dir "$build_dir" --output-on-failure -j2
