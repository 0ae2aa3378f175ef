#!/usr/bin/env bash
# Remakes the README's screenshots in docs/: tools/screenshots.sh
#
# Builds what is missing, prepares a Wine prefix of its own in build/screenshots/prefix (a virtual
# desktop, so that the windows have their frames; the Japanese font; the demo folders and registry
# values of tools/run.sh), and runs tests/e2e/stubs/Shoot.exe under Xvfb for each edition and
# language: it starts the program, opens its dialogs and grabs each window. ImageMagick turns the
# grabs into 8-bit palette PNGs: docs/quillet<year>-<ja|en>-<main|support|airports>.png.
# QUILLET_WINDOWS_BUILD names another build folder of the windows preset (default build/windows).
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo"

ensure_packages "${windows_packages[@]}" fonts-ipafont-gothic fonts-wine imagemagick
build=${QUILLET_WINDOWS_BUILD:-build/windows}
say "building the programs and Shoot.exe in $build"
[ -f "$build/build.ninja" ] || cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" -j "${QUILLET_JOBS:-2}" --target Quillet2002 Quillet2004 e2e_stub_Shoot

work=$repo/build/screenshots
rm -rf "$work"
mkdir -p "$work/grabs"
wine_env "$work/prefix"
say "making the prefix and the screenshots under Xvfb"
timeout 600 xvfb-run "${xvfb_args[@]}" bash -c '
    set -e
    source "$1/tools/common.sh"
    make_prefix "$WINEPREFIX"
    virtual_desktop 1024x768
    japanese_fonts
    marlett_font
    demo_machine
    cp "$2/bin/Quillet2002.exe" "$2/bin/Quillet2004.exe" "$(c_path "$demo_package")/"
    wineserver -w && wineserver -p
    for year in 2002 2004; do
        for language in ja en; do
            set_locale $language
            wine "$2/bin/stubs/Shoot.exe" $year "$demo_package\\Quillet$year.exe" "$(winpath "$3")" \
                "quillet$year-$language" || { cat "$3/quillet$year-$language.log" >&2; exit 1; }
        done
    done
    wineserver -k
' _ "$repo" "$repo/$build" "$work/grabs"

say "converting to docs/"
mkdir -p docs
# The support dialog is the same in both editions: the FS2002 edition's grabs stand for both.
for grab in "$work"/grabs/quillet2004-*-main.bmp "$work"/grabs/quillet2002-*.bmp; do
    png=docs/$(basename "${grab%.bmp}").png
    convert "$grab" +dither -colors 256 -strip "PNG8:$png"
    echo "$png"
done
