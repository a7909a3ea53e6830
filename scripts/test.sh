#!/usr/bin/env bash
# Builds Kelvane with its tests and runs every test through CTest: first the toolkit-free core again
# under AddressSanitizer and UndefinedBehaviorSanitizer (build-sanitize/), then the whole program (build/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DKELVANE_BUILD_TESTS=ON

# -O1 keeps both the instrumented build and the random-input tests quick.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" \
  -DKELVANE_SANITIZE=ON -DKELVANE_CORE_ONLY=ON -DKELVANE_BUILD_TESTS=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)"

# A failure of the sanitized run does not stop the main run, so the output always ends with the
# main tree's summary; the script fails if either run failed.
sanitized=0
(cd build-sanitize && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$(nproc)") || sanitized=$?
if ((sanitized != 0)); then
  echo "The core tests under AddressSanitizer and UndefinedBehaviorSanitizer failed (build-sanitize/)." >&2
fi

cd build
main=0
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" || main=$?
exit $((sanitized != 0 || main != 0))
