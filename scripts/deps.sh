# Sourced by run.sh and test.sh: installs the Debian packages the build and the tests need, and only
# those that are missing, so a second run costs a few dpkg queries.
QUELTA_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    qt6-httpserver-dev qt6-websockets-dev qt6-webengine-dev
    libgl-dev libxkbcommon-dev libglx-dev qt6-qpa-plugins
    libssl-dev zlib1g-dev libmosquitto-dev mosquitto libxlsxwriter-dev unzip
    xvfb xauth
    clang libclang-rt-14-dev llvm
    nodejs npm python3
)

quelta_missing_packages() {
    local package
    for package in "${QUELTA_PACKAGES[@]}"; do
        # A Node.js from elsewhere (NodeSource's nodejs carries npm and conflicts with Debian's npm)
        # does as well as Debian's: what the tests need are the commands.
        case $package in
            nodejs) command -v node >/dev/null && continue ;;
            npm) command -v npm >/dev/null && continue ;;
        esac
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || echo "$package"
    done
}

quelta_install_dependencies() {
    local missing
    missing=$(quelta_missing_packages)
    [ -z "$missing" ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Missing packages and no sudo: $missing" >&2; return 1; }
        sudo="sudo"
    fi
    echo "Installing: $(echo $missing | tr '\n' ' ')"
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing \
        || { $sudo apt-get update && $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing; }
}

# Installs a folder's npm modules as its lock file pins them, again only when the lock file is newer
# than the last install. Install scripts are skipped: none is needed, and one of Firebase's would
# compile a regular-expression engine for the hosting emulator for minutes.
quelta_npm_ci() {
    local dir=$1 what=$2
    [ "$dir/node_modules/.package-lock.json" -nt "$dir/package-lock.json" ] && return 0
    echo "Installing $what: npm ci in $dir"
    (cd "$dir" && npm ci --ignore-scripts --no-audit --no-fund --no-update-notifier) \
        || { echo "npm ci failed in $dir: $what is missing" >&2; return 1; }
}

# The official Firebase Auth emulator that the identity tests run against.
quelta_install_node_modules() {
    quelta_npm_ci "$QUELTA_ROOT/tools/firebase" "the Firebase emulator the tests need"
}

# Leaflet for the map page; the build embeds it into the program, so it is needed before the first
# build.
quelta_install_map_modules() {
    quelta_npm_ci "$QUELTA_ROOT/src/ui/map/web" "the map page's Leaflet"
}

# Configures (once) and builds a tree; extra arguments go to cmake's configure step.
quelta_build() {
    local dir=$1; shift
    [ -f "$dir/CMakeCache.txt" ] || cmake -S "$QUELTA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$(nproc)"
}
