# shellcheck shell=bash
# A first install into the PureBasic that the shell knows as the program for PureBasic.exe.
make_host 'C:\PureBasic'
register_host 'C:\PureBasic'
run_setup install_first_time.txt FOLDER=PureBasic
expect_payload_installed 'C:\PureBasic'
expect_folder 'C:\PureBasic\Help'
expect_folder 'C:\PureBasic\Examples\ZentLibs\Bilder'
expect_record 1006 12.07.2007
