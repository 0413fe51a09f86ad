// The upload thread against the simulated camera: the data it sends, the
// stops that follow, and the result it takes from the camera's verdict.

#include "CameraRig.h"
#include "UPFileThread.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr quint32 kCmdUploadStart = 55;
constexpr quint32 kCmdUploadStop = 56;
const QString kPassword = QStringLiteral("123456");

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31 + i / 977) & 0xFF);
    return bytes;
}

enum class StopAnswer { Camera, Zero, One, None };

} // namespace

Q_DECLARE_METATYPE(StopAnswer)

class tst_UPFileThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theResultIsTheCamerasVerdict_data();
    void theResultIsTheCamerasVerdict();
    void twentyUploadsInARow();

private:
    QString writeFile(const QByteArray &bytes);
    void announce(quint64 size);
    int runThread(const QString &path);

    std::unique_ptr<CameraRig> m_rig;
    QTemporaryDir m_dir;
};

void tst_UPFileThread::init()
{
    UPFileThread::setVerdictTimeout(300);
    m_rig.reset(new CameraRig);
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, kPassword));
    m_rig->camera(0).clearReceived();
}

void tst_UPFileThread::cleanup()
{
    m_rig.reset();
}

QString tst_UPFileThread::writeFile(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("firmware.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// What a page sends before it starts the thread.
void tst_UPFileThread::announce(quint64 size)
{
    const int before = m_rig->probe().count("reqSetDevUpfileParam");
    QVERIFY(m_rig->manager()->ReqUploadFileStart(QStringLiteral("firmware.bin"), quint32(size), quint32(size >> 32)));
    QVERIFY(m_rig->probe().wait("reqSetDevUpfileParam", before + 1));
    QCOMPARE(m_rig->probe().last("reqSetDevUpfileParam").values.value(0).toInt(), 0);
}

int tst_UPFileThread::runThread(const QString &path)
{
    UPFileThread thread;
    QSignalSpy results(&thread, &UPFileThread::sendUpFileResult);
    thread.setFilePath(path);
    thread.start();
    if (!results.wait(10000))
        return -1;
    thread.wait();
    return results.size() == 1 ? results.at(0).at(0).toInt() : -1;
}

void tst_UPFileThread::theResultIsTheCamerasVerdict_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<int>("declaredExtra"); // bytes announced beyond the file's
    QTest::addColumn<StopAnswer>("stopAnswer");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("stops");

    QTest::newRow("sent, camera confirms") << true << 0 << StopAnswer::Camera << 1 << 2;
    QTest::newRow("sent, data missing") << true << 10 << StopAnswer::Camera << 0 << 2;
    QTest::newRow("sent, stops answer 0") << true << 0 << StopAnswer::Zero << 1 << 2;
    QTest::newRow("sent, stops answer 1") << true << 0 << StopAnswer::One << 0 << 2;
    QTest::newRow("sent, stops unanswered") << true << 0 << StopAnswer::None << 0 << 2;
    QTest::newRow("not sent, stop answers 0") << false << 0 << StopAnswer::Zero << 0 << 1;
    QTest::newRow("not sent, stop answers 1") << false << 0 << StopAnswer::One << 0 << 1;
    QTest::newRow("not sent, stop unanswered") << false << 0 << StopAnswer::None << 0 << 1;
}

void tst_UPFileThread::theResultIsTheCamerasVerdict()
{
    QFETCH(bool, fileExists);
    QFETCH(int, declaredExtra);
    QFETCH(StopAnswer, stopAnswer);
    const QByteArray data = pattern(100000); // four data packets
    QString path = writeFile(data);
    if (!fileExists)
        path = m_dir.filePath(QStringLiteral("missing.bin"));
    announce(quint64(data.size() + declaredExtra));
    switch (stopAnswer) {
    case StopAnswer::Camera:
        break;
    case StopAnswer::Zero:
        m_rig->camera(0).setFault(kCmdUploadStop, sim::CommandFault::fail(0));
        break;
    case StopAnswer::One:
        m_rig->camera(0).setFault(kCmdUploadStop, sim::CommandFault::fail(1));
        break;
    case StopAnswer::None:
        m_rig->camera(0).setFault(kCmdUploadStop, sim::CommandFault::noAnswer());
        break;
    }

    QTEST(runThread(path), "result");
    QTEST(m_rig->sent(0, kCmdUploadStop).size(), "stops");
    const sim::SimCamera::Bytes uploaded = m_rig->camera(0).uploadedData();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(uploaded.data()), int(uploaded.size())),
             fileExists ? data : QByteArray());
    // The stops come after the data, 100 ms apart.
    const QList<CameraRig::SentCommand> stops = m_rig->sent(0, kCmdUploadStop);
    if (stops.size() == 2)
        QVERIFY(stops.at(1).time - stops.at(0).time >= std::chrono::milliseconds(95));
}

void tst_UPFileThread::twentyUploadsInARow()
{
    for (int i = 0; i < 20; ++i) {
        const QByteArray data = pattern(1000 + i * 3000);
        const QString path = writeFile(data);
        m_rig->camera(0).clearReceived();
        announce(quint64(data.size()));
        QCOMPARE(runThread(path), 1);
        const sim::SimCamera::Bytes uploaded = m_rig->camera(0).uploadedData();
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(uploaded.data()), int(uploaded.size())), data);
        QCOMPARE(m_rig->sent(0, kCmdUploadStart).size(), 1);
        QCOMPARE(m_rig->sent(0, kCmdUploadStop).size(), 2);
    }
}

QTEST_MAIN(tst_UPFileThread)
#include "tst_UPFileThread.moc"
