#!/usr/bin/env bash
# Runs one end-to-end case in a fresh Wine prefix of its own, then checks from Linux what the
# installer left on disk and in the registry.
# Usage: run_case.sh BUILD_DIR ARCH SETUP_EXE DRIVER_EXE PAYLOAD_DIR CASE_SCRIPT
#
# A case script is a short list of the helpers below: it prepares the host folder and the
# registry, runs the installer through one or more scenarios (tests/e2e/scenarios), and states
# what must be true afterwards.
set -euo pipefail
SETUP_EXE=$3 DRIVER_EXE=$4 PAYLOAD_DIR=$5 CASE_SCRIPT=$6
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../../scripts/lib/common.sh
source "$E2E_DIR/../../scripts/lib/common.sh"
use_arch "$2" "$1"

# Every Wine command of a case ends within this many seconds, or the case fails.
WINE_COMMAND_TIMEOUT=${QUORREL_E2E_TIMEOUT:-120}
CASE_NAME=$(basename "$CASE_SCRIPT" .sh)
PREFIX=$WINE_DIR/e2e/$CASE_NAME
WORK=$WINE_DIR/e2e/$CASE_NAME.work
FAILURES=0
RUNS=0
IMPORTS=0

fail() {
    log "FAIL: $*"
    FAILURES=$((FAILURES + 1))
}

# Runs a Wine program of this case's prefix, detached from the caller's streams.
case_wine() {
    WINEPREFIX=$PREFIX timeout -k 5 "$WINE_COMMAND_TIMEOUT" "$WINE_LOADER" "$@" </dev/null
}

# The Linux path of a C: path in the prefix. Existing folders are matched without regard to
# case, as Windows does; the rest is taken as written.
unix_path() {
    local win=$1 path=$PREFIX/drive_c part match
    [[ $win =~ ^[Cc]:(\\.*)?$ ]] || { log "not a C: path: $win"; exit 2; }
    local -a parts
    # shellcheck disable=SC2141,SC1003 # the separator is the backslash itself
    IFS='\' read -ra parts <<<"${win:2}"
    for part in "${parts[@]}"; do
        [[ -n $part ]] || continue
        if [[ ! -e $path/$part ]]; then
            match=$(find "$path" -mindepth 1 -maxdepth 1 -iname "$part" -print -quit 2>/dev/null || true)
            [[ -n $match ]] && { path=$match; continue; }
        fi
        path=$path/$part
    done
    printf '%s' "$path"
}

## Preparing a case

# make_host 'C:\PureBasic' [--no-exe] [--no-userlibraries]
# A PureBasic installation: a non-empty PureBasic.exe and the user-library folders.
make_host() {
    local dir exe=1 libraries=1 option
    dir=$(unix_path "$1")
    shift
    for option; do
        case $option in
        --no-exe) exe=0 ;;
        --no-userlibraries) libraries=0 ;;
        *) log "make_host: unknown option $option"; exit 2 ;;
        esac
    done
    mkdir -p "$dir"
    ((exe)) && printf 'MZ stand-in for the PureBasic IDE\r\n' >"$dir/PureBasic.exe"
    ((libraries)) && mkdir -p "$dir/PureLibraries/UserLibraries"
    return 0
}

# put_file 'C:\path\name' CONTENT
put_file() {
    local file
    file=$(unix_path "$1")
    mkdir -p "$(dirname "$file")"
    printf '%s' "$2" >"$file"
}

# import_registry <<'EOF' ... EOF: entries in .reg syntax (REGEDIT4, without the header line).
import_registry() {
    local file=$WORK/import-$((++IMPORTS)).reg
    { printf 'REGEDIT4\r\n\r\n'; sed 's/$/\r/'; } >"$file"
    case_wine regedit /S "$(winepath_of "$file")" >/dev/null 2>&1 || { log "regedit failed on $file"; exit 2; }
}

# register_host 'C:\PureBasic': the shell knows the host's PureBasic.exe as an application.
register_host() {
    local escaped=${1//\\/\\\\}
    import_registry <<REG
[HKEY_CLASSES_ROOT\Applications\PureBasic.exe\shell\open\command]
@="\"$escaped\\\\PureBasic.exe\" \"%1\""
REG
}

# set_record VERSION DATE: the installed-version record that an earlier setup left, as text values.
set_record() {
    import_registry <<REG
[HKEY_CURRENT_USER\Software\Velkadia\Qorp400]
"Version"="$1"
"Date"="$2"
REG
}

# remember_host 'C:\PureBasic': notes every file and folder of the host, with file sizes.
remember_host() {
    host_listing "$1" >"$WORK/remembered-host"
}

host_listing() {
    local dir
    dir=$(unix_path "$1")
    (cd "$dir" && find . -mindepth 1 \( -type d -printf '%p folder\n' \) -o -printf '%p %s bytes\n' |
        sort) || true
}

LOCKED_FILES=()

# lock_file 'C:\path\name': the file cannot be written (as root under Wine the read-only
# attribute does not stop writes, the immutable flag does). Unlocked when the case ends.
lock_file() {
    local file
    file=$(unix_path "$1")
    chattr +i "$file" || { log "cannot make $1 immutable"; exit 2; }
    LOCKED_FILES+=("$file")
    if (: >>"$file") 2>/dev/null; then
        log "$1 is still writable after chattr +i"
        exit 2
    fi
}

end_case() {
    local file
    for file in "${LOCKED_FILES[@]}"; do
        chattr -i "$file" 2>/dev/null || true
    done
    stop_services
}

## Running the installer

# run_setup SCENARIO [NAME=VALUE...]: drives the installer through tests/e2e/scenarios/SCENARIO,
# where @NAME@ stands for VALUE. A run that strays from the scenario ends the case.
run_setup() {
    local source=$1 scenario=$WORK/scenario-$((++RUNS)).txt
    [[ $source == /* ]] || source=$E2E_DIR/scenarios/$source
    local output=$WORK/driver-$RUNS.log errors=$WORK/driver-$RUNS.stderr status=0 pair
    shift
    cp "$source" "$scenario"
    for pair; do
        sed -i "s|@${pair%%=*}@|${pair#*=}|g" "$scenario"
    done
    log "--- run $RUNS: ${source##*/} $*"
    case_wine "$DRIVER_EXE" "$(winepath_of "$SETUP_EXE")" "$(winepath_of "$scenario")" \
        >"$output" 2>"$errors" || status=$?
    cat "$output" >&2
    # Under Wine a program that crashes can still end with exit code 0.
    if ((status == 0)) && { ! grep -q '^scenario passed' "$output" || grep -q 'Unhandled' "$errors"; }; then
        status=1
    fi
    if ((status != 0)); then
        ((status == 124)) && log "the driver itself did not finish within $WINE_COMMAND_TIMEOUT s"
        # Wine's own complaints, which may explain a crash.
        cat "$errors" >&2
        fail "the installer did not go as ${source##*/} says (driver status $status)"
        exit 1
    fi
}

## Checks afterwards

carried_files=(
    'Quorrel_400|purelibraries\userlibraries\Quorrel_400'
    'Quorrel400.chm|help\Quorrel400.chm'
    'ostrel.pb|examples\ZentLibs\ostrel.pb'
    'ostrel_using_sample.pb|examples\ZentLibs\ostrel_using_sample.pb'
    'printer_image.jpg|examples\ZentLibs\Bilder\printer_image.jpg'
)

# expect_payload_installed 'C:\PureBasic' [--except NAME]: the carried files, byte for byte.
expect_payload_installed() {
    local host=$1 skipped=${3:-} entry name target file
    for entry in "${carried_files[@]}"; do
        name=${entry%%|*} target=$host\\${entry#*|}
        [[ $name != "$skipped" ]] || continue
        file=$(unix_path "$target")
        if [[ ! -f $file ]]; then
            fail "$target is missing"
        elif ! cmp -s "$PAYLOAD_DIR/$name" "$file"; then
            fail "$target is not the carried $name ($(stat -c %s "$file") bytes, carried $(stat -c %s "$PAYLOAD_DIR/$name"))"
        fi
    done
}

# expect_content 'C:\path\name' CONTENT
expect_content() {
    local file
    file=$(unix_path "$1")
    [[ -f $file && $(<"$file") == "$2" ]] || fail "$1 should still hold \"$2\""
}

# expect_folder 'C:\path': a folder of exactly that name (case included).
expect_folder() {
    local dir=$PREFIX/drive_c${1:2}
    dir=${dir//\\//}
    [[ -d $dir ]] || fail "folder $1 does not exist (with that capitalisation)"
}

# expect_missing 'C:\path'
expect_missing() {
    [[ ! -e $(unix_path "$1") ]] || fail "$1 should not exist"
}

# expect_host_unchanged 'C:\PureBasic' [relative paths that were meant to go]
expect_host_unchanged() {
    local host=$1 gone
    shift
    local expected=$WORK/remembered-host
    for gone; do
        gone=./${gone//\\//}
        grep -v -F -i "$gone " "$expected" >"$expected.tmp" || true
        expected=$expected.tmp
    done
    if ! diff -u "$expected" <(host_listing "$host") >"$WORK/host.diff"; then
        fail "the installer changed $host:"
        cat "$WORK/host.diff" >&2
    fi
}

registry_record=HKCU\\Software\\Velkadia\\Qorp400

# expect_record VERSION DATE: the installed-version record, as text values.
expect_record() {
    local name expected output actual
    if ! output=$(case_wine reg query "$registry_record" 2>/dev/null | tr -d '\r'); then
        fail "$registry_record should hold Version \"$1\" and Date \"$2\"; the key does not exist"
        return
    fi
    for name in Version Date; do
        [[ $name == Version ]] && expected=$1 || expected=$2
        actual=$(awk -v name="$name" '$1 == name && $2 == "REG_SZ" { print $3 }' <<<"$output")
        [[ $actual == "$expected" ]] ||
            fail "$registry_record \"$name\" should be REG_SZ \"$expected\"; the key holds:"$'\n'"$output"
    done
}

expect_no_record() {
    local output
    if output=$(case_wine reg query "$registry_record" 2>/dev/null | tr -d '\r') && [[ -n $output ]]; then
        fail "$registry_record should not exist; it holds:"$'\n'"$output"
    fi
}

## The case itself

[[ -n ${DISPLAY:-} ]] || { log "no DISPLAY; run the end-to-end tests through scripts/test"; exit 2; }
[[ -f $WINE_DIR/template/.ready ]] || { log "no template prefix; run through scripts/test"; exit 2; }
trap end_case EXIT
rm -rf "$WORK"
mkdir -p "$WORK"
fresh_prefix "$PREFIX"

# shellcheck source=/dev/null
source "$CASE_SCRIPT"

if ((FAILURES)); then
    log "$CASE_NAME: $FAILURES check(s) failed (prefix kept in $PREFIX)"
    exit 1
fi
log "$CASE_NAME: passed"
