#pragma once

// Reads PDFs back as a printer would see them: the page size from the
// file, the page itself rasterised by pdftoppm (poppler-utils, installed by
// scripts/setup.sh), and measurements of the ink on it.

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>

constexpr double pointsPerMm = 72.0 / 25.4;

// The first page's MediaBox in PDF points; invalid when there is none.
inline QSizeF pdfMediaBox(const QByteArray &pdf)
{
    static const QRegularExpression box(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)\\s*\\]"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
    if (!m.hasMatch())
        return QSizeF();
    return QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                  m.captured(4).toDouble() - m.captured(2).toDouble());
}

// A poppler tool, or an empty path with the reason in `error`.
inline QString popplerTool(const char *name, QString *error)
{
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (path.isEmpty())
        *error = QStringLiteral("%1 not found: poppler-utils is needed (scripts/setup.sh installs it)")
                     .arg(QString::fromLatin1(name));
    return path;
}

// The first page of the PDF at `dpi` in 8-bit grey; `cropMm`, when valid,
// limits it to that part of the page (millimetres from the top-left corner).
// A null image with the reason in `error` when it cannot be made.
inline QImage rasterisePdf(const QString &pdf, int dpi, QString *error,
                           const QRectF &cropMm = QRectF())
{
    const QString pdftoppm = popplerTool("pdftoppm", error);
    if (pdftoppm.isEmpty())
        return QImage();
    QTemporaryDir dir;
    QStringList arguments{QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                          QStringLiteral("-singlefile")};
    if (cropMm.isValid()) {
        const double pixelsPerMm = dpi / 25.4;
        const QRect crop(int(std::floor(cropMm.left() * pixelsPerMm)),
                         int(std::floor(cropMm.top() * pixelsPerMm)),
                         int(std::ceil(cropMm.width() * pixelsPerMm)),
                         int(std::ceil(cropMm.height() * pixelsPerMm)));
        arguments << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y")
                  << QString::number(crop.y()) << QStringLiteral("-W")
                  << QString::number(crop.width()) << QStringLiteral("-H")
                  << QString::number(crop.height());
    }
    const QString prefix = dir.filePath(QStringLiteral("page"));
    arguments << pdf << prefix;
    QProcess process;
    process.start(pdftoppm, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        *error = QStringLiteral("pdftoppm failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return QImage();
    }
    QImage image(prefix + QStringLiteral(".pgm"));
    if (image.isNull())
        *error = QStringLiteral("pdftoppm wrote no readable page");
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// How much ink a pixel holds, 0 (paper) to 1 (black).
inline double inkAt(const QImage &grey, int x, int y)
{
    return (255 - grey.constScanLine(y)[x]) / 255.0;
}

struct CircleFit
{
    QPointF centre; // pixels from the image's top-left corner
    double radius = 0.0;
    bool valid = false;
};

// The circle that best fits all the ink, each pixel weighted by its ink:
// the algebraic least-squares fit x² + y² = a·x + b·y + c. For a ring of
// even width the ink spreads evenly to either side of the ring's middle
// line, so the radius found is that of the middle line.
inline CircleFit fitInkCircle(const QImage &grey)
{
    // Sums of w·(x, y, 1)ᵀ(x, y, 1) and w·(x, y, 1)·(x² + y²), about the
    // image's centre to keep the numbers small.
    const double ox = grey.width() / 2.0;
    const double oy = grey.height() / 2.0;
    double m[3][3] = {};
    double v[3] = {};
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            const double w = inkAt(grey, x, y);
            if (w <= 0.0)
                continue;
            const double px = x + 0.5 - ox;
            const double py = y + 0.5 - oy;
            const double p[3] = {px, py, 1.0};
            const double r2 = px * px + py * py;
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j)
                    m[i][j] += w * p[i] * p[j];
                v[i] += w * p[i] * r2;
            }
        }
    }
    auto det3 = [](const double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1])
            - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
            + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det3(m);
    CircleFit fit;
    if (std::abs(d) < 1e-9)
        return fit;
    double solution[3];
    for (int k = 0; k < 3; ++k) {
        double mk[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                mk[i][j] = j == k ? v[i] : m[i][j];
        solution[k] = det3(mk) / d;
    }
    const double cx = solution[0] / 2.0;
    const double cy = solution[1] / 2.0;
    fit.centre = QPointF(cx + ox, cy + oy);
    fit.radius = std::sqrt(solution[2] + cx * cx + cy * cy);
    fit.valid = true;
    return fit;
}

// The ink on row `y` between the columns `from` and `to` (excluded), in
// pixels: the width of a line that crosses the row square to it.
inline double inkAcross(const QImage &grey, int y, int from, int to)
{
    double ink = 0.0;
    for (int x = from; x < to; ++x)
        ink += inkAt(grey, x, y);
    return ink;
}
