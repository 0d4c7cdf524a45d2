#!/usr/bin/env bash
# Runs the Firebase Auth emulator by hand, offline, on the ports of firebase.json beside this script
# (auth at 127.0.0.1:9099), until Ctrl-C. Point the tool at it with
#   FIREBASE_AUTH_EMULATOR_HOST=127.0.0.1:9099
# The tests start their own emulators on free ports (tests/support/AuthEmulator.cpp).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
firebase="$here/node_modules/.bin/firebase"
[ -x "$firebase" ] || { echo "No emulator: run (cd $here && npm ci --ignore-scripts)" >&2; exit 1; }

# Settings, the hub's locator file and the log in a folder of this run's own.
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
mkdir -p "$state/config/configstore"
# The CLI fetches a message of the day once a day: this record says it just did.
echo "{\"motd\":{\"fetched\":$(date +%s%3N)}}" >"$state/config/configstore/firebase-tools.json"

cd "$state"
env -u GOOGLE_APPLICATION_CREDENTIALS -u FIREBASE_TOKEN \
    CI=true NO_UPDATE_NOTIFIER=1 METADATA_SERVER_DETECTION=none \
    XDG_CONFIG_HOME="$state/config" CLOUDSDK_CONFIG="$state/gcloud" TMPDIR="$state" \
    "$firebase" emulators:start --only auth --project demo-quelta --config "$here/firebase.json"
