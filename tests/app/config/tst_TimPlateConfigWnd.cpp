// The RTMP page: it asks only when refreshed, the address and service-name
// rows, what a save checks in either mode, the camera's enable 2, and the
// record through the simulated camera.

#include "PageFixture.h"
#include "PlatformTabs.h"
#include "PlatformWnd.h"
#include "TimPlateConfigWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr quint32 kGetTim = 562;
constexpr quint32 kSetTim = 563;
constexpr int kSize = 252;

const QByteArray kLongDomain = QByteArray("rtmp-push.").append(QByteArray(50, 'd')).append(".org");
const QByteArray kLongUrl = QByteArray("live/").append(QByteArray(119, 'u')).append("/end");

struct Tim
{
    quint8 enable = 1;
    quint8 useDomain = 0;
    quint8 protocol = 0;
    QByteArray domain = "push.example.org";
    QByteArray ip = "192.168.100.200";
    qint32 port = 1935;
    QByteArray url = "live/stream1";
    qint32 packetLength = 1024;
    char reserved = 0;

    QByteArray bytes() const
    {
        QByteArray record(kSize, reserved);
        record[0] = char(enable);
        record[1] = char(useDomain);
        record[2] = char(protocol);
        record.replace(4, 64, domain.leftJustified(64, '\0'));
        record.replace(68, 16, ip.leftJustified(16, '\0'));
        qToLittleEndian(port, record.data() + 84);
        record.replace(88, 128, url.leftJustified(128, '\0'));
        qToLittleEndian(packetLength, record.data() + 216);
        return record;
    }
};

const char *const kControls[] = {"IpRadioButton", "domainRadioButton", "serverName_edit", "IP_edit",
                                 "port_edit",     "url_edit",          "packlength",      "comboBox"};

QStringList visibleFrames(QWidget *page)
{
    QStringList shown;
    for (const char *name : {"ip_point_frame", "port_point_frame"})
        if (page->findChild<QFrame *>(name)->isVisible())
            shown << name;
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Tim)

class tst_TimPlateConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture);
        m_fixture->loginTo(PageFixture::profile("J"));
    }
    void cleanup() { m_fixture.reset(); }

    void onlyARefreshAsksTheCamera();
    void everySelectionOfTheTabAsksOnce();
    void theModeChoosesTheRowAndBothTextsGoOut_data();
    void theModeChoosesTheRowAndBothTextsGoOut();
    void theAddressIsCheckedOnlyInAddressModeThePortAlways_data();
    void theAddressIsCheckedOnlyInAddressModeThePortAlways();
    void enableTwoTicksTheBoxButKeepsTheFieldsClosed();
    void aSaveWithoutEditsSendsTheRecordBack_data();
    void aSaveWithoutEditsSendsTheRecordBack();
    void theCameraAnswerDecidesTheToast_data();
    void theCameraAnswerDecidesTheToast();
    void aRefusedRequestShowsOneFailure();

private:
    TimPlateConfigWnd *showPage(const Tim &stored)
    {
        m_fixture->setRecord("TIM_PARAM_T", stored.bytes());
        auto *page = m_fixture->show<TimPlateConfigWnd>(false);
        const int before = m_fixture->replies();
        page->refreshParam();
        if (!m_fixture->waitForReplies(1, before))
            qWarning("the RTMP record did not arrive");
        return page;
    }
    template<typename Widget = QWidget>
    Widget *child(QWidget *page, const char *name)
    {
        return page->findChild<Widget *>(name);
    }
    void save(QWidget *page) { PageFixture::clickSave(page); }

    QScopedPointer<PageFixture> m_fixture;
};

void tst_TimPlateConfigWnd::onlyARefreshAsksTheCamera()
{
    auto *page = m_fixture->show<TimPlateConfigWnd>(false);
    QTest::qWait(50);
    QCOMPARE(m_fixture->requestCount(kGetTim), 0);
    // Before any reply: the push on, address mode, nothing filled in.
    QVERIFY(child<QCheckBox>(page, "enable_box")->isChecked());
    QVERIFY(child<QRadioButton>(page, "IpRadioButton")->isChecked());
    QVERIFY(child(page, "IP_edit")->isVisible());
    QVERIFY(!child(page, "serverName_edit")->isVisible());

    page->refreshParam();
    page->refreshParam();
    QTRY_COMPARE(m_fixture->requestCount(kGetTim), 2);
    page->hide();
    page->show();
    QTest::qWait(50);
    QCOMPARE(m_fixture->requestCount(kGetTim), 2);
}

void tst_TimPlateConfigWnd::everySelectionOfTheTabAsksOnce()
{
    auto *container = m_fixture->show<PlatformWnd>(false);
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    tabs->setCurrentIndex(PlatformTabs::kRtmp);
    QTRY_COMPARE(m_fixture->requestCount(kGetTim), 1);
    tabs->setCurrentIndex(PlatformTabs::kGb);
    tabs->setCurrentIndex(PlatformTabs::kRtmp);
    QTRY_COMPARE(m_fixture->requestCount(kGetTim), 2);
    QCOMPARE(container->findChildren<TimPlateConfigWnd *>().size(), 1);
}

void tst_TimPlateConfigWnd::theModeChoosesTheRowAndBothTextsGoOut_data()
{
    QTest::addColumn<int>("useDomain");
    QTest::newRow("address") << 0;
    QTest::newRow("service name") << 1;
}

void tst_TimPlateConfigWnd::theModeChoosesTheRowAndBothTextsGoOut()
{
    QFETCH(int, useDomain);
    Tim stored;
    stored.useDomain = quint8(useDomain);
    auto *page = showPage(stored);

    QCOMPARE(child<QRadioButton>(page, "domainRadioButton")->isChecked(), useDomain == 1);
    QCOMPARE(child(page, "serverName_edit")->isVisible(), useDomain == 1);
    QCOMPARE(child(page, "label_8")->isVisible(), useDomain == 1);
    QCOMPARE(child(page, "IP_edit")->isVisible(), useDomain == 0);
    QCOMPARE(child(page, "label_2")->isVisible(), useDomain == 0);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetTim), stored.bytes());

    // The other radio button switches the rows over.
    child<QRadioButton>(page, useDomain ? "IpRadioButton" : "domainRadioButton")->click();
    QCOMPARE(child(page, "serverName_edit")->isVisible(), useDomain == 0);
    QCOMPARE(child(page, "IP_edit")->isVisible(), useDomain == 1);
}

void tst_TimPlateConfigWnd::theAddressIsCheckedOnlyInAddressModeThePortAlways_data()
{
    QTest::addColumn<bool>("enable");
    QTest::addColumn<bool>("ipMode");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("frames");

    QTest::newRow("address mode: bad address and empty port")
            << true << true << "192.168.1.300" << "" << QStringList {"ip_point_frame", "port_point_frame"};
    QTest::newRow("address mode: empty address") << true << true << "" << "1935" << QStringList {"ip_point_frame"};
    QTest::newRow("push off: empty port still fails")
            << false << true << "192.168.1.3" << "" << QStringList {"port_point_frame"};
    QTest::newRow("push off: bad address still fails")
            << false << true << "1.2.3" << "80" << QStringList {"ip_point_frame"};
    QTest::newRow("service-name mode: port 65536") << true << false << "" << "65536"
                                                   << QStringList {"port_point_frame"};
    QTest::newRow("service-name mode: a bad address goes out unchanged")
            << true << false << "not.an.address" << "65535" << QStringList();
}

void tst_TimPlateConfigWnd::theAddressIsCheckedOnlyInAddressModeThePortAlways()
{
    QFETCH(bool, enable);
    QFETCH(bool, ipMode);
    QFETCH(QString, ip);
    QFETCH(QString, port);
    QFETCH(QStringList, frames);

    auto *page = showPage(Tim());
    child<QCheckBox>(page, "enable_box")->setChecked(enable);
    child<QRadioButton>(page, ipMode ? "IpRadioButton" : "domainRadioButton")->setChecked(true);
    child<QLineEdit>(page, "IP_edit")->setText(ip);
    child<QLineEdit>(page, "port_edit")->setText(port);
    child<QLineEdit>(page, "serverName_edit")->clear();
    child<QLineEdit>(page, "url_edit")->clear();
    save(page);

    QCOMPARE(visibleFrames(page), frames);
    if (frames.contains("ip_point_frame"))
        QCOMPARE(child<QLabel>(page, "ip_point_text")->text(), QString("非法的IP"));
    if (frames.contains("port_point_frame"))
        QCOMPARE(child<QLabel>(page, "port_point_text")->text(), QString("端口号的范围是1~65535"));
    if (frames.isEmpty()) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        const QByteArray sent = m_fixture->sent(kSetTim);
        QCOMPARE(sent.at(1), char(1));
        QCOMPARE(sent.mid(68, 16), ip.toLatin1().leftJustified(16, '\0'));
        QCOMPARE(sent.mid(4, 64), QByteArray(64, '\0'));
    } else {
        QTest::qWait(50);
        QCOMPARE(m_fixture->requestCount(kSetTim), 0);
        QCOMPARE(m_fixture->toasts(page), QStringList());
    }
}

void tst_TimPlateConfigWnd::enableTwoTicksTheBoxButKeepsTheFieldsClosed()
{
    Tim two;
    two.enable = 2;
    auto *page = showPage(two);
    QVERIFY(child<QCheckBox>(page, "enable_box")->isChecked());
    for (const char *control : kControls)
        QVERIFY2(!child(page, control)->isEnabled(), control);
    QVERIFY(child(page, "save_btn")->isEnabled());
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetTim).at(0), char(1));

    // Cleared and ticked again, the fields open with the chosen row.
    child<QCheckBox>(page, "enable_box")->setChecked(false);
    child<QCheckBox>(page, "enable_box")->setChecked(true);
    for (const char *control : kControls)
        QVERIFY2(child(page, control)->isEnabled(), control);
    QVERIFY(child(page, "IP_edit")->isVisible());
}

void tst_TimPlateConfigWnd::aSaveWithoutEditsSendsTheRecordBack_data()
{
    QTest::addColumn<Tim>("stored");
    QTest::addColumn<Tim>("expected");

    Tim full;
    full.protocol = 1;
    full.domain = kLongDomain;
    full.url = kLongUrl;
    full.ip = "255.255.255.255";
    QTest::newRow("rtmps, full-width domain and URL, 15-character IP") << full << full;
    Tim noisy;
    noisy.reserved = '\x33';
    noisy.enable = 0;
    Tim clean;
    clean.enable = 0;
    QTest::newRow("reserved bytes zero, push off") << noisy << clean;
    for (const auto &lengths : {qMakePair(100, 256), qMakePair(9000, 8192), qMakePair(256, 256)}) {
        Tim stored;
        stored.packetLength = lengths.first;
        Tim sent;
        sent.packetLength = lengths.second;
        QTest::addRow("packet length %d", lengths.first) << stored << sent;
    }
    Tim odd;
    odd.protocol = 2;
    QTest::newRow("a protocol outside the list goes back as it came") << odd << odd;
}

void tst_TimPlateConfigWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(Tim, stored);
    QFETCH(Tim, expected);
    QCOMPARE(kLongDomain.size(), 64);
    QCOMPARE(kLongUrl.size(), 128);

    auto *page = showPage(stored);
    QCOMPARE(child<QSpinBox>(page, "packlength")->value(), expected.packetLength);
    if (stored.protocol == 1)
        QCOMPARE(child<QComboBox>(page, "comboBox")->currentText(), QString("rtmps"));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetTim), expected.bytes());
    QCOMPARE(m_fixture->record("TIM_PARAM_T"), expected.bytes());
}

void tst_TimPlateConfigWnd::theCameraAnswerDecidesTheToast_data()
{
    PageFixture::addVerdictRows();
}

void tst_TimPlateConfigWnd::theCameraAnswerDecidesTheToast()
{
    QFETCH(int, result);
    QFETCH(QString, toast);
    auto *page = showPage(Tim());
    m_fixture->setResult(kSetTim, result);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
}

void tst_TimPlateConfigWnd::aRefusedRequestShowsOneFailure()
{
    auto *page = showPage(Tim());
    m_fixture->failNextWrite();
    save(page);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

QTEST_MAIN(tst_TimPlateConfigWnd)
#include "tst_TimPlateConfigWnd.moc"
