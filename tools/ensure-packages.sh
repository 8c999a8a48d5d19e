#!/usr/bin/env bash
# Installs the Debian packages the build needs, quietly when all are present.
# Usage: tools/ensure-packages.sh [gui]
set -euo pipefail

# qt6-l10n-tools and qt6-tools-dev: lupdate, lrelease and CMake's Qt6LinguistTools for the English translation
packages=(cmake g++ clang clang-format make pkg-config python3 qt6-base-dev qt6-svg-dev libgl-dev libpng-dev zlib1g-dev libxcb1-dev
          qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgtest-dev libbenchmark-dev libxml2-dev fonts-ipafont-gothic
          libopencv-core-dev libopencv-imgproc-dev libopencv-features2d-dev libopencv-calib3d-dev
          desktop-file-utils shared-mime-info libxml2-utils
          # the Debian package: cpack's dpkg-shlibdeps, and the checks of what it holds
          dpkg-dev appstream man-db
          # the end-to-end tests: a virtual X server, input, screenshots, the clipboard
          xvfb xauth xdotool imagemagick xclip
          # the browser test: the SVG form and the image map clicked in a real browser
          chromium)
# The referee tests: npm brings the validator, axe-core and puppeteer-core into the build folder, and
# Java runs the validator. Only when the commands are missing: a Node.js of another packaging carries
# its own npm, which Debian's npm would conflict with.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
command -v java >/dev/null || packages+=(default-jre-headless)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "error: packages missing (${missing[*]}) and not running as root to install them" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if ! apt-get update -qq >/tmp/zephyrmap-apt.log 2>&1 ||
   ! apt-get install -y -qq --no-install-recommends "${missing[@]}" >>/tmp/zephyrmap-apt.log 2>&1; then
  tail -20 /tmp/zephyrmap-apt.log >&2
  echo "error: could not install ${missing[*]} (log: /tmp/zephyrmap-apt.log)" >&2
  exit 1
fi
