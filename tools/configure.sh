#!/usr/bin/env bash
# Configures build/, with clang when it is there (the fuzzers need it).
set -euo pipefail
cd "$(dirname "$0")/.."
args=()
if [ ! -f build/CMakeCache.txt ]; then
  compiler=g++
  command -v clang++ >/dev/null && compiler=clang++
  args=(-DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B build "${args[@]}" >/tmp/zephyrmap-configure.log 2>&1 ||
  { cat /tmp/zephyrmap-configure.log >&2; echo "error: cmake configure failed" >&2; exit 1; }
