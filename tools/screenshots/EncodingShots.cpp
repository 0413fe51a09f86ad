// Shots of the encoding and recording tabs: the lists of each kind of camera,
// the network-limit frame, the overlay of a refused record, and the recording
// tab with every row and both error frames.

#include "CameraConfigWnd.h"
#include "CameraRig.h"
#include "HintWnd.h"
#include "Shot.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QtEndian>

namespace {

const QSize kContainerSize(1261, 802);

void settle(ShotContext &context, int ms)
{
    QElapsedTimer timer;
    timer.start();
    context.waitFor([&] { return timer.elapsed() >= ms; }, QStringLiteral("the page"));
}

CameraConfigWnd *containerOn(ShotContext &context, int tab)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("encoding shots: the log-in to the simulated camera failed");
    auto *container = context.keep(new CameraConfigWnd);
    container->resize(kContainerSize);
    container->show();
    container->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(tab);
    settle(context, 300);
    return container;
}

QWidget *encodingShot(ShotContext &context)
{
    return containerOn(context, CameraConfigWnd::kEncodingTab);
}

QWidget *clickSave(ShotContext &context, CameraConfigWnd *container, int tab)
{
    QWidget *page = container->pageAt(tab);
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    settle(context, 300);
    return container;
}

} // namespace

VANTREL_SHOT(encoding_g3_12, {"G3-12"}, encodingShot);
VANTREL_SHOT(encoding_g3_3, {"G3-3"}, encodingShot);
VANTREL_SHOT(encoding_g3_5, {"G3-5"}, encodingShot);
VANTREL_SHOT(encoding_g2, {"G2"}, encodingShot);

VANTREL_SHOT(encoding_network_limit, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    CameraConfigWnd *container = containerOn(context, CameraConfigWnd::kEncodingTab);
    QWidget *page = container->pageAt(CameraConfigWnd::kEncodingTab);
    page->findChild<QComboBox *>(QStringLiteral("record_combo"))->setCurrentText(QStringLiteral("D1@30"));
    page->findChild<QComboBox *>(QStringLiteral("netstream_combo"))->setCurrentText(QStringLiteral("720p@30"));
    return clickSave(context, container, CameraConfigWnd::kEncodingTab);
});

// A network bit rate outside the list is written as 0, which the camera refuses.
VANTREL_SHOT(encoding_refused_overlay, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    context.cameras().camera(0).edit([](sim::camera::CameraBehaviour &behaviour) {
        auto record = behaviour.parameters().videoV3(1);
        record.at(20) = 1; // a bit rate no item shows
        behaviour.parameters().setVideoV3(1, record);
    });
    CameraConfigWnd *container = containerOn(context, CameraConfigWnd::kEncodingTab);
    return clickSave(context, container, CameraConfigWnd::kEncodingTab);
});

VANTREL_SHOT(recording_g3_12, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    CameraConfigWnd *container = containerOn(context, CameraConfigWnd::kRecordingTab);
    settle(context, 500); // the extended record follows the system record
    QWidget *page = container->pageAt(CameraConfigWnd::kRecordingTab);
    page->findChild<QComboBox *>(QStringLiteral("comboBox_code"))->setCurrentText(QStringLiteral("H.265"));
    page->findChild<QComboBox *>(QStringLiteral("comboBox_format"))->setCurrentText(QStringLiteral("MP4"));
    return clickSave(context, container, CameraConfigWnd::kRecordingTab);
});

VANTREL_SHOT(recording_model_6, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    context.cameras().camera(0).edit([](sim::camera::CameraBehaviour &behaviour) {
        auto code = behaviour.parameters().record("DEV_CODE_PARA_T");
        code.at(260) = 6;
        behaviour.parameters().setRecord("DEV_CODE_PARA_T", code);
    });
    return containerOn(context, CameraConfigWnd::kRecordingTab);
});
