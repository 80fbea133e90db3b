#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and
# undefined-behaviour sanitizers in build-fuzz/, and runs each for a while.
#
#   fuzz/run.sh [--merge] [SECONDS] [TARGET...]
#
# SECONDS is the time per target (default 60); without TARGETs every target
# runs, one after another. New inputs gather in build-fuzz/corpus/TARGET;
# --merge then minimises them together with fuzz/corpus/TARGET back into
# fuzz/corpus/TARGET, ready to commit; inputs there with a name of their own
# (not a libFuzzer hash) are always kept. Crashes are kept in
# build-fuzz/artifacts/TARGET/; add each to fuzz/corpus/TARGET once fixed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
all_targets=(fuzz_documentreader fuzz_roundtrip fuzz_legacyreader fuzz_paint fuzz_svgpicture)

merge=0
if [ "${1:-}" = "--merge" ]; then
    merge=1
    shift
fi
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

# Beyond what scripts/setup.sh installs by itself: clang and its libFuzzer
# and sanitizer runtimes.
"$root/scripts/setup.sh" clang libclang-rt-14-dev

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DDIALWRIGHT_FUZZ=ON \
    -DDIALWRIGHT_BUILD_TESTS=OFF -DDIALWRIGHT_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

dictionary() {
    case $1 in
        fuzz_legacyreader) echo "$root/fuzz/legacy.dict" ;;
        fuzz_svgpicture) echo "$root/fuzz/svg.dict" ;;
        *) echo "$root/fuzz/gauge.dict" ;;
    esac
}

export ASAN_OPTIONS=malloc_context_size=0
export QT_QPA_PLATFORM=offscreen
for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$work" "$artifacts" "$root/fuzz/corpus/$target"
    echo "== $target for $seconds s"
    "$build/fuzz/$target" -max_len=4096 -timeout=20 -max_total_time="$seconds" \
        -print_final_stats=1 -dict="$(dictionary "$target")" \
        -artifact_prefix="$artifacts/" \
        "$work" "$root/fuzz/corpus/$target" "$root/fuzz/seeds" 2>&1 |
        grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|==[0-9]+==ERROR|SUMMARY|Test unit written)' || true
    if [ $merge -eq 1 ]; then
        merged="$build/merged/$target"
        rm -rf "$merged"
        mkdir -p "$merged"
        "$build/fuzz/$target" -merge=1 -max_len=4096 "$merged" \
            "$root/fuzz/corpus/$target" "$work" 2>&1 | grep -E 'MERGE-OUTER: [0-9]+ new files' || true
        # Inputs kept by name (ones that once broke a target, hostile files)
        # stay whether or not they add coverage.
        for input in "$root/fuzz/corpus/$target"/*; do
            [[ -f $input && ! $(basename "$input") =~ ^[0-9a-f]{40}$ ]] && cp "$input" "$merged/"
        done
        rm -rf "$root/fuzz/corpus/$target"
        mv "$merged" "$root/fuzz/corpus/$target"
        echo "   $(ls "$root/fuzz/corpus/$target" | wc -l) inputs in fuzz/corpus/$target"
    fi
done
