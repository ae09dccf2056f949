# Native Linux builds of the platform-free code, sourced by scripts/test: its unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer (g++, tests/native), and its libFuzzer targets
# (clang, tests/fuzz). Both build the sources that a configured Windows build tree lists.
# shellcheck shell=bash

NATIVE_BUILD_DIR=$QUORREL_ROOT/build/native
FUZZ_BUILD_DIR=$QUORREL_ROOT/build/fuzz
# Seconds each fuzz target runs, seven targets two at a time: 10 keeps a whole scripts/test from
# scratch near 8 minutes on two shared cores. The corpus grown in build/fuzz carries over, so
# every run goes deeper; set it higher for a long hunt.
QUORREL_FUZZ_SECONDS=${QUORREL_FUZZ_SECONDS:-10}

# build_native_checks WINDOWS_BUILD_DIR
build_native_checks() {
    local list=$1/platform-free-sources.txt
    [[ -f $list ]] || { log "no $list: configure a Windows build first"; return 1; }
    cmake -S "$QUORREL_ROOT/tests/native" -B "$NATIVE_BUILD_DIR" -DCMAKE_CXX_COMPILER=g++ \
        -DCMAKE_C_COMPILER=gcc -DQUORREL_PLATFORM_FREE_LIST="$list" >/dev/null
    cmake --build "$NATIVE_BUILD_DIR" -j2 --target platform-free-tests -- --no-print-directory
    cmake -S "$QUORREL_ROOT/tests/fuzz" -B "$FUZZ_BUILD_DIR" -DCMAKE_CXX_COMPILER=clang++ \
        -DQUORREL_PLATFORM_FREE_LIST="$list" -DQUORREL_FUZZ_SECONDS="$QUORREL_FUZZ_SECONDS" >/dev/null
    cmake --build "$FUZZ_BUILD_DIR" -j2 -- --no-print-directory
}

# run_native_checks [ctest arguments]: the sanitized unit tests, then the fuzz targets.
run_native_checks() {
    local status=0
    ctest --test-dir "$NATIVE_BUILD_DIR" --output-on-failure "$@" || status=1
    ctest --test-dir "$FUZZ_BUILD_DIR" --output-on-failure -j2 "$@" || status=1
    return $status
}
