#include "DirRecord.h"
#include "DiskSpace.h"
#include "IniConfig.h"
#include "LocalPaths.h"
#include "LocalText.h"
#include "LogFileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::Append) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_LocalStores : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void lastRecordOfAKeyWins()
    {
        const QString store = m_dir.filePath("order.dat");
        QVERIFY(saveDirRecord(store, DownloadFolderKey, QStringLiteral("D:/a")));
        QVERIFY(saveDirRecord(store, LogFolderKey, QStringLiteral("E:/logs")));
        QVERIFY(saveDirRecord(store, DownloadFolderKey, QStringLiteral("/home/张三/视频")));
        QCOMPARE(readDirRecord(store, DownloadFolderKey), QStringLiteral("/home/张三/视频"));
        QCOMPARE(readDirRecord(store, LogFolderKey), QStringLiteral("E:/logs"));
        QCOMPARE(QFile(store).size(), 3 * 260);
    }

    void recordLayout()
    {
        const QString store = m_dir.filePath("layout.dat");
        QVERIFY(saveDirRecord(store, LogFolderKey, QStringLiteral("/tmp/x")));
        const QByteArray record = contents(store);
        QCOMPARE(record.size(), 260);
        QCOMPARE(qFromLittleEndian<qint32>(record.constData()), 1002);
        QByteArray expected("/tmp/x");
        expected.append(256 - expected.size(), '\0');
        QCOMPARE(record.mid(4), expected);
    }

    void missingFileOrKeyGivesEmpty()
    {
        const QString store = m_dir.filePath("sparse.dat");
        QCOMPARE(readDirRecord(store, DownloadFolderKey), QString());
        QVERIFY(append(store, QByteArray()));
        QCOMPARE(readDirRecord(store, DownloadFolderKey), QString());
        QVERIFY(saveDirRecord(store, LogFolderKey, QStringLiteral("/logs")));
        QCOMPARE(readDirRecord(store, DownloadFolderKey), QString());
    }

    void tornTailIsTolerated()
    {
        const QString store = m_dir.filePath("torn.dat");
        QVERIFY(saveDirRecord(store, DownloadFolderKey, QStringLiteral("/first")));
        QByteArray torn(100, '\0');
        qToLittleEndian<qint32>(DownloadFolderKey, torn.data());
        torn.replace(4, 7, "/broken");
        QVERIFY(append(store, torn));
        QCOMPARE(readDirRecord(store, DownloadFolderKey), QStringLiteral("/first"));

        // A new record after the torn one must still be found.
        QVERIFY(saveDirRecord(store, LogFolderKey, QStringLiteral("/after")));
        QCOMPARE(readDirRecord(store, LogFolderKey), QStringLiteral("/after"));
        QCOMPARE(readDirRecord(store, DownloadFolderKey), QStringLiteral("/first"));
        QCOMPARE(QFile(store).size(), 2 * 260);
    }

    void pathLengthLimit_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("stored");
        QTest::newRow("255 bytes") << QString(255, QLatin1Char('a')) << true;
        QTest::newRow("256 bytes") << QString(256, QLatin1Char('a')) << false;
        QTest::newRow("255 bytes of Chinese") << QString(85, QChar(0x4E2D)) << true;
        QTest::newRow("258 bytes of Chinese") << QString(86, QChar(0x4E2D)) << false;
    }

    void pathLengthLimit()
    {
        QFETCH(QString, path);
        QFETCH(bool, stored);
        const QString store = m_dir.filePath(QStringLiteral("limit-%1.dat").arg(QTest::currentDataTag()));
        QVERIFY(saveDirRecord(store, DownloadFolderKey, QStringLiteral("/before")));
        QCOMPARE(saveDirRecord(store, DownloadFolderKey, path), stored);
        QCOMPARE(readDirRecord(store, DownloadFolderKey), stored ? path : QStringLiteral("/before"));
    }

    void unwritableStoreIsRefused()
    {
        QVERIFY(!saveDirRecord(m_dir.filePath("no/such/folder/temp.dat"), DownloadFolderKey, QStringLiteral("/x")));
    }

    void configDefaultIsWrittenOnce()
    {
        const QString config = QCoreApplication::applicationDirPath() + QStringLiteral("/Config.ini");
        QFile::remove(config);
        IniConfig *ini = IniConfig::getInstance();
        QVERIFY(QFile::exists(config));
        QCOMPARE(ini->getValue("Config", "UpgradeFilePath", QString()), QDir::homePath());

        ini->setValue("Config", "UpgradeFilePath", QStringLiteral("/opt/固件"));
        QCOMPARE(IniConfig::getInstance(), ini);
        QCOMPARE(ini->getValue("Config", "UpgradeFilePath", QString()), QStringLiteral("/opt/固件"));
        QCOMPARE(ini->getValue("Config", "Missing", QStringLiteral("fallback")), QStringLiteral("fallback"));
        QVERIFY(contents(config).contains("[Config]"));
    }

    void logFileIsNamedByTheTimeInANewFolder()
    {
        const QString folder = m_dir.filePath("exports/deeper");
        const QString text = QStringLiteral("[2024-01-02 - 03:04:05][]开机");
        QVERIFY(writeLogFile(text, folder));
        const QString name = getLastLogFileName();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{14}log\\.txt$")).match(name).hasMatch(), qPrintable(name));
        QVERIFY(qAbs(QDateTime::fromString(name.left(14), QStringLiteral("yyyyMMddHHmmss"))
                         .secsTo(QDateTime::currentDateTime())) < 5);
        QCOMPARE(contents(folder + QLatin1Char('/') + name), LocalText::encode(text + QLatin1Char('\n')));
    }

    void exportsOfTheSameSecondEachGetTheirOwnWholeFile()
    {
        const QStringList texts = {QStringLiteral("a much longer first export"), QStringLiteral("short"),
                                   QStringLiteral("第三次导出")};
        // Retried until all three exports fall into one second.
        QString folder;
        QStringList names;
        for (int attempt = 0; attempt < 5; ++attempt) {
            folder = m_dir.filePath(QStringLiteral("same-second-%1/").arg(attempt));
            names.clear();
            for (const QString &text : texts) {
                QVERIFY(writeLogFile(text, folder));
                names << getLastLogFileName();
            }
            if (names.first().left(14) == names.last().left(14))
                break;
        }
        const QString stamp = names.first().left(14);
        QCOMPARE(names, (QStringList{stamp + "log.txt", stamp + "log_1.txt", stamp + "log_2.txt"}));
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(contents(folder + names.at(i)), LocalText::encode(texts.at(i) + QLatin1Char('\n')));
    }

    void refusedExportsClearTheName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty text") << QString() << m_dir.filePath("refused");
        QTest::newRow("empty folder") << QStringLiteral("text") << QString();
        QTest::newRow("folder is a file") << QStringLiteral("text") << m_dir.filePath("plain-file/sub");
    }

    void refusedExportsClearTheName()
    {
        QFETCH(QString, text);
        QFETCH(QString, folder);
        QVERIFY(append(m_dir.filePath("plain-file"), "x"));
        QVERIFY(writeLogFile(QStringLiteral("ok"), m_dir.filePath("fine")));
        QVERIFY(!getLastLogFileName().isEmpty());
        QVERIFY(!writeLogFile(text, folder));
        QCOMPARE(getLastLogFileName(), QString());
    }

    void freeSpaceOfAFolderNotYetMade()
    {
        // What this account may write, not the blocks kept back for root.
        const qint64 volume = QStorageInfo(m_dir.path()).bytesAvailable();
        const qint64 measured = getDiskFreeSpace(m_dir.filePath("not/yet/made"));
        QVERIFY(measured > 0);
        // Other processes write meanwhile; the same volume is within a margin.
        QVERIFY(qAbs(measured - volume) < 64 * 1024 * 1024);
        QVERIFY(getDiskFreeSpace(QString()) > 0);
    }

    void freeSpaceOverrideAnswersUntilCleared()
    {
        QString asked;
        setVolumeSpaceOverride([&asked](const QString &path) {
            asked = path;
            return VolumeSpace{1000, 42};
        });
        QCOMPARE(getDiskFreeSpace(m_dir.path()), qint64(42));
        QCOMPARE(asked, m_dir.path());
        setDiskFreeSpaceOverride({});
        QVERIFY(getDiskFreeSpace(m_dir.path()) > 42);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_LocalStores)
#include "tst_LocalStores.moc"
