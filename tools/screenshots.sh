#!/usr/bin/env bash
# Saves one PNG per dialog of the program, each in a known state, to build/screenshots.
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"
qew_install_packages
qew_build_windows
qew_ensure_display
qew_ensure_wineprefix
trap qew_stop_wine EXIT
out=$QEW_BUILD/screenshots
mkdir -p "$out"
QEW_SCREENSHOT_DIR="Z:${out//\//\\}" "$WINE" "$QEW_BUILD/win/tests/qew_win_tests.exe" \
  --gtest_filter='Screenshots*.*' >/dev/null
for bmp in "$out"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
ls "$out"/*.png
