// Shots of the GB28181, GA/T 1400 and RTMP tabs in the platform container:
// GB28181 after a save with empty fields, with the stream row and the full
// hint and without the row with the shorter hint; GA/T 1400 with both of its
// hints; RTMP in address and in service-name mode (the rows must not jump
// between the two).

#include "CameraRig.h"
#include "Plat1400ConfigWnd.h"
#include "PlatformTabs.h"
#include "PlatformWnd.h"
#include "SIPParamWnd.h"
#include "Shot.h"
#include "TimPlateConfigWnd.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtEndian>

namespace {

const QSize kContainerSize(1260, 800);

void logIn(ShotContext &context)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("platform shots: the log-in to the simulated camera failed");
}

void settle(ShotContext &context)
{
    QElapsedTimer timer;
    timer.start();
    context.waitFor([&] { return timer.elapsed() >= 300; }, QStringLiteral("the page"));
}

void setRecord(ShotContext &context, const char *name, const QByteArray &bytes)
{
    context.cameras().camera(0).edit([&](sim::camera::CameraBehaviour &behaviour) {
        behaviour.parameters().setRecord(name, sim::camera::le::Bytes(bytes.begin(), bytes.end()));
    });
}

void put(QByteArray &record, int offset, const char *text)
{
    record.replace(offset, int(qstrlen(text)), text);
}

QByteArray sipRecord()
{
    QByteArray record(340, '\0');
    qToLittleEndian<qint32>(1, record.data());
    put(record, 4, "34020000002000000001");
    put(record, 36, "3402000000");
    put(record, 100, "192.168.1.100");
    qToLittleEndian<quint16>(5060, record.data() + 132);
    put(record, 134, "192.168.1.20");
    qToLittleEndian<quint16>(5060, record.data() + 166);
    record[168] = 1;
    put(record, 170, "34020000001320000001");
    put(record, 202, "12345678");
    qToLittleEndian<qint32>(3600, record.data() + 236);
    record[241] = 60;
    record[242] = 3;
    put(record, 244, "34020000001320000001");
    put(record, 276, "34020000001310000001");
    put(record, 308, "34020000001340000001");
    return record;
}

// The container on the tab, once the tab's page has its record.
template<typename Page>
Page *showTab(ShotContext &context, int tab, const char *reply, const char *record, const QByteArray &bytes,
              QWidget **container)
{
    logIn(context);
    setRecord(context, record, bytes);
    CameraRig &cameras = context.cameras();
    // The tab may be current from the start: then the container's show asks.
    const int before = cameras.probe().count(reply);
    auto *platforms = context.keep(new PlatformWnd);
    platforms->resize(kContainerSize);
    platforms->show();
    platforms->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(tab);
    context.waitFor([&] { return cameras.probe().count(reply) > before; }, QString::fromLatin1(reply));
    settle(context);
    *container = platforms;
    auto *page = qobject_cast<Page *>(platforms->pageAt(tab));
    if (!page)
        throw ShotFailure("platform shots: the tab has no page");
    return page;
}

QWidget *sipWithEmptyFields(ShotContext &context)
{
    QWidget *container = nullptr;
    auto *page = showTab<SIPParamWnd>(context, PlatformTabs::kGb, "devSIPParamChanged", "SIPUA_CONFIG_T",
                                      sipRecord(), &container);
    for (const char *field : {"serverDomain_edit", "password", "alarmchannel"})
        page->findChild<QLineEdit *>(QLatin1String(field))->clear();
    page->findChild<QLineEdit *>(QStringLiteral("registerserver_edit"))->setText(QStringLiteral("192.168.1"));
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return container;
}

QByteArray timRecord()
{
    QByteArray record(252, '\0');
    record[0] = 1;
    put(record, 4, "live.example.org");
    put(record, 68, "192.168.1.100");
    qToLittleEndian<qint32>(1935, record.data() + 84);
    put(record, 88, "rtmp://192.168.1.100/live/camera01");
    qToLittleEndian<qint32>(1024, record.data() + 216);
    return record;
}

} // namespace

// A JSON camera that offers the stream row.
VANTREL_SHOT(platform_gb28181_empty_fields, {"J"}, sipWithEmptyFields);

// A classic camera without the stream-index byte, nor Wi-Fi, dial-up or
// Quensa: the shorter hint.
VANTREL_SHOT(platform_gb28181_no_stream_row, {"G3-NoTarvio"}, sipWithEmptyFields);

VANTREL_SHOT(platform_1400_both_hints, {"J"}, [](ShotContext &context) -> QWidget * {
    QByteArray record(136, '\0');
    qToLittleEndian<qint32>(1, record.data());
    put(record, 4, "192.168.1.300");
    put(record, 40, "admin");
    put(record, 72, "pass#word");
    QWidget *container = nullptr;
    auto *page = showTab<Plat1400ConfigWnd>(context, PlatformTabs::kPlat1400, "devPlat1400ParamChanged",
                                            "PLATFORM_1400_CFG_PARAM", record, &container);
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return container;
});

VANTREL_SHOT(platform_rtmp_ip_mode, {"J"}, [](ShotContext &context) -> QWidget * {
    QWidget *container = nullptr;
    showTab<TimPlateConfigWnd>(context, PlatformTabs::kRtmp, "devTIMParamChanged", "TIM_PARAM_T", timRecord(),
                               &container);
    return container;
});

VANTREL_SHOT(platform_rtmp_domain_mode, {"J"}, [](ShotContext &context) -> QWidget * {
    QByteArray record = timRecord();
    record[1] = 1;
    QWidget *container = nullptr;
    showTab<TimPlateConfigWnd>(context, PlatformTabs::kRtmp, "devTIMParamChanged", "TIM_PARAM_T", record,
                               &container);
    return container;
});
