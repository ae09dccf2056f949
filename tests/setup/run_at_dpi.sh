#!/usr/bin/env bash
# Runs a test program in a prefix of its own whose desktop reports another resolution.
# Usage: run_at_dpi.sh BUILD_DIR ARCH DPI PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"
use_arch "$2" "$1"
dpi=$3
shift 3
[[ -n ${DISPLAY:-} ]] || { log "no DISPLAY; run the tests through scripts/test"; exit 2; }
[[ -f $WINE_DIR/template/.ready ]] || { log "no template prefix; run through scripts/test"; exit 2; }
trap stop_services EXIT
prefix=$WINE_DIR/dpi-$dpi
fresh_prefix "$prefix"
for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
    WINEPREFIX=$prefix wine_run reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1 </dev/null
done
# The resolution is read when the display driver starts: begin with a fresh server.
WINEPREFIX=$prefix "$WINESERVER" -k >/dev/null 2>&1 || true
WINEPREFIX=$prefix "$WINESERVER" -w
WINEPREFIX=$prefix "$WINESERVER" -p >/dev/null 2>&1 </dev/null
WINEPREFIX=$prefix wine_run wineboot >/dev/null 2>&1 </dev/null
QUORREL_EXPECTED_DPI=$dpi WINEPREFIX=$prefix wine_run "$@"
