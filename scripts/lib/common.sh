# Shared pieces of scripts/test and scripts/demo. Sourced, not run.
# shellcheck shell=bash

QUORREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$QUORREL_ROOT/build/win32}
case $BUILD_DIR in /*) ;; *) BUILD_DIR=$QUORREL_ROOT/$BUILD_DIR ;; esac
WINE_DIR=$BUILD_DIR/wine

export WINEDEBUG=-all
# No Mono or Gecko download prompts while a prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

log() { printf '%s\n' "$*" >&2; }

quorrel_packages=(
    cmake make g++ g++-mingw-w64-i686-posix googletest
    wine wine32:i386 wine64 xvfb fonts-liberation
)

# Runs a command as root, through sudo for other users.
as_root() {
    if ((EUID == 0)); then "$@"; else sudo "$@"; fi
}

# Installs those of the named Debian packages that are missing; silent when all are present.
install_missing_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    ((${#missing[@]})) || return 0
    log "Installing: ${missing[*]} ..."
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# Everything the build and the tests need. 32-bit Wine needs the i386 architecture; once it
# is added, wine32:i386 is missing, so the package lists are refreshed before installing.
ensure_packages() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        log "Adding the i386 architecture for 32-bit Wine ..."
        as_root dpkg --add-architecture i386
    fi
    install_missing_packages "${quorrel_packages[@]}"
}

# Builds the named targets (everything when none are named).
build_product() {
    if [[ ! -f $BUILD_DIR/CMakeCache.txt ]]; then
        cmake -S "$QUORREL_ROOT" -B "$BUILD_DIR" --toolchain "$QUORREL_ROOT/cmake/mingw-i686.cmake" \
            -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    local targets=()
    (($#)) && targets=(--target "$@")
    cmake --build "$BUILD_DIR" -j "$(nproc)" "${targets[@]}" -- --no-print-directory
}

# Starts a private Xvfb and exports DISPLAY; stopped by stop_services.
start_display() {
    local fifo=$BUILD_DIR/.display
    rm -f "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for ((i = 0; i < 100; i++)); do
        [[ -s $fifo ]] && break
        sleep 0.1
    done
    [[ -s $fifo ]] || { log "Xvfb did not start"; return 1; }
    export DISPLAY=:$(head -n1 "$fifo")
}

# A template prefix is made once per build tree; each run works on a fresh copy of it.
ensure_template_prefix() {
    local template=$WINE_DIR/template
    [[ -f $template/.ready ]] && return 0
    rm -rf "$template"
    mkdir -p "$template"
    log "Preparing a Wine prefix (once per build tree) ..."
    WINEPREFIX=$template wineboot -i >/dev/null 2>&1 </dev/null
    WINEPREFIX=$template wine regedit /S "$(winepath_of "$QUORREL_ROOT/scripts/lib/prefix-settings.reg")" \
        >/dev/null 2>&1 </dev/null
    WINEPREFIX=$template wineserver -w
    touch "$template/.ready"
}

# A prefix is over a gigabyte: files are hard-linked, and the registry files, which Wine
# rewrites, are real copies.
copy_template_prefix() {
    local prefix=$1 template=$WINE_DIR/template reg
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -al "$template" "$prefix"
    for reg in "$template"/*.reg; do
        cp --remove-destination "$reg" "$prefix/${reg##*/}"
    done
}

winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

# Copies the template to $1 and starts a persistent wineserver for it.
fresh_prefix() {
    local prefix=$1
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    copy_template_prefix "$prefix"
    WINEPREFIX=$prefix wineserver -p >/dev/null 2>&1 </dev/null
    STARTED_PREFIXES+=("$prefix")
    # Start Wine's own background processes now, with detached streams: started later by a
    # test program they would inherit the test runner's output pipe and keep it open.
    WINEPREFIX=$prefix wine wineboot >/dev/null 2>&1 </dev/null
}

STARTED_PREFIXES=()
stop_services() {
    local prefix
    for prefix in "${STARTED_PREFIXES[@]}"; do
        WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    done
    [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null
    return 0
}
