#include "Walks.h"

#include "ConfigWalk.h"
#include "MediaCheck.h"
#include "Operator.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeView>

using namespace Operator;

namespace Walks {

namespace {

const QString kPassword = QStringLiteral("123456");
const QString kWrongPassword = QStringLiteral("654321");

QWidget *recognise(int expectedCameras)
{
    step(QStringLiteral("recognise the cameras"));
    QWidget *login = waitForWindow("CLoginWidget");
    auto *recognite = child<QPushButton>(login, QStringLiteral("recogniteBtn"));
    auto *again = child<QPushButton>(login, QStringLiteral("reidentifyBtn"));
    auto *list = child<QListWidget>(login, QStringLiteral("listWidget"));
    if (onScreen(recognite))
        click(recognite);
    else
        click(again);
    waitFor([&] { return onScreen(list) && list->count() > 0 && !busy(login); }, QStringLiteral("the camera list"));
    require(list->count() == expectedCameras,
            QStringLiteral("the log-in window lists %1 cameras, not %2").arg(list->count()).arg(expectedCameras));
    return login;
}

// The launcher numbers its cameras CAM0000001, CAM0000002, ... in the order
// of their profiles; the bus may list them in any order.
QString deviceIdOf(int camera)
{
    return QStringLiteral("CAM%1").arg(camera, 7, 10, QLatin1Char('0'));
}

void pickCamera(QWidget *login, int camera)
{
    auto *list = child<QListWidget>(login, QStringLiteral("listWidget"));
    QListWidgetItem *item = nullptr;
    for (int row = 0; row < list->count() && !item; ++row) {
        QWidget *shown = list->itemWidget(list->item(row));
        const QLabel *deviceId = shown ? shown->findChild<QLabel *>(QStringLiteral("devIdText")) : nullptr;
        if (deviceId && deviceId->text() == deviceIdOf(camera))
            item = list->item(row);
    }
    require(item, QStringLiteral("the log-in window does not list %1").arg(deviceIdOf(camera)));
    step(QStringLiteral("pick camera %1").arg(deviceIdOf(camera)));
    clickAt(list->viewport(), list->visualItemRect(item).center());
    auto *password = child<QLineEdit>(login, QStringLiteral("pwdInput"));
    waitFor([&] { return onScreen(password) && !busy(login); }, QStringLiteral("the password prompt"));
}

void enterPassword(QWidget *login, const QString &password)
{
    typeInto(child<QLineEdit>(login, QStringLiteral("pwdInput")), password);
    click(child<QPushButton>(login, QStringLiteral("loginBtn")));
}

QWidget *logIn(QWidget *login, int camera, bool tryWrongFirst)
{
    pickCamera(login, camera);
    if (tryWrongFirst) {
        step(QStringLiteral("log in with a wrong password"));
        enterPassword(login, kWrongPassword);
        auto *error = child<QLabel>(login, QStringLiteral("errorTxt"));
        waitFor([&] { return onScreen(error) && !busy(login); }, QStringLiteral("the log-in's verdict"));
        require(error->text() == QStringLiteral("输入的密码错误"),
                QStringLiteral("a wrong password shows \"%1\"").arg(error->text()));
    }
    step(QStringLiteral("log in"));
    enterPassword(login, kPassword);
    return waitForWindow("MainWindow");
}

void openMediaPage(QWidget *mainWindow)
{
    step(QStringLiteral("open the media page"));
    click(child<QPushButton>(mainWindow, QStringLiteral("media_btn")));
    auto *tree = child<QTreeView>(mainWindow, QStringLiteral("lwMedia"));
    waitFor([&] { return onScreen(tree) && tree->model()->rowCount() > 0 && !busy(mainWindow); },
            QStringLiteral("the media list"));
}

// Ticks files of the media tree (days hold files) and returns the camera
// paths of those ticked; all when count < 0.
QStringList tickFiles(QWidget *mainWindow, int count)
{
    auto *tree = child<QTreeView>(mainWindow, QStringLiteral("lwMedia"));
    QAbstractItemModel *model = tree->model();
    if (count < 0) {
        click(child<QAbstractButton>(mainWindow, QStringLiteral("pbCheckAll")));
    } else {
        int ticked = 0;
        for (int day = 0; day < model->rowCount() && ticked < count; ++day) {
            const QModelIndex group = model->index(day, 0);
            for (int file = 0; file < model->rowCount(group) && ticked < count; ++file, ++ticked)
                model->setData(model->index(file, 0, group), Qt::Checked, Qt::CheckStateRole);
        }
        require(ticked == count, QStringLiteral("the media list holds fewer than %1 files").arg(count));
    }
    click(child<QPushButton>(mainWindow, QStringLiteral("download_btn")));
    QWidget *dialog = mainWindow->findChild<QWidget *>(QStringLiteral("MediaDownLoadWnd"));
    waitFor([&] { return onScreen(dialog); }, QStringLiteral("the download dialog"));
    auto *files = child<QListWidget>(dialog, QStringLiteral("MediaInfo_lw"));
    QStringList paths;
    for (int row = 0; row < files->count(); ++row)
        paths << files->item(row)->text();
    require(count < 0 || paths.size() == count,
            QStringLiteral("the download dialog lists %1 files, %2 were ticked").arg(paths.size()).arg(count));
    return paths;
}

void confirmDownload(QWidget *mainWindow, const QString &folder)
{
    QWidget *dialog = mainWindow->findChild<QWidget *>(QStringLiteral("MediaDownLoadWnd"));
    typeInto(child<QLineEdit>(dialog, QStringLiteral("Path_edit")), QDir::toNativeSeparators(folder));
    click(child<QPushButton>(dialog, QStringLiteral("Ok_btn")));
    waitFor([&] { return !onScreen(dialog); }, QStringLiteral("the download dialog to close"));
}

// The download panel's rows: queued (waiting, being fetched or failed) or finished.
int panelRows(QWidget *mainWindow, bool finished)
{
    QWidget *panel = mainWindow->findChild<QWidget *>(QStringLiteral("DownLoadWnd"));
    require(panel, QStringLiteral("no download panel"));
    child<QPushButton>(panel, finished ? QStringLiteral("Already_Load_Btn") : QStringLiteral("Load_Manager_Btn"))
            ->click();
    return child<QTableWidget>(panel, QStringLiteral("ItemTable"))->rowCount();
}

void downloadTwo(QWidget *mainWindow, const Setting &setting)
{
    openMediaPage(mainWindow);
    step(QStringLiteral("download two files"));
    const QStringList paths = tickFiles(mainWindow, 2);
    const QString folder = setting.scratch + QStringLiteral("/media");
    QDir().mkpath(folder);
    confirmDownload(mainWindow, folder);
    if (!waitUntil([&] { return panelRows(mainWindow, true) == 2 && panelRows(mainWindow, false) == 0; }))
        fail(QStringLiteral("the download panel shows %1 finished and %2 queued, not 2 and 0")
                     .arg(panelRows(mainWindow, true))
                     .arg(panelRows(mainWindow, false)));
    for (const QString &path : paths) {
        const QString problem = MediaCheck::compare(path, folder);
        require(problem.isEmpty(), problem);
    }
}

void fetchLogs(QWidget *mainWindow)
{
    step(QStringLiteral("fetch the logs"));
    click(child<QPushButton>(mainWindow, QStringLiteral("logInfo_btn")));
    auto *total = child<QLabel>(mainWindow, QStringLiteral("allNumber_label"));
    waitFor([&] { return total->text().toInt() > 0 && !busy(mainWindow); }, QStringLiteral("the log lines"));
    const int all = total->text().toInt();
    step(QStringLiteral("search the logs of today"));
    click(child<QPushButton>(mainWindow, QStringLiteral("log_search_btn")));
    waitUntilIdle(mainWindow, QStringLiteral("the log search"));
    const int found = total->text().toInt();
    require(found > 0 && found < all,
            QStringLiteral("searching today's logs found %1 of %2 lines").arg(found).arg(all));
}

void changeDevice(QWidget *mainWindow)
{
    step(QStringLiteral("change the device"));
    click(child<QPushButton>(mainWindow, QStringLiteral("deviceID_btn")));
    click(child<QPushButton>(mainWindow, QStringLiteral("Dev_Change_Btn")));
    waitFor([&] { return !onScreen(mainWindow) || !window("MainWindow"); }, QStringLiteral("the main window to go"));
}

void closeMainWindow(QWidget *mainWindow)
{
    step(QStringLiteral("close the main window"));
    click(child<QPushButton>(mainWindow, QStringLiteral("close_btn")));
}

} // namespace

void fullWalk(const Setting &setting)
{
    QWidget *login = recognise(setting.cameras);
    QWidget *mainWindow = logIn(login, 1, true);
    ConfigWalk::walkConfiguration(mainWindow, true);
    downloadTwo(mainWindow, setting);
    fetchLogs(mainWindow);
    changeDevice(mainWindow);

    login = recognise(setting.cameras);
    mainWindow = logIn(login, 2, false);
    ConfigWalk::walkConfiguration(mainWindow, true);
    closeMainWindow(mainWindow);
}

void unplugWalk(const Setting &setting)
{
    QWidget *login = recognise(setting.cameras);
    QWidget *mainWindow = logIn(login, 1, false);
    openMediaPage(mainWindow);
    step(QStringLiteral("download every file while the camera is pulled out"));
    const QStringList paths = tickFiles(mainWindow, -1);
    const QString folder = setting.scratch + QStringLiteral("/media");
    QDir().mkpath(folder);
    confirmDownload(mainWindow, folder);
    // The launcher pulls the camera out part way; the queue must come to rest.
    int finished = -1;
    int queued = -1;
    waitFor(
            [&] {
                const int nowFinished = panelRows(mainWindow, true);
                const int nowQueued = panelRows(mainWindow, false);
                const bool still = nowFinished == finished && nowQueued == queued;
                finished = nowFinished;
                queued = nowQueued;
                settle(1000);
                return still;
            },
            QStringLiteral("the downloads to come to rest"));
    step(QStringLiteral("check what was reported finished"));
    require(finished < paths.size(), QStringLiteral("all %1 files were reported finished").arg(finished));
    int whole = 0;
    for (const QString &path : paths) {
        if (MediaCheck::compare(path, folder).isEmpty())
            ++whole;
    }
    require(whole == finished,
            QStringLiteral("%1 files were reported finished, %2 arrived whole").arg(finished).arg(whole));

    step(QStringLiteral("clear the queue"));
    QWidget *panel = mainWindow->findChild<QWidget *>(QStringLiteral("DownLoadWnd"));
    child<QPushButton>(panel, QStringLiteral("Load_Manager_Btn"))->click();
    child<QPushButton>(panel, QStringLiteral("Clean_Btn"))->click();
    waitFor([&] { return panelRows(mainWindow, false) == 0; }, QStringLiteral("an empty queue"));
    changeDevice(mainWindow);
    login = recognise(setting.cameras - 1);
    step(QStringLiteral("close the log-in window"));
    click(child<QPushButton>(login, QStringLiteral("closeBtn")));
}

} // namespace Walks
