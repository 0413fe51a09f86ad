// The configuration navigator: pages built on first selection and kept, the
// call each page gets when shown, and the one request for all parameters on
// the first show.

#include "CameraConfigWnd.h"
#include "CameraRig.h"
#include "CustomConfigWndEX.h"
#include "DeviceConfigureWnd.h"
#include "DeviceMessageWnd.h"

#include <QLineEdit>
#include "HintWnd.h"
#include "LittleEndian.h"
#include "MainManager.h"
#include "NamedProfiles.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

int received(const CameraRig &rig, std::uint32_t command)
{
    int count = 0;
    for (const auto &packet : rig.camera(0).receivedPackets()) {
        if (packet.size() >= 20 && sim::camera::le::u32At(packet, 8) == 1
            && sim::camera::le::u32At(packet, 12) == command)
            ++count;
    }
    return count;
}

bool showsText(const QWidget *widget, const QString &text)
{
    const QList<QLabel *> labels = widget->findChildren<QLabel *>();
    return std::any_of(labels.cbegin(), labels.cend(), [&](const QLabel *label) {
        return label->isVisibleTo(widget) && label->text() == text;
    });
}

void clickRow(QListWidget *list, int row)
{
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

} // namespace

class tst_DeviceConfigureWnd : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void pagesAreBuiltOnFirstSelectionAndKept();
    void oneClickOnExtendedParametersAsksOnce();
    void firstShowAsksForAllParametersOnce_data();
    void firstShowAsksForAllParametersOnce();

private:
    void logIn(const char *profile);

    std::unique_ptr<CameraRig> m_rig;
};

void tst_DeviceConfigureWnd::cleanup()
{
    m_rig.reset();
}

void tst_DeviceConfigureWnd::logIn(const char *profile)
{
    m_rig.reset(new CameraRig({profile}));
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, QStringLiteral("123456")));
}

void tst_DeviceConfigureWnd::pagesAreBuiltOnFirstSelectionAndKept()
{
    logIn(NamedProfiles::Gen2);
    DeviceConfigureWnd navigator;
    navigator.resize(909, 561);
    auto *list = navigator.findChild<QListWidget *>("listWidget");
    QVERIFY(list->item(5)->isHidden());
    auto *identity = navigator.findChild<DeviceMessageWnd *>();
    QVERIFY(identity);
    // initParam() ran: the fields hold the identity picked at log-in.
    auto *deviceId = identity->findChild<QLineEdit *>("deviceID_edit");
    QVERIFY(deviceId->validator());
    const QString pickedId = deviceId->text();
    QVERIFY(!pickedId.isEmpty());
    QVERIFY(!navigator.findChild<CameraConfigWnd *>());

    navigator.show();
    clickRow(list, 1);
    auto *camera = navigator.findChild<CameraConfigWnd *>();
    QVERIFY(camera);
    QVERIFY(camera->isVisible());
    QVERIFY(!identity->isVisible());

    deviceId->setText(QStringLiteral("edited"));
    clickRow(list, 0);
    QCOMPARE(deviceId->text(), pickedId);
    QVERIFY(identity->isVisible());
    clickRow(list, 1);
    QCOMPARE(navigator.findChildren<CameraConfigWnd *>(), QList<CameraConfigWnd *>{camera});
    QCOMPARE(navigator.findChildren<DeviceMessageWnd *>().size(), 1);
}

void tst_DeviceConfigureWnd::oneClickOnExtendedParametersAsksOnce()
{
    logIn(NamedProfiles::Gen3Json);
    DeviceConfigureWnd navigator;
    navigator.resize(909, 561);
    navigator.show();
    auto *list = navigator.findChild<QListWidget *>("listWidget");
    QVERIFY(!list->item(5)->isHidden());
    QVERIFY(!navigator.findChild<CustomConfigWndEX *>());

    clickRow(list, 5);
    QVERIFY(navigator.findChild<CustomConfigWndEX *>());
    // A later request on the same pipe marks the point by which every request
    // of the click has arrived.
    const int marks = received(*m_rig, 1013);
    MainManager::GetInstance()->ReqDevDSTParam();
    QTRY_COMPARE(received(*m_rig, 1013), marks + 1);
    QCOMPARE(received(*m_rig, 72), 1);
}

void tst_DeviceConfigureWnd::firstShowAsksForAllParametersOnce_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<int>("request");
    QTest::newRow("gen 3") << QByteArray(NamedProfiles::Gen3Json) << 1003;
    QTest::newRow("gen 2") << QByteArray(NamedProfiles::Gen2) << 50;
}

void tst_DeviceConfigureWnd::firstShowAsksForAllParametersOnce()
{
    QFETCH(QByteArray, profile);
    QFETCH(int, request);
    logIn(profile.constData());

    QWidget parent;
    parent.resize(1000, 600);
    auto *navigator = new DeviceConfigureWnd(&parent);
    auto *overlay = navigator->findChild<HintWnd *>();
    QVERIFY(overlay);
    QVERIFY(overlay->isHidden());

    parent.show();
    // Nothing has reached the GUI thread yet: the overlay is up.
    QVERIFY(overlay->isVisible());
    QCOMPARE(overlay->geometry(), navigator->rect());
    QVERIFY(showsText(overlay, QStringLiteral("参数初始化中，请稍候...")));
    QTRY_VERIFY(overlay->isHidden());
    QCOMPARE(received(*m_rig, std::uint32_t(request)), 1);

    // The request goes out and the overlay comes up within show(): nothing to
    // wait for.
    navigator->hide();
    navigator->show();
    QVERIFY(overlay->isHidden());
    QCOMPARE(received(*m_rig, std::uint32_t(request)), 1);
}

QTEST_MAIN(tst_DeviceConfigureWnd)
#include "tst_DeviceConfigureWnd.moc"
