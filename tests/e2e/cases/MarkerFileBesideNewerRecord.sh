# shellcheck shell=bash
# A marker file beside a registry record: the marker goes, the registry keeps its record.
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\Examples\ZentLibs\qorpvers' $'1005\r\n01.06.2007\r\n'
register_host 'C:\PureBasic'
import_registry <<'REG'
[HKEY_CURRENT_USER\Software\Velkadia\Qorp400]
"Version"="1007"
"Date"="20.08.2007"
REG
remember_host 'C:\PureBasic'
run_setup cancel_in_chooser.txt FOLDER=PureBasic
expect_host_unchanged 'C:\PureBasic' 'Examples\ZentLibs\qorpvers'
expect_record 1007 20.08.2007
