# shellcheck shell=bash
# No PureBasic.exe application entry: the host is found through the program that opens .pb files.
make_host 'C:\PB402'
import_registry <<'REG'
[HKEY_CLASSES_ROOT\.pb]
@="PureBasic.pb-file-type"

[HKEY_CLASSES_ROOT\PureBasic.pb-file-type\Shell\Open\Command]
@="\"C:\\PB402\\PureBasic.exe\" \"%1\""
REG
run_setup install_first_time.txt FOLDER=PB402
expect_payload_installed 'C:\PB402'
expect_record 1006 12.07.2007
