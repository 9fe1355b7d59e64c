# Shared by the run and test scripts: builds and the Wine session.
# shellcheck shell=bash
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

generator_args() {
  if command -v ninja >/dev/null 2>&1; then echo "-G Ninja"; fi
}

# build_win32 <build dir> [cmake args...]: the program, its voices and the Win32 tests.
build_win32() {
  local dir=$1; shift
  # shellcheck disable=SC2046
  cmake -S "$ROOT" -B "$dir" $(generator_args) \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

# build_native <build dir> [cmake args...]: the core library, unit tests and benchmarks.
build_native() {
  local dir=$1; shift
  # shellcheck disable=SC2046
  cmake -S "$ROOT" -B "$dir" $(generator_args) "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

# start_xvfb: starts a private X server and exports DISPLAY; XVFB_PID holds its pid.
# Xvfb picks a free display number itself and tells it through a pipe.
start_xvfb() {
  local fifo n
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t 20 n <"$fifo" || n=
  rm -f "$fifo"
  if [ -z "$n" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$n"
  for _ in $(seq 1 100); do
    if xdpyinfo >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "Xvfb did not answer on $DISPLAY" >&2
  return 1
}

# wine_prefix <dir> [fresh] [desktop]: prepares a Wine prefix and exports
# WINEPREFIX. With "desktop", programs run in a Wine virtual desktop of the
# screen's size: Wine draws the frames, the taskbar and the tray itself, as a
# window manager would (without one, every hidden window costs Wine a two-second
# wait for the X server).
# bench_wine <prefix>: what a benchmark under Wine starts with: a display (a
# virtual one when there is none) and the prefix with its desktop; the Wine
# server, and the display when it was started here, end with the script.
bench_wine() {
  BENCH_OWN_XVFB=
  if [ -z "${DISPLAY:-}" ]; then start_xvfb; BENCH_OWN_XVFB=1; fi
  wine_prefix "$1" "" desktop
  trap 'wineserver -k 2>/dev/null || true; [ -n "$BENCH_OWN_XVFB" ] && kill "$XVFB_PID" 2>/dev/null || true' EXIT
}

wine_prefix() {
  local dir=$1 fresh=${2:-} desktop=${3:-}
  export WINEDEBUG=-all
  export WINEPREFIX=$dir
  if [ -n "$fresh" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$dir"
  fi
  if [ ! -f "$dir/system.reg" ]; then
    mkdir -p "$dir"
    # No Mono or Gecko installers: they would wait for a click.
    WINEDLLOVERRIDES="mscoree=d;mshtml=d" wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
  fi
  # Debian's Wine does not find its own fonts (MS Sans Serif, Tahoma, Marlett
  # for the caption buttons): give the prefix a copy, as Windows has them.
  local fonts=/usr/share/wine/fonts
  if [ -d "$fonts" ] && [ ! -f "$dir/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp "$fonts"/*.ttf "$fonts"/*.fon "$dir/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  if [ -n "$desktop" ]; then
    local size
    size=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ && !seen++ {print $2}') || size=''
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${size:-1024x768}" /f </dev/null >/dev/null 2>&1
    # Wine reads the desktop setting when its server starts: let it restart.
    timeout 20 wineserver -w || wineserver -k
  fi
}

# windows_registrations: the prefix's system registrations stored the way
# Windows stores them, where Wine's differ: the HTML Help control's path as
# REG_EXPAND_SZ with %SystemRoot% (Wine writes a plain REG_SZ), in both
# registry views.
windows_registrations() {
  local key='HKLM\Software\Classes\CLSID\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\InprocServer32' view
  for view in 32 64; do
    wine reg add "$key" /ve /t REG_EXPAND_SZ /d '%SystemRoot%\system32\hhctrl.ocx' /f /reg:$view \
      </dev/null >/dev/null 2>&1 || true
  done
}
