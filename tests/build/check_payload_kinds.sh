#!/usr/bin/env bash
# The build's kind check accepts the carried files and rejects wrong ones with a message that
# names the file and what is wrong.
set -euo pipefail
cmake=$1
source_dir=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
payload=$source_dir/installer/payload
failures=0

check() { "$cmake" -DKIND="$1" -DFILE="$2" -P "$source_dir/cmake/CheckPayloadFile.cmake" 2>&1; }

expect_pass() {
    local out
    if ! out=$(check "$1" "$2"); then
        echo "FAIL: $2 ($1) was rejected: $out"
        failures=$((failures + 1))
    fi
}

expect_reject() { # kind file expected-words
    local out
    if out=$(check "$1" "$2"); then
        echo "FAIL: $2 ($1) was accepted"
        failures=$((failures + 1))
    elif [[ $(tr -s ' \n' ' ' <<<"$out") != *"$2"*"$3"* ]]; then
        echo "FAIL: message for $2 lacks the file name or '$3': $out"
        failures=$((failures + 1))
    fi
}

expect_pass library "$payload/Quorrel_400"
expect_pass help "$payload/Quorrel400.chm"
expect_pass example1 "$payload/ostrel.pb"
expect_pass example2 "$payload/ostrel_using_sample.pb"
expect_pass bitmap "$payload/setup_picture.bmp"
expect_pass jpeg "$payload/printer_image.jpg"

# A 24-bit bitmap of the right size.
python3 - "$payload/setup_picture.bmp" "$work/24bit.bmp" <<'PY'
import sys
data = bytearray(open(sys.argv[1], 'rb').read())
data[28] = 24
open(sys.argv[2], 'wb').write(data)
PY
expect_reject bitmap "$work/24bit.bmp" "24 bits per pixel"

python3 - "$payload/setup_picture.bmp" "$work/wide.bmp" <<'PY'
import sys, struct
data = bytearray(open(sys.argv[1], 'rb').read())
data[18:22] = struct.pack('<i', 111)
open(sys.argv[2], 'wb').write(data)
PY
expect_reject bitmap "$work/wide.bmp" "111 x 300"

python3 - "$payload/setup_picture.bmp" "$work/topdown.bmp" <<'PY'
import sys, struct
data = bytearray(open(sys.argv[1], 'rb').read())
data[22:26] = struct.pack('<i', -300)
open(sys.argv[2], 'wb').write(data)
PY
expect_reject bitmap "$work/topdown.bmp" "bottom-up"

head -c 20 "$payload/setup_picture.bmp" >"$work/stub.bmp"
expect_reject bitmap "$work/stub.bmp" "too short"
head -c -2 "$payload/printer_image.jpg" >"$work/cut.jpg"
expect_reject jpeg "$work/cut.jpg" "does not end with FF D9"
cp "$payload/printer_image.jpg" "$work/not-a-library"
expect_reject library "$work/not-a-library" "ERUP"
printf 'ITSF\002\000\000\000%040d' 0 >"$work/old.chm"
expect_reject help "$work/old.chm" "version 3"
printf '; Testprogramm\r\n' >"$work/short.pb"
expect_reject example2 "$work/short.pb" "Testprogramm Drucken"
expect_reject library "$work/missing-file" "missing"
tr -d '\r' <"$payload/ostrel.pb" | sed '1s/$/\r/' >"$work/unix-lines.pb"
expect_reject example1 "$work/unix-lines.pb" "ending in LF alone"

# The build step itself: a folder of right files builds, one wrong file stops the build.
build_check() { # payload-folder build-folder
    "$cmake" -S "$source_dir/tests/build/release_check_project" -B "$2" \
        -DQUORREL_SOURCE_DIR="$source_dir" -DQUORREL_PAYLOAD_DIR="$1" >/dev/null 2>&1 &&
        "$cmake" --build "$2" 2>&1
}
if ! out=$(build_check "$payload" "$work/build-good"); then
    echo "FAIL: the build check rejected the committed files: $out"
    failures=$((failures + 1))
fi
mkdir -p "$work/bad-payload"
cp "$payload"/* "$work/bad-payload/"
cp "$work/24bit.bmp" "$work/bad-payload/setup_picture.bmp"
if out=$(build_check "$work/bad-payload" "$work/build-bad"); then
    echo "FAIL: a build with a 24-bit dialog picture went through"
    failures=$((failures + 1))
elif [[ $(tr -s ' \n' ' ' <<<"$out") != *"setup_picture.bmp"*"24 bits per pixel"* ]]; then
    echo "FAIL: the stopped build does not say which file is wrong: $out"
    failures=$((failures + 1))
fi

if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "kind check: all cases behave"
