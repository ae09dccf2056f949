# shellcheck shell=bash
# An install directory of 219 characters: the longest targets, 258 and 259 characters, are still
# written; the picture's path would need 261 and is reported as not written. Nothing half-made
# is left, the record is written and the run ends normally.
# shellcheck source=../hostile_checks.sh
source "$E2E_DIR/hostile_checks.sh"
level='\Verzeichnis_mit_langem_Namen'
host="C:$level$level$level$level$level$level$level\\PureBasic402"
((${#host} == 218)) || { log "the host path has ${#host} characters, not 218"; exit 2; }
make_host "$host"
register_host "$host"
run_setup install_near_path_limit.txt FOLDER=PureBasic402
expect_only_installed "$host" Quorrel_400 Quorrel400.chm ostrel.pb ostrel_using_sample.pb
expect_missing "$host\\Examples\\ZentLibs\\Bilder\\printer_image.jpg"
expect_folder "$host\\Examples\\ZentLibs\\Bilder"
expect_no_copies "$host"
expect_record 1006 12.07.2007
