# Shared by tools/test.sh and tools/run.sh: installing what is missing, building a preset, and a
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

# The Windows path (Wine's Z: drive) of a Unix path.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# Xvfb with a screen deep enough for the robot's screen grabs.
xvfb_args=(-a -s "-screen 0 1280x1024x24 -nolisten tcp")
