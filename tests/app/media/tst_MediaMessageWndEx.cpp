// The media page: listing page by page, the day tree, the type and time
// filters, the selection and the hand-over to the download dialog; first with
// pages played from a reader-like thread, then with the simulated camera.

#include "CameraRig.h"
#include "HintWnd.h"
#include "MediaDownLoadWnd.h"
#include "MediaMessageWndEx.h"
#include "MediaRecord.h"
#include "TreeItem.h"
#include "TreeItemModel.h"
#include "TreeView.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtConcurrent>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

constexpr quint32 kCmdMediaList = 36;

struct File
{
    File(const QString &path, const QDateTime &start, const QDateTime &end = QDateTime())
        : path(path), start(start), end(end)
    {
    }
    QString path;
    QDateTime start;
    QDateTime end;
};

QByteArray item(const File &file)
{
    QByteArray bytes(int(MediaRecord::kSize), '\0');
    const QByteArray path = file.path.toUtf8().left(128);
    std::memcpy(bytes.data() + MediaRecord::kPathOffset, path.constData(), size_t(path.size()));
    std::memcpy(bytes.data() + MediaRecord::kTextOffset, "text", 4);
    auto put = [&bytes](int offset, const QDateTime &time) {
        const int fields[] = {time.date().year(), time.date().month(), time.date().day(), 0,
                              time.time().hour(), time.time().minute(), time.time().second()};
        for (int i = 0; i < 7; ++i)
            qToLittleEndian<qint32>(fields[i], bytes.data() + offset + 4 * i);
    };
    put(int(MediaRecord::kStartOffset), file.start);
    put(int(MediaRecord::kEndOffset), file.end.isValid() ? file.end : file.start.addSecs(60));
    return bytes;
}

QByteArray page(const QList<File> &files, qint32 total, qint32 progress)
{
    QByteArray bytes(int(MediaRecord::kPageHeadSize), '\0');
    qToLittleEndian<quint32>(quint32(files.size()), bytes.data() + 4);
    qToLittleEndian<qint32>(total, bytes.data() + 8);
    qToLittleEndian<qint32>(progress, bytes.data() + 12);
    for (const File &file : files)
        bytes += item(file);
    return bytes;
}

QDateTime at(const QDate &day, int h, int m, int s)
{
    return QDateTime(day, QTime(h, m, s));
}

// The tree as lines: "day yyyy-MM-dd" for a day, then its files' paths.
QStringList treeLines(const TreeItemModel *model)
{
    QStringList lines;
    for (const TreeItem *day : model->root()->children()) {
        lines << "day " + day->date().toString(Qt::ISODate);
        for (const TreeItem *file : day->children())
            lines << file->path();
    }
    return lines;
}

QStringList queryFlags(const CameraRig &rig)
{
    QStringList flags;
    for (const CameraRig::SentCommand &sent : rig.sent(0, kCmdMediaList))
        flags << QStringLiteral("%1/%2").arg(int(sent.payload.at(0))).arg(qFromLittleEndian<qint32>(sent.payload.constData() + 4));
    return flags;
}

} // namespace

class tst_MediaMessageWndEx : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_rig.reset(new CameraRig);
        QVERIFY(m_rig->discover());
        QVERIFY(m_rig->loginAs(0, "123456"));
        // The tests below play the pages themselves; the camera only takes the requests.
        m_rig->camera(0).setFault(kCmdMediaList, sim::CommandFault::noAnswer());
        m_area.reset(new QWidget);
        m_area->resize(1216, 740);
        m_holder = new QWidget(m_area.get());
        m_holder->resize(1216, 700);
        m_page = new MediaMessageWndEx(m_holder);
        m_page->resize(1216, 676);
    }

    void cleanup()
    {
        m_area.reset();
        m_rig.reset();
    }

    void listsPageByPageAndBuildsOnce()
    {
        QSignalSpy resets(m_page->model(), &QAbstractItemModel::modelReset);
        m_area->show();
        QTRY_COMPARE(queryFlags(*m_rig), QStringList{"1/100"});
        QCOMPARE(hintText(), QStringLiteral("正在检索媒体信息，请稍候..."));
        QVERIFY(m_page->hintWnd()->isVisible());
        QVERIFY(!okButton()->isVisible());

        const QDate day(2026, 3, 4);
        QList<File> first, last;
        for (int i = 0; i < 100; ++i)
            first << File{QStringLiteral("/DCIM/a%1.MP4").arg(i, 3, 10, QLatin1Char('0')), at(day, 10, 0, 0).addSecs(i)};
        for (int i = 0; i < 50; ++i)
            last << File{QStringLiteral("/DCIM/b%1.JPG").arg(i, 3, 10, QLatin1Char('0')), at(day.addDays(1), 9, 0, 0).addSecs(i)};

        deliver(0, page(first, 150, 100));
        QTRY_COMPARE(queryFlags(*m_rig), QStringList({"1/100", "0/100"}));
        QCOMPARE(hintText(), QStringLiteral("正在更新列表，请稍候..."));
        // An empty page before the end asks again and adds nothing.
        deliver(0, page({}, 150, 100));
        QTRY_COMPARE(queryFlags(*m_rig), QStringList({"1/100", "0/100", "0/100"}));
        QCOMPARE(resets.count(), 0);
        deliver(0, page(last, 150, 150));
        QCOMPARE(resets.count(), 1);
        QCOMPARE(queryFlags(*m_rig).size(), 3);
        QVERIFY(!m_page->hintWnd()->isVisible());
        const QStringList lines = treeLines(m_page->model());
        QCOMPARE(lines.size(), 152);
        QCOMPARE(lines.at(0), QStringLiteral("day 2026-03-05"));
        QCOMPARE(lines.at(1), QStringLiteral("/DCIM/b049.JPG"));
        QCOMPARE(lines.at(51), QStringLiteral("day 2026-03-04"));
        QCOMPARE(lines.at(52), QStringLiteral("/DCIM/a099.MP4"));
        QVERIFY(m_page->findChild<TreeView *>("lwMedia")->isExpanded(m_page->model()->index(1, 0)));
    }

    void failuresShowTheirMessage_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("nullPage");
        QTest::addColumn<qint32>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("camera refused") << 1 << false << 5 << "列表更新失败";
        QTest::newRow("no page") << 0 << true << 5 << "列表更新失败";
        QTest::newRow("no media") << 0 << false << 0 << "未检索到媒体文件";
    }

    void failuresShowTheirMessage()
    {
        QFETCH(int, result);
        QFETCH(bool, nullPage);
        QFETCH(qint32, total);
        QFETCH(QString, text);
        m_area->show();
        QTRY_COMPARE(queryFlags(*m_rig).size(), 1);
        deliver(result, nullPage ? QByteArray() : page({}, total, 0));
        QCOMPARE(hintText(), text);
        QVERIFY(m_page->hintWnd()->isVisible());
        QVERIFY(okButton()->isVisible());
        QCOMPARE(queryFlags(*m_rig).size(), 1);
    }

    void groupsByDayAndFiltersByType_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("lines");
        const QStringList all{"day 2026-05-02", "/m/late.JPG", "/m/midnight.mp4",
                              "day 2026-05-01", "/m/justbefore.Mp4", "/m/notes.txt", "/m/voice.WAV", "/m/sound.aac"};
        QTest::newRow("all") << "all_btn" << all;
        QTest::newRow("video") << "video_btn"
                               << QStringList{"day 2026-05-02", "/m/midnight.mp4", "day 2026-05-01", "/m/justbefore.Mp4"};
        QTest::newRow("picture") << "img_btn" << QStringList{"day 2026-05-02", "/m/late.JPG"};
        QTest::newRow("audio") << "music_btn"
                               << QStringList{"day 2026-05-01", "/m/voice.WAV", "/m/sound.aac"};
    }

    void groupsByDayAndFiltersByType()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, lines);
        const QDate day(2026, 5, 1);
        listed({{"/m/sound.aac", at(day, 8, 0, 0)},
                {"/m/midnight.mp4", at(day.addDays(1), 0, 0, 0)},
                {"/m/justbefore.Mp4", at(day, 23, 59, 59)},
                {"/m/notes.txt", at(day, 12, 0, 0)},
                {"/m/late.JPG", at(day.addDays(1), 7, 0, 0)},
                {"/m/voice.WAV", at(day, 9, 0, 0)}});
        auto *pressed = m_page->findChild<QPushButton *>(button);
        pressed->click();
        QCOMPARE(treeLines(m_page->model()), lines);
        for (auto *other : m_page->findChildren<QPushButton *>(QRegularExpression("^(all|video|img|music)_btn$")))
            QCOMPARE(other->isEnabled(), other != pressed);
    }

    void timeFilterTestsTheStartWithBothBoundsIncluded()
    {
        const QDate today = QDate::currentDate();
        listed({{"/m/atStart.MP4", at(today, 8, 0, 0)},
                {"/m/before.MP4", at(today, 7, 59, 59), at(today, 8, 30, 0)},
                {"/m/atEnd.JPG", at(today, 18, 0, 0)},
                {"/m/after.MP4", at(today, 18, 0, 1)},
                {"/m/inside.MP4", at(today, 12, 0, 0)}});
        dateEdit("start_date")->setDateTime(at(today, 8, 0, 0));
        dateEdit("end_date")->setDateTime(at(today, 18, 0, 0));
        click("search_btn");
        const QString day = "day " + today.toString(Qt::ISODate);
        QCOMPARE(treeLines(m_page->model()), QStringList({day, "/m/atEnd.JPG", "/m/inside.MP4", "/m/atStart.MP4"}));
        // A type button keeps the time filter.
        click("video_btn");
        QCOMPARE(treeLines(m_page->model()), QStringList({day, "/m/inside.MP4", "/m/atStart.MP4"}));
        // Nothing passes: the overlay says so.
        dateEdit("start_date")->setDateTime(at(today, 19, 0, 0));
        dateEdit("end_date")->setDateTime(at(today, 20, 0, 0));
        click("search_btn");
        QVERIFY(treeLines(m_page->model()).isEmpty());
        QCOMPARE(hintText(), QStringLiteral("未检索到符合条件的媒体文件"));
        QVERIFY(m_page->hintWnd()->isVisible());

        // A new show drops the time filter and puts the edits back to today.
        m_area->hide();
        m_area->show();
        QTRY_COMPARE(queryFlags(*m_rig).size(), 2);
        QCOMPARE(dateEdit("start_date")->dateTime(), at(today, 0, 0, 0));
        QCOMPARE(dateEdit("end_date")->dateTime(), at(today, 23, 59, 59));
        deliver(0, page({{"/m/before.MP4", at(today, 7, 59, 59)}, {"/m/old.MP4", at(today.addDays(-9), 1, 0, 0)}}, 2, 2));
        QCOMPARE(treeLines(m_page->model()).size(), 4);
    }

    void searchWithStartAfterEndChangesNothing()
    {
        const QDate today = QDate::currentDate();
        listed({{"/m/a.MP4", at(today.addDays(-3), 8, 0, 0)}});
        m_page->model()->setData(m_page->model()->index(0, 0), true, Qt::CheckStateRole);
        QSignalSpy resets(m_page->model(), &QAbstractItemModel::modelReset);
        dateEdit("start_date")->setDateTime(at(today, 9, 0, 0));
        dateEdit("end_date")->setDateTime(at(today, 8, 0, 0));
        click("search_btn");
        auto *frame = m_page->findChild<QFrame *>("point_frame");
        QVERIFY(frame->isVisible());
        QCOMPARE(m_page->findChild<QLabel *>("point_text")->text(), QStringLiteral("开始时间不能大于结束时间"));
        QCOMPARE(resets.count(), 0);
        QCOMPARE(m_page->selection(), QStringList{"/m/a.MP4"});
        // A valid search hides the row and leaves nothing ticked.
        dateEdit("start_date")->setDateTime(at(today.addDays(-5), 0, 0, 0));
        click("search_btn");
        QVERIFY(!frame->isVisible());
        QVERIFY(m_page->selection().isEmpty());
        QCOMPARE(treeLines(m_page->model()).size(), 2);
    }

    void selectionKeepsTickOrderAndHandsOver()
    {
        const QDate day(2026, 6, 1);
        listed({{"/m/a.MP4", at(day, 9, 0, 0)}, {"/m/b.MP4", at(day, 8, 0, 0)},
                {"/m/c.JPG", at(day.addDays(-1), 8, 0, 0)}});
        TreeItemModel *model = m_page->model();
        auto *checkAll = m_page->findChild<QCheckBox *>("pbCheckAll");
        const QModelIndex newer = model->index(0, 0), older = model->index(1, 0);

        click("download_btn");
        QVERIFY(m_page->findChild<QFrame *>("errorFrame")->isVisible());

        model->setData(model->index(0, 0, older), true, Qt::CheckStateRole);
        model->setData(model->index(1, 0, newer), true, Qt::CheckStateRole);
        model->setData(newer, true, Qt::CheckStateRole);
        QCOMPARE(m_page->selection(), QStringList({"/m/c.JPG", "/m/b.MP4", "/m/a.MP4"}));
        QVERIFY(checkAll->isChecked());
        model->setData(model->index(1, 0, newer), false, Qt::CheckStateRole);
        QVERIFY(!checkAll->isChecked());
        model->setData(model->index(1, 0, newer), true, Qt::CheckStateRole);
        QCOMPARE(m_page->selection(), QStringList({"/m/c.JPG", "/m/a.MP4", "/m/b.MP4"}));

        checkAll->click();   // unticks
        QVERIFY(m_page->selection().isEmpty());
        checkAll->click();
        QCOMPARE(m_page->selection(), QStringList({"/m/a.MP4", "/m/b.MP4", "/m/c.JPG"}));
        QVERIFY(m_page->findChild<TreeView *>("lwMedia")->isExpanded(older));

        click("download_btn");
        MediaDownLoadWnd *dialog = m_page->downLoadWnd();
        QVERIFY(!m_page->findChild<QFrame *>("errorFrame")->isVisible());
        QCOMPARE(dialog->parentWidget(), m_area.get());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->geometry(), QRect(QPoint(0, 0), m_area->size()));
        QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dialog->fileList(), QStringList({"/m/a.MP4", "/m/b.MP4", "/m/c.JPG"}));

        dialog->findChild<QPushButton *>("Cancle_btn")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(m_page->selection().isEmpty());
        QVERIFY(!checkAll->isChecked());
        QVERIFY(!model->root()->child(0)->isTicked());
    }

    void pathsAreReadUpToTheirNulOrWhole()
    {
        const QString full = "/" + QString(127, QLatin1Char('p'));
        listed({{full, at(QDate(2026, 1, 1), 1, 0, 0)}, {"/m/短.MP4", at(QDate(2026, 1, 1), 2, 0, 0)}});
        const TreeItem *day = m_page->model()->root()->child(0);
        QCOMPARE(day->child(0)->path(), QStringLiteral("/m/短.MP4"));
        QCOMPARE(day->child(1)->path(), full);
        QCOMPARE(day->child(1)->text(), QStringLiteral("text"));
    }

    // With the camera answering.

    void aShortPageWithALargeCountFails()
    {
        m_rig->camera(0).clearFaults();
        m_rig->camera(0).setFault(kCmdMediaList, sim::CommandFault::shortPayload(16 + 336));
        m_rig->camera(0).edit([](sim::camera::CameraBehaviour &camera) {
            for (int i = 0; i < 50; ++i)
                camera.media().add({QStringLiteral("/x/%1.MP4").arg(i).toStdString(),
                                    QDateTime(QDate(2026, 1, 1), QTime(1, 0, i)), QDateTime(), 100});
        });
        m_area->show();
        QTRY_COMPARE(hintText(), QStringLiteral("列表更新失败"));
        QVERIFY(okButton()->isVisible());
    }

    void aShowWhileAPageIsAskedForListsOnce()
    {
        sim::FullCamera &camera = m_rig->camera(0);
        camera.clearFaults();
        camera.holdAnswers(kCmdMediaList);
        m_area->show();
        QVERIFY(camera.waitHeld(kCmdMediaList, CameraRig::kWaitMs));
        m_area->hide();
        m_area->show();
        QCOMPARE(queryFlags(*m_rig).size(), 1);
        camera.release(kCmdMediaList);
        QTRY_VERIFY_WITH_TIMEOUT(!m_page->hintWnd()->isVisible(), CameraRig::kWaitMs);
        QCOMPARE(queryFlags(*m_rig), QStringList({"1/100", "1/100"}));
        QStringList lines = treeLines(m_page->model());
        QCOMPARE(lines.filter(QRegularExpression("^/")).size(), 18);
        QCOMPARE(lines.removeDuplicates(), 0);
    }

    void listsTheCamerasFilesEndToEnd()
    {
        sim::FullCamera &camera = m_rig->camera(0);
        camera.clearFaults();
        const QDate first(2026, 2, 1);
        camera.edit([&](sim::camera::CameraBehaviour &behaviour) {
            behaviour.media().clear();
            for (int i = 0; i < 250; ++i) {
                const QDateTime start(first.addDays(i % 5), QTime(0, 0, 0).addSecs(i * 60));
                behaviour.media().add({QStringLiteral("/mnt/sdcard/DCIM/f%1.MP4").arg(i, 3, 10, QLatin1Char('0')).toStdString(),
                                       start, start.addSecs(30), 1000});
            }
        });
        m_area->show();
        QTRY_VERIFY_WITH_TIMEOUT(!m_page->hintWnd()->isVisible(), CameraRig::kWaitMs);
        QCOMPARE(queryFlags(*m_rig), QStringList({"1/100", "0/100", "0/100"}));
        QStringList lines = treeLines(m_page->model());
        QCOMPARE(lines.size(), 255);
        QCOMPARE(lines.removeDuplicates(), 0);
        QCOMPARE(lines.filter("day ").size(), 5);
        QCOMPARE(lines.first(), "day " + first.addDays(4).toString(Qt::ISODate));
        QCOMPARE(lines.at(1), QStringLiteral("/mnt/sdcard/DCIM/f249.MP4"));
        QCOMPARE(lines.last(), QStringLiteral("/mnt/sdcard/DCIM/f000.MP4"));
    }

private:
    // Plays a reply as a reader thread would: the page's slot runs on the GUI
    // thread while the emitter waits.
    void deliver(int result, QByteArray bytes)
    {
        MainManager *manager = m_rig->manager();
        char *data = bytes.isNull() ? nullptr : bytes.data();
        QFuture<void> done = QtConcurrent::run([manager, result, data] { emit manager->updateMediaInfo(result, data); });
        while (!done.isFinished())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    // Shows the page and plays the listing of these files in one page.
    void listed(const QList<File> &files)
    {
        m_area->show();
        QTRY_VERIFY(!queryFlags(*m_rig).isEmpty());
        deliver(0, page(files, files.size(), files.size()));
    }

    QString hintText() const { return m_page->hintWnd()->findChild<QLabel *>("Hint_Text")->text(); }
    QPushButton *okButton() const { return m_page->hintWnd()->findChild<QPushButton *>("Ok_Button"); }
    QDateTimeEdit *dateEdit(const char *name) const { return m_page->findChild<QDateTimeEdit *>(name); }
    void click(const char *name) const { m_page->findChild<QPushButton *>(name)->click(); }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<QWidget> m_area;
    QWidget *m_holder = nullptr;
    MediaMessageWndEx *m_page = nullptr;
};

QTEST_MAIN(tst_MediaMessageWndEx)
#include "tst_MediaMessageWndEx.moc"
