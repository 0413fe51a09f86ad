// The maintenance page's device operations: which rows and tabs a camera
// gets, the password in front of each operation, the results, and the
// countdown that ends with the log-out and the closing of the window.

#include "CameraRig.h"
#include "FactoryResetWidget.h"
#include "HintWnd.h"
#include "NamedProfiles.h"
#include "SystemMaintenWnd.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <map>
#include <memory>

using sim::camera::CameraProfile;

Q_DECLARE_METATYPE(CameraProfile)

namespace {

constexpr quint32 kCmdFactoryReset = 33;
constexpr quint32 kCmdFormat = 34;
constexpr quint32 kCmdDefaultReset = 66;
constexpr quint32 kCmdExportParams = 1016;
constexpr quint32 kCmdLogOut = 24;
const QString kPassword = QStringLiteral("123456");

const std::map<std::string, int> kAllOn = {
    {"supportFormat", 1}, {"supportSystemReset", 1}, {"supportRestoreParam", 1}, {"supportUpgrade", 1},
    {"supportPlane", 1},  {"supportPicLead", 1},     {"supportLogoPic", 1},      {"supportParamExport", 1}};

CameraProfile camera(int generation, bool json, std::map<std::string, int> ability = {},
                     std::map<std::size_t, std::uint8_t> code = {})
{
    CameraProfile profile = CameraProfile::generation(generation, json);
    profile.abilityOverrides = std::move(ability);
    profile.deviceCodeOverrides = std::move(code);
    return profile;
}

std::map<std::string, int> allOnBut(const char *key)
{
    std::map<std::string, int> ability = kAllOn;
    ability[key] = 0;
    return ability;
}

// The operations of the page: its button, the camera's command, the result
// texts.
struct Operation
{
    const char *button;
    quint32 command;
    const char *failure;
};
const Operation kOperations[] = {
    {"defaultRestBtn", kCmdDefaultReset, "恢复设备默认参数失败"},
    {"factoryRestBtn", kCmdFactoryReset, "恢复出厂设置操作失败"},
    {"formatBtn", kCmdFormat, "格式化存储操作失败"},
    {"exportParamBtn", kCmdExportParams, nullptr},
};

} // namespace

class tst_SystemMaintenWnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rowsAndTabsFollowTheCamera_data();
    void rowsAndTabsFollowTheCamera();
    void withoutPasswordEachRequestGoesAtTheFirstClick();
    void theConfirmationSendsTheRequestAndFailuresAreShown();
    void anAcceptedFormatCountsDownLogsOutAndClosesTheWindow();

private:
    void open(const CameraProfile &profile);
    template<typename T> T *child(const char *name) const { return m_window->findChild<T *>(name); }
    void click(const char *name) { child<QPushButton>(name)->click(); }
    // The upload tabs have buttons of the same names.
    QWidget *operateTab() const { return child<QWidget>("tab_operate"); }
    HintWnd *overlay() const { return m_window->findChild<HintWnd *>(); }
    QString overlayText() const { return overlay()->findChild<QLabel *>("Hint_Text")->text(); }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<QWidget> m_window;
    SystemMaintenWnd *m_page = nullptr;
};

void tst_SystemMaintenWnd::init()
{
    qApp->setQuitOnLastWindowClosed(false);
}

void tst_SystemMaintenWnd::cleanup()
{
    m_window.reset();
    m_rig.reset();
}

void tst_SystemMaintenWnd::open(const CameraProfile &profile)
{
    m_rig.reset(new CameraRig(std::vector<CameraProfile>{profile}));
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, kPassword));
    m_rig->camera(0).clearReceived();
    // The page lives in a window of its own, as in the main window's stack.
    m_window.reset(new QWidget);
    m_window->resize(1280, 800);
    m_page = new SystemMaintenWnd(m_window.get());
    m_page->updateExportParamVisible();
    m_window->show();
}

void tst_SystemMaintenWnd::rowsAndTabsFollowTheCamera_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QString>("rows"); // default reset, factory reset, format, upgrade, export
    QTest::addColumn<QString>("tabs"); // plate, name tag, logo

    QTest::newRow("gen3 all on") << camera(3, true, kAllOn) << "11111" << "111";
    QTest::newRow("gen3 format 0") << camera(3, true, allOnBut("supportFormat")) << "11011" << "111";
    QTest::newRow("gen3 reset 0") << camera(3, true, allOnBut("supportSystemReset")) << "10111" << "111";
    QTest::newRow("gen3 restore 0") << camera(3, true, allOnBut("supportRestoreParam")) << "01111" << "111";
    QTest::newRow("gen3 upgrade 0") << camera(3, true, allOnBut("supportUpgrade")) << "11101" << "111";
    QTest::newRow("gen3 export 0") << camera(3, true, allOnBut("supportParamExport")) << "11110" << "111";
    QTest::newRow("gen3 plate 0") << camera(3, true, allOnBut("supportPlane")) << "11111" << "011";
    QTest::newRow("gen3 name tag 0") << camera(3, true, allOnBut("supportPicLead")) << "11111" << "101";
    QTest::newRow("gen3 logo 0") << camera(3, true, allOnBut("supportLogoPic")) << "11111" << "110";
    QTest::newRow("gen2 all on") << camera(2, true, kAllOn) << "01101" << "111";
    QTest::newRow("gen3 no record, bytes 1")
        << camera(3, false, {}, {{318, 1}, {326, 1}, {340, 1}}) << "11110" << "111";
    QTest::newRow("gen3 no record, bytes 0")
        << camera(3, false, {}, {{318, 0}, {326, 0}, {340, 0}}) << "11110" << "000";
    QTest::newRow("gen3 no record, logo byte 0")
        << camera(3, false, {}, {{318, 1}, {326, 1}, {340, 0}}) << "11110" << "110";
    QTest::newRow("gen2 no record, bytes 1")
        << camera(2, false, {}, {{318, 1}, {326, 1}, {340, 1}}) << "01100" << "000";
}

void tst_SystemMaintenWnd::rowsAndTabsFollowTheCamera()
{
    QFETCH(CameraProfile, profile);
    open(profile);
    QString rows;
    for (const char *button : {"defaultRestBtn", "factoryRestBtn", "formatBtn", "send_btn", "exportParamBtn"})
        rows += operateTab()->findChild<QWidget *>(button)->isHidden() ? '0' : '1';
    QTEST(rows, "rows");
    QString tabs;
    auto *tabWidget = child<QTabWidget>("tabWidget");
    for (int tab = 1; tab <= 3; ++tab)
        tabs += tabWidget->isTabEnabled(tab) ? '1' : '0';
    QTEST(tabs, "tabs");
    QCOMPARE(tabWidget->count(), 4);
}

void tst_SystemMaintenWnd::withoutPasswordEachRequestGoesAtTheFirstClick()
{
    CameraProfile profile = camera(3, true, kAllOn);
    profile.noPasswordLogin = true;
    open(profile);
    for (const Operation &operation : kOperations) {
        click(operation.button);
        QTRY_COMPARE(m_rig->sent(0, operation.command).size(), 1);
        overlay()->hide();
    }
    for (FactoryResetWidget *confirmation : m_window->findChildren<FactoryResetWidget *>())
        QVERIFY(!confirmation->isVisible());
    // The export answered 0.
    QTRY_COMPARE(m_page->findChild<QWidget *>("PopupWidget") ? m_page->findChild<QLabel *>("text")->text()
                                                                 : QString(),
                 QStringLiteral("保存成功"));
}

void tst_SystemMaintenWnd::theConfirmationSendsTheRequestAndFailuresAreShown()
{
    open(camera(3, true, kAllOn));
    for (const Operation &operation : kOperations)
        m_rig->camera(0).setFault(operation.command, sim::CommandFault::fail());
    for (const Operation &operation : kOperations) {
        click(operation.button);
        QTest::qWait(50);
        QCOMPARE(m_rig->sent(0, operation.command).size(), 0);
        FactoryResetWidget *confirmation = nullptr;
        for (FactoryResetWidget *candidate : m_window->findChildren<FactoryResetWidget *>()) {
            if (candidate->isVisible())
                confirmation = candidate;
        }
        QVERIFY(confirmation);
        QCOMPARE(confirmation->geometry(), m_window->rect());
        confirmation->findChild<QLineEdit *>("pwdEdit")->setText(kPassword);
        confirmation->findChild<QPushButton *>("okBtn")->click();
        QTRY_COMPARE(m_rig->sent(0, operation.command).size(), 1);
        if (operation.failure) {
            QTRY_VERIFY(overlay()->isVisible());
            QCOMPARE(overlayText(), QString::fromUtf8(operation.failure));
            QVERIFY(overlay()->findChild<QPushButton *>("Ok_Button")->isVisible());
            overlay()->hide();
        } else {
            QTRY_COMPARE(m_page->findChild<QLabel *>("text")->text(), QStringLiteral("保存失败"));
        }
    }
}

void tst_SystemMaintenWnd::anAcceptedFormatCountsDownLogsOutAndClosesTheWindow()
{
    open(camera(3, true, kAllOn));
    overlay()->setCountdownStep(20);
    click("formatBtn");
    FactoryResetWidget *confirmation = nullptr;
    for (FactoryResetWidget *candidate : m_window->findChildren<FactoryResetWidget *>()) {
        if (candidate->isVisible())
            confirmation = candidate;
    }
    QVERIFY(confirmation);
    QTest::keyClicks(confirmation->findChild<QLineEdit *>("pwdEdit"), kPassword);
    confirmation->findChild<QPushButton *>("okBtn")->click();
    QTRY_VERIFY(overlay()->isVisible());
    QCOMPARE(overlayText(), QStringLiteral("软件即将关闭"));
    QVERIFY(!overlay()->findChild<QPushButton *>("Ok_Button")->isVisible());
    QTRY_VERIFY(!m_window->isVisible());
    QTRY_COMPARE(m_rig->sent(0, kCmdLogOut).size(), 1);
    QCOMPARE(m_rig->sent(0, kCmdFormat).size(), 1);
}

QTEST_MAIN(tst_SystemMaintenWnd)
#include "tst_SystemMaintenWnd.moc"
