#!/usr/bin/env bash
# Builds the hostile gauge files that once made dialwright-render misbehave
# and runs the tool on each under /usr/bin/time, printing exit status,
# seconds and peak memory. Figures, not a test.
#
#   bench/hostile-inputs.sh [path/to/dialwright-render] [work folder]
#
# Each run is capped at 4 GB of address space and 120 seconds, so a
# regression shows as "killed" instead of taking the machine down.
set -uo pipefail

render=${1:-build/src/cli/dialwright-render}
work=${2:-$(mktemp -d)}
mkdir -p "$work"
in="$work/in"
out="$work/out"
mkdir -p "$in" "$out"

# A string of n copies of a character.
repeat() { head -c "$2" /dev/zero | tr '\0' "$1"; }

# Label font families that break XML attributes.
printf '{"layers":[{"ticks":{"font":{"family":"x\\" onmouseover=\\"alert(1)"}}}]}' \
    > "$in/injection.gauge"
printf '{"layers":[{"ticks":{"font":{"family":"Foo & Bar <b>"}}}]}' > "$in/ampersand.gauge"
# A 1 KB layer name on four million primary ticks.
printf '{"layers":[{"name":"%s","divisions":[{"count":3999999}]}]}' "$(repeat n 1024)" \
    > "$in/long-name.gauge"
# A million trivial layers in 2 MB, and as many as fit in 64 MiB.
{ printf '{"layers":['; repeat 1 999999 | sed 's/1/1,/g'; printf '1]}'; } > "$in/million-layers.gauge"
{ printf '{"layers":['; repeat 1 33554000 | sed 's/1/1,/g'; printf '1]}'; } > "$in/64mib-layers.gauge"
# A 288-byte file of an earlier version whose ticks alternate between two
# pens: one SVG group per tick.
legacy="0,360,0.5,0,0,550000,2,1,0.8,0.9,0.95,1,1,1,1,2,0,#ffffff,#ff0000,#ffffff,0,0,0,0,0,0,0,0,0,1,1,1,1,0,0,0,0,#00ff00,#ffff00,#ff0000,#ffffff,0,0,1,0,0.74,0,0,Sans Serif,10,-1,5,400,0,0,0,0,0,0,0,0,0,0,1,#ffffff"
printf '%s' "$legacy" > "$in/legacy-pens.gauge"
# A 1 MB label font family on 5,000 labels.
printf '{"layers":[{"divisions":[{"count":4999}],"ticks":{"font":{"family":"%s"}}}]}' \
    "$(repeat f 1048576)" > "$in/family-1mb.gauge"
# 100 bytes: four million primary ticks whose values have 309 digits.
printf '{"layers":[{"divisions":[{"count":3999998}],"ticks":{"start":1e308,"increment":-1e300}}]}' \
    > "$in/huge-values.gauge"
# An arc starting near the largest double.
printf '{"layers":[{"arcs":[{"startAngle":1e308,"angleLength":10}]}]}' > "$in/huge-angle.gauge"

run() {
    local name=$1
    shift
    local log="$work/time.log"
    (ulimit -v 4194304; QT_QPA_PLATFORM=offscreen timeout 120 /usr/bin/time -v "$render" "$@" \
        >/dev/null 2>"$log")
    local status=$?
    local seconds memory
    seconds=$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$log")
    memory=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$log")
    local message
    message=$(grep -v -e '^\s' -e 'Command' -e 'XDG_RUNTIME_DIR' "$log" | head -1 | cut -c1-110)
    printf '%-34s exit %-3s %9s  %7s MB  %s\n' "$name" "$status" "${seconds:-?}" \
        "$(( ${memory:-0} / 1024 ))" "$message"
    rm -f "$out"/*
}

printf '%s, inputs in %s\n' "$render" "$in"
for f in "$in"/*.gauge; do
    printf '  %-26s %10d bytes\n' "$(basename "$f")" "$(stat -c %s "$f")"
done
for f in injection ampersand huge-angle legacy-pens family-1mb; do
    run "$f --svg" --svg "$out/x.svg" "$in/$f.gauge"
done
for f in legacy-pens family-1mb huge-angle; do
    run "$f --png 4096" --size 4096 --png "$out/x.png" "$in/$f.gauge"
done
run "long-name --keyframes" --keyframes "$out/x.csv" "$in/long-name.gauge"
run "huge-values --keyframes" --keyframes "$out/x.csv" "$in/huge-values.gauge"
for f in million-layers 64mib-layers family-1mb; do
    run "$f --gauge" --gauge "$out/x.gauge" "$in/$f.gauge"
    run "$f --svg" --svg "$out/x.svg" "$in/$f.gauge"
done
