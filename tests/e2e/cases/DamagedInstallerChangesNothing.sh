# shellcheck shell=bash
# A copy of the installer with one byte of a packed carried file changed, as a broken download
# would have it: before anything else it says so in one message box titled "SETUP" and ends with
# exit code 2. The marker file is not consumed, nothing is written, the record stays as it was.
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\Examples\ZentLibs\qorpvers' $'1005\r\n01.06.2007\r\n'
register_host 'C:\PureBasic'
set_record 1004 01.05.2007
remember_host 'C:\PureBasic'

# The copy, with the middle byte of the packed library file (found by its packed bytes) changed.
damaged=$WORK/damaged-setup.exe
python3 - "$SETUP_EXE" "$BUILD_DIR/installer/packed/Quorrel_400.zlib" "$damaged" <<'PY'
import sys
exe = bytearray(open(sys.argv[1], "rb").read())
block = open(sys.argv[2], "rb").read()
start = exe.find(block)
if start < 0 or exe.find(block, start + 1) >= 0:
    sys.exit("the packed library file is not in the exe exactly once")
exe[start + len(block) // 2] ^= 0x01
open(sys.argv[3], "wb").write(exe)
PY
SETUP_EXE=$damaged

cat >"$WORK/damaged.txt" <<'SCENARIO'
window SETUP
| Die Setup-Datei ist beschädigt.
| Bitte laden Sie sie erneut herunter.
click #1
exit 2
SCENARIO
run_setup "$WORK/damaged.txt"
# The marker file among them, with its size.
expect_host_unchanged 'C:\PureBasic'
expect_record 1004 01.05.2007
