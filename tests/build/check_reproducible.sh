#!/usr/bin/env bash
# Builds the installer a second time in another build tree and compares the two programs byte
# for byte: nothing in the exe may depend on the time or the place of the build.
# Usage: check_reproducible.sh CMAKE SOURCE_DIR PRESET EXE WORK_DIR
set -euo pipefail
cmake=$1 source_dir=$2 preset=$3 exe=$4 work=$5
cd "$source_dir"
if [[ ! -f $work/CMakeCache.txt ]]; then
    "$cmake" --preset "$preset" -B "$work" >/dev/null
fi
"$cmake" --build "$work" --target quorrel-setup -- --no-print-directory >/dev/null
second=$work/quorrel-setup.exe
if cmp "$exe" "$second"; then
    echo "two builds, one exe: $(stat -c %s "$exe") bytes"
else
    echo "the second build differs from $exe:"
    cmp -l "$exe" "$second" | head -n 8
    exit 1
fi
