// Shots of the GB28181, GA/T 1400 and RTMP tabs, each page as its tab holds
// it: GB28181 after a save with empty fields, with and without the stream row;
// GA/T 1400 with both of its hints; RTMP in address and in service-name mode
// (the rows must not jump between the two).

#include "CameraRig.h"
#include "Plat1400ConfigWnd.h"
#include "SIPParamWnd.h"
#include "Shot.h"
#include "TimPlateConfigWnd.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtEndian>

namespace {

const QSize kPageSize(1238, 740);

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

template<typename Page>
Page *showPage(ShotContext &context, const char *reply, const char *record, const QByteArray &bytes)
{
    logIn(context);
    setRecord(context, record, bytes);
    CameraRig &cameras = context.cameras();
    const int before = cameras.probe().count(reply);
    auto *page = context.keep(new Page);
    page->resize(kPageSize);
    page->show();
    page->refreshParam();
    context.waitFor([&] { return cameras.probe().count(reply) > before; }, QString::fromLatin1(reply));
    settle(context);
    return page;
}

QWidget *sipWithEmptyFields(ShotContext &context)
{
    auto *page = showPage<SIPParamWnd>(context, "devSIPParamChanged", "SIPUA_CONFIG_T", sipRecord());
    for (const char *field : {"serverDomain_edit", "password", "alarmchannel"})
        page->findChild<QLineEdit *>(QLatin1String(field))->clear();
    page->findChild<QLineEdit *>(QStringLiteral("registerserver_edit"))->setText(QStringLiteral("192.168.1"));
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return page;
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

// A classic camera without the stream-index byte.
VANTREL_SHOT(platform_gb28181_no_stream_row, {"G3-12"}, sipWithEmptyFields);

VANTREL_SHOT(platform_1400_both_hints, {"J"}, [](ShotContext &context) -> QWidget * {
    QByteArray record(136, '\0');
    qToLittleEndian<qint32>(1, record.data());
    put(record, 4, "192.168.1.300");
    put(record, 40, "admin");
    put(record, 72, "pass#word");
    auto *page = showPage<Plat1400ConfigWnd>(context, "devPlat1400ParamChanged", "PLATFORM_1400_CFG_PARAM", record);
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return page;
});

VANTREL_SHOT(platform_rtmp_ip_mode, {"J"}, [](ShotContext &context) -> QWidget * {
    return showPage<TimPlateConfigWnd>(context, "devTIMParamChanged", "TIM_PARAM_T", timRecord());
});

VANTREL_SHOT(platform_rtmp_domain_mode, {"J"}, [](ShotContext &context) -> QWidget * {
    QByteArray record = timRecord();
    record[1] = 1;
    return showPage<TimPlateConfigWnd>(context, "devTIMParamChanged", "TIM_PARAM_T", record);
});
