#include "render/svgpicturecheck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QXmlStreamReader>

#include <utility>
#include <vector>

namespace {

// The context of this file's texts in the translations.
struct SvgPicture
{
    Q_DECLARE_TR_FUNCTIONS(SvgPicture)
};

struct Node
{
    std::vector<int> children;
    QString useTarget; // the id a <use> draws
};

// Why an embedded picture may not be drawn; empty when it may. The renderer
// decodes it by its content, and a vector picture inside would be drawn by a
// renderer of its own, unchecked.
QString embeddedImageProblem(const QString &href, qint64 maxPixels)
{
    const qsizetype start = href.lastIndexOf(QLatin1String("base64,"));
    if (start < 0)
        return QString();
    const QByteArray bytes = QByteArray::fromBase64(href.mid(start + 7).toLatin1());
    const QByteArray head = bytes.left(512).trimmed();
    if (head.startsWith('<') || head.startsWith("\x1f\x8b"))
        return SvgPicture::tr(
            "The SVG picture holds a vector picture of its own, which is not drawn.");
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer).size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return SvgPicture::tr("The SVG picture holds an image of %1 x %2 pixels, too many to draw.")
            .arg(size.width())
            .arg(size.height());
    return QString();
}

// The number of elements the document draws, every <use> counted as what it
// refers to, and the deepest chain of nesting and references; walked without
// recursion, since a hostile chain would be deeper than any stack.
QString drawingProblem(const std::vector<Node> &nodes, const QHash<QString, int> &ids,
                       qint64 *elements)
{
    enum State : char { unvisited, visiting, done };
    std::vector<State> state(nodes.size(), unvisited);
    std::vector<qint64> drawn(nodes.size(), 0);
    std::vector<int> depth(nodes.size(), 0);
    auto dependencies = [&](int n) {
        std::vector<int> list = nodes[size_t(n)].children;
        const QString &target = nodes[size_t(n)].useTarget;
        if (!target.isEmpty() && ids.contains(target))
            list.push_back(ids.value(target));
        return list;
    };

    for (int root = 0; root < int(nodes.size()); ++root) {
        if (state[size_t(root)] != unvisited)
            continue;
        std::vector<std::pair<int, std::vector<int>>> stack;
        stack.emplace_back(root, dependencies(root));
        state[size_t(root)] = visiting;
        while (!stack.empty()) {
            auto &[node, pending] = stack.back();
            if (!pending.empty()) {
                const int next = pending.back();
                pending.pop_back();
                if (state[size_t(next)] == visiting)
                    return SvgPicture::tr("The SVG picture refers to itself without end.");
                if (state[size_t(next)] == unvisited) {
                    state[size_t(next)] = visiting;
                    stack.emplace_back(next, dependencies(next));
                }
                continue;
            }
            qint64 count = 1;
            int deepest = 0;
            for (const int dependency : dependencies(node)) {
                count = qMin<qint64>(count + drawn[size_t(dependency)],
                                     qint64(svgPictureElementLimit) + 1);
                deepest = qMax(deepest, depth[size_t(dependency)]);
            }
            drawn[size_t(node)] = count;
            depth[size_t(node)] = deepest + 1;
            state[size_t(node)] = done;
            if (count > svgPictureElementLimit)
                return SvgPicture::tr("The SVG picture draws more than %1 elements.")
                    .arg(svgPictureElementLimit);
            if (deepest + 1 > svgPictureDepthLimit)
                return SvgPicture::tr("The SVG picture nests deeper than %1 levels.")
                    .arg(svgPictureDepthLimit);
            stack.pop_back();
        }
    }
    // Every element lies inside the root, the first one.
    *elements = drawn.front();
    return QString();
}

} // namespace

QString svgPictureProblem(const QByteArray &svg, qint64 maxPixels, qint64 *drawn)
{
    std::vector<Node> nodes;
    QHash<QString, int> ids;
    std::vector<int> open;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            open.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (nodes.size() >= size_t(svgPictureElementLimit))
            return SvgPicture::tr("The SVG picture has more than %1 elements.")
                .arg(svgPictureElementLimit);
        if (open.size() >= size_t(svgPictureDepthLimit))
            return SvgPicture::tr("The SVG picture nests deeper than %1 levels.")
                .arg(svgPictureDepthLimit);

        const int index = int(nodes.size());
        nodes.emplace_back();
        if (!open.empty())
            nodes[size_t(open.back())].children.push_back(index);
        open.push_back(index);

        const QXmlStreamAttributes attributes = reader.attributes();
        const QString id = attributes.value(QLatin1String("id")).toString();
        if (!id.isEmpty() && !ids.contains(id))
            ids.insert(id, index);
        QString href;
        for (const QXmlStreamAttribute &attribute : attributes)
            if (attribute.name() == QLatin1String("href"))
                href = attribute.value().trimmed().toString();
        if (href.isEmpty())
            continue;
        const QStringView name = reader.name();
        if (name == QLatin1String("use") && href.startsWith(QLatin1Char('#'))) {
            nodes.back().useTarget = href.mid(1);
        } else if (name == QLatin1String("image")) {
            // Only pictures carried inside the document: anything else would
            // be read from this computer's disk.
            if (!href.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
                return SvgPicture::tr(
                           "The SVG picture shows the file \u201c%1\u201d, which the gauge does "
                           "not carry.")
                    .arg(href.left(60));
            const QString problem = embeddedImageProblem(href, maxPixels);
            if (!problem.isEmpty())
                return problem;
        }
    }
    if (reader.hasError())
        return SvgPicture::tr("The SVG picture cannot be read: %1 at line %2.")
            .arg(reader.errorString())
            .arg(reader.lineNumber());
    if (nodes.empty())
        return SvgPicture::tr("The SVG picture is empty.");
    qint64 elements = 0;
    const QString problem = drawingProblem(nodes, ids, &elements);
    if (drawn && problem.isEmpty())
        *drawn = elements;
    return problem;
}
