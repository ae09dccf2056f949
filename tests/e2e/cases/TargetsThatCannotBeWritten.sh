# shellcheck shell=bash
# An update where two targets cannot be written: a folder stands in the help file's place, and
# the picture's folder takes no new file. Both are reported, the old picture is kept byte for
# byte, the other files are replaced, no copy is left behind and the record is written.
# shellcheck source=../hostile_checks.sh
source "$E2E_DIR/hostile_checks.sh"
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\PureLibraries\UserLibraries\Quorrel_400' 'library 1.05'
put_file 'C:\PureBasic\Help\Quorrel400.chm\inside.txt' 'a folder in the help file'"'"'s place'
put_file 'C:\PureBasic\Examples\ZentLibs\Bilder\printer_image.jpg' 'picture of 1.05'
lock_file 'C:\PureBasic\Examples\ZentLibs\Bilder'
register_host 'C:\PureBasic'
set_record 1005 01.06.2007
run_setup update_with_unwritable_targets.txt FOLDER=PureBasic
expect_only_installed 'C:\PureBasic' Quorrel_400 ostrel.pb ostrel_using_sample.pb
expect_content 'C:\PureBasic\Examples\ZentLibs\Bilder\printer_image.jpg' 'picture of 1.05'
expect_content 'C:\PureBasic\Help\Quorrel400.chm\inside.txt' 'a folder in the help file'"'"'s place'
expect_no_copies 'C:\PureBasic'
expect_record 1006 12.07.2007
