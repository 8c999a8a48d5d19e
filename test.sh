#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh
tools/configure.sh
if ! cmake --build build -j"$(nproc)" >build/build.log 2>&1; then
  grep -E "error|Error" -A3 build/build.log | head -60 >&2
  echo "error: build failed (full log: build/build.log)" >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)"
