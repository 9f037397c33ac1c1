#!/usr/bin/env bash
# Installs what the editor needs on Debian 12 (apt-get, only what is missing), then configures and
# builds it into ./build. Used by scripts/test.sh and scripts/run.sh.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${KW_BUILD_DIR:-$repo/build}"

packages=(
    build-essential cmake ninja-build ccache pkg-config clang lld
    qt6-base-dev libgl-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev libfmt-dev nlohmann-json3-dev
    xvfb xauth
    imagemagick python3-pil
    zlib1g-dev libzstd-dev liblz4-dev
    time
    dpkg-dev file desktop-file-utils appstream lintian bash-completion
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Compiler results are shared between checkouts in other folders (a fresh clone reuses them).
export CCACHE_BASEDIR="$repo" CCACHE_NOHASHDIR=true

kw_configure_and_build() {
    local dir="$1"
    shift
    cmake -S "$repo" -B "$dir" -G Ninja "$@"
    # KW_BUILD_TARGETS (names separated by blanks) builds only those targets.
    # shellcheck disable=SC2086
    cmake --build "$dir" ${KW_BUILD_TARGETS:+--target $KW_BUILD_TARGETS}
}

# KW_CMAKE_OPTIONS (separated by blanks) adds options to the configuration.
# shellcheck disable=SC2086
kw_configure_and_build "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KW_CMAKE_OPTIONS:-}
