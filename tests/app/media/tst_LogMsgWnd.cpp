// The device-log page against the simulated camera: the log run, the paged
// table, the search, the export and the overlay.

#include "CameraRig.h"
#include "DiskSpace.h"
#include "HintWnd.h"
#include "LocalPaths.h"
#include "LocalText.h"
#include "LogMsgWnd.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr quint32 kCmdFindLogFile = 20;
const QString kLogName = QStringLiteral("/mnt/sdcard/log/20240305.txt");

// n lines of 2024-03-05, one second apart from 08:00:00.
QStringList linesOfDay(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("[2024-03-05 - 08:00:%1] []event %2").arg(i, 2, 10, QChar('0')).arg(i + 1);
    return lines;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_LogMsgWnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pagesFollowThePageSize_data();
    void pagesFollowThePageSize();
    void navigationAndJumpsStayInRange();
    void searchKeepsItsBoundsAndRefusesAnEndBeforeItsStart();
    void eachExportWritesTheShownLinesAsGbkToAFileOfItsOwn();
    void exportIsRefusedWhenTheDiskIsTooFullOrNothingIsShown();
    void aFailedIndexShowsNoLogsWithoutOk();
    void overlayOffersOkAfterARunWithoutEntries();
    void aSecondShowWhileTheRequestIsOpenSendsNoSecondRequest();
    void theCamerasOwnLogsAreFetchedListedSearchedAndExported();

private:
    // Replaces the camera's logs with these lines (GBK, CR LF) and shows the
    // page until it has read them.
    void loadPage(const QStringList &lines);
    void showPage();
    sim::FullCamera &camera() const { return m_rig->camera(0); }
    template<typename T> T *child(const char *name) const { return m_page->findChild<T *>(name); }
    QString overlayText() const { return child<QLabel>("Hint_Text")->text(); }
    bool overlayShown() const { return m_page->findChild<HintWnd *>()->isVisible(); }
    bool overlayHasOk() const { return child<QPushButton>("Ok_Button")->isVisible(); }
    QString label(const char *name) const { return child<QLabel>(name)->text(); }
    QStringList column(int index) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_workingFolder;
    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<LogMsgWnd> m_page;
};

void tst_LogMsgWnd::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_workingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_rig.reset(new CameraRig());
    m_rig->manager()->setReplyDeadlines(500, 3000);
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, "123456"));
    setLocalLogPath(m_dir->filePath("exported"));
}

void tst_LogMsgWnd::cleanup()
{
    m_page.reset();
    setDiskFreeSpaceOverride({});
    m_rig.reset();
    QDir::setCurrent(m_workingFolder);
    m_dir.reset();
}

void tst_LogMsgWnd::showPage()
{
    m_page.reset(new LogMsgWnd);
    m_page->resize(1280, 731);
    m_page->show();
}

void tst_LogMsgWnd::loadPage(const QStringList &lines)
{
    camera().edit([&lines](sim::camera::CameraBehaviour &behaviour) {
        behaviour.logs().clear();
        for (const QString &line : lines)
            behaviour.logs().append(kLogName.toStdString(), LocalText::encode(line).toStdString());
    });
    showPage();
    QTRY_VERIFY_WITH_TIMEOUT(!label("allNumber_label").isEmpty() || overlayHasOk(), 8000);
}

QStringList tst_LogMsgWnd::column(int index) const
{
    const QAbstractItemModel *model = child<QTableView>("tableView")->model();
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, index).data().toString();
    return cells;
}

void tst_LogMsgWnd::pagesFollowThePageSize_data()
{
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QString>("lastLabel");
    QTest::addColumn<QStringList>("lastPageOrder");

    QTest::newRow("10") << 0 << "1/3" << "3/3" << QStringList{"21", "22", "23"};
    QStringList all;
    for (int i = 1; i <= 23; ++i)
        all << QStringLiteral("%1").arg(i, 2, 10, QChar('0'));
    QTest::newRow("50") << 1 << "1/1" << "1/1" << all;
    QTest::newRow("100") << 2 << "1/1" << "1/1" << all;
}

void tst_LogMsgWnd::pagesFollowThePageSize()
{
    QFETCH(int, sizeIndex);
    loadPage(linesOfDay(23));
    QCOMPARE(label("allNumber_label"), QStringLiteral("23"));
    auto *sizes = child<QComboBox>("showNum_combo");
    // Leaves page 1 so that a size change is seen going back to it.
    if (sizeIndex == sizes->currentIndex())
        sizes->setCurrentIndex(sizes->count() - 1);
    child<QPushButton>("nextPage_btn")->click();
    sizes->setCurrentIndex(sizeIndex);
    QTEST(label("currentPage_label"), "firstLabel");
    child<QPushButton>("endPage_btn")->click();
    QTEST(label("currentPage_label"), "lastLabel");
    QTEST(column(0), "lastPageOrder");
    QCOMPARE(column(2).last(), QStringLiteral("event 23"));
    QVERIFY(!column(2).last().contains('\r'));
}

void tst_LogMsgWnd::navigationAndJumpsStayInRange()
{
    loadPage(linesOfDay(23));
    auto *page = child<QLabel>("currentPage_label");
    child<QPushButton>("prePage_btn")->click();
    child<QPushButton>("homePage_btn")->click();
    QCOMPARE(page->text(), QStringLiteral("1/3"));
    child<QPushButton>("endPage_btn")->click();
    child<QPushButton>("nextPage_btn")->click();
    QCOMPARE(page->text(), QStringLiteral("3/3"));
    QCOMPARE(column(0), (QStringList{"21", "22", "23"}));

    struct Jump
    {
        const char *text;
        QString page;
        QString error; // empty: errorText hidden
    };
    const Jump jumps[] = {{"", "3/3", "未输入页数"}, {"0", "3/3", "页数超出范围"}, {"2", "2/3", QString()},
                          {"2", "2/3", QString()},  {"4", "2/3", "页数超出范围"}};
    auto *edit = child<QLineEdit>("skipNum_edit");
    auto *error = child<QLabel>("errorText");
    for (const Jump &jump : jumps) {
        edit->setText(QString::fromUtf8(jump.text));
        child<QPushButton>("skip_btn")->click();
        QCOMPARE(page->text(), jump.page);
        QCOMPARE(error->isVisible(), !jump.error.isEmpty());
        if (!jump.error.isEmpty())
            QCOMPARE(error->text(), jump.error);
    }
    QCOMPARE(column(0).first(), QStringLiteral("11"));
}

void tst_LogMsgWnd::searchKeepsItsBoundsAndRefusesAnEndBeforeItsStart()
{
    loadPage({"[2024-03-05 - 08:15:00] []a", "[2024-03-05 - 08:15:01] []b", "abc",
              "[2024-03-05 - 23:59:59] []c", "[2024-03-06 - 00:00:00] []d"});
    auto *start = child<QDateTimeEdit>("start_date");
    auto *end = child<QDateTimeEdit>("end_date");
    auto search = [&](const QDateTime &from, const QDateTime &to) {
        start->setDateTime(from);
        end->setDateTime(to);
        child<QPushButton>("log_search_btn")->click();
        return column(2);
    };
    const QDateTime second(QDate(2024, 3, 5), QTime(8, 15, 1));
    QCOMPARE(search(second, second), QStringList{"b"});
    QCOMPARE(search(QDateTime(QDate(2024, 3, 5), QTime(0, 0)), QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59))),
             (QStringList{"a", "b", "c"}));
    QCOMPARE(label("allNumber_label"), QStringLiteral("3"));
    QVERIFY(!child<QWidget>("point_frame")->isVisible());

    QCOMPARE(search(QDateTime(QDate(2030, 1, 1), QTime(0, 0)), QDateTime(QDate(2030, 1, 2), QTime(0, 0))),
             QStringList());
    QCOMPARE(overlayText(), QStringLiteral("没有符合条件的日志信息"));
    QVERIFY(overlayHasOk());
    QVERIFY(!child<QPushButton>("import_btn")->isEnabled());
    QCOMPARE(label("allNumber_label"), QStringLiteral("0"));

    search(QDateTime(QDate(2024, 3, 6), QTime(0, 0)), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    QVERIFY(child<QWidget>("point_frame")->isVisible());
    QCOMPARE(label("point_text"), QStringLiteral("开始时间不能大于结束时间"));
}

void tst_LogMsgWnd::eachExportWritesTheShownLinesAsGbkToAFileOfItsOwn()
{
    loadPage({QStringLiteral("[2024-03-05 - 08:15:00] []开始录像"), "[2024-03-05 - 08:15:01] []b"});
    child<QPushButton>("import_btn")->click();
    QCOMPARE(overlayText(), QStringLiteral("日志导出结束"));
    QVERIFY(overlayHasOk());
    const QString folder = getLogFilePath();
    QVERIFY(!getLastLogFileName().isEmpty());
    QCOMPARE(label("path"), QDir::toNativeSeparators(folder) + QDir::separator() + getLastLogFileName());
    const QByteArray exported = LocalText::encode(QStringLiteral("2024-03-05 - 08:15:00  ---  开始录像\n"
                                                                 "2024-03-05 - 08:15:01  ---  b\n"))
                                + QByteArray("\n");
    const QString firstName = getLastLogFileName();
    QCOMPARE(readFile(QDir(folder).filePath(firstName)), exported);

    // Exported again at once, mostly within the same second: a file of its own.
    const QString firstPath = label("path");
    child<QPushButton>("import_btn")->click();
    QCOMPARE(overlayText(), QStringLiteral("日志导出结束"));
    QVERIFY(label("path") != firstPath);
    QCOMPARE(label("path"), QDir::toNativeSeparators(folder) + QDir::separator() + getLastLogFileName());
    QCOMPARE(readFile(QDir(folder).filePath(getLastLogFileName())), exported);
    QCOMPARE(readFile(QDir(folder).filePath(firstName)), exported);
}

void tst_LogMsgWnd::exportIsRefusedWhenTheDiskIsTooFullOrNothingIsShown()
{
    loadPage({QStringLiteral("[2024-03-05 - 08:15:00] []开始录像")});
    // 21 + 7 + 8 GBK bytes and a line feed: one byte less than that is too little.
    const qint64 length = LocalText::byteLength(QStringLiteral("2024-03-05 - 08:15:00  ---  开始录像\n"));
    setDiskFreeSpaceOverride([length](const QString &) { return length - 1; });
    child<QPushButton>("import_btn")->click();
    QCOMPARE(overlayText(), QStringLiteral("磁盘空间不足，导出失败"));
    QVERIFY(!QDir(getLogFilePath()).exists());

    setDiskFreeSpaceOverride([length](const QString &) { return length; });
    child<QPushButton>("clear_btn")->click();
    m_page->onImportBtnClicked();
    QCOMPARE(overlayText(), QStringLiteral("日志导出失败"));
    QVERIFY(!QDir(getLogFilePath()).exists() || QDir(getLogFilePath()).isEmpty());
}

void tst_LogMsgWnd::aFailedIndexShowsNoLogsWithoutOk()
{
    camera().setFault(kCmdFindLogFile, sim::CommandFault::fail());
    showPage();
    QTRY_COMPARE_WITH_TIMEOUT(overlayText(), QStringLiteral("未找到日志"), 8000);
    QVERIFY(overlayShown());
    QVERIFY(!overlayHasOk());

}

void tst_LogMsgWnd::overlayOffersOkAfterARunWithoutEntries()
{
    // A run that fetches a file without one entry.
    loadPage({"", "[]x"});
    QCOMPARE(overlayText(), QStringLiteral("未找到日志"));
    QVERIFY(overlayShown());
    QVERIFY(overlayHasOk());
}

void tst_LogMsgWnd::aSecondShowWhileTheRequestIsOpenSendsNoSecondRequest()
{
    camera().setFault(kCmdFindLogFile, sim::CommandFault::noAnswer());
    camera().clearReceived();
    showPage();
    QTRY_COMPARE(m_rig->sent(0, kCmdFindLogFile).size(), 1);
    m_page->hide();
    m_page->show();
    QCOMPARE(overlayText(), QStringLiteral("正在加载，请稍候..."));
    QVERIFY(overlayShown());
    QTest::qWait(300); // a second request would be on the bus by now
    QCOMPARE(m_rig->sent(0, kCmdFindLogFile).size(), 1);
}

void tst_LogMsgWnd::theCamerasOwnLogsAreFetchedListedSearchedAndExported()
{
    showPage();
    QTRY_VERIFY_WITH_TIMEOUT(!label("allNumber_label").isEmpty(), 8000);
    QVERIFY(!overlayShown());
    // Three days of ten events each, fetched into the working folder.
    QCOMPARE(label("allNumber_label"), QStringLiteral("30"));
    QCOMPARE(QDir(m_dir->path()).entryList({"*.txt"}).size(), 3);

    const QDate today = QDate::currentDate();
    child<QDateTimeEdit>("start_date")->setDateTime(QDateTime(today, QTime(0, 0)));
    child<QDateTimeEdit>("end_date")->setDateTime(QDateTime(today, QTime(23, 59, 59)));
    child<QPushButton>("log_search_btn")->click();
    QCOMPARE(label("allNumber_label"), QStringLiteral("10"));
    QCOMPARE(column(1).first(), today.toString("yyyy-MM-dd") + QStringLiteral(" - 07:58:12"));

    child<QPushButton>("import_btn")->click();
    QCOMPARE(overlayText(), QStringLiteral("日志导出结束"));
    QFile file(QDir(getLogFilePath()).filePath(getLastLogFileName()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), 11);
}

QTEST_MAIN(tst_LogMsgWnd)
#include "tst_LogMsgWnd.moc"
