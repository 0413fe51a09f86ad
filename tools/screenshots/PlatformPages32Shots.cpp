// Shots of the group-talk, face-platform and cloud tabs of the platform
// container, on a classic camera that offers them but neither Tarvio nor
// Quensa (so the cloud tabs show the short one-platform hint): the group-talk
// note and its address and port hints, the face page's hints of each group,
// the older cloud page's code hint, and the newer one's four ratings.

#include "CameraRig.h"
#include "FullCamera.h"
#include "PlatformTabs.h"
#include "PlatformWnd.h"
#include "Shot.h"
#include "behaviour/CameraBehaviour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtEndian>

namespace {

const QSize kContainerSize(1260, 796);

template<typename T>
void put(QByteArray &record, int offset, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    record.replace(offset, int(sizeof bytes), bytes, int(sizeof bytes));
}

void seed(CameraRig &cameras, const char *name, const QByteArray &bytes)
{
    cameras.camera(0).edit([&](sim::camera::CameraBehaviour &behaviour) {
        behaviour.parameters().setRecord(name, sim::camera::le::Bytes(bytes.begin(), bytes.end()));
    });
}

QByteArray groupTalkRecord()
{
    QByteArray record(188, '\0');
    record[0] = 1;
    record.replace(4, 8, "10.0.0.8");
    put(record, 36, quint16(7000));
    record.replace(40, 9, "officer_7");
    record.replace(72, 8, "Talk.123");
    put(record, 168, qint32(12));
    return record;
}

QByteArray faceRecord()
{
    QByteArray record(204, '\0');
    record.replace(0, 8, "10.1.2.3");
    record.replace(64, 12, "172.16.0.200");
    record.replace(128, 13, "192.168.1.254");
    put(record, 192, quint16(8080));
    put(record, 194, quint16(61613));
    put(record, 196, quint16(9000));
    record[198] = 1;
    record[199] = 1;
    record[201] = 1;
    return record;
}

// The container on the tab, after the tab's page has been filled.
QWidget *tabPage(ShotContext &context, int tab, const char *reply)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("platform shots: the log-in to the simulated camera failed");
    seed(cameras, "GROUP_TALK_PARA_T", groupTalkRecord());
    seed(cameras, "PLATFORM_FACE_CFG_PARAM", faceRecord());
    // The first tab offered (group talk here) asks when the container shows.
    const int before = cameras.probe().count(reply);
    auto *container = context.keep(new PlatformWnd);
    container->resize(kContainerSize);
    container->show();
    container->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(tab);
    context.waitFor([&] { return cameras.probe().count(reply) > before; }, QString::fromLatin1(reply));
    QElapsedTimer settle;
    settle.start();
    context.waitFor([&] { return settle.elapsed() >= 200; }, QStringLiteral("the page"));
    return container->pageAt(tab);
}

QLineEdit *edit(QWidget *page, const char *name)
{
    return page->findChild<QLineEdit *>(QString::fromLatin1(name));
}

void save(QWidget *page)
{
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
}

QWidget *containerOf(QWidget *page)
{
    return page->window();
}

} // namespace

// Mode on, an address with a part above 255 and port 70000: both hints.
VANTREL_SHOT(platform_group_talk_hints, {"G3-Cloud"}, [](ShotContext &context) -> QWidget * {
    QWidget *page = tabPage(context, PlatformTabs::kGroupTalk, "devGroupTalkParamChanged");
    edit(page, "IP_edit")->setText(QStringLiteral("10.0.0.300"));
    edit(page, "port_edit")->setText(QStringLiteral("70000"));
    save(page);
    return containerOf(page);
});

VANTREL_SHOT(platform_group_talk_same_password, {"G3-Cloud"}, [](ShotContext &context) -> QWidget * {
    QWidget *page = tabPage(context, PlatformTabs::kGroupTalk, "devGroupTalkParamChanged");
    edit(page, "password_edit_2")->setText(QStringLiteral("Talk.123"));
    save(page);
    return containerOf(page);
});

// The MQ group fails: its four hints (a failing group stops the checks).
VANTREL_SHOT(platform_face_mq_hints, {"G3-Cloud"}, [](ShotContext &context) -> QWidget * {
    QWidget *page = tabPage(context, PlatformTabs::kFace, "devFaceTdaParamChanged");
    edit(page, "tdaip_edit")->setText(QStringLiteral("1.2.3"));
    edit(page, "tdaport_edit")->setText(QStringLiteral("0"));
    edit(page, "mqip_edit")->setText(QStringLiteral("172.16.0.256"));
    edit(page, "mqport_edit")->setText(QStringLiteral("70000"));
    save(page);
    return containerOf(page);
});

VANTREL_SHOT(platform_face_storage_hints, {"G3-Cloud"}, [](ShotContext &context) -> QWidget * {
    QWidget *page = tabPage(context, PlatformTabs::kFace, "devFaceTdaParamChanged");
    edit(page, "storip_edit")->setText(QStringLiteral("storage.example"));
    edit(page, "storport_edit")->setText(QStringLiteral("0"));
    save(page);
    return containerOf(page);
});

VANTREL_SHOT(platform_lumaro_short_code, {"G3-Cloud"}, [](ShotContext &context) -> QWidget * {
    QWidget *page = tabPage(context, PlatformTabs::kLumaro, "devExParamChangedV3");
    page->findChild<QCheckBox *>(QStringLiteral("checkBox"))->setChecked(true);
    edit(page, "lineEdit")->setText(QStringLiteral("ab12"));
    save(page);
    return containerOf(page);
});

// Risky code (the only rating with the icon) and a weak key.
VANTREL_SHOT(platform_lumaro_v3_risky_weak, {"G3-Cloud"}, [](ShotContext &context) -> QWidget * {
    QWidget *page = tabPage(context, PlatformTabs::kLumaroV3, "devLUMR3ParamChanged");
    page->findChild<QCheckBox *>(QStringLiteral("checkBox"))->setChecked(true);
    page->findChild<QCheckBox *>(QStringLiteral("checkBox_pwd"))->setChecked(true);
    edit(page, "lineEdit_code")->setText(QStringLiteral("abcdefgh"));
    edit(page, "lineEdit_pwd")->setText(QStringLiteral("abcd1234"));
    return containerOf(page);
});

VANTREL_SHOT(platform_lumaro_v3_medium_strong, {"G3-Cloud"}, [](ShotContext &context) -> QWidget * {
    QWidget *page = tabPage(context, PlatformTabs::kLumaroV3, "devLUMR3ParamChanged");
    page->findChild<QCheckBox *>(QStringLiteral("checkBox"))->setChecked(true);
    page->findChild<QCheckBox *>(QStringLiteral("checkBox_pwd"))->setChecked(true);
    edit(page, "lineEdit_code")->setText(QStringLiteral("abcdEFGH"));
    edit(page, "lineEdit_pwd")->setText(QStringLiteral("Abcd1234!"));
    return containerOf(page);
});
