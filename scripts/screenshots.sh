#!/usr/bin/env bash
# Makes the README's screenshots, docs/screenshots/*.png, under a virtual X server; builds first if needed.
# The windows are driven through a job by kelvane_screenshots (tools/screenshots/), which also writes
# the results window's printed page as a PDF; pdftoppm (poppler-utils) makes printed_page.png of it.
# KELVANE_BUILD_DIR names another build folder than build/. With optipng installed (Debian package
# optipng) the pictures are also made smaller, losslessly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build="${KELVANE_BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVANE_BUILD_TOOLS=ON >/dev/null
cmake --build "$build" --target kelvane_screenshots -j"$(nproc)"

out=docs/screenshots
mkdir -p "$out"
# The real X11 platform, whatever the calling shell asks for: the tests' offscreen platform would do,
# but the pictures are meant to be what a user sees.
xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb "$build/tools/screenshots/kelvane_screenshots" "$out"
pdftoppm -png -r 100 -singlefile "$out/printed_page.pdf" "$out/printed_page"
rm "$out/printed_page.pdf"

if command -v optipng >/dev/null 2>&1; then
  optipng -quiet -o5 -strip all "$out"/*.png
fi
ls -l "$out"/*.png
