#!/usr/bin/env bash
# Runs every test of the project on Debian 12: the native unit tests, the same again under
# AddressSanitizer + UndefinedBehaviorSanitizer, the fuzz targets, and the end-to-end tests of
# both programs under Wine + Xvfb. Installs what is missing first (as root, or through sudo).
#
# As root, the Wine part runs as the ordinary user "quillet" (created when missing): Wine run by
# root writes to read-only files, which some scenarios must see refused.
#
# tools/test.sh native asan fuzz e2e: only the parts named (default: all four; fuzz runs each
# libFuzzer target for about a minute under ASan + UBSan).
# Environment: QUILLET_JOBS (build jobs, default 2), QUILLET_E2E_FILTER (a --gtest_filter for the
# end-to-end tests), QUILLET_E2E_USER (the user for the Wine part when run as root).
set -uo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo"

results=()   # "name|seconds|ok or FAILED|passed|failed"
failures=0
passed_total=0
failed_total=0

# step NAME COMMAND...: runs one step, times it, records its outcome.
step() {
    local name=$1 start status
    shift
    say "$name"
    start=$(date +%s)
    "$@"
    status=$?
    local seconds=$(( $(date +%s) - start ))
    [ $status -eq 0 ] || failures=$((failures + 1))
    results+=("$name|$seconds|$([ $status -eq 0 ] && echo ok || echo FAILED)|${counted_passed:--}|${counted_failed:--}")
    counted_passed='' counted_failed=''
    return 0
}

# count_junit FILE: reads the test and failure counts of a JUnit/GoogleTest XML report.
count_junit() {
    local head tests failures errors skipped disabled
    [ -f "$1" ] || { counted_passed=0 counted_failed=0; return; }
    # The attributes of the first <testsuites> or <testsuite> element, which may span lines.
    head=$(tr '\n\t' '  ' <"$1" | grep -o -m1 '<testsuites\? [^>]*' | head -n1)
    attribute() { sed -n "s/.* $1=\"\([0-9]*\)\".*/\1/p" <<<"$head"; }
    tests=$(attribute tests) failures=$(attribute failures) errors=$(attribute errors)
    skipped=$(attribute skipped) disabled=$(attribute disabled)
    counted_failed=$(( ${failures:-0} + ${errors:-0} ))
    counted_passed=$(( ${tests:-0} - counted_failed - ${skipped:-0} - ${disabled:-0} ))
    passed_total=$((passed_total + counted_passed))
    failed_total=$((failed_total + counted_failed))
}

install_packages() {
    ensure_packages "${native_packages[@]}" "${windows_packages[@]}"
}

# native_tests PRESET: builds the preset and runs its tests with CTest.
native_tests() {
    local preset=$1 report="$repo/build/$1-ctest.xml"
    rm -f "$report"
    build_preset "$preset" || return 1
    ctest --preset "$preset" -j "${QUILLET_JOBS:-2}" --output-junit "$report"
    local status=$?
    count_junit "$report"
    return $status
}

# The folder the Wine part works in, owned by the user who runs it: prefix, programs, fixtures.
e2e_tests() {
    local work="$repo/build/e2e" user status
    if [ "$(id -u)" -eq 0 ]; then
        user=${QUILLET_E2E_USER:-quillet}
        id -u "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user" || return 1
        # The user must reach the work folder; a checkout below a private home cannot be reached.
        mkdir -p "$work" && chown "$user:" "$work"
        if ! runuser -u "$user" -- test -w "$work"; then
            work=/var/tmp/quillet-e2e
            rm -rf "$work" && mkdir -p "$work" && chown "$user:" "$work"
        fi
    fi
    rm -rf "$work/bin" "$work/fixtures" "$work/tools" "$work/report.xml"
    mkdir -p "$work"
    cp -r build/windows/bin "$work/bin" && cp -r tests/fixtures "$work/fixtures" && mkdir "$work/tools" &&
        cp tools/common.sh tools/e2e-wine.sh "$work/tools/" || return 1
    # The disk-full scenario's drive F:: a 64 KiB tmpfs, which only root can mount; without it
    # that scenario is skipped.
    local full="$work/full" mounted=''
    if [ -n "${user:-}" ]; then
        mountpoint -q "$full" && umount "$full"
        mkdir -p "$full" && mount -t tmpfs -o "size=64k,mode=0755,uid=$(id -u "$user"),gid=$(id -g "$user")" \
            tmpfs "$full" 2>/dev/null && mounted=1
    fi
    [ -n "$mounted" ] || echo "note: no 64 KiB tmpfs could be mounted (needs root): the disk-full scenario is skipped"
    if [ -n "${user:-}" ]; then
        chown -R "$user:" "$work"
        runuser -u "$user" -- env HOME="$work" PATH="$PATH" QUILLET_E2E_FILTER="${QUILLET_E2E_FILTER:-}" \
            QUILLET_E2E_FULL_DRIVE="${mounted:+$full}" bash "$work/tools/e2e-wine.sh" "$work"
    else
        bash "$work/tools/e2e-wine.sh" "$work"
    fi
    status=$?
    [ -z "$mounted" ] || umount "$full"
    count_junit "$work/report.xml"
    return $status
}

# Which parts to run: all by default, or those named (native, asan, fuzz, e2e).
parts=${*:-native asan fuzz e2e}
for part in $parts; do
    case $part in native | asan | fuzz | e2e) ;; *) die "usage: tools/test.sh [native] [asan] [fuzz] [e2e]" ;; esac
done
wanted() { [[ " $parts " == *" $1 "* ]]; }

started=$(date +%s)
step "install missing packages" install_packages
[ $failures -eq 0 ] || die "cannot install the packages the tests need"
wanted native && step "native unit tests" native_tests native
wanted asan && step "native unit tests under ASan + UBSan" native_tests native-asan
wanted fuzz && step "fuzz targets under ASan + UBSan (60 s each)" bash tools/fuzz.sh
if wanted e2e; then
    step "Windows build (MinGW-w64, i686)" build_preset windows
    if [ -f build/windows/bin/quillet_e2e.exe ]; then
        step "end-to-end tests under Wine" e2e_tests
    else
        results+=("end-to-end tests under Wine|0|FAILED (no build)|-|-")
        failures=$((failures + 1))
    fi
fi

say "summary ($(( $(date +%s) - started )) s in all)"
printf '%-42s %8s  %-8s %7s %7s\n' step seconds result passed failed
for row in "${results[@]}"; do
    IFS='|' read -r name seconds result passed failed <<<"$row"
    printf '%-42s %8s  %-8s %7s %7s\n' "$name" "$seconds" "$result" "$passed" "$failed"
done
echo
[ $failures -eq 0 ] && echo "All steps passed." || echo "$failures step(s) FAILED."
echo "tests: $passed_total passed, $failed_total failed"
[ $failures -eq 0 ]
