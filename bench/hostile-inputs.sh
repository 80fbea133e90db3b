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

# Pictures and texts of a shared gauge file: stylesheets on devices, images
# that name local files, pixel bombs, <use> fan-outs in every spelling, an
# SVG inside an SVG behind a byte-order mark, huge texts, labels beyond the
# end of their list and a table of millions of points.
python3 - "$in" <<'EOF'
import base64, json, os, struct, sys, zlib

out = sys.argv[1]
fifo = os.path.join(out, "fifo")  # made below, before the runs

def png(width, height, depth=2):
    # Grey, `depth` bits a pixel, all black: a few kilobytes that decode to
    # width x height pixels.
    row = b"\0" + b"\0" * ((width * depth + 7) // 8)
    raw = zlib.compress(row * height, 9)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, 0, 0, 0, 0))
            + chunk(b"IDAT", raw) + chunk(b"IEND", b""))

HEAD = ("<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
        "viewBox='0 0 10 10'>")
b64 = lambda data: base64.b64encode(data).decode()
small = b64(png(4, 4, 8))
bomb = b64(png(4096, 4096))

def picture(data, fmt="svg"):
    if isinstance(data, str):
        data = data.encode()
    return {"data": b64(data), "format": fmt, "width": 1.0, "x": 0, "y": 0}

def layer(**extra):
    l = {"name": "Hostile", "divisions": [{"count": 4}, {"count": 1}, {"count": 1}]}
    l.update(extra)
    return l

def write(name, layers):
    with open(os.path.join(out, name + ".gauge"), "w") as f:
        json.dump({"format": "dialwright.gauge", "version": 2, "layers": layers}, f)

def fanout(width, levels, spell):
    # Each level draws the one below it `width` times.
    ref = {"xmlid": "xlink:href='#l{}'", "nohash": "xlink:href='xl{}'",
           "href": "href='xl{}'"}[spell]
    idattr = "id" if spell != "xmlid" else "xml:id"
    s = HEAD + "<defs><g id='l0'><circle r='1'/></g>"
    for level in range(1, levels + 1):
        s += "<g {}='l{}'>".format(idattr, level)
        s += ("<use " + ref.format(level - 1) + "/>") * width
        s += "</g>"
    return s + "</defs><use " + ref.format(levels) + "/></svg>"

sheet = "<?xml version='1.0'?><?xml-stylesheet type='text/css' href='{}'?>" + HEAD + "<circle r='4'/></svg>"
write("01-stylesheet-dev-zero", [layer(pictures=[picture(sheet.format("/dev/zero"))])])
write("02-stylesheet-fifo", [layer(pictures=[picture(sheet.format(fifo))])])
local = HEAD + "<image width='10' height='10' xlink:href='{}' href='data:image/png;base64,{}'/></svg>"
write("03-image-two-hrefs", [layer(pictures=[picture(local.format("/etc/hostname", small))])])
write("03b-image-fifo", [layer(pictures=[picture(local.format(fifo, small))])])
images = HEAD + ("<image width='10' height='10' xlink:href='data:image/png;base64," + bomb + "'/>") * 250 + "</svg>"
write("04-svg-250-pixel-bombs", [layer(pictures=[picture(images)])])
write("05-10x200-pixel-bombs", [layer(pictures=[picture(png(4096, 4096), "png")] * 200) for _ in range(10)])
write("06-use-fanout-nohash", [layer(pictures=[picture(fanout(100, 3, "nohash"))])])
write("06b-use-fanout-xmlid", [layer(pictures=[picture(fanout(100, 3, "xmlid"))])])
text = {"text": "W" * 10000, "x": 0, "y": 0, "font": {"size": 60}, "rotation": 33}
write("07-200-long-texts", [layer(texts=[dict(text, rotation=i) for i in range(200)])])
labels = layer(divisions=[{"count": 2147483647}, {"count": 1}, {"count": 1}],
               ticks={"enabled": True, "texts": ["A"]})
write("08-billions-of-labels", [labels])
write("08b-two-layers", [labels, labels])
inner = "\ufeff" + HEAD + "<image width='10' height='10' xlink:href='/etc/hostname'/></svg>"
nested = HEAD + "<image width='10' height='10' xlink:href='data:image/svg+xml;base64," + b64(inner.encode()) + "'/></svg>"
write("09-svg-inside-svg-with-bom", [layer(pictures=[picture(nested)])])
write("10-use-fanout-20x4", [layer(pictures=[picture(fanout(20, 4, "href"))])])
write("11-use-fanout-140", [layer(pictures=[picture(fanout(140, 3, "nohash"))])])
points = [[i, i / 5.5e6] for i in range(5_500_000)]
write("12-table-5.5M-points", [layer(scale={"type": "table", "from": 0, "to": 1, "points": points})])
EOF
rm -f "$in/fifo"
mkfifo "$in/fifo"

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
for f in "$in"/[0-9][0-9]-*.gauge "$in"/[0-9][0-9][a-z]-*.gauge; do
    name=$(basename "$f" .gauge)
    run "$name 4096" --size 4096 --png "$out/x.png" --svg "$out/x.svg" "$f"
done
run "12-table-5.5M-points --gauge" --gauge "$out/x.gauge" "$in/12-table-5.5M-points.gauge"
rm -f "$in/fifo"
