# shellcheck shell=bash
# The shell's entry names a PureBasic.exe in a "folder" that is a file: the marker cannot be
# read through it, so nothing counts as installed; the chooser cannot show the file and offers
# its own start; the user cancels. The file and the registry stay as they were.
put_file 'C:\PureBasic' 'a file where the PureBasic folder should be'
register_host 'C:\PureBasic'
run_setup install_but_cancel_in_chooser.txt
expect_content 'C:\PureBasic' 'a file where the PureBasic folder should be'
expect_no_record
