#include "PlatformPort.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

class tst_PlatformPort : public QObject
{
    Q_OBJECT

private slots:
    void threadRunsAndJoins()
    {
        std::atomic<int> runs{0};
        port::Thread *thread = port::startThread(
            [](void *argument) -> unsigned {
                ++*static_cast<std::atomic<int> *>(argument);
                return 0;
            },
            &runs);
        QVERIFY(thread);
        QVERIFY(!port::isCurrentThread(thread));
        port::joinThread(thread);
        QCOMPARE(runs.load(), 1);
    }

    void threadKnowsItself()
    {
        struct Probe {
            port::Thread *self = nullptr;
            std::atomic<bool> ready{false};
            std::atomic<bool> sawItself{false};
        } probe;
        probe.self = port::startThread(
            [](void *argument) -> unsigned {
                auto *p = static_cast<Probe *>(argument);
                while (!p->ready)
                    port::sleepMs(1);
                p->sawItself = port::isCurrentThread(p->self);
                return 0;
            },
            &probe);
        QVERIFY(probe.self);
        probe.ready = true;
        port::joinThread(probe.self);
        QVERIFY(probe.sawItself);
    }

    void filesAndFolders()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.filePath("indexfile"));
        QVERIFY(!port::pathExists(folder));
        QVERIFY(port::createDirectory(folder));
        QVERIFY(port::createDirectory(folder)); // an existing folder is fine
        QVERIFY(port::pathExists(folder));

        const QByteArray file = folder + port::nativeSeparator() + "a.bin";
        QFile f(QFile::decodeName(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(!port::createDirectory(file)); // a file stands in the way
        QVERIFY(port::deleteFile(file));
        QVERIFY(!port::deleteFile(file));
    }
};

QTEST_GUILESS_MAIN(tst_PlatformPort)
#include "tst_PlatformPort.moc"
