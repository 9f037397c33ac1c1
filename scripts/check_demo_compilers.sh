#!/usr/bin/env bash
# Writes the small demo installation (seed 1) with the kwtool of a GCC build and with that of a
# clang build and fails when the two differ: the demo is the editor's default installation and
# must not depend on the compiler that built the generator.
# Usage: scripts/check_demo_compilers.sh GCC_BUILD CLANG_BUILD
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 GCC_BUILD CLANG_BUILD" >&2
    exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# generate BUILD_DIR NAME: the demo written by BUILD_DIR's kwtool into $work/NAME.
generate() {
    local tool="$1/kwtool"
    if [[ ! -x $tool ]]; then
        echo "check_demo_compilers: no kwtool in $1" >&2
        exit 1
    fi
    "$tool" gen-demo "$work/$2" --scale small --seed 1 >/dev/null
}
generate "$1" gcc
generate "$2" clang

status=0
differences="$(cd "$work" && diff -rq gcc clang)" || status=$?
if ((status != 0)); then
    echo "check_demo_compilers: the demo installation written by $1/kwtool differs from the one" \
        "written by $2/kwtool in these files:" >&2
    # "Files gcc/X and clang/X differ" names X; "Only in gcc/DIR: NAME" names DIR/NAME.
    sed -E -e 's#^Files gcc/(.*) and clang/.* differ$#  \1#' \
        -e 's#^Only in (gcc|clang)/([^:]*): (.*)$#  \2/\3 (only from the \1 build)#' \
        -e 's#^Only in (gcc|clang): (.*)$#  \2 (only from the \1 build)#' \
        <<<"$differences" >&2
    exit 1
fi
echo "demo installation identical with both compilers"
