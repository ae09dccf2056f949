# shellcheck shell=bash
# Version 1005 of 01.06.2007 is installed: the dialog offers "UpDate installieren" without an
# agreement, the files of the older version are replaced and the record becomes 1006.
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\PureLibraries\UserLibraries\Quorrel_400' 'library 1.05'
put_file 'C:\PureBasic\Examples\ZentLibs\Bilder\printer_image.jpg' 'picture of 1.05'
register_host 'C:\PureBasic'
set_record 1005 01.06.2007
run_setup install_again.txt FOLDER=PureBasic INSTALLED_VERSION=000.001.005 \
    INSTALLED_DATE=01.06.2007 OPTION='UpDate installieren'
expect_payload_installed 'C:\PureBasic'
expect_record 1006 12.07.2007
