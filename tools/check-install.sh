#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that it lays out what
# a desktop needs: the programs, the desktop entry, the MIME type, the icons,
# the help page with its pictures and the ReadMe. Validates the desktop entry
# and the XML files with the desktop's own tools when they are there.
# Usage: tools/check-install.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: tools/check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
  cat "$prefix/install.log" >&2
  echo "error: cmake --install failed" >&2
  exit 1
fi

failures=0
fail() { echo "error: $*" >&2; failures=$((failures + 1)); }

for program in bin/zephyrmap bin/zephyrmap-cli; do
  [ -x "$prefix/$program" ] || fail "$program missing or not executable"
done
for file in share/applications/zephyrmap.desktop share/mime/packages/zephyrmap.xml \
            share/icons/hicolor/scalable/apps/zephyrmap.svg share/icons/hicolor/48x48/apps/zephyrmap.png \
            share/zephyrmap/help/index.html share/zephyrmap/help/index_en.html share/zephyrmap/ReadMe.txt \
            share/zephyrmap/ReadMe_en.txt; do
  [ -s "$prefix/$file" ] || fail "$file missing or empty"
done

# Every fixed-size icon is a PNG of its folder's size.
for png in "$prefix"/share/icons/hicolor/*x*/apps/zephyrmap.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  width=$((16#$(od -An -tx1 -j16 -N4 "$png" | tr -d ' \n')))
  height=$((16#$(od -An -tx1 -j20 -N4 "$png" | tr -d ' \n')))
  [ "${width}x${height}" = "$size" ] || fail "$png is ${width}x${height}"
done

# The help page's pictures are installed beside it.
help="$prefix/share/zephyrmap/help"
while read -r picture; do
  [ -s "$help/$picture" ] || fail "help picture $picture missing"
done < <(grep -ho 'src="[^"]*"' "$help/index.html" "$help/index_en.html" | sed 's/^src="//; s/"$//')
for page in index.html index_en.html; do
  grep -q '<meta charset="utf-8"/>' "$help/$page" || fail "help page $page names no UTF-8 charset"
done

# The programs run from where they were installed.
"$prefix/bin/zephyrmap-cli" --version >/dev/null || fail "installed zephyrmap-cli does not run"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate --no-hints "$prefix/share/applications/zephyrmap.desktop" || fail "desktop entry not valid"
fi
if command -v xmllint >/dev/null; then
  xmllint --noout "$prefix/share/mime/packages/zephyrmap.xml" || fail "MIME type not well-formed"
  for page in index.html index_en.html; do
    xmllint --noout "$help/$page" || fail "help page $page not well-formed"
  done
fi
if command -v update-mime-database >/dev/null; then
  # Installing rebuilt the prefix's MIME cache from our type.
  grep -q 'application/x-zephyrmap' "$prefix/share/mime/globs2" 2>/dev/null ||
    fail "MIME cache of the prefix does not know application/x-zephyrmap"
fi

[ "$failures" -eq 0 ] || exit 1
echo "install layout checked in a temporary prefix"
