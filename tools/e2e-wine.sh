#!/usr/bin/env bash
# The Wine part of tools/test.sh, run by the user who owns WORK (tools/test.sh copies this file
# there): a fresh 32-bit prefix in WORK/prefix, then WORK/bin/quillet_e2e.exe under Xvfb with a
# persistent wineserver. Writes WORK/report.xml. QUILLET_E2E_FULL_DRIVE: a small file system to
# link as drive F: (the disk-full scenario).
set -uo pipefail
work=$1
source "$work/tools/common.sh"
wine_env "$work/prefix"
export QUILLET_FIXTURES=$(winpath "$work/fixtures")
filter=${QUILLET_E2E_FILTER:-}

# One display for the prefix and the tests; the whole run is bounded so that a hung program
# cannot hold CI.
timeout 1800 xvfb-run "${xvfb_args[@]}" bash -c '
    source "$1/tools/common.sh"
    start=$(date +%s)
    make_prefix "$WINEPREFIX" || { echo "error: cannot create the Wine prefix $WINEPREFIX" >&2; exit 1; }
    echo "Wine prefix ready in $(( $(date +%s) - start )) s: $WINEPREFIX"
    # A small drive for the disk-full scenario, when tools/test.sh could mount one.
    [ -z "$3" ] || ln -s "$3" "$WINEPREFIX/dosdevices/f:"
    wineserver -p
    cd "$1/bin"
    wine quillet_e2e.exe --gtest_output="xml:$(winpath "$1/report.xml")" ${2:+--gtest_filter="$2"}
    status=$?
    wineserver -k
    exit $status
' _ "$work" "$filter" "${QUILLET_E2E_FULL_DRIVE:-}"
