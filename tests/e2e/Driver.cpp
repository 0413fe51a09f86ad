// The end-to-end driver: a library preloaded into the unmodified program. It
// does nothing unless VANTREL_E2E_WALK names a walk; then it walks the
// program through its widgets once the event loop runs, and ends the process
// with a message when the walk fails, the GUI thread hangs or a modal
// dialog appears that the walk did not ask for.

#include "Operator.h"
#include "Walks.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

std::atomic<long long> g_lastBeat{0};
constexpr int kBeatMs = 100;

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The GUI thread beats on a timer, which also runs inside nested and modal
// event loops; a thread of our own notices when it stops.
void startWatchdog()
{
    g_lastBeat = nowMs();
    std::thread([] {
        const long long limit = Operator::patienceMs();
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            const long long silent = nowMs() - g_lastBeat.load();
            if (silent > limit) {
                std::fprintf(stderr, "e2e FAILED: the GUI thread has not run for %lld ms (hang)\n", silent);
                std::fflush(stderr);
                std::_Exit(4);
            }
        }
    }).detach();
}

QString describe(QWidget *modal)
{
    QString text = QLatin1String(modal->metaObject()->className()) + QStringLiteral(" \"")
            + modal->windowTitle() + QLatin1Char('"');
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        text += QStringLiteral(": ") + box->text();
    else
        for (QLabel *label : modal->findChildren<QLabel *>())
            if (label->isVisible() && !label->text().isEmpty())
                text += QStringLiteral(" | ") + label->text();
    return text;
}

void beat()
{
    g_lastBeat = nowMs();
    if (QWidget *modal = QApplication::activeModalWidget())
        Operator::fail(QStringLiteral("an unexpected modal dialog: ") + describe(modal));
}

// The walk compares texts with the program's own (Chinese) ones, so the
// English translation the program installs is taken out again.
void dropTranslations()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>())
        QCoreApplication::removeTranslator(translator);
}

void walk(const QString &name)
{
    dropTranslations();
    Walks::Setting setting;
    setting.scratch = qEnvironmentVariable("VANTREL_E2E_SCRATCH");
    const int cameras = qEnvironmentVariableIntValue("VANTREL_E2E_CAMERAS");
    if (cameras > 0)
        setting.cameras = cameras;
    Operator::require(!setting.scratch.isEmpty(), QStringLiteral("VANTREL_E2E_SCRATCH names no folder"));
    if (name == QLatin1String("full"))
        Walks::fullWalk(setting);
    else if (name == QLatin1String("unplug"))
        Walks::unplugWalk(setting);
    else
        Operator::fail(QStringLiteral("no walk named ") + name);
    Operator::step(QStringLiteral("the walk is over; the program should now end"));
}

void startDriver()
{
    const QString name = qEnvironmentVariable("VANTREL_E2E_WALK");
    if (name.isEmpty() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    startWatchdog();
    auto *beats = new QTimer(QCoreApplication::instance());
    QObject::connect(beats, &QTimer::timeout, beats, &beat);
    beats->start(kBeatMs);
    QTimer::singleShot(0, QCoreApplication::instance(), [name] { walk(name); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)
