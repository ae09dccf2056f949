# shellcheck shell=bash
# In the host, "Examples" is a file: the marker cannot be read through it, the example folders
# cannot be made, and the three files that go there are reported as not written. The library
# and its help are installed, the file stays as it was, and the record is written.
# shellcheck source=../hostile_checks.sh
source "$E2E_DIR/hostile_checks.sh"
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\Examples' 'a file where the examples folder should be'
register_host 'C:\PureBasic'
run_setup install_without_examples_folder.txt FOLDER=PureBasic
expect_content 'C:\PureBasic\Examples' 'a file where the examples folder should be'
expect_only_installed 'C:\PureBasic' Quorrel_400 Quorrel400.chm
expect_no_copies 'C:\PureBasic'
expect_record 1006 12.07.2007
