#include "targets/targetset.h"

#include "export/imageexport.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The gauge for a web page: the face as inline SVG under the needles' SVG,
// whose groups (class "needle", turned about the pivot by their transform,
// a shadow's group just before its needle) the script turns. The values go
// through each needle's table, as on the displays, and the needles move to
// them with an easing the page may choose. Nothing is fetched.

namespace {

// The script both files share: setup(root) finds the needles under root,
// setValue(name, value, options) turns them.
constexpr char script[] = R"JS(
const easings = {
  linear: (t) => t,
  easeIn: (t) => t * t,
  easeOut: (t) => t * (2 - t),
  easeInOut: (t) => (t < 0.5 ? 2 * t * t : -1 + (4 - 2 * t) * t),
};
let defaults = { duration: 400, easing: easings.easeInOut };
let needles = [];

function angleAt(table, value) {
  const rows = table.rows;
  const first = rows[0], last = rows[rows.length - 1];
  let turned = 0;
  if (table.free && last[0] > first[0]) {
    const turns = Math.floor((value - first[0]) / (last[0] - first[0]));
    value -= turns * (last[0] - first[0]);
    turned = turns * (last[1] - first[1]);
  }
  if (!(value > first[0])) return first[1] + turned;
  if (!(value < last[0])) return last[1] + turned;
  let low = 0, high = rows.length - 1;
  while (high - low > 1) {
    const middle = (low + high) >> 1;
    if (rows[middle][0] <= value) low = middle; else high = middle;
  }
  const a = rows[low], b = rows[high];
  return a[1] + ((value - a[0]) / (b[0] - a[0])) * (b[1] - a[1]) + turned;
}

function setup(root) {
  needles = Array.from(root.querySelectorAll('g.needle')).map((group, i) => {
    const turn = /rotate\(([^ ]+) ([^ ]+) ([^ )]+)\)/.exec(group.getAttribute('transform'));
    // The needle's shadow comes before it, with groups of no content between.
    let shadow = null;
    for (let e = group.previousElementSibling; e && !e.classList.contains('needle'); e = e.previousElementSibling) {
      if (e.classList.contains('needle-shadow')) {
        shadow = e.querySelector(':scope > g[transform^="rotate("]');
        break;
      }
    }
    return { name: group.getAttribute('data-name'), groups: shadow ? [group, shadow] : [group],
             table: tables[i], angle: Number(turn[1]), x: turn[2], y: turn[3], frame: 0 };
  });
}

function turn(needle, angle) {
  needle.angle = angle;
  for (const group of needle.groups)
    group.setAttribute('transform', 'rotate(' + angle + ' ' + needle.x + ' ' + needle.y + ')');
}

// Turns the needles called `name` (every needle when it is null) to
// `value`; options.duration in milliseconds and options.easing, a function
// of 0..1 or the name of one in easings, override the defaults.
function setValue(name, value, options = {}) {
  const duration = options.duration ?? defaults.duration;
  let easing = options.easing ?? defaults.easing;
  if (typeof easing === 'string') easing = easings[easing] || easings.linear;
  for (const needle of needles) {
    if (name != null && needle.name !== name) continue;
    const from = needle.angle, to = angleAt(needle.table, Number(value));
    cancelAnimationFrame(needle.frame);
    if (!(duration > 0)) { turn(needle, to); continue; }
    const start = performance.now();
    const step = (now) => {
      const t = Math.min(1, (now - start) / duration);
      turn(needle, from + (to - from) * easing(t));
      if (t < 1) needle.frame = requestAnimationFrame(step);
    };
    needle.frame = requestAnimationFrame(step);
  }
}

// The duration and easing that setValue uses unless told otherwise.
function setAnimation(options) { defaults = { ...defaults, ...options }; }
)JS";

// Text as a JavaScript string that is safe inside a <script> element.
QByteArray jsString(const QByteArray &text)
{
    QByteArray json = QJsonDocument(QJsonArray{QString::fromUtf8(text)}).toJson(QJsonDocument::Compact);
    json = json.mid(1, json.size() - 2);
    return json.replace("<", "\\u003c");
}

// The SVG element alone, without the XML declaration before it.
bool svgElement(const AssetSet &set, needleDrawing needles, QByteArray *svg, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SvgExportOptions options;
    options.needles = needles;
    if (!writeGaugeSvg(set.layers, set.size, &buffer, error, options))
        return false;
    const QByteArray text = buffer.data();
    const qsizetype start = text.indexOf("<svg");
    if (start < 0)
        return false;
    // Laid over each other in the page.
    *svg = "<svg style=\"position:absolute;left:0;top:0\"" + text.mid(start + 4).trimmed();
    return true;
}

} // namespace

bool webGaugeFiles(const AssetSet &set, QList<AssetFile> *files, QString *error)
{
    QByteArray face;
    QByteArray needleGroups;
    if (!svgElement(set, needleDrawing::none, &face, error)
        || !svgElement(set, needleDrawing::only, &needleGroups, error))
        return false;
    QJsonArray tables;
    for (const NeedleAsset &needle : set.needles) {
        QJsonArray rows;
        for (const NeedleAngle &row : needle.table)
            rows.append(QJsonArray{row.value, row.angle});
        tables.append(QJsonObject{{"name", needle.name}, {"free", needle.free}, {"rows", rows}});
    }
    const QByteArray tablesJs = "const tables = "
        + QJsonDocument(tables).toJson(QJsonDocument::Compact).replace("<", "\\u003c") + ";\n";
    const QByteArray size = QByteArray::number(set.size);

    QByteArray html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                      "<title>Gauge</title>\n<style>\nhtml, body { margin: 0; background: "
                      "#202020; }\n.gauge { position: relative; width: " + size
        + "px; height: " + size + "px; }\n</style>\n</head>\n<body>\n<div class=\"gauge\" "
                                  "id=\"gauge\">\n"
        + face + '\n' + needleGroups + "\n</div>\n<script>\n"
        + "// gauge.setValue(name, value, {duration, easing}) turns the needles called name.\n"
        + "window.gauge = (function () {\n" + tablesJs + script
        + "setup(document.getElementById('gauge'));\n"
          "return { setValue, setAnimation, easings };\n})();\n</script>\n</body>\n</html>\n";

    QByteArray module = "// The gauge as an ES module: mount(parent) adds it to the page,\n"
                        "// setValue(name, value, {duration, easing}) turns the needles called name.\n";
    module += "const faceSvg = " + jsString(face) + ";\n";
    module += "const needleSvg = " + jsString(needleGroups) + ";\n";
    module += tablesJs + script;
    module += "\nexport function mount(parent) {\n"
              "  const root = document.createElement('div');\n"
              "  root.style.position = 'relative';\n"
              "  root.style.width = root.style.height = '" + size + "px';\n"
              "  root.innerHTML = faceSvg + needleSvg;\n"
              "  parent.appendChild(root);\n"
              "  setup(root);\n"
              "  return root;\n}\n\nexport { setValue, setAnimation, easings };\n";
    files->append({QStringLiteral("gauge.html"), html});
    files->append({QStringLiteral("gauge.js"), module});
    return true;
}
