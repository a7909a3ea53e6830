#!/usr/bin/env bash
# Builds Kelvane for Windows with all its tests and runs them under Wine on a private virtual X display,
# then makes the installers and checks them there too (installer-test.sh). Installs what is missing.
set -euo pipefail
source "$(dirname "$0")/env.sh"

echo "== Building for Windows, with the tests"
build_windows -DKELVANE_BUILD_TESTS=ON -DCMAKE_CROSSCOMPILING_EMULATOR="$top/scripts/windows/wine-run.sh"

# The tests' reports are dated as under a day.month.year, 24-hour locale; Wine takes the Windows user
# locale from these variables when its server starts.
if ! locale -a 2>/dev/null | grep -qi '^en_GB\.utf-\?8$'; then
  localedef -i en_GB -f UTF-8 en_GB.UTF-8
fi
export LC_ALL=en_GB.UTF-8 LANG=en_GB.UTF-8
export KELVANE_WIN_QT=$qt

# A virtual X server of the run's own; the native "windows" platform of Qt draws through Wine into it.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
finish() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$display_file"
}
trap finish EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$display_file")

echo "== Preparing Wine in $WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver -w

echo "== Running the tests under Wine"
(cd "$build" && ctest --output-on-failure -j"$(nproc)" --timeout 600)

# The installer against the Debian program's report: both programs are needed.
[ -x "$top/build/app/kelvane" ] || bash "$top/scripts/build.sh"
bash "$top/scripts/windows/package.sh"
bash "$top/scripts/windows/installer-test.sh"
