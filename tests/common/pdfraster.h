#pragma once

// Reads PDFs back as a printer would see them: the page size from the file,
// the page rasterised by pdftoppm (poppler-utils, which scripts/setup.sh
// installs), and the circle the ink on it draws.

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>

#include <cmath>

constexpr double pointsPerMm = 72.0 / 25.4;

// The first page's MediaBox in PDF points; invalid when there is none.
inline QSizeF pdfMediaBox(const QByteArray &pdf)
{
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// Runs a poppler tool, its standard output into `out` (when given); false
// with the reason in `error` when it fails.
inline bool runPoppler(const QString &tool, const QStringList &arguments, QByteArray *out,
                       QString *error)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        *error = tool + QStringLiteral(" failed (poppler-utils, installed by scripts/setup.sh): ")
            + process.errorString() + QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    if (out)
        *out = process.readAllStandardOutput();
    return true;
}

// The part `cropMm` of the first page (millimetres from its top-left
// corner) at `dpi`, in 8-bit grey; a null image with the reason in `error`.
inline QImage rasterisePdf(const QString &pdf, double dpi, const QRectF &cropMm, QString *error)
{
    QTemporaryDir dir;
    const double perMm = dpi / 25.4;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QStringList arguments{QStringLiteral("-r"), QString::number(dpi, 'f', 4),
                          QStringLiteral("-gray"), QStringLiteral("-singlefile")};
    arguments << QStringLiteral("-x") << QString::number(qRound(cropMm.left() * perMm));
    arguments << QStringLiteral("-y") << QString::number(qRound(cropMm.top() * perMm));
    arguments << QStringLiteral("-W") << QString::number(qRound(cropMm.width() * perMm));
    arguments << QStringLiteral("-H") << QString::number(qRound(cropMm.height() * perMm));
    arguments << pdf << prefix;
    if (!runPoppler(QStringLiteral("pdftoppm"), arguments, nullptr, error))
        return QImage();
    return QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

// How much ink a pixel holds, 0 (paper) to 1 (black).
inline double inkAt(const QImage &grey, int x, int y)
{
    return (255 - grey.constScanLine(y)[x]) / 255.0;
}

// The circle x² + y² = a·x + b·y + c that best fits the ink, each pixel
// weighted by its ink (least squares). For a ring of even width the ink lies
// evenly on either side of the ring's middle line, so the radius found is
// that line's. In pixels, from the image's top-left corner; radius 0 when
// there is no ink.
inline double fitInkCircle(const QImage &grey, QPointF *centre)
{
    // About the image's centre, to keep the sums small.
    const double ox = grey.width() / 2.0;
    const double oy = grey.height() / 2.0;
    double m[3][4] = {}; // the normal equations, the right-hand side last
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            const double w = inkAt(grey, x, y);
            const double px = x + 0.5 - ox;
            const double py = y + 0.5 - oy;
            const double p[4] = {px, py, 1.0, px * px + py * py};
            for (int i = 0; w > 0 && i < 3; ++i)
                for (int j = 0; j < 4; ++j)
                    m[i][j] += w * p[i] * p[j];
        }
    }
    // Gaussian elimination; the matrix is symmetric and positive definite.
    for (int i = 0; i < 3; ++i) {
        if (m[i][i] == 0.0)
            return 0.0;
        for (int k = i + 1; k < 3; ++k)
            for (int j = 3; j >= i; --j)
                m[k][j] -= m[i][j] * m[k][i] / m[i][i];
    }
    double s[3];
    for (int i = 2; i >= 0; --i) {
        s[i] = m[i][3];
        for (int j = i + 1; j < 3; ++j)
            s[i] -= m[i][j] * s[j];
        s[i] /= m[i][i];
    }
    const QPointF c(s[0] / 2, s[1] / 2);
    *centre = c + QPointF(ox, oy);
    return std::sqrt(s[2] + c.x() * c.x() + c.y() * c.y());
}
