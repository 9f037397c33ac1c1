#!/usr/bin/env bash
# Sets up and builds the editor, then runs every test: first the core tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the whole suite.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo/scripts/setup.sh"

kw_configure_and_build "$repo/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DKW_SANITIZE=ON \
    -DKW_BUILD_GUI=OFF -DKW_BUILD_BENCH=OFF
ctest --test-dir "$repo/build-sanitize" -L core --output-on-failure -j2

ctest --test-dir "$build_dir" --output-on-failure -j2
