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

# Runs "$@" on the user's display or, without one, on a private Xvfb.
on_display() {
    if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run "${xvfb_args[@]}" "$@"; fi
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "creating the sandbox Wine prefix in $WINEPREFIX (once)"
    mkdir -p "$sandbox"
    on_display bash -c 'source "$1"; make_prefix "$2"' _ "$repo/tools/common.sh" "$WINEPREFIX"
fi

japanese_fonts
marlett_font
say "laying out the demo folders and writing the registry values"
demo_machine
package=$demo_package
cp "build/windows/bin/Quillet$year.exe" "$(c_path "$package")/"
[ -z "$language" ] || set_locale "$language"
wineserver -w

program="$package\\Quillet$year.exe"
if [ -n "${DISPLAY:-}" ]; then
    say "starting $program on $DISPLAY (close its window to end)"
    cd "$(c_path "$package")"
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
' _ "$(c_path "$package")" "Quillet$year.exe" "$shot"
echo "screenshot: $shot"
