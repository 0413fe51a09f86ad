#include "ApplicationLook.h"
#include "Dialogs.h"
#include "Mostrel.h"
#include "SingleInstanceGuard.h"
#include "Tessvar.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

namespace {

// Every build uses this key: it is what makes a second start recognise the first.
const char kInstanceKey[] = "Dravent1.0{6F1C2A9E-3B7D-4E58-9A0C-D24B81E7F536}";

void addPluginFolder(const QString &folder)
{
    QCoreApplication::addLibraryPath(QDir::cleanPath(folder + QDir::separator() + QStringLiteral("plugins")));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    MostrelInit("log4cxx.properties", 1);
    // Each call puts its folder first: the working folder's plug-ins win.
    addPluginFolder(QCoreApplication::applicationDirPath());
    addPluginFolder(QDir::currentPath());

    SingleInstanceGuard instance(QString::fromLatin1(kInstanceKey));
    if (!instance.acquire()) {
        Dialogs::warning(nullptr, QCoreApplication::translate("main", "Dravent"),
                         QCoreApplication::translate("main", "Dravent is running."));
        return -1;
    }

    QApplication::setWindowIcon(QIcon(QString::fromLatin1(ApplicationLook::kWindowIconPath)));
    ApplicationLook::substituteFonts();
    ApplicationLook::installTranslation(&application);
    application.setStyleSheet(ApplicationLook::styleSheet());

    // Until the log-in window arrives the program lists the attached cameras.
    int count = 0;
    RefreshDecice(&count);
    std::printf("Attached cameras: %d\n", count);
    for (int index = 0; index < count; ++index)
        std::printf("  camera %d\n", index);

    MostrelShutdown();
    return 0;
}
