#!/usr/bin/env bash
# Fails, listing the files, when a source file differs from what clang-format
# makes of it under the project's .clang-format. Generated files are left out.
# Usage: tools/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find app bench check cli formats fuzz model panes services tests tools view \
                          \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null |
                     grep -v '^services/text/JisTables\.cpp$' | sort)
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -ne 0 ]; then
  printf 'not formatted: %s\n' "${bad[@]}" >&2
  echo "run tools/check-format.sh --fix" >&2
  exit 1
fi
echo "${#files[@]} files formatted"
