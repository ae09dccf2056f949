# Native Linux builds of the platform-free code, sourced by scripts/test: its unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer (g++, tests/native), built from the sources
# that a configured Windows build tree lists.
# shellcheck shell=bash

NATIVE_BUILD_DIR=$QUORREL_ROOT/build/native

# build_native_checks WINDOWS_BUILD_DIR
build_native_checks() {
    local list=$1/platform-free-sources.txt
    [[ -f $list ]] || { log "no $list: configure a Windows build first"; return 1; }
    cmake -S "$QUORREL_ROOT/tests/native" -B "$NATIVE_BUILD_DIR" -DCMAKE_CXX_COMPILER=g++ \
        -DCMAKE_C_COMPILER=gcc -DQUORREL_PLATFORM_FREE_LIST="$list" >/dev/null
    cmake --build "$NATIVE_BUILD_DIR" -j2 --target platform-free-tests -- --no-print-directory
}

# run_native_checks [ctest arguments]
run_native_checks() {
    ctest --test-dir "$NATIVE_BUILD_DIR" --output-on-failure "$@"
}
