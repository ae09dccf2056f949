# shellcheck shell=bash
# A marker file of 6 MiB without a line end is one line: its leading number 1005 is the
# installed version and the date is empty, so only a first install is offered. The marker goes,
# and the install writes the record.
# shellcheck source=../hostile_checks.sh
source "$E2E_DIR/hostile_checks.sh"
make_host 'C:\PureBasic'
marker=$(unix_path 'C:\PureBasic\Examples\ZentLibs\qorpvers')
mkdir -p "$(dirname "$marker")"
{ printf 1005; head -c $((6 * 1024 * 1024)) /dev/zero | tr '\0' 'x'; } >"$marker"
register_host 'C:\PureBasic'
run_setup install_with_version_without_date.txt FOLDER=PureBasic INSTALLED_VERSION=000.001.005
expect_missing 'C:\PureBasic\Examples\ZentLibs\qorpvers'
expect_payload_installed 'C:\PureBasic'
expect_no_copies 'C:\PureBasic'
expect_record 1006 12.07.2007
