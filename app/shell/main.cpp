#include "ApplicationLook.h"
#include "Mostrel.h"
#include "Tessvar.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

namespace {

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
