// The Quensa page: its whole record through the simulated camera, every check
// on every save (also with the platform off) and the results.

#include "LocalText.h"
#include "PageFixture.h"
#include "TarvioConfigWnd.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetQuensa = 501;
const char *const kFrames[] = {"ip_point_frame1", "port_point_frame1", "id_point_frame1", "name_point_frame1",
                               "key_point_frame"};

struct Quensa
{
    quint8 enable, subStream;
    QByteArray ip;
    quint16 port;
    QByteArray id, name, key;
};

QByteArray quensaRecord(const Quensa &q, char filler = 0)
{
    QByteArray record(616, filler);
    record[0] = char(q.enable);
    record[1] = char(q.subStream);
    record.replace(4, 256, q.ip.leftJustified(256, '\0', true));
    qToLittleEndian(q.port, record.data() + 260);
    record.replace(264, 256, q.id.leftJustified(256, '\0', true));
    record.replace(520, 64, q.name.leftJustified(64, '\0', true));
    record.replace(584, 32, q.key.leftJustified(32, '\0', true));
    return record;
}

QByteArray gbk(const char *utf8)
{
    return LocalText::encode(QString::fromUtf8(utf8));
}

QStringList shownFrames(QWidget *page)
{
    QStringList shown;
    for (const char *frame : kFrames)
        if (page->findChild<QWidget *>(frame)->isVisible())
            shown << frame;
    return shown;
}

} // namespace

class tst_TarvioConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture);
        m_fixture->loginTo(PageFixture::profile("J"));
    }
    void cleanup() { m_fixture.reset(); }

    void aSaveWithoutEditsSendsTheWholeRecordBack_data();
    void aSaveWithoutEditsSendsTheWholeRecordBack();
    void everyCheckRunsOnEverySave_data();
    void everyCheckRunsOnEverySave();
    void aHiddenSubStreamSwitchGoesOutAsFilled();
    void theCamerasAnswerEndsTheSave_data();
    void theCamerasAnswerEndsTheSave();

private:
    TarvioConfigWnd *showPage() { return m_fixture->show<TarvioConfigWnd>(); }
    void save(QWidget *page) { PageFixture::clickSave(page); }
    QLineEdit *edit(QWidget *page, const char *name) { return page->findChild<QLineEdit *>(name); }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_TarvioConfigWnd::aSaveWithoutEditsSendsTheWholeRecordBack_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray name = gbk("深圳市执法记录仪");
    QTest::newRow("GBK name, noise beyond every text")
            << quensaRecord({1, 0, "10.20.30.40", 7001, "CAM_0001", name, "k~ey!"}, '\x33')
            << quensaRecord({1, 0, "10.20.30.40", 7001, "CAM_0001", name, "k~ey!"});
    // The edits show 32 characters of ID and 31 of key; left alone, the
    // longer texts go back whole.
    const QByteArray id40 = QByteArray(40, 'i');
    const QByteArray key32 = QByteArray(32, 'k');
    QTest::newRow("switched off, texts longer than the edits")
            << quensaRecord({0, 1, "192.168.100.200", 65535, id40, "name", key32})
            << quensaRecord({0, 1, "192.168.100.200", 65535, id40, "name", key32});
}

void tst_TarvioConfigWnd::aSaveWithoutEditsSendsTheWholeRecordBack()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);

    m_fixture->setRecord("PLATFROM_TARVIO50_PARAM", stored);
    auto *page = showPage();
    QCOMPARE(edit(page, "name_edit")->text(), LocalText::decode(expected.mid(520, 64).split('\0').first()));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetQuensa), expected);
    QCOMPARE(m_fixture->record("PLATFROM_TARVIO50_PARAM"), expected);
}

void tst_TarvioConfigWnd::everyCheckRunsOnEverySave_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("texts"); // ip, port, id, name, key
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QStringList>("messages");

    const QString ascii32(32, QChar('n'));
    QTest::newRow("32 ASCII") << true << QStringList {"1.2.3.4", "80", "id", ascii32, "k"} << QStringList()
                              << QStringList();
    QTest::newRow("16 Chinese") << true << QStringList {"1.2.3.4", "80", "id", QString(16, QChar(0x4E2D)), "k"}
                                << QStringList() << QStringList();
    QTest::newRow("17 Chinese") << true << QStringList {"1.2.3.4", "80", "id", QString(17, QChar(0x4E2D)), "k"}
                                << QStringList {"name_point_frame1"}
                                << QStringList {"请输入不超过32个英文、字符或16个中文"};
    QTest::newRow("empty ID, name and key, switched off")
            << false << QStringList {"1.2.3.4", "80", "", "", ""}
            << QStringList {"id_point_frame1", "name_point_frame1", "key_point_frame"}
            << QStringList {"不能为空", "不能为空", "不能为空"};
    QTest::newRow("address and port, switched off")
            << false << QStringList {"1.2.3", "65536", "id", "n", "k"}
            << QStringList {"ip_point_frame1", "port_point_frame1"}
            << QStringList {"非法的IP", "端口号的范围是1~65535"};
}

void tst_TarvioConfigWnd::everyCheckRunsOnEverySave()
{
    QFETCH(bool, enabled);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, frames);
    QFETCH(QStringList, messages);

    auto *page = showPage();
    page->findChild<QCheckBox *>("enable_box")->setChecked(enabled);
    const char *const edits[] = {"ip_edit", "port_edit", "id_edit", "name_edit", "key_edit"};
    for (int i = 0; i < 5; ++i)
        edit(page, edits[i])->setText(texts.at(i));
    save(page);

    QCOMPARE(shownFrames(page), frames);
    for (int i = 0; i < frames.size(); ++i)
        QCOMPARE(page->findChild<QWidget *>(frames.at(i))->findChildren<QLabel *>().last()->text(), messages.at(i));
    if (!frames.isEmpty()) {
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetQuensa), 0);
        return;
    }
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetQuensa).mid(520, 64), LocalText::encode(texts.at(3)).leftJustified(64, '\0'));
}

void tst_TarvioConfigWnd::aHiddenSubStreamSwitchGoesOutAsFilled()
{
    CameraProfile profile = PageFixture::profile("J");
    profile.abilityOverrides["supportQuensaForceSubStream"] = 0;
    m_fixture->loginTo(profile);
    m_fixture->setRecord("PLATFROM_TARVIO50_PARAM", quensaRecord({1, 1, "1.1.1.1", 1, "a", "b", "c"}));
    auto *page = showPage();
    QVERIFY(!page->findChild<QWidget *>("sub_box")->isVisibleTo(page));
    QVERIFY(!page->findChild<QWidget *>("label")->isVisibleTo(page));
    // The Quensa page keeps the full hint, whatever the other tabs.
    QCOMPARE(page->findChild<QLabel *>("lblTips")->text(), QString("TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台"));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetQuensa).at(1), '\x01');
}

void tst_TarvioConfigWnd::theCamerasAnswerEndsTheSave_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("writeFails");
    QTest::addColumn<QString>("toast");

    QTest::newRow("accepted") << 0 << false << "保存成功";
    QTest::newRow("refused") << 1 << false << "保存失败";
    QTest::newRow("not written") << 0 << true << "保存失败";
}

void tst_TarvioConfigWnd::theCamerasAnswerEndsTheSave()
{
    QFETCH(int, result);
    QFETCH(bool, writeFails);
    QFETCH(QString, toast);

    m_fixture->setRecord("PLATFROM_TARVIO50_PARAM", quensaRecord({1, 0, "1.1.1.1", 1, "a", "b", "c"}));
    auto *page = showPage();
    m_fixture->setResult(kSetQuensa, result);
    if (writeFails)
        m_fixture->failNextWrite();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {toast});
}

QTEST_MAIN(tst_TarvioConfigWnd)
#include "tst_TarvioConfigWnd.moc"
