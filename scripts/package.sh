#!/usr/bin/env bash
# Makes the editor's Debian package with CPack from a build folder (the one the tests use: build/,
# or $KW_BUILD_DIR, or the folder given), without a build of its own, and prints the package's path
# as its last line. Install it with: sudo apt install ./<that path>
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$(cd "${1:-${KW_BUILD_DIR:-$repo/build}}" && pwd)"

if [[ ! -f "$build_dir/CPackConfig.cmake" ]]; then
    echo "package.sh: $build_dir is no configured build folder (scripts/setup.sh makes one)" >&2
    exit 2
fi
# The package takes the programs as the build folder holds them; this only brings them up to date
# with the sources (nothing to do after the build the tests ran).
if ! cmake --build "$build_dir" --target kwedit kwtool Renderer >&2; then
    echo "package.sh: kwedit, kwtool or Renderer.so in $build_dir could not be built" >&2
    exit 2
fi

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! cpack --config "$build_dir/CPackConfig.cmake" >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
cat "$log" >&2
sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$log" | tail -n 1
