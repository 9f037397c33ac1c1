#!/usr/bin/env bash
# scripts/update_translations.sh [TS_FILE]: gathers the interface's translatable texts (tr() in the
# windows, the resource tables' KW_RESOURCE_TEXT rows) into the English catalogue, keeping the
# translations it already holds. Without an argument it updates translations/kwedit_en.ts; the
# build compiles that file into the editor. German is the source language.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ts_file="${1:-$repo/translations/kwedit_en.ts}"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"

cd "$repo"
"$lupdate" -silent -locations none -no-obsolete -no-ui-lines \
    -source-language de_DE -target-language en_GB \
    -tr-function-alias QT_TRANSLATE_NOOP+=KW_RESOURCE_TEXT,translate+=ShownText -I src \
    src -ts "$ts_file"
