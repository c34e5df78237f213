#!/usr/bin/env bash
# Builds Tessamo and starts it on its data folder (TESSAMO_HOME, else the
# default ~/.local/share/tessamo). Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build/tessamo "$@"
fi
exec build/tessamo "$@"
