#!/usr/bin/env bash
# Builds Kelvane and starts it in the caller's folder, where its reports are then written.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
(cd "$repo" && bash scripts/build.sh)
program=$repo/build/app/kelvane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Kelvane is a desktop program and needs a display, but neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
  echo "On a machine without a screen, run it under a virtual X server:" >&2
  echo "    xvfb-run -a -s '-screen 0 1280x1024x24' $(printf '%q' "$program")" >&2
  exit 1
fi
exec "$program"
