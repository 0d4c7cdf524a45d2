# Sourced by run.sh: a local MQTT broker for the demo's remote device, on a free loopback port,
# anonymous and reachable from this machine only, with its own configuration file.

# A TCP port nobody listens on, from the dynamic range.
quelta_free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 40000))
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
    done
}

# quelta_start_broker DIR PORT: starts mosquitto in the background (its pid in QUELTA_BROKER_PID)
# and waits until it accepts connections.
quelta_start_broker() {
    local dir=$1 port=$2 broker
    broker=$(command -v mosquitto || echo /usr/sbin/mosquitto)
    mkdir -p "$dir"
    cat >"$dir/mosquitto.conf" <<CONF
listener $port 127.0.0.1
allow_anonymous true
persistence false
user $(id -un)
log_dest file $dir/mosquitto.log
CONF
    "$broker" -c "$dir/mosquitto.conf" &
    QUELTA_BROKER_PID=$!
    for _ in $(seq 50); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && return 0
        sleep 0.1
    done
    echo "the MQTT broker did not start (see $dir/mosquitto.log)" >&2
    return 1
}
