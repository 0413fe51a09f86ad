// The system parameters page: rows, locks and lists by camera, the two
// records through the camera and the save chain's single outcome.

#include "LocalText.h"
#include "PageFixture.h"
#include "SystemParamWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetSystem = 29;
constexpr quint32 kGetExtended = 1007;
constexpr quint32 kSetExtended = 1006;

const char *const kExtendedWidgets[] = {"checkBox_bt", "checkBox_m", "checkBox_s", "checkBox_g",
                                        "checkBox_up", "checkBox_d", "checkBox_q", "checkBox_v",
                                        "checkBox_uro", "checkBox_gsen", "comboBox_time", "comboBox_ptzmode",
                                        "comboBox_audiotype", "spinBox", "lineEdit_2", "spinBox_lbt"};

QStringList hiddenOf(QWidget *page, const QStringList &names)
{
    QStringList hidden;
    for (const QString &name : names)
        if (!page->findChild<QWidget *>(name)->isVisible())
            hidden << name;
    return hidden;
}

QStringList allWatched()
{
    QStringList names {"comboBox_gps", "comboBox_gpstime"};
    for (const char *name : kExtendedWidgets)
        names << name;
    return names;
}

QStringList items(QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class tst_SystemParamWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void rowsLocksAndListsFollowTheCamera_data();
    void rowsLocksAndListsFollowTheCamera();
    void bothRecordsGoThroughTheCameraKeepingTheOtherPagesBytes();
    void theSaveChainEndsInOneToast_data();
    void theSaveChainEndsInOneToast();
    void valuesTheListsLackShowAsGivenAndGoBackUnchanged();
    void everyShownCheckBoxFitsInItsFrame();

private:
    SystemParamWnd *showPage(int replies);
    QScopedPointer<PageFixture> m_fixture;
};

SystemParamWnd *tst_SystemParamWnd::showPage(int replies)
{
    auto *page = m_fixture->show<SystemParamWnd>(false);
    const int before = m_fixture->replies();
    page->refreshParam();
    if (replies > 0)
        [&] { QVERIFY(m_fixture->waitForReplies(replies, before)); }();
    return page;
}

void tst_SystemParamWnd::rowsLocksAndListsFollowTheCamera_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<QStringList>("gps");
    QTest::addColumn<QStringList>("screen");

    const QStringList extended = allWatched().mid(2);
    const QStringList gpsWithOff {"关", "GPS", "北斗", "混合"};
    const QStringList gpsCompact {"GPS", "北斗", "混合"};
    const QStringList shortList {"关", "2分钟", "5分钟", "10分钟"};
    const QStringList longList {"关", "30秒", "2分钟", "5分钟", "10分钟"};

    QTest::newRow("G2: no extended rows, positioning shown")
            << PageFixture::profile("G2") << extended
            << QStringList {"comboBox_keysound", "comboBox_pwd", "comboBox_screen"} << gpsWithOff << shortList;
    QTest::newRow("G3-12: everything") << PageFixture::profile("G3-12") << QStringList() << QStringList()
                                       << gpsWithOff << longList;
    CameraProfile noPositioning = PageFixture::profile("G3-12");
    noPositioning.deviceCodeOverrides[266] = 0;
    QTest::newRow("G3-12 without positioning")
            << noPositioning << QStringList {"comboBox_gps", "comboBox_gpstime"} << QStringList() << gpsWithOff
            << longList;
    CameraProfile noExtended = PageFixture::profile("G3-12");
    noExtended.deviceCodeOverrides[272] = 0;
    QTest::newRow("G3-12 without the extended record") << noExtended << extended << QStringList() << gpsWithOff
                                                       << longList;
    struct Single
    {
        int byte;
        QStringList hidden;
    };
    const Single singles[] = {
            {273, {"checkBox_bt"}},         {274, {"checkBox_m"}},
            {275, {"checkBox_s"}},          {276, {"comboBox_time"}},
            {280, {"checkBox_g"}},          {281, {"checkBox_up"}},
            {282, {"spinBox"}},             {315, {"checkBox_v"}},
            {317, {"comboBox_ptzmode"}},    {322, {"comboBox_audiotype"}},
            {341, {"checkBox_gsen"}},       {342, {"spinBox_lbt"}},
    };
    for (const Single &single : singles) {
        CameraProfile profile = PageFixture::profile("G3-12");
        profile.deviceCodeOverrides[std::size_t(single.byte)] = 0;
        QTest::addRow("byte %d alone", single.byte) << profile << single.hidden << QStringList() << gpsWithOff
                                                    << longList;
    }
    CameraProfile wifiOnly = PageFixture::profile("G3-12");
    wifiOnly.deviceCodeOverrides[264] = 0;
    QTest::newRow("channel name with Wi-Fi only") << wifiOnly << QStringList() << QStringList() << gpsWithOff
                                                  << longList;
    CameraProfile noNetwork = wifiOnly;
    noNetwork.deviceCodeOverrides[265] = 0;
    QTest::newRow("no channel name without a network")
            << noNetwork << QStringList {"lineEdit_2"} << QStringList() << gpsWithOff << longList;
    CameraProfile shortSaver = PageFixture::profile("G3-12");
    shortSaver.deviceCodeOverrides[321] = 0;
    QTest::newRow("G3-12 without 30 seconds") << shortSaver << QStringList() << QStringList() << gpsWithOff
                                              << shortList;
    QTest::newRow("model 5") << PageFixture::profile("G3-5") << QStringList() << QStringList {"comboBox_keysound"}
                             << gpsCompact << longList;
    CameraProfile model6 = shortSaver;
    model6.deviceType = 6;
    QTest::newRow("model 6") << model6 << QStringList() << QStringList {"comboBox_keysound", "comboBox_pwd"}
                             << gpsWithOff << shortList;
    CameraProfile model13 = shortSaver;
    model13.deviceType = 13;
    QTest::newRow("model 13") << model13 << QStringList() << QStringList {"comboBox_pwd", "comboBox_screen"}
                              << gpsWithOff << shortList;
}

void tst_SystemParamWnd::rowsLocksAndListsFollowTheCamera()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, disabled);
    QFETCH(QStringList, gps);
    QFETCH(QStringList, screen);

    m_fixture->loginTo(profile);
    auto *page = m_fixture->show<SystemParamWnd>(false);
    QCOMPARE(hiddenOf(page, allWatched()), hidden);
    QStringList off;
    for (const char *name : {"comboBox_keysound", "comboBox_pwd", "comboBox_screen", "comboBox_LED"})
        if (!page->findChild<QWidget *>(name)->isEnabled())
            off << name;
    std::sort(off.begin(), off.end());
    std::sort(disabled.begin(), disabled.end());
    QCOMPARE(off, disabled);
    QCOMPARE(items(page->findChild<QComboBox *>("comboBox_gps")), gps);
    QCOMPARE(items(page->findChild<QComboBox *>("comboBox_screen")), screen);
}

void tst_SystemParamWnd::bothRecordsGoThroughTheCameraKeepingTheOtherPagesBytes()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));

    QByteArray system(28, '\0');
    for (int i = 0; i < 28; ++i)
        system[i] = char(0x40 + i); // other pages' bytes, distinct
    qToLittleEndian<quint32>(300000, system.data());
    system[16] = 1;
    system[18] = 0;
    system[19] = 2;
    system[20] = 1;
    system[23] = 1;
    m_fixture->setRecord("SYSTEM_PARA_T", system);

    QByteArray extended(92, '\0');
    for (int i = 0; i < 92; ++i)
        extended[i] = char(0x80 + i);
    for (int at : {0, 2, 5, 7, 61, 70})
        extended[at] = 1;
    for (int at : {1, 4, 6, 64})
        extended[at] = 0;
    qToLittleEndian<qint32>(30, extended.data() + 8);
    qToLittleEndian<qint32>(42, extended.data() + 12);
    const QByteArray name = LocalText::encode(QStringLiteral("执法通道一号abc")); // 15 bytes
    QByteArray nameField(31, '\0');
    nameField.replace(0, name.size(), name);
    extended.replace(28, 31, nameField);
    extended[62] = 1;
    extended[65] = 2;
    extended[71] = 17;
    m_fixture->setRecord("Ex_Param_V3_T", extended);

    auto *page = showPage(2);
    QCOMPARE(page->findChild<QLineEdit *>("lineEdit_2")->text(), QStringLiteral("执法通道一号abc"));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_time")->currentText(), QStringLiteral("30秒"));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_gps")->currentText(), QStringLiteral("北斗"));

    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->record("SYSTEM_PARA_T"), system);
    // The page's own fields come back as they were; the recording and cloud
    // pages' bytes are the device core's copy.
    QCOMPARE(m_fixture->record("Ex_Param_V3_T"), extended);
}

void tst_SystemParamWnd::theSaveChainEndsInOneToast_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("systemResult");
    QTest::addColumn<int>("extendedResult");
    QTest::addColumn<bool>("extendedSent");
    QTest::addColumn<QString>("toast");

    QTest::newRow("system refused") << "G3-12" << 1 << 0 << false << "保存失败";
    QTest::newRow("extended refused") << "G3-12" << 0 << 3 << true << "保存失败";
    QTest::newRow("both accepted") << "G3-12" << 0 << 0 << true << "保存成功";
    QTest::newRow("G2 ends after the system record") << "G2" << 0 << 0 << false << "保存成功";
}

void tst_SystemParamWnd::theSaveChainEndsInOneToast()
{
    QFETCH(QString, profile);
    QFETCH(int, systemResult);
    QFETCH(int, extendedResult);
    QFETCH(bool, extendedSent);
    QFETCH(QString, toast);

    m_fixture->loginTo(PageFixture::profile(profile.toLatin1().constData()));
    auto *page = showPage(profile == "G2" ? 1 : 2);
    QCOMPARE(m_fixture->requestCount(kGetExtended), profile == "G2" ? 0 : 1);
    m_fixture->setResult(kSetSystem, systemResult);
    m_fixture->setResult(kSetExtended, extendedResult);
    m_fixture->clearRequests();

    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
    QTest::qWait(50); // a second toast would come from a reply still on its way
    QCOMPARE(m_fixture->toasts(page), QStringList {toast});
    QCOMPARE(m_fixture->requestCount(kSetSystem), 1);
    QCOMPARE(m_fixture->requestCount(kSetExtended), extendedSent ? 1 : 0);
}

void tst_SystemParamWnd::valuesTheListsLackShowAsGivenAndGoBackUnchanged()
{
    CameraProfile profile = PageFixture::profile("G3-12");
    profile.deviceCodeOverrides[321] = 0; // the short screen-saver list
    m_fixture->loginTo(profile);
    QByteArray system = QByteArray(28, '\0');
    qToLittleEndian<quint32>(30000, system.data());
    m_fixture->setRecord("SYSTEM_PARA_T", system);
    QByteArray extended(92, '\0');
    qToLittleEndian<qint32>(15, extended.data() + 8);
    qToLittleEndian<qint32>(1, extended.data() + 12);
    extended[71] = 5;
    m_fixture->setRecord("Ex_Param_V3_T", extended);

    auto *page = m_fixture->show<SystemParamWnd>(false);
    page->findChild<QComboBox *>("comboBox_screen")->setCurrentIndex(2); // "5分钟"
    const int before = m_fixture->replies();
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(2, before));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_screen")->currentText(), QStringLiteral("5分钟"));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_time")->currentText(), QStringLiteral("关"));

    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    // Nothing was changed after the record came, so the camera's values go back.
    QCOMPARE(qFromLittleEndian<quint32>(m_fixture->sent(kSetSystem).constData()), 30000u);
    QCOMPARE(qFromLittleEndian<qint32>(m_fixture->sent(kSetExtended).constData() + 8), 15);
}

void tst_SystemParamWnd::everyShownCheckBoxFitsInItsFrame()
{
    // A camera with all ten boxes: they wrap into five rows, none cut off,
    // in the page area the configuration window gives its pages.
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    auto *page = showPage(2);
    page->resize(1044, 696);
    page->layout()->activate();
    auto *frame = page->findChild<QFrame *>("frame");
    int shown = 0;
    for (QCheckBox *box : frame->findChildren<QCheckBox *>()) {
        if (box->isHidden())
            continue;
        ++shown;
        QVERIFY2(frame->contentsRect().contains(box->geometry()), qPrintable(box->objectName()));
    }
    QCOMPARE(shown, 10);
}

QTEST_MAIN(tst_SystemParamWnd)
#include "tst_SystemParamWnd.moc"
