#!/usr/bin/env bash
# Makes the Windows installer and the portable zip from this Debian machine, installing what is
# missing: build-windows/kelvane-<version>-setup.exe and build-windows/kelvane-<version>-win64.zip.
set -euo pipefail
source "$(dirname "$0")/env.sh"

echo "== Building the Windows program"
build_windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

# The program's folder as installed: the program, its icon, the Qt DLLs and the plug-ins it loads, Qt's
# Russian translation, and the compiler's runtime; everything stripped.
stage=$build/stage/Kelvane
rm -rf "$build/stage"
cmake --install "$build" --prefix "$stage" >/dev/null
for module in Core Gui Widgets PrintSupport; do
  cp "$qt/bin/Qt6$module.dll" "$stage/"
done
# The native platform, the native look, and nothing else: PNG is read by Qt itself.
mkdir -p "$stage/plugins/platforms" "$stage/plugins/styles" "$stage/translations"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/plugins/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/plugins/styles/"
cp "${mingw_runtime[@]}" "$stage/"
cp /usr/share/qt6/translations/qtbase_ru.qm "$stage/translations/"
# Qt looks for its plug-ins and translations beside the program, wherever the folder was put.
printf '[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n' >"$stage/qt.conf"
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The installer's file list, written from the folder, so the uninstaller removes just these.
files=$build/stage/files.nsh
{
  echo '!ifndef UNINSTALLING'
  (cd "$stage" && find . -type d | sort) | while read -r dir; do
    dir=${dir#./}; dir=${dir#.}
    win=${dir//\//\\}
    echo "  SetOutPath \"\$INSTDIR${win:+\\$win}\""
    (cd "$stage" && find "./$dir" -maxdepth 1 -type f | sort) | while read -r file; do
      echo "  File \"$stage/${file#./}\""
    done
  done
  echo '!else'
  (cd "$stage" && find . -type f | sort) | while read -r file; do
    file=${file#./}
    echo "  Delete \"\$INSTDIR\\${file//\//\\}\""
  done
  (cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
    dir=${dir#./}
    echo "  RMDir \"\$INSTDIR\\${dir//\//\\}\""
  done
  echo '!endif'
} >"$files"

setup=$build/kelvane-$version-setup.exe
zip=$build/kelvane-$version-win64.zip
size_kb=$(du -sk "$stage" | cut -f1)
echo "== Making $(basename "$setup")"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$files" -DOUTFILE="$setup" -DSIZE_KB="$size_kb" \
  "$top/packaging/windows/kelvane.nsi"
echo "== Making $(basename "$zip")"
rm -f "$zip"
(cd "$build/stage" && zip -q -r -9 "$zip" Kelvane)
ls -l "$setup" "$zip"
