// The FTP page: the record through the simulated camera (the upload switches
// lie out of row order), checks only while the upload is on, and the results.

#include "FtpConfigWnd.h"
#include "PageFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr quint32 kSetFtp = 511;

struct Ftp
{
    quint32 enable;
    QByteArray ip;
    quint16 port;
    quint8 del, pictures;
    QByteArray user, password;
    quint8 video, recordings;
};

QByteArray ftpRecord(const Ftp &ftp, char reserved = 0)
{
    QByteArray record(136, reserved);
    qToLittleEndian(ftp.enable, record.data());
    record.replace(4, 32, ftp.ip.leftJustified(32, '\0', true));
    qToLittleEndian(ftp.port, record.data() + 36);
    record[38] = char(ftp.del);
    record[39] = char(ftp.pictures);
    record.replace(40, 32, ftp.user.leftJustified(32, '\0', true));
    record.replace(72, 32, ftp.password.leftJustified(32, '\0', true));
    record[104] = char(ftp.video);
    record[105] = char(ftp.recordings);
    return record;
}

} // namespace

class tst_FtpConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture);
        m_fixture->loginTo(PageFixture::profile("J"));
    }
    void cleanup() { m_fixture.reset(); }

    void aSaveWithoutEditsSendsTheRecordBack_data();
    void aSaveWithoutEditsSendsTheRecordBack();
    void addressAndPortAreCheckedOnlyWhileTheUploadIsOn_data();
    void addressAndPortAreCheckedOnlyWhileTheUploadIsOn();
    void theCamerasAnswerEndsTheSave_data();
    void theCamerasAnswerEndsTheSave();

private:
    FtpConfigWnd *showPage() { return m_fixture->show<FtpConfigWnd>(); }
    void save(QWidget *page) { PageFixture::clickSave(page); }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_FtpConfigWnd::aSaveWithoutEditsSendsTheRecordBack_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray user32 = "abcdefghijklmnopqrstuvwxyz_01234";
    QTest::newRow("video and delete; 32-byte user without NUL")
            << ftpRecord({7, "10.1.2.3", 2121, 1, 0, user32, "p@ss", 1, 0}, '\x5A')
            << ftpRecord({1, "10.1.2.3", 2121, 1, 0, user32, "p@ss", 1, 0});
    QTest::newRow("pictures and recordings, switched off")
            << ftpRecord({0, "192.168.0.9", 21, 0, 9, "ftp_user", "x-y", 0, 1})
            << ftpRecord({0, "192.168.0.9", 21, 0, 1, "ftp_user", "x-y", 0, 1});
}

void tst_FtpConfigWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);

    m_fixture->setRecord("FTP_CFG_PARAM", stored);
    auto *page = showPage();
    QCOMPARE(page->findChild<QLineEdit *>("mqip_edit")->text(),
             QString::fromLatin1(expected.mid(40, 32)).section(QChar('\0'), 0, 0));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetFtp), expected);
    QCOMPARE(m_fixture->record("FTP_CFG_PARAM"), expected);
}

void tst_FtpConfigWnd::addressAndPortAreCheckedOnlyWhileTheUploadIsOn_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("frames");

    const QStringList both {"ip_point_frame1", "port_point_frame1"};
    QTest::newRow("off, empty address and port go out") << false << "" << "" << QStringList();
    QTest::newRow("on, empty address and port") << true << "" << "" << both;
    QTest::newRow("on, port 0") << true << "10.0.0.1" << "0" << QStringList {"port_point_frame1"};
    QTest::newRow("on, port 65535") << true << "10.0.0.1" << "65535" << QStringList();
    QTest::newRow("on, address part 256") << true << "10.0.0.256" << "21" << QStringList {"ip_point_frame1"};
}

void tst_FtpConfigWnd::addressAndPortAreCheckedOnlyWhileTheUploadIsOn()
{
    QFETCH(bool, enabled);
    QFETCH(QString, ip);
    QFETCH(QString, port);
    QFETCH(QStringList, frames);

    auto *page = showPage();
    page->findChild<QCheckBox *>("enable_box")->setChecked(enabled);
    page->findChild<QLineEdit *>("tdaip_edit")->setText(ip);
    page->findChild<QLineEdit *>("tdaport_edit")->setText(port);
    save(page);

    QStringList shown;
    for (const char *frame : {"ip_point_frame1", "port_point_frame1"})
        if (page->findChild<QWidget *>(frame)->isVisible())
            shown << frame;
    QCOMPARE(shown, frames);
    if (frames.contains("ip_point_frame1"))
        QCOMPARE(page->findChild<QLabel *>("ip_point_text_1")->text(), QString("非法的IP"));
    if (frames.contains("port_point_frame1"))
        QCOMPARE(page->findChild<QLabel *>("port_point_text_1")->text(), QString("端口号的范围是1~65535"));
    if (!frames.isEmpty()) {
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetFtp), 0);
        QCOMPARE(m_fixture->toasts(page), QStringList());
        return;
    }
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    const QByteArray sent = m_fixture->sent(kSetFtp);
    QCOMPARE(qFromLittleEndian<quint32>(sent.constData()), quint32(enabled ? 1 : 0));
    QCOMPARE(sent.mid(4, 32), ip.toLatin1().leftJustified(32, '\0'));
    QCOMPARE(qFromLittleEndian<quint16>(sent.constData() + 36), quint16(port.toUInt()));
}

void tst_FtpConfigWnd::theCamerasAnswerEndsTheSave_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("writeFails");
    QTest::addColumn<QString>("toast");

    QTest::newRow("accepted") << 0 << false << "保存成功";
    QTest::newRow("refused") << 1 << false << "保存失败";
    QTest::newRow("not written") << 0 << true << "保存失败";
}

void tst_FtpConfigWnd::theCamerasAnswerEndsTheSave()
{
    QFETCH(int, result);
    QFETCH(bool, writeFails);
    QFETCH(QString, toast);

    auto *page = showPage();
    m_fixture->setResult(kSetFtp, result);
    if (writeFails)
        m_fixture->failNextWrite();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
    // Nothing later turns a failure into a success.
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {toast});
}

QTEST_MAIN(tst_FtpConfigWnd)
#include "tst_FtpConfigWnd.moc"
