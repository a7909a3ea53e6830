#!/usr/bin/env bash
# Installs, with apt-get, whatever Kelvane needs to build and test that this machine lacks.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  # Qt's own dialogs in Russian.
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth locales
  librsvg2-bin
  # Opening a written report from the running program.
  xdg-utils
  # Packaging and its checks: cpack -G DEB sorts files with `file` and finds library dependencies with
  # dpkg-shlibdeps (objdump from binutils); the test then checks the package with lintian (man-db
  # for the manual page), the menu entry and the AppStream metadata.
  file binutils dpkg-dev xz-utils lintian man-db desktop-file-utils appstream
  # Reading back the printed page's PDF in the tests.
  poppler-utils
)

source "$(dirname "$0")/lib/install-missing.sh"
install_missing "${packages[@]}"

# The tests check that numbers keep their "." under a locale whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ] && command -v localedef >/dev/null; then
    localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || echo "Could not generate ru_RU.UTF-8; the tests that need it are skipped." >&2
  fi
fi
