#include "animation/drivedata.h"

#include "testfiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestDriveData : public QObject
{
    Q_OBJECT

private slots:
    void forms_data();
    void forms();
    void badRows();
    void refused_data();
    void refused();
    void limits();
    void files();
};

namespace {

QList<qint64> warnedLines(const QStringList &warnings)
{
    static const QRegularExpression line(QStringLiteral("^Line (\\d+): "));
    QList<qint64> lines;
    for (const QString &warning : warnings) {
        const QRegularExpressionMatch match = line.match(warning);
        if (match.hasMatch())
            lines.append(match.captured(1).toLongLong());
    }
    return lines;
}

} // namespace

void TestDriveData::forms_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("timeColumn");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<TimedValue>>("samples"); // of the first value column

    QTest::newRow("comma, seconds")
        << QByteArray("time,speed\n0,1\n0.5,2\n1.25,3\n") << "time" << QStringList{"speed"}
        << QList<TimedValue>{{0, 1}, {0.5, 2}, {1.25, 3}};
    QTest::newRow("semicolon, hh:mm:ss, unnamed time first")
        << QByteArray("Zeit;Drehzahl\n00:00:01.5;10\n00:01:00;20\n01:00:00.25;30\n") << "Zeit"
        << QStringList{"Drehzahl"} << QList<TimedValue>{{1.5, 10}, {60, 20}, {3600.25, 30}};
    QTest::newRow("tab, mm:ss") << QByteArray("t\tv\n00:01.5\t1\n01:00\t2\n120:00.125\t3\n") << "t"
                                << QStringList{"v"}
                                << QList<TimedValue>{{1.5, 1}, {60, 2}, {7200.125, 3}};
    QTest::newRow("named time not first")
        << QByteArray("speed,Time (s),rpm\n5,0,100\n6,1,200\n") << "Time (s)"
        << QStringList{"speed", "rpm"} << QList<TimedValue>{{0, 5}, {1, 6}};
    QTest::newRow("unit ms, kept exact") << QByteArray("time [ms],v\n0,1\n1500,2\n") << "time [ms]"
                                         << QStringList{"v"} << QList<TimedValue>{{0, 1}, {1.5, 2}};
    QTest::newRow("uneven, CR line ends")
        << QByteArray("time,v\r0,1\r0.1,2\r5,3\r") << "time" << QStringList{"v"}
        << QList<TimedValue>{{0, 1}, {0.1, 2}, {5, 3}};
    QTest::newRow("byte order mark, CR LF, blank lines")
        << QByteArray("\xef\xbb\xbf\r\ntime,v\r\n\r\n0,1\r\n  \r\n2,3") << "time"
        << QStringList{"v"} << QList<TimedValue>{{0, 1}, {2, 3}};
    QTest::newRow("signs and exponents")
        << QByteArray("t,v\n-1,+2.5\n1e-3,-3E2\n.5,7.\n") << "t" << QStringList{"v"}
        << QList<TimedValue>{{-1, 2.5}, {0.001, -300}, {0.5, 7}};
    QTest::newRow("quoted separator in a name")
        << QByteArray("\"time\",\"a,b\",c\n0,1,2\n") << "time" << QStringList{"a,b", "c"}
        << QList<TimedValue>{{0, 1}};
    QTest::newRow("doubled quotes") << QByteArray("time,\"say \"\"hi\"\"\"\n0,1\n") << "time"
                                    << QStringList{"say \"hi\""} << QList<TimedValue>{{0, 1}};
    QTest::newRow("line break in a quoted name")
        << QByteArray("time;\"two\r\nlines\";x\n0;\"1.5\";2\n") << "time"
        << QStringList{"two\r\nlines", "x"} << QList<TimedValue>{{0, 1.5}};
}

void TestDriveData::forms()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, timeColumn);
    QFETCH(QStringList, names);
    QFETCH(QList<TimedValue>, samples);

    DriveData data;
    QString error;
    QVERIFY2(parseDriveData(csv, &data, &error), qPrintable(error));
    QCOMPARE(data.timeColumn, timeColumn);
    QCOMPARE(data.columnNames(), names);
    QCOMPARE(data.columns.at(0).samples, samples);
    QVERIFY2(warnedLines(data.warnings).isEmpty(), qPrintable(data.warnings.join('\n')));
}

void TestDriveData::badRows()
{
    const QByteArray csv = "time,a,b\n"    // 1
                           "0,1,2\n"       // 2
                           "1,2\n"         // 3 too few fields
                           "x,1,2\n"       // 4 not a time
                           "-0.5,1,2\n"    // 5 goes back
                           "2,abc,3\n"     // 6 not a number
                           "3,1,5,6\n"     // 7 too many fields
                           ",1,2\n"        // 8 no time
                           "4,1.5e,2\n"    // 9 not a number
                           "5,\"1\"x,2\n"  // 10 text after a quote
                           "6,\"2\",\n"    // 11
                           "7,1,5\n"       // 12
                           "00:61.0,1,1\n" // 13 seconds past 59
                           "1:00,1,\n"     // 14 60 s
                           "8,1,2\n"       // 15 goes back
                           "nan,1,2\n"     // 16 not a time
                           "9e999,1,1\n"   // 17 too large
                           "70,1;5,1\n"    // 18 not a number
                           "70,inf,1\n"    // 19 not a number
                           "70,0x10,1\n";  // 20 not a number
    DriveData data;
    QString error;
    QVERIFY2(parseDriveData(csv, &data, &error), qPrintable(error));
    QCOMPARE(warnedLines(data.warnings),
             (QList<qint64>{3, 4, 5, 6, 7, 8, 9, 10, 13, 15, 16, 17, 18, 19, 20}));
    QCOMPARE(data.warnings.size(), 15);
    QCOMPARE(data.rows, 4);
    QCOMPARE(data.columns.at(0).samples, (QList<TimedValue>{{0, 1}, {6, 2}, {7, 1}, {60, 1}}));
    QCOMPARE(data.columns.at(1).samples, (QList<TimedValue>{{0, 2}, {7, 5}}));

    // Past the first few, bad rows are counted, not listed.
    QVERIFY(parseDriveData(csv + QByteArray("x,1,1\n").repeated(25), &data));
    QCOMPARE(warnedLines(data.warnings).size(), driveDataWarningLimit);
    QCOMPARE(data.warnings.size(), driveDataWarningLimit + 1);
    QVERIFY(data.warnings.constLast().endsWith(QLatin1String(": 20.")));
}

void TestDriveData::refused_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("UTF-16") << QByteArray("\xff\xfet\0i\0m\0e\0", 10) << "UTF-16";
    QTest::newRow("no header row") << QByteArray("0,1\n1,2\n") << "header row";
    QTest::newRow("one column") << QByteArray("time\n0\n1\n") << "single column";
    QTest::newRow("no row readable") << QByteArray("time,v\nx,1\n2,1,3\n") << "Line 2:";
    QTest::newRow("no number in any column")
        << QByteArray("time,a,b\n0,,\n1,,\n") << QString::fromUtf8("\u201ca\u201d, \u201cb\u201d");
    QTest::newRow("too many columns")
        << "time" + QByteArray(",v").repeated(driveDataColumnLimit) + "\n0"
        << "columns";
}

void TestDriveData::refused()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, reason);
    DriveData data;
    data.timeColumn = QStringLiteral("kept");
    QString error;
    QVERIFY(!parseDriveData(csv, &data, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(!error.contains('\n'));
    QCOMPARE(data.timeColumn, QStringLiteral("kept"));
    QVERIFY(data.columns.isEmpty());
}

void TestDriveData::limits()
{
    // Reading stops at the row or value that would pass a limit.
    const QByteArray csv = "time,a,b\n0,1,1\n1,2,2\n2,3,3\n3,4,4\n4,5,5\n";
    DriveDataLimits rows;
    rows.rows = 3;
    DriveDataLimits values;
    values.values = 5;
    DriveData data;
    QVERIFY(parseDriveData(csv, &data, nullptr, rows));
    QCOMPARE(data.columns.at(0).samples.size(), 3);
    QCOMPARE(warnedLines(data.warnings), QList<qint64>{5});
    QVERIFY(parseDriveData(csv, &data, nullptr, values));
    QCOMPARE(data.columns.at(1).samples.size(), 2);
    QCOMPARE(warnedLines(data.warnings), QList<qint64>{4});
}

void TestDriveData::files()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("drive.csv"));
    QVERIFY(writeBytes(path, "time,v\n0,1\n1,2\n"));

    DriveData data;
    QString error;
    QVERIFY2(readDriveData(path, &data, &error), qPrintable(error));
    QCOMPARE(data.columns.at(0).samples.size(), 2);

    DriveDataLimits small;
    small.bytes = 10;
    QVERIFY(!readDriveData(path, &data, &error, small));
    QVERIFY2(error.contains(QLatin1String("larger")), qPrintable(error));

    error.clear();
    QVERIFY(!readDriveData(folder.path(), &data, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestDriveData)
#include "test_drivedata.moc"
