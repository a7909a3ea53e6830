#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, finding Qt's and the compiler's DLLs: the emulator
# CTest runs the Windows tests with. WINEPREFIX, DISPLAY and the Qt folder (KELVANE_WIN_QT) come from
# the caller (scripts/windows/test.sh).
set -euo pipefail
runtime="Z:\\usr\\lib\\gcc\\x86_64-w64-mingw32\\12-posix;Z:\\usr\\x86_64-w64-mingw32\\lib"
export WINEPATH="Z:${KELVANE_WIN_QT//\//\\}\\bin;$runtime"
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
