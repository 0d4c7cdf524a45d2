# Sourced by run.sh: quelta-cloudsim, the local stand-in for the cloud database and identity
# service, on a free loopback port, seeded with the demo company.

# quelta_start_cloudsim BINARY DIR SEED: starts it in the background, keeping its state in
# DIR/store.json across runs; a seed newer than that state starts it afresh. Sets QUELTA_CLOUD_PID
# and QUELTA_CLOUD_URL ("http://127.0.0.1:PORT/").
quelta_start_cloudsim() {
    local binary=$1 dir=$2 seed=$3
    mkdir -p "$dir"
    [ "$seed" -nt "$dir/store.json" ] && rm -f "$dir/store.json"
    "$binary" --seed "$seed" --store "$dir/store.json" >"$dir/cloudsim.out" 2>"$dir/cloudsim.log" &
    QUELTA_CLOUD_PID=$!
    for _ in $(seq 50); do
        [ -s "$dir/cloudsim.out" ] && break
        sleep 0.1
    done
    QUELTA_CLOUD_URL=$(head -n 1 "$dir/cloudsim.out")
    [ -n "$QUELTA_CLOUD_URL" ] || { echo "quelta-cloudsim did not start (see $dir/cloudsim.log)" >&2; return 1; }
}
