// The single-instance guard against a second process that holds the key: one
// that runs, one that ended, and one that was killed and left its segment.
//
// The test program is its own helper: started with --hold <key> it takes the
// key, says "held" and keeps it until its standard input closes.

#include "SingleInstanceGuard.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QUuid>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

int holdKey(const QString &key)
{
    SingleInstanceGuard guard(key);
    if (!guard.acquire())
        return 2;
    std::printf("held\n");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) { }
    return 0;
}

} // namespace

class tst_SingleInstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusedWhileAnotherProcessHoldsTheKey();
    void acquiredAfterTheHolderEnded();
    void acquiredAfterTheHolderWasKilled();
    void aSecondGuardInTheSameProcessIsRefused();

private:
    bool startHolder(QProcess &holder);
    QString m_key;
};

void tst_SingleInstanceGuard::init()
{
    // A key of its own for every case and run: no run meets another's segment.
    m_key = QStringLiteral("VantrelGuardTest{%1}").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
}

bool tst_SingleInstanceGuard::startHolder(QProcess &holder)
{
    holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), m_key});
    if (!holder.waitForStarted(10000))
        return false;
    while (!holder.canReadLine())
        if (!holder.waitForReadyRead(10000))
            return false;
    return holder.readLine().trimmed() == "held";
}

void tst_SingleInstanceGuard::refusedWhileAnotherProcessHoldsTheKey()
{
    QProcess holder;
    QVERIFY(startHolder(holder));
    SingleInstanceGuard guard(m_key);
    QVERIFY(!guard.acquire());
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
}

void tst_SingleInstanceGuard::acquiredAfterTheHolderEnded()
{
    QProcess holder;
    QVERIFY(startHolder(holder));
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(holder.exitCode(), 0);
    SingleInstanceGuard guard(m_key);
    QVERIFY(guard.acquire());
}

void tst_SingleInstanceGuard::acquiredAfterTheHolderWasKilled()
{
    QProcess holder;
    QVERIFY(startHolder(holder));
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(holder.exitStatus(), QProcess::CrashExit);
    SingleInstanceGuard guard(m_key);
    QVERIFY(guard.acquire());
    // And the new holder is respected in turn.
    SingleInstanceGuard second(m_key);
    QVERIFY(!second.acquire());
}

void tst_SingleInstanceGuard::aSecondGuardInTheSameProcessIsRefused()
{
    SingleInstanceGuard first(m_key);
    QVERIFY(first.acquire());
    SingleInstanceGuard second(m_key);
    QVERIFY(!second.acquire());
    first.release();
    SingleInstanceGuard third(m_key);
    QVERIFY(third.acquire());
}

int main(int argc, char *argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--hold") {
        QCoreApplication application(argc, argv);
        return holdKey(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication application(argc, argv);
    tst_SingleInstanceGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SingleInstanceGuard.moc"
