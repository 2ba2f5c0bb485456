#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60). Fails on
# any finding: a crash, a sanitizer or leak report, a timeout, a memory blow-up
# or a broken check. Findings are kept in build/fuzz/findings/TARGET/.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: ./fuzz.sh [SECONDS]   (per target, default 60)" >&2
    exit 2
fi
source scripts/deps.sh
velmora_install_missing "${velmora_fuzz_packages[@]}"

build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= -DVELMORA_FUZZ=ON \
    -DVELMORA_BUILD_TESTS=OFF -DVELMORA_WEBENGINE=OFF >/dev/null
cmake --build "$build" --target fuzz_all

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp
# The settings target saves a file on every run; in memory that costs no disk syncs.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

mapfile -t targets < <(grep -v '^$' "$build/fuzz-targets.txt")
[ ${#targets[@]} -gt 0 ] || { echo "fuzz.sh: no fuzz targets" >&2; exit 1; }
mkdir -p "$build/logs"
failed=()
for name in "${targets[@]}"; do
    corpus=$build/corpus/$name   # grows from run to run; the seeds stay as committed
    findings=$build/findings/$name
    log=$build/logs/$name.log
    mkdir -p "$corpus" "$findings"
    args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096
          -print_final_stats=1 -artifact_prefix="$findings/")
    [ -f "tests/fuzz/$name.dict" ] && args+=(-dict="tests/fuzz/$name.dict")
    echo "fuzzing $name for ${seconds}s"
    status=0
    "$build/fuzzers/$name" "${args[@]}" "$corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
    executions=$(awk '/stat::number_of_executed_units/ {print $2}' "$log" | tail -1)
    if [ "$status" -ne 0 ]; then
        failed+=("$name")
        echo "  FINDING (exit status $status); the report, from $log:"
        grep -v '^#[0-9]' "$log" | tail -40 | sed 's/^/    /'
    else
        echo "  ${executions:-?} executions, no finding"
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: findings in ${failed[*]}; inputs kept in $build/findings/" >&2
    exit 1
fi
echo "fuzz.sh: ${#targets[@]} targets, no finding"
