// What the download dialog, panel and queue add to fetching many files.
//
// 1,000 files of 64 KiB on the simulated camera, one run each. A: the plain
// exports in the queue's order (GetFileInfo, DownLoadFile, wait for reply 3)
// with a callback that sleeps MainManager's pause per message. B: the
// dialog's OK through panel and queue until the queue has drained, the panel
// shown. Equal pacing, so B/A throughput shows what queue, signals and panel
// add.

#include "CameraRig.h"
#include "DownLoadWnd.h"
#include "LocalPaths.h"
#include "MainManager.h"
#include "MediaDownLoadWnd.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>

namespace {

constexpr int kFiles = 1000;
constexpr quint64 kSize = 64 * 1024;
constexpr int kPauseMs = 20;

QStringList cameraFiles()
{
    QStringList files;
    for (int i = 0; i < kFiles; ++i)
        files << QStringLiteral("/mnt/sdcard/DCIM/20261101/VID_%1.MP4").arg(i, 5, 10, QLatin1Char('0'));
    return files;
}

std::unique_ptr<CameraRig> loggedInCamera()
{
    auto rig = std::make_unique<CameraRig>();
    if (!rig->discover() || !rig->loginAs(0, QStringLiteral("123456")))
        return nullptr;
    rig->camera(0).edit([](sim::camera::CameraBehaviour &camera) {
        camera.media().clear();
        const QStringList files = cameraFiles();
        for (int i = 0; i < files.size(); ++i) {
            const QDateTime start(QDate(2026, 11, 1), QTime(0, 0, 0).addSecs(i * 20));
            camera.media().add({files.at(i).toStdString(), start, start.addSecs(10), kSize});
        }
    });
    return rig;
}

struct EndWaiter
{
    std::mutex mutex;
    std::condition_variable changed;
    int ends = 0;

    static void TESSVAR_CALL callback(int, int cmd, int, const void *, int, void *user)
    {
        auto *waiter = static_cast<EndWaiter *>(user);
        QThread::msleep(kPauseMs);
        if (cmd == 3) {
            std::lock_guard<std::mutex> lock(waiter->mutex);
            ++waiter->ends;
            waiter->changed.notify_all();
        }
    }

    bool waitFor(int count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(30), [&] { return ends >= count; });
    }
};

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QStringList files = cameraFiles();

    double rateA = 0;
    {
        auto rig = loggedInCamera();
        if (!rig) {
            std::fprintf(stderr, "the camera does not log in\n");
            return 1;
        }
        EndWaiter waiter;
        SetMsgCallBack(&EndWaiter::callback, &waiter);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < files.size(); ++i) {
            char name[128] = {};
            const QByteArray remote = files.at(i).toUtf8();
            std::memcpy(name, remote.constData(), size_t(remote.size()));
            const QByteArray local = QFile::encodeName(folder.filePath(QStringLiteral("A_%1").arg(i)));
            if (GetFileInfo(0, name) != 0 || DownLoadFile(0, name, 0, local.constData()) != 0
                || !waiter.waitFor(i + 1)) {
                std::fprintf(stderr, "run A stopped at file %d\n", i);
                return 1;
            }
        }
        rateA = files.size() / (double(timer.nsecsElapsed()) / 1e9);
        std::printf("A: plain exports, paced callback          %7.1f files/s\n", rateA);
    }

    double rateB = 0;
    {
        auto rig = loggedInCamera();
        if (!rig) {
            std::fprintf(stderr, "the camera does not log in\n");
            return 1;
        }
        const QString target = folder.filePath(QStringLiteral("B"));
        setLocalFilePath(target);
        DownLoadWnd panel;
        panel.show();
        MediaDownLoadWnd dialog;
        dialog.show();
        dialog.setFileList(files);
        QObject::connect(&dialog, &MediaDownLoadWnd::widgetClosed, &panel,
                         [&] { panel.addDownLoadList(files, target); });
        QElapsedTimer timer;
        timer.start();
        dialog.findChild<QPushButton *>(QStringLiteral("Ok_btn"))->click();
        if (!waitUntil([&] { return panel.finished().size() + panel.getDownLoadCount() == kFiles
                                    && panel.getDownLoadCount() == 0; },
                       600000)) {
            std::fprintf(stderr, "run B did not drain: %d finished\n", int(panel.finished().size()));
            return 1;
        }
        rateB = files.size() / (double(timer.nsecsElapsed()) / 1e9);
        std::printf("B: dialog, panel and queue, panel shown   %7.1f files/s\n", rateB);
    }
    std::printf("B/A throughput %.2f (goal at least 0.80)\n", rateB / rateA);
    return 0;
}
