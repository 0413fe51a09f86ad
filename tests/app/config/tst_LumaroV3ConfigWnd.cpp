// The newer cloud page: the strength rating and how it shows, which ratings
// hold a save back, the switches, and the record through the simulated camera.

#include "LumaroV3ConfigWnd.h"
#include "PageFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr quint32 kSetLumaro = 561;
constexpr int kRecordSize = 228;

QByteArray lumaroRecord(quint8 cloudSwitch, quint8 encryption, const QByteArray &code, const QByteArray &key)
{
    QByteArray record(kRecordSize, '\0');
    record[0] = char(cloudSwitch);
    record[1] = char(encryption);
    record.replace(4, code.size(), code);
    record.replace(132, key.size(), key);
    return record;
}

} // namespace

class tst_LumaroV3ConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture);
        m_fixture->loginTo(PageFixture::profile("G3-12"));
    }
    void cleanup() { m_fixture.reset(); }

    void textsAreRatedByLengthAndClasses_data();
    void textsAreRatedByLengthAndClasses();
    void onlyARiskyTextShowsTheIcon_data();
    void onlyARiskyTextShowsTheIcon();
    void aSaveWithoutEditsSendsTheRecordBack();
    void riskyTextsHoldTheSaveBackOnlyWhereTheyCount_data();
    void riskyTextsHoldTheSaveBackOnlyWhereTheyCount();
    void theCloudSwitchGovernsTheOtherInputs();
    void theHintIsShortWithoutTarvioAndQuensa_data();
    void theHintIsShortWithoutTarvioAndQuensa();
    void theCamerasVerdictEndsTheSave_data();
    void theCamerasVerdictEndsTheSave();
    void aRefusedWriteShowsOneFailure();

private:
    LumaroV3ConfigWnd *showPage()
    {
        const int before = m_fixture->replies();
        auto *page = m_fixture->show<LumaroV3ConfigWnd>(false);
        page->refreshParam();
        if (!m_fixture->waitForReplies(1, before))
            qWarning("LumaroV3ConfigWnd got no reply");
        return page;
    }
    static QLineEdit *edit(QWidget *page, const char *name) { return page->findChild<QLineEdit *>(name); }
    static QCheckBox *box(QWidget *page, const char *name) { return page->findChild<QCheckBox *>(name); }
    static void save(QWidget *page) { PageFixture::clickSave(page); }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_LumaroV3ConfigWnd::textsAreRatedByLengthAndClasses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rating");

    QTest::newRow("lower case and digits") << "abcd1234" << 1;
    QTest::newRow("upper case and digits") << "ABCD1234" << 1;
    QTest::newRow("both letter cases") << "abcdEFGH" << 2;
    QTest::newRow("digits and special") << "1234!@#$" << 2;
    QTest::newRow("lower case and special") << "abcd[]\\-" << 2;
    QTest::newRow("upper, lower and a digit") << "Abcdefg1" << 3;
    QTest::newRow("all four") << "Ab1!Ab1!" << 3;
    QTest::newRow("four classes, four characters") << "aB1!" << 0;
    QTest::newRow("seven characters") << "abc1234" << 0;
    QTest::newRow("lower case only") << "abcdefgh" << 0;
    QTest::newRow("special only") << "~!@#$%^&*()" << 0;
    QTest::newRow("empty") << "" << 0;
}

void tst_LumaroV3ConfigWnd::textsAreRatedByLengthAndClasses()
{
    QFETCH(QString, text);
    QFETCH(int, rating);
    QCOMPARE(passwordStrength(text), rating);
}

void tst_LumaroV3ConfigWnd::onlyARiskyTextShowsTheIcon_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("icon");

    QTest::newRow("risky") << "abcdefgh" << "风险密码" << true;
    QTest::newRow("weak") << "abcd1234" << "弱密码" << false;
    QTest::newRow("medium") << "abcdEFGH" << "中密码" << false;
    QTest::newRow("strong") << "Abcdefg1" << "强密码" << false;
}

void tst_LumaroV3ConfigWnd::onlyARiskyTextShowsTheIcon()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(bool, icon);

    auto *page = showPage();
    // A fresh page rates both empty texts as risky.
    QCOMPARE(page->findChild<QLabel *>("code_point_text")->text(), QString("风险密码"));
    QVERIFY(page->findChild<QLabel *>("label_7")->isVisible());
    edit(page, "lineEdit_code")->setText(text);
    edit(page, "lineEdit_pwd")->setText(text);
    for (auto names : {std::make_pair("code_point_text", "label_7"), std::make_pair("pwd_point_text", "label_8")}) {
        QCOMPARE(page->findChild<QLabel *>(names.first)->text(), shown);
        QVERIFY(page->findChild<QLabel *>(names.first)->isVisible());
        QCOMPARE(page->findChild<QLabel *>(names.second)->isVisible(), icon);
    }
}

void tst_LumaroV3ConfigWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    // Texts past the inputs' 16 characters and bytes after a text's NUL do
    // not come back.
    QByteArray stored = lumaroRecord(7, 9, "Code1234code5678EXTRA", "Key_1234key_5678MORE");
    stored[2] = 0x11;
    stored[3] = 0x22;
    stored[100] = 'z';
    stored[200] = 'y';
    m_fixture->setRecord("LUMARO_PARAM_V3_T", stored);
    auto *page = showPage();
    QVERIFY(box(page, "checkBox")->isChecked());
    QVERIFY(box(page, "checkBox_pwd")->isChecked());
    QVERIFY(edit(page, "lineEdit_pwd")->isEnabled());
    QCOMPARE(page->findChild<QLabel *>("pwd_point_text")->text(), QString("强密码"));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});

    const QByteArray expected = lumaroRecord(1, 1, "Code1234code5678", "Key_1234key_5678");
    QCOMPARE(m_fixture->sent(kSetLumaro), expected);
    QCOMPARE(m_fixture->record("LUMARO_PARAM_V3_T"), expected);
}

void tst_LumaroV3ConfigWnd::riskyTextsHoldTheSaveBackOnlyWhereTheyCount_data()
{
    QTest::addColumn<bool>("cloud");
    QTest::addColumn<bool>("encryption");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("sent");

    const QString risky = "abcdefgh";
    const QString weak = "abcd1234";
    const QString strong = "Abcd1234!";
    QTest::newRow("on, risky code") << true << false << risky << strong << false;
    QTest::newRow("on, encryption off: key not rated") << true << false << weak << "" << true;
    QTest::newRow("on, encryption on, risky key") << true << true << weak << risky << false;
    QTest::newRow("on, encryption on, risky code, strong key") << true << true << risky << strong << false;
    QTest::newRow("on, encryption on, both rated") << true << true << weak << strong << true;
    QTest::newRow("off: nothing rated") << false << true << "" << risky << true;
    QTest::newRow("off, encryption off") << false << false << risky << "" << true;
}

void tst_LumaroV3ConfigWnd::riskyTextsHoldTheSaveBackOnlyWhereTheyCount()
{
    QFETCH(bool, cloud);
    QFETCH(bool, encryption);
    QFETCH(QString, code);
    QFETCH(QString, key);
    QFETCH(bool, sent);

    auto *page = showPage();
    box(page, "checkBox")->setChecked(cloud);
    box(page, "checkBox_pwd")->setChecked(encryption);
    edit(page, "lineEdit_code")->setText(code);
    edit(page, "lineEdit_pwd")->setText(key);
    save(page);
    if (sent) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        QCOMPARE(m_fixture->sent(kSetLumaro), lumaroRecord(cloud, encryption, code.toUtf8(), key.toUtf8()));
    } else {
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetLumaro), 0);
        QCOMPARE(m_fixture->toasts(page), QStringList());
    }
}

void tst_LumaroV3ConfigWnd::theCloudSwitchGovernsTheOtherInputs()
{
    auto *page = showPage();
    QVERIFY(!edit(page, "lineEdit_code")->isEnabled());
    QVERIFY(!box(page, "checkBox_pwd")->isEnabled());
    QVERIFY(!edit(page, "lineEdit_pwd")->isEnabled());

    box(page, "checkBox")->setChecked(true);
    QVERIFY(edit(page, "lineEdit_code")->isEnabled());
    QVERIFY(box(page, "checkBox_pwd")->isEnabled());
    QVERIFY(!edit(page, "lineEdit_pwd")->isEnabled());
    box(page, "checkBox_pwd")->setChecked(true);
    QVERIFY(edit(page, "lineEdit_pwd")->isEnabled());

    box(page, "checkBox")->setChecked(false);
    QVERIFY(!edit(page, "lineEdit_code")->isEnabled());
    QVERIFY(!box(page, "checkBox_pwd")->isEnabled());
    QVERIFY(!edit(page, "lineEdit_pwd")->isEnabled());
    QVERIFY(box(page, "checkBox_pwd")->isChecked());
}

void tst_LumaroV3ConfigWnd::theHintIsShortWithoutTarvioAndQuensa_data()
{
    QTest::addColumn<bool>("tarvioOrQuensa");
    QTest::addColumn<QString>("hint");

    QTest::newRow("offered") << true << "TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台";
    QTest::newRow("neither") << false << "QUENSA、国标 、Lumaro同时只可启用一个平台";
}

void tst_LumaroV3ConfigWnd::theHintIsShortWithoutTarvioAndQuensa()
{
    QFETCH(bool, tarvioOrQuensa);
    QFETCH(QString, hint);

    const sim::camera::CameraProfile camera = PageFixture::profile("G3-12");
    m_fixture->loginTo(tarvioOrQuensa ? camera : NamedProfiles::withoutTarvioOrQuensa(camera));
    auto *page = showPage();
    QCOMPARE(page->findChild<QLabel *>("lblTips")->text(), hint);
}

void tst_LumaroV3ConfigWnd::theCamerasVerdictEndsTheSave_data()
{
    PageFixture::addVerdictRows();
}

void tst_LumaroV3ConfigWnd::theCamerasVerdictEndsTheSave()
{
    QFETCH(int, result);
    QFETCH(QString, toast);

    auto *page = showPage();
    m_fixture->setResult(kSetLumaro, result);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
}

void tst_LumaroV3ConfigWnd::aRefusedWriteShowsOneFailure()
{
    auto *page = showPage();
    m_fixture->failNextWrite();
    save(page);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

QTEST_MAIN(tst_LumaroV3ConfigWnd)
#include "tst_LumaroV3ConfigWnd.moc"
