#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a host installation in the private
# prefix, a demo one is made: Version 6.0 and a Path holding a sample Players.txt.
set -euo pipefail
source "$(dirname "$0")/env.sh"

qew_install_packages
# The private Xvfb and the prefix's wineserver end with the program, also when the run is
# interrupted: a signal ends the script through its exit trap.
trap qew_stop_wine EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
echo "== building the wizard and the sample player (the first build takes a few minutes)"
qew_build_windows_targets QuorvelExtPlrWizard SamplePlayer
had_display=${DISPLAY:-}
qew_ensure_display
qew_ensure_wineprefix

if ! "$WINE" reg query 'HKLM\Software\Dunmere\Quorvel' /v Version /reg:32 >/dev/null 2>&1; then
  demo=$QEW_BUILD/demo-host
  mkdir -p "$demo"
  cp "$QEW_ROOT/tools/demo/Players.txt" "$demo/Players.txt"
  windir="Z:${demo//\//\\}"
  "$WINE" reg add 'HKLM\Software\Dunmere\Quorvel' /v Version /d 6.0 /f /reg:32 >/dev/null 2>&1
  "$WINE" reg add 'HKLM\Software\Dunmere\Quorvel\6.0' /v Path /d "$windir" /f /reg:32 >/dev/null 2>&1
  echo "== demo host installation: $demo/Players.txt"
fi

if [ -z "$had_display" ]; then
  echo "== no display was set: the program runs on the private Xvfb display $DISPLAY."
  echo "   Look at it with: DISPLAY=$DISPLAY import -window root shot.png"
  echo "   (or: x11vnc -display $DISPLAY, then a VNC viewer)"
fi
# A sample player to point the wizard at: its title changes every few seconds, as a
# player's does from track to track.
"$WINE" "$QEW_BUILD/win/SamplePlayer.exe" --interval 4000 -- "Winamp v1.x" \
  "1. Sample Artist - Sample Title - Winamp" "2. Another Artist - Another Title - Winamp" \
  "Winamp 5.9 - *** Paused ***" "3. Radio Sample: Stream Title - Winamp" >/dev/null 2>&1 &
player=$!
echo "== a sample player (window class \"Winamp v1.x\") runs beside it for the wizard"
echo "== starting QuorvelExtPlrWizard"
set +e
# Waited for in the background, so that Ctrl-C reaches the traps at once.
"$WINE" "$QEW_BUILD/win/QuorvelExtPlrWizard.exe" &
wait $!
code=$?
kill "$player" 2>/dev/null
echo "== QuorvelExtPlrWizard exited with code $code"
exit $code
