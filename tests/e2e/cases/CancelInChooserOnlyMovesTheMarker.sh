# shellcheck shell=bash
# An old version marker file and no registry record: the dialog offers an update of the marked
# version, and the user cancels the folder chooser. The record moves into the registry and the
# marker goes all the same; nothing else in the host changes.
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\Examples\ZentLibs\qorpvers' $'1005\r\n01.06.2007\r\n'
register_host 'C:\PureBasic'
remember_host 'C:\PureBasic'
run_setup update_then_cancel_in_chooser.txt FOLDER=PureBasic \
    INSTALLED_DATE=01.06.2007
expect_host_unchanged 'C:\PureBasic' 'Examples\ZentLibs\qorpvers'
expect_record 1005 01.06.2007
