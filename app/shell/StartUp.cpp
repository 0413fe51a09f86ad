#include "StartUp.h"

#include <QCoreApplication>
#include <QDir>

namespace StartUp {

const char kInstanceKey[] = "Dravent1.0{6F1C2A9E-3B7D-4E58-9A0C-D24B81E7F536}";

namespace {

void addPluginFolder(const QString &folder)
{
    QCoreApplication::addLibraryPath(QDir::cleanPath(folder + QDir::separator() + QStringLiteral("plugins")));
}

} // namespace

void addPluginFolders()
{
    // Each call puts its folder first: the working folder's plug-ins win.
    addPluginFolder(QCoreApplication::applicationDirPath());
    addPluginFolder(QDir::currentPath());
}

} // namespace StartUp
