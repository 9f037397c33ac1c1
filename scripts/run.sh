#!/usr/bin/env bash
# Sets up and builds the editor, then starts it with the given arguments. Without a display the
# editor cannot open its window, so the headless batch build ("-master") runs instead.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Build messages go to stderr so that stdout carries only the editor's own report.
source "$repo/scripts/setup.sh" >&2

editor="$build_dir/kwedit"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): running the headless batch build." >&2
    exec "$editor" -master "$@"
fi
exec "$editor" "$@"
