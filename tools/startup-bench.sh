#!/usr/bin/env bash
# Start-up times and sizes of the two programs under Wine: tools/startup-bench.sh [RUNS]
#
# A benchmark, not a test. Builds what is missing, prepares a Wine prefix of its own in
# build/startup-bench/prefix (the demo folders and registry values of tools/run.sh, English locale,
# unmanaged windows as in the end-to-end tests), and runs tests/e2e/stubs/StartTime.exe under Xvfb
# with one persistent wineserver: it starts Quillet2002.exe, Quillet2004.exe and MinimalWindow.exe
# (a program that only opens one window) RUNS times each (default 10), taking turns, and times each
# from CreateProcess until a visible window answers a message. One warm-up round comes first and
# is not counted. Prints the median and the spread of each, and the size of each .exe.
# QUILLET_WINDOWS_BUILD names another build folder of the windows preset (default build/windows).
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo"
runs=${1:-10}

ensure_packages "${windows_packages[@]}"
build=${QUILLET_WINDOWS_BUILD:-build/windows}
say "building the programs, MinimalWindow.exe and StartTime.exe in $build"
[ -f "$build/build.ninja" ] || cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" -j "${QUILLET_JOBS:-2}" --target Quillet2002 Quillet2004 e2e_stub_MinimalWindow e2e_stub_StartTime

work=$repo/build/startup-bench
rm -rf "$work"
mkdir -p "$work"
wine_env "$work/prefix"
say "making the prefix and timing $runs starts of each program under Xvfb"
timeout 900 xvfb-run "${xvfb_args[@]}" bash -c '
    set -e
    source "$1/tools/common.sh"
    make_prefix "$WINEPREFIX"
    demo_machine
    set_locale en
    package=$(c_path "$demo_package")
    cp "$2/bin/Quillet2002.exe" "$2/bin/Quillet2004.exe" "$2/bin/stubs/MinimalWindow.exe" "$package/"
    wineserver -w && wineserver -p
    programs=()
    for exe in Quillet2002 Quillet2004 MinimalWindow; do programs+=("$demo_package\\$exe.exe"); done
    wine "$2/bin/stubs/StartTime.exe" 1 "$(winpath "$3/warm-up.txt")" "${programs[@]}"
    wine "$2/bin/stubs/StartTime.exe" "$4" "$(winpath "$3/report.txt")" "${programs[@]}"
    wineserver -k
' _ "$repo" "$repo/$build" "$work" "$runs"

say "start-up under Wine ($runs starts each) and sizes"
printf '| program | median | fastest | slowest | size |\n|---|---|---|---|---|\n'
while read -r name median fastest slowest samples; do
    case $name in
    MinimalWindow.exe) file=$build/bin/stubs/$name ;;
    *) file=$build/bin/$name ;;
    esac
    printf '| `%s` | %s ms | %s ms | %s ms | %s KiB |\n' "$name" "$median" "$fastest" "$slowest" \
        "$(( ($(stat -c %s "$file") + 512) / 1024 ))"
    echo "$name: $samples" >>"$work/samples.txt"
done <"$work/report.txt"
echo
echo "every sample (ms, in order): $work/samples.txt"
cat "$work/samples.txt"
