#!/usr/bin/env bash
# Builds Kelvane with its tests and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DKELVANE_BUILD_TESTS=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
