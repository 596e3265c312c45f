#!/usr/bin/env bash
# Runs every test: the host build under AddressSanitizer + UBSan and under
# ThreadSanitizer, then the Windows build and its tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

tools/prepare-machine.sh

echo "== host build, ASan + UBSan"
cmake --workflow --preset native
echo "== host build, ThreadSanitizer"
cmake --workflow --preset native-tsan
echo "== Windows build, tests under Wine"
cmake --preset windows
cmake --build --preset windows
tools/with-wine-desktop.sh ctest --preset windows
