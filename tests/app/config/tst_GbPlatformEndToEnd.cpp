// The GB28181 tab as the operator reaches it: main window, "网络应用", the
// "国标平台" tab filled from the camera, an edit and a save the camera keeps.

#include "MainManager.h"
#include "MainWindow.h"
#include "PageFixture.h"
#include "PlatformTabs.h"
#include "PlatformWnd.h"
#include "SIPParamWnd.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr quint32 kGetSip = 300;

void clickRow(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    const QPoint centre = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

QByteArray sipRecord()
{
    QByteArray record(340, '\0');
    const auto put = [&record](int offset, const char *text) { record.replace(offset, int(qstrlen(text)), text); };
    qToLittleEndian<qint32>(1, record.data());
    put(4, "34020000002000000001");
    put(36, "3402000000");
    put(100, "192.168.1.100");
    qToLittleEndian<quint16>(5060, record.data() + 132);
    put(134, "192.168.1.20");
    qToLittleEndian<quint16>(5061, record.data() + 166);
    record[168] = 1;
    put(170, "34020000001320000001");
    put(202, "12345678");
    qToLittleEndian<qint32>(3600, record.data() + 236);
    record[241] = 60;
    record[242] = 3;
    put(244, "34020000001320000001");
    put(276, "34020000001310000001");
    put(308, "34020000001340000001");
    return record;
}

} // namespace

class tst_GbPlatformEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void aServerIdAndPortSavedFromTheMainWindowStayOnTheCamera()
    {
        PageFixture fixture;
        fixture.loginTo(PageFixture::profile("J"));
        fixture.setRecord("SIPUA_CONFIG_T", sipRecord());
        MainWindow window;
        bool allRecordsIn = false;
        connect(MainManager::GetInstance(), &MainManager::updateDevConfigParamOver, &window,
                [&] { allRecordsIn = true; });
        window.show();
        QTest::mouseClick(window.findChild<QPushButton *>("deviceConfig_btn"), Qt::LeftButton);
        QTRY_VERIFY(allRecordsIn);

        clickRow(window.findChild<QListWidget *>("listWidget"), "网络应用");
        QTRY_VERIFY(window.findChild<PlatformWnd *>());
        auto *container = window.findChild<PlatformWnd *>();
        auto *tabs = container->findChild<QTabWidget *>("tabWidget");
        QCOMPARE(tabs->tabText(PlatformTabs::kGb), QString("国标平台"));
        const int before = fixture.replies();
        tabs->setCurrentIndex(PlatformTabs::kGb);
        QVERIFY(fixture.waitForReplies(1, before));
        auto *page = qobject_cast<SIPParamWnd *>(container->pageAt(PlatformTabs::kGb));
        QVERIFY(page);
        auto *serverId = page->findChild<QLineEdit *>("serverID_edit");
        QTRY_COMPARE(serverId->text(), QString("34020000002000000001"));
        QCOMPARE(fixture.requestCount(kGetSip), 1);

        serverId->setText("44010000002000000099");
        page->findChild<QLineEdit *>("registerport_edit")->setText("15060");
        QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
        QTRY_COMPARE(fixture.toasts(page), QStringList {"保存成功"});
        const QByteArray held = fixture.record("SIPUA_CONFIG_T");
        QCOMPARE(held.mid(4, 20), QByteArray("44010000002000000099"));
        QCOMPARE(qFromLittleEndian<quint16>(held.constData() + 132), quint16(15060));
        QCOMPARE(held.mid(134, 13), QByteArray("192.168.1.20\0", 13));
    }
};

QTEST_MAIN(tst_GbPlatformEndToEnd)
#include "tst_GbPlatformEndToEnd.moc"
