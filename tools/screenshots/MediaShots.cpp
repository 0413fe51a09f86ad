// Shots of the media page (a listed day tree, the calendar pop-up, its
// overlays and its inline error rows), the download dialog and the download
// panel.

#include "CameraRig.h"
#include "DownLoadWnd.h"
#include "HintWnd.h"
#include "LocalPaths.h"
#include "MainManager.h"
#include "MediaDownLoadWnd.h"
#include "MediaMessageWndEx.h"
#include "NamedProfiles.h"
#include "Shot.h"
#include "TreeItemModel.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QListWidget>
#include <QTest>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// The page inside a stand-in for the main window's page area, on a logged-in
// simulated camera with a few more files, one of them marked important.
MediaMessageWndEx *mediaPage(ShotContext &context, QWidget **area, bool holdListing = false)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("media page: the camera does not log in");
    cameras.camera(0).edit([](sim::camera::CameraBehaviour &camera) {
        const QDate today = QDate::currentDate();
        camera.media().add({"/mnt/sdcard/DCIM/IMP_20240101_0930.MP4", QDateTime(today, QTime(11, 30, 0)),
                            QDateTime(today, QTime(11, 40, 0)), 4096});
        camera.media().add({"/mnt/sdcard/DCIM/notes.txt", QDateTime(today, QTime(12, 5, 0)),
                            QDateTime(today, QTime(12, 5, 0)), 100});
    });
    if (holdListing)
        cameras.camera(0).holdAnswers(36);
    *area = context.keep(new QWidget);
    (*area)->resize(1216, 720);
    auto *holder = new QWidget(*area);
    holder->setGeometry(0, 0, 1216, 720);
    auto *page = new MediaMessageWndEx(holder);
    page->setGeometry(0, 0, 1216, 720);
    (*area)->show();
    return page;
}

MediaMessageWndEx *listedPage(ShotContext &context, QWidget **area)
{
    MediaMessageWndEx *page = mediaPage(context, area);
    context.waitFor([page] { return !page->hintWnd()->isVisible() && page->model()->rowCount() > 0; },
                    QStringLiteral("the media list"));
    return page;
}

} // namespace

VANTREL_SHOT(media_tree, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    QWidget *area = nullptr;
    MediaMessageWndEx *page = listedPage(context, &area);
    TreeItemModel *model = page->model();
    const QModelIndex firstDay = model->index(0, 0);
    model->setData(model->index(1, 0, firstDay), true, Qt::CheckStateRole);
    model->setData(model->index(3, 0, firstDay), true, Qt::CheckStateRole);
    if (model->rowCount() > 1)
        model->setData(model->index(1, 0), true, Qt::CheckStateRole);
    return area;
});

VANTREL_SHOT(media_calendar, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    QWidget *area = nullptr;
    MediaMessageWndEx *page = listedPage(context, &area);
    auto *edit = page->findChild<QDateTimeEdit *>(QStringLiteral("start_date"));
    // A press on the edit's arrow opens the pop-up as the operator would.
    const QPoint arrow(edit->width() - 6, edit->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, arrow, edit->mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &press);
    QWidget *popup = edit->calendarWidget()->window();
    context.waitFor([popup] { return popup->isVisible(); }, QStringLiteral("the calendar pop-up"));
    return popup;
});

VANTREL_SHOT(media_retrieving, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    QWidget *area = nullptr;
    MediaMessageWndEx *page = mediaPage(context, &area, true);
    if (!context.cameras().camera(0).waitHeld(36, CameraRig::kWaitMs))
        throw ShotFailure("media page: no list request");
    return page;
});

VANTREL_SHOT(media_nothing_matches, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    QWidget *area = nullptr;
    MediaMessageWndEx *page = listedPage(context, &area);
    page->findChild<QDateTimeEdit *>(QStringLiteral("start_date"))->setDateTime(QDateTime(QDate(2015, 1, 1), QTime()));
    page->findChild<QDateTimeEdit *>(QStringLiteral("end_date"))->setDateTime(QDateTime(QDate(2015, 1, 2), QTime()));
    page->findChild<QPushButton *>(QStringLiteral("search_btn"))->click();
    return page;
});

VANTREL_SHOT(media_errors, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    QWidget *area = nullptr;
    MediaMessageWndEx *page = listedPage(context, &area);
    auto *start = page->findChild<QDateTimeEdit *>(QStringLiteral("start_date"));
    start->setDateTime(start->dateTime().addDays(1));
    page->findChild<QPushButton *>(QStringLiteral("search_btn"))->click();
    page->findChild<QPushButton *>(QStringLiteral("download_btn"))->click();
    return page;
});

namespace {

const QStringList kSampleFiles{
        QStringLiteral("/mnt/sdcard/DCIM/20261210/VID_20261210_081500.MP4"),
        QStringLiteral("/mnt/sdcard/DCIM/20261210/PIC_20261210_090200.JPG"),
        QStringLiteral("/mnt/sdcard/DCIM/20261210/AUD_20261210_102000.WAV"),
        QStringLiteral("/mnt/sdcard/DCIM/20261210/IMP_VID_20261210_120000_a_very_long_name_of_a_recording_that_"
                       "does_not_fit_in_its_row_at_all_and_keeps_going.MP4"),
        QStringLiteral("/mnt/sdcard/DCIM/20261210/AUD_20261210_170500.AAC"),
};

} // namespace

VANTREL_SHOT(download_dialog, {}, [](ShotContext &context) -> QWidget * {
    setLocalFilePath(QStringLiteral("/home/operator/Downloads"));
    auto *dialog = context.keep(new MediaDownLoadWnd);
    dialog->resize(971, 739);
    dialog->show();
    dialog->setFileList(kSampleFiles);
    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("MediaInfo_lw"));
    // The pointer rests on the long name: its row is hovered and shows its tooltip.
    const QRect row = list->visualItemRect(list->item(3));
    QTest::mouseMove(list->viewport(), row.center());
    QMouseEvent move(QEvent::MouseMove, row.center(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &move);
    return dialog;
});

static QWidget *panelShot(ShotContext &context, bool finished)
{
    auto *panel = context.keep(new DownLoadWnd);
    const QString folder = QStringLiteral("/home/operator/Downloads");
    panel->addDownLoadList(kSampleFiles, folder);
    if (finished) {
        for (const QString &file : kSampleFiles) {
            panel->onSignalStartDownLoad(file, 0);
            panel->onSignalOverDownLoad(file, MainManager::localPathFor(file, folder), 0);
        }
        panel->onAlreadyLoadBtnClicked();
    } else {
        panel->onSignalStartDownLoad(kSampleFiles.at(0), 0);
        panel->onSignalStartDownLoad(kSampleFiles.at(1), 1);
        panel->onSignalStartDownLoad(kSampleFiles.at(2), 2);
    }
    panel->show();
    return panel;
}

VANTREL_SHOT(download_panel_queue, {}, [](ShotContext &context) { return panelShot(context, false); });
VANTREL_SHOT(download_panel_finished, {}, [](ShotContext &context) { return panelShot(context, true); });
