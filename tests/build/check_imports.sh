#!/usr/bin/env bash
# Fails when the program's static import table names a DLL that Windows does not always take
# from the system directory (a planted copy of such a DLL beside the program would run).
set -euo pipefail
objdump=$1
exe=$2
allowed=' kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll msvcrt.dll comdlg32.dll shlwapi.dll imm32.dll rpcrt4.dll '
imports=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[[ -n $imports ]] || { echo "no import table found in $exe"; exit 1; }
status=0
for dll in $imports; do
    if [[ $allowed != *" $dll "* ]]; then
        echo "not a system-directory DLL in the import table: $dll"
        status=1
    fi
done
echo "imports: $(echo $imports)"
exit $status
