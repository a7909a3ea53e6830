#!/usr/bin/env bash
# Builds Windows (MinGW-w64) Qt and GoogleTest from Debian's sources once into a cache; prints its path.
#
#   qt=$(bash scripts/windows/build-qt.sh | tail -n1)
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#     -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
#
# The first run takes most of an hour on two cores; later runs find the stamp and return at once.
# KELVANE_WIN_QT_CACHE moves the cache (default /var/cache/kelvane), KELVANE_WIN_QT_SCRATCH the
# build folder (default /var/tmp). Only the prefix goes to stdout; everything else goes to stderr.
set -euo pipefail

exec 3>&1 1>&2

here=$(cd "$(dirname "$0")" && pwd)
toolchain=$(cd "$here/../../cmake" && pwd)/mingw-w64-x86_64.cmake
cache_root=${KELVANE_WIN_QT_CACHE:-/var/cache/kelvane}
scratch_root=${KELVANE_WIN_QT_SCRATCH:-/var/tmp}

say() { printf '%s\n' "build-qt: $*"; }
die() { printf '%s\n' "build-qt: $*"; exit 1; }

# ---- what this machine lacks ---------------------------------------------------------------------

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  cmake ninja-build
  # apt-get source unpacks and patches with dpkg-source.
  dpkg-dev xz-utils
  # The host side of the cross build: moc, rcc, uic and syncqt.pl (-dev-tools), the CMake packages
  # that point at them (-dev), and the host qmake the Windows qmake wrapper calls.
  qt6-base-dev qt6-base-dev-tools qmake6 perl
  # The sources GoogleTest and GoogleMock are built from.
  googletest
  util-linux
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  say "installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    die "run as root (or with sudo) to install the missing packages"
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# ---- the cache key -------------------------------------------------------------------------------

# The Windows Qt must be the very version of the host moc, rcc and uic: moc output and the CMake
# packages are only promised to work within one release.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
# A binary-only rebuild would give the binaries a +bN version that has no source of its own.
qt_source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
[ "$(dpkg-query -W -f='${Version}' qt6-base-dev)" = "$qt_version" ] ||
  die "qt6-base-dev and qt6-base-dev-tools differ in version; upgrade both"
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)

qt_options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  # Debian's moc, rcc and uic; /usr/lib/cmake exists too, so Qt's guess of the CMake folder would be
  # the wrong one.
  -DQT_HOST_PATH=/usr
  "-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$multiarch/cmake"
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DQT_BUILD_MANUAL_TESTS=OFF
  # Modules the program does not use. Qt Test stays: the window tests are written with it.
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  # No OpenGL at all. Turning off "opengl" alone leaves opengl_dynamic (and with it dynamicgl and
  # QT_OPENGL_DYNAMIC) on for Windows, and qwindowswindow.cpp then calls into the GL code that was
  # left out. INPUT_opengl=no is what configure's -no-opengl sets.
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
  # Debian's source drops src/3rdparty/wintab (its licence forbids changes), and the Windows
  # plugin's tablet support includes its header.
  -DFEATURE_tabletevent=OFF
  # Debian has no MinGW ICU. Without it QStringConverter knows the UTF encodings, Latin-1 and the
  # system code page, and nothing else by name: "windows-1251" is not valid in this Qt.
  -DFEATURE_icu=OFF
  # The Direct2D platform plugin, which the program has no use for. Not "direct2d" itself: in 6.4
  # that one also takes the DirectWrite font engine and font database out of Qt Gui, which Qt Print
  # Support and the windows platform plugin still call, and they then fail to link.
  -DFEATURE_direct2d1_1=OFF
  # Debian's cross.patch turns this host tool on for cross builds; nothing here wants it.
  -DFEATURE_androiddeployqt=OFF
  # PNG is the only image format the program reads; ICO is tiny and stays.
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  # Debian has no MinGW zstd; rcc compresses on the host anyway.
  -DFEATURE_zstd=OFF
  # The host's pkg-config would answer with Linux libraries.
  -DFEATURE_pkg_config=OFF
  # Qt's bundled copies, so that no third-party DLL has to ship beside the program, and so that a
  # MinGW zlib installed later (libz-mingw-w64-dev) does not change what gets built.
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_system_libb2=OFF -DFEATURE_system_textmarkdownreader=OFF
)

# Whatever changes the built files changes the folder: the options, the toolchain file (less its
# comments) and the cross compiler.
key_input=$(
  printf '%s\n' "${qt_options[@]}"
  grep -v '^[[:space:]]*#' "$toolchain"
  dpkg-query -W -f='${Version}\n' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
)
key=$(printf '%s' "$key_input" | sha256sum | cut -c1-10)
prefix=$cache_root/qt-$qt_version-mingw-$key
qt_stamp=$prefix/.kelvane-qt-complete
gtest_stamp=$prefix/.kelvane-gtest-$gtest_version-complete

if [ -f "$qt_stamp" ] && [ -f "$gtest_stamp" ]; then
  echo "$prefix" >&3
  exit 0
fi

# ---- one build at a time -------------------------------------------------------------------------

mkdir -p "$cache_root"
exec 9>"$cache_root/.lock-qt-$qt_version-mingw-$key"
if ! flock -n 9; then
  say "another build of $prefix is running; waiting for it"
  flock 9
  if [ -f "$qt_stamp" ] && [ -f "$gtest_stamp" ]; then
    echo "$prefix" >&3
    exit 0
  fi
fi

# Progress while a build writes to the log, so that a long first build does not pass for a hang: a
# line at each 5% of ninja's steps, and one a minute while a long compile or link holds the count.
# Only what this build appended counts: the log holds the earlier steps too.
watch_ninja() {
  local log=$1 what=$2 start=$SECONDS last_pct=-5 last_time=$SECONDS status finished total pct offset
  offset=$(stat -c %s "$log")
  while sleep 10; do
    status=$(tail -c +"$((offset + 1))" "$log" | grep -o '^\[[0-9]*/[0-9]*\]' | tail -n1) || true
    [ -n "$status" ] || continue
    finished=${status#[}; finished=${finished%%/*}
    total=${status#*/}; total=${total%]}
    pct=$((finished * 100 / total))
    if ((pct >= last_pct + 5 || SECONDS - last_time >= 60)); then
      say "$what: $pct% ($finished/$total steps, $(((SECONDS - start) / 60)) min)"
      last_pct=$((pct / 5 * 5))
      last_time=$SECONDS
    fi
  done
}

# Runs a command niced with its output in the log, and on failure shows the log's end. With
# --progress first, reports ninja's progress as it goes.
run_logged() {
  local watcher=
  if [ "$1" = --progress ]; then
    shift
    watch_ninja "$1" "$2" &
    watcher=$!
  fi
  local log=$1 what=$2
  shift 2
  local rc=0 offset
  offset=$(stat -c %s "$log" 2>/dev/null || echo 0)
  NINJA_STATUS='[%f/%t] ' nice -n 19 "$@" >>"$log" 2>&1 || rc=$?
  if [ -n "$watcher" ]; then
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
  fi
  if ((rc != 0)); then
    # Ninja goes on with the jobs already started, and their warnings bury the error: show from the
    # first failed step, with the long command lines cut.
    local output
    output=$(tail -c +"$((offset + 1))" "$log")
    if grep -q '^FAILED: ' <<<"$output"; then
      say "$what failed (exit $rc); from $log:"
      sed -n '/^FAILED: /,$p' <<<"$output" | grep -v '^: && ' | head -n 40 | cut -c1-400
    else
      say "$what failed (exit $rc); the end of $log:"
      tail -n 60 <<<"$output" | cut -c1-400
    fi
    die "the scratch folder stays, for a look and for the next run to go on from: $(dirname "$log")"
  fi
}

free_gib() { df -P -k "$1" | awk 'NR == 2 { print int($4 / 1048576) }'; }

# Named by the key, not made afresh: a build that failed or was stopped (a session's time ran out)
# goes on where it left off next time instead of starting the hour again.
scratch=$scratch_root/kelvane-win-qt-$qt_version-$key
log=$scratch/build.log
if [ -f "$log" ]; then
  say "going on with the unfinished build in $scratch"
else
  mkdir -p "$scratch_root"
  # A Qt build fills several GiB, more than a RAM-backed /tmp usually holds.
  if (($(free_gib "$scratch_root") < 8)); then
    die "$scratch_root has less than 8 GiB free; point KELVANE_WIN_QT_SCRATCH at a roomier folder"
  fi
  mkdir -p "$scratch"
fi
# apt-get source downloads as the _apt user, which must be able to read and write here.
chmod 755 "$scratch"
say "the full log is $log"

# ---- Qt ------------------------------------------------------------------------------------------

# apt-get source needs a deb-src line; mirror the deb.debian.org ones this machine already uses.
ensure_deb_src() {
  if apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $qt_source_version"; then
    return
  fi
  local src=/etc/apt/sources.list.d/kelvane-src.sources
  say "adding source package entries in $src"
  awk 'BEGIN { RS = ""; ORS = "\n\n" }
       /(^|\n)Types:[^\n]*[[:space:]]deb([[:space:]]|$)/ && /(^|\n)URIs:[^\n]*deb\.debian\.org/ {
         n = split($0, lines, "\n"); out = ""
         for (i = 1; i <= n; i++) {
           if (lines[i] ~ /^#/) continue
           if (lines[i] ~ /^Types:/) lines[i] = "Types: deb-src"
           out = out lines[i] "\n"
         }
         printf "%s\n", out
       }' /etc/apt/sources.list.d/*.sources >"$src.new" 2>/dev/null || true
  [ -s "$src.new" ] || { rm -f "$src.new"; die "no deb.debian.org entry in /etc/apt/sources.list.d/*.sources to mirror"; }
  mv "$src.new" "$src"
  apt-get update -qq
  apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $qt_source_version" ||
    die "the source of qt6-base $qt_source_version is not in the package lists"
}

build_qt() {
  rm -rf "$prefix"
  local src=$scratch/source
  if [ ! -f "$scratch/.source-complete" ]; then
    ensure_deb_src
    say "fetching Debian's qt6-base $qt_source_version source"
    rm -rf "$src" "$scratch/download"
    mkdir -m 755 "$scratch/download"
    (cd "$scratch/download" && apt-get source -qq "qt6-base=$qt_source_version") >>"$log" 2>&1 ||
      { tail -n 30 "$log"; die "apt-get source failed"; }
    mv "$scratch"/download/qt6-base-*/ "$src"
    rm -rf "$scratch/download"
    [ -f "$src/CMakeLists.txt" ] || die "no unpacked source in $src"
    touch "$scratch/.source-complete"
  fi

  say "configuring Qt for Windows (about a minute)"
  run_logged "$log" "Qt configure" cmake -S "$src" -B "$scratch/qt" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_options[@]}"

  say "building Qt (nice 19, $(nproc) jobs; about 45 minutes on two cores)"
  local start=$SECONDS
  run_logged --progress "$log" "Qt build" cmake --build "$scratch/qt" --parallel "$(nproc)"
  say "Qt built in $(((SECONDS - start) / 60)) min"

  run_logged "$log" "Qt install" cmake --install "$scratch/qt"
  # What this Qt holds, for whoever wonders later.
  cp "$scratch/qt/config.summary" "$prefix/config.summary"
  printf '%s\n' "qt6-base $qt_version" "${qt_options[@]}" >"$qt_stamp"
}

# ---- GoogleTest ----------------------------------------------------------------------------------

build_gtest() {
  rm -f "$prefix"/.kelvane-gtest-*-complete
  say "building GoogleTest $gtest_version for Windows"
  # Static libraries: a gtest DLL would need GTEST_LINKED_AS_SHARED_LIBRARY in every test, and
  # the test programs are the only users. GoogleTest does its own Windows threading under MinGW.
  run_logged "$log" "GoogleTest configure" cmake -S /usr/src/googletest -B "$scratch/gtest" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
  run_logged --progress "$log" "GoogleTest build" cmake --build "$scratch/gtest" --parallel "$(nproc)"
  run_logged "$log" "GoogleTest install" cmake --install "$scratch/gtest"
  echo "googletest $gtest_version" >"$gtest_stamp"
}

[ -f "$qt_stamp" ] || build_qt
[ -f "$gtest_stamp" ] || build_gtest

rm -rf "$scratch"
say "done: $(du -sh "$prefix" | cut -f1) in $prefix"
echo "$prefix" >&3
