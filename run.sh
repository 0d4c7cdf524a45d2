#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the Quelta programming tool.
#   ./run.sh               the tool, connected to a simulated device (quelta-devsim)
#   ./run.sh --port NAME   the tool on a real device's serial port (COM3, /dev/ttyUSB0...)
set -euo pipefail
QUELTA_ROOT=$(cd "$(dirname "$0")" && pwd)
BUILD="$QUELTA_ROOT/build"
source "$QUELTA_ROOT/scripts/deps.sh"

port=""
if [ "${1:-}" = "--port" ]; then
    [ -n "${2:-}" ] || { echo "usage: ./run.sh [--port NAME]" >&2; exit 1; }
    port=$2
fi

quelta_install_dependencies
quelta_build "$BUILD"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
The Quelta window needs a display, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).
Run it from a desktop session, or on a virtual display:
    xvfb-run -a -s "-screen 0 1600x1000x24" ./run.sh
MSG
    exit 1
fi

if [ -z "$port" ]; then
    # No real device given: a simulated one on a pseudo-terminal, for as long as the window is open.
    port="$BUILD/devsim-port"
    "$BUILD/tools/devsim/quelta-devsim" --link "$port" >/dev/null &
    devsim=$!
    trap 'kill "$devsim" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -e "$port" ] && break; sleep 0.1; done
    echo "Simulated device on $port"
fi
"$BUILD/src/app/quelta" --port "$port"
