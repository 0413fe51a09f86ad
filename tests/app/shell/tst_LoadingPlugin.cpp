// The busy overlay's animation: every overlay of the process advances one
// frame counter, which cycles through the frames at indices 1 to 11.

#include "LoadingPlugin.h"

#include <QLabel>
#include <QTest>

namespace {

QImage frame(int index)
{
    return QImage(QStringLiteral(":Resources/image/Loading_%1.png").arg(index + 1))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int shownFrame(const LoadingPlugin &overlay)
{
    const QImage shown = overlay.findChild<QLabel *>(QStringLiteral("loadPic"))
                                 ->pixmap(Qt::ReturnByValue)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int index = 0; index < 12; ++index)
        if (shown == frame(index))
            return index;
    return -1;
}

} // namespace

class tst_LoadingPlugin : public QObject
{
    Q_OBJECT

private slots:
    void twoOverlaysShareTheFrameCounter();
    void animatesOnlyWhileShown();
};

void tst_LoadingPlugin::twoOverlaysShareTheFrameCounter()
{
    QWidget page;
    LoadingPlugin first(&page);
    LoadingPlugin second(&page);
    QCOMPARE(shownFrame(first), 0);
    QCOMPARE(shownFrame(second), 0);

    // The counter starts at 1 for the process; the two overlays take turns.
    QList<int> seen;
    for (int tick = 0; tick < 12; ++tick) {
        LoadingPlugin &overlay = tick % 2 ? second : first;
        overlay.onTimerChangePic();
        seen << shownFrame(overlay);
    }
    QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1}));
}

void tst_LoadingPlugin::animatesOnlyWhileShown()
{
    QWidget page;
    LoadingPlugin overlay(&page);
    overlay.SetWaitingText(QStringLiteral("正在读取参数..."));
    QCOMPARE(overlay.findChild<QLabel *>(QStringLiteral("loadText"))->text(),
             QStringLiteral("正在读取参数..."));
    overlay.hide();
    page.show();
    QTest::qWait(120);
    QCOMPARE(shownFrame(overlay), 0);

    overlay.show();
    QTRY_VERIFY(shownFrame(overlay) > 0);
    overlay.hide();
    const int stopped = shownFrame(overlay);
    QTest::qWait(120);
    QCOMPARE(shownFrame(overlay), stopped);

    // Shown again, it goes on from where the shared counter stands.
    overlay.show();
    QTRY_VERIFY(shownFrame(overlay) != stopped);
}

QTEST_MAIN(tst_LoadingPlugin)
#include "tst_LoadingPlugin.moc"
