// Which buttons, navigator rows and pages a camera gets, decided from its real
// replies: each row plugs one simulated camera described by its generation,
// ability description and device-code bytes, logs in and builds the main
// window.

#include "CameraRig.h"
#include "DeviceConfigureWnd.h"
#include "MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <map>
#include <memory>

using sim::camera::CameraProfile;

Q_DECLARE_METATYPE(CameraProfile)

namespace {

const char *const kPageClasses[] = {"DeviceMessageWnd", "CameraConfigWnd", "SystemConfigWnd",
                                    "NetworkProWnd",    "PlatformWnd",     "CustomConfigWndEX",
                                    "SystemMaintenWnd"};

const char *const kShowFlags[] = {"showDeviceInfo",    "showCameraInfo",   "showSystemInfo",
                                  "showNetworkInfo",   "showPlatformInfo", "showCustomParam",
                                  "showSystemMaintain"};

CameraProfile camera(int generation, bool json, std::map<std::string, int> ability = {},
                     std::map<std::size_t, std::uint8_t> code = {})
{
    CameraProfile profile = CameraProfile::generation(generation, json);
    profile.abilityOverrides = std::move(ability);
    profile.deviceCodeOverrides = std::move(code);
    return profile;
}

// "1" for a shown button, in the order media, log, USB mode, settings, download.
QString buttonsOf(const MainWindow &window)
{
    QString shown;
    for (const char *name : {"media_btn", "logInfo_btn", "modelChange_btn", "setting_btn", "load_btn"})
        shown += window.findChild<QPushButton *>(name)->isHidden() ? '0' : '1';
    return shown;
}

QString rowsOf(const QListWidget &list)
{
    QString shown;
    for (int row = 0; row < list.count(); ++row)
        shown += list.item(row)->isHidden() ? '0' : '1';
    return shown;
}

QStringList pagesOf(const QWidget &navigator)
{
    QStringList pages;
    const QList<QWidget *> widgets = navigator.findChildren<QWidget *>();
    for (const char *name : kPageClasses) {
        for (const QWidget *widget : widgets) {
            if (widget->inherits(name))
                pages << name;
        }
    }
    return pages;
}

QString visiblePageOf(const QWidget &navigator)
{
    for (const char *name : kPageClasses) {
        for (const QWidget *widget : navigator.findChildren<QWidget *>()) {
            if (widget->inherits(name) && widget->isVisibleTo(&navigator))
                return name;
        }
    }
    return QString();
}

} // namespace

class tst_MainWindowGating : public QObject
{
    Q_OBJECT

private slots:
    void cameraDecidesButtonsRowsAndPages_data();
    void cameraDecidesButtonsRowsAndPages();
};

void tst_MainWindowGating::cameraDecidesButtonsRowsAndPages_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("buttons"); // media, log, USB mode, settings, download
    QTest::addColumn<QString>("rows"); // navigator rows 0 to 6
    QTest::addColumn<QString>("firstPage");
    QTest::addColumn<bool>("settingsLogRow");

    std::map<std::string, int> noShowFlags;
    for (const char *flag : kShowFlags)
        noShowFlags[flag] = 0;

    QTest::newRow("gen 3 JSON") << camera(3, true) << "V 3.0"
                                << "11111"
                                << "1111111"
                                << "DeviceMessageWnd" << true;
    QTest::newRow("gen 3 JSON, showMediaInfo 0") << camera(3, true, {{"showMediaInfo", 0}}) << "V 3.0"
                                                 << "01100"
                                                 << "1111111"
                                                 << "DeviceMessageWnd" << true;
    QTest::newRow("gen 3 JSON, supportLog 0 over log byte 1")
            << camera(3, true, {{"supportLog", 0}}) << "V 3.0"
            << "10111"
            << "1111111"
            << "DeviceMessageWnd" << false;
    QTest::newRow("gen 3 JSON, supportLog 1 over log byte 0") << camera(3, true, {}, {{271, 0}}) << "V 3.0"
                                                              << "11111"
                                                              << "1111111"
                                                              << "DeviceMessageWnd" << true;
    QTest::newRow("gen 3 JSON, supportUsbMode 0") << camera(3, true, {{"supportUsbMode", 0}}) << "V 3.0"
                                                  << "11011"
                                                  << "1111111"
                                                  << "DeviceMessageWnd" << true;
    QTest::newRow("gen 3 JSON, showDeviceInfo 0") << camera(3, true, {{"showDeviceInfo", 0}}) << "V 3.0"
                                                  << "11111"
                                                  << "0111111"
                                                  << "CameraConfigWnd" << true;
    QTest::newRow("gen 3 JSON, no user info: the rule hides the identity")
            << camera(3, true, {{"supportUserInfo", 0}}) << "V 3.0"
            << "11111"
            << "0111111"
            << "CameraConfigWnd" << true;
    QTest::newRow("gen 3 JSON, only maintenance") << camera(3, true,
                                                            [&] {
                                                                auto flags = noShowFlags;
                                                                flags["showSystemMaintain"] = 1;
                                                                return flags;
                                                            }())
                                                  << "V 3.0"
                                                  << "11111"
                                                  << "0000001"
                                                  << "SystemMaintenWnd" << true;
    QTest::newRow("gen 3 JSON, network and extended rows off, network bytes on")
            << camera(3, true, {{"showNetworkInfo", 0}, {"showCustomParam", 0}}) << "V 3.0"
            << "11111"
            << "1110101"
            << "DeviceMessageWnd" << true;
    QTest::newRow("gen 3 JSON, all show flags 0: empty page area") << camera(3, true, noShowFlags) << "V 3.0"
                                                                   << "11111"
                                                                   << "0000000"
                                                                   << "" << true;
    QTest::newRow("gen 3 classic") << camera(3, false) << "V 3.0"
                                   << "11111"
                                   << "1111101"
                                   << "DeviceMessageWnd" << true;
    QTest::newRow("gen 3 classic, log byte 0") << camera(3, false, {}, {{271, 0}}) << "V 3.0"
                                               << "10111"
                                               << "1111101"
                                               << "DeviceMessageWnd" << false;
    QTest::newRow("gen 3 classic, Wi-Fi byte 0") << camera(3, false, {}, {{264, 0}}) << "V 3.0"
                                                 << "11111"
                                                 << "1111101"
                                                 << "DeviceMessageWnd" << true;
    QTest::newRow("gen 3 classic, both network bytes 0")
            << camera(3, false, {}, {{264, 0}, {265, 0}}) << "V 3.0"
            << "11111"
            << "1110001"
            << "DeviceMessageWnd" << true;
    QTest::newRow("gen 2") << camera(2, false) << "V 2.0"
                           << "11111"
                           << "1111101"
                           << "DeviceMessageWnd" << true;
    QTest::newRow("gen 2, log and network bytes 0")
            << camera(2, false, {}, {{264, 0}, {265, 0}, {271, 0}}) << "V 2.0"
            << "11111"
            << "1111101"
            << "DeviceMessageWnd" << true;
}

void tst_MainWindowGating::cameraDecidesButtonsRowsAndPages()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QString, version);
    QFETCH(QString, buttons);
    QFETCH(QString, rows);
    QFETCH(QString, firstPage);
    QFETCH(bool, settingsLogRow);

    CameraRig rig(std::vector<CameraProfile>{profile});
    QVERIFY(rig.discover());
    QVERIFY(rig.loginAs(0, QStringLiteral("123456")));

    const std::unique_ptr<MainWindow> window(new MainWindow);
    QCOMPARE(window->findChild<QLabel *>("version")->text(), version);
    QCOMPARE(buttonsOf(*window), buttons);
    QCOMPARE(window->findChild<QLineEdit *>("Local_Log_Edit")->isHidden(), !settingsLogRow);

    const auto *navigator = window->findChild<DeviceConfigureWnd *>();
    QVERIFY(navigator);
    const auto *list = navigator->findChild<QListWidget *>("listWidget");
    QCOMPARE(rowsOf(*list), rows);
    // Only the first page offered exists, and it is the one on screen.
    QCOMPARE(pagesOf(*navigator), firstPage.isEmpty() ? QStringList() : QStringList{firstPage});
    QCOMPARE(visiblePageOf(*navigator), firstPage);
    if (!firstPage.isEmpty())
        QVERIFY(!list->item(list->currentRow())->isHidden());
}

QTEST_MAIN(tst_MainWindowGating)
#include "tst_MainWindowGating.moc"
