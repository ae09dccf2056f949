# shellcheck shell=bash
# An old library file that cannot be replaced: the log and the verdict report it, everything
# else is installed and the version record is written all the same.
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\PureLibraries\UserLibraries\Quorrel_400' 'library of an older version'
lock_file 'C:\PureBasic\PureLibraries\UserLibraries\Quorrel_400'
register_host 'C:\PureBasic'
run_setup install_with_locked_library.txt FOLDER=PureBasic
expect_content 'C:\PureBasic\PureLibraries\UserLibraries\Quorrel_400' 'library of an older version'
expect_payload_installed 'C:\PureBasic' --except Quorrel_400
expect_record 1006 12.07.2007
