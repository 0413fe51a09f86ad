// The camera configuration as the operator reaches it: main window, "相机配置",
// the OSD tab, an edit and a save that the camera keeps.

#include "CameraConfigWnd.h"
#include "EncryptParamWnd.h"
#include "FullCamera.h"
#include "behaviour/CameraBehaviour.h"
#include "LocalText.h"
#include "MainWindow.h"
#include "OSDSConfigWnd.h"
#include "MainManager.h"
#include "PageFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtEndian>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

constexpr quint32 kGetOsd = 400;

void clickRow(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    const QPoint centre = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

} // namespace

class tst_CameraConfigEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void anOsdLineSavedFromTheMainWindowStaysOnTheCamera()
    {
        PageFixture fixture;
        fixture.loginTo(PageFixture::profile("G3-12"));
        MainWindow window;
        // An OSD reply that reaches the page after the typing below would
        // overwrite the edit: count the page's replies, after its own slot.
        bool allRecordsIn = false;
        int osdReplies = 0;
        MainManager *manager = MainManager::GetInstance();
        connect(manager, &MainManager::updateDevConfigParamOver, &window, [&] { allRecordsIn = true; });
        connect(manager, &MainManager::devOSDParamChanged, &window, [&] { ++osdReplies; }, Qt::QueuedConnection);
        window.show();
        QTest::mouseClick(window.findChild<QPushButton *>("deviceConfig_btn"), Qt::LeftButton);
        QTRY_VERIFY(allRecordsIn);
        osdReplies = 0;
        auto *rows = window.findChild<QListWidget *>("listWidget");
        QVERIFY(rows);

        clickRow(rows, "相机配置");
        QTRY_VERIFY(window.findChild<CameraConfigWnd *>());
        auto *container = window.findChild<CameraConfigWnd *>();
        const int before = fixture.replies();
        container->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(CameraConfigWnd::kOsdTab);
        QVERIFY(fixture.waitForReplies(1, before));
        QTRY_VERIFY(fixture.requestCount(kGetOsd) > 0 && osdReplies >= fixture.requestCount(kGetOsd));
        auto *page = qobject_cast<OSDSConfigWnd *>(container->pageAt(CameraConfigWnd::kOsdTab));
        QVERIFY(page);
        auto *line = page->findChild<QLineEdit *>("OSD1_edit");

        // The camera's line may be switched off (its edit disabled); a disabled
        // line is saved all the same.
        line->setText(QStringLiteral("Patrol 二组"));
        QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
        QTRY_COMPARE(fixture.toasts(page), QStringList{"保存成功"});
        QCOMPARE(LocalText::decodeField(fixture.record("EXTRA_OSD").constData() + 4, 64),
                 QStringLiteral("Patrol 二组"));

        // Away and back: the page shows what the camera holds, not the edit.
        line->setText("unsaved");
        clickRow(rows, "设备信息");
        const int again = fixture.replies();
        clickRow(rows, "相机配置");
        QVERIFY(fixture.waitForReplies(1, again));
        QCOMPARE(line->text(), QStringLiteral("Patrol 二组"));
    }

    void aNetworkStreamSavedFromTheEncodingTabStaysOnTheCamera()
    {
        PageFixture fixture;
        fixture.loginTo(PageFixture::profile("G3-12"));
        MainWindow window;
        window.show();
        QTest::mouseClick(window.findChild<QPushButton *>("deviceConfig_btn"), Qt::LeftButton);
        auto *rows = window.findChild<QListWidget *>("listWidget");
        QVERIFY(rows);
        clickRow(rows, "相机配置");
        QTRY_VERIFY(window.findChild<EncryptParamWnd *>());
        auto *page = window.findChild<EncryptParamWnd *>();
        auto *net = page->findChild<QComboBox *>("netstream_combo");
        QTRY_COMPARE(net->currentText(), QStringLiteral("720p@15"));

        net->setCurrentText("D1@5");
        QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
        QTRY_COMPARE(fixture.toasts(page), QStringList{"保存成功"});
        const auto held = [&fixture](quint32 stream) {
            QByteArray bytes;
            fixture.camera().edit([&](sim::camera::CameraBehaviour &behaviour) {
                const auto record = behaviour.parameters().videoV3(stream);
                bytes = QByteArray(reinterpret_cast<const char *>(record.data()), int(record.size()));
            });
            return bytes;
        };
        const QByteArray network = held(1);
        QCOMPARE(qFromLittleEndian<quint32>(network.constData() + 12), 0x1002u);
        QCOMPARE(qFromLittleEndian<quint32>(network.constData() + 16), 5u);
        // The recording stream went along: 1080p@25 is not offered at 30 fps, so its first item.
        const QByteArray recording = held(0);
        QCOMPARE(qFromLittleEndian<quint32>(recording.constData() + 12), 0x1007u);
        QCOMPARE(qFromLittleEndian<quint32>(recording.constData() + 20), 4194304u);
    }
};

QTEST_MAIN(tst_CameraConfigEndToEnd)
#include "tst_CameraConfigEndToEnd.moc"
