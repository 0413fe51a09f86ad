// What the media page adds to fetching a long media list.
//
// A camera with 10,000 media files (five days of 2,000). Run A asks for the
// list page by page through MainManager with a bare receiver that copies each
// page and asks for the next, no widgets. Run B shows the media page
// offscreen until its tree is rebuilt and painted once. Both include
// MainManager's pause per reply, so B/A shows what page and tree add. Then a
// press on the check box of a day of 2,000 files, until the selection holds
// them all and the view has repainted.

#include "CameraRig.h"
#include "HintWnd.h"
#include "MainManager.h"
#include "MediaMessageWndEx.h"
#include "TreeItemDelegate.h"
#include "TreeItemModel.h"
#include "TreeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kDays = 5;
constexpr int kFilesPerDay = 2000;

std::unique_ptr<CameraRig> loggedInCamera()
{
    auto rig = std::make_unique<CameraRig>();
    if (!rig->discover() || !rig->loginAs(0, QStringLiteral("123456")))
        return nullptr;
    rig->camera(0).edit([](sim::camera::CameraBehaviour &camera) {
        camera.media().clear();
        for (int day = 0; day < kDays; ++day)
            for (int i = 0; i < kFilesPerDay; ++i) {
                const QDateTime start(QDate(2026, 11, 1).addDays(day), QTime(0, 0, 0).addSecs(i * 40));
                camera.media().add({QStringLiteral("/mnt/sdcard/DCIM/D%1/VID_%2.MP4").arg(day).arg(i, 5, 10, QLatin1Char('0')).toStdString(),
                                    start, start.addSecs(30), 1024});
            }
    });
    return rig;
}

void requestPage(MainManager *manager, bool first)
{
    MEDIA_LIST_QUERY_T query;
    std::memset(&query, 0, sizeof query);
    query.bytes[0] = first ? 1 : 0;
    qToLittleEndian<qint32>(100, query.bytes + 4);
    manager->ReqMediaInfoList(&query);
}

class BareReceiver : public QObject
{
public:
    QList<QByteArray> pages;
    bool done = false;
    bool failed = false;

    void onPage(int result, char *page)
    {
        if (result != 0 || !page) {
            failed = true;
            return;
        }
        const quint32 count = qFromLittleEndian<quint32>(page + 4);
        pages << QByteArray(page, int(16 + count * 336));
        if (qFromLittleEndian<qint32>(page + 8) == qFromLittleEndian<qint32>(page + 12))
            done = true;
        else
            requestPage(MainManager::GetInstance(), false);
    }
};

bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 120000)
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

    double runA = 0;
    {
        auto rig = loggedInCamera();
        if (!rig) {
            std::fprintf(stderr, "the camera does not log in\n");
            return 1;
        }
        BareReceiver receiver;
        QObject::connect(rig->manager(), &MainManager::updateMediaInfo, &receiver, &BareReceiver::onPage,
                         Qt::BlockingQueuedConnection);
        QElapsedTimer timer;
        timer.start();
        requestPage(rig->manager(), true);
        if (!waitUntil([&] { return receiver.done || receiver.failed; }) || receiver.failed) {
            std::fprintf(stderr, "run A did not finish\n");
            return 1;
        }
        runA = double(timer.nsecsElapsed()) / 1e6;
        std::printf("A: %d pages through MainManager, bare receiver     %8.1f ms\n", receiver.pages.size(), runA);
    }

    double runB = 0;
    double press = 0;
    {
        auto rig = loggedInCamera();
        if (!rig) {
            std::fprintf(stderr, "the camera does not log in\n");
            return 1;
        }
        QWidget area;
        area.resize(1216, 720);
        auto *holder = new QWidget(&area);
        holder->setGeometry(0, 0, 1216, 720);
        auto *page = new MediaMessageWndEx(holder);
        page->setGeometry(0, 0, 1216, 720);
        auto *view = page->findChild<TreeView *>(QStringLiteral("lwMedia"));
        QElapsedTimer timer;
        timer.start();
        area.show();
        if (!waitUntil([&] { return page->model()->rowCount() == kDays && !page->hintWnd()->isVisible(); })) {
            std::fprintf(stderr, "run B did not finish\n");
            return 1;
        }
        view->viewport()->repaint();
        runB = double(timer.nsecsElapsed()) / 1e6;
        std::printf("B: the media page until its tree is painted       %8.1f ms\n", runB);
        std::printf("B/A %.2f (goal at most 1.50)\n", runB / runA);

        const QRect box = TreeItemDelegate::checkBoxRect(view->visualRect(page->model()->index(0, 0)));
        timer.restart();
        QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
        const int selected = page->selection().size();
        view->viewport()->repaint();
        press = double(timer.nsecsElapsed()) / 1e6;
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
        std::printf("tick a day of %d files: %d selected and repainted in %.1f ms (goal under 50 ms)\n",
                    kFilesPerDay, selected, press);
    }
    return 0;
}
