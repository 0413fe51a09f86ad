// Shots of the camera configuration: the container's tabs on a classic
// third-generation camera and on a second-generation one, the OSD lines in
// Chinese, the 4-megapixel photo list, both packing groups and a toast; on a
// JSON camera the encoding and recording forms and the camera's refusal.

#include "CameraConfigWnd.h"
#include "CameraRig.h"
#include "HintWnd.h"
#include "JsonFormPage.h"
#include "LocalText.h"
#include "PopupWidget.h"
#include "Shot.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTabWidget>
#include <QtEndian>

namespace {

const QSize kContainerSize(1261, 802);

// Changes what the first camera holds before the log-in reads it.
void setRecord(ShotContext &context, const char *name, const QByteArray &bytes)
{
    context.cameras().camera(0).edit([&](sim::camera::CameraBehaviour &behaviour) {
        behaviour.parameters().setRecord(name, sim::camera::le::Bytes(bytes.begin(), bytes.end()));
    });
}

void setCodeByte(ShotContext &context, int offset, quint8 value)
{
    context.cameras().camera(0).edit([&](sim::camera::CameraBehaviour &behaviour) {
        auto code = behaviour.parameters().record("DEV_CODE_PARA_T");
        code.at(std::size_t(offset)) = value;
        behaviour.parameters().setRecord("DEV_CODE_PARA_T", code);
    });
}

void logIn(ShotContext &context)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("camera shots: the log-in to the simulated camera failed");
}

// The container on the tab; waits for the tab page's reply when it has one.
CameraConfigWnd *containerOn(ShotContext &context, int tab, const char *reply = nullptr)
{
    CameraRig &cameras = context.cameras();
    const int before = reply ? cameras.probe().count(reply) : 0;
    auto *container = context.keep(new CameraConfigWnd);
    container->resize(kContainerSize);
    container->show();
    container->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(tab);
    if (reply)
        context.waitFor([&] { return cameras.probe().count(reply) > before; }, QString::fromLatin1(reply));
    // The probe hears a reply just before the page's slot copies it; give the
    // page its turn.
    QElapsedTimer settle;
    settle.start();
    context.waitFor([&] { return settle.elapsed() >= 200; }, QStringLiteral("the page"));
    return container;
}

QByteArray osdRecord()
{
    QByteArray record(196, '\0');
    qToLittleEndian<qint32>(1, record.data());
    const QByteArray lines[] = {LocalText::encode(QStringLiteral("深圳交警一大队")),
                                LocalText::encode(QStringLiteral("执勤记录 No.0071")),
                                LocalText::encode(QStringLiteral("警号 100001"))};
    for (int i = 0; i < 3; ++i)
        record.replace(4 + 64 * i, lines[i].size(), lines[i]);
    return record;
}

QWidget *tabShot(ShotContext &context, int tab, const char *reply)
{
    logIn(context);
    return containerOn(context, tab, reply);
}

QWidget *packingShot(ShotContext &context, quint8 capability)
{
    setCodeByte(context, 293, capability);
    logIn(context);
    return containerOn(context, CameraConfigWnd::kPackingTab, "devPackParamChanged");
}

// The JSON camera's container on the tab, once the tab's form is built.
CameraConfigWnd *jsonTab(ShotContext &context, int tab)
{
    logIn(context);
    CameraConfigWnd *container = containerOn(context, tab);
    auto *page = qobject_cast<JsonFormPage *>(container->pageAt(tab));
    if (!page)
        throw ShotFailure("camera shots: the tab has no JSON form page");
    context.waitFor([page] { return page->form() && page->form()->isVisible(); }, QStringLiteral("the form"));
    return container;
}

} // namespace

VANTREL_SHOT(camera_json_encoding, {"J"},
             [](ShotContext &context) { return jsonTab(context, CameraConfigWnd::kEncodingTab); });
VANTREL_SHOT(camera_json_recording, {"J"},
             [](ShotContext &context) { return jsonTab(context, CameraConfigWnd::kRecordingTab); });
// The camera refuses a form that is no longer its own and says why.
VANTREL_SHOT(camera_json_refused, {"J"}, [](ShotContext &context) -> QWidget * {
    CameraConfigWnd *container = jsonTab(context, CameraConfigWnd::kEncodingTab);
    context.cameras().camera(0).edit([](sim::camera::CameraBehaviour &behaviour) {
        using sim::camera::JsonTexts;
        const std::string held = behaviour.json().group(JsonTexts::Recording);
        QJsonObject other =
                QJsonDocument::fromJson(LocalText::decode(QByteArray::fromStdString(held)).toUtf8()).object();
        other.insert(QStringLiteral("id"), QStringLiteral("otherParam"));
        behaviour.json().putGroup(JsonTexts::Recording,
                                  LocalText::encode(QString::fromUtf8(QJsonDocument(other).toJson())).toStdString());
    });
    QWidget *page = container->pageAt(CameraConfigWnd::kEncodingTab);
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    auto *overlay = page->findChild<HintWnd *>();
    context.waitFor([overlay] { return overlay && overlay->isVisible(); }, QStringLiteral("the refusal"));
    return container;
});

VANTREL_SHOT(camera_g3_encoding, {"G3-12"},
             [](ShotContext &context) { return tabShot(context, CameraConfigWnd::kEncodingTab, nullptr); });
VANTREL_SHOT(camera_g3_recording, {"G3-12"},
             [](ShotContext &context) { return tabShot(context, CameraConfigWnd::kRecordingTab, nullptr); });
VANTREL_SHOT(camera_g3_osd, {"G3-12"}, [](ShotContext &context) {
    setRecord(context, "EXTRA_OSD", osdRecord());
    return tabShot(context, CameraConfigWnd::kOsdTab, "devOSDParamChanged");
});
VANTREL_SHOT(camera_g3_packing, {"G3-12"}, [](ShotContext &context) {
    return tabShot(context, CameraConfigWnd::kPackingTab, "devPackParamChanged");
});
VANTREL_SHOT(camera_g3_photo_4mp, {"G3-12"}, [](ShotContext &context) {
    return tabShot(context, CameraConfigWnd::kPhotoTab, "devPICParamChanged");
});
VANTREL_SHOT(camera_g2, {"G2"},
             [](ShotContext &context) { return tabShot(context, CameraConfigWnd::kEncodingTab, nullptr); });
VANTREL_SHOT(camera_packing_audio_only, {"G3-12"},
             [](ShotContext &context) { return packingShot(context, 1); });
VANTREL_SHOT(camera_packing_video_only, {"G3-12"},
             [](ShotContext &context) { return packingShot(context, 2); });

// The OSD page's toast after a save the camera accepted.
VANTREL_SHOT(camera_osd_saved, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    setRecord(context, "EXTRA_OSD", osdRecord());
    logIn(context);
    CameraConfigWnd *container = containerOn(context, CameraConfigWnd::kOsdTab, "devOSDParamChanged");
    QWidget *page = container->pageAt(CameraConfigWnd::kOsdTab);
    CameraRig &cameras = context.cameras();
    const int before = cameras.probe().count("reqSetDevOSDParam");
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    context.waitFor([&] { return cameras.probe().count("reqSetDevOSDParam") > before; },
                    QStringLiteral("the answer to the save"));
    auto *toast = page->findChild<PopupWidget *>();
    context.waitFor([toast] { return toast && toast->isVisible(); }, QStringLiteral("the toast"));
    return container;
});
