# Sourced by the Windows scripts: what they install, the cached Qt, and Wine set up for the build.
# Sets: top (the repository), build (build-windows/ or KELVANE_WIN_BUILD_DIR), qt (the Windows Qt).

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${KELVANE_WIN_BUILD_DIR:-$top/build-windows}
source "$top/scripts/lib/install-missing.sh"

install_missing \
  cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  qt6-base-dev-tools qt6-translations-l10n librsvg2-bin icoutils \
  wine wine64 xvfb xauth xdotool nsis zip unzip locales

# The Windows Qt, built once from Debian's source into a cache (slow the first time: it says how far it is).
qt=$(bash "$top/scripts/windows/build-qt.sh" | tail -n1)

# The compiler's own DLLs, which the program and the Windows Qt both link.
mingw_runtime=(
  /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
  /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
  /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll
)

# Wine in a prefix of the build's own, quiet, without the Mono and Gecko installers it would offer.
export WINEPREFIX=$build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# A Unix path as Wine names it (on drive Z:).
wine_path() { printf 'Z:%s' "${1//\//\\}"; }

# Configures and builds the Windows program into $build with the arguments given; a first configure
# leaves the tests out unless asked for them.
build_windows() {
  local first=()
  [ -f "$build/CMakeCache.txt" ] || first=(-DKELVANE_BUILD_TESTS=OFF)
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${first[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DKELVANE_BUILD_BENCH=OFF "$@" >/dev/null
  cmake --build "$build"
}
