// Build-time helper: rasterises the program's SVG icon into the square PNG
// sizes of the icon theme, so the PNGs can never drift from the SVG.
//
//   dialwright-rendericon SOURCE.svg SIZE OUTPUT.png

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: dialwright-rendericon SOURCE.svg SIZE OUTPUT.png\n");
        return 2;
    }

    bool sizeOk = false;
    const int size = args.at(2).toInt(&sizeOk);
    if (!sizeOk || size < 1 || size > 4096) {
        std::fprintf(stderr, "dialwright-rendericon: bad size %s\n", qPrintable(args.at(2)));
        return 2;
    }

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "dialwright-rendericon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();

    QSaveFile file(args.at(3));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        std::fprintf(stderr, "dialwright-rendericon: cannot write %s: %s\n",
                     qPrintable(args.at(3)), qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
