#!/usr/bin/env bash
# Runs one Windows program under Wine inside the desktop that
# tools/with-wine-desktop.sh prepared (CMake uses it as the test emulator).
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-exec: run under tools/with-wine-desktop.sh (no WINEPREFIX or DISPLAY)" >&2
  exit 2
fi
exec wine "$@"
