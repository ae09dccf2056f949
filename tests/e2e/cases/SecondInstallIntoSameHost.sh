# shellcheck shell=bash
# Installing twice into the same host: the second run replaces the files and still succeeds.
make_host 'C:\PureBasic'
register_host 'C:\PureBasic'
run_setup install_first_time.txt FOLDER=PureBasic
# Spoil one installed file so the second run has to write it again.
put_file 'C:\PureBasic\Examples\ZentLibs\ostrel.pb' 'left over from an older version'
run_setup install_again.txt FOLDER=PureBasic
expect_payload_installed 'C:\PureBasic'
expect_record 1006 12.07.2007
