// The receive dispatch fed directly with packets as a reader thread would
// hand them over: exact-size buffers, so that any read past what was
// received shows under the sanitizers.

#include "ReportRecorder.h"
#include "FileIdxItem.h"
#include "IndexFiles.h"
#include "LibraryContext.h"
#include "ProtocolCode.h"
#include "ReceiveDispatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

void putU32(QByteArray &bytes, int at, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes[at++] = static_cast<char>(value >> shift);
}

QByteArray reply(int command, int result, const QByteArray &payload = {})
{
    QByteArray packet(20, '\0');
    putU32(packet, 0, static_cast<quint32>(20 + payload.size()));
    putU32(packet, 8, 1);
    putU32(packet, 12, static_cast<quint32>(command));
    packet[18] = static_cast<char>(result);
    return packet + payload;
}

QByteArray dataPacket(const QByteArray &data, qint64 announced = -1)
{
    QByteArray packet(12, '\0');
    putU32(packet, 0, static_cast<quint32>(announced < 0 ? 12 + data.size() : announced));
    return packet + data;
}

QByteArray name128(const QByteArray &name)
{
    QByteArray entry = name.left(128);
    entry.append(QByteArray(128 - entry.size(), '\0'));
    return entry;
}

QByteArray indexItem(const QByteArray &name, char timeFill)
{
    QByteArray item(sizeof(FILE_IDX_ITEM), '\0');
    item.replace(8, name.size(), name);
    item.replace(264, 56, QByteArray(56, timeFill));
    return item;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// What the callback of an end-of-transfer reply finds when it runs.
struct TransferEndSeen
{
    QString path;
    const LibraryContext *context = nullptr;
    bool called = false;
    bool fileClosed = false;
    QByteArray contents;
};

void inspectTransferEnd(int device, int command, int, const void *, int, void *user)
{
    auto *seen = static_cast<TransferEndSeen *>(user);
    if (command != CMD_TRANSFER_END)
        return;
    seen->called = true;
    seen->fileClosed = !seen->context->sessions.at(device).file;
    seen->contents = readFile(seen->path);
}

int openDescriptors()
{
    return static_cast<int>(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size());
}

} // namespace

class tst_ReceiveDispatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void bareReplyGivesNullPayload();
    void malformedPacketsAreDropped_data();
    void malformedPacketsAreDropped();
    void fileDataNeverExceedsWhatArrived_data();
    void fileDataNeverExceedsWhatArrived();
    void transferEndClosesFileBeforeCallback_data();
    void transferEndClosesFileBeforeCallback();
    void unsolicitedRepliesKeepStateSound();
    void transferEndsOnlyWithItsOwnRepliesAndReportsALostFile_data();
    void transferEndsOnlyWithItsOwnRepliesAndReportsALostFile();
    void nameCountFollowsWhatArrived_data();
    void nameCountFollowsWhatArrived();
    void logNameWithoutNulIsTerminatedCopy();
    void replacingSessionsClosesTheOpenFile();
    void parseIndexFileReportsWholeItems();
    void indexFileShorterThanHeadGivesNothing();
    void localPathForIndexFile_data();
    void localPathForIndexFile();
    void makeDirsCreatesEachLevel();

private:
    void receive(const QByteArray &packet, int device = 0);
    void request(const QString &path);
    void startDownload(const QString &path);

    QTemporaryDir folder_;
    LibraryContext context_;
    ReportRecorder *recorder_ = nullptr;
};

void tst_ReceiveDispatch::initTestCase()
{
    QVERIFY(folder_.isValid());
    QVERIFY(QDir::setCurrent(folder_.path()));
}

void tst_ReceiveDispatch::init()
{
    context_.indexList.clear();
    context_.resetSessions(2);
    recorder_ = new ReportRecorder;
    recorder_->install(context_);
}

void tst_ReceiveDispatch::cleanup()
{
    delete recorder_;
    recorder_ = nullptr;
    context_.sessions.clear();
}

void tst_ReceiveDispatch::receive(const QByteArray &packet, int device)
{
    // A heap block of exactly the received size, so an over-read is caught.
    std::vector<unsigned char> buffer(packet.begin(), packet.end());
    ReceiveDispatch::OnReceive(device, buffer.empty() ? nullptr : buffer.data(),
                               static_cast<int>(buffer.size()), &context_);
}

void tst_ReceiveDispatch::startDownload(const QString &path)
{
    request(path);
    receive(reply(CMD_DOWNLOAD, 0));
    QVERIFY(context_.session(0)->file);
}

void tst_ReceiveDispatch::request(const QString &path)
{
    // What RequestDownload leaves behind once its packet is written.
    DevSession &session = *context_.session(0);
    const QByteArray local = QFile::encodeName(path);
    std::memset(session.localPath, 0, sizeof session.localPath);
    std::memcpy(session.localPath, local.constData(), static_cast<size_t>(local.size()));
    session.requested = 1;
}

void tst_ReceiveDispatch::bareReplyGivesNullPayload()
{
    receive(reply(14, 0));
    receive(reply(15, 7, "abc"));
    const auto calls = recorder_->reports();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].command, 14);
    QVERIFY(calls[0].nullPayload);
    QCOMPARE(calls[0].length, 0);
    QCOMPARE(calls[1].result, 7);
    QCOMPARE(calls[1].payload, QByteArray("abc"));
}

void tst_ReceiveDispatch::malformedPacketsAreDropped_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<int>("device");

    QByteArray announcedTooShort = reply(14, 0, "xyz");
    putU32(announcedTooShort, 0, 8);
    QByteArray replyAnnouncedBelowItsHead = reply(14, 0);
    putU32(replyAnnouncedBelowItsHead, 0, 16);
    QByteArray unknownType = reply(14, 0);
    putU32(unknownType, 8, 39);

    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("shorter than a packet head") << QByteArray(11, '\1') << 0;
    QTest::newRow("length field below the packet head") << announcedTooShort << 0;
    QTest::newRow("reply length field below its head") << replyAnnouncedBelowItsHead << 0;
    QTest::newRow("reply shorter than its head") << reply(14, 0).left(19) << 0;
    QTest::newRow("unknown type") << unknownType << 0;
    QTest::newRow("reply from an index without session") << reply(14, 0) << 5;
    QTest::newRow("data from an index without session") << dataPacket("abc") << 5;
    QTest::newRow("data length field below the packet head") << dataPacket("abc", 4) << 0;
}

void tst_ReceiveDispatch::malformedPacketsAreDropped()
{
    QFETCH(QByteArray, packet);
    QFETCH(int, device);
    receive(packet, device);
    QVERIFY(recorder_->reports().isEmpty());
    QCOMPARE(context_.session(0)->transferOpen, quint8(0));
}

void tst_ReceiveDispatch::fileDataNeverExceedsWhatArrived_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("as announced") << QByteArray("0123456789") << qint64(22) << QByteArray("0123456789");
    QTest::newRow("announced above what arrived") << QByteArray("0123") << qint64(4096)
                                                  << QByteArray("0123");
    QTest::newRow("announced below what arrived") << QByteArray("0123456789") << qint64(15)
                                                  << QByteArray("012");
    QTest::newRow("bare head") << QByteArray() << qint64(12) << QByteArray();
}

void tst_ReceiveDispatch::fileDataNeverExceedsWhatArrived()
{
    QFETCH(QByteArray, data);
    QFETCH(qint64, announced);
    QFETCH(QByteArray, written);
    const QString path = folder_.filePath("data.bin");
    startDownload(path);
    receive(dataPacket(data, announced));
    receive(reply(CMD_TRANSFER_END, 0));
    QCOMPARE(readFile(path), written);
    QVERIFY(!context_.session(0)->file);
}

void tst_ReceiveDispatch::transferEndClosesFileBeforeCallback_data()
{
    QTest::addColumn<int>("result");
    QTest::newRow("transfer complete") << 0;
    QTest::newRow("transfer failed") << 5;
}

// Whoever is told of the end may read the file at once, so it must be whole
// and closed by then, and the transfer over whatever the camera reported.
void tst_ReceiveDispatch::transferEndClosesFileBeforeCallback()
{
    QFETCH(int, result);
    TransferEndSeen seen;
    seen.path = folder_.filePath("end.bin");
    seen.context = &context_;
    startDownload(seen.path);
    receive(dataPacket("payload bytes"));
    context_.setCallback(&inspectTransferEnd, &seen);
    receive(reply(CMD_TRANSFER_END, result));

    QVERIFY(seen.called);
    QVERIFY(seen.fileClosed);
    QCOMPARE(seen.contents, QByteArray("payload bytes"));
    const DevSession &session = *context_.session(0);
    QCOMPARE(session.transferOpen, quint8(0));
    QCOMPARE(session.localPath[0], '\0');
}

void tst_ReceiveDispatch::unsolicitedRepliesKeepStateSound()
{
    // No request was made: the local path is empty, so nothing can be opened.
    receive(reply(CMD_DOWNLOAD, 0));
    receive(dataPacket("stray"));
    QVERIFY(!context_.session(0)->file);
    receive(reply(CMD_TRANSFER_END, 1));
    receive(reply(CMD_TRANSFER_END, 0));
    const DevSession &session = *context_.session(0);
    QCOMPARE(session.transferOpen, quint8(0));
    QCOMPARE(session.indexMode, int(INDEX_IDLE));
    QCOMPARE(recorder_->commands(), (QList<int>{CMD_DOWNLOAD, CMD_TRANSFER_END, CMD_TRANSFER_END}));
}

void tst_ReceiveDispatch::transferEndsOnlyWithItsOwnRepliesAndReportsALostFile_data()
{
    QTest::addColumn<QString>("local");           // relative to the test folder, or absolute
    QTest::addColumn<QList<QByteArray>>("packets"); // what the camera sends after the request
    QTest::addColumn<QList<int>>("results");      // the results of replies 2 and 3 as reported
    QTest::addColumn<QByteArray>("written");      // null: not looked at

    const QByteArray accept = reply(CMD_DOWNLOAD, 0);
    const QByteArray end = reply(CMD_TRANSFER_END, 0);
    const int lost = TESSVAR_RESULT_LOCAL_FILE;
    QTest::newRow("whole file") << "whole.bin" << QList<QByteArray>{accept, dataPacket("abc"), end}
                                << QList<int>{0, 0} << QByteArray("abc");
    QTest::newRow("stray end before the answer")
        << "stray.bin" << QList<QByteArray>{end, accept, dataPacket("abc"), end} << QList<int>{0, 0, 0}
        << QByteArray("abc");
    QTest::newRow("repeated acceptance keeps the data")
        << "twice.bin" << QList<QByteArray>{accept, dataPacket("abc"), accept, dataPacket("def"), end}
        << QList<int>{0, 0, 0} << QByteArray("abcdef");
    QTest::newRow("refused, then its end") << "refused.bin"
                                           << QList<QByteArray>{reply(CMD_DOWNLOAD, 1), dataPacket("abc"), end}
                                           << QList<int>{1, 0} << QByteArray("<missing>");
    QTest::newRow("local file cannot be opened")
        << "no/such/folder/x.bin" << QList<QByteArray>{accept, dataPacket("abc"), end} << QList<int>{lost, lost}
        << QByteArray("<missing>");
    QTest::newRow("disk full") << "/dev/full" << QList<QByteArray>{accept, dataPacket("abc"), end}
                               << QList<int>{0, lost} << QByteArray();
    QTest::newRow("disk full, camera's own failure kept")
        << "/dev/full" << QList<QByteArray>{accept, dataPacket("abc"), reply(CMD_TRANSFER_END, 5)}
        << QList<int>{0, 5} << QByteArray();
}

// Whoever is told of a transfer's end may take the file for the camera's
// only when it is whole, and a reply that no request awaits must not end or
// restart the transfer under way.
void tst_ReceiveDispatch::transferEndsOnlyWithItsOwnRepliesAndReportsALostFile()
{
    QFETCH(QString, local);
    QFETCH(QList<QByteArray>, packets);
    QFETCH(QList<int>, results);
    QFETCH(QByteArray, written);
    const QString path = QDir::isAbsolutePath(local) ? local : folder_.filePath(local);
    request(path);
    for (const QByteArray &packet : packets)
        receive(packet);

    QList<int> reported;
    for (const ReportRecorder::Report &report : recorder_->reports())
        reported << report.result;
    QCOMPARE(reported, results);
    if (!written.isNull())
        QCOMPARE(readFile(path), written);
    const DevSession &session = *context_.session(0);
    QCOMPARE(session.transferOpen, quint8(0));
    QCOMPARE(session.requested, quint8(0));
    QVERIFY(!session.file);
    QCOMPARE(session.localPath[0], '\0');
}

void tst_ReceiveDispatch::nameCountFollowsWhatArrived_data()
{
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<int>("names");

    QTest::newRow("300 bytes hold two names") << 300 << qint64(12 + 300) << 2;
    QTest::newRow("announced above what arrived") << 256 << qint64(12 + 1280) << 2;
    QTest::newRow("announced below what arrived") << 384 << qint64(12 + 128) << 1;
    QTest::newRow("empty list") << 0 << qint64(12) << 0;
}

void tst_ReceiveDispatch::nameCountFollowsWhatArrived()
{
    QFETCH(int, dataBytes);
    QFETCH(qint64, announced);
    QFETCH(int, names);
    QByteArray list;
    for (int at = 0; at < dataBytes; ++at)
        list.append(static_cast<char>('a' + at % 128 % 26));
    receive(reply(CMD_FIND_LOG_FILE, 0));
    receive(dataPacket(list, announced));
    QCOMPARE(context_.indexList.size(), size_t(names));
    QList<int> expected{CMD_FIND_LOG_FILE};
    for (int at = 0; at < names; ++at)
        expected.append(REPORT_LOG_NAME);
    expected.append(REPORT_LOG_LIST_OVER);
    QCOMPARE(recorder_->commands(), expected);
    QCOMPARE(context_.session(0)->logList, quint8(0));
}

void tst_ReceiveDispatch::logNameWithoutNulIsTerminatedCopy()
{
    const QByteArray full(128, 'n');
    receive(reply(CMD_FIND_LOG_FILE, 0));
    receive(dataPacket(full + name128("second.txt")));
    const auto calls = recorder_->reports();
    QCOMPARE(calls.size(), 4);
    QCOMPARE(calls[1].command, int(REPORT_LOG_NAME));
    QCOMPARE(calls[1].length, 128);
    QCOMPARE(calls[1].payload, full);
    QCOMPARE(calls[2].payload, name128("second.txt"));
    QCOMPARE(QByteArray(context_.indexList[0].remoteName), full);
}

void tst_ReceiveDispatch::replacingSessionsClosesTheOpenFile()
{
    const int before = openDescriptors();
    startDownload(folder_.filePath("interrupted.bin"));
    receive(dataPacket("partial"));
    QCOMPARE(openDescriptors(), before + 1);
    context_.resetSessions(2);
    QCOMPARE(openDescriptors(), before);
    QCOMPARE(readFile(folder_.filePath("interrupted.bin")), QByteArray("partial"));
}

void tst_ReceiveDispatch::parseIndexFileReportsWholeItems()
{
    const QString path = folder_.filePath("two-and-a-half.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("HEAD");
    file.write(indexItem("DCIM/first.mp4", '\1'));
    file.write(indexItem("", '\2'));
    file.write(indexItem(QByteArray(128, 'x'), '\3'));
    file.write(indexItem("DCIM/half.mp4", '\4').left(168));
    file.close();

    QCOMPARE(IndexFiles::ParseIndexFile(context_, 1, path.toLocal8Bit().constData()), 0);
    const auto calls = recorder_->reports();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].deviceIndex, 1);
    QCOMPARE(calls[0].command, int(REPORT_INDEX_RECORD));
    QCOMPARE(calls[0].length, 188);
    QCOMPARE(calls[0].payload, name128("DCIM/first.mp4") + QByteArray(56, '\1') + QByteArray(4, '\0'));
    QCOMPARE(calls[1].payload, QByteArray(128, 'x') + QByteArray(56, '\3') + QByteArray(4, '\0'));
}

void tst_ReceiveDispatch::indexFileShorterThanHeadGivesNothing()
{
    const QString path = folder_.filePath("short.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("HEA");
    file.close();
    QCOMPARE(IndexFiles::ParseIndexFile(context_, 0, path.toLocal8Bit().constData()), -1);
    QCOMPARE(IndexFiles::ParseIndexFile(context_, 0, "missing.bin"), -1);
    QVERIFY(recorder_->reports().isEmpty());
}

void tst_ReceiveDispatch::localPathForIndexFile_data()
{
    QTest::addColumn<QByteArray>("remote");
    QTest::addColumn<QString>("local");
    QTest::newRow("backslashes") << QByteArray("a\\b\\c.bin") << "indexfile/c.bin";
    QTest::newRow("slashes") << QByteArray("a/b/c.bin") << "indexfile/c.bin";
    QTest::newRow("mixed") << QByteArray("a/b\\c.bin") << "indexfile/c.bin";
    QTest::newRow("no folder") << QByteArray("c.bin") << "indexfile/c.bin";
}

void tst_ReceiveDispatch::localPathForIndexFile()
{
    QFETCH(QByteArray, remote);
    QFETCH(QString, local);
    QCOMPARE(QString::fromStdString(IndexFiles::LocalPathFor(remote.constData())), local);
}

void tst_ReceiveDispatch::makeDirsCreatesEachLevel()
{
    const QString deep = folder_.filePath("one/two/three");
    QVERIFY(IndexFiles::MakeDirs(deep.toStdString()));
    QVERIFY(QDir(deep).exists());
    QVERIFY(IndexFiles::MakeDirs("relative/level/"));
    QVERIFY(QDir("relative/level").exists());
    QFile blocker(folder_.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!IndexFiles::MakeDirs(folder_.filePath("blocker/below").toStdString()));
}

QTEST_GUILESS_MAIN(tst_ReceiveDispatch)
#include "tst_ReceiveDispatch.moc"
