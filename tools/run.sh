#!/usr/bin/env bash
# Builds vorlix.exe and starts it. On Linux it runs under Wine: on your own X
# display when DISPLAY is set, otherwise on a virtual one (a screenshot of it
# is written to build/screenshot.png every few seconds while it runs).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

tools/prepare-machine.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target vorlix
exe=$root/build/windows/vorlix.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export VORLIX_USE_DISPLAY=$DISPLAY
  exec tools/with-wine-desktop.sh wine "$exe"
fi

echo "run: no X display here; Vorlix runs on a virtual one." >&2
echo "run: screenshots go to build/screenshot.png; end it with Ctrl+C or by closing the window." >&2
exec tools/with-wine-desktop.sh bash -c '
  wine "$1" & pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    sleep 3
    import -window root "$2.tmp.png" 2>/dev/null && mv "$2.tmp.png" "$2" || true
  done
  wait "$pid"' run "$exe" "$root/build/screenshot.png"
