# shellcheck shell=bash
# A marker file beside a newer registry record: the marker is read first, so the dialog offers an
# update of the marked version rather than blocking; the marker goes, the registry keeps its
# record.
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\Examples\ZentLibs\qorpvers' $'1005\r\n01.06.2007\r\n'
register_host 'C:\PureBasic'
set_record 1007 20.08.2007
remember_host 'C:\PureBasic'
run_setup update_then_cancel_in_chooser.txt FOLDER=PureBasic INSTALLED_VERSION=000.001.005 \
    INSTALLED_DATE=01.06.2007
expect_host_unchanged 'C:\PureBasic' 'Examples\ZentLibs\qorpvers'
expect_record 1007 20.08.2007
