#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the Quelta programming tool.
set -euo pipefail
QUELTA_ROOT=$(cd "$(dirname "$0")" && pwd)
source "$QUELTA_ROOT/scripts/deps.sh"

quelta_install_dependencies
quelta_build "$QUELTA_ROOT/build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
The Quelta window needs a display, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).
Run it from a desktop session, or on a virtual display:
    xvfb-run -a -s "-screen 0 1600x1000x24" ./run.sh
MSG
    exit 1
fi
exec "$QUELTA_ROOT/build/src/app/quelta" "$@"
