# Shared pieces of scripts/test, scripts/demo and the end-to-end cases. Sourced, not run.
# shellcheck shell=bash

QUORREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

export WINEDEBUG=-all
# No Mono or Gecko download prompts while a prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

log() { printf '%s\n' "$*" >&2; }

# Everything the build and the tests call, on every machine. 32-bit Wine (wine32:i386) is added
# only where this machine can run 32-bit programs at all. clang and its runtime libraries build
# the fuzz targets (libFuzzer); g++ brings the sanitizer runtimes of the native unit tests.
# zopfli packs the carried files at build time; the installer inflates them with the static zlib
# of libz-mingw-w64-dev.
quorrel_packages=(
    cmake make g++ binutils g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
    wine wine64 xvfb fonts-liberation python3 e2fsprogs osslsigncode openssl
    clang libclang-rt-dev zopfli libz-mingw-w64-dev
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

# Whether the kernel runs 32-bit x86 programs (some machines run 64-bit code only, and there
# no 32-bit Wine can start). Answered once per script by starting a tiny static i386 program.
CAN_RUN_32BIT=
can_run_32bit() {
    if [[ -z $CAN_RUN_32BIT ]]; then
        local dir
        dir=$(mktemp -d)
        CAN_RUN_32BIT=no
        if printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' |
            as --32 -o "$dir/probe.o" - 2>/dev/null &&
            ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" 2>/dev/null &&
            "$dir/probe" 2>/dev/null; then
            CAN_RUN_32BIT=yes
        fi
        rm -rf "$dir"
    fi
    [[ $CAN_RUN_32BIT == yes ]]
}

ensure_packages() {
    install_missing_packages "${quorrel_packages[@]}"
    can_run_32bit || return 0
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        log "Adding the i386 architecture for 32-bit Wine ..."
        as_root dpkg --add-architecture i386
    fi
    install_missing_packages wine32:i386
}

# Chooses the architecture (win32 or win64) that the following steps build, run and test:
# its build tree (the preset's, unless a second argument names another) and its Wine.
# /usr/bin/wine would take the 32-bit loader whenever wine32 is installed, so each architecture
# names its loader itself.
use_arch() {
    QUORREL_ARCH=$1
    BUILD_DIR=${2:-$QUORREL_ROOT/build/$QUORREL_ARCH}
    WINE_DIR=$BUILD_DIR/wine
    case $QUORREL_ARCH in
    win32) WINE_LOADER=/usr/lib/wine/wine ;;
    win64) WINE_LOADER=/usr/lib/wine/wine64 ;;
    *) log "unknown architecture: $QUORREL_ARCH"; return 2 ;;
    esac
    export WINEARCH=$QUORREL_ARCH WINELOADER=$WINE_LOADER
    WINESERVER=/usr/lib/wine/wineserver
}

# Runs a Windows program with the chosen architecture's Wine.
wine_run() { "$WINE_LOADER" "$@"; }

# Configures (once) and builds the chosen architecture through its presets: the named targets,
# or everything.
build_product() {
    local targets=()
    (($#)) && targets=(--target "$@")
    (
        cd "$QUORREL_ROOT"
        [[ -f $BUILD_DIR/CMakeCache.txt ]] || cmake --preset "$QUORREL_ARCH" >/dev/null
        cmake --build --preset "$QUORREL_ARCH" "${targets[@]}" -- --no-print-directory
    )
}

# Starts a private Xvfb and exports DISPLAY; stopped by stop_services.
start_display() {
    local fifo
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/quorrel-display.XXXXXX")
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for ((i = 0; i < 100; i++)); do
        [[ -s $fifo ]] && break
        sleep 0.1
    done
    [[ -s $fifo ]] || { log "Xvfb did not start"; return 1; }
    export DISPLAY=:$(head -n1 "$fifo")
    rm -f "$fifo"
}

# A template prefix is made once per build tree; each run works on a fresh copy of it.
ensure_template_prefix() {
    local template=$WINE_DIR/template
    [[ -f $template/.ready ]] && return 0
    rm -rf "$template"
    mkdir -p "$template"
    log "Preparing a $QUORREL_ARCH Wine prefix (once per build tree) ..."
    WINEPREFIX=$template wine_run wineboot -i >/dev/null 2>&1 </dev/null
    WINEPREFIX=$template wine_run regedit /S \
        "$(winepath_of "$QUORREL_ROOT/scripts/lib/prefix-settings.reg")" >/dev/null 2>&1 </dev/null
    WINEPREFIX=$template "$WINESERVER" -w
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
    WINEPREFIX=$prefix "$WINESERVER" -k >/dev/null 2>&1 || true
    copy_template_prefix "$prefix"
    WINEPREFIX=$prefix "$WINESERVER" -p >/dev/null 2>&1 </dev/null
    STARTED_PREFIXES+=("$prefix")
    # Start Wine's own background processes now, with detached streams: started later by a
    # test program they would inherit the test runner's output pipe and keep it open.
    WINEPREFIX=$prefix wine_run wineboot >/dev/null 2>&1 </dev/null
}

STARTED_PREFIXES=()
stop_services() {
    local prefix
    for prefix in "${STARTED_PREFIXES[@]}"; do
        WINEPREFIX=$prefix /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    done
    [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null
    return 0
}
