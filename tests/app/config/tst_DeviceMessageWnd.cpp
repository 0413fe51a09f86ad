// The identity page: the 32-byte hints, the model row, the identity through
// the camera and the all-parameters reply that fills a shown page.

#include "DeviceMessageWnd.h"
#include "LocalText.h"
#include "MainManager.h"
#include "PageFixture.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetIdentity = 15;

} // namespace

class tst_DeviceMessageWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void longIdsFromTheCameraHintAndBlockTheSave_data();
    void longIdsFromTheCameraHintAndBlockTheSave();
    void initParamWinsOverTheShowsFill();
    void modelFiveHidesTheVersionRow();
    void aChineseIdComesBackAsTheSameBytes();
    void anAllParametersReplyFillsTheShownPage();

private:
    DeviceMessageWnd *showPage();
    QScopedPointer<PageFixture> m_fixture;
};

DeviceMessageWnd *tst_DeviceMessageWnd::showPage()
{
    auto *page = m_fixture->show<DeviceMessageWnd>(false);
    page->initParam();
    return page;
}

void tst_DeviceMessageWnd::longIdsFromTheCameraHintAndBlockTheSave_data()
{
    QTest::addColumn<int>("generation");
    QTest::addColumn<bool>("hint");

    QTest::newRow("generation 3") << 3 << true;
    QTest::newRow("generation 2") << 2 << true;
    QTest::newRow("generation 1 has no limit") << 1 << false;
}

void tst_DeviceMessageWnd::longIdsFromTheCameraHintAndBlockTheSave()
{
    QFETCH(int, generation);
    QFETCH(bool, hint);

    CameraProfile profile = PageFixture::profile(NamedProfiles::LongChineseIds);
    const CameraProfile ids = profile;
    profile = CameraProfile::generation(generation, false);
    profile.officerId = ids.officerId;
    profile.deviceId = ids.deviceId;
    m_fixture->loginTo(profile);
    auto *page = showPage();
    QVERIFY(LocalText::encode(page->findChild<QLineEdit *>("deviceID_edit")->text()).size() > 32);
    QCOMPARE(page->findChild<QFrame *>("deviceId_point_frame")->isVisible(), hint);
    QCOMPARE(page->findChild<QLabel *>("Point_Out_3")->text(), QStringLiteral("输入不得超过32字节数"));

    m_fixture->clearRequests();
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    if (hint) {
        QTest::qWait(50);
        QCOMPARE(m_fixture->requestCount(kSetIdentity), 0);
        QVERIFY(m_fixture->toasts(page).isEmpty());
    } else {
        QTRY_COMPARE(m_fixture->requestCount(kSetIdentity), 1);
    }
}

void tst_DeviceMessageWnd::initParamWinsOverTheShowsFill()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    auto *page = showPage();
    auto *deviceId = page->findChild<QLineEdit *>("deviceID_edit");
    const QString picked = deviceId->text();
    deviceId->setText(QStringLiteral("ABC123"));
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});

    // The navigator shows the page, then calls initParam; the main window's
    // identity slot is not here, so the picked identity stays the old one.
    page->hide();
    page->show();
    QCOMPARE(deviceId->text(), QStringLiteral("ABC123")); // the show's fill: the cached record
    page->initParam();
    QCOMPARE(deviceId->text(), picked);
}

void tst_DeviceMessageWnd::modelFiveHidesTheVersionRow()
{
    m_fixture->loginTo(PageFixture::profile("G3-5"));
    auto *page = showPage();
    QVERIFY(!page->findChild<QLabel *>("label_16")->isVisible());
    QVERIFY(!page->findChild<QLabel *>("deviceVer_edit")->isVisible());
    QVERIFY(page->findChild<QLineEdit *>("deviceID_edit")->validator());
}

void tst_DeviceMessageWnd::aChineseIdComesBackAsTheSameBytes()
{
    CameraProfile profile = PageFixture::profile("G3-12");
    profile.deviceId = LocalText::encode(QStringLiteral("执法仪编号七号")).toStdString(); // 14 bytes
    profile.officerId = LocalText::encode(QStringLiteral("警员甲")).toStdString();
    m_fixture->loginTo(profile);
    const QByteArray held = m_fixture->record("DEVICE_ID_PARA_T");
    auto *page = showPage();
    QCOMPARE(page->findChild<QLineEdit *>("deviceID_edit")->text(), QStringLiteral("执法仪编号七号"));
    QVERIFY(!page->findChild<QFrame *>("deviceId_point_frame")->isVisible());

    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetIdentity), held);
    QCOMPARE(m_fixture->record("DEVICE_ID_PARA_T"), held);
}

void tst_DeviceMessageWnd::anAllParametersReplyFillsTheShownPage()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    auto *page = showPage();
    QByteArray identity(128, '\0');
    identity.replace(0, 3, "P77");
    identity.replace(64, 3, "D88");
    m_fixture->setRecord("DEVICE_ID_PARA_T", identity);
    m_fixture->manager()->ReqDevAllConfigParam();
    QTRY_COMPARE(page->findChild<QLineEdit *>("deviceID_edit")->text(), QStringLiteral("D88"));
    QCOMPARE(page->findChild<QLineEdit *>("policeID_edit")->text(), QStringLiteral("P77"));
}

QTEST_MAIN(tst_DeviceMessageWnd)
#include "tst_DeviceMessageWnd.moc"
