#!/usr/bin/env bash
# Runs a command with a Wine desktop: a virtual X display (Xvfb on a free
# display number, unless VORLIX_USE_DISPLAY names one to use as it is), a Wine
# prefix inside the build tree, one 1024x768 Wine virtual desktop that every
# process of the prefix shares, crash dialogs off, and code page 936.
# On exit every process it started is ended by its own id.
#
#   tools/with-wine-desktop.sh COMMAND [ARG...]
#
# Exports DISPLAY, WINEPREFIX, WINEDEBUG and the locale to COMMAND.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)

export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEARCH=win64

xvfb_pid=""
desktop_pid=""
wineserver_pid=""

cleanup() {
  local status=$?
  if [ -n "$desktop_pid" ]; then
    kill "$desktop_pid" 2>/dev/null || true
  fi
  if [ -n "$wineserver_pid" ]; then
    stop_wineserver  # every Wine process of the prefix, then the server
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

free_display() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

if [ -n "${VORLIX_USE_DISPLAY:-}" ]; then
  export DISPLAY=$VORLIX_USE_DISPLAY
else
  n=$(free_display) || { echo "with-wine-desktop: no free X display" >&2; exit 1; }
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 100); do
    if xdpyinfo >/dev/null 2>&1; then break; fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
      echo "with-wine-desktop: Xvfb did not start on $DISPLAY" >&2
      exit 1
    fi
    sleep 0.1
  done
fi

mkdir -p "$WINEPREFIX"

# A Wine server in the foreground, so that it has an id of its own to end; it
# stays up between programs, so that each starts fast.
# It runs in a session of its own, so that a signal to this script's process
# group (Ctrl+C, a time-out) leaves it up until it has ended its programs.
start_wineserver() {
  setsid wineserver -f -p </dev/null >/dev/null 2>&1 &
  wineserver_pid=$!
}
stop_wineserver() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$wineserver_pid" 2>/dev/null || true
  wait "$wineserver_pid" 2>/dev/null || true
  wineserver_pid=""
}

if [ ! -f "$WINEPREFIX/.vorlix-ready" ]; then
  start_wineserver
  echo "with-wine-desktop: preparing the Wine prefix $WINEPREFIX" >&2
  wineboot -i </dev/null >/dev/null 2>&1
  reg() { wine reg add "$@" /f </dev/null >/dev/null 2>&1; }
  reg 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default
  reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768
  reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
  reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1
  reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d 'false'
  # The window's fonts as a Chinese Windows names them, drawn with WenQuanYi.
  for face in '微软雅黑' '宋体' 'SimSun' 'Microsoft YaHei'; do
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei'
  done
  # The desktop settings take effect with the next server.
  stop_wineserver
  touch "$WINEPREFIX/.vorlix-ready"
fi
start_wineserver

# Start Wine's own services and the shared desktop now, with their output going
# nowhere: started later by a test program they would inherit its output pipe
# and keep a test runner waiting for it to close.
wineboot -s </dev/null >/dev/null 2>&1 || true
wine explorer.exe /desktop=Default,1024x768 </dev/null >/dev/null 2>&1 &
desktop_pid=$!
for _ in $(seq 1 100); do
  if xdotool search --name 'Wine desktop' >/dev/null 2>&1; then break; fi
  sleep 0.1
done
# With no window manager the X keyboard focus follows the pointer, so keys
# typed over another program's window would go to that program. Give the
# focus to the desktop, as a display with a window manager would: Wine then
# hands every key to its own foreground window, as Windows does.
desktop_window=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -n 1 || true)
if [ -n "$desktop_window" ]; then
  xdotool windowfocus "$desktop_window" >/dev/null 2>&1 || true
fi

"$@"
