#!/usr/bin/env bash
# Fails when services/text/JisTables.cpp is not what tools/gen_jis_tables.py
# generates today.
set -euo pipefail
cd "$(dirname "$0")/.."
fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
python3 tools/gen_jis_tables.py >"$fresh"
if ! cmp -s "$fresh" services/text/JisTables.cpp; then
  diff "$fresh" services/text/JisTables.cpp | head -20 >&2
  echo "services/text/JisTables.cpp differs from the generator's output" >&2
  exit 1
fi
echo "tables match the generator"
