#!/usr/bin/env bash
# Builds the Debian package from a build folder with cpack and checks it as a
# user's system would take it: its control fields, the files it holds, and,
# unpacked into a scratch root, that the command-line tool runs, the manual
# pages format, and the AppStream metainfo and the desktop entry validate.
# Usage: tools/check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: tools/check-package.sh BUILD_DIR}" && pwd)
skip=77
for tool in cpack dpkg-deb dpkg-shlibdeps man appstreamcli desktop-file-validate; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: the package check needs $tool (tools/ensure-packages.sh installs it)"
    exit $skip
  fi
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() { echo "error: $*" >&2; failures=$((failures + 1)); }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
if ! (cd "$build" && cpack -G DEB -B "$scratch/out") >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  echo "error: cpack failed" >&2
  exit 1
fi
deb="$scratch/out/zephyrmap_${version}_${arch}.deb"
if [ ! -s "$deb" ]; then
  ls -l "$scratch/out" >&2
  echo "error: no package named $(basename "$deb")" >&2
  exit 1
fi

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zephyrmap ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', not $arch"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Section)" = web ] || fail "Section is '$(field Section)'"
# Read whole before it is looked at: under pipefail, grep -q leaving early
# could break the pipe of what feeds it and fail a line that matched.
summary=$(field Description | sed -n 1p)
[[ "$summary" == *"image maps"* ]] || fail "Description: $summary"
depends=$(field Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libopencv-core libc6 qt6-qpa-plugins; do
  grep -q "$library" <<<"$depends" || fail "Depends names no $library: $depends"
done

# The files, where a Debian system looks for them.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$scratch/files"
for file in /usr/bin/zephyrmap /usr/bin/zephyrmap-cli /usr/share/applications/zephyrmap.desktop \
            /usr/share/mime/packages/zephyrmap.xml /usr/share/metainfo/io.github.nimbleworks.Zephyrmap.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/zephyrmap.svg /usr/share/icons/hicolor/48x48/apps/zephyrmap.png \
            /usr/share/man/man1/zephyrmap.1.gz /usr/share/man/man1/zephyrmap-cli.1.gz \
            /usr/share/zephyrmap/help/index.html /usr/share/zephyrmap/help/index_en.html /usr/share/zephyrmap/ReadMe.txt; do
  grep -qx "$file" "$scratch/files" || fail "the package holds no $file"
done
# Nothing outside /usr, and no cache a system trigger rebuilds.
grep -v '^/usr\(/\|$\)' "$scratch/files" | grep -vx '/' && fail "files outside /usr"
grep -E '/share/mime/(mime\.cache|globs2?|magic)$|mimeinfo\.cache' "$scratch/files" && fail "the package holds caches"

# Unpacked into a scratch root, as dpkg would lay it out.
root="$scratch/root"
dpkg -x "$deb" "$root"
installed_version=$("$root/usr/bin/zephyrmap-cli" --version) || fail "the installed zephyrmap-cli does not run"
[[ "$installed_version" == *"$version"* ]] || fail "the installed zephyrmap-cli says '$installed_version'"
check_help=$("$root/usr/bin/zephyrmap-cli" check --help) || fail "zephyrmap-cli check --help"
[[ "$check_help" == "usage: zephyrmap-cli check"* ]] || fail "zephyrmap-cli check --help says '$check_help'"
for page in zephyrmap zephyrmap-cli; do
  text=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>"$scratch/man.err")
  [ -s "$scratch/man.err" ] && fail "man $page: $(cat "$scratch/man.err")"
  grep -q "^NAME" <<<"$text" || fail "man $page has no NAME section"
  grep -q "$page - " <<<"$text" || fail "man $page does not name $page"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.nimbleworks.Zephyrmap.metainfo.xml" ||
  fail "the AppStream metainfo does not validate"
desktop-file-validate "$root/usr/share/applications/zephyrmap.desktop" || fail "the desktop entry does not validate"

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$deb") checked"
