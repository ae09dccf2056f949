#!/usr/bin/env bash
# A release with another version, date and title needs only other values at configure time:
# they reach the program's constants (compiled to Windows-1252) and the version resource. Values
# the setup could not carry stop the configure with a message that names them.
# Usage: check_release_values.sh CMAKE SOURCE_DIR CXX WORK_DIR
set -euo pipefail
cmake=$1 source_dir=$2 cxx=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
failures=0

configure() { # build-folder cmake-arguments...
    local dir=$1
    shift
    "$cmake" -S "$source_dir/tests/build/release_check_project" -B "$dir" \
        -DQUORREL_SOURCE_DIR="$source_dir" "$@" 2>&1
}

title='PB-Library "Quorrel" 4.10 für C:\PureBasic'
if ! out=$(configure "$work/other" -DQUORREL_VERSION=2.1 -DQUORREL_DATE=29.02.2008 \
    "-DQUORREL_TITLE=$title"); then
    echo "FAIL: a release with other values did not configure: $out"
    exit 1
fi
header=$work/other/installer/release_constants.h
printf '%s\n' '#include "installer/release_constants.h"' \
    'extern const char* const kProbe[] = {kSetupVersionText, kSetupDateText, kProductTitle};' \
    >"$work/probe.cpp"
"$cxx" -std=c++20 -finput-charset=UTF-8 -fexec-charset=CP1252 -I"$work/other" \
    -c "$work/probe.cpp" -o "$work/probe.o"
python3 - "$work/probe.o" "2.1" "29.02.2008" "$title" <<'PY' || failures=$((failures + 1))
import sys
probe = open(sys.argv[1], "rb").read()
for text in sys.argv[2:]:
    if text.encode("cp1252") + b"\0" not in probe:
        sys.exit(f"FAIL: the program's constants lack {text!r} as Windows-1252 text")
PY
if ! grep -qx '#define QUORREL_FILE_VERSION 2, 1, 0, 0' "$header" ||
    ! grep -qx '#define QUORREL_VERSION_TEXT "2.1"' "$header"; then
    echo "FAIL: the version resource does not get version 2.1:"
    cat "$header"
    failures=$((failures + 1))
fi

expect_stop() { # cmake-argument expected-words
    local out
    if out=$(configure "$work/bad" "$1"); then
        echo "FAIL: $1 configured"
        failures=$((failures + 1))
    elif [[ $(tr -s ' \n' ' ' <<<"$out") != *"$2"* ]]; then
        echo "FAIL: the configure with $1 stopped without saying '$2': $out"
        failures=$((failures + 1))
    fi
    rm -rf "$work/bad"
}
expect_stop -DQUORREL_DATE=31.02.2008 'QUORREL_DATE "31.02.2008" is no calendar date'
expect_stop -DQUORREL_DATE=29.02.2100 'QUORREL_DATE "29.02.2100" is no calendar date'
expect_stop -DQUORREL_DATE=1.7.2007 'QUORREL_DATE "1.7.2007" is not written dd.mm.yyyy'
expect_stop -DQUORREL_DATE=20.01.2038 'QUORREL_DATE "20.01.2038" lies outside 01.01.1970 to 19.01.2038'
expect_stop -DQUORREL_VERSION=10.5 'QUORREL_VERSION "10.5" does not fit'
expect_stop -DQUORREL_VERSION=0.0 'QUORREL_VERSION "0.0" gives version number 0'
expect_stop -DQUORREL_TITLE= 'QUORREL_TITLE is empty'

if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "another release's values reach the program; wrong ones stop the configure"
