// The shared input checks of the network and platform pages.

#include "NetChecks.h"

#include <QRegExpValidator>
#include <QtTest>

class tst_NetChecks : public QObject
{
    Q_OBJECT

private slots:
    void checksTellGoodFromBad_data();
    void checksTellGoodFromBad();
    void localBytesAreCountedExactly();
    void validatorsFilterKeystrokes_data();
    void validatorsFilterKeystrokes();
};

void tst_NetChecks::checksTellGoodFromBad_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");

    for (const char *good : {"0.0.0.0", "255.255.255.255", "192.168.1.255", "001.002.003.004"})
        QTest::addRow("IP %s", good) << "ip" << good << true;
    for (const char *bad : {"", "1.2.3", "1.2.3.4.5", "192.168.1.256", "10.0.0.300", " 1.2.3.4", "a.b.c.d", "1..2.3"})
        QTest::addRow("IP '%s'", bad) << "ip" << bad << false;
    const QString label63(63, 'a');
    for (const QString &good : {QString("a.b"), QString("example.com"), QString("xn--abc.cn"), QString("a-.com"),
                                label63 + ".com"})
        QTest::addRow("domain %s", qPrintable(good.left(20))) << "domain" << good << true;
    for (const QString &bad : {QString("ab"), QString("a.b."), QString("-a.com"), QString("a..com"),
                               QString("exa mple.com"), QString(64, 'a') + ".com"})
        QTest::addRow("domain '%s'", qPrintable(bad.left(20))) << "domain" << bad << false;
    for (const char *good : {"1", "80", "00080", "65535"})
        QTest::addRow("port %s", good) << "port" << good << true;
    for (const char *bad : {"", "0", "65536", "70000", "8o"})
        QTest::addRow("port '%s'", bad) << "port" << bad << false;
    QTest::addRow("a space is not empty") << "empty" << " " << false;
    QTest::addRow("empty") << "empty" << "" << true;
}

void tst_NetChecks::checksTellGoodFromBad()
{
    QFETCH(QString, check);
    QFETCH(QString, text);
    QFETCH(bool, passes);

    if (check == "ip")
        QCOMPARE(NetChecks::isIpv4(text), passes);
    else if (check == "domain")
        QCOMPARE(NetChecks::isDomain(text), passes);
    else if (check == "port")
        QCOMPARE(NetChecks::isPort(text), passes);
    else
        QCOMPARE(NetChecks::isEmptyText(text), passes);
}

void tst_NetChecks::localBytesAreCountedExactly()
{
    QVERIFY(NetChecks::fitsLocalBytes(QString(32, 'a'), 32));
    QVERIFY(!NetChecks::fitsLocalBytes(QString(33, 'a'), 32));
    QVERIFY(NetChecks::fitsLocalBytes(QString(16, QChar(0x4E2D)), 32));
    QVERIFY(!NetChecks::fitsLocalBytes(QString(17, QChar(0x4E2D)), 32));
    // 30 ASCII bytes and a Chinese character crossing 31: the character goes whole.
    const QString crossing = QString(30, 'a') + QChar(0x4E2D) + "b";
    QCOMPARE(NetChecks::cutToLocalBytes(crossing, 31), QString(30, 'a'));
    QCOMPARE(NetChecks::cutToLocalBytes("abc", 31), QString("abc"));
    QCOMPARE(NetChecks::portValue("00080"), 80);
    QCOMPARE(NetChecks::portValue("x"), 0);
}

void tst_NetChecks::validatorsFilterKeystrokes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("digits") << "digits" << "8080" << true;
    QTest::newRow("digits refuse letters") << "digits" << "80a" << false;
    QTest::newRow("ID") << "id" << "Cam_01" << true;
    QTest::newRow("ID refuses a dash") << "id" << "cam-1" << false;
    QTest::newRow("key with backslash and quote") << "key" << "a\\b\"c[]=;'./-" << true;
    QTest::newRow("key refuses a space") << "key" << "a b" << false;
    QTest::newRow("key refuses a comma") << "key" << "a,b" << false;
    QTest::newRow("key refuses a backquote") << "key" << "a`b" << false;
}

void tst_NetChecks::validatorsFilterKeystrokes()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    QObject owner;
    QValidator *validator = kind == "digits" ? NetChecks::digitsValidator(&owner)
            : kind == "id"                   ? NetChecks::idValidator(&owner)
                                             : NetChecks::keyValidator(&owner);
    int at = 0;
    QCOMPARE(validator->validate(text, at) == QValidator::Acceptable, accepted);
}

QTEST_MAIN(tst_NetChecks)
#include "tst_NetChecks.moc"
