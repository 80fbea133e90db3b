#include "targets/cidentifier.h"

#include <QTest>

class TestCIdentifier : public QObject
{
    Q_OBJECT

private slots:
    void fromNames_data();
    void fromNames();
    void identifiers();
};

void TestCIdentifier::fromNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");

    // As LVGL's converter names the variable of the same file.
    QTest::newRow("dash") << "needle-1.png"
                          << "needle_1";
    QTest::newRow("folder and accents") << "/home/u/Gauges/Öl-Druck.png"
                                        << "Ol_Druck";
    QTest::newRow("windows folder") << "C:\\dials\\face.jpeg"
                                    << "face";
    QTest::newRow("a dot that is no file type") << "Boost 1.5"
                                                << "Boost_1_5";
    QTest::newRow("runs and ends") << "__my  -- face__.svg"
                                   << "my_face";
    QTest::newRow("code in the name") << "x\"; int y; (\".png"
                                      << "x_int_y";
    QTest::newRow("leading digit") << "3d face.png"
                                   << "img_3d_face";
    QTest::newRow("C keyword") << "int.png"
                               << "int_";
    QTest::newRow("C++ keyword") << "class"
                                 << "class_";
    QTest::newRow("nothing left") << "---.png"
                                  << "image";
    QTest::newRow("no Latin letters") << "速度.png"
                                      << "image";
}

void TestCIdentifier::fromNames()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QCOMPARE(cIdentifier(name), identifier);
    QVERIFY(isCIdentifier(cIdentifier(name)));
    const QString second = uniqueCIdentifier(name, {identifier});
    const QString third = uniqueCIdentifier(name, {identifier, second});
    QVERIFY(second.endsWith("2") && third.endsWith("3") && isCIdentifier(third));
}

void TestCIdentifier::identifiers()
{
    for (const char *valid : {"a", "Face_2x", "int_"})
        QVERIFY2(isCIdentifier(valid), valid);
    for (const char *invalid :
         {"", "_face", "2face", "my face", "my__face", "naïve", "static", "new", "a/*b*/"})
        QVERIFY2(!isCIdentifier(QString::fromUtf8(invalid)), invalid);
}

QTEST_GUILESS_MAIN(TestCIdentifier)
#include "test_cidentifier.moc"
