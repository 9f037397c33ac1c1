#!/usr/bin/env bash
# scripts/screenshots.sh OUTDIR [--lang de|en] [SCENE...]: photographs the editor's windows, dialogs
# and tab pages on the small demo installation, one PNG each, named after the dialog
# (DlgMainMenu.png, DlgLongtimeOperation.png, ...; a tab page as <dialog>-<tab>.png), in German
# (the default) or English. The scenes are listed by area in tests/screens/*Scenes.cpp. Sets up the build folder of scripts/setup.sh and builds only the
# screenshot program (kwscreens) and the renderer plug-in.
set -euo pipefail

if [[ $# -lt 1 ]]; then
    echo "usage: scripts/screenshots.sh OUTDIR [--lang de|en] [SCENE...]" >&2
    exit 2
fi

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KW_BUILD_TARGETS=kwscreens source "$repo/scripts/setup.sh" >&2

out="$1"
shift
language=(--lang de)
if [[ "${1:-}" == --lang ]]; then
    language=(--lang "${2:?--lang takes de or en}")
    shift 2
fi
QT_QPA_PLATFORM=offscreen exec "$build_dir/kwscreens" "${language[@]}" "$out" "$@"
