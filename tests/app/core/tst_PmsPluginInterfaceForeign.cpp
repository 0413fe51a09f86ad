#include "PmsPluginInterface.h"

#include <QCoreApplication>
#include <QFile>
#include <QPluginLoader>
#include <QtTest>

// A plug-in that loads but declares another interface must not be taken for
// the form plug-in. Kept apart from the other loader test because a loaded
// library stays loaded for the life of the process.
class tst_PmsPluginInterfaceForeign : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFile::remove(besideProgram());
        QVERIFY(QFile::copy(QStringLiteral(FOREIGN_PLUGIN_STUB), besideProgram()));
    }

    void cleanupTestCase() { QFile::remove(besideProgram()); }

    void foreignPluginGivesNull()
    {
        QPluginLoader probe(besideProgram());
        QVERIFY2(probe.load(), qPrintable(probe.errorString()));

        PmsPluginInterface *loader = singleton<PmsPluginInterface>::instance();
        QCOMPARE(loader->GetPluginInterface(), nullptr);
        QCOMPARE(loader->GetPluginInterface(), nullptr);
    }

private:
    static QString besideProgram()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/libPlovane.so");
    }
};

QTEST_MAIN(tst_PmsPluginInterfaceForeign)
#include "tst_PmsPluginInterfaceForeign.moc"
