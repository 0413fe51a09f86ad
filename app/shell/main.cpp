#include "ApplicationLook.h"
#include "Dialogs.h"
#include "MainManager.h"
#include "Mostrel.h"
#include "SingleInstanceGuard.h"
#include "StartUp.h"
#include "Tessvar.h"
#include "WidgetManager.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    MostrelInit("log4cxx.properties", 1);
    StartUp::addPluginFolders();

    SingleInstanceGuard instance(QString::fromLatin1(StartUp::kInstanceKey));
    if (!instance.acquire()) {
        Dialogs::warning(nullptr, QCoreApplication::translate("main", "Dravent"),
                         QCoreApplication::translate("main", "Dravent is running."));
        return -1;
    }

    QApplication::setWindowIcon(QIcon(QString::fromLatin1(ApplicationLook::kWindowIconPath)));
    ApplicationLook::substituteFonts();
    ApplicationLook::installTranslation(&application);
    application.setStyleSheet(ApplicationLook::styleSheet());

    int result = 0;
#if __has_include("CLoginWidget.h")
    {
        WidgetManager manager;
        manager.ShowLoginWidget();
        result = application.exec();
    }
#else
    // Until the log-in window is built in, the program lists the attached
    // cameras.
    int count = 0;
    RefreshDecice(&count);
    std::printf("Attached cameras: %d\n", count);
    for (int index = 0; index < count; ++index)
        std::printf("  camera %d\n", index);
    MostrelShutdown();
#endif
    // Cameras still open (the strip's log-out and the USB-disk answer leave
    // theirs open) are closed here, before their reader threads could run
    // into the static objects' destruction.
    MainManager::DestroyInstance();
    instance.release();
    return result;
}
