#include "CameraRig.h"
#include "DiskSpace.h"
#include "UsbBus.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

constexpr int kCmdDownload = 2;
constexpr int kCmdTransferEnd = 3;
constexpr int kCmdFindLogFile = 20;
constexpr int kCmdFileInfo = 22;

using Bytes = sim::CameraStore::Bytes;

QByteArray cameraBytes(sim::FullCamera &camera, const QString &name)
{
    const auto file = camera.store().file(name.toStdString());
    if (!file)
        return QByteArray();
    QByteArray bytes(int(file->size()), Qt::Uninitialized);
    file->read(0, reinterpret_cast<std::uint8_t *>(bytes.data()), size_t(bytes.size()));
    return bytes;
}

QByteArray localBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The names of the requests of one command that reached the camera, in order
// (the 128-byte name field at the start of the payload).
QStringList requested(sim::FullCamera &camera, quint32 command)
{
    QStringList names;
    for (const Bytes &packet : camera.receivedPackets()) {
        if (packet.size() < 20 || packet[8] != 1)
            continue;
        quint32 code = 0;
        std::memcpy(&code, packet.data() + 12, 4);
        if (code != command)
            continue;
        const char *name = reinterpret_cast<const char *>(packet.data() + 20);
        names << QString::fromUtf8(name, int(strnlen(name, qMin<size_t>(128, packet.size() - 20))));
    }
    return names;
}

// The camera's media files: the first `count` in the order it lists them.
QStringList mediaNames(sim::FullCamera &camera, int count)
{
    QStringList names;
    for (const std::string &name : camera.store().fileNames()) {
        const QString text = QString::fromStdString(name);
        if (text.startsWith(QLatin1String("/mnt/sdcard/DCIM/")) && names.size() < count)
            names << text;
    }
    return names;
}

QStringList logNames(sim::FullCamera &camera)
{
    QStringList names;
    for (const std::string &name : camera.store().logNames())
        names << QString::fromStdString(name);
    return names;
}

QString fileName(const QString &remote)
{
    return remote.mid(remote.lastIndexOf(QLatin1Char('/')) + 1);
}

std::string requestedName(const sim::CommandRequest &request)
{
    const char *field = reinterpret_cast<const char *>(request.payload);
    return std::string(field, strnlen(field, qMin<size_t>(128, request.payloadLength)));
}

std::vector<std::uint8_t> fileBytes(const sim::FileSource &file, std::uint64_t from, std::uint64_t to)
{
    std::vector<std::uint8_t> bytes(size_t(to - from));
    file.read(from, bytes.data(), bytes.size());
    return bytes;
}

// How a misbehaving camera answers the download of one file; every other
// file is sent as a camera does.
void misbehaveOn(sim::FullCamera &cam, const QString &target, const QString &conduct)
{
    const std::string name = target.toStdString();
    cam.registerCommand(
        kCmdDownload,
        [&cam, name, conduct](const sim::CommandRequest &request, sim::Outbox &out) {
            const auto file = cam.store().file(requestedName(request));
            if (!file) {
                out.reply(kCmdDownload, 1);
                out.reply(kCmdTransferEnd, 1);
                return;
            }
            const std::uint64_t size = file->size();
            if (requestedName(request) != name) {
                out.reply(kCmdDownload, 0);
                out.stream(file, 0);
                out.reply(kCmdTransferEnd, 0);
            } else if (conduct == "refused") {
                out.reply(kCmdDownload, 1);
            } else if (conduct == "half") {
                out.reply(kCmdDownload, 0);
                out.data(fileBytes(*file, 0, size / 2));
                out.reply(kCmdTransferEnd, 0);
            } else if (conduct == "packet twice") {
                out.reply(kCmdDownload, 0);
                out.data(fileBytes(*file, 0, size / 2));
                out.data(fileBytes(*file, 0, size / 2));
                out.data(fileBytes(*file, size / 2, size));
                out.reply(kCmdTransferEnd, 0);
            } else if (conduct == "stray end") {
                out.reply(kCmdTransferEnd, 0);
                out.reply(kCmdDownload, 0);
                out.stream(file, 0);
                out.reply(kCmdTransferEnd, 0);
            }
        },
        sim::SimCamera::CommandShape::Transfer);
}

} // namespace

class tst_MainManagerDownload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void localPathForKeepsNamesInsideTheFolder_data();
    void localPathForKeepsNamesInsideTheFolder();
    void queuesEachPairOnceStartsOnceAndMakesTheFolder();
    void textFilesSkipTheLengthQuery();
    void refusedNamesAreReportedAfterTheCallAndNeverSent();
    void freeSpaceAndFailedStepsParkTheFileUntilThePanelRemovesIt_data();
    void freeSpaceAndFailedStepsParkTheFileUntilThePanelRemovesIt();
    void droppingTheStoppedFileQuietlyWaitsForTheNextAddition();
    void refusedTransferIsReportedOnceAndAdvancesOnce_data();
    void refusedTransferIsReportedOnceAndAdvancesOnce();
    void fileInFlightSurvivesRemovalAndCut_data();
    void fileInFlightSurvivesRemovalAndCut();
    void transferThatFallsSilentIsGivenUpAndTheQueueGoesOn();
    void hostileTransferNeitherStallsNorCountsAWrongFile_data();
    void hostileTransferNeitherStallsNorCountsAWrongFile();
    void cuttingTheQueueDropsAStoppedFile();
    void failedLogRequestReportsOnceAndTheQueueGoesOn_data();
    void failedLogRequestReportsOnceAndTheQueueGoesOn();
    void logRunFetchesEveryLogFileIntoTheWorkingFolder();
    void logAndMediaFilesShareOneQueue();
    void discoveryEmptiesQueueAndLists();
    void threeMediaFilesEndToEnd();

private:
    MainManager *manager() const { return m_rig->manager(); }
    sim::FullCamera &camera() const { return m_rig->camera(0); }
    SignalProbe &probe() const { return m_rig->probe(); }
    // startDownLoad(name, status) emissions as "name=status".
    QStringList statuses() const;
    // overDownLoad emissions as "name>local=result".
    QStringList overs() const;
    int runStarts() const;
    QString folder(const QString &relative) const { return m_dir->filePath(relative); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CameraRig> m_rig;
    QString m_workingFolder;
};

void tst_MainManagerDownload::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_workingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_rig.reset(new CameraRig());
    manager()->setReplyDeadlines(500, 3000);
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, "123456"));
    probe().clear();
    camera().clearReceived();
}

void tst_MainManagerDownload::cleanup()
{
    // Every signal of the queue and the log index comes on the GUI thread.
    const char *queueSignals[] = {"startDownLoad", "overDownLoad", "allFileDownLoadOver", "LogDownLoad",
                                  "reqLogIndexResult", "updateFileInfo"};
    for (const char *name : queueSignals) {
        for (const SignalProbe::Emission &emission : probe().emissions(name))
            QCOMPARE(emission.thread, qApp->thread());
    }
    setDiskFreeSpaceOverride({});
    m_rig.reset();
    QDir::setCurrent(m_workingFolder);
    m_dir.reset();
}

QStringList tst_MainManagerDownload::statuses() const
{
    QStringList list;
    for (const SignalProbe::Emission &e : probe().emissions("startDownLoad")) {
        if (e.values.size() == 2)
            list << e.values[0].toString() + QLatin1Char('=') + QString::number(e.values[1].toInt());
    }
    return list;
}

QStringList tst_MainManagerDownload::overs() const
{
    QStringList list;
    for (const SignalProbe::Emission &e : probe().emissions("overDownLoad"))
        list << e.values[0].toString() + QLatin1Char('>') + e.values[1].toString() + QLatin1Char('=')
                    + QString::number(e.values[2].toInt());
    return list;
}

int tst_MainManagerDownload::runStarts() const
{
    int count = 0;
    for (const SignalProbe::Emission &e : probe().emissions("startDownLoad"))
        count += e.values.isEmpty() ? 1 : 0;
    return count;
}

void tst_MainManagerDownload::localPathForKeepsNamesInsideTheFolder_data()
{
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");

    const QString name = QStringLiteral("/mnt/sdcard/DCIM/20261210/A.MP4");
    QTest::newRow("camera path") << name << "/data/media" << "/data/media/A.MP4";
    QTest::newRow("folder with its slash") << name << "/data/media/" << "/data/media/A.MP4";
    QTest::newRow("backslashes") << "a\\b\\C.JPG" << "D:\\media" << "D:/media/C.JPG";
    const QString longest(127, QLatin1Char('a'));
    QTest::newRow("127 bytes") << longest << "/d" << "/d/" + longest;
    QTest::newRow("128 bytes") << QString(128, QLatin1Char('a')) << "/d" << QString();
    QTest::newRow("128 bytes of UTF-8") << QString(42, QChar(0x4e2d)) + "ab" << "/d" << QString();
    QTest::newRow("parent step") << "../x" << "/d" << QString();
    QTest::newRow("parent step with backslashes") << "a\\..\\b" << "/d" << QString();
    QTest::newRow("dot part") << "/mnt/./x.MP4" << "/d" << QString();
    QTest::newRow("hidden") << ".hidden" << "/d" << QString();
    QTest::newRow("hidden under folders") << "/home/u/.bashrc" << "/d" << QString();
    QTest::newRow("dot dot name") << "/mnt/.." << "/d" << QString();
    QTest::newRow("empty") << "" << "/d" << QString();
    QTest::newRow("folder only") << "/mnt/sdcard/" << "/d" << QString();
    QTest::newRow("control character") << "/mnt/a\tb.MP4" << "/d" << QString();
    QTest::newRow("no folder") << name << "" << QString();
}

void tst_MainManagerDownload::localPathForKeepsNamesInsideTheFolder()
{
    QFETCH(QString, remote);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(MainManager::localPathFor(remote, folder), expected);
}

void tst_MainManagerDownload::queuesEachPairOnceStartsOnceAndMakesTheFolder()
{
    const QStringList media = mediaNames(camera(), 2);
    const QString a = media[0];
    const QString b = media[1];
    const QString nested = folder("a/b");
    const QString other = folder("other");

    manager()->AddDownLoadList({a, b}, nested);
    QCOMPARE(runStarts(), 1);
    QVERIFY(QFileInfo(nested).isDir());
    QCOMPARE(requested(camera(), kCmdFileInfo), QStringList({a}));
    QCOMPARE(manager()->activeDownLoad().remoteName, a);
    QCOMPARE(manager()->activeDownLoad().localPath, nested + "/" + fileName(a));

    manager()->AddDownLoadList({a}, nested);
    manager()->AddDownLoadList({a}, other);
    QCOMPARE(runStarts(), 1);
    QCOMPARE(requested(camera(), kCmdFileInfo), QStringList({a}));

    QVERIFY(probe().wait("allFileDownLoadOver"));
    const QString la = nested + "/" + fileName(a);
    const QString lb = nested + "/" + fileName(b);
    const QString oa = other + "/" + fileName(a);
    QCOMPARE(overs(), QStringList({a + ">" + la + "=0", b + ">" + lb + "=0", a + ">" + oa + "=0"}));
    QCOMPARE(requested(camera(), kCmdFileInfo), QStringList({a, b, a}));
    QCOMPARE(requested(camera(), kCmdDownload), QStringList({a, b, a}));
    QCOMPARE(localBytes(la), cameraBytes(camera(), a));
    QCOMPARE(localBytes(lb), cameraBytes(camera(), b));
    QCOMPARE(localBytes(oa), cameraBytes(camera(), a));
    QCOMPARE(probe().count("allFileDownLoadOver"), 1);
    QCOMPARE(probe().count("LogDownLoad"), 0);
    QVERIFY(!manager()->GetLoadingStatus());
    QVERIFY(manager()->activeDownLoad().isEmpty());
}

void tst_MainManagerDownload::textFilesSkipTheLengthQuery()
{
    const QString log = logNames(camera()).first();
    manager()->AddDownLoadList({log}, folder("texts"));
    QVERIFY(probe().wait("allFileDownLoadOver"));
    const QString local = folder("texts") + "/" + fileName(log);
    QCOMPARE(requested(camera(), kCmdFileInfo), QStringList());
    QCOMPARE(requested(camera(), kCmdDownload), QStringList({log}));
    QCOMPARE(statuses(), QStringList({log + "=0"}));
    QCOMPARE(overs(), QStringList({log + ">" + local + "=0"}));
    QCOMPARE(localBytes(local), cameraBytes(camera(), log));
    // Only a log run lists what it fetched for the log page.
    QCOMPARE(manager()->GetLogFileList(), QList<QString>());
}

void tst_MainManagerDownload::refusedNamesAreReportedAfterTheCallAndNeverSent()
{
    const QStringList names = {"../x.MP4", "a\\..\\b.MP4", ".hidden", "", QString(128, QLatin1Char('a'))};
    manager()->AddDownLoadList(names, folder("media"));
    // Posted, so that the panel has its rows before they turn red.
    QCOMPARE(probe().count("startDownLoad"), 0);
    QTRY_COMPARE(statuses().size(), names.size());
    QStringList expected;
    for (const QString &name : names)
        expected << name + "=2";
    QCOMPARE(statuses(), expected);
    QCOMPARE(runStarts(), 0);
    QCOMPARE(camera().receivedPackets().size(), size_t(0));
    QVERIFY(manager()->activeDownLoad().isEmpty());
    QVERIFY(!manager()->GetLoadingStatus());
    QVERIFY(!QFileInfo::exists(m_dir->filePath("x.MP4")));
    QCOMPARE(probe().count("allFileDownLoadOver"), 0);
}

void tst_MainManagerDownload::freeSpaceAndFailedStepsParkTheFileUntilThePanelRemovesIt_data()
{
    QTest::addColumn<qint64>("spare"); // available space minus the file length
    QTest::addColumn<qint64>("reserved"); // free space minus available space
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("faultCommand");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("status");

    QTest::newRow("free space equal to the length") << qint64(0) << qint64(0) << 1000 << 0 << false << 0;
    QTest::newRow("one byte short") << qint64(-1) << qint64(0) << 1000 << 0 << false << 1;
    QTest::newRow("room only in the blocks kept for root")
        << qint64(-1) << qint64(50000) << 1000 << 0 << false << 1;
    QTest::newRow("length 0") << qint64(0) << qint64(0) << 0 << 0 << false << 2;
    QTest::newRow("failed length query") << qint64(0) << qint64(0) << 1000 << kCmdFileInfo << false << 2;
    QTest::newRow("silent length query") << qint64(0) << qint64(0) << 1000 << kCmdFileInfo << true << 2;
    QTest::newRow("silent transfer start") << qint64(0) << qint64(0) << 1000 << kCmdDownload << true << 2;
}

void tst_MainManagerDownload::freeSpaceAndFailedStepsParkTheFileUntilThePanelRemovesIt()
{
    QFETCH(qint64, spare);
    QFETCH(qint64, reserved);
    QFETCH(int, size);
    QFETCH(int, faultCommand);
    QFETCH(bool, silent);
    QFETCH(int, status);

    const QString a = QStringLiteral("/mnt/sdcard/DCIM/t/A.MP4");
    const QString b = QStringLiteral("/mnt/sdcard/DCIM/t/B.MP4");
    camera().edit([&](sim::camera::CameraBehaviour &behaviour) {
        const QDateTime now = QDateTime::currentDateTime();
        behaviour.media().add({a.toStdString(), now, now, std::uint64_t(size)});
        behaviour.media().add({b.toStdString(), now, now, std::uint64_t(size)});
    });
    QStringList asked;
    setVolumeSpaceOverride([&asked, size, spare, reserved](const QString &path) {
        asked << path;
        return VolumeSpace{qint64(size) + spare + reserved, qint64(size) + spare};
    });
    if (faultCommand != 0)
        camera().setFault(quint32(faultCommand),
                          silent ? sim::CommandFault::noAnswer() : sim::CommandFault::fail());
    manager()->setReplyDeadlines(500, 800);
    const QString media = folder("media");

    manager()->AddDownLoadList({a, b}, media);
    QVERIFY(probe().wait("startDownLoad", 2));
    QCOMPARE(statuses().first(), a + "=" + QString::number(status));
    if (status == 0) {
        QVERIFY(probe().wait("allFileDownLoadOver"));
        QCOMPARE(overs(), QStringList({a + ">" + media + "/A.MP4=0", b + ">" + media + "/B.MP4=0"}));
        QCOMPARE(localBytes(media + "/B.MP4"), cameraBytes(camera(), b));
        QCOMPARE(asked, QStringList({media + "/", media + "/"}));
        return;
    }

    // Stopped at the front until the panel takes it away; nothing else starts.
    QVERIFY(manager()->activeDownLoad().isEmpty());
    QCOMPARE(requested(camera(), kCmdFileInfo).count(b), 0);
    manager()->RemoveDownLoadItem(a, media);
    QCOMPARE(requested(camera(), kCmdFileInfo).count(b), 1);
    manager()->RemoveDownLoadItem(a, media);
    QVERIFY(probe().wait("startDownLoad", 3));
    QCOMPARE(statuses(), QStringList({a + "=" + QString::number(status), b + "=" + QString::number(status)}));
    QCOMPARE(probe().count("allFileDownLoadOver"), 0);
    manager()->RemoveDownLoadItem(b, media);
    QCOMPARE(probe().count("allFileDownLoadOver"), 1);
    QCOMPARE(requested(camera(), kCmdFileInfo), QStringList({a, b}));
    QCOMPARE(overs(), QStringList());
    QVERIFY(!manager()->GetLoadingStatus());
}

void tst_MainManagerDownload::droppingTheStoppedFileQuietlyWaitsForTheNextAddition()
{
    const QStringList media = mediaNames(camera(), 3);
    const QString target = folder("media");
    setDiskFreeSpaceOverride([](const QString &) { return qint64(0); });

    manager()->AddDownLoadList({media[0], media[1]}, target);
    QVERIFY(probe().wait("startDownLoad", 2));
    manager()->RemoveDownLoadItemEx(media[0], target);
    QCOMPARE(requested(camera(), kCmdFileInfo), QStringList({media[0]}));
    manager()->AddDownLoadList({media[2]}, target);
    QCOMPARE(requested(camera(), kCmdFileInfo), QStringList({media[0], media[1]}));
    QVERIFY(probe().wait("startDownLoad", 3));
    manager()->RemoveDownLoadItem(media[1], target);
    QVERIFY(probe().wait("startDownLoad", 4));
    manager()->RemoveDownLoadItem(media[2], target);

    QCOMPARE(statuses(), QStringList({media[0] + "=1", media[1] + "=1", media[2] + "=1"}));
    QCOMPARE(requested(camera(), kCmdFileInfo), media);
    QCOMPARE(runStarts(), 1);
    QCOMPARE(probe().count("allFileDownLoadOver"), 1);
}

void tst_MainManagerDownload::refusedTransferIsReportedOnceAndAdvancesOnce_data()
{
    QTest::addColumn<int>("endResult");
    QTest::addColumn<bool>("removeAtOnce");

    QTest::newRow("end 0, removed at the refusal") << 0 << true;
    QTest::newRow("end 0, removed afterwards") << 0 << false;
    QTest::newRow("end 1, removed at the refusal") << 1 << true;
    QTest::newRow("end 1, removed afterwards") << 1 << false;
}

void tst_MainManagerDownload::refusedTransferIsReportedOnceAndAdvancesOnce()
{
    QFETCH(int, endResult);
    QFETCH(bool, removeAtOnce);

    const QStringList media = mediaNames(camera(), 2);
    const QString a = media[0];
    const QString b = media[1];
    const QString target = folder("media");
    sim::FullCamera &cam = camera();
    const std::string refused = a.toStdString();
    cam.registerCommand(
        kCmdDownload,
        [&cam, refused, endResult](const sim::CommandRequest &request, sim::Outbox &out) {
            const char *field = reinterpret_cast<const char *>(request.payload);
            const std::string name(field, strnlen(field, qMin<size_t>(128, request.payloadLength)));
            const auto file = cam.store().file(name);
            if (name == refused || !file) {
                out.reply(kCmdDownload, 1);
                out.reply(kCmdTransferEnd, std::uint8_t(endResult));
                return;
            }
            out.reply(kCmdDownload, 0);
            out.stream(file, 0);
            out.reply(kCmdTransferEnd, 0);
        },
        sim::SimCamera::CommandShape::Transfer);
    if (removeAtOnce) {
        // What the panel does with a failure report.
        connect(manager(), qOverload<QString, int>(&MainManager::startDownLoad), this,
                [this, target](const QString &name, int status) {
                    if (status != 0)
                        manager()->RemoveDownLoadItem(name, target);
                });
    }

    manager()->AddDownLoadList({a, b}, target);
    QVERIFY(probe().wait("allFileDownLoadOver"));
    if (!removeAtOnce)
        manager()->RemoveDownLoadItem(a, target);
    QCoreApplication::processEvents();

    QCOMPARE(statuses(), QStringList({a + "=2", b + "=0"}));
    QCOMPARE(overs(), QStringList({b + ">" + target + "/" + fileName(b) + "=0"}));
    QCOMPARE(localBytes(target + "/" + fileName(b)), cameraBytes(cam, b));
    QCOMPARE(requested(cam, kCmdDownload), QStringList({a, b}));
    QCOMPARE(requested(cam, kCmdFileInfo), QStringList({a, b}));
    QCOMPARE(probe().count("allFileDownLoadOver"), 1);
    QVERIFY(manager()->activeDownLoad().isEmpty());
}

void tst_MainManagerDownload::fileInFlightSurvivesRemovalAndCut_data()
{
    QTest::addColumn<bool>("cut");
    QTest::addColumn<bool>("afterLength");

    QTest::newRow("removed before its length") << false << false;
    QTest::newRow("removed before its start") << false << true;
    QTest::newRow("cut before its length") << true << false;
    QTest::newRow("cut before its start") << true << true;
}

void tst_MainManagerDownload::fileInFlightSurvivesRemovalAndCut()
{
    QFETCH(bool, cut);
    QFETCH(bool, afterLength);

    const QStringList media = mediaNames(camera(), 3);
    const QString target = folder("media");
    auto act = [&] {
        QCOMPARE(manager()->activeDownLoad().remoteName, media[0]);
        if (cut) {
            manager()->CutDownLoadListToFirst();
        } else {
            manager()->RemoveDownLoadItemEx(media[0], target);
            manager()->RemoveDownLoadItemEx(media[1], target);
        }
    };
    bool acted = false;
    if (afterLength) {
        // Runs after the length check has sent the transfer request.
        connect(manager(), &MainManager::updateFileInfo, this, [&] {
            if (!acted) {
                acted = true;
                QCOMPARE(requested(camera(), kCmdDownload), QStringList({media[0]}));
                act();
            }
        });
    }

    manager()->AddDownLoadList(media, target);
    if (!afterLength) {
        acted = true;
        act();
    }
    QVERIFY(probe().wait("allFileDownLoadOver"));
    QVERIFY(acted);

    const QStringList fetched = cut ? QStringList({media[0]}) : QStringList({media[0], media[2]});
    QStringList expected;
    for (const QString &name : fetched) {
        expected << name + ">" + target + "/" + fileName(name) + "=0";
        QCOMPARE(localBytes(target + "/" + fileName(name)), cameraBytes(camera(), name));
    }
    QCOMPARE(overs(), expected);
    QCOMPARE(requested(camera(), kCmdFileInfo), fetched);
    QCOMPARE(probe().count("allFileDownLoadOver"), 1);
}

// A camera pulled out mid-file: its transfer started, part of the data came,
// and then nothing, not even the reply 3 that ends it.
void tst_MainManagerDownload::transferThatFallsSilentIsGivenUpAndTheQueueGoesOn()
{
    manager()->setReplyDeadlines(500, 800);
    const QStringList media = mediaNames(camera(), 2);
    const QString a = media[0];
    const QString b = media[1];
    const QString target = folder("media");
    sim::FullCamera &cam = camera();
    const std::string silent = a.toStdString();
    cam.registerCommand(
        kCmdDownload,
        [&cam, silent](const sim::CommandRequest &request, sim::Outbox &out) {
            const char *field = reinterpret_cast<const char *>(request.payload);
            const std::string name(field, strnlen(field, qMin<size_t>(128, request.payloadLength)));
            const auto file = cam.store().file(name);
            out.reply(kCmdDownload, file ? 0 : 1);
            if (!file)
                return;
            if (name == silent) {
                std::vector<std::uint8_t> half(file->size() / 2);
                file->read(0, half.data(), half.size());
                out.data(half);
                return;
            }
            out.stream(file, 0);
            out.reply(kCmdTransferEnd, 0);
        },
        sim::SimCamera::CommandShape::Transfer);

    manager()->AddDownLoadList({a, b}, target);
    QVERIFY(probe().wait("overDownLoad", 1, 10000));
    QCOMPARE(overs(), QStringList({a + ">" + target + "/" + fileName(a) + "=2"}));
    QVERIFY(localBytes(target + "/" + fileName(a)) != cameraBytes(cam, a));
    // The queue goes on; this camera's library state still holds the
    // silent transfer, so the next file is refused at once instead of
    // waiting behind it.
    QVERIFY(probe().wait("startDownLoad", 3, 5000));
    QCOMPARE(statuses(), QStringList({a + "=0", b + "=2"}));
}

void tst_MainManagerDownload::hostileTransferNeitherStallsNorCountsAWrongFile_data()
{
    QTest::addColumn<QString>("conduct");
    QTest::addColumn<bool>("pulledOut"); // the camera is gone after its refusal
    QTest::addColumn<int>("started");    // the first file's start status
    QTest::addColumn<int>("ended");      // its end result, -1: none reported

    QTest::newRow("refusal, then silence") << "refused" << false << 2 << -1;
    QTest::newRow("refusal, then the camera pulled out") << "refused" << true << 2 << -1;
    QTest::newRow("half the data, then 3 = 0") << "half" << false << 0 << 2;
    QTest::newRow("a data packet twice, then 3 = 0") << "packet twice" << false << 0 << 2;
    QTest::newRow("stray 3 = 0 before reply 2 = 0") << "stray end" << false << 0 << 0;
}

// The queue always goes on, the log request made meanwhile always gets its
// one outcome, and a file counts as fetched only when it is the camera's.
void tst_MainManagerDownload::hostileTransferNeitherStallsNorCountsAWrongFile()
{
    QFETCH(QString, conduct);
    QFETCH(bool, pulledOut);
    QFETCH(int, started);
    QFETCH(int, ended);

    manager()->setReplyDeadlines(500, 800);
    sim::FullCamera &cam = camera();
    const QStringList media = mediaNames(cam, 2);
    const QString a = media[0];
    const QString b = media[1];
    const QString target = folder("media");
    misbehaveOn(cam, a, conduct);
    // What the panel does with a failure report.
    connect(manager(), qOverload<QString, int>(&MainManager::startDownLoad), this,
            [this, target, pulledOut](const QString &name, int status) {
                if (status != 0)
                    manager()->RemoveDownLoadItem(name, target);
                if (pulledOut)
                    sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -19);
            });

    manager()->AddDownLoadList({a, b}, target);
    manager()->ReqLogIndex();
    QVERIFY(probe().wait("allFileDownLoadOver", 1, 10000));
    QVERIFY(probe().wait(pulledOut ? "reqLogIndexResult" : "LogDownLoad", 1, 10000));

    const QString localA = target + "/" + fileName(a);
    const QString localB = target + "/" + fileName(b);
    QCOMPARE(statuses().first(), a + "=" + QString::number(started));
    QCOMPARE(overs().filter(a), ended < 0 ? QStringList() : QStringList({a + ">" + localA + "=" + QString::number(ended)}));
    QCOMPARE(localBytes(localA), ended == 0 ? cameraBytes(cam, a) : QByteArray("<missing>"));
    if (pulledOut) {
        QCOMPARE(statuses(), QStringList({a + "=2", b + "=2"}));
        QCOMPARE(probe().last("reqLogIndexResult").values, QVariantList({false}));
        QCOMPARE(probe().count("LogDownLoad"), 0);
    } else {
        QCOMPARE(overs().filter(b), QStringList({b + ">" + localB + "=0"}));
        QCOMPARE(localBytes(localB), cameraBytes(cam, b));
        QCOMPARE(probe().emissions("LogDownLoad").first().values, QVariantList({true}));
        QCOMPARE(manager()->GetLogFileList().size(), 3);
        QCOMPARE(probe().count("reqLogIndexResult"), 0);
    }
    QCOMPARE(probe().count("allFileDownLoadOver"), 1);
    QVERIFY(manager()->activeDownLoad().isEmpty());
    QVERIFY(manager()->parkedDownLoad().isEmpty());
}

// Cleaning the panel leaves MainManager only the file being fetched: a file
// stopped at the front goes too, and what is queued next is fetched.
void tst_MainManagerDownload::cuttingTheQueueDropsAStoppedFile()
{
    const QStringList media = mediaNames(camera(), 3);
    setVolumeSpaceOverride([](const QString &path) {
        const qint64 room = path.contains(QLatin1String("/full")) ? 0 : qint64(1) << 40;
        return VolumeSpace{room, room};
    });
    manager()->AddDownLoadList({media[0], media[1]}, folder("full"));
    QVERIFY(probe().wait("startDownLoad", 2));
    QCOMPARE(manager()->parkedDownLoad().remoteName, media[0]);
    QVERIFY(manager()->activeDownLoad().isEmpty());

    manager()->CutDownLoadListToFirst();
    QVERIFY(manager()->parkedDownLoad().isEmpty());
    QCOMPARE(probe().count("allFileDownLoadOver"), 1);
    manager()->AddDownLoadList({media[2]}, folder("room"));
    QVERIFY(probe().wait("allFileDownLoadOver", 2));
    const QString local = folder("room") + "/" + fileName(media[2]);
    QCOMPARE(overs(), QStringList({media[2] + ">" + local + "=0"}));
    QCOMPARE(localBytes(local), cameraBytes(camera(), media[2]));
    QCOMPARE(requested(camera(), kCmdFileInfo), QStringList({media[0], media[2]}));
}

void tst_MainManagerDownload::failedLogRequestReportsOnceAndTheQueueGoesOn_data()
{
    QTest::addColumn<QString>("failure");

    QTest::newRow("request not sent") << "unsent";
    QTest::newRow("list refused") << "refused";
    QTest::newRow("empty list") << "empty";
    QTest::newRow("names, then a failed end") << "failed end";
    QTest::newRow("silent camera") << "silent";
}

void tst_MainManagerDownload::failedLogRequestReportsOnceAndTheQueueGoesOn()
{
    QFETCH(QString, failure);

    sim::FullCamera &cam = camera();
    manager()->setReplyDeadlines(500, 800);
    if (failure == "unsent") {
        sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1, 1);
    } else if (failure == "refused") {
        cam.setFault(kCmdFindLogFile, sim::CommandFault::fail());
    } else if (failure == "empty") {
        cam.store().setLogNames({});
    } else if (failure == "failed end") {
        cam.registerCommand(
            kCmdFindLogFile,
            [](const sim::CommandRequest &, sim::Outbox &out) {
                out.reply(kCmdFindLogFile, 0);
                out.nameList({"/mnt/sdcard/log/20261210.txt"});
                out.reply(kCmdTransferEnd, 1);
            },
            sim::SimCamera::CommandShape::Transfer);
    } else {
        cam.setFault(kCmdFindLogFile, sim::CommandFault::noAnswer());
    }

    manager()->ReqLogIndex();
    // Never inside the call: the page shows its overlay after it.
    QCOMPARE(probe().count("reqLogIndexResult"), 0);
    QVERIFY(probe().wait("reqLogIndexResult"));
    QCOMPARE(probe().last("reqLogIndexResult").values, QVariantList({false}));

    cam.clearFaults();
    const QString a = mediaNames(cam, 1).first();
    manager()->AddDownLoadList({a}, folder("media"));
    QVERIFY(probe().wait("allFileDownLoadOver"));
    QCOMPARE(overs(), QStringList({a + ">" + folder("media") + "/" + fileName(a) + "=0"}));
    QCOMPARE(probe().count("reqLogIndexResult"), 1);
    QCOMPARE(probe().count("LogDownLoad"), 0);
    QCOMPARE(manager()->GetLogFileList(), QList<QString>());
}

void tst_MainManagerDownload::logRunFetchesEveryLogFileIntoTheWorkingFolder()
{
    sim::FullCamera &cam = camera();
    const QStringList logs = logNames(cam);
    QCOMPARE(logs.size(), 3);
    const QStringList listed = logs + QStringList({"/mnt/sdcard/log/missing.txt", "../evil.txt"});
    std::vector<std::string> names;
    for (const QString &name : listed)
        names.push_back(name.toStdString());
    cam.store().setLogNames(names);

    manager()->ReqLogIndex();
    manager()->ReqLogIndex(); // the one under way answers for both
    QVERIFY(probe().wait("LogDownLoad"));
    manager()->ReqLogIndex(); // after the run: a request of its own
    QVERIFY(probe().wait("LogDownLoad", 2));

    QCOMPARE(requested(cam, kCmdFindLogFile).size(), 2);
    QCOMPARE(probe().emissions("LogDownLoad").first().values, QVariantList({true}));
    QCOMPARE(probe().count("reqLogIndexResult"), 0);
    QCOMPARE(probe().count("allFileDownLoadOver"), 0);
    QCOMPARE(manager()->GetLogIndexList(), QList<QString>(listed));
    QList<QString> expected;
    for (const QString &log : logs) {
        const QString local = QDir::currentPath() + "/" + fileName(log);
        expected << local;
        QCOMPARE(localBytes(local), cameraBytes(cam, log));
    }
    // The refused file is left out; the unsafe name was never asked for.
    QCOMPARE(manager()->GetLogFileList(), expected);
    QVERIFY(!requested(cam, kCmdDownload).contains("../evil.txt"));
    QVERIFY(!QFileInfo::exists(m_dir->filePath("../evil.txt")));
    QVERIFY(!statuses().contains(logs.first() + "=0"));
}

void tst_MainManagerDownload::logAndMediaFilesShareOneQueue()
{
    sim::FullCamera &cam = camera();
    const QStringList media = mediaNames(cam, 2);
    const QString target = folder("media");

    manager()->AddDownLoadList({media[0]}, target);
    manager()->ReqLogIndex();
    // The name list would run into the file's data: the request waits.
    QCOMPARE(requested(cam, kCmdFindLogFile).size(), 0);
    bool added = false;
    connect(manager(), &MainManager::overDownLoad, this, [&](const QString &name) {
        if (!added && name.endsWith(QLatin1String(".txt"))) {
            added = true;
            manager()->AddDownLoadList({media[1]}, target);
        }
    });
    QVERIFY(probe().wait("LogDownLoad"));
    QVERIFY(added);
    QCOMPARE(probe().count("LogDownLoad"), 1);
    QCOMPARE(probe().count("allFileDownLoadOver"), 2);
    QCOMPARE(manager()->GetLogFileList().size(), 3);
    QCOMPARE(localBytes(target + "/" + fileName(media[1])), cameraBytes(cam, media[1]));
    QCOMPARE(probe().order({"startDownLoad", "overDownLoad", "updateFileInfo"}).last(),
             QStringLiteral("allFileDownLoadOver"));
}

void tst_MainManagerDownload::discoveryEmptiesQueueAndLists()
{
    sim::FullCamera &cam = camera();
    manager()->setReplyDeadlines(500, 800);
    manager()->ReqLogIndex();
    QVERIFY(probe().wait("LogDownLoad"));
    QCOMPARE(manager()->GetLogFileList().size(), 3);

    const QStringList media = mediaNames(cam, 3);
    // The second file's length never comes, so discovery finds it in flight.
    connect(manager(), &MainManager::overDownLoad, this,
            [&cam] { cam.setFault(kCmdFileInfo, sim::CommandFault::noAnswer()); });
    manager()->AddDownLoadList(media, folder("media"));
    QVERIFY(probe().wait("overDownLoad", 4));
    QCOMPARE(manager()->activeDownLoad().remoteName, media[1]);

    QVERIFY(m_rig->discover());
    QTRY_VERIFY(manager()->activeDownLoad().isEmpty());
    QVERIFY(!manager()->GetLoadingStatus());
    QCOMPARE(manager()->GetLogFileList(), QList<QString>());
    QCOMPARE(manager()->GetLogIndexList(), QList<QString>());
    // Past the reply deadline: the cleared file is not reported.
    QTest::qWait(1200);
    QCOMPARE(statuses().filter(media[1]), QStringList({}));
    QCOMPARE(probe().count("allFileDownLoadOver"), 0);
}

void tst_MainManagerDownload::threeMediaFilesEndToEnd()
{
    const QStringList media = mediaNames(camera(), 3);
    const QString target = folder("media");
    QList<bool> loading;
    connect(manager(), qOverload<QString, int>(&MainManager::startDownLoad), this,
            [&](const QString &, int) { loading << manager()->GetLoadingStatus(); });

    manager()->AddDownLoadList(media, target);
    QVERIFY(probe().wait("allFileDownLoadOver"));

    QCOMPARE(runStarts(), 1);
    QStringList expectedStatuses;
    QStringList expectedOvers;
    for (const QString &name : media) {
        const QString local = target + "/" + fileName(name);
        expectedStatuses << name + "=0";
        expectedOvers << name + ">" + local + "=0";
        QCOMPARE(localBytes(local), cameraBytes(camera(), name));
    }
    QCOMPARE(statuses(), expectedStatuses);
    QCOMPARE(overs(), expectedOvers);
    QCOMPARE(loading, QList<bool>({true, true, true}));
    QCOMPARE(probe().count("allFileDownLoadOver"), 1);
    QVERIFY(!manager()->GetLoadingStatus());
}

QTEST_MAIN(tst_MainManagerDownload)
#include "tst_MainManagerDownload.moc"
