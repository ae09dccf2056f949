# shellcheck shell=bash
# A first install left before the folder chooser by refusing the agreement: the run ends with
# exit code 0, nothing is written and no record is made.
make_host 'C:\PureBasic'
register_host 'C:\PureBasic'
remember_host 'C:\PureBasic'
run_setup cancel_in_agreement.txt
expect_host_unchanged 'C:\PureBasic'
expect_no_record
