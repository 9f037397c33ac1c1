#!/usr/bin/env bash
# Line coverage of src/ over the whole test suite (core, GUI on the offscreen platform and on Xvfb,
# the shell tests of the programs): a GCC build with --coverage in a folder of its own, every ctest
# test of it, then gcovr's summary of src/. Not part of CI: it builds everything once more.
# Usage: scripts/coverage.sh [BUILDDIR]   (default: ./build-coverage)
# KW_COVERAGE_TESTS (a ctest regular expression) runs only those tests, with KW_BUILD_TARGETS
# building only what they need, for trying the script on a part.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="$(realpath -m "${1:-$repo/build-coverage}")"

# The flags take effect when the folder is configured the first time. Each source is compiled on
# its own, so that every object's counters belong to one source file.
export CC=gcc CXX=g++ CFLAGS="--coverage" CXXFLAGS="--coverage" LDFLAGS="--coverage"
export KW_CMAKE_OPTIONS="-DKW_UNITY_BUILD=OFF"
KW_BUILD_DIR="$dir" source "$repo/scripts/setup.sh"

if ! command -v gcovr >/dev/null; then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends gcovr
fi

# Counters of an earlier run would add to this one's.
find "$dir" -name '*.gcda' -delete
status=0
ctest --test-dir "$dir" -j2 ${KW_COVERAGE_TESTS:+-R "$KW_COVERAGE_TESTS"} || status=$?

# CMake's compiler probe is left out: it has no counters and its source is gone.
gcovr --root "$repo" --object-directory "$dir" --filter "$repo/src/" -j 2 \
    --exclude-directories '.*/CMakeFiles/[0-9.]+' --gcov-ignore-parse-errors \
    --print-summary --txt "$dir/coverage.txt" |
    tail -n 3
echo "Per file: $dir/coverage.txt"
if ((status != 0)); then
    echo "Some tests failed (ctest exit $status): the figure counts the runs as they went." >&2
fi
exit "$status"
