# Shared by the scripts of tools/: installing what is missing, building a preset, and a
# Wine prefix prepared for the programs. Source it; it changes nothing by itself.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

say() { printf '\n=== %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Runs a command as root: directly when we are root, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        die "need root for: $*  (run as root or install sudo)"
    fi
}

# ensure_packages PKG...: installs the Debian packages that are not installed yet; no apt run when
# all are there. i386 packages (wine32:i386) need the architecture added first.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing: ${missing[*]}"
    if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" </dev/null
}

# What building the Windows programs and running them under Wine needs.
windows_packages=(cmake ninja-build g++-mingw-w64-i686 wine wine32:i386 wine64 xvfb xauth libgtest-dev)
# What the native build and its tests need besides.
native_packages=(g++ libgtest-dev libgmock-dev libbenchmark-dev clang-format)

# build_preset NAME: configures (once) and builds the preset's binary folder, two jobs at most.
build_preset() {
    local preset=$1
    if [ ! -f "$repo/build/$preset/build.ninja" ]; then
        cmake --preset "$preset" -S "$repo" >/dev/null || return 1
    fi
    cmake --build --preset "$preset" -j "${QUILLET_JOBS:-2}"
}

# Wine settings for a prefix at $1: 32-bit, quiet, no Mono/Gecko installer prompts.
wine_env() {
    export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
}

# make_prefix DIR: a fresh 32-bit prefix whose windows close at once without a window manager.
# Needs a display ($DISPLAY); call inside xvfb-run when there is none.
make_prefix() {
    wine_env "$1"
    rm -rf "$1"
    wineboot -i >/dev/null 2>&1 || return 1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || return 1
    wineserver -w
}

# The programs' design font "ＭＳ Ｐゴシック" in the prefix of $WINEPREFIX, as a Japanese Windows has it
# (Wine takes IPA P Gothic of fonts-ipafont-gothic in its place), and a fallback with Japanese
# glyphs for the title bars.
japanese_fonts() {
    LC_ALL=C.UTF-8 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null || return 1
    local face
    for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null || return 1
    done
}

# The Marlett of fonts-wine, which draws the title bars' close box, in the prefix of $WINEPREFIX:
# Debian's Wine does not find it where the package puts it.
marlett_font() {
    [ ! -f /usr/share/wine/fonts/marlett.ttf ] || cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# virtual_desktop WIDTHxHEIGHT: programs of $WINEPREFIX open their windows, frames included, in one
# desktop window of that size.
virtual_desktop() {
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null &&
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$1" /f >/dev/null
}

# The demo machine: a simulator folder of each edition with a real scenery.cfg, the package folder
# with its area folders (each with a small .bgl file), and the registry values that point to them.
demo_fs2002='C:\Program Files\Microsoft Games\FS2002'
demo_fs2004='C:\Program Files\Microsoft Games\Flight Simulator 9'
demo_package='C:\Ambrello'
# c_path PATH: the Unix path of a C: path of $WINEPREFIX.
c_path() { printf '%s/drive_c/%s' "$WINEPREFIX" "$(printf '%s' "${1#C:\\}" | tr '\\' /)"; }
# reg_add KEY NAME TEXT: a text value in the 32-bit view, the one the programs read.
reg_add() { wine reg add "$1" /v "$2" /d "$3" /f /reg:32 >/dev/null; }
demo_machine() {
    local fs area scenery
    for fs in "$demo_fs2002" "$demo_fs2004"; do
        mkdir -p "$(c_path "$fs")" &&
            cp "$repo/tests/fixtures/fsx-template-120-areas.cfg" "$(c_path "$fs")/scenery.cfg" || return 1
    done
    for area in AFCAD2 ROKJ RJOT RJAF RJSN RJSK RJSA KQ9_Vehicles; do
        scenery="$(c_path "$demo_package")/Addon Scenery/Vellmora/$area/Scenery"
        mkdir -p "$scenery" && printf 'demo scenery file for %s\n' "$area" >"$scenery/$area.bgl" || return 1
    done
    reg_add 'HKLM\Software\Microsoft\Microsoft Games\Flight Simulator\8.0' 'EXE Path' "$demo_fs2002" &&
        reg_add 'HKLM\Software\Microsoft\Microsoft Games\Flight Simulator\9.0' 'EXE Path' "$demo_fs2004" &&
        reg_add 'HKLM\Software\Vellmora\PRQ_DL\Pellarin2' Path "$demo_package\\"
}

# set_locale ja|en: the user locale that picks the programs' language.
set_locale() {
    case $1 in
    ja) reg_add 'HKCU\Control Panel\International' Locale 00000411 ;;
    en) reg_add 'HKCU\Control Panel\International' Locale 00000409 ;;
    *) return 1 ;;
    esac
}

# The Windows path (Wine's Z: drive) of a Unix path.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# Xvfb with a screen deep enough for the robot's screen grabs.
xvfb_args=(-a -s "-screen 0 1280x1024x24 -nolisten tcp")
