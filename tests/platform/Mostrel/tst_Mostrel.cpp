#include "Mostrel.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

// Writes a properties file that sends every line, bare, to one file.
QString writeConfig(const QTemporaryDir &dir, const QString &logName)
{
    const QString configPath = dir.filePath(logName + ".properties");
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly))
        return QString();
    config.write(QStringLiteral("log4j.rootLogger=TRACE, file\n"
                                "log4j.appender.file=org.apache.log4j.FileAppender\n"
                                "log4j.appender.file.File=%1\n"
                                "log4j.appender.file.Append=false\n"
                                "log4j.appender.file.layout=org.apache.log4j.PatternLayout\n"
                                "log4j.appender.file.layout.ConversionPattern=%m%n\n")
                     .arg(dir.filePath(logName))
                     .toUtf8());
    return configPath;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sends standard output and standard error into a file while it lives.
class OutputCapture
{
public:
    explicit OutputCapture(const QString &path)
    {
        std::fflush(stdout);
        std::fflush(stderr);
        m_savedOut = ::dup(1);
        m_savedErr = ::dup(2);
        std::FILE *target = std::fopen(QFile::encodeName(path).constData(), "w");
        ::dup2(fileno(target), 1);
        ::dup2(fileno(target), 2);
        std::fclose(target);
    }
    ~OutputCapture()
    {
        std::fflush(stdout);
        std::fflush(stderr);
        ::dup2(m_savedOut, 1);
        ::dup2(m_savedErr, 2);
        ::close(m_savedOut);
        ::close(m_savedErr);
    }

private:
    int m_savedOut;
    int m_savedErr;
};

class MainManager
{
public:
    int RecvDevLogin(int index, int ret)
    {
        const int line = __LINE__ + 1;
        MOSTREL_LOG("RecvDevLogin(), index = %d, ret = %d\n", index, ret);
        return line;
    }
};

} // namespace

class tst_Mostrel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        MostrelShutdown();
        QVERIFY(m_dir.isValid());
    }

    void cleanupTestCase() { MostrelShutdown(); }

    void callSiteNames_data()
    {
        QTest::addColumn<QString>("pretty");
        QTest::addColumn<QString>("expected");
        QTest::newRow("method") << "void MainManager::RecvDevLogin(int, int)" << "MainManager::RecvDevLogin";
        QTest::newRow("static") << "static void MainManager::MsgCallBack(int, int, int, void*, int, void*)"
                                << "MainManager::MsgCallBack";
        QTest::newRow("constructor") << "MainManager::MainManager(QObject*)" << "MainManager::MainManager";
        QTest::newRow("namespaces") << "bool a::b::Page::save() const" << "Page::save";
        QTest::newRow("template return") << "QMap<int, DEVICE_ID_PARA_T*> Hub::list()" << "Hub::list";
        QTest::newRow("template class") << "void Holder<T>::run() [with T = int]" << "Holder<T>::run";
        QTest::newRow("lambda") << "MainManager::start()::<lambda()>" << "MainManager::start";
        QTest::newRow("free function") << "int main(int, char**)" << "main";
    }

    void callSiteNames()
    {
        QFETCH(QString, pretty);
        QFETCH(QString, expected);
        char buffer[160];
        QCOMPARE(QString::fromLatin1(mostrel::callSite(pretty.toLatin1().constData(), buffer, sizeof buffer)),
                 expected);
    }

    void callSiteIsCutToTheBuffer()
    {
        char buffer[8];
        QCOMPARE(QByteArray(mostrel::callSite("void MainManager::RecvDevLogin(int)", buffer, sizeof buffer)),
                 QByteArray("MainMan"));
    }

    void lineCarriesLevelLoggerLineAndCaller()
    {
        const QString config = writeConfig(m_dir, "text.log");
        QCOMPARE(MostrelInit(config.toLocal8Bit().constData(), 1), 0);
        const int line = MainManager().RecvDevLogin(1, 0);
        MOSTREL_LOG_AS("MSG_CALLBACK", "info index = %d, result = %d, msg_type = %d, buf_size = %d\n", 0, 0, 1021, 4);
        const QByteArray gbkWords = QTextCodec::codecForName("GBK")->fromUnicode(QStringLiteral("磁盘空间"));
        MOSTREL_LOG_AS("LogMsgWnd::onExport", "%s", gbkWords.constData());
        MOSTREL_LOG_AS("Osd::text", "%s", "\x80\x80\x80\x80\x80\x80\x80\x80");
        MostrelShutdown();

        const QList<QByteArray> lines = contents(m_dir.filePath("text.log")).split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], "<" + QByteArray::number(line)
                               + ">\t<MainManager::RecvDevLogin>,RecvDevLogin(), index = 1, ret = 0");
        QVERIFY(lines[1].endsWith("\t<MSG_CALLBACK>,info index = 0, result = 0, msg_type = 1021, buf_size = 4"));
        QVERIFY(lines[2].endsWith(QStringLiteral(">,磁盘空间").toUtf8()));
        QVERIFY(lines[3].endsWith(QStringLiteral(">,€€€€€€€€").toUtf8()));
        QCOMPARE(lines[4], QByteArray());
    }

    void unconvertibleLineIsKeptAndTheNextIsConverted()
    {
        const QString config = writeConfig(m_dir, "broken.log");
        QCOMPARE(MostrelInit(config.toLocal8Bit().constData(), 1), 0);
        MOSTREL_LOG_AS("Test::broken", "%s", "\xD6\xD0\xFF\xFF");
        MOSTREL_LOG_AS("Test::broken", "%s", "\xD6\xD0");
        MostrelShutdown();
        const QList<QByteArray> lines = contents(m_dir.filePath("broken.log")).split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].endsWith(">,\xD6\xD0\xFF\xFF"));
        QVERIFY(lines[1].endsWith(QStringLiteral(">,中").toUtf8()));
    }

    void longLineArrivesWhole()
    {
        const QString config = writeConfig(m_dir, "long.log");
        QCOMPARE(MostrelInit(config.toLocal8Bit().constData(), 1), 0);
        const QByteArray body(3000, 'x');
        QCOMPARE(MOSTREL_LOG_AS("Test::long", "%s|%d\n", body.constData(), 42), 0);
        MostrelShutdown();
        QVERIFY(contents(m_dir.filePath("long.log")).endsWith(">," + body + "|42\n"));
    }

    void linesFromManyThreadsArriveWhole()
    {
        const QString config = writeConfig(m_dir, "threads.log");
        QCOMPARE(MostrelInit(config.toLocal8Bit().constData(), 1), 0);
        const int threadCount = 8;
        const int linesPerThread = 1000;
        std::vector<std::thread> writers;
        for (int t = 0; t < threadCount; ++t) {
            writers.emplace_back([t] {
                for (int i = 0; i < linesPerThread; ++i)
                    MOSTREL_LOG_AS("Writer::run", "thread %d line %d of a line long enough to tear\n", t, i);
            });
        }
        for (std::thread &writer : writers)
            writer.join();
        MostrelShutdown();

        const QList<QByteArray> lines = contents(m_dir.filePath("threads.log")).split('\n');
        QCOMPARE(lines.size(), threadCount * linesPerThread + 1);
        const QRegularExpression whole(
            QStringLiteral("^<\\d+>\t<Writer::run>,thread (\\d) line (\\d+) of a line long enough to tear$"));
        QSet<QString> seen;
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const QRegularExpressionMatch match = whole.match(QString::fromLatin1(lines[i]));
            QVERIFY2(match.hasMatch(), lines[i].constData());
            seen.insert(match.captured(1) + '/' + match.captured(2));
        }
        QCOMPARE(seen.size(), threadCount * linesPerThread);
    }

    void initialisingTwiceKeepsTheFirstConfiguration()
    {
        const QString first = writeConfig(m_dir, "first.log");
        const QString second = writeConfig(m_dir, "second.log");
        QCOMPARE(MostrelInit(first.toLocal8Bit().constData(), 1), 0);
        QCOMPARE(MostrelInit(second.toLocal8Bit().constData(), 1), 0);
        QCOMPARE(MOSTREL_LOG_AS("Test::twice", "once\n"), 0);
        MostrelShutdown();
        QVERIFY(contents(m_dir.filePath("first.log")).endsWith(",once\n"));
        QVERIFY(!QFile::exists(m_dir.filePath("second.log")));
    }

    void linesOutsideInitialisationAreDropped()
    {
        QCOMPARE(MOSTREL_LOG_AS("Test::early", "before\n"), -1);
        const QString config = writeConfig(m_dir, "outside.log");
        QCOMPARE(MostrelInit(config.toLocal8Bit().constData(), 1), 0);
        QCOMPARE(MOSTREL_LOG_AS("Test::during", "during\n"), 0);
        QCOMPARE(MostrelShutdown(), 0);
        QCOMPARE(MOSTREL_LOG_AS("Test::late", "after\n"), -1);
        QCOMPARE(MostrelShutdown(), 0);
        const QByteArray written = contents(m_dir.filePath("outside.log"));
        QVERIFY(written.endsWith(",during\n"));
        QCOMPARE(written.count('\n'), 1);

        // The log-in window is rebuilt after a shut-down; logging comes back.
        const QString again = writeConfig(m_dir, "again.log");
        QCOMPARE(MostrelInit(again.toLocal8Bit().constData(), 1), 0);
        QCOMPARE(MOSTREL_LOG_AS("Test::again", "again\n"), 0);
        MostrelShutdown();
        QVERIFY(contents(m_dir.filePath("again.log")).endsWith(",again\n"));
    }

    void writersSurviveRepeatedShutdowns()
    {
        const QString config = writeConfig(m_dir, "churn.log");
        std::atomic<bool> stop{false};
        std::vector<std::thread> writers;
        for (int t = 0; t < 4; ++t) {
            writers.emplace_back([&stop, t] {
                while (!stop)
                    MOSTREL_LOG_AS("Reader::run", "reader %d\n", t);
            });
        }
        for (int round = 0; round < 20; ++round) {
            MostrelInit(config.toLocal8Bit().constData(), 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            MostrelShutdown();
        }
        stop = true;
        for (std::thread &writer : writers)
            writer.join();
        QVERIFY(contents(m_dir.filePath("churn.log")).contains("<Reader::run>,reader"));
    }

    void missingConfigurationIsSilent()
    {
        const QString captured = m_dir.filePath("output.txt");
        {
            OutputCapture capture(captured);
            QCOMPARE(MostrelInit(m_dir.filePath("absent.properties").toLocal8Bit().constData(), 1), -1);
            QCOMPARE(MostrelInit("absent-log4cxx.properties", 1), -1);
            QCOMPARE(MOSTREL_LOG_AS("Test::quiet", "nobody hears this\n"), -1);
            MostrelShutdown();
        }
        QCOMPARE(contents(captured), QByteArray());
    }

    void shippedConfigurationWritesARollingLog()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const int result = MostrelInit(MOSTREL_SHIPPED_CONFIG, 1);
        const int line = __LINE__ + 1;
        MOSTREL_LOG_AS("Test::shipped", "shipped %d\n", 7);
        MostrelShutdown();
        QDir::setCurrent(previous);
        QCOMPARE(result, 0);
        const QByteArray written = contents(m_dir.filePath("log/Vantrel.log"));
        QVERIFY2(written.endsWith("INFO  Orlesk - <" + QByteArray::number(line) + ">\t<Test::shipped>,shipped 7\n"),
                 written.constData());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_Mostrel)
#include "tst_Mostrel.moc"
