#!/usr/bin/env bash
# Saves one PNG per dialog of the program, each in a known state, at 96, 144 and 192 DPI
# (100, 150 and 200 percent display scale) to build/screenshots/<dpi>/.
# With --docs it also refreshes the user's guide's pictures, docs/images/, from the 96 DPI set.
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"
docs=false
[ "${1:-}" = "--docs" ] && docs=true
qew_install_packages
qew_build_windows
# A display of its own, large enough for the desktop at 200 percent.
unset DISPLAY
QEW_SCREEN=2560x2048 qew_ensure_display
# The prefix goes back to 96 DPI, which the tests expect, however the run ends.
trap 'qew_set_wine_dpi 96; qew_stop_wine' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
for dpi in 96 144 192; do
  qew_set_wine_dpi "$dpi"
  out=$QEW_BUILD/screenshots/$dpi
  rm -rf "$out"
  mkdir -p "$out"
  QEW_SCREENSHOT_DIR="Z:${out//\//\\}" "$WINE" "$QEW_BUILD/win/tests/qew_win_tests.exe" \
    --gtest_filter='Screenshots*.*' >/dev/null
  for bmp in "$out"/*.bmp; do
    convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
  done
done
ls "$QEW_BUILD"/screenshots/*/*.png
if $docs; then
  # The pictures the guide shows, by the names it uses.
  images=$QEW_ROOT/docs/images
  mkdir -p "$images"
  for name in main wizard-step1 wizard-step2 wizard-step3 wizard-step4 paint-title \
      paint-title-expanded manual-editing entry-add-title entry-edit-template running-players; do
    cp "$QEW_BUILD/screenshots/96/$name.png" "$images/$name.png"
  done
  echo "== refreshed $images"
fi
