#!/usr/bin/env bash
# Renders the editor's icon (packaging/icons/hicolor/scalable/apps/*.svg) into the PNG sizes of the
# hicolor theme beside it. The PNGs are kept in the repository, so the package holds the same
# pixels whatever renderer a machine has; run this after changing the drawing (needs
# rsvg-convert: apt-get install librsvg2-bin).
set -euo pipefail

icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/../packaging/icons/hicolor" && pwd)"
svg="$icons/scalable/apps/org.kickwerkeditor.KwEdit.svg"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" "$svg" \
        --output "$icons/${size}x${size}/apps/org.kickwerkeditor.KwEdit.png"
done
