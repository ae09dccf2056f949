# shellcheck shell=bash
# Installed copies that the setup must not replace: a later date with the same version, a newer
# version, an older version with a later date. Each time the dialog shows its message instead of
# the options, "Abbruch" ends the run, and neither the host nor the record changes.
make_host 'C:\PureBasic'
put_file 'C:\PureBasic\PureLibraries\UserLibraries\Quorrel_400' 'library of another version'
register_host 'C:\PureBasic'
remember_host 'C:\PureBasic'

set_record 1006 13.07.2007
run_setup blocked.txt INSTALLED_VERSION=000.001.006 INSTALLED_DATE=13.07.2007 \
    MESSAGE='Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer ist gleich der Installierten.'
expect_host_unchanged 'C:\PureBasic'
expect_record 1006 13.07.2007

set_record 1007 12.07.2007
run_setup blocked.txt INSTALLED_VERSION=000.001.007 INSTALLED_DATE=12.07.2007 \
    MESSAGE='Die Setupversion ist älter als eine bereits installierte Version.'
expect_host_unchanged 'C:\PureBasic'
expect_record 1007 12.07.2007

set_record 1005 13.07.2007
run_setup blocked.txt INSTALLED_VERSION=000.001.005 INSTALLED_DATE=13.07.2007 \
    MESSAGE='Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer ist größer als die Installierte.'
expect_host_unchanged 'C:\PureBasic'
expect_record 1005 13.07.2007
