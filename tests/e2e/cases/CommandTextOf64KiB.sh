# shellcheck shell=bash
# The shell's open command of PureBasic.exe is 64 KiB long: too long for the direct read, so the
# string-value read of the same key finds the host, and the install runs as usual.
make_host 'C:\PureBasic'
# 65535 characters and the terminating zero.
padding=$(head -c $((65535 - 34)) /dev/zero | tr '\0' 'x')
command="\\\"C:\\\\PureBasic\\\\PureBasic.exe\\\" \\\"%1\\\" $padding"
import_registry <<REG
[HKEY_CLASSES_ROOT\Applications\PureBasic.exe\shell\open\command]
@="$command"
REG
run_setup install_first_time.txt FOLDER=PureBasic
expect_payload_installed 'C:\PureBasic'
expect_record 1006 12.07.2007
