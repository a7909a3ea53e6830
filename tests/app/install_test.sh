#!/usr/bin/env bash
# Installs the built program into a scratch root as the package does, checks what lands where, then
# builds the .deb and checks its control fields and contents against the same install, and lets
# lintian judge it as Debian would.
# Arguments: build folder, cmake, cpack, scratch folder, expected version.
set -euo pipefail
build=$1 cmake=$2 cpack=$3 scratch=$4 version=$5

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
need() {
  command -v "$1" >/dev/null || {
    echo "FAIL: $1 is missing (package $2); run scripts/install-deps.sh" >&2
    exit 1
  }
}
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need dpkg-deb dpkg
need dpkg-shlibdeps dpkg-dev
need file file
need lintian lintian

# Width and height from a PNG's header chunk.
png_size() {
  local bytes
  bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ')
  read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
  echo "$((((w1 * 256 + w2) * 256 + w3) * 256 + w4))x$((((h1 * 256 + h2) * 256 + h3) * 256 + h4))"
}

# The files under a root, relative to it, one a line.
files_under() { (cd "$1" && find . -type f | sed 's|^\./||' | sort); }

rm -rf "$scratch"
mkdir -p "$scratch"

# ---- cmake --install into a scratch root -------------------------------------------------------
root=$scratch/root
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$scratch/install.log"

program=$root/usr/bin/kelvane
if [[ ! -f $program || ! -x $program ]]; then
  fail "usr/bin/kelvane is not an executable file"
elif [[ $(head -c4 "$program" | od -An -c | tr -d ' ') != '177ELF' ]]; then
  fail "usr/bin/kelvane is not an ELF program"
elif ldd "$program" | grep -q 'not found'; then
  fail "usr/bin/kelvane needs libraries this system lacks: $(ldd "$program" | grep 'not found' | tr -s ' \n' ' ')"
fi

# The menu entry and the AppStream component share one identifier.
app_id=invalid.kelvane.kelvane
desktop=$root/usr/share/applications/$app_id.desktop
if [[ ! -f $desktop ]]; then
  fail "usr/share/applications/$app_id.desktop is missing"
else
  desktop-file-validate "$desktop" || fail "$app_id.desktop does not validate"
  for line in 'Type=Application' 'Name=Kelvane' 'Exec=kelvane' 'Icon=kelvane' 'Terminal=false' \
    'Categories=Utility;' 'StartupWMClass=kelvane'; do
    grep -qxF "$line" "$desktop" || fail "$app_id.desktop lacks the line $line"
  done
  grep -qE '^Comment=.+' "$desktop" || fail "$app_id.desktop has no English comment"
  # Cyrillic letters start with byte D0 or D1 in UTF-8.
  LC_ALL=C grep -qE $'^Comment\\[ru\\]=.*[\xd0\xd1]' "$desktop" || fail "$app_id.desktop has no Russian comment"
fi

metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
if [[ ! -f $metainfo ]]; then
  fail "usr/share/metainfo/$app_id.metainfo.xml is missing"
else
  appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 ||
    fail "the AppStream metadata does not validate: $(cat "$scratch/appstream.log")"
  grep -qF "<id>$app_id</id>" "$metainfo" || fail "the AppStream component is not $app_id"
  grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream component does not launch $app_id.desktop"
  grep -qF '<binary>kelvane</binary>' "$metainfo" || fail "the AppStream component does not provide the program"
  grep -qF "<release version=\"$version\"" "$metainfo" || fail "the AppStream metadata has no release $version"
fi

# Gzipped as Debian wants it: at the highest level (extra flags 2), with neither the file's name
# (flag 8) nor a time stamp, so that the same text always gives the same bytes.
check_gzip() {
  local header
  header=$(od -An -tu1 -N9 "$1" | tr -s ' ')
  read -r id1 id2 method flags t1 t2 t3 t4 extra <<<"$header"
  if [[ "$id1 $id2 $method" != '31 139 8' ]] || ! gzip -t "$1" 2>/dev/null; then
    fail "$2 is not gzipped"
  elif (((flags & 8) || t1 || t2 || t3 || t4 || extra != 2)); then
    fail "$2 is not gzipped with -9n (header $header)"
  fi
}

manual=$root/usr/share/man/man1/kelvane.1.gz
if [[ ! -f $manual ]]; then
  fail "usr/share/man/man1/kelvane.1.gz is missing"
else
  check_gzip "$manual" "the manual page"
  zcat "$manual" | grep -qE '^\.TH KELVANE 1 ' || fail "the manual page is not kelvane(1)"
  zcat "$manual" | grep -qE '^kelvane \\- ' || fail "the manual page's NAME line does not name kelvane"
fi

docs=$root/usr/share/doc/kelvane
[[ -s $docs/copyright ]] || fail "usr/share/doc/kelvane/copyright is missing"
if [[ ! -f $docs/changelog.gz ]]; then
  fail "usr/share/doc/kelvane/changelog.gz is missing"
else
  check_gzip "$docs/changelog.gz" "the changelog"
  zcat "$docs/changelog.gz" >"$scratch/changelog"
  logged=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2>&1) || logged="unreadable: $logged"
  [[ $logged == "$version" ]] || fail "the changelog's latest entry is version $logged, not $version"
fi

svg=$root/usr/share/icons/hicolor/scalable/apps/kelvane.svg
if [[ ! -f $svg ]] || ! grep -q '<svg' "$svg"; then
  fail "usr/share/icons/hicolor/scalable/apps/kelvane.svg is missing or not an SVG image"
fi
for size in 48 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/kelvane.png
  if [[ ! -f $png ]]; then
    fail "the ${size}x${size} icon is missing"
  elif [[ $(png_size "$png") != "${size}x${size}" ]]; then
    fail "the ${size}x${size} icon is $(png_size "$png")"
  fi
done

# ---- the .deb --------------------------------------------------------------------------------
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
  {
    cat "$scratch/cpack.log" >&2
    fail "cpack could not build the package"
    exit 1
  }
deb=$scratch/package/kelvane_${version}_$(dpkg --print-architecture).deb
if [[ ! -f $deb ]]; then
  fail "cpack made no $(basename "$deb"): $(ls "$scratch/package")"
  exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == kelvane ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
[[ -n $(field Description) ]] || fail "no Description"
depends=$(field Depends)
depended=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
# The platform plugin, the font the windows are laid out for and Qt's own translations are loaded at run
# time, so only the package can bring them.
for runtime in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation qt6-translations-l10n; do
  grep -qxF "$runtime" <<<"$depended" || fail "Depends lacks $runtime: $depends"
done
recommends=$(field Recommends)
tr ',' '\n' <<<"$recommends" | awk '{print $1}' | grep -qxF xdg-utils ||
  fail "Recommends lacks xdg-utils (what opens the report): $recommends"
dpkg-deb -I "$deb" >/dev/null || fail "dpkg-deb cannot read the control part"

# The package holds exactly what the install placed, with the program executable.
listing=$(dpkg-deb -c "$deb")
grep -qE '^-rwxr-xr-x .* \./usr/bin/kelvane$' <<<"$listing" || fail "usr/bin/kelvane is not mode 755 in the package"
unpacked=$scratch/unpacked
dpkg-deb -x "$deb" "$unpacked"
if ! diff <(files_under "$root") <(files_under "$unpacked") >"$scratch/contents.diff"; then
  fail "the package does not hold what cmake --install placed: $(cat "$scratch/contents.diff")"
fi

# Debian's own judgement: neither errors nor warnings (it says it should not run as root; it
# does all the same).
if ! lintian --no-cfg --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1; then
  fail "lintian finds errors or warnings in the package: $(grep -v 'root privileges' "$scratch/lintian.log")"
fi

if ((failures)); then
  exit 1
fi
echo "installed and packaged: $(files_under "$root" | tr '\n' ' ')"
