#!/usr/bin/env bash
# Builds and runs one of the programs in a sandbox Wine prefix: tools/run.sh [2004|2002] [ja|en]
#
# Installs what is missing, builds the Windows programs, prepares ./sandbox/prefix with a demo
# simulator folder (a real scenery.cfg), a demo package folder (the package's area folders, each
# with a small .bgl file) and the registry values the programs read, then starts the program on
# your display. Without a display it runs under Xvfb and writes a screenshot to
# ./sandbox/screenshot-<year>.png instead. The demo folders and values are laid anew on each run;
# the prefix is kept (delete ./sandbox to start from scratch).
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo"

year=2004
language=
for arg in "$@"; do
    case $arg in
    2002 | 2004) year=$arg ;;
    ja | en) language=$arg ;;
    *) die "usage: tools/run.sh [2004|2002] [ja|en]" ;;
    esac
done

# A Japanese font, so that the Japanese captions show; x11-utils and imagemagick for the screenshot.
ensure_packages "${windows_packages[@]}" fonts-ipafont-gothic x11-utils imagemagick
say "building Quillet$year.exe"
[ -f build/windows/build.ninja ] || cmake --preset windows >/dev/null
cmake --build --preset windows -j "${QUILLET_JOBS:-2}" --target Quillet2002 Quillet2004

sandbox=$repo/sandbox
wine_env "$sandbox/prefix"
drive_c=$WINEPREFIX/drive_c

# Runs "$@" on the user's display or, without one, on a private Xvfb.
on_display() {
    if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run "${xvfb_args[@]}" "$@"; fi
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "creating the sandbox Wine prefix in $WINEPREFIX (once)"
    mkdir -p "$sandbox"
    on_display bash -c 'source "$1"; make_prefix "$2"' _ "$repo/tools/common.sh" "$WINEPREFIX"
fi

# The programs' design font, as a Japanese Windows has it (Wine takes the IPA font in its place),
# and a fallback with Japanese glyphs for the title bars.
LC_ALL=C.UTF-8 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null
for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null
done

say "laying out the demo folders"
fs2002='C:\Program Files\Microsoft Games\FS2002'
fs2004='C:\Program Files\Microsoft Games\Flight Simulator 9'
package='C:\Ambrello'
unix() { printf '%s/%s' "$drive_c" "$(printf '%s' "${1#C:\\}" | tr '\\' /)"; }
for fs in "$fs2002" "$fs2004"; do
    mkdir -p "$(unix "$fs")"
    cp tests/fixtures/fsx-template-120-areas.cfg "$(unix "$fs")/scenery.cfg"
done
for area in AFCAD2 ROKJ RJOT RJAF RJSN RJSK RJSA KQ9_Vehicles; do
    scenery="$(unix "$package")/Addon Scenery/Vellmora/$area/Scenery"
    mkdir -p "$scenery"
    printf 'demo scenery file for %s\n' "$area" >"$scenery/$area.bgl"
done
cp "build/windows/bin/Quillet$year.exe" "$(unix "$package")/"

say "writing the registry values"
reg_add() { wine reg add "$1" /v "$2" /d "$3" /f /reg:32 >/dev/null; }
reg_add 'HKLM\Software\Microsoft\Microsoft Games\Flight Simulator\8.0' 'EXE Path' "$fs2002"
reg_add 'HKLM\Software\Microsoft\Microsoft Games\Flight Simulator\9.0' 'EXE Path' "$fs2004"
reg_add 'HKLM\Software\Vellmora\PRQ_DL\Pellarin2' Path "$package\\"
case $language in
ja) reg_add 'HKCU\Control Panel\International' Locale 00000411 ;;
en) reg_add 'HKCU\Control Panel\International' Locale 00000409 ;;
esac
wineserver -w

program="$package\\Quillet$year.exe"
if [ -n "${DISPLAY:-}" ]; then
    say "starting $program on $DISPLAY (close its window to end)"
    cd "$(unix "$package")"
    exec wine "Quillet$year.exe"
fi

shot=$sandbox/screenshot-$year.png
say "no display: running $program under Xvfb for a screenshot"
xvfb-run "${xvfb_args[@]}" bash -c '
    cd "$1" && wine "$2" &
    # Wait (at most 30 s) until the program has a window on screen, then give it a moment to paint.
    for _ in $(seq 300); do
        xwininfo -root -tree 2>/dev/null | grep -q "Ambrello" && break
        sleep 0.1
    done
    sleep 1
    /usr/bin/import -window root "$3"
    wineserver -k
' _ "$(unix "$package")" "Quillet$year.exe" "$shot"
echo "screenshot: $shot"
