// Shots of the shell's shared widgets: overlays, toast, password field and the
// sheet of compiled-in pictures.

#include "CameraRig.h"
#include "HintWnd.h"
#include "LoadingPlugin.h"
#include "NamedProfiles.h"
#include "PopupWidget.h"
#include "QPasswordWithEye.h"
#include "Shot.h"

#include <QDirIterator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// A page of the main window's size with a few fields, for an overlay to cover.
QWidget *samplePage(ShotContext &context, const QSize &size)
{
    auto *page = context.keep(new QWidget);
    page->setFixedSize(size);
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, QColor(245, 245, 250));
    page->setPalette(palette);
    auto *form = new QFormLayout(page);
    form->setContentsMargins(40, 40, 40, 40);
    form->setVerticalSpacing(14);
    const QList<QPair<const char *, const char *>> rows{
            {"设备ID", "Device ID"}, {"人员ID", "Officer ID"}, {"设备型号", "Model"}};
    const QStringList values{QStringLiteral("CAM0000001"), QStringLiteral("100001"),
                             QStringLiteral("ZR-BC300")};
    for (int row = 0; row < rows.size(); ++row) {
        auto *edit = new QLineEdit(values.at(row));
        edit->setFixedWidth(240);
        form->addRow(context.sample(rows.at(row).first, rows.at(row).second), edit);
    }
    return page;
}

HintWnd *hintOver(QWidget *page)
{
    auto *hint = new HintWnd(page);
    hint->hide();
    hint->resize(page->size());
    hint->move(0, 0);
    hint->raise();
    return hint;
}

QWidget *hintShot(ShotContext &context, bool path, bool countdown)
{
    QWidget *page = samplePage(context, QSize(1044, 696));
    HintWnd *hint = hintOver(page);
    if (countdown) {
        hint->setHintText(context.sample("升级成功，设备即将重启", "Upgrade done, the camera restarts"));
        hint->showOkBtn(false);
        hint->showCountdown(true);
    } else if (path) {
        hint->setHintText(context.sample("导出成功", "Export done"));
        hint->setPathText(QStringLiteral("/home/operator/Vantrel/log/20240301093015log.txt"));
        hint->showPathLabel(true);
    } else {
        hint->setHintText(context.sample("格式化成功", "Formatting done"));
    }
    page->show();
    hint->show();
    return page;
}

QWidget *passwordShot(ShotContext &context, bool plain)
{
    auto *box = context.keep(new QWidget);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    box->setPalette(palette);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(20, 16, 20, 16);
    auto *field = new QPasswordWithEye;
    field->setFixedSize(240, 32);
    field->setText(QStringLiteral("582914"));
    if (plain)
        field->EyeClicked();
    form->addRow(context.sample("设备密码", "Device password"), field);
    return box;
}

// Every picture of the resources with its name, on white and on the title
// band's blue, since most are drawn for one of the two.
QWidget *pictureSheet(ShotContext &context)
{
    QStringList paths;
    QDirIterator it(QStringLiteral(":/Resources"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".png")) || path.endsWith(QLatin1String(".ico")))
            paths << path;
    }
    std::sort(paths.begin(), paths.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });

    const int columns = 4;
    const QSize cell(300, 190);
    QImage sheet(columns * cell.width(), int((paths.size() + columns - 1) / columns) * cell.height(),
                 QImage::Format_ARGB32);
    sheet.fill(QColor(235, 236, 240));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("微软雅黑"));
    font.setPixelSize(12);
    painter.setFont(font);
    for (int index = 0; index < paths.size(); ++index) {
        const QPoint origin((index % columns) * cell.width(), (index / columns) * cell.height());
        const QRect white(origin + QPoint(8, 8), QSize(137, 150));
        const QRect blue(origin + QPoint(155, 8), QSize(137, 150));
        painter.fillRect(white, Qt::white);
        painter.fillRect(blue, QColor(63, 133, 228));
        QImage picture(paths.at(index));
        if (picture.width() > 130 || picture.height() > 146)
            picture = picture.scaled(130, 146, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        else if (picture.width() <= 32)
            picture = picture.scaled(picture.size() * 2, Qt::KeepAspectRatio, Qt::FastTransformation);
        for (const QRect &area : {white, blue})
            painter.drawImage(area.center() - QPoint(picture.width() / 2, picture.height() / 2), picture);
        painter.setPen(Qt::black);
        painter.drawText(QRect(origin + QPoint(8, 160), QSize(cell.width() - 16, 26)),
                         Qt::AlignLeft | Qt::AlignVCenter, QFileInfo(paths.at(index)).fileName());
    }
    painter.end();
    auto *label = context.keep(new QLabel);
    label->setPixmap(QPixmap::fromImage(sheet));
    label->resize(sheet.size());
    return label;
}

} // namespace

VANTREL_SHOT(hint_ok, {}, [](ShotContext &context) { return hintShot(context, false, false); });
VANTREL_SHOT(hint_path, {}, [](ShotContext &context) { return hintShot(context, true, false); });
VANTREL_SHOT(hint_countdown, {}, [](ShotContext &context) { return hintShot(context, false, true); });

VANTREL_SHOT(toast, {}, [](ShotContext &context) -> QWidget * {
    QWidget *page = samplePage(context, QSize(1280, 756));
    auto *toast = new PopupWidget(page);
    toast->hide();
    page->show();
    toast->setText(context.sample("保存成功", "Saved"));
    toast->show();
    return page;
});

// The busy overlay over a page while two cameras are found on the bus.
VANTREL_SHOT(busy, (QList<const char *>{NamedProfiles::Gen3Json, NamedProfiles::LongChineseIds}),
             [](ShotContext &context) -> QWidget * {
                 QWidget *page = samplePage(context, QSize(714, 528));
                 auto *busy = new LoadingPlugin(page);
                 busy->hide();
                 busy->resize(page->size());
                 busy->move(0, 0);
                 busy->raise();
                 page->show();
                 busy->show();
                 CameraRig &cameras = context.cameras();
                 const int before = cameras.probe().count("updateDevListOver");
                 cameras.startDiscovery();
                 context.waitFor([&] { return cameras.probe().count("updateDevListOver") > before; },
                                 QStringLiteral("the end of discovery"));
                 return page;
             });

VANTREL_SHOT(password_hidden, {}, [](ShotContext &context) { return passwordShot(context, false); });
VANTREL_SHOT(password_plain, {}, [](ShotContext &context) { return passwordShot(context, true); });
VANTREL_SHOT(pictures, {}, pictureSheet);
