// Shots of the platform container: every tab a classic third-generation
// camera can offer and those of a JSON camera (with the "other" tab), a
// second-generation camera with the Tarvio tab alone, the Tarvio page with
// its GPS and domain rows and all five hints, the Quensa page with its five
// hints, and the FTP page.

#include "CameraRig.h"
#include "PlatformTabs.h"
#include "PlatformWnd.h"
#include "Shot.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtEndian>

namespace {

const QSize kContainerSize(1260, 800);
// The Tarvio domain and GPS bytes, then the platform bytes of tabs 1 to 10.
const int kPlatformBytes[] = {269, 270, 278, 284, 285, 286, 289, 290, 291, 292, 331, 334};

void setRecord(ShotContext &context, const char *name, const QByteArray &bytes)
{
    context.cameras().camera(0).edit([&](sim::camera::CameraBehaviour &behaviour) {
        behaviour.parameters().setRecord(name, sim::camera::le::Bytes(bytes.begin(), bytes.end()));
    });
}

void offerEveryPlatform(ShotContext &context)
{
    context.cameras().camera(0).edit([&](sim::camera::CameraBehaviour &behaviour) {
        auto code = behaviour.parameters().record("DEV_CODE_PARA_T");
        for (int offset : kPlatformBytes)
            code.at(std::size_t(offset)) = 1;
        behaviour.parameters().setRecord("DEV_CODE_PARA_T", code);
    });
}

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
    context.waitFor([&] { return timer.elapsed() >= 200; }, QStringLiteral("the page"));
}

// The container on the tab; waits for the page's reply when it has one.
PlatformWnd *containerOn(ShotContext &context, int tab, const char *reply)
{
    logIn(context);
    CameraRig &cameras = context.cameras();
    auto *container = context.keep(new PlatformWnd);
    container->resize(kContainerSize);
    const int before = reply ? cameras.probe().count(reply) : 0;
    container->show();
    if (tab >= 0)
        container->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(tab);
    if (reply)
        context.waitFor([&] { return cameras.probe().count(reply) > before; }, QString::fromLatin1(reply));
    settle(context);
    return container;
}

void setText(QWidget *page, const char *edit, const QString &text)
{
    auto *line = page->findChild<QLineEdit *>(QString::fromLatin1(edit));
    line->setValidator(nullptr);
    line->setText(text);
}

} // namespace

VANTREL_SHOT(platform_classic_tabs, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    offerEveryPlatform(context);
    return containerOn(context, -1, "devDomainParamChanged");
});

// The "other" tab comes first; the shot turns to the Tarvio tab, whose page
// does not need the form plug-in.
VANTREL_SHOT(platform_json_tabs, {"J"}, [](ShotContext &context) -> QWidget * {
    return containerOn(context, PlatformTabs::kTarvio, "devDomainParamChanged");
});

VANTREL_SHOT(platform_tarvio_only, {"G2"}, [](ShotContext &context) -> QWidget * {
    return containerOn(context, -1, "devDomainParamChanged");
});

// Generation 3 with the GPS and domain rows; a save with every field wrong.
VANTREL_SHOT(platform_tarvio_hints, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    offerEveryPlatform(context);
    QByteArray plate(44, '\0');
    plate[0] = 1;
    plate[2] = 1;
    setRecord(context, "PLATFORM_PARA_T", plate);
    PlatformWnd *container = containerOn(context, -1, "devDomainParamChanged");
    QWidget *page = container->pageAt(PlatformTabs::kTarvio);
    page->findChild<QCheckBox *>(QStringLiteral("enable2_box"))->setChecked(true);
    setText(page, "IP_edit", QStringLiteral("192.168.1.300"));
    setText(page, "domain_edit", QStringLiteral("-bad"));
    setText(page, "port_edit", QStringLiteral("0"));
    setText(page, "deviceID_edit", QString());
    setText(page, "gpsInterval", QStringLiteral("100"));
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return container;
});

VANTREL_SHOT(platform_quensa_hints, {"J"}, [](ShotContext &context) -> QWidget * {
    PlatformWnd *container = containerOn(context, PlatformTabs::kQuensa, "devTarvioParamChanged");
    QWidget *page = container->pageAt(PlatformTabs::kQuensa);
    setText(page, "ip_edit", QStringLiteral("10.0.0"));
    setText(page, "port_edit", QStringLiteral("65536"));
    setText(page, "id_edit", QString());
    setText(page, "name_edit", QString(17, QChar(0x4E2D)));
    setText(page, "key_edit", QString());
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return container;
});

VANTREL_SHOT(platform_ftp, {"J"}, [](ShotContext &context) -> QWidget * {
    QByteArray ftp(136, '\0');
    qToLittleEndian<quint32>(1, ftp.data());
    ftp.replace(4, 11, "192.168.1.8");
    qToLittleEndian<quint16>(21, ftp.data() + 36);
    ftp[39] = 1;
    ftp.replace(40, 8, "uploader");
    ftp.replace(72, 6, "secret");
    ftp[104] = 1;
    setRecord(context, "FTP_CFG_PARAM", ftp);
    return containerOn(context, PlatformTabs::kFtp, "devFtpParamChanged");
});
