# shellcheck shell=bash
# Installing twice into the same host: the second run finds its own version and date recorded,
# offers a repair, replaces the files and still succeeds.
make_host 'C:\PureBasic'
register_host 'C:\PureBasic'
run_setup install_first_time.txt FOLDER=PureBasic
# Spoil one installed file so the second run has to write it again.
put_file 'C:\PureBasic\Examples\ZentLibs\ostrel.pb' 'left over from an older version'
run_setup install_again.txt FOLDER=PureBasic \
    INSTALLED_DATE=12.07.2007 OPTION='reparieren (Setup-Version gleich der installierten)'
expect_payload_installed 'C:\PureBasic'
expect_record 1006 12.07.2007
