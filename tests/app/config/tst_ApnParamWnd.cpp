// The dial-up page: what the camera's model and capabilities show, the MTU
// and APN checks and the flags they leave behind, the byte limit of the
// texts, the card number, and the record through the simulated camera.

#include "ApnParamWnd.h"
#include "LocalText.h"
#include "PageFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetApn = 7;
constexpr quint32 kGetCcid = 1017;
const char kIccid[] = "89860012345678901234";

CameraProfile model(std::uint32_t type)
{
    CameraProfile profile = PageFixture::profile("G3-Apn-2");
    profile.deviceType = type;
    return profile;
}

CameraProfile withAbility(std::map<std::string, int> keys)
{
    CameraProfile profile = PageFixture::profile("J");
    for (const auto &key : keys)
        profile.abilityOverrides[key.first] = key.second;
    return profile;
}

CameraProfile classic(const char *name, std::map<std::size_t, std::uint8_t> bytes)
{
    CameraProfile profile = PageFixture::profile(name);
    for (const auto &byte : bytes)
        profile.deviceCodeOverrides[byte.first] = byte.second;
    return profile;
}

QByteArray gbk(const QString &text)
{
    return LocalText::encode(text);
}

// EACH_PPP_PARA_T; texts are given as their record bytes.
struct Ppp
{
    quint8 enable = 0;
    quint8 mode = 0;
    QByteArray apn, number, user, password;
    quint16 mtu = 0;
    quint8 auth = 0;
    QByteArray noise; // bytes 2, 3 and 135 when set

    QByteArray bytes() const
    {
        QByteArray record(136, '\0');
        record[0] = char(enable);
        record[1] = char(mode);
        record.replace(4, apn.size(), apn);
        record.replace(36, number.size(), number);
        record.replace(68, user.size(), user);
        record.replace(100, password.size(), password);
        qToLittleEndian(mtu, record.data() + 132);
        record[134] = char(auth);
        if (!noise.isEmpty()) {
            record[2] = noise[0];
            record[3] = noise[1];
            record[135] = noise[2];
        }
        return record;
    }
};

// Key presses carrying the text, as an input method delivers characters
// that have no key of their own.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

QStringList items(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Ppp)

class tst_ApnParamWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void theModelDecidesAuthenticationNumberAndApnRule_data();
    void theModelDecidesAuthenticationNumberAndApnRule();
    void rowsFollowWhatTheCameraCanDo_data();
    void rowsFollowWhatTheCameraCanDo();
    void anMtuOutOfRangeIsHintedWhenLeftAndHoldsTheSave_data();
    void anMtuOutOfRangeIsHintedWhenLeftAndHoldsTheSave();
    void anEmptyApnLeftOnACarrierModelHoldsTheSave();
    void fieldsARefreshMadeValidAgainSaveAtOnce();
    void textsStopAt31LocalBytes_data();
    void textsStopAt31LocalBytes();
    void theCardNumberIsAskedAfterEveryReplyOnlyWhenTheCameraSaysSo_data();
    void theCardNumberIsAskedAfterEveryReplyOnlyWhenTheCameraSaysSo();
    void aSaveWithoutEditsSendsTheRecordBack_data();
    void aSaveWithoutEditsSendsTheRecordBack();

private:
    ApnParamWnd *showPage(const CameraProfile &profile)
    {
        m_fixture->loginTo(profile);
        auto *page = m_fixture->show<ApnParamWnd>(false);
        page->refreshParam();
        if (!m_fixture->waitForReplies(1))
            qWarning("no dial-up reply");
        return page;
    }
    static void activate(QWidget *page)
    {
        QApplication::setActiveWindow(page);
        QVERIFY(QTest::qWaitForWindowActive(page));
    }
    // The operator leaves the field for the next one.
    static void leave(QLineEdit *field, QWidget *next)
    {
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        next->setFocus();
        QTRY_VERIFY(!field->hasFocus());
    }
    static void save(ApnParamWnd *page) { QTest::mouseClick(button(page), Qt::LeftButton); }
    static QPushButton *button(ApnParamWnd *page) { return page->findChild<QPushButton *>("save_btn"); }
    template<typename T = QLineEdit>
    static T *field(ApnParamWnd *page, const char *name)
    {
        return page->findChild<T *>(name);
    }
    static bool shows(ApnParamWnd *page, const char *frame) { return page->findChild<QFrame *>(frame)->isVisible(); }

    QScopedPointer<PageFixture> m_fixture;
};

void tst_ApnParamWnd::theModelDecidesAuthenticationNumberAndApnRule_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("auth");
    QTest::addColumn<bool>("numberEditable");
    QTest::addColumn<bool>("apnRequired");

    const QStringList carrier {"None", "CHAP", "PAP", "CHAP/PAP"};
    QTest::newRow("2") << 2 << QStringList {"Auto", "CHAP", "PAP"} << true << false;
    QTest::newRow("3") << 3 << carrier << false << true;
    QTest::newRow("5") << 5 << carrier << false << true;
    QTest::newRow("100") << 100 << carrier << false << true;
}

void tst_ApnParamWnd::theModelDecidesAuthenticationNumberAndApnRule()
{
    QFETCH(int, type);
    QFETCH(QStringList, auth);
    QFETCH(bool, numberEditable);
    QFETCH(bool, apnRequired);

    auto *page = showPage(model(std::uint32_t(type)));
    QCOMPARE(items(field<QComboBox>(page, "apn_identityCheck_type")), auth);
    QCOMPARE(field(page, "apn_dail_number_edit")->isEnabled(), numberEditable);

    // An APN emptied without leaving the field: only the save finds it.
    field(page, "apn_name_edit")->setText(QString());
    save(page);
    if (apnRequired) {
        QVERIFY(shows(page, "Apn_length_frame"));
        QCOMPARE(field<QLabel>(page, "apn_length_out")->text(), QString("名称不能为空"));
        QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetApn), 0);
    } else {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        QVERIFY(!shows(page, "Apn_length_frame"));
        QCOMPARE(m_fixture->sent(kSetApn).mid(4, 32), QByteArray(32, '\0'));
    }
}

void tst_ApnParamWnd::rowsFollowWhatTheCameraCanDo_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<bool>("dialRows");
    QTest::addColumn<bool>("modeRow");
    QTest::addColumn<bool>("cardRow");
    QTest::addColumn<bool>("hint");

    QTest::newRow("JSON, every key") << withAbility({}) << true << true << true << true;
    QTest::newRow("JSON without 4G: the mode row goes with the dial-up rows")
            << withAbility({{"support4G", 0}}) << false << false << true << true;
    QTest::newRow("JSON, no mode, card 2, hint 2")
            << withAbility({{"netSystem", 0}, {"supportCCID", 2}, {"wifiAndDialMutualExclusion", 2}}) << true
            << false << true << false;
    QTest::newRow("JSON, no card") << withAbility({{"supportCCID", 0}}) << true << true << false << true;
    QTest::newRow("generation 3, every byte") << PageFixture::profile("G3-Apn-5") << true << true << true << true;
    QTest::newRow("generation 3 without dial-up")
            << classic("G3-Apn-5", {{264, 0}}) << false << false << true << true;
    QTest::newRow("generation 2: bytes count for dial-up only")
            << classic("G2", {{264, 1}, {316, 1}, {335, 1}, {337, 1}}) << true << false << false << false;
    QTest::newRow("generation 2 without dial-up: an empty tab") << classic("G2", {{264, 0}}) << false << false
                                                                << false << false;
}

void tst_ApnParamWnd::rowsFollowWhatTheCameraCanDo()
{
    QFETCH(CameraProfile, profile);
    QFETCH(bool, dialRows);
    QFETCH(bool, modeRow);
    QFETCH(bool, cardRow);
    QFETCH(bool, hint);

    auto *page = showPage(profile);
    for (const char *name : {"label_3", "apn_enable", "label_2", "apn_name_edit", "apn_dail_number_edit",
                             "apn_dail_user_edit", "apn_dail_pwd_edit", "apn_dail_mtu_edit", "label_12",
                             "apn_identityCheck_type"})
        QVERIFY2(field<QWidget>(page, name)->isVisibleTo(page) == dialRows, name);
    QCOMPARE(field<QWidget>(page, "label_16")->isVisibleTo(page), modeRow);
    QCOMPARE(field<QWidget>(page, "comboBox")->isVisibleTo(page), modeRow);
    QCOMPARE(field<QWidget>(page, "label_5")->isVisibleTo(page), cardRow);
    QCOMPARE(field<QWidget>(page, "label_CCID")->isVisibleTo(page), cardRow);
    QCOMPARE(field<QWidget>(page, "label_tip")->isVisibleTo(page), hint);
    QVERIFY(button(page)->isVisibleTo(page));
}

void tst_ApnParamWnd::anMtuOutOfRangeIsHintedWhenLeftAndHoldsTheSave_data()
{
    QTest::addColumn<QString>("mtu");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("1") << "1" << true;
    QTest::newRow("65535") << "65535" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("65536") << "65536" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_ApnParamWnd::anMtuOutOfRangeIsHintedWhenLeftAndHoldsTheSave()
{
    QFETCH(QString, mtu);
    QFETCH(bool, accepted);

    auto *page = showPage(PageFixture::profile("G3-Apn-2"));
    activate(page);
    auto *edit = field(page, "apn_dail_mtu_edit");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, mtu);
    QCOMPARE(edit->text(), mtu);
    leave(edit, field(page, "apn_dail_user_edit"));
    QCOMPARE(shows(page, "mtu_point_frame"), !accepted);

    save(page);
    if (accepted) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        QCOMPARE(qFromLittleEndian<quint16>(m_fixture->sent(kSetApn).constData() + 132), mtu.toUShort());
    } else {
        QCOMPARE(field<QLabel>(page, "mtu_point_out")->text(), QString("MTU值的范围是1~65535"));
        QVERIFY(shows(page, "mtu_point_frame"));
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetApn), 0);
        QVERIFY(m_fixture->toasts(page).isEmpty());
        // Typing again takes the hint away.
        QTest::keyClicks(edit, "1");
        QVERIFY(!shows(page, "mtu_point_frame"));
    }
}

void tst_ApnParamWnd::anEmptyApnLeftOnACarrierModelHoldsTheSave()
{
    auto *page = showPage(PageFixture::profile("G3-Apn-5"));
    activate(page);
    auto *apn = field(page, "apn_name_edit");
    apn->setText(QString());
    leave(apn, field(page, "apn_dail_user_edit"));
    QVERIFY(shows(page, "Apn_length_frame"));

    save(page);
    QCOMPARE(field<QLabel>(page, "apn_length_out")->text(), QString("名称不能为空"));
    QVERIFY(shows(page, "Apn_length_frame"));
    QTest::qWait(20);
    QCOMPARE(m_fixture->requestCount(kSetApn), 0);
    QVERIFY(m_fixture->toasts(page).isEmpty());
}

void tst_ApnParamWnd::fieldsARefreshMadeValidAgainSaveAtOnce()
{
    Ppp stored;
    stored.apn = "cmnet";
    stored.mtu = 1400;
    m_fixture->loginTo(PageFixture::profile("G3-Apn-5"));
    m_fixture->setRecord("EACH_PPP_PARA_T", stored.bytes());
    auto *page = m_fixture->show<ApnParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    activate(page);

    auto *apn = field(page, "apn_name_edit");
    auto *mtu = field(page, "apn_dail_mtu_edit");
    apn->setText(QString());
    leave(apn, mtu);
    mtu->setText("0");
    leave(mtu, apn);
    QVERIFY(shows(page, "Apn_length_frame"));
    QVERIFY(shows(page, "mtu_point_frame"));

    // The camera's good values come back; the page still remembers the bad ones.
    page->refreshParam();
    QTRY_COMPARE(apn->text(), QString("cmnet"));
    QVERIFY(!shows(page, "Apn_length_frame"));

    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetApn).mid(4, 6), QByteArray("cmnet\0", 6));
    QVERIFY(!shows(page, "Apn_length_frame"));
    QVERIFY(!shows(page, "mtu_point_frame"));
}

void tst_ApnParamWnd::textsStopAt31LocalBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("APN") << "apn_name_edit";
    QTest::newRow("number") << "apn_dail_number_edit";
    QTest::newRow("user") << "apn_dail_user_edit";
}

void tst_ApnParamWnd::textsStopAt31LocalBytes()
{
    QFETCH(QString, name);

    auto *page = showPage(PageFixture::profile("G3-Apn-2"));
    activate(page);
    auto *edit = field(page, name.toLatin1().constData());
    const QString fifteen = QString::fromUtf8("一二三四五六七八九十甲乙丙丁戊"); // 30 bytes
    edit->clear();
    edit->setFocus();
    typeText(edit, fifteen + QString::fromUtf8("中"));
    QCOMPARE(edit->text(), fifteen);
    QTest::keyClicks(edit, "a");
    QCOMPARE(edit->text(), fifteen + "a");
    // A character typed in front pushes the last one out.
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, "b");
    QCOMPARE(edit->text(), "b" + fifteen);

    // Pasted: a Chinese character that would cross the limit goes whole.
    edit->clear();
    QApplication::clipboard()->setText(QString(30, 'x') + QString::fromUtf8("中x"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString(30, 'x'));
    QCOMPARE(LocalText::byteLength(edit->text()), 30);
}

void tst_ApnParamWnd::theCardNumberIsAskedAfterEveryReplyOnlyWhenTheCameraSaysSo_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<bool>("asked");

    QTest::newRow("JSON supportCCID 1") << withAbility({{"supportCCID", 1}}) << true;
    QTest::newRow("JSON supportCCID 2") << withAbility({{"supportCCID", 2}}) << false;
    QTest::newRow("generation 3, byte 1") << classic("G3-Apn-2", {{337, 1}}) << true;
    QTest::newRow("generation 3, byte 2") << classic("G3-Apn-2", {{337, 2}}) << false;
    QTest::newRow("generation 2, byte 1") << classic("G2", {{264, 1}, {337, 1}}) << false;
}

void tst_ApnParamWnd::theCardNumberIsAskedAfterEveryReplyOnlyWhenTheCameraSaysSo()
{
    QFETCH(CameraProfile, profile);
    QFETCH(bool, asked);

    auto *page = showPage(profile);
    const int before = m_fixture->replies();
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(asked ? 2 : 1, before));
    QCOMPARE(m_fixture->requestCount(kGetCcid), asked ? 2 : 0);
    if (asked)
        QTRY_COMPARE(field<QLabel>(page, "label_CCID")->text(), QString(kIccid));
    else
        QCOMPARE(field<QLabel>(page, "label_CCID")->text(), QString());
}

void tst_ApnParamWnd::aSaveWithoutEditsSendsTheRecordBack_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<Ppp>("stored");
    QTest::addColumn<Ppp>("expected");
    QTest::addColumn<QString>("mode");

    Ppp chinese;
    chinese.enable = 7;
    chinese.mode = 2;
    chinese.apn = gbk(QString::fromUtf8("中国移动cmnet"));
    chinese.number = "*99#";
    chinese.user = gbk(QString::fromUtf8("用户甲"));
    chinese.password = QString::fromUtf8("p@ss;word").toUtf8();
    chinese.mtu = 1500;
    chinese.auth = 3;
    chinese.noise = QByteArray("\x11\x22\x33", 3);
    Ppp sentBack = chinese;
    sentBack.enable = 1;
    sentBack.noise.clear();
    QTest::newRow("model 5: GBK texts, UTF-8 password, flag to 1, spare bytes zero")
            << "G3-Apn-5" << chinese << sentBack << "3G";

    // Sixteen Chinese characters fill all 32 bytes without a NUL.
    Ppp full;
    full.apn = QByteArray(32, 'a');
    full.user = gbk(QString(16, QChar(0x540D)));
    full.mode = 5;
    full.auth = 3;
    full.mtu = 0;
    Ppp cut = full;
    cut.apn = QByteArray(31, 'a');
    cut.user = gbk(QString(15, QChar(0x540D)));
    QTest::newRow("model 2: texts cut to 31 bytes, values outside the lists unchanged, MTU 0 unchecked")
            << "G3-Apn-2" << full << cut << "";
}

void tst_ApnParamWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(QString, profile);
    QFETCH(Ppp, stored);
    QFETCH(Ppp, expected);
    QFETCH(QString, mode);

    m_fixture->loginTo(PageFixture::profile(profile.toLatin1().constData()));
    m_fixture->setRecord("EACH_PPP_PARA_T", stored.bytes());
    auto *page = m_fixture->show<ApnParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    QCOMPARE(field<QComboBox>(page, "comboBox")->currentText(), mode);

    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetApn), expected.bytes());
    QCOMPARE(m_fixture->record("EACH_PPP_PARA_T"), expected.bytes());
}

QTEST_MAIN(tst_ApnParamWnd)
#include "tst_ApnParamWnd.moc"
