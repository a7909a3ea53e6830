#!/usr/bin/env bash
# Checks the Windows installer under Wine, end to end: it installs silently (/S), the installed program
# starts, a job typed into its window with the keyboard saves the same report as the Debian program
# (build/app/kelvane) given the same keys, and the uninstaller takes away all it put there.
# Needs package.sh's installer and the Debian build; DISPLAY names a virtual X server.
set -euo pipefail
source "$(dirname "$0")/env.sh"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
setup=$build/kelvane-$version-setup.exe
debian_program=$top/build/app/kelvane
[ -f "$setup" ] || { echo "installer-test: no $setup; run scripts/windows/package.sh" >&2; exit 1; }
[ -x "$debian_program" ] || { echo "installer-test: no $debian_program; run scripts/build.sh" >&2; exit 1; }

fail() { echo "installer-test: $*" >&2; exit 1; }
# A prefix of its own, so that nothing of the test runs is taken for the installer's.
export WINEPREFIX=$build/wine-installer
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver -w
drive=$WINEPREFIX/drive_c
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvane'

# What the prefix holds besides what Windows itself changes as it goes (temporary files, logs).
snapshot() {
  (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -path './users/*/AppData/Local/Kelvane' -prune -o -print | sort)
}
before=$(snapshot)

echo "== Installing silently"
wine "$setup" /S
wineserver -w
location=$(wine reg query "$key" /v InstallLocation 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p')
[ -n "$location" ] || fail "no entry in the list of installed programs"
unix_location=$(winepath -u "$location" 2>/dev/null | tr -d '\r')
[ -f "$unix_location/kelvane.exe" ] || fail "kelvane.exe is not in $location"
[ -f "$unix_location/uninstall.exe" ] || fail "no uninstaller in $location"
find "$drive" -name 'Kelvane.lnk' -path '*Start Menu*' | grep -q . || fail "no Start-menu entry"
for value in DisplayName DisplayVersion DisplayIcon UninstallString; do
  wine reg query "$key" /v "$value" >/dev/null 2>&1 || fail "the installed-programs entry lacks $value"
done

# The same keys into the installed Windows program and into the Debian program, each started in an
# empty folder; the reports must agree byte for byte but for the time of saving.
echo "== Typing a job into the installed program and into the Debian one"
run_job() { # folder command…
  local folder=$1 pid
  shift
  mkdir -p "$folder"
  (cd "$folder" && exec "$@") >/dev/null 2>&1 &
  pid=$!
  bash "$top/scripts/windows/type-job.sh"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
work=$(mktemp -d)
run_job "$work/windows" wine "$location\\kelvane.exe"
wineserver -k || true
run_job "$work/debian" env QT_QPA_PLATFORM=xcb XDG_CACHE_HOME="$work/cache" "$debian_program"
windows_report=$(find "$work/windows" -name 'Kelvane *_eng.txt' | head -n1)
debian_report=$(find "$work/debian" -name 'Kelvane *_eng.txt' | head -n1)
[ -n "$windows_report" ] || fail "the Windows program saved no report"
[ -n "$debian_report" ] || fail "the Debian program saved no report"
[ "$(basename "$windows_report")" = "$(basename "$debian_report")" ] || fail "the reports are named differently"
# Line 4 is the time of saving.
cmp <(sed '4d' "$windows_report") <(sed '4d' "$debian_report") || fail "the reports differ"
grep -qa $'^Time: [0-9][0-9]:[0-9][0-9]:[0-9][0-9]\r$' "$windows_report" || fail "the Windows report's time line"
cmp <(sed '3,4d' "$windows_report") <(sed '3,4d' "$top/tests/core/report/data/report_4cyl_eng.txt") ||
  fail "the report differs from the expected one"
echo "   $(basename "$windows_report"): the same on both ($(stat -c %s "$windows_report") bytes)"

echo "== Uninstalling silently"
wine "$location\\uninstall.exe" /S
wineserver -w
sleep 2 # the uninstaller runs on from a copy of itself
wineserver -w
wine reg query "$key" >/dev/null 2>&1 && fail "the installed-programs entry is still there"
after=$(snapshot)
if [ "$before" != "$after" ]; then
  diff <(echo "$before") <(echo "$after") >&2 || true
  fail "the uninstaller left files behind"
fi
rm -rf "$work"
echo "installer-test: installed, ran, saved the Debian program's report and uninstalled cleanly"
