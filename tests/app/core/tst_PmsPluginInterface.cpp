#include "PmsPluginInterface.h"

#include <QCoreApplication>
#include <QFile>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

class tst_PmsPluginInterface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QFile::remove(besideProgram()); }
    void cleanupTestCase() { QFile::remove(besideProgram()); }

    void oneInstanceForAllThreads()
    {
        std::vector<PmsPluginInterface *> seen(8, nullptr);
        std::vector<std::thread> askers;
        for (std::size_t i = 0; i < seen.size(); ++i)
            askers.emplace_back([&seen, i] { seen[i] = singleton<PmsPluginInterface>::instance(); });
        for (std::thread &asker : askers)
            asker.join();
        for (PmsPluginInterface *instance : seen)
            QCOMPARE(instance, singleton<PmsPluginInterface>::instance());
    }

    void missingPluginGivesNullUntilItArrives()
    {
        PmsPluginInterface *loader = singleton<PmsPluginInterface>::instance();
        QCOMPARE(loader->GetPluginInterface(), nullptr);
        QCOMPARE(loader->GetPluginInterface(), nullptr);

        QVERIFY(QFile::copy(QStringLiteral(FORM_PLUGIN_STUB), besideProgram()));
        DynamicFormInterface *form = loader->GetPluginInterface();
        QVERIFY(form);
        QCOMPARE(form->formName(nullptr), QStringLiteral("stub form plug-in"));
    }

    void loadedPluginIsKept()
    {
        PmsPluginInterface *loader = singleton<PmsPluginInterface>::instance();
        DynamicFormInterface *first = loader->GetPluginInterface();
        QVERIFY(first);
        // Once loaded, the file is not looked at again.
        QVERIFY(QFile::remove(besideProgram()));
        QCOMPARE(loader->GetPluginInterface(), first);
        QCOMPARE(loader->GetInterface(), first);
        QCOMPARE(first->formName(nullptr), QStringLiteral("stub form plug-in"));
    }

private:
    static QString besideProgram()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/libPlovane.so");
    }
};

QTEST_MAIN(tst_PmsPluginInterface)
#include "tst_PmsPluginInterface.moc"
