#!/usr/bin/env bash
# Installs what is missing, builds the editor into build/ and starts it.
# Usage: ./zephyrmap.sh [FILE.zmf]
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh
tools/configure.sh
if ! cmake --build build -j"$(nproc)" --target zephyrmap zephyrmap-cli >build/build.log 2>&1; then
  grep -E "error|Error" -A3 build/build.log | head -60 >&2
  echo "error: build failed (full log: build/build.log)" >&2
  exit 1
fi
exec build/zephyrmap "$@"
