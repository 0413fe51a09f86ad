#include "ApplicationLook.h"
#include "Dialogs.h"
#include "MainManager.h"
#include "Mostrel.h"
#include "SingleInstanceGuard.h"
#include "StartUp.h"
#include "WidgetManager.h"

#include <QApplication>
#include <QIcon>

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
    {
        WidgetManager manager;
        manager.ShowLoginWidget();
        result = application.exec();
    }
    // Cameras still open (the strip's log-out and the USB-disk answer leave
    // theirs open) are closed here, before their reader threads could run
    // into the static objects' destruction.
    MainManager::DestroyInstance();
    instance.release();
    return result;
}
