// The GA/T 1400 and custom platform pages, one test for both: what a save
// checks with the platform on and off, the signs each password takes, the
// switch after a fill, and the record through the simulated camera.

#include "PageFixture.h"
#include "Plat1400ConfigWnd.h"
#include "PlatCustomConfigWnd.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr int kSize = 136;

struct Kind
{
    const char *name;
    quint32 get;
    quint32 set;
    const char *record;
};

const Kind kKinds[] = {
        {"GA/T 1400", 530, 531, "PLATFORM_1400_CFG_PARAM"},
        {"custom", 540, 541, "PLATFORM_CUSTOM_CFG_PARAM"},
};

QByteArray platformRecord(qint32 enable, const QByteArray &address, quint16 port, const QByteArray &user,
                          const QByteArray &password, char reserved = 0)
{
    QByteArray record(kSize, reserved);
    qToLittleEndian(enable, record.data());
    record.replace(4, 32, address.leftJustified(32, '\0'));
    qToLittleEndian(port, record.data() + 36);
    record.replace(40, 32, user.leftJustified(32, '\0'));
    record.replace(72, 32, password.leftJustified(32, '\0'));
    return record;
}

QStringList visibleFrames(QWidget *page)
{
    QStringList shown;
    for (const char *name : {"ip_point_frame1", "port_point_frame1"})
        if (page->findChild<QFrame *>(name)->isVisible())
            shown << name;
    return shown;
}

} // namespace

class tst_PlatServerPage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture);
        m_fixture->loginTo(PageFixture::profile("J"));
    }
    void cleanup() { m_fixture.reset(); }

    void switchedOffEverythingGoesOutUnchecked_data() { kinds(); }
    void switchedOffEverythingGoesOutUnchecked();
    void switchedOnAddressAndPortAreCheckedTogether_data();
    void switchedOnAddressAndPortAreCheckedTogether();
    void eachPasswordTakesItsOwnSigns_data();
    void eachPasswordTakesItsOwnSigns();
    void fillsSwitchTheFieldsOffAndOnAgain_data() { kinds(); }
    void fillsSwitchTheFieldsOffAndOnAgain();
    void aSaveWithoutEditsSendsTheRecordBack_data() { kinds(); }
    void aSaveWithoutEditsSendsTheRecordBack();
    void theCameraAnswerDecidesTheToast_data();
    void theCameraAnswerDecidesTheToast();
    void aRefusedRequestShowsOneFailure_data() { kinds(); }
    void aRefusedRequestShowsOneFailure();

private:
    static void kinds()
    {
        QTest::addColumn<int>("kind");
        for (int i = 0; i < 2; ++i)
            QTest::newRow(kKinds[i].name) << i;
    }
    QWidget *showPage(int kind, const QByteArray &stored)
    {
        m_fixture->setRecord(kKinds[kind].record, stored);
        if (kind == 0)
            return m_fixture->show<Plat1400ConfigWnd>();
        return m_fixture->show<PlatCustomConfigWnd>();
    }
    QLineEdit *edit(QWidget *page, const char *name) { return page->findChild<QLineEdit *>(name); }
    void save(QWidget *page) { PageFixture::clickSave(page); }

    QScopedPointer<PageFixture> m_fixture;
};

void tst_PlatServerPage::switchedOffEverythingGoesOutUnchecked()
{
    QFETCH(int, kind);
    auto *page = showPage(kind, platformRecord(1, "10.0.0.1", 8080, "user", "pass"));
    page->findChild<QCheckBox *>("enable_box")->setChecked(false);
    edit(page, "tdaip_edit")->clear();
    edit(page, "tdaport_edit")->clear();
    edit(page, "mqip_edit")->clear();
    edit(page, "mqport_edit")->clear();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(visibleFrames(page), QStringList());
    QCOMPARE(m_fixture->sent(kKinds[kind].set), platformRecord(0, "", 0, "", ""));
}

void tst_PlatServerPage::switchedOnAddressAndPortAreCheckedTogether_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("frames");

    const QStringList both {"ip_point_frame1", "port_point_frame1"};
    for (int kind = 0; kind < 2; ++kind) {
        const QByteArray name = kKinds[kind].name;
        QTest::addRow("%s: bad address and port 0", name.constData()) << kind << "192.168.1.300" << "0" << both;
        QTest::addRow("%s: both empty", name.constData()) << kind << "" << "" << both;
        QTest::addRow("%s: port 70000", name.constData())
                << kind << "192.168.1.30" << "70000" << QStringList {"port_point_frame1"};
        QTest::addRow("%s: bad address", name.constData())
                << kind << "192.168.1" << "65535" << QStringList {"ip_point_frame1"};
        QTest::addRow("%s: good", name.constData()) << kind << "192.168.001.30" << "1" << QStringList();
    }
}

void tst_PlatServerPage::switchedOnAddressAndPortAreCheckedTogether()
{
    QFETCH(int, kind);
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QStringList, frames);

    auto *page = showPage(kind, platformRecord(1, "10.0.0.1", 8080, "", ""));
    edit(page, "tdaip_edit")->setText(address);
    edit(page, "tdaport_edit")->setText(port);
    save(page);
    QCOMPARE(visibleFrames(page), frames);
    if (frames.contains("ip_point_frame1"))
        QCOMPARE(page->findChild<QLabel *>("ip_point_text_1")->text(), QString("非法的IP"));
    if (frames.contains("port_point_frame1"))
        QCOMPARE(page->findChild<QLabel *>("port_point_text_1")->text(), QString("端口号的范围是1~65535"));
    if (frames.isEmpty()) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        QCOMPARE(m_fixture->sent(kKinds[kind].set).mid(4, 14), QByteArray("192.168.001.30"));
    } else {
        QTest::qWait(50);
        QCOMPARE(m_fixture->requestCount(kKinds[kind].set), 0);
        QCOMPARE(m_fixture->toasts(page), QStringList());
    }
}

void tst_PlatServerPage::eachPasswordTakesItsOwnSigns_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("1400 password: hash, full stop and the other signs")
            << 0 << "mqport_edit" << "a#b.c~!@$%^&*()_+{}:\"<>?|=[]-;'/" << "a#b.c~!@$%^&*()_+{}:\"<>?|=[]-;'/";
    QTest::newRow("1400 password: no backslash, blank, comma or backquote")
            << 0 << "mqport_edit" << "a\\b c,d`e" << "abcde";
    QTest::newRow("custom password: letters, digits and underscore only")
            << 1 << "mqport_edit" << "a#b.c_9-Z" << "abc_9Z";
    for (int kind = 0; kind < 2; ++kind) {
        QTest::addRow("%s user name", kKinds[kind].name) << kind << "mqip_edit" << "ad#m.in_1" << "admin_1";
        QTest::addRow("%s port", kKinds[kind].name) << kind << "tdaport_edit" << "8a0-8" << "808";
    }
}

void tst_PlatServerPage::eachPasswordTakesItsOwnSigns()
{
    QFETCH(int, kind);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    auto *page = showPage(kind, platformRecord(1, "10.0.0.1", 8080, "", ""));
    QLineEdit *target = edit(page, field.toLatin1().constData());
    target->clear();
    QTest::keyClicks(target, typed);
    QCOMPARE(target->text(), kept);
}

void tst_PlatServerPage::fillsSwitchTheFieldsOffAndOnAgain()
{
    QFETCH(int, kind);
    const char *const fields[] = {"tdaip_edit", "tdaport_edit", "mqip_edit", "mqport_edit"};

    auto *page = showPage(kind, platformRecord(0, "10.0.0.1", 8080, "u", "p"));
    auto *box = page->findChild<QCheckBox *>("enable_box");
    QVERIFY(!box->isChecked());
    for (const char *field : fields)
        QVERIFY2(!edit(page, field)->isEnabled(), field);

    m_fixture->setRecord(kKinds[kind].record, platformRecord(1, "10.0.0.2", 8081, "u", "p"));
    const int before = m_fixture->replies();
    page->hide();
    page->show();
    QVERIFY(m_fixture->waitForReplies(1, before));
    QVERIFY(box->isChecked());
    for (const char *field : fields)
        QVERIFY2(edit(page, field)->isEnabled(), field);
    QCOMPARE(edit(page, "tdaip_edit")->text(), QString("10.0.0.2"));
    QCOMPARE(m_fixture->requestCount(kKinds[kind].get), 2);
}

void tst_PlatServerPage::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(int, kind);
    const QByteArray user = "user_name_of_thirty_two_letters_";
    const QByteArray password = kind == 0 ? "pass#word.with~signs&0123456789A" : "password_of_thirty_two_letters_9";
    QCOMPARE(user.size(), 32);
    QCOMPARE(password.size(), 32);

    auto *page = showPage(kind, platformRecord(5, "192.168.10.20", 65535, user, password, '\x5A'));
    QCOMPARE(edit(page, "mqip_edit")->text(), QString::fromLatin1(user));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    const QByteArray expected = platformRecord(1, "192.168.10.20", 65535, user, password);
    QCOMPARE(m_fixture->sent(kKinds[kind].set), expected);
    QCOMPARE(m_fixture->record(kKinds[kind].record), expected);
}

void tst_PlatServerPage::theCameraAnswerDecidesTheToast_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("toast");
    for (int kind = 0; kind < 2; ++kind) {
        QTest::addRow("%s accepted", kKinds[kind].name) << kind << 0 << "保存成功";
        QTest::addRow("%s refused", kKinds[kind].name) << kind << 1 << "保存失败";
    }
}

void tst_PlatServerPage::theCameraAnswerDecidesTheToast()
{
    QFETCH(int, kind);
    QFETCH(int, result);
    QFETCH(QString, toast);
    auto *page = showPage(kind, platformRecord(1, "10.0.0.1", 8080, "", ""));
    m_fixture->setResult(kKinds[kind].set, result);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
}

void tst_PlatServerPage::aRefusedRequestShowsOneFailure()
{
    QFETCH(int, kind);
    auto *page = showPage(kind, platformRecord(1, "10.0.0.1", 8080, "", ""));
    m_fixture->failNextWrite();
    save(page);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

QTEST_MAIN(tst_PlatServerPage)
#include "tst_PlatServerPage.moc"
