# Shared by the project's scripts: packages, build trees, the private Wine prefix and a display.
# Source it; it defines functions and exports the Wine environment.

QEW_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QEW_BUILD=${QEW_BUILD:-$QEW_ROOT/build}
# fonts-wine gives the prefix Marlett, which draws the caption buttons.
QEW_PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64 fonts-wine xvfb xauth imagemagick xdotool zip unzip python3"

export WINE=/usr/lib/wine/wine64
export WINEPREFIX=$QEW_BUILD/wineprefix
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
export WINEARCH=win64

qew_install_packages() {
  local missing=()
  for p in $QEW_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then echo "need root to install packages" >&2; return 1; fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

qew_configure_and_build() { # tree, extra cmake args...
  local tree=$1; shift
  cmake -S "$QEW_ROOT" -B "$QEW_BUILD/$tree" -G Ninja "$@" >/dev/null
  cmake --build "$QEW_BUILD/$tree" -j"$(nproc)"
}

qew_configure_windows() {
  cmake -S "$QEW_ROOT" -B "$QEW_BUILD/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QEW_ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
}

qew_build_windows() {
  qew_configure_windows
  cmake --build "$QEW_BUILD/win" -j"$(nproc)"
}

# Only the named targets of the Windows tree, quietly: the compiler's output goes to a log
# that is shown when the build fails.
qew_build_windows_targets() { # target...
  local log=$QEW_BUILD/win-build.log
  qew_configure_windows
  if ! cmake --build "$QEW_BUILD/win" -j"$(nproc)" --target "$@" >"$log" 2>&1; then
    tail -40 "$log" >&2
    echo "build failed; the whole output is in $log" >&2
    return 1
  fi
}

# Whether the Windows tree has a target of that name.
qew_windows_has_target() {
  ninja -C "$QEW_BUILD/win" -t targets all 2>/dev/null | grep -q "^$1:"
}

# An X display for Wine's windows: the current one, or a private Xvfb.
qew_ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then return 0; fi
  if [ -n "${DISPLAY:-}" ] && ! command -v xdpyinfo >/dev/null && [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ]; then return 0; fi
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${QEW_SCREEN:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 &
    QEW_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  done
  echo "could not start Xvfb" >&2; return 1
}

# The private prefix is made once; a running wineserver keeps later starts quick.
qew_ensure_wineprefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== preparing Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    # A virtual desktop: without a window manager Wine waits two seconds for every
    # visible window that goes away.
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
  fi
  # Debian's Wine does not look in the folder of fonts-wine, only in the prefix's own Fonts
  # folder: copied there, Marlett draws the caption buttons and Tahoma the dialogs. A
  # running server keeps the font list it has, so it starts again to see them.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/* "$fonts/"
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
  fi
  /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
  # Start the prefix's services now, detached: started by a test they would inherit its
  # output pipe and keep ctest waiting after the last test.
  "$WINE" wineboot </dev/null >/dev/null 2>&1 || true
}

# The display's DPI in the private prefix: 96, 144 or 192 for 100, 150 or 200 percent, on a
# desktop that grows with it as a screen of that scale would (the X display must be as
# large). The prefix's programs take both from their next start, so the wineserver is
# started anew.
qew_set_wine_dpi() {
  local size="$((1280 * $1 / 96))x$((1024 * $1 / 96))"
  qew_ensure_wineprefix
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  qew_ensure_wineprefix
}

qew_stop_wine() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  # Its programs are gone before their display is.
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  [ -n "${QEW_XVFB_PID:-}" ] && kill "$QEW_XVFB_PID" 2>/dev/null || true
}
