// The group-talk page: the record through the simulated camera, when the
// address and port are checked, the password rule, which mode enables the
// inputs, and how a save ends.

#include "GroupTalkConfigWnd.h"
#include "MainManager.h"
#include "MainWindow.h"
#include "PageFixture.h"
#include "PlatformTabs.h"
#include "PlatformWnd.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr quint32 kSetGroupTalk = 136;
constexpr std::size_t kGroupTalkCap = 284;
constexpr int kRecordSize = 188;
const char *const kFrames[] = {"ip_point_frame", "port_point_frame", "possword_point_frame_2"};
const char *const kInputs[] = {"IP_edit",        "port_edit",          "userName_edit",  "password_edit",
                               "password_edit_2", "cur_group_num_edit", "verifycode_edit"};

struct Account
{
    quint8 mode = 0;
    QByteArray address;
    quint16 port = 0;
    QByteArray user;
    QByteArray password;
    QByteArray newPassword;
    QByteArray code;
    qint32 group = 0;
};

template<typename T>
void put(QByteArray &record, int offset, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    record.replace(offset, int(sizeof bytes), bytes, int(sizeof bytes));
}

// Texts take at most 32 bytes each: a 32-byte one has no NUL.
QByteArray groupTalkRecord(const Account &a, char filler = '\0')
{
    QByteArray record(kRecordSize, '\0');
    record[0] = char(a.mode);
    for (int reserved : {1, 2, 3, 38, 39})
        record[reserved] = filler;
    for (int reserved = 172; reserved < kRecordSize; ++reserved)
        record[reserved] = filler;
    record.replace(4, a.address.size(), a.address);
    put(record, 36, a.port);
    record.replace(40, a.user.size(), a.user);
    record.replace(72, a.password.size(), a.password);
    record.replace(104, a.newPassword.size(), a.newPassword);
    record.replace(136, a.code.size(), a.code);
    put(record, 168, a.group);
    return record;
}

QStringList visibleFrames(QWidget *page)
{
    QStringList frames;
    for (const char *name : kFrames)
        if (page->findChild<QFrame *>(name)->isVisible())
            frames << name;
    return frames;
}

void clickRow(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    const QPoint centre = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

} // namespace

class tst_GroupTalkConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture);
        m_fixture->loginTo(PageFixture::profile("G3-12"));
    }
    void cleanup() { m_fixture.reset(); }

    void aSaveWithoutEditsSendsTheRecordBack_data();
    void aSaveWithoutEditsSendsTheRecordBack();
    void theAddressShowsAtMostTwentyCharacters();
    void addressAndPortAreCheckedWhenTheModeIsOnOrAnAddressIsGiven_data();
    void addressAndPortAreCheckedWhenTheModeIsOnOrAnAddressIsGiven();
    void aSkippedCheckLeavesNoHintOfAnEarlierSave();
    void thePasswordToChangeMustDifferFromAGivenPassword_data();
    void thePasswordToChangeMustDifferFromAGivenPassword();
    void theModeEnablesTheInputs_data();
    void theModeEnablesTheInputs();
    void theCamerasVerdictEndsTheSave_data();
    void theCamerasVerdictEndsTheSave();
    void aRefusedWriteShowsOneFailure();
    void anAccountSavedFromTheMainWindowStaysOnTheCamera();

private:
    GroupTalkConfigWnd *showPage(const Account &account)
    {
        m_fixture->setRecord("GROUP_TALK_PARA_T", groupTalkRecord(account));
        return m_fixture->show<GroupTalkConfigWnd>();
    }
    static void save(QWidget *page) { PageFixture::clickSave(page); }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_GroupTalkConfigWnd::aSaveWithoutEditsSendsTheRecordBack_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray text31 = QByteArray("abcdefghijklmnopqrstuvwxyz01234").left(31);
    Account full;
    full.mode = 2;
    full.address = "192.168.100.200";
    full.port = 50321;
    full.user = "user_" + text31.left(26);
    full.password = "p~.!@#$%&*+-" + text31.left(19);
    full.newPassword = "n" + text31.mid(1);
    full.code = "C_" + text31.left(29);
    full.group = 4321;
    QTest::newRow("every field, reserved bytes cleared")
            << groupTalkRecord(full, char(0x5A)) << groupTalkRecord(full);

    Account longCode = full;
    longCode.code = "VC_" + text31.left(29); // 32 bytes, no NUL
    Account cutCode = full;
    cutCode.code = longCode.code.left(31);
    QTest::newRow("a 32-byte code goes back as 31") << groupTalkRecord(longCode) << groupTalkRecord(cutCode);

    Account groupZero = full;
    groupZero.group = 0;
    Account groupOne = full;
    groupOne.group = 1;
    QTest::newRow("group 0 goes back as 1") << groupTalkRecord(groupZero) << groupTalkRecord(groupOne);

    Account unknownMode = full;
    unknownMode.mode = 7;
    QTest::newRow("a mode outside the list goes back unchanged")
            << groupTalkRecord(unknownMode) << groupTalkRecord(unknownMode);

    Account off;
    off.user = "someone";
    off.group = 9;
    QTest::newRow("off, no address: port 0 unchecked") << groupTalkRecord(off) << groupTalkRecord(off);
}

void tst_GroupTalkConfigWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);

    m_fixture->setRecord("GROUP_TALK_PARA_T", stored);
    auto *page = m_fixture->show<GroupTalkConfigWnd>();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetGroupTalk), expected);
    QCOMPARE(m_fixture->record("GROUP_TALK_PARA_T"), expected);
}

void tst_GroupTalkConfigWnd::theAddressShowsAtMostTwentyCharacters()
{
    Account account;
    account.mode = 1;
    account.address = "10.20.30.40.50.60.70.80.90";
    auto *page = showPage(account);
    QCOMPARE(page->findChild<QLineEdit *>("IP_edit")->text(), QString("10.20.30.40.50.60.70"));
}

void tst_GroupTalkConfigWnd::addressAndPortAreCheckedWhenTheModeIsOnOrAnAddressIsGiven_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("frames");

    const QString ip = "ip_point_frame";
    const QString port = "port_point_frame";
    // mode, address, port -> hints shown (none: the record is sent)
    QTest::newRow("off, empty, valid") << 0 << "" << "5060" << QStringList();
    QTest::newRow("off, empty, 0") << 0 << "" << "0" << QStringList();
    QTest::newRow("off, empty, 70000") << 0 << "" << "70000" << QStringList();
    QTest::newRow("off, valid, valid") << 0 << "10.0.0.30" << "5060" << QStringList();
    QTest::newRow("off, valid, 0") << 0 << "10.0.0.30" << "0" << QStringList {port};
    QTest::newRow("off, valid, 70000") << 0 << "10.0.0.30" << "70000" << QStringList {port};
    QTest::newRow("off, bad, valid") << 0 << "10.0.0.300" << "5060" << QStringList {ip};
    QTest::newRow("off, bad, 0") << 0 << "10.0.0.300" << "0" << QStringList {ip, port};
    QTest::newRow("off, bad, 70000") << 0 << "10.0.0.300" << "70000" << QStringList {ip, port};
    QTest::newRow("on, empty, valid") << 2 << "" << "5060" << QStringList {ip};
    QTest::newRow("on, empty, 0") << 2 << "" << "0" << QStringList {ip, port};
    QTest::newRow("on, empty, 70000") << 2 << "" << "70000" << QStringList {ip, port};
    QTest::newRow("on, valid, valid") << 1 << "10.0.0.30" << "5060" << QStringList();
    QTest::newRow("on, valid, 0") << 1 << "10.0.0.30" << "0" << QStringList {port};
    QTest::newRow("on, valid, 70000") << 1 << "10.0.0.30" << "70000" << QStringList {port};
    QTest::newRow("on, bad, valid") << 1 << "10.0.0.300" << "5060" << QStringList {ip};
    QTest::newRow("on, bad, 0") << 1 << "10.0.0.300" << "0" << QStringList {ip, port};
    QTest::newRow("on, bad, 70000") << 1 << "10.0.0.300" << "70000" << QStringList {ip, port};
}

void tst_GroupTalkConfigWnd::addressAndPortAreCheckedWhenTheModeIsOnOrAnAddressIsGiven()
{
    QFETCH(int, mode);
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QStringList, frames);

    auto *page = showPage(Account());
    page->findChild<QComboBox *>("comboBox")->setCurrentIndex(mode);
    page->findChild<QLineEdit *>("IP_edit")->setText(address);
    page->findChild<QLineEdit *>("port_edit")->setText(port);
    save(page);

    QCOMPARE(visibleFrames(page), frames);
    if (frames.contains("ip_point_frame"))
        QCOMPARE(page->findChild<QLabel *>("ip_point_text")->text(), QString("非法的IP"));
    if (frames.contains("port_point_frame"))
        QCOMPARE(page->findChild<QLabel *>("port_point_text")->text(), QString("端口号的范围是1~65535"));
    if (frames.isEmpty()) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        const QByteArray sent = m_fixture->sent(kSetGroupTalk);
        QCOMPARE(int(quint8(sent.at(0))), mode);
        QCOMPARE(qFromLittleEndian<quint16>(sent.constData() + 36), quint16(port.toUInt() > 65535 ? 0 : port.toUInt()));
    } else {
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetGroupTalk), 0);
        QCOMPARE(m_fixture->toasts(page), QStringList());
    }
}

void tst_GroupTalkConfigWnd::aSkippedCheckLeavesNoHintOfAnEarlierSave()
{
    auto *page = showPage(Account());
    auto *mode = page->findChild<QComboBox *>("comboBox");
    mode->setCurrentIndex(1);
    page->findChild<QLineEdit *>("IP_edit")->setText("10.0.0.300");
    page->findChild<QLineEdit *>("port_edit")->setText("0");
    page->findChild<QLineEdit *>("password_edit")->setText("same");
    page->findChild<QLineEdit *>("password_edit_2")->setText("same");
    save(page);
    QCOMPARE(visibleFrames(page), QStringList({"ip_point_frame", "port_point_frame"}));

    mode->setCurrentIndex(0);
    page->findChild<QLineEdit *>("IP_edit")->clear();
    save(page);
    QCOMPARE(visibleFrames(page), QStringList {"possword_point_frame_2"});

    page->findChild<QLineEdit *>("password_edit_2")->clear();
    save(page);
    QCOMPARE(visibleFrames(page), QStringList());
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
}

void tst_GroupTalkConfigWnd::thePasswordToChangeMustDifferFromAGivenPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<bool>("refused");

    QTest::newRow("equal") << "Secret.1" << "Secret.1" << true;
    QTest::newRow("both empty") << "" << "" << false;
    QTest::newRow("different") << "Secret.1" << "Secret.2" << false;
    QTest::newRow("only the one to change") << "" << "Secret.2" << false;
    QTest::newRow("only the password") << "Secret.1" << "" << false;
}

void tst_GroupTalkConfigWnd::thePasswordToChangeMustDifferFromAGivenPassword()
{
    QFETCH(QString, password);
    QFETCH(QString, newPassword);
    QFETCH(bool, refused);

    Account account;
    account.mode = 1;
    account.address = "10.1.1.1";
    account.port = 8000;
    auto *page = showPage(account);
    page->findChild<QLineEdit *>("password_edit")->setText(password);
    page->findChild<QLineEdit *>("password_edit_2")->setText(newPassword);
    save(page);

    if (refused) {
        QCOMPARE(visibleFrames(page), QStringList {"possword_point_frame_2"});
        QCOMPARE(page->findChild<QLabel *>("possword_point_text_2")->text(), QString("新旧密码不可相同"));
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetGroupTalk), 0);
    } else {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        const QByteArray sent = m_fixture->sent(kSetGroupTalk);
        QCOMPARE(sent.mid(72, 32), password.toUtf8().leftJustified(32, '\0'));
        QCOMPARE(sent.mid(104, 32), newPassword.toUtf8().leftJustified(32, '\0'));
    }
}

void tst_GroupTalkConfigWnd::theModeEnablesTheInputs_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("0: off") << 0 << "关闭" << false;
    QTest::newRow("1: 7220") << 1 << "7220" << true;
    QTest::newRow("2: GTK") << 2 << "GTK" << true;
}

void tst_GroupTalkConfigWnd::theModeEnablesTheInputs()
{
    QFETCH(int, mode);
    QFETCH(QString, shown);
    QFETCH(bool, enabled);

    Account account;
    account.mode = quint8(mode);
    auto *page = showPage(account);
    auto *list = page->findChild<QComboBox *>("comboBox");
    QCOMPARE(list->currentText(), shown);
    for (const char *input : kInputs)
        QVERIFY2(page->findChild<QWidget *>(input)->isEnabled() == enabled, input);

    // The operator's choice works the same way.
    list->setCurrentIndex(enabled ? 0 : 2);
    for (const char *input : kInputs)
        QVERIFY2(page->findChild<QWidget *>(input)->isEnabled() == !enabled, input);
}

void tst_GroupTalkConfigWnd::theCamerasVerdictEndsTheSave_data()
{
    PageFixture::addVerdictRows();
}

void tst_GroupTalkConfigWnd::theCamerasVerdictEndsTheSave()
{
    QFETCH(int, result);
    QFETCH(QString, toast);

    auto *page = showPage(Account());
    m_fixture->setResult(kSetGroupTalk, result);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
}

void tst_GroupTalkConfigWnd::aRefusedWriteShowsOneFailure()
{
    auto *page = showPage(Account());
    m_fixture->failNextWrite();
    save(page);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

void tst_GroupTalkConfigWnd::anAccountSavedFromTheMainWindowStaysOnTheCamera()
{
    sim::camera::CameraProfile profile = PageFixture::profile("G3-12");
    profile.deviceCodeOverrides[kGroupTalkCap] = 1;
    m_fixture->loginTo(profile);
    Account account;
    account.mode = 1;
    account.address = "10.8.8.8";
    account.port = 7000;
    account.user = "officer_7";
    account.group = 12;
    m_fixture->setRecord("GROUP_TALK_PARA_T", groupTalkRecord(account));

    MainWindow window;
    bool allRecordsIn = false;
    connect(MainManager::GetInstance(), &MainManager::updateDevConfigParamOver, &window,
            [&] { allRecordsIn = true; });
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>("deviceConfig_btn"), Qt::LeftButton);
    QTRY_VERIFY(allRecordsIn);
    clickRow(window.findChild<QListWidget *>("listWidget"), "网络应用");
    QTRY_VERIFY(window.findChild<PlatformWnd *>());
    auto *tabs = window.findChild<PlatformWnd *>()->findChild<QTabWidget *>("tabWidget");
    QVERIFY(tabs->isTabEnabled(PlatformTabs::kGroupTalk));
    QCOMPARE(tabs->tabText(PlatformTabs::kGroupTalk), QString("群对讲"));
    tabs->setCurrentIndex(PlatformTabs::kGroupTalk);
    QTRY_VERIFY(window.findChild<GroupTalkConfigWnd *>());
    auto *page = window.findChild<GroupTalkConfigWnd *>();
    auto *address = page->findChild<QLineEdit *>("IP_edit");
    QTRY_COMPARE(address->text(), QString("10.8.8.8"));
    QCOMPARE(page->findChild<QLineEdit *>("userName_edit")->text(), QString("officer_7"));

    address->setText("10.9.9.9");
    page->findChild<QSpinBox *>("cur_group_num_edit")->setValue(300);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    account.address = "10.9.9.9";
    account.group = 300;
    QCOMPARE(m_fixture->record("GROUP_TALK_PARA_T"), groupTalkRecord(account));
}

QTEST_MAIN(tst_GroupTalkConfigWnd)
#include "tst_GroupTalkConfigWnd.moc"
