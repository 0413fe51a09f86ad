// The Wi-Fi static IP page: the address checks and their hints, the record
// through the simulated camera, and how often the page asks.

#include "NetworkProWnd.h"
#include "PageFixture.h"
#include "WifiStaticParamWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

constexpr quint32 kGetStatic = 47;
constexpr quint32 kSetStatic = 46;
const char *const kFields[] = {"ipAddress", "ipMask", "gateway", "dnsAddress_1", "dnsAddress_2"};

// Addresses as their four bytes (they may hold zeros).
QByteArray staticRecord(const char *ip, const char *mask, qint32 dhcp, qint32 dnsMode, const char *gateway,
                        const char *dns1, const char *dns2)
{
    QByteArray record(36, '\0');
    record.replace(0, 4, ip, 4);
    record.replace(4, 4, mask, 4);
    qToLittleEndian(dhcp, record.data() + 16);
    qToLittleEndian(dnsMode, record.data() + 20);
    record.replace(24, 4, gateway, 4);
    record.replace(28, 4, dns1, 4);
    record.replace(32, 4, dns2, 4);
    return record;
}

} // namespace

class tst_WifiStaticParamWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture);
        m_fixture->loginTo(PageFixture::profile("G3-12"));
    }
    void cleanup() { m_fixture.reset(); }

    void theFirstBadAddressShowsItsHintAndNothingIsSent_data();
    void theFirstBadAddressShowsItsHintAndNothingIsSent();
    void aSaveWithoutEditsSendsTheRecordBack_data();
    void aSaveWithoutEditsSendsTheRecordBack();
    void addressesAreTrimmedAndReadAsDecimal();
    void aRefusedRequestShowsOneFailure();
    void everySelectionAsksOnceMoreThanTheConstructor();

private:
    WifiStaticParamWnd *showPage()
    {
        return m_fixture->show<WifiStaticParamWnd>();
    }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_WifiStaticParamWnd::theFirstBadAddressShowsItsHintAndNothingIsSent_data()
{
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    const QString good = "192.168.1.255";
    QTest::newRow("IP") << QStringList {"192.168.1.256", good, good, good, good} << "ipAddrFrame" << "ipAddrError"
                        << "非法的IP地址";
    QTest::newRow("empty IP") << QStringList {"", good, good, good, good} << "ipAddrFrame" << "ipAddrError"
                              << "非法的IP地址";
    QTest::newRow("mask") << QStringList {good, "1.2.3", good, good, good} << "ipMaskFrame" << "ipMaskError"
                          << "非法的IP掩码";
    QTest::newRow("gateway") << QStringList {good, good, "a.b.c.d", good, good} << "gatewayFrame" << "gatewayError"
                             << "非法的网关";
    QTest::newRow("DNS 1") << QStringList {good, good, good, "1..2.3", good} << "dnsFrame_1" << "dnsError_1"
                           << "非法的DNS地址";
    QTest::newRow("DNS 2") << QStringList {good, good, good, good, "10.0.0.300"} << "dnsFrame_2" << "dnsError_2"
                           << "非法的DNS地址";
    QTest::newRow("IP and gateway: only the IP") << QStringList {"x", good, "y", good, good} << "ipAddrFrame"
                                                 << "ipAddrError" << "非法的IP地址";
}

void tst_WifiStaticParamWnd::theFirstBadAddressShowsItsHintAndNothingIsSent()
{
    QFETCH(QStringList, addresses);
    QFETCH(QString, frame);
    QFETCH(QString, label);
    QFETCH(QString, text);

    auto *page = showPage();
    // Checked even with DHCP chosen and the fields disabled.
    page->findChild<QCheckBox *>("enable_box")->setChecked(false);
    for (int i = 0; i < 5; ++i)
        page->findChild<QLineEdit *>(kFields[i])->setText(addresses.at(i));
    QTest::mouseClick(page->findChild<QPushButton *>("saveBtn"), Qt::LeftButton);

    int shown = 0;
    for (QFrame *each : page->findChildren<QFrame *>(QRegularExpression("Frame")))
        shown += each->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);
    QVERIFY(page->findChild<QWidget *>(frame)->isVisible());
    QCOMPARE(page->findChild<QLabel *>(label)->text(), text);
    QTest::qWait(20);
    QCOMPARE(m_fixture->requestCount(kSetStatic), 0);
    QCOMPARE(m_fixture->toasts(page), QStringList());
}

void tst_WifiStaticParamWnd::aSaveWithoutEditsSendsTheRecordBack_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");

    QByteArray noisy = staticRecord("\xC0\xA8\x01\x0A", "\xFF\xFF\xFF\x00", 0, 1, "\xC0\xA8\x01\x01",
                                    "\x08\x08\x08\x08", "\x01\x01\x01\x01");
    noisy[9] = 5;
    QTest::newRow("static, DNS mode 1, bytes 8-15 zero")
            << noisy
            << staticRecord("\xC0\xA8\x01\x0A", "\xFF\xFF\xFF\x00", 0, 1, "\xC0\xA8\x01\x01", "\x08\x08\x08\x08",
                            "\x01\x01\x01\x01");
    QTest::newRow("DHCP flag to 1, DNS mode 0")
            << staticRecord("\x0A\x00\x00\x02", "\xFF\x00\x00\x00", 7, 0, "\x0A\x00\x00\x01", "\x0A\x00\x00\x03",
                            "\x0A\x00\x00\x04")
            << staticRecord("\x0A\x00\x00\x02", "\xFF\x00\x00\x00", 1, 0, "\x0A\x00\x00\x01", "\x0A\x00\x00\x03",
                            "\x0A\x00\x00\x04");
    QTest::newRow("DNS mode outside the list goes back unchanged")
            << staticRecord("\x0A\x00\x00\x02", "\xFF\x00\x00\x00", 0, 5, "\x0A\x00\x00\x01", "\x0A\x00\x00\x03",
                            "\x0A\x00\x00\x04")
            << staticRecord("\x0A\x00\x00\x02", "\xFF\x00\x00\x00", 0, 5, "\x0A\x00\x00\x01", "\x0A\x00\x00\x03",
                            "\x0A\x00\x00\x04");
}

void tst_WifiStaticParamWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);

    m_fixture->setRecord("WIFI_PARA_STATIC_T", stored);
    auto *page = showPage();
    QCOMPARE(page->findChild<QWidget *>("autoDnsMode")->isVisibleTo(page), false);
    QTest::mouseClick(page->findChild<QPushButton *>("saveBtn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetStatic), expected);
    QCOMPARE(m_fixture->record("WIFI_PARA_STATIC_T"), expected);
}

void tst_WifiStaticParamWnd::addressesAreTrimmedAndReadAsDecimal()
{
    auto *page = showPage();
    page->findChild<QCheckBox *>("enable_box")->setChecked(true);
    const char *const texts[] = {" 192.168.1.010 ", "255.255.255.0", "192.168.1.08", "8.8.8.09", "001.002.003.004"};
    for (int i = 0; i < 5; ++i)
        page->findChild<QLineEdit *>(kFields[i])->setText(QString::fromLatin1(texts[i]));
    QTest::mouseClick(page->findChild<QPushButton *>("saveBtn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    const QByteArray sent = m_fixture->sent(kSetStatic);
    QCOMPARE(sent.mid(0, 4), QByteArray("\xC0\xA8\x01\x0A"));
    QCOMPARE(sent.mid(24, 4), QByteArray("\xC0\xA8\x01\x08"));
    QCOMPARE(sent.mid(28, 4), QByteArray("\x08\x08\x08\x09"));
    QCOMPARE(sent.mid(32, 4), QByteArray("\x01\x02\x03\x04"));
}

void tst_WifiStaticParamWnd::aRefusedRequestShowsOneFailure()
{
    auto *page = showPage();
    m_fixture->failNextWrite();
    QTest::mouseClick(page->findChild<QPushButton *>("saveBtn"), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

void tst_WifiStaticParamWnd::everySelectionAsksOnceMoreThanTheConstructor()
{
    auto *container = m_fixture->show<NetworkProWnd>();
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    tabs->setCurrentIndex(NetworkProWnd::kStaticTab);
    QTRY_COMPARE(m_fixture->requestCount(kGetStatic), 2);
    tabs->setCurrentIndex(NetworkProWnd::kWifiTab);
    tabs->setCurrentIndex(NetworkProWnd::kStaticTab);
    QTRY_COMPARE(m_fixture->requestCount(kGetStatic), 3);
    QCOMPARE(container->findChildren<WifiStaticParamWnd *>().size(), 1);
}

QTEST_MAIN(tst_WifiStaticParamWnd)
#include "tst_WifiStaticParamWnd.moc"
