# shellcheck shell=bash
# The installed copy has the setup's version but an earlier date, or a date that is no date at
# all: the dialog offers "aktualisieren (Zeitstempelunterschied)" without an agreement, and the
# update installs and records 12.07.2007.
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\PureLibraries\UserLibraries\Quorrel_400' 'library of 11.07.2007'
put_file 'C:\PureBasic\Examples\ZentLibs\Bilder\printer_image.jpg' 'picture of 11.07.2007'
register_host 'C:\PureBasic'
set_record 1006 11.07.2007
run_setup install_again.txt FOLDER=PureBasic INSTALLED_VERSION=000.001.006 \
    INSTALLED_DATE=11.07.2007 OPTION='aktualisieren (Zeitstempelunterschied)'
expect_payload_installed 'C:\PureBasic'
expect_record 1006 12.07.2007

# 31.02.2007 reads as the invalid date, which counts as earlier than any real one.
set_record 1006 31.02.2007
run_setup install_again.txt FOLDER=PureBasic INSTALLED_VERSION=000.001.006 \
    INSTALLED_DATE=00.00.0000 OPTION='aktualisieren (Zeitstempelunterschied)'
expect_payload_installed 'C:\PureBasic'
expect_record 1006 12.07.2007
