# shellcheck shell=bash
# Cancelling the folder chooser leaves the host and the registry as they were.
make_host 'C:\PureBasic'
register_host 'C:\PureBasic'
remember_host 'C:\PureBasic'
run_setup cancel_in_chooser.txt FOLDER=PureBasic
expect_host_unchanged 'C:\PureBasic'
expect_no_record
