// The download panel: its rows against MainManager's queue events, the
// buttons each row shows, cleaning, deleting, retrying and opening folders,
// and real downloads from the simulated camera.

#include "CameraRig.h"
#include "DiskSpace.h"
#include "DownLoadWnd.h"
#include "DownLoadWndDelegate.h"
#include "HintWnd.h"
#include "LocalPaths.h"
#include "MediaDownLoadWnd.h"
#include "MediaMessageWndEx.h"
#include "TreeItemModel.h"

#include <QCheckBox>
#include <QLineEdit>

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

constexpr quint32 kCmdDownload = 2;
constexpr quint32 kCmdFileInfo = 22;

// No account may create a file here, root included.
const QString kUnwritableFolder = QStringLiteral("/proc");

// While it lives, no file of this process grows past the limit: a write
// beyond it fails, as on a volume that fills (root is held to it too).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old = {};
    void (*m_oldHandler)(int) = nullptr;
};

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

using Buttons = QList<int>;

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

// Receives the folders the panel asks the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

// Stands for the main window: the download dialog hands its files to the
// panel through the first ancestor of this class.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    DownLoadWnd *panel = nullptr;

public slots:
    void AddDownLoadTask(QStringList files, QString folder) { panel->addDownLoadList(files, folder); }
};

class tst_DownLoadWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_rig.reset(new CameraRig);
        m_panel.reset(new DownLoadWnd);
    }

    void cleanup()
    {
        setVolumeSpaceOverride({});
        m_panel.reset();
        m_rig.reset();
        QDir::setCurrent(m_workingFolder);
        m_dir.reset();
    }

    void rowFollowsTheQueueEvents_data()
    {
        QTest::addColumn<int>("start");     // -2: no start event
        QTest::addColumn<int>("over");      // -2: no over event
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<int>("queueSize");
        const Buttons none, del{DownLoadWndDelegate::DeleteButton},
                both{DownLoadWndDelegate::DeleteButton, DownLoadWndDelegate::RetryButton};
        QTest::newRow("waiting") << -2 << -2 << "下载中，请稍候..." << -1 << del << 1;
        QTest::newRow("started") << 0 << -2 << "下载中，请稍候..." << 0 << none << 1;
        QTest::newRow("disk full") << 1 << -2 << "下载失败，磁盘空间不足" << 1 << both << 1;
        QTest::newRow("refused start") << 7 << -2 << "下载失败，未知错误" << 7 << both << 1;
        QTest::newRow("failed transfer") << 0 << 5 << "下载失败，未知错误" << 2 << both << 1;
        QTest::newRow("finished") << 0 << 0 << "" << 0 << none << 0;
    }

    void rowFollowsTheQueueEvents()
    {
        QFETCH(int, start);
        QFETCH(int, over);
        QFETCH(QString, text);
        QFETCH(int, state);
        QFETCH(Buttons, buttons);
        QFETCH(int, queueSize);

        QSignalSpy counts(m_panel.get(), &DownLoadWnd::listCountChanged);
        const QString folder = m_dir->filePath("f");
        m_panel->addDownLoadList({"/D/a.MP4", "/D/b.JPG"}, folder);
        m_panel->onSignalItemWidgetDelete(1);
        QCOMPARE(counts.takeLast().at(0).toInt(), 1);
        if (start != -2)
            m_panel->onSignalStartDownLoad("/D/a.MP4", start);
        if (over != -2)
            m_panel->onSignalOverDownLoad("/D/a.MP4", folder + "/a.MP4", over);

        QCOMPARE(m_panel->getDownLoadCount(), queueSize);
        if (queueSize == 0) {
            QCOMPARE(counts.takeLast().at(0).toInt(), 0);
            QCOMPARE(m_panel->finished().size(), 1);
            QCOMPARE(m_panel->finished().at(0).seq, 1);
            QCOMPARE(m_panel->finished().at(0).local, QDir::toNativeSeparators(folder + "/a.MP4"));
            return;
        }
        const DownLoadItem row = m_panel->queue().at(0);
        QCOMPARE(row.text, text);
        QCOMPARE(row.state, state);
        QCOMPARE(shownButtons(0), buttons);
    }

    void buttonsAnswerOnlyWhereTheyAreDrawn()
    {
        auto *delegate = m_panel->findChild<DownLoadWndDelegate *>();
        m_panel->addDownLoadList({"/D/a.MP4", "/D/b.MP4"}, "/tmp/x");
        m_panel->onSignalStartDownLoad("/D/b.MP4", 7);
        const QRect cell(0, 0, 112, 34);
        struct Case { int row; QPoint point; int button; };
        const Case cases[] = {
            {0, {90, 12}, DownLoadWndDelegate::DeleteButton},         // delete: x 81..104
            {0, {8, 12}, DownLoadWndDelegate::NoButton},              // no retry on a waiting row
            {1, {8, 12}, DownLoadWndDelegate::RetryButton},
            {1, {8, 24}, DownLoadWndDelegate::NoButton},              // retry answers 24 high
            {1, {80, 12}, DownLoadWndDelegate::NoButton},
            {2, {90, 12}, DownLoadWndDelegate::NoButton},             // no such row
        };
        for (const Case &c : cases)
            QCOMPARE(int(delegate->buttonAt(c.row, cell, c.point)), c.button);
        m_panel->onAlreadyLoadBtnClicked();
        QCOMPARE(int(delegate->buttonAt(0, cell, {8, 12})), int(DownLoadWndDelegate::NoButton));
    }

    void rowsAreKeyedByFileAndLocalFile()
    {
        m_panel->addDownLoadList({"/D/a.MP4", "/D/a.MP4"}, "/tmp/x");
        m_panel->addDownLoadList({"/D/a.MP4"}, "/tmp/x/");
        QCOMPARE(m_panel->getDownLoadCount(), 1);
        m_panel->addDownLoadList({"/D/a.MP4"}, "/tmp/y");
        QCOMPARE(m_panel->getDownLoadCount(), 2);
        // Each event applies to one row only.
        m_panel->onSignalStartDownLoad("/D/a.MP4", 0);
        QCOMPARE(m_panel->queue().at(0).state, 0);
        QCOMPARE(m_panel->queue().at(1).state, -1);
        m_panel->onSignalOverDownLoad("/D/a.MP4", "/tmp/y/a.MP4", 0);
        QCOMPARE(m_panel->getDownLoadCount(), 1);
        QCOMPARE(m_panel->queue().at(0).local, QStringLiteral("/tmp/x"));
    }

    void countersKeepCountingAcrossCleans()
    {
        m_panel->addDownLoadList({"/D/1.MP4", "/D/2.MP4", "/D/3.MP4"}, "/tmp/x");
        m_panel->onSignalStartDownLoad("/D/1.MP4", 0);
        m_panel->onSignalOverDownLoad("/D/1.MP4", "/tmp/x/1.MP4", 0);
        m_panel->onSignalStartDownLoad("/D/2.MP4", 0);
        QSignalSpy cleared(m_panel.get(), &DownLoadWnd::clearDownLoadList);
        m_panel->onCleanBtnClicked();
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(m_panel->getDownLoadCount(), 1);
        QCOMPARE(m_panel->queue().at(0).usb_file, QStringLiteral("/D/2.MP4"));
        // The row being fetched refuses deletion.
        m_panel->onSignalItemWidgetDelete(0);
        QCOMPARE(m_panel->getDownLoadCount(), 1);
        m_panel->onSignalOverDownLoad("/D/2.MP4", "/tmp/x/2.MP4", 0);
        m_panel->addDownLoadList({"/D/4.MP4"}, "/tmp/x");
        QCOMPARE(m_panel->queue().at(0).seq, 4);
        m_panel->onAlreadyLoadBtnClicked();
        QCOMPARE(m_panel->viewMode(), 1);
        QCOMPARE(m_panel->findChild<QPushButton *>("Already_Load_Btn")->isEnabled(), false);
        QCOMPARE(m_panel->finished().at(1).seq, 2);
        m_panel->onCleanBtnClicked();
        QVERIFY(m_panel->finished().isEmpty());
        m_panel->onSignalStartDownLoad("/D/4.MP4", 0);
        m_panel->onSignalOverDownLoad("/D/4.MP4", "/tmp/x/4.MP4", 0);
        QCOMPARE(m_panel->finished().at(0).seq, 3);
    }

    void openFolderAndRetryIgnoreRowsOutOfRange()
    {
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler("file", &recorder, "open");
        m_panel->addDownLoadList({"/D/1.MP4"}, m_dir->filePath("x"));
        m_panel->onSignalStartDownLoad("/D/1.MP4", 0);
        m_panel->onSignalOverDownLoad("/D/1.MP4", m_dir->filePath("x") + "/1.MP4", 0);
        m_panel->onSignalItemFileOpen(1);
        m_panel->onSignalItemFileOpen(-1);
        m_panel->onSignalItemReload(0);
        m_panel->onSignalItemFileOpen(0);
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(m_dir->filePath("x"))});
        QVERIFY(m_rig->manager()->activeDownLoad().isEmpty());
    }

    void theFileBeingFetchedStaysUntilItsOwnEnd()
    {
        QVERIFY(m_rig->discover());
        QVERIFY(m_rig->loginAs(0, "123456"));
        sim::FullCamera &camera = m_rig->camera(0);
        const QStringList files = mediaFiles(2);
        const QString folder = m_dir->filePath("视频");
        camera.holdAnswers(kCmdDownload);
        queue({files.at(0)}, folder);
        QTRY_VERIFY_WITH_TIMEOUT(camera.waitHeld(kCmdDownload, 0), CameraRig::kWaitMs);
        QTRY_VERIFY(!m_rig->manager()->activeDownLoad().isEmpty());
        QCOMPARE(m_panel->queue().at(0).state, -1);
        QVERIFY(DownLoadWnd::isBeingFetched(m_panel->queue().at(0)));
        QCOMPARE(shownButtons(0), Buttons{});
        m_panel->onSignalItemWidgetDelete(0);
        m_panel->onCleanBtnClicked();
        QCOMPARE(m_panel->getDownLoadCount(), 1);
        QCOMPARE(m_rig->manager()->activeDownLoad().remoteName, files.at(0));

        queue({files.at(1)}, folder);
        camera.release(kCmdDownload);
        QVERIFY(m_rig->probe().wait("allFileDownLoadOver", 1, 20000));
        QTRY_COMPARE(m_panel->finished().size(), 2);
        QCOMPARE(m_panel->getDownLoadCount(), 0);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(m_panel->finished().at(i).usb_file, files.at(i));
            QCOMPARE(localBytes(folder + "/" + files.at(i).section('/', -1)), cameraBytes(camera, files.at(i)));
        }
    }

    void oneFileToTwoFoldersGivesTwoCopies()
    {
        QVERIFY(m_rig->discover());
        QVERIFY(m_rig->loginAs(0, "123456"));
        const QString file = mediaFiles(1).at(0);
        queue({file}, m_dir->filePath("one"));
        queue({file}, m_dir->filePath("two"));
        QCOMPARE(m_panel->getDownLoadCount(), 2);
        QVERIFY(m_rig->probe().wait("allFileDownLoadOver", 1, 20000));
        QTRY_COMPARE(m_panel->finished().size(), 2);
        for (const char *folder : {"one", "two"})
            QCOMPARE(localBytes(m_dir->filePath(folder) + "/" + file.section('/', -1)),
                     cameraBytes(m_rig->camera(0), file));
    }

    void cameraNamesNeverLeaveTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"/D/../../evil.MP4", "../evil.MP4", ".bashrc", "/D/.evil.MP4", "a\\..\\evil.MP4",
                                 "/D/", "/D/.", "/D/ev\x01il.MP4", ""})
            QTest::newRow(name) << QString::fromUtf8(name);
    }

    void cameraNamesNeverLeaveTheFolder()
    {
        QFETCH(QString, name);
        const QString folder = m_dir->filePath("x/y");
        queue({name}, folder);
        QTRY_COMPARE(m_panel->queue().at(0).state, 2);
        QCOMPARE(m_panel->queue().at(0).text, QStringLiteral("下载失败，未知错误"));
        QVERIFY(m_rig->manager()->activeDownLoad().isEmpty());
        // Nothing was written anywhere under the temporary folder.
        QDirIterator written(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        QVERIFY(!written.hasNext());
    }

    void listTickAndDownloadEndToEnd()
    {
        QVERIFY(m_rig->discover());
        QVERIFY(m_rig->loginAs(0, "123456"));
        sim::FullCamera &camera = m_rig->camera(0);
        const QString folder = m_dir->filePath("视频");
        setLocalFilePath(folder);

        MainWindow window;
        window.resize(1216, 760);
        window.panel = m_panel.get();
        auto *holder = new QWidget(&window);
        holder->resize(1216, 760);
        auto *page = new MediaMessageWndEx(holder);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(page->model()->rowCount() == 3 && !page->hintWnd()->isVisible(), CameraRig::kWaitMs);

        // Two days of every kind: 12 files.
        TreeItemModel *model = page->model();
        model->setData(model->index(0, 0), true, Qt::CheckStateRole);
        model->setData(model->index(1, 0), true, Qt::CheckStateRole);
        const QStringList ticked = page->selection();
        QCOMPARE(ticked.size(), 12);
        auto okWith = [&](const QStringList &files) {
            page->findChild<QPushButton *>("download_btn")->click();
            MediaDownLoadWnd *dialog = page->downLoadWnd();
            QVERIFY(dialog->isVisible());
            if (!files.isEmpty())
                dialog->setFileList(files);
            dialog->findChild<QPushButton *>("Ok_btn")->click();
        };
        okWith({});
        QCOMPARE(m_panel->getDownLoadCount(), 12);
        QVERIFY(page->selection().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->finished().size(), 12, 20000);
        QCOMPARE(m_panel->getDownLoadCount(), 0);
        for (const QString &file : ticked)
            QCOMPARE(localBytes(folder + "/" + file.section('/', -1)), cameraBytes(camera, file));

        // A refused start, a transfer that breaks off and a file too large for the disk.
        const QString huge = "/mnt/sdcard/DCIM/HUGE.MP4";
        camera.edit([&](sim::camera::CameraBehaviour &behaviour) {
            behaviour.media().add({huge.toStdString(), QDateTime::currentDateTime(), QDateTime::currentDateTime(),
                                   quint64(1) << 40});
        });
        const QString last = mediaFiles(18).last();
        camera.setFault(kCmdDownload, sim::CommandFault::fail(7));
        model->setData(model->index(2, 0), true, Qt::CheckStateRole);
        okWith({last});
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->queue().value(0).state, 2, CameraRig::kWaitMs);
        camera.setFault(kCmdDownload, sim::CommandFault::failAfterStart(1));
        model->setData(model->index(2, 0), true, Qt::CheckStateRole);
        okWith({ticked.first()});
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->queue().value(1).state, 2, CameraRig::kWaitMs);
        camera.clearFaults();
        model->setData(model->index(2, 0), true, Qt::CheckStateRole);
        okWith({huge});
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->queue().value(2).state, 1, CameraRig::kWaitMs);
        QCOMPARE(m_panel->queue().at(2).text, QStringLiteral("下载失败，磁盘空间不足"));
        QCOMPARE(shownButtons(0), Buttons({DownLoadWndDelegate::DeleteButton, DownLoadWndDelegate::RetryButton}));

        m_panel->onSignalItemReload(0);
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->finished().size(), 13, CameraRig::kWaitMs);
        QCOMPARE(m_panel->finished().last().usb_file, last);
        QCOMPARE(localBytes(folder + "/" + last.section('/', -1)), cameraBytes(camera, last));
        QCOMPARE(m_panel->getDownLoadCount(), 2);
    }

    void noFileCountsAsFetchedUnlessWhole_data()
    {
        QTest::addColumn<QString>("where"); // "unwritable", "unmakeable" or "filling"
        QTest::addColumn<bool>("logRun");
        QTest::newRow("unwritable existing folder") << "unwritable" << false;
        QTest::newRow("folder that cannot be made") << "unmakeable" << false;
        QTest::newRow("disk full part-way") << "filling" << false;
        QTest::newRow("log run into an unwritable working folder") << "unwritable" << true;
        QTest::newRow("log run on a disk that fills") << "filling" << true;
    }

    void noFileCountsAsFetchedUnlessWhole()
    {
        QFETCH(QString, where);
        QFETCH(bool, logRun);
        QVERIFY(m_rig->discover());
        QVERIFY(m_rig->loginAs(0, "123456"));
        const QString file = mediaFiles(1).at(0);
        QString folder = m_dir->filePath("media");
        if (where == "unwritable") {
            folder = kUnwritableFolder;
        } else if (where == "unmakeable") {
            QFile plain(m_dir->filePath("plain"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            folder = m_dir->filePath("plain/media");
        }
        // Every camera file is larger than this.
        std::unique_ptr<FileSizeLimit> limit(where == "filling" ? new FileSizeLimit(64) : nullptr);

        if (logRun) {
            if (where == "unwritable")
                QVERIFY(QDir::setCurrent(folder));
            m_rig->manager()->ReqLogIndex();
            const char *outcome = where == "unwritable" ? "reqLogIndexResult" : "LogDownLoad";
            QVERIFY(m_rig->probe().wait(outcome, 1, 20000));
            limit.reset();
            QVERIFY(QDir::setCurrent(m_dir->path()));
            QCOMPARE(m_rig->probe().last(outcome).values, QVariantList({false}));
            QCOMPARE(m_rig->manager()->GetLogFileList(), QList<QString>());
            if (where == "unwritable")
                QVERIFY(m_rig->sent(0, kCmdDownload).isEmpty());
            QCOMPARE(filesUnder(m_dir->path()), QStringList());
            return;
        }

        queue({file}, folder);
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->queue().value(0).state, 2, CameraRig::kWaitMs);
        if (where == "filling")
            QVERIFY(m_rig->probe().wait("allFileDownLoadOver", 1, CameraRig::kWaitMs));
        limit.reset();
        QCOMPARE(m_panel->queue().at(0).text, QStringLiteral("下载失败，未知错误"));
        QVERIFY(m_panel->finished().isEmpty());
        QVERIFY(!QFileInfo::exists(folder + "/" + file.section('/', -1)));
        QCOMPARE(filesUnder(m_dir->path()), where == "unmakeable" ? QStringList({m_dir->filePath("plain")})
                                                                  : QStringList());
        // A folder that cannot take the file is refused before any request.
        QCOMPARE(m_rig->sent(0, kCmdFileInfo).isEmpty(), where != "filling");
        QVERIFY(m_rig->manager()->activeDownLoad().isEmpty());
    }

    void aFileThatFailsAgainNeverStopsTheQueue_data()
    {
        QTest::addColumn<QString>("cause"); // "space", "empty" or "silent"
        QTest::addColumn<bool>("tickedAgain");
        QTest::addColumn<int>("state");
        QTest::newRow("retry, still no space") << "space" << false << 1;
        QTest::newRow("retry of a zero-length file") << "empty" << false << 2;
        QTest::newRow("retry while the camera is silent") << "silent" << false << 2;
        QTest::newRow("ticked again for the same folder") << "space" << true << 1;
    }

    void aFileThatFailsAgainNeverStopsTheQueue()
    {
        QFETCH(QString, cause);
        QFETCH(bool, tickedAgain);
        QFETCH(int, state);
        QVERIFY(m_rig->discover());
        QVERIFY(m_rig->loginAs(0, "123456"));
        m_rig->manager()->setReplyDeadlines(500, 800);
        sim::FullCamera &camera = m_rig->camera(0);
        const QStringList files = mediaFiles(4);
        const QString room = m_dir->filePath("room");
        QString bad = files.at(0);
        QString badFolder = room;
        if (cause == "space") {
            badFolder = m_dir->filePath("full");
            setVolumeSpaceOverride([](const QString &path) {
                const qint64 bytes = path.contains(QLatin1String("/full")) ? 0 : qint64(1) << 40;
                return VolumeSpace{qint64(1) << 40, bytes};
            });
        } else if (cause == "empty") {
            bad = QStringLiteral("/mnt/sdcard/DCIM/t/EMPTY.MP4");
            camera.edit([&](sim::camera::CameraBehaviour &behaviour) {
                const QDateTime now = QDateTime::currentDateTime();
                behaviour.media().add({bad.toStdString(), now, now, 0});
            });
        } else {
            // Answers every length but that of the bad file.
            const std::string silent = bad.toStdString();
            camera.registerCommand(kCmdFileInfo, [&camera, silent](const sim::CommandRequest &request,
                                                                  sim::Outbox &out) {
                const char *field = reinterpret_cast<const char *>(request.payload);
                const std::string name(field, strnlen(field, qMin<size_t>(128, request.payloadLength)));
                if (name == silent)
                    return;
                const auto source = camera.store().file(name);
                std::vector<std::uint8_t> length(8, 0);
                for (int i = 0; i < 8 && source; ++i)
                    length[size_t(i)] = std::uint8_t(source->size() >> (8 * i));
                out.reply(kCmdFileInfo, source ? 0 : 1, source ? length : std::vector<std::uint8_t>());
            });
        }

        queue({bad}, badFolder);
        queue({files.at(1)}, room);
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->finished().size(), 1, CameraRig::kWaitMs);
        QCOMPARE(m_panel->queue().at(0).state, state);

        // Again, with another file behind it and the log page asking meanwhile.
        if (tickedAgain)
            queue({bad}, badFolder);
        else
            m_panel->onSignalItemReload(0);
        queue({files.at(2)}, room);
        m_rig->manager()->ReqLogIndex();
        QVERIFY(m_rig->probe().wait("LogDownLoad", 1, 20000));
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->finished().size(), 2, CameraRig::kWaitMs);
        QCOMPARE(m_panel->finished().at(1).usb_file, files.at(2));
        QCOMPARE(m_panel->getDownLoadCount(), 1);
        QCOMPARE(m_panel->queue().at(0).usb_file, bad);
        QCOMPARE(m_panel->queue().at(0).state, state);
        QVERIFY(m_rig->manager()->parkedDownLoad().isEmpty());

        // After a clean the next file is fetched.
        m_panel->onCleanBtnClicked();
        QCOMPARE(m_panel->getDownLoadCount(), 0);
        queue({files.at(3)}, room);
        QTRY_COMPARE_WITH_TIMEOUT(m_panel->finished().size(), 3, CameraRig::kWaitMs);
        QCOMPARE(localBytes(room + "/" + files.at(3).section('/', -1)), cameraBytes(camera, files.at(3)));
    }

private:
    Buttons shownButtons(int row) const
    {
        auto *delegate = m_panel->findChild<DownLoadWndDelegate *>();
        const QRect cell(0, 0, 112, 34);
        Buttons shown;
        for (auto button : {DownLoadWndDelegate::DeleteButton, DownLoadWndDelegate::OpenButton,
                            DownLoadWndDelegate::RetryButton})
            if (delegate->buttonAt(row, cell, DownLoadWndDelegate::buttonRect(button, cell).topLeft()) == button)
                shown << button;
        return shown;
    }

    // As the download dialog hands files over.
    void queue(const QStringList &files, const QString &folder)
    {
        m_panel->addDownLoadList(files, folder);
        m_rig->manager()->AddDownLoadList(files, folder);
    }

    QStringList mediaFiles(int count) const
    {
        QStringList files;
        for (const auto &file : m_rig->camera(0).store().fileNames())
            if (QString::fromStdString(file).contains("/DCIM/") && files.size() < count)
                files << QString::fromStdString(file);
        return files;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_workingFolder;
    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<DownLoadWnd> m_panel;
};

QTEST_MAIN(tst_DownLoadWnd)
#include "tst_DownLoadWnd.moc"
