// Writes screenshots of the program's real widgets, driven offscreen against
// simulated cameras, in English (through the translation) and in Chinese.
//
//     vantrel_screenshots <folder>       every shot, <folder>/en/<shot>.png and <folder>/zh/<shot>.png
//     vantrel_screenshots --list         the shots' names
//     vantrel_screenshots --shot <name> --language en|zh --output <file.png>
//                                        one shot in this process
//
// Every shot runs in a process of its own: MainManager and the busy overlay's
// frame counter are process-wide.

#include "ApplicationLook.h"
#include "Shot.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

bool isFlat(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = rgb.pixel(0, 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (line[x] != first)
                return false;
    }
    return true;
}

const Shot *findShot(const QString &name)
{
    for (const Shot &shot : Shots::all())
        if (shot.name == name)
            return &shot;
    return nullptr;
}

int runOneShot(QApplication &application, const QString &name, const QString &language, const QString &output)
{
    const Shot *shot = findShot(name);
    if (!shot) {
        std::fprintf(stderr, "no shot named %s\n", qPrintable(name));
        return 2;
    }
    const bool english = language == QLatin1String("en");
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(ApplicationLook::kWindowIconPath)));
    ApplicationLook::substituteFonts();
    if (english && !ApplicationLook::installTranslation(&application)) {
        std::fprintf(stderr, "%s: the translation does not load\n", qPrintable(name));
        return 1;
    }
    application.setStyleSheet(ApplicationLook::styleSheet());

    try {
        ShotContext context(name, english, shot->cameras);
        QWidget *widget = shot->make(context);
        if (!widget)
            throw ShotFailure(QStringLiteral("%1: no widget to grab").arg(name).toStdString());
        if (!widget->isVisible())
            widget->show();
        // Let layouts, style polish and posted events settle.
        for (int round = 0; round < 5; ++round)
            QCoreApplication::processEvents();
        const QImage image = widget->grab().toImage();
        if (image.isNull() || isFlat(image))
            throw ShotFailure(QStringLiteral("%1: the picture is one flat colour").arg(name).toStdString());
        QDir().mkpath(QFileInfo(output).absolutePath());
        if (!image.save(output, "PNG"))
            throw ShotFailure(QStringLiteral("%1: cannot write %2").arg(name, output).toStdString());
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}

// One shot in one language, in a process of its own.
struct ShotRun {
    QString name;
    const char *language;
    QString output;
    std::unique_ptr<QProcess> process;
};

void startShot(ShotRun &run)
{
    QFile::remove(run.output);
    run.process = std::make_unique<QProcess>();
    run.process->setProcessChannelMode(QProcess::ForwardedChannels);
    run.process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--shot"), run.name, QStringLiteral("--language"),
                        QLatin1String(run.language), QStringLiteral("--output"), run.output});
}

bool finishShot(ShotRun &run)
{
    QProcess &process = *run.process;
    const bool finished = process.waitForFinished(60000);
    const bool written = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
            && QFile::exists(run.output);
    std::printf("%-6s %s/%s\n", written ? "ok" : "FAILED", run.language, qPrintable(run.name));
    if (!written)
        process.kill();
    run.process.reset();
    return written;
}

// The shots run side by side on half the cores (the tests around them take
// the rest) and report in their fixed order.
int runEveryShot(const QString &folder)
{
    std::vector<ShotRun> runs;
    for (const Shot &shot : Shots::all())
        for (const char *language : {"en", "zh"})
            runs.push_back({shot.name, language,
                            QDir(folder).filePath(QLatin1String(language) + QLatin1Char('/') + shot.name + ".png"),
                            nullptr});
    const std::size_t sideBySide = std::size_t(std::max(1, QThread::idealThreadCount() / 2));
    int failed = 0;
    std::size_t oldest = 0;
    for (std::size_t next = 0; next < runs.size(); ++next) {
        if (next - oldest == sideBySide && !finishShot(runs[oldest++]))
            ++failed;
        startShot(runs[next]);
    }
    while (oldest < runs.size())
        if (!finishShot(runs[oldest++]))
            ++failed;
    std::printf("%d shots in %s, %d failed\n", int(runs.size()), qPrintable(folder), failed);
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();

    if (arguments.size() == 2 && arguments.at(1) == QLatin1String("--list")) {
        for (const Shot &shot : Shots::all())
            std::printf("%s\n", qPrintable(shot.name));
        return 0;
    }
    if (arguments.size() == 7 && arguments.at(1) == QLatin1String("--shot")
        && arguments.at(3) == QLatin1String("--language") && arguments.at(5) == QLatin1String("--output"))
        return runOneShot(application, arguments.at(2), arguments.at(4), arguments.at(6));
    if (arguments.size() == 2 && !arguments.at(1).startsWith(QLatin1String("--")))
        return runEveryShot(arguments.at(1));

    std::fprintf(stderr, "usage: %s <folder> | --list | --shot <name> --language en|zh --output <file>\n",
                 argv[0]);
    return 2;
}
