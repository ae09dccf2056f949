#!/usr/bin/env bash
# Checks a build without running it: the carried files lie packed in the exe and inflate to their
# bytes, in table order, and the product's texts were compiled to Windows-1252 (Windows would show
# UTF-8 bytes as two wrong characters each).
# Usage: check_carried_texts.sh EXE PAYLOAD_DIR TEXTS_OBJECT TEXTS_FILE
#   TEXTS_FILE: one text per line, written in UTF-8, that TEXTS_OBJECT must hold.
set -euo pipefail
exe=$1 payload=$2 object=$3 texts=$4
export LC_ALL=C
status=0

python3 - "$exe" "$payload" <<'PY' || status=1
import sys, zlib
exe = open(sys.argv[1], "rb").read()
names = ["Quorrel_400", "Quorrel400.chm", "ostrel.pb", "ostrel_using_sample.pb",
         "setup_picture.bmp", "printer_image.jpg"]


def inflated_at(offset):
    """The bytes of the zlib stream that begins at offset, and where it ends; None if none does."""
    inflater = zlib.decompressobj()
    try:
        data = inflater.decompress(exe[offset:])
    except zlib.error:
        return None
    if not inflater.eof:
        return None
    return data, len(exe) - len(inflater.unused_data)


position = 0
for name in names:
    data = open(f"{sys.argv[2]}/{name}", "rb").read()
    # Each block is a zlib stream: a header byte 0x78 (deflate, 32 KiB window) with a check.
    offset = exe.find(b"\x78", position)
    while offset >= 0:
        if offset + 1 < len(exe) and (exe[offset] * 256 + exe[offset + 1]) % 31 == 0:
            found = inflated_at(offset)
            if found and found[0] == data:
                break
        offset = exe.find(b"\x78", offset + 1)
    if offset < 0:
        sys.exit(f"carried file {name} ({len(data)} bytes) is not packed in the exe after the "
                 "previous one")
    print(f"{name}: {len(data)} bytes, packed {found[1] - offset}")
    position = found[1]
print(f"{len(names)} carried files packed in the exe, each inflating byte for byte, in table order")
PY

count=0
while IFS= read -r text; do
    [[ -n $text ]] || continue
    count=$((count + 1))
    cp1252=$(iconv -f UTF-8 -t CP1252 <<<"$text")
    if ! grep -aqF -- "$cp1252" "$object"; then
        echo "missing as Windows-1252 bytes: $text"
        status=1
    fi
    if [[ $cp1252 != "$text" ]] && grep -aqF -- "$text" "$object"; then
        echo "present as UTF-8 bytes: $text"
        status=1
    fi
done <"$texts"
((count > 0)) || { echo "no texts listed in $texts"; exit 1; }
((status)) || echo "$count texts compiled to Windows-1252"
exit $status
