# shellcheck shell=bash
# The registered folder has lost its PureBasic.exe: after the warning the library folders are
# made and the install completes.
make_host 'C:\PureBasic' --no-exe --no-userlibraries
register_host 'C:\PureBasic'
run_setup install_without_exe.txt FOLDER=PureBasic
expect_folder 'C:\PureBasic\PureLibraries\UserLibraries'
expect_payload_installed 'C:\PureBasic'
expect_record 1006 12.07.2007
