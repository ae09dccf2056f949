# shellcheck shell=bash
# Registry values as other programs may leave them. Texts without a terminating zero read as
# their text: the open command (stored as binary data) finds the host, the record 1005 of
# 01.06.2007 offers the update, which writes a proper record. Values of another type read as
# nothing: only a first install is offered, and the cancelled run leaves them as they are.
# shellcheck source=../hostile_checks.sh
source "$E2E_DIR/hostile_checks.sh"
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\Examples\ZentLibs\Bilder\printer_image.jpg' 'picture of 1.05'
# Bytes of a text, comma-separated in hexadecimal, as .reg files write them.
hex_of() { printf '%s' "$1" | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$//'; }
import_registry <<REG
[HKEY_CLASSES_ROOT\Applications\PureBasic.exe\shell\open\command]
@=hex:$(hex_of '"C:\PureBasic\PureBasic.exe" "%1"')
[HKEY_CURRENT_USER\Software\Velkadia\Qorp400]
"Version"=hex(1):$(hex_of 1005)
"Date"=hex(1):$(hex_of 01.06.2007)
REG
run_setup install_again.txt FOLDER=PureBasic \
    INSTALLED_DATE=01.06.2007 OPTION='UpDate installieren'
expect_payload_installed 'C:\PureBasic'
expect_no_copies 'C:\PureBasic'
expect_record 1006 12.07.2007

import_registry <<REG
[HKEY_CURRENT_USER\Software\Velkadia\Qorp400]
"Version"=dword:000003ed
"Date"=hex:$(hex_of 12.07.2007),00
REG
run_setup install_but_cancel_in_chooser.txt
types=$(case_wine reg query "$registry_record" 2>/dev/null | tr -d '\r' |
    awk '$1 == "Version" || $1 == "Date" { print $1 "=" $2 }' | sort | tr '\n' ' ')
[[ $types == "Date=REG_BINARY Version=REG_DWORD " ]] ||
    fail "the record's values should have kept their types; they are: $types"
