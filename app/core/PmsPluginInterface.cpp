#include "PmsPluginInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

DynamicFormInterface *PmsPluginInterface::GetPluginInterface()
{
    if (m_interface)
        return m_interface;
    // The base name lets the loader add the platform's prefix and suffix
    // (libPlovane.so here).
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(
        QCoreApplication::applicationDirPath() + QDir::separator() + QStringLiteral("Plovane")));
    QPluginLoader loader(path);
    if (!loader.load())
        return nullptr;
    // The loader goes out of scope without unloading: forms built by the
    // plug-in live as long as their pages.
    m_interface = qobject_cast<DynamicFormInterface *>(loader.instance());
    return m_interface;
}
