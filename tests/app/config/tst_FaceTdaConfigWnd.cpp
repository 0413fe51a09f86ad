// The face-platform page: the record through the simulated camera, which
// groups are checked when the switch is on, what a save with the switch off
// clears, the order of the first fill and the late port filter.

#include "FaceTdaConfigWnd.h"
#include "PageFixture.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr quint32 kGetFace = 520;
constexpr quint32 kSetFace = 521;
constexpr int kRecordSize = 204;

const char *const kFrames[] = {"ip_point_frame1", "port_point_frame1", "ip_point_frame2",
                               "port_point_frame2", "ip_point_frame3", "port_point_frame3"};
const char *const kBoxes[] = {"enable_box", "checkBox_mq", "checkBox_url", "checkBox_stor", "checkBox_https"};
const char *const kTexts[] = {"tdaip_edit", "tdaport_edit", "mqip_edit", "mqport_edit", "storip_edit",
                              "storport_edit"};

struct Face
{
    quint8 flags[5] = {0, 0, 0, 0, 0}; // enable, MQ push, URL, storage, HTTPS
    QByteArray tda, mq, storage;
    quint16 tdaPort = 0, mqPort = 0, storagePort = 0;
    quint8 last = 0; // byte 203
};

QByteArray faceRecord(const Face &f)
{
    QByteArray record(kRecordSize, '\0');
    record.replace(0, f.tda.size(), f.tda);
    record.replace(64, f.mq.size(), f.mq);
    record.replace(128, f.storage.size(), f.storage);
    qToLittleEndian(f.tdaPort, record.data() + 192);
    qToLittleEndian(f.mqPort, record.data() + 194);
    qToLittleEndian(f.storagePort, record.data() + 196);
    for (int i = 0; i < 5; ++i)
        record[198 + i] = char(f.flags[i]);
    record[203] = char(f.last);
    return record;
}

Face validFace()
{
    Face f;
    f.flags[0] = 1;
    f.flags[1] = 1;
    f.flags[3] = 1;
    f.tda = "10.1.2.3";
    f.mq = "172.16.0.200";
    f.storage = "192.168.1.254";
    f.tdaPort = 8080;
    f.mqPort = 61613;
    f.storagePort = 9000;
    return f;
}

QStringList visibleFrames(QWidget *page)
{
    QStringList frames;
    for (const char *name : kFrames)
        if (page->findChild<QFrame *>(name)->isVisible())
            frames << name;
    return frames;
}

} // namespace

class tst_FaceTdaConfigWnd : public QObject
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
    void theSwitchedOnGroupsAreChecked_data();
    void theSwitchedOnGroupsAreChecked();
    void switchedOffInvalidValuesAreClearedAndSentEmpty();
    void aFirstFillWithTheSwitchOffAndMqOnLeavesMqInputsEnabled();
    void uncheckingMqPushClearsItsFourInputs();
    void portsTakeOnlyDigitsAfterTheFirstPortChange();
    void theCamerasVerdictEndsTheSave_data();
    void theCamerasVerdictEndsTheSave();
    void aRefusedWriteShowsOneFailure();

private:
    FaceTdaConfigWnd *showPage(const Face &face)
    {
        m_fixture->setRecord("PLATFORM_FACE_CFG_PARAM", faceRecord(face));
        return m_fixture->show<FaceTdaConfigWnd>();
    }
    static QLineEdit *text(QWidget *page, const char *name) { return page->findChild<QLineEdit *>(name); }
    static QCheckBox *box(QWidget *page, const char *name) { return page->findChild<QCheckBox *>(name); }
    static void save(QWidget *page) { PageFixture::clickSave(page); }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_FaceTdaConfigWnd::aSaveWithoutEditsSendsTheRecordBack_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");

    Face noisy = validFace();
    noisy.flags[0] = 7;
    noisy.flags[1] = 0x80;
    noisy.flags[2] = 2;
    noisy.flags[3] = 0xFF;
    noisy.flags[4] = 9;
    noisy.last = 0x33;
    Face clean = noisy;
    for (quint8 &flag : clean.flags)
        flag = 1;
    clean.last = 0;
    QTest::newRow("all on: flags to 1, byte 203 zero") << faceRecord(noisy) << faceRecord(clean);

    // Storage unchecked: its texts go back unchecked, the address whole
    // though its input shows only 32 characters of it.
    Face storageOff = validFace();
    storageOff.flags[3] = 0;
    storageOff.storage = "storage-0123456789.example.com:8443";
    storageOff.storagePort = 70;
    QTest::newRow("storage off: its long address unchanged") << faceRecord(storageOff) << faceRecord(storageOff);
}

void tst_FaceTdaConfigWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);

    m_fixture->setRecord("PLATFORM_FACE_CFG_PARAM", stored);
    auto *page = m_fixture->show<FaceTdaConfigWnd>();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetFace), expected);
    QCOMPARE(m_fixture->record("PLATFORM_FACE_CFG_PARAM"), expected);
}

void tst_FaceTdaConfigWnd::theSwitchedOnGroupsAreChecked_data()
{
    QTest::addColumn<bool>("enable");
    QTest::addColumn<bool>("mq");
    QTest::addColumn<bool>("storage");
    QTest::addColumn<QStringList>("texts"); // the six inputs in form order
    QTest::addColumn<QStringList>("frames"); // none: the record is sent

    const QStringList good {"10.0.0.1", "80", "10.0.0.2", "81", "10.0.0.3", "82"};
    auto with = [&](int at, const QString &value) {
        QStringList texts = good;
        texts[at] = value;
        return texts;
    };
    QStringList badAll {"1.2.3", "0", "a.b.c.d", "70000", "10.0.0.300", ""};

    QTest::newRow("on, all groups, valid") << true << true << true << good << QStringList();
    QTest::newRow("TDA address of three numbers and MQ port 0")
            << true << true << true << QStringList {"1.2.3", "80", "10.0.0.2", "0", "10.0.0.3", "82"}
            << QStringList {"ip_point_frame1", "port_point_frame2"};
    QTest::newRow("MQ address") << true << true << false << with(2, "10.0.0.256") << QStringList {"ip_point_frame2"};
    QTest::newRow("TDA port 70000") << true << true << false << with(1, "70000") << QStringList {"port_point_frame1"};
    QTest::newRow("storage port 70000") << true << true << true << with(5, "70000")
                                        << QStringList {"port_point_frame3"};
    QTest::newRow("storage, both") << true << false << true << with(4, "") << QStringList {"ip_point_frame3"};
    QTest::newRow("a failing MQ group stops before storage")
            << true << true << true << badAll << QStringList {"ip_point_frame1", "port_point_frame1",
                                                              "ip_point_frame2", "port_point_frame2"};
    QTest::newRow("MQ off: its texts unchecked") << true << false << true
                                                 << QStringList {"1.2.3", "0", "x", "70000", "10.0.0.3", "82"}
                                                 << QStringList();
    QTest::newRow("storage off: its texts unchecked") << true << true << false
                                                      << QStringList {"10.0.0.1", "80", "10.0.0.2", "81", "", "0"}
                                                      << QStringList();
    QTest::newRow("switched off: nothing shown") << false << true << true << badAll << QStringList();
}

void tst_FaceTdaConfigWnd::theSwitchedOnGroupsAreChecked()
{
    QFETCH(bool, enable);
    QFETCH(bool, mq);
    QFETCH(bool, storage);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, frames);

    auto *page = showPage(Face());
    box(page, "enable_box")->setChecked(enable);
    box(page, "checkBox_mq")->setChecked(mq);
    box(page, "checkBox_stor")->setChecked(storage);
    for (int i = 0; i < 6; ++i)
        text(page, kTexts[i])->setText(texts.at(i));
    save(page);

    QCOMPARE(visibleFrames(page), frames);
    for (const QString &frame : frames) {
        const QString label = frame.startsWith("ip") ? "ip_point_text_" + frame.right(1)
                                                     : "port_point_text_" + frame.right(1);
        QCOMPARE(page->findChild<QLabel *>(label)->text(),
                 QString(frame.startsWith("ip") ? "非法的IP" : "端口号的范围是1~65535"));
    }
    if (frames.isEmpty()) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        const QByteArray sent = m_fixture->sent(kSetFace);
        QCOMPARE(int(sent.at(198)), int(enable));
        if (enable) // sent as the inputs show them
            QCOMPARE(QString::fromUtf8(sent.mid(0, 64).constData()), texts.at(0));
    } else {
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetFace), 0);
        QCOMPARE(m_fixture->toasts(page), QStringList());
    }
}

void tst_FaceTdaConfigWnd::switchedOffInvalidValuesAreClearedAndSentEmpty()
{
    Face face = validFace();
    face.flags[0] = 0;
    face.flags[4] = 1;
    auto *page = showPage(face);
    text(page, "storport_edit")->setText("70000");
    text(page, "storip_edit")->setText("10.0.0.300");
    text(page, "tdaport_edit")->setText("");
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});

    QCOMPARE(visibleFrames(page), QStringList());
    QCOMPARE(text(page, "storport_edit")->text(), QString());
    QCOMPARE(text(page, "storip_edit")->text(), QString());
    QCOMPARE(text(page, "mqip_edit")->text(), QString("172.16.0.200"));
    Face expected = face;
    expected.storage.clear();
    expected.storagePort = 0;
    expected.tdaPort = 0;
    QCOMPARE(m_fixture->sent(kSetFace), faceRecord(expected));
}

void tst_FaceTdaConfigWnd::aFirstFillWithTheSwitchOffAndMqOnLeavesMqInputsEnabled()
{
    Face face = validFace();
    face.flags[0] = 0;
    face.flags[3] = 0;
    auto *page = showPage(face);
    for (const char *option : {"checkBox_mq", "checkBox_url", "checkBox_stor", "checkBox_https"})
        QVERIFY2(!box(page, option)->isEnabled(), option);
    for (const char *input : {"tdaip_edit", "tdaport_edit", "mqip_edit", "mqport_edit"})
        QVERIFY2(text(page, input)->isEnabled(), input);
    QVERIFY(!text(page, "storip_edit")->isEnabled());
    // Texts come after the options: the storage input shows the camera's value.
    QCOMPARE(text(page, "storip_edit")->text(), QString("192.168.1.254"));
}

void tst_FaceTdaConfigWnd::uncheckingMqPushClearsItsFourInputs()
{
    auto *page = showPage(validFace());
    box(page, "checkBox_mq")->setChecked(false);
    for (const char *input : {"tdaip_edit", "tdaport_edit", "mqip_edit", "mqport_edit"}) {
        QVERIFY2(!text(page, input)->isEnabled(), input);
        QVERIFY2(text(page, input)->text().isEmpty(), input);
    }
    QCOMPARE(text(page, "storip_edit")->text(), QString("192.168.1.254"));
    box(page, "checkBox_mq")->setChecked(true);
    for (const char *input : {"tdaip_edit", "tdaport_edit", "mqip_edit", "mqport_edit"}) {
        QVERIFY2(text(page, input)->isEnabled(), input);
        QVERIFY2(text(page, input)->text().isEmpty(), input);
    }
}

void tst_FaceTdaConfigWnd::portsTakeOnlyDigitsAfterTheFirstPortChange()
{
    m_fixture->silence(kGetFace);
    auto *page = m_fixture->show<FaceTdaConfigWnd>(false);
    box(page, "checkBox_mq")->setChecked(true);
    QTest::keyClicks(text(page, "tdaport_edit"), "a");
    QCOMPARE(text(page, "tdaport_edit")->text(), QString("a"));
    QTest::keyClicks(text(page, "mqport_edit"), "x7");
    QCOMPARE(text(page, "mqport_edit")->text(), QString("7"));
    QTest::keyClicks(text(page, "tdaport_edit"), "b");
    QCOMPARE(text(page, "tdaport_edit")->text(), QString("a"));
}

void tst_FaceTdaConfigWnd::theCamerasVerdictEndsTheSave_data()
{
    PageFixture::addVerdictRows();
}

void tst_FaceTdaConfigWnd::theCamerasVerdictEndsTheSave()
{
    QFETCH(int, result);
    QFETCH(QString, toast);

    auto *page = showPage(validFace());
    m_fixture->setResult(kSetFace, result);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
}

void tst_FaceTdaConfigWnd::aRefusedWriteShowsOneFailure()
{
    auto *page = showPage(validFace());
    m_fixture->failNextWrite();
    save(page);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

QTEST_MAIN(tst_FaceTdaConfigWnd)
#include "tst_FaceTdaConfigWnd.moc"
