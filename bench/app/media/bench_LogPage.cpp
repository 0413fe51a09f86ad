// How long the log page takes to read 100,000 log lines, against a plain
// loop that only decodes the same files line by line, and how long a search
// with a new range takes to redraw the page.
//
//     ./build/bench/bench_LogPage

#include "CameraRig.h"
#include "LogMsgWnd.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kFiles = 10;
constexpr int kLinesPerFile = 10000;

void fillCamera(sim::FullCamera &camera)
{
    camera.edit([](sim::camera::CameraBehaviour &behaviour) {
        behaviour.logs().clear();
        for (int file = 0; file < kFiles; ++file) {
            const QDate day = QDate(2024, 3, 1).addDays(file);
            const std::string name = "/mnt/sdcard/log/" + day.toString("yyyyMMdd").toStdString() + ".txt";
            for (int line = 0; line < kLinesPerFile; ++line) {
                if (line % 2500 == 7) {
                    behaviour.logs().append(name, "malformed line without separator");
                    continue;
                }
                const QDateTime time(day, QTime(0, 0).addSecs(line * 8));
                behaviour.logs().append(name, "[" + time.toString("yyyy-MM-dd - hh:mm:ss").toStdString()
                                                  + "] []Record start, channel " + std::to_string(line % 4));
            }
        }
    });
}

qint64 plainRead(const QList<QString> &files)
{
    QElapsedTimer timer;
    timer.start();
    qint64 lines = 0;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream stream(&file);
        stream.setCodec("GBK");
        QString line;
        while (stream.readLineInto(&line))
            ++lines;
    }
    const qint64 elapsed = timer.nsecsElapsed();
    std::printf("A: plain read of %lld lines: %.1f ms\n", lines, elapsed / 1e6);
    return elapsed;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());

    CameraRig rig;
    if (!rig.discover() || !rig.loginAs(0, "123456")) {
        std::fprintf(stderr, "no simulated camera\n");
        return 1;
    }
    fillCamera(rig.camera(0));
    LogMsgWnd page;
    page.resize(1280, 731);
    page.show();
    auto *count = page.findChild<QLabel *>("allNumber_label");
    QElapsedTimer wait;
    wait.start();
    while (count->text().isEmpty() && wait.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (count->text().isEmpty()) {
        std::fprintf(stderr, "the log run did not end\n");
        return 1;
    }

    const qint64 a = plainRead(rig.manager()->GetLogFileList());
    QElapsedTimer timer;
    timer.start();
    page.loadLogFiles();
    auto *start = page.findChild<QDateTimeEdit *>("start_date");
    auto *end = page.findChild<QDateTimeEdit *>("end_date");
    start->setDateTime(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    end->setDateTime(QDateTime(QDate(2024, 3, 10), QTime(23, 59, 59)));
    page.findChild<QPushButton *>("log_search_btn")->click();
    const qint64 b = timer.nsecsElapsed();
    std::printf("B: load, one search and the first page: %.1f ms (%s entries)\n", b / 1e6,
                qPrintable(count->text()));
    std::printf("B/A: %.2f (goal at most 3)\n", double(b) / double(a));

    start->setDateTime(QDateTime(QDate(2024, 3, 4), QTime(6, 0)));
    end->setDateTime(QDateTime(QDate(2024, 3, 6), QTime(18, 0)));
    timer.restart();
    page.findChild<QPushButton *>("log_search_btn")->click();
    std::printf("search with a new range to the page redrawn: %.1f ms (%s entries; goal under 100 ms)\n",
                timer.nsecsElapsed() / 1e6, qPrintable(count->text()));
    return 0;
}
