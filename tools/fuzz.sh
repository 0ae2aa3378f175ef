#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset: clang, ASan + UBSan), replays the saved regressions,
# then fuzzes each target for a bounded time from a copy of its seed corpus, so the repository is
# never modified. Exits non-zero on any finding; the findings are kept and their folder printed.
#
#   tools/fuzz.sh                 every target, FUZZ_SECONDS (default 60) each
#   tools/fuzz.sh ini_document_fuzz
#   FUZZ_SECONDS=600 tools/fuzz.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${FUZZ_SECONDS:-60}"
build="${FUZZ_BUILD_DIR:-$root/build/fuzz}"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini_document_fuzz scenery_editor_fuzz)

# clang and its fuzzer runtime come from Debian; configuring the tree also needs GoogleTest.
source "$root/tools/common.sh"
ensure_packages clang-14 libclang-rt-14-dev cmake ninja-build libgtest-dev

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target "${targets[@]}" -j2

# The working folder: tmpfs when there is one (the editor fsyncs every save).
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base="${TMPDIR:-/tmp}"
work="$(mktemp -d "$base/quillet-fuzz-run-XXXXXX")"
export QUILLET_FUZZ_TMP="$work/tmp"
mkdir -p "$QUILLET_FUZZ_TMP"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=()
summary=()
for target in "${targets[@]}"; do
    binary="$build/bin/$target"
    out="$work/$target"
    mkdir -p "$out/corpus" "$out/findings"
    cp -r "$root/fuzz/corpus/$target/." "$out/corpus/"
    chmod -R u+w "$out/corpus"

    # Inputs that once found a fault must keep passing.
    regressions=("$root/fuzz/regressions/$target"/*)
    if [ -e "${regressions[0]}" ]; then
        if ! "$binary" "${regressions[@]}" >"$out/regressions.log" 2>&1; then
            failed+=("$target (regression)")
            echo "== $target: a saved regression fails, see $out/regressions.log" >&2
            tail -n 30 "$out/regressions.log" >&2
            continue
        fi
    fi

    echo "== $target: fuzzing for ${seconds}s"
    status=0
    "$binary" "$out/corpus" \
        -dict="$root/fuzz/scenery.dict" \
        -max_total_time="$seconds" \
        -timeout=30 \
        -rss_limit_mb=2048 \
        -print_final_stats=1 \
        -artifact_prefix="$out/findings/" \
        >"$out/fuzz.log" 2>&1 || status=$?
    done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$out/fuzz.log" | tail -n 1 || true)"
    runs="$(sed -n 's/^stat::number_of_executed_units:[[:space:]]*//p' "$out/fuzz.log" | tail -n 1)"
    speed="$(sed -n 's/^stat::average_exec_per_sec:[[:space:]]*//p' "$out/fuzz.log" | tail -n 1)"
    cov="$(sed -nE 's/.* cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+)\/([^ ]+) .*/cov \1, features \2, corpus \3 units (\4)/p' <<<"$done_line")"
    findings="$(find "$out/findings" -type f | wc -l)"
    summary+=("$target: ${runs:-?} runs, ${speed:-?} exec/s, ${cov:-no final line}, findings $findings")
    if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
        failed+=("$target")
        echo "== $target: FINDING (exit $status), inputs in $out/findings, log $out/fuzz.log" >&2
        grep -E 'ERROR|property violated|SUMMARY|runtime error' "$out/fuzz.log" | head -n 10 >&2 || true
    fi
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: findings in ${failed[*]}; kept in $work (copy the input to fuzz/regressions/<target>/ once fixed)" >&2
    exit 1
fi
rm -rf "$work"
echo "fuzz: no findings"
