#include "CLoginWidget.h"
#include "CameraRig.h"
#include "InitWidget.h"
#include "LoadingPlugin.h"
#include "LocalText.h"
#include "LoginListItem.h"
#include "OverlayRecorder.h"
#include "UsbBus.h"
#include "behaviour/CameraBehaviour.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>

using sim::camera::CameraProfile;

namespace {

const quint32 kLogin = 1;
const quint32 kDevCode = 39;
const quint32 kFirmware = 1009;
const quint32 kIdentity = 14;
const quint32 kAbility = 100;
const quint32 kActivationCapability = 1020;
const quint32 kActivationStatus = 1021;

// A camera whose IDs are GBK text, as the cameras keep them.
CameraProfile cameraWithIds(const QString &officerId, const QString &deviceId)
{
    CameraProfile profile;
    profile.officerId = LocalText::encode(officerId).toStdString();
    profile.deviceId = LocalText::encode(deviceId).toStdString();
    return profile;
}

CameraProfile newCamera()
{
    CameraProfile profile;
    profile.activated = false;
    return profile;
}

QByteArray u32s(std::initializer_list<quint32> values)
{
    QByteArray bytes;
    for (quint32 value : values) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((value >> shift) & 0xff));
    }
    return bytes;
}

} // namespace

class tst_CLoginWidget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void buildLabelReadsTheCompilerDate_data();
    void buildLabelReadsTheCompilerDate();
    void lockTextShowsTheSecondsStillToWait_data();
    void lockTextShowsTheSecondsStillToWait();
    void dragBandIsTheTopOfTheWindow_data();
    void dragBandIsTheTopOfTheWindow();
    void validatorsAcceptTheirCharacters_data();
    void validatorsAcceptTheirCharacters();

    void recognisesTwoCamerasAndListsTheirGbkIds();
    void logsInToThePressedCameraEndToEnd();
    void passwordLengthDecidesWhetherTheLogInStarts_data();
    void passwordLengthDecidesWhetherTheLogInStarts();
    void noDeviceAreaForAnEmptyListAndAFailedDiscovery_data();
    void noDeviceAreaForAnEmptyListAndAFailedDiscovery();
    void aRefusedRequestBeforeTheLogInEndsTheWait_data();
    void aRefusedRequestBeforeTheLogInEndsTheWait();
    void aSecondPressDuringTheLogInSendsNothing();
    void noPasswordCameraLogsInWithNothingTyped();
    void lockMessageAfterFiveWrongPasswords();
    void newCameraIsSetUpThenLoggedIn();
    void cancellingSetUpReturnsToTheListAndTheNextShowIsClean();

private:
    void open(const std::vector<CameraProfile> &profiles);
    void recognise();
    void pressRow(int row);
    // Presses the row and waits until the window asked for the ability description.
    void selectActivatedCamera(int row);
    void typePassword(const QString &password);
    void pressReturn();
    void logInWith(const QString &password);
    template<typename T>
    T *child(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no %s in the window", name);
        return widget;
    }
    bool shown(const char *name) const { return child<QWidget>(name)->isVisible(); }
    QString errorText() const { return child<QLabel>("errorTxt")->text(); }
    LoadingPlugin *busy() const { return m_window->findChild<LoadingPlugin *>(); }
    InitWidget *setUpPage() const { return m_window->findChild<InitWidget *>(); }
    int loginResults() const { return m_rig->probe().count("deviceLoginResult"); }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<CLoginWidget> m_window;
};

void tst_CLoginWidget::cleanup()
{
    sim::UsbBus::instance().clearFaults();
    m_window.reset();
    m_rig.reset();
}

void tst_CLoginWidget::open(const std::vector<CameraProfile> &profiles)
{
    m_rig.reset(new CameraRig(profiles));
    m_rig->manager()->setReplyDeadlines(400, 1500);
    m_window.reset(new CLoginWidget);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_CLoginWidget::recognise()
{
    QTest::mouseClick(child<QPushButton>("recogniteBtn"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(busy()->isHidden(), CameraRig::kWaitMs);
}

void tst_CLoginWidget::pressRow(int row)
{
    auto *list = child<QListWidget>("listWidget");
    QVERIFY(list->item(row));
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void tst_CLoginWidget::selectActivatedCamera(int row)
{
    pressRow(row);
    QTRY_COMPARE(m_rig->sent(row, kAbility).size(), 1);
    QTRY_VERIFY(busy()->isHidden());
    // Let the ability reply reach the window.
    QTRY_COMPARE(m_rig->probe().count("devRecvDevJsonAbility"), 1);
    QCoreApplication::processEvents();
}

void tst_CLoginWidget::typePassword(const QString &password)
{
    auto *input = child<QLineEdit>("pwdInput");
    input->clear();
    QTest::keyClicks(input, password);
}

void tst_CLoginWidget::pressReturn()
{
    QTest::keyClick(child<QLineEdit>("pwdInput"), Qt::Key_Return);
}

void tst_CLoginWidget::logInWith(const QString &password)
{
    const int before = loginResults();
    typePassword(password);
    pressReturn();
    QVERIFY(m_rig->probe().wait("deviceLoginResult", before + 1));
    QTRY_VERIFY(busy()->isHidden());
}

// ---- pure rules ----------------------------------------------------------

void tst_CLoginWidget::buildLabelReadsTheCompilerDate_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QString>("label");
    QTest::newRow("one-digit day") << QByteArray("Mar  1 2024") << "Build20240301";
    QTest::newRow("last month") << QByteArray("Dec 31 1999") << "Build19991231";
    QTest::newRow("first month") << QByteArray("Jan 10 2026") << "Build20260110";
    QTest::newRow("leap day") << QByteArray("Feb 29 2024") << "Build20240229";
    QTest::newRow("unknown month") << QByteArray("Foo  1 2024") << "Build";
    QTest::newRow("month across a boundary") << QByteArray("anF  1 2024") << "Build";
    QTest::newRow("not a date") << QByteArray("") << "Build";
}

void tst_CLoginWidget::buildLabelReadsTheCompilerDate()
{
    QFETCH(QByteArray, date);
    QFETCH(QString, label);
    QCOMPARE(CLoginWidget::buildLabelText(date.constData()), label);
}

void tst_CLoginWidget::lockTextShowsTheSecondsStillToWait_data()
{
    QTest::addColumn<int>("locktime");
    QTest::addColumn<QString>("text");
    QTest::newRow("wrong password") << 0 << "输入的密码错误";
    QTest::newRow("lock just begun") << 1 << "设备已锁定299秒";
    QTest::newRow("100 s into the lock") << 100 << "设备已锁定200秒";
    QTest::newRow("lock over") << 300 << "设备已锁定0秒";
    QTest::newRow("beyond the lock") << 301 << "设备已锁定0秒";
    QTest::newRow("u32 beyond int") << -1 << "设备已锁定300秒";
}

void tst_CLoginWidget::lockTextShowsTheSecondsStillToWait()
{
    QFETCH(int, locktime);
    QFETCH(QString, text);
    QCOMPARE(CLoginWidget::loginFailureText(locktime), text);
}

void tst_CLoginWidget::dragBandIsTheTopOfTheWindow_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inBand");
    QTest::newRow("x 0") << QPoint(0, 10) << false;
    QTest::newRow("x 1") << QPoint(1, 10) << true;
    QTest::newRow("x 579") << QPoint(579, 10) << true;
    QTest::newRow("x 580") << QPoint(580, 10) << false;
    QTest::newRow("y 0") << QPoint(10, 0) << false;
    QTest::newRow("y 1") << QPoint(10, 1) << true;
    QTest::newRow("y 149") << QPoint(10, 149) << true;
    QTest::newRow("y 150") << QPoint(10, 150) << false;
}

void tst_CLoginWidget::dragBandIsTheTopOfTheWindow()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inBand);
    QCOMPARE(CLoginWidget::inDragBand(point), inBand);
}

void tst_CLoginWidget::validatorsAcceptTheirCharacters_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("log-in: letters and digits") << QByteArray("pwdInput") << "azAZ09" << true;
    QTest::newRow("log-in: listed signs") << QByteArray("pwdInput") << "~!@#$%&*-." << true;
    QTest::newRow("log-in: + and , lie in the range *-.") << QByteArray("pwdInput") << "+," << true;
    QTest::newRow("log-in: /") << QByteArray("pwdInput") << "/" << false;
    QTest::newRow("log-in: ^") << QByteArray("pwdInput") << "^" << false;
    QTest::newRow("log-in: _") << QByteArray("pwdInput") << "_" << false;
    QTest::newRow("log-in: blank") << QByteArray("pwdInput") << " " << false;
    QTest::newRow("log-in: Chinese") << QByteArray("pwdInput") << "密" << false;
    QTest::newRow("device: digits") << QByteArray("newPwdInput") << "0123456789" << true;
    QTest::newRow("device: letter") << QByteArray("rePwdInput") << "a" << false;
    QTest::newRow("device: sign") << QByteArray("newPwdInput") << "-" << false;
    QTest::newRow("hotspot: letters and digits") << QByteArray("newPwdInput_ap") << "azAZ09" << true;
    QTest::newRow("hotspot: listed signs")
            << QByteArray("newPwdInput_ap") << "~!@#$%^&*()_;':,./<>?|{}" << true;
    QTest::newRow("hotspot: the range +-=") << QByteArray("rePwdInput_ap") << "+,-./:;<=" << true;
    QTest::newRow("hotspot: double quote") << QByteArray("newPwdInput_ap") << "\"" << false;
    QTest::newRow("hotspot: backslash") << QByteArray("newPwdInput_ap") << "\\" << false;
    QTest::newRow("hotspot: brackets") << QByteArray("newPwdInput_ap") << "[]" << false;
    QTest::newRow("hotspot: backquote") << QByteArray("newPwdInput_ap") << "`" << false;
    QTest::newRow("hotspot: blank") << QByteArray("newPwdInput_ap") << " " << false;
}

void tst_CLoginWidget::validatorsAcceptTheirCharacters()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    open({});
    const QValidator *validator = child<QLineEdit>(input.constData())->validator();
    QVERIFY(validator);
    int position = 0;
    QCOMPARE(validator->validate(text, position) == QValidator::Acceptable, accepted);
}

// ---- flows on simulated cameras -------------------------------------------

void tst_CLoginWidget::recognisesTwoCamerasAndListsTheirGbkIds()
{
    open({cameraWithIds("警号0001", "执法记录仪甲"), cameraWithIds("100002", "CAM-二号")});
    OverlayRecorder overlays;
    QVERIFY(shown("recogniteBtn"));
    QVERIFY(!shown("listWidget"));

    recognise();
    QCOMPARE(overlays.texts(OverlayRecorder::Busy), QStringList{"正在识别设备，请稍候..."});
    QCOMPARE(child<QLabel>("resultText")->text(),
             QStringLiteral("2 device(s) recognized. Select one first."));
    QVERIFY(shown("resultFrame"));
    QVERIFY(shown("listWidget"));
    QVERIFY(!shown("refreshFrame"));

    auto *list = child<QListWidget>("listWidget");
    QCOMPARE(list->count(), 2);
    const QStringList officers = {"警号0001", "100002"};
    const QStringList devices = {"执法记录仪甲", "CAM-二号"};
    for (int row = 0; row < 2; ++row) {
        auto *item = qobject_cast<LoginListItem *>(list->itemWidget(list->item(row)));
        QVERIFY(item);
        QCOMPARE(item->getIndex(), row);
        QCOMPARE(item->getPolId(), officers.at(row));
        QCOMPARE(item->getDevId(), devices.at(row));
        QCOMPARE(list->item(row)->sizeHint(), QSize(548, 50));
    }
}

void tst_CLoginWidget::logsInToThePressedCameraEndToEnd()
{
    open({CameraProfile(), cameraWithIds("100002", "执法记录仪乙")});
    recognise();
    OverlayRecorder overlays;
    selectActivatedCamera(1);
    QCOMPARE(overlays.texts(OverlayRecorder::Busy), QStringList{"正在加载，请稍候..."});
    QCOMPARE(m_rig->sent(1, kActivationCapability).size(), 1);
    QCOMPARE(m_rig->sent(1, kActivationStatus).size(), 1);
    QVERIFY(m_rig->sent(0, kActivationCapability).isEmpty());
    QVERIFY(shown("loginFrame"));
    QVERIFY(!shown("listWidget"));
    QCOMPARE(child<QLabel>("devIdTxt")->toolTip(), QStringLiteral("执法记录仪乙"));
    QCOMPARE(child<QLabel>("polIdTxt")->toolTip(), QStringLiteral("100002"));
    QCOMPARE(QByteArray(m_rig->manager()->GetDevIdInfo().deviceId), LocalText::encode("执法记录仪乙"));

    auto *loginButton = child<QPushButton>("loginBtn");
    const QRect buttonPlace = loginButton->geometry();
    logInWith("654321");
    QVERIFY(!m_rig->probe().last("deviceLoginResult").values.value(0).toBool());
    QVERIFY(shown("errorTextFrame"));
    QCOMPARE(errorText(), QStringLiteral("输入的密码错误"));
    m_window->layout()->activate();
    QCOMPARE(loginButton->geometry(), buttonPlace);

    overlays.clear();
    logInWith("123456");
    QCOMPARE(overlays.texts(OverlayRecorder::Busy), QStringList{"登录中，请稍候..."});
    QVERIFY(m_rig->probe().last("deviceLoginResult").values.value(0).toBool());
    QVERIFY(!shown("errorTextFrame"));
    // While logging in the veil covered the list area, its busy row clear of
    // the password field and the Log in button, which stayed where it was.
    QCOMPARE(busy()->geometry(), child<QFrame>("devListFrame")->rect());
    busy()->layout()->activate();
    QWidget *window = m_window.get();
    const auto placeIn = [window](QWidget *widget) {
        return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
    };
    const QRect spinner = placeIn(busy()->findChild<QLabel *>("loadPic"));
    QVERIFY(!spinner.intersects(placeIn(child<QLineEdit>("pwdInput"))));
    QVERIFY(!spinner.intersects(placeIn(loginButton)));
    QCOMPARE(loginButton->geometry(), buttonPlace);
    const auto code = m_rig->sent(1, kDevCode).last().time;
    const auto firmware = m_rig->sent(1, kFirmware).last().time;
    const auto login = m_rig->sent(1, kLogin).last().time;
    QVERIFY(firmware - code >= std::chrono::milliseconds(50));
    QVERIFY(login - firmware >= std::chrono::milliseconds(50));
    QCOMPARE(m_rig->sent(1, kLogin).last().payload.left(7), QByteArray("123456\0", 7));
}

void tst_CLoginWidget::passwordLengthDecidesWhetherTheLogInStarts_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("sent");
    QTest::newRow("empty") << ""
                           << "密码不能为空" << false;
    QTest::newRow("five characters") << "12345"
                                     << "输入的密码错误" << false;
    QTest::newRow("six characters") << "123456"
                                    << "" << true;
}

void tst_CLoginWidget::passwordLengthDecidesWhetherTheLogInStarts()
{
    QFETCH(QString, password);
    QFETCH(QString, error);
    QFETCH(bool, sent);

    open({CameraProfile()});
    recognise();
    selectActivatedCamera(0);
    typePassword(password);
    QTest::mouseClick(child<QPushButton>("loginBtn"), Qt::LeftButton);
    QCOMPARE(shown("errorTextFrame"), !sent);
    if (!sent)
        QCOMPARE(errorText(), error);
    QCOMPARE(m_rig->sent(0, kDevCode).size(), sent ? 1 : 0);
    QCOMPARE(m_rig->sent(0, kLogin).size(), sent ? 1 : 0);
    if (sent)
        QVERIFY(m_rig->probe().wait("deviceLoginResult"));
}

void tst_CLoginWidget::noDeviceAreaForAnEmptyListAndAFailedDiscovery_data()
{
    QTest::addColumn<bool>("silentCamera");
    QTest::newRow("no camera: discovery fails") << false;
    QTest::newRow("silent camera: empty list") << true;
}

void tst_CLoginWidget::noDeviceAreaForAnEmptyListAndAFailedDiscovery()
{
    QFETCH(bool, silentCamera);
    open(silentCamera ? std::vector<CameraProfile>{CameraProfile()} : std::vector<CameraProfile>{});
    if (silentCamera)
        m_rig->camera(0).setFault(kIdentity, sim::CommandFault::noAnswer());

    recognise();
    QCOMPARE(m_rig->probe().count(silentCamera ? "updateDevListOver" : "refreshDeviceResult"), 1);
    QVERIFY(shown("refreshFrame"));
    QVERIFY(shown("reidentifyFrame"));
    QVERIFY(!shown("recogniteBtn"));
    QVERIFY(!shown("resultFrame"));
    QVERIFY(!shown("listWidget"));

    // Trying again covers the whole list area, whatever was shown before.
    if (silentCamera)
        m_rig->camera(0).clearFaults();
    QTest::mouseClick(child<QPushButton>("reidentifyBtn_2"), Qt::LeftButton);
    QCOMPARE(busy()->geometry(), child<QFrame>("devListFrame")->rect());
    QTRY_VERIFY_WITH_TIMEOUT(busy()->isHidden(), CameraRig::kWaitMs);
    QCOMPARE(shown("listWidget"), silentCamera);
    QCOMPARE(shown("reidentifyFrame"), !silentCamera);
}

void tst_CLoginWidget::aRefusedRequestBeforeTheLogInEndsTheWait_data()
{
    QTest::addColumn<quint32>("refused");
    QTest::newRow("activation capability") << kActivationCapability;
    QTest::newRow("activation status") << kActivationStatus;
    QTest::newRow("ability description") << kAbility;
}

void tst_CLoginWidget::aRefusedRequestBeforeTheLogInEndsTheWait()
{
    QFETCH(quint32, refused);
    open({CameraProfile(), CameraProfile()});
    recognise();

    // The camera is unplugged right before the window sends the refused
    // request: the test holds back the reply that leads to it, breaks the
    // camera's link, then lets the reply through.
    const quint32 before = refused == kActivationStatus ? kActivationCapability
            : refused == kAbility                       ? kActivationStatus
                                                        : 0;
    if (before)
        m_rig->camera(1).setFault(before, sim::CommandFault::noAnswer());
    else
        sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1, sim::UsbBus::Always, 1);
    pressRow(1);
    if (before) {
        QTRY_COMPARE(m_rig->sent(1, before).size(), 1);
        sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1, sim::UsbBus::Always, 1);
        m_rig->inject(1, before, 0, before == kActivationCapability ? u32s({1, 1}) : u32s({1}));
    }

    QTRY_VERIFY(busy()->isHidden());
    QVERIFY(shown("errorTextFrame"));
    QCOMPARE(errorText(), QStringLiteral("登录失败，请重启后再登录"));
    QVERIFY(m_rig->sent(1, refused).isEmpty());

    QTest::mouseClick(child<QPushButton>("backBtn"), Qt::LeftButton);
    QVERIFY(shown("listWidget"));
    QVERIFY(!shown("loginFrame"));
}

void tst_CLoginWidget::aSecondPressDuringTheLogInSendsNothing()
{
    open({CameraProfile()});
    recognise();
    selectActivatedCamera(0);

    // While the log-in waits for its answer.
    m_rig->camera(0).setFault(kLogin, sim::CommandFault::noAnswer());
    typePassword("123456");
    pressReturn();
    QCOMPARE(m_rig->sent(0, kLogin).size(), 1);
    pressReturn();
    QTest::mouseClick(child<QPushButton>("loginBtn"), Qt::LeftButton);
    QCOMPARE(m_rig->sent(0, kLogin).size(), 1);
    QCOMPARE(m_rig->sent(0, kDevCode).size(), 1);

    // The unanswered log-in ends as a failure to send, and the next press works.
    QVERIFY(m_rig->probe().wait("LoginCmdFailure"));
    QTRY_VERIFY(busy()->isHidden());
    QCOMPARE(errorText(), QStringLiteral("登录失败，请重启后再登录"));
    m_rig->camera(0).clearFaults();
    logInWith("123456");
    QVERIFY(m_rig->probe().last("deviceLoginResult").values.value(0).toBool());
}

void tst_CLoginWidget::noPasswordCameraLogsInWithNothingTyped()
{
    CameraProfile profile;
    profile.noPasswordLogin = true;
    profile.factoryPassword = "582914";
    open({profile});
    recognise();
    pressRow(0);
    QVERIFY(m_rig->probe().wait("deviceLoginResult"));
    QVERIFY(m_rig->probe().last("deviceLoginResult").values.value(0).toBool());
    QCOMPARE(m_rig->sent(0, kLogin).first().payload.left(7), QByteArray("582914\0", 7));
    QTRY_VERIFY(busy()->isHidden());
}

void tst_CLoginWidget::lockMessageAfterFiveWrongPasswords()
{
    open({CameraProfile()});
    // The camera's lock runs on a clock the test can move on.
    auto skipped = std::make_shared<std::atomic<int>>(0);
    m_rig->camera(0).edit([skipped](sim::camera::CameraBehaviour &camera) {
        camera.login().setClock([skipped] {
            return std::chrono::steady_clock::now() + std::chrono::seconds(skipped->load());
        });
    });
    recognise();
    selectActivatedCamera(0);

    for (int attempt = 1; attempt <= 4; ++attempt) {
        logInWith("000000");
        QCOMPARE(errorText(), QStringLiteral("输入的密码错误"));
    }
    logInWith("000000");
    QCOMPARE(errorText(), QStringLiteral("设备已锁定299秒"));

    skipped->store(120);
    logInWith("123456");
    QCOMPARE(errorText(), QStringLiteral("设备已锁定180秒"));
}

void tst_CLoginWidget::newCameraIsSetUpThenLoggedIn()
{
    open({newCamera()});
    recognise();
    pressRow(0);
    QTRY_VERIFY(setUpPage()->isVisible());
    QCOMPARE(setUpPage()->geometry(), m_window->rect());
    QVERIFY(setUpPage()->findChild<QWidget *>("apwidget")->isVisible());

    QSignalSpy done(setUpPage(), &InitWidget::sigShowLoginInput);
    const QList<QPair<const char *, const char *>> inputs = {{"newPwdInput", "246810"},
                                                             {"rePwdInput", "246810"},
                                                             {"newPwdInput_ap", "hotspot-1"},
                                                             {"rePwdInput_ap", "hotspot-1"}};
    for (const auto &input : inputs)
        QTest::keyClicks(setUpPage()->findChild<QLineEdit *>(input.first), input.second);
    QTest::mouseClick(setUpPage()->findChild<QPushButton *>("Ok_Button"), Qt::LeftButton);

    QTRY_COMPARE(done.size(), 1);
    QCOMPARE(done.first().first().toBool(), true);
    QVERIFY(setUpPage()->isHidden());
    QTRY_COMPARE(m_rig->sent(0, kAbility).size(), 1);
    QTRY_VERIFY(busy()->isHidden());
    QVERIFY(shown("loginFrame"));
    logInWith("246810");
    QVERIFY(m_rig->probe().last("deviceLoginResult").values.value(0).toBool());
}

void tst_CLoginWidget::cancellingSetUpReturnsToTheListAndTheNextShowIsClean()
{
    open({newCamera()});
    recognise();
    pressRow(0);
    QTRY_VERIFY(setUpPage()->isVisible());

    auto *password = setUpPage()->findChild<QLineEdit *>("newPwdInput");
    QTest::keyClicks(password, "123");
    QTest::mouseClick(setUpPage()->findChild<QPushButton *>("Ok_Button"), Qt::LeftButton);
    QVERIFY(setUpPage()->findChild<QFrame *>("newErrorFrame")->isVisible());

    QTest::mouseClick(setUpPage()->findChild<QPushButton *>("Cancle_Button"), Qt::LeftButton);
    QVERIFY(setUpPage()->isHidden());
    QVERIFY(busy()->isHidden());
    QVERIFY(shown("listWidget"));
    QVERIFY(shown("resultFrame"));
    QVERIFY(!shown("loginFrame"));
    QVERIFY(m_rig->sent(0, kAbility).isEmpty());

    pressRow(0);
    QTRY_VERIFY(setUpPage()->isVisible());
    QVERIFY(password->text().isEmpty());
    QVERIFY(!setUpPage()->findChild<QFrame *>("newErrorFrame")->isVisible());
}

QTEST_MAIN(tst_CLoginWidget)
#include "tst_CLoginWidget.moc"
