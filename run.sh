#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the Quelta programming tool.
#   ./run.sh                 the tool, connected to a simulated device (quelta-devsim) beside a
#                            BC600 fire panel
#   ./run.sh --device NAME   the same with another simulated device of tools/devsim/configs
#                            (aesa, aec5, cofem, urano, syncro, id3000, standard...)
#   ./run.sh --port NAME     the tool on a real device's serial port (COM3, /dev/ttyUSB0...)
# A local MQTT broker serves a second simulated device of the same kind, so that the window can
# switch to "Comunicación > Remota" and back, and a local stand-in for the cloud (quelta-cloudsim)
# lists it in the demo company's directory ("Buscar"); a local firmware-update server
# (quelta-updsim) offers two versions ("Actual."). Without a display it runs quelta-cli
# instead: the device's identity, a status frame and its configuration, then the same device
# reached remotely, the demo company's directory, an event history, a device's last state and the
# firmware versions on offer.
set -euo pipefail
QUELTA_ROOT=$(cd "$(dirname "$0")" && pwd)
BUILD="$QUELTA_ROOT/build"
source "$QUELTA_ROOT/scripts/deps.sh"
source "$QUELTA_ROOT/scripts/broker.sh"
source "$QUELTA_ROOT/scripts/cloud.sh"

port=""
device=bc600
case "${1:-}" in
    --port | --device)
        [ -n "${2:-}" ] || { echo "usage: ./run.sh [--port NAME | --device NAME]" >&2; exit 1; }
        [ "$1" = --port ] && port=$2 || device=$2 ;;
    "") ;;
    *) echo "usage: ./run.sh [--port NAME | --device NAME]" >&2; exit 1 ;;
esac
config="$QUELTA_ROOT/tools/devsim/configs/$device.json"
[ -n "$port" ] || [ -f "$config" ] || { echo "no simulated device $device in tools/devsim/configs" >&2; exit 1; }

quelta_install_dependencies
quelta_install_map_modules
quelta_build "$BUILD"

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
devsim="$BUILD/tools/devsim/quelta-devsim"
if [ -z "$port" ]; then
    # No real device given: a simulated one on a pseudo-terminal, for as long as this script runs.
    port="$BUILD/devsim-port"
    "$devsim" --config "$config" --link "$port" >/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [ -e "$port" ] && break; sleep 0.1; done
    echo "Simulated device ($device) on $port"
fi

# The remote side: a broker of our own and a simulated device reached through it.
broker_port=$(quelta_free_port)
quelta_start_broker "$BUILD/broker" "$broker_port"
pids+=("$QUELTA_BROKER_PID")
"$devsim" --config "$config" --mqtt "127.0.0.1:$broker_port" >"$BUILD/broker/devsim.out" &
pids+=($!)
for _ in $(seq 50); do [ -s "$BUILD/broker/devsim.out" ] && break; sleep 0.1; done
remote_id=$(head -n 1 "$BUILD/broker/devsim.out")
echo "Remote simulated device $remote_id through the MQTT broker at 127.0.0.1:$broker_port"

# The cloud: the demo company, whose first device is the remote simulated one.
demo_seed="$BUILD/cloud-$device/seed.json"
mkdir -p "$(dirname "$demo_seed")"
# Rewritten only when it changes, so that the demo's own changes (a registered user...) are kept.
sed "s/3A0F2C1B84D96A11/$remote_id/" "$QUELTA_ROOT/tools/cloudsim/seeds/demo.json" >"$demo_seed.new"
cmp -s "$demo_seed.new" "$demo_seed" && rm "$demo_seed.new" || mv "$demo_seed.new" "$demo_seed"
quelta_start_cloudsim "$BUILD/tools/cloudsim/quelta-cloudsim" "$BUILD/cloud-$device" "$demo_seed"
pids+=("$QUELTA_CLOUD_PID")
export QUELTA_INTERNET_PROBE="$QUELTA_CLOUD_URL"
cloud=(--cloud-db "$QUELTA_CLOUD_URL" --cloud-auth "$QUELTA_CLOUD_URL")
echo "Cloud stand-in at $QUELTA_CLOUD_URL: sign in as instalador@quelta.test with the password quelta-demo"

# The firmware-update server, with two versions for every device.
mkdir -p "$BUILD/updsim"
"$BUILD/tools/updsim/quelta-updsim" --port 0 \
    --image "Quelta_v8.7.15=98304:Mejoras de cobertura GSM" \
    --image "Quelta_v8.7.16=131072:Avisos MQTT y nuevas centrales" >"$BUILD/updsim/updsim.out" 2>"$BUILD/updsim/updsim.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$BUILD/updsim/updsim.out" ] && break; sleep 0.1; done
update_server=$(head -n 1 "$BUILD/updsim/updsim.out" | sed 's/^quelta-updsim listening on //')
[ -n "$update_server" ] || { echo "quelta-updsim did not start (see $BUILD/updsim/updsim.log)" >&2; exit 1; }
echo "Firmware-update server at $update_server"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
No display (DISPLAY and WAYLAND_DISPLAY are unset): the headless programmer quelta-cli shows the
device and its configuration instead. For the window, run from a desktop session or on a virtual
display:  xvfb-run -a -s "-screen 0 1600x1000x24" ./run.sh
MSG
    cli="$BUILD/src/cli/quelta-cli"
    echo "\$ quelta-cli --port $port identify"
    "$cli" --port "$port" identify
    echo "\$ quelta-cli --port $port status --json"
    "$cli" --port "$port" status --json
    echo "\$ quelta-cli --port $port read"
    "$cli" --port "$port" read
    echo "\$ quelta-cli --mqtt 127.0.0.1:$broker_port --id $remote_id identify"
    "$cli" --mqtt "127.0.0.1:$broker_port" --id "$remote_id" identify
    account=(--email instalador@quelta.test --password quelta-demo)
    echo "\$ quelta-cli ${cloud[*]} ${account[*]} devices --company \"Protecciones Ibéricas SL\" --installer \"Jordi Puig\" --key jordi-demo"
    "$cli" "${cloud[@]}" "${account[@]}" devices --company "Protecciones Ibéricas SL" --installer "Jordi Puig" --key jordi-demo
    echo "\$ quelta-cli ${cloud[*]} ${account[*]} history $remote_id -n 5"
    "$cli" "${cloud[@]}" "${account[@]}" history "$remote_id" -n 5
    echo "\$ quelta-cli ${cloud[*]} ${account[*]} snapshot 3A0F2C1B84D95E07"
    "$cli" "${cloud[@]}" "${account[@]}" snapshot 3A0F2C1B84D95E07
    echo "\$ quelta-cli --port $port --update-server $update_server update list"
    "$cli" --port "$port" --update-server "$update_server" update list
    exit 0
fi
"$BUILD/src/app/quelta" --port "$port" --broker "127.0.0.1:$broker_port" "${cloud[@]}" --update-server "$update_server"
