#include "gaugefile/gaugedocument.h"
#include "render/gaugepainter.h"

#include "imageink.h"
#include "testfiles.h"
#include "toolrun.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString sourceDir = QStringLiteral(DIALWRIGHT_SOURCE_DIR);
const QString packagingDir = sourceDir + QStringLiteral("/packaging");
const QString packagingBuildDir = QStringLiteral(DIALWRIGHT_PACKAGING_BUILD_DIR);

QString onlyFile(const QString &dir, const QString &pattern)
{
    const QStringList names = QDir(dir).entryList({pattern}, QDir::Files);
    return names.size() == 1 ? dir + QLatin1Char('/') + names.first() : QString();
}

QString desktopFile() { return onlyFile(packagingDir, QStringLiteral("*.desktop")); }
QString metainfoFile() { return onlyFile(packagingBuildDir, QStringLiteral("*.metainfo.xml")); }
QString mimeFile() { return packagingDir + QStringLiteral("/dialwright-mime.xml"); }

// The keys of the [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    bool inEntry = false;
    const QStringList lines = QString::fromUtf8(readBytes(path)).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

QDomDocument readXml(const QString &path)
{
    QDomDocument document;
    document.setContent(readBytes(path));
    return document;
}

QStringList elementTexts(const QDomDocument &document, const QString &tag)
{
    QStringList texts;
    const QDomNodeList nodes = document.elementsByTagName(tag);
    for (int i = 0; i < nodes.size(); ++i)
        texts.append(nodes.at(i).toElement().text().trimmed());
    return texts;
}

// Lines of a validator's report that are more than suggestions.
QStringList complaints(const QString &report, const QRegularExpression &serious)
{
    QStringList lines;
    for (const QString &line : report.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (serious.match(line).hasMatch())
            lines.append(line);
    }
    return lines;
}

} // namespace

class TestPackagingFiles : public QObject
{
    Q_OBJECT

private slots:
    void desktopEntryValidates();
    void metainfoValidates();
    void mimeTypeCompiles();
    void filesNameEachOther();
    void manualPagesAreClean();
    void renderManualCoversEveryOption();
    void presetsAreWholeDialFaces_data();
    void presetsAreWholeDialFaces();
};

void TestPackagingFiles::desktopEntryValidates()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (tool.isEmpty())
        QSKIP("desktop-file-validate is missing (scripts/setup.sh installs desktop-file-utils)");
    QVERIFY2(!desktopFile().isEmpty(), "expected exactly one .desktop file in packaging/");

    const ToolRun run = runTool(tool, {desktopFile()});
    const QStringList problems =
        complaints(run.output(), QRegularExpression(QStringLiteral("error|warning")));
    QVERIFY2(run.exitCode == 0 && problems.isEmpty(), qPrintable(run.output()));
}

void TestPackagingFiles::metainfoValidates()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (tool.isEmpty())
        QSKIP("appstreamcli is missing (scripts/setup.sh installs appstream)");
    QVERIFY2(!metainfoFile().isEmpty(), "the configured metainfo file is missing");

    const ToolRun run = runTool(tool, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                       QStringLiteral("--no-color"), metainfoFile()});
    // "E:" errors and "W:" warnings fail; "I:" infos and pedantic notes are
    // advice.
    const QStringList problems =
        complaints(run.output(), QRegularExpression(QStringLiteral("^\\s*[EW]:")));
    QVERIFY2(run.exitCode == 0 && problems.isEmpty(), qPrintable(run.output()));

    // Validation runs offline, so at least make sure the addresses are ones a
    // software centre can fetch.
    const QDomDocument metainfo = readXml(metainfoFile());
    QStringList addresses = elementTexts(metainfo, QStringLiteral("url"));
    addresses += elementTexts(metainfo, QStringLiteral("image"));
    for (const QString &address : std::as_const(addresses))
        QVERIFY2(address.startsWith(QLatin1String("https://")), qPrintable(address));
}

void TestPackagingFiles::mimeTypeCompiles()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        QSKIP("update-mime-database is missing (scripts/setup.sh installs shared-mime-info)");

    // The database compiler is strict about the XML; compiling the file on
    // its own into a scratch database shows what a desktop will make of it.
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString mimeDir = scratch.path() + QStringLiteral("/mime");
    QVERIFY(QDir().mkpath(mimeDir + QStringLiteral("/packages")));
    QVERIFY(QFile::copy(mimeFile(), mimeDir + QStringLiteral("/packages/dialwright.xml")));

    // With the scratch folder as the user's data folder the compiler has no
    // cause to remark that it lies outside the folders desktops search.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), scratch.path());
    const ToolRun run = runTool(tool, {mimeDir}, environment);
    QVERIFY2(run.exitCode == 0 && run.err.trimmed().isEmpty(), qPrintable(run.output()));

    QVERIFY(readBytes(mimeDir + QStringLiteral("/globs2"))
                .contains(":application/x-dialwright-gauge:*.gauge"));
    QVERIFY(readBytes(mimeDir + QStringLiteral("/subclasses"))
                .contains("application/x-dialwright-gauge application/json"));
}

void TestPackagingFiles::filesNameEachOther()
{
    // A software centre joins the metainfo to the launcher by file name, the
    // launcher finds its icon by name, and the file manager offers the
    // program for the type the MIME file declares. A typo in any of these
    // names breaks the desktop integration without any validator noticing.
    const QHash<QString, QString> entry = desktopEntry(desktopFile());
    const QString desktopId = QFileInfo(desktopFile()).fileName();
    const QString appId = desktopId.chopped(int(qstrlen(".desktop")));

    const QDomDocument metainfo = readXml(metainfoFile());
    QCOMPARE(elementTexts(metainfo, QStringLiteral("id")), QStringList{appId});
    QCOMPARE(elementTexts(metainfo, QStringLiteral("launchable")), QStringList{desktopId});
    QCOMPARE(QFileInfo(metainfoFile()).fileName(), appId + QStringLiteral(".metainfo.xml"));
    QCOMPARE(entry.value(QStringLiteral("Icon")), appId);
    // The file the file manager opens is handed to the program.
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("dialwright %f"));

    const QDomDocument mime = readXml(mimeFile());
    const QDomElement mimeType = mime.elementsByTagName(QStringLiteral("mime-type")).at(0).toElement();
    const QString type = mimeType.attribute(QStringLiteral("type"));
    QCOMPARE(type, QStringLiteral("application/x-dialwright-gauge"));
    QCOMPARE(mimeType.firstChildElement(QStringLiteral("glob")).attribute(QStringLiteral("pattern")),
             QStringLiteral("*.gauge"));
    QCOMPARE(mimeType.firstChildElement(QStringLiteral("sub-class-of")).attribute(QStringLiteral("type")),
             QStringLiteral("application/json"));
    QVERIFY(entry.value(QStringLiteral("MimeType")).split(QLatin1Char(';')).contains(type));
    QCOMPARE(elementTexts(metainfo, QStringLiteral("mediatype")), QStringList{type});

    QStringList binaries = elementTexts(metainfo, QStringLiteral("binary"));
    binaries.sort();
    QCOMPARE(binaries, (QStringList{QStringLiteral("dialwright"), QStringLiteral("dialwright-render")}));
}

void TestPackagingFiles::manualPagesAreClean()
{
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty())
        QSKIP("groff is missing (scripts/setup.sh installs groff-base)");

    for (const auto &page : {QStringLiteral("dialwright.1"), QStringLiteral("dialwright-render.1")}) {
        const QString path = packagingBuildDir + QStringLiteral("/man-source/") + page;
        QVERIFY2(QFile::exists(path), qPrintable(path));
        // -ww turns on every warning, -z throws the typeset result away.
        const ToolRun run = runTool(groff, {QStringLiteral("-man"), QStringLiteral("-ww"),
                                            QStringLiteral("-z"), path});
        QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(page + QLatin1Char('\n') + run.err));

        const QByteArray source = readBytes(path);
        QVERIFY(!source.isEmpty());
        QVERIFY2(!source.contains('@'), "a configure placeholder was left in the page");
    }
}

void TestPackagingFiles::renderManualCoversEveryOption()
{
#ifndef DIALWRIGHT_RENDER
    QSKIP("dialwright-render is not part of this build");
#else
    const ToolRun help = runTool(QStringLiteral(DIALWRIGHT_RENDER), {QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);

    const QString page =
        QString::fromUtf8(readBytes(packagingBuildDir + QStringLiteral("/man-source/dialwright-render.1")));

    // Every long option the tool offers is documented (troff spells a
    // hyphen "\-").
    QStringList options;
    const QRegularExpression longOption(QStringLiteral("--([a-z][a-z-]*)"));
    for (auto it = longOption.globalMatch(QString::fromUtf8(help.out)); it.hasNext();)
        options.append(it.next().captured(1));
    options.removeDuplicates();
    QVERIFY2(options.size() >= 7, help.out.constData());
    for (const QString &option : std::as_const(options)) {
        const QString spelled = QStringLiteral("\\-\\-") + QString(option).replace(
                                    QLatin1Char('-'), QStringLiteral("\\-"));
        QVERIFY2(page.contains(spelled), qPrintable(QStringLiteral("--") + option));
    }
#endif
}

void TestPackagingFiles::presetsAreWholeDialFaces_data()
{
    QTest::addColumn<QString>("path");
    const QDir presets(sourceDir + QStringLiteral("/presets"));
    const QStringList names = presets.entryList({QStringLiteral("*")}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 4);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << presets.filePath(name);
}

void TestPackagingFiles::presetsAreWholeDialFaces()
{
    QFETCH(QString, path);
    const QFileInfo info(path);

    // The window lists "<name>.gauge" under <name> and loads it back from
    // that text, so a preset's name must not hold a further dot.
    QCOMPARE(info.suffix(), QStringLiteral("gauge"));
    QVERIFY(!info.completeBaseName().contains(QLatin1Char('.')));

    const QByteArray bytes = readBytes(path);
    QList<namedLayer> layers;
    QString error;
    QVERIFY2(readGaugeDocument(bytes, layers, &error), qPrintable(error));

    // A preset is a named layer, or a few that make one face together (a
    // VU scale labels only some of its decibels), the first named like the
    // file, and exactly what the program itself would save for it.
    QVERIFY(!layers.isEmpty() && layers.size() <= 8);
    QCOMPARE(layers.first().name, info.completeBaseName());
    QList<gaugeData> face;
    for (const namedLayer &layer : std::as_const(layers)) {
        QVERIFY(!isDefaultLayer(layer.data));
        face.append(layer.data);
    }
    QCOMPARE(writeGaugeDocument(layers), bytes);

    // Nothing of the face may be cut off by the square it is exported into.
    QImage image(512, 512, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintGaugeLayers(&painter, 512, face);
    painter.end();
    const int inked = inkedPixels(image);
    QCOMPARE(inkedPixels(image, image.rect().adjusted(1, 1, -1, -1)), inked); // none at the edge
    // A default layer inks about 2,000 pixels; every preset is a full face.
    QVERIFY2(inked > 4000, qPrintable(QStringLiteral("only %1 pixels drawn").arg(inked)));
}

// Labels need the font database, hence a GUI application.
QTEST_MAIN(TestPackagingFiles)
#include "test_packagingfiles.moc"
