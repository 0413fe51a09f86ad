// Reading one camera log line and searching the entries by time.

#include "LogEntry.h"
#include "LocalText.h"

#include <QtTest>

#include <ctime>

class tst_LogEntry : public QObject
{
    Q_OBJECT

private slots:
    void aLineGivesItsTimeAndDetails_data();
    void aLineGivesItsTimeAndDetails();
    void theFastTimeReadingAgreesWithQt_data();
    void theFastTimeReadingAgreesWithQt();
    void aSearchKeepsTheEntriesBetweenItsBoundsIncluded();
    void packedKeysFindWhatTheTextSearchFinds_data();
    void packedKeysFindWhatTheTextSearchFinds();
    void anEntryReadAgainHoldsOnlyTheNewLine_data();
    void anEntryReadAgainHoldsOnlyTheNewLine();
    void timesReadDayByDayAgreeWithLocalTime_data();
    void timesReadDayByDayAgreeWithLocalTime();
};

void tst_LogEntry::aLineGivesItsTimeAndDetails_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isEntry");
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QString>("searchKey");

    QTest::newRow("normal") << "[2024-03-05 - 08:15:00] []Record start" << true << "2024-03-05 - 08:15:00"
                            << "Record start" << "2024-03-05 08:15:00";
    QTest::newRow("CR LF") << "[2024-03-05 - 08:15:00] []Record stop\r\n" << true << "2024-03-05 - 08:15:00"
                           << "Record stop" << "2024-03-05 08:15:00";
    QTest::newRow("no separator") << "abc" << true << "abc" << QString() << QString();
    QTest::newRow("empty") << "" << false << QString() << QString() << QString();
    QTest::newRow("empty time part") << "[]x" << false << QString() << QString() << QString();
    QTest::newRow("second separator dropped") << "[2024-03-05 - 08:15:00] []one[]two" << true
                                              << "2024-03-05 - 08:15:00" << "one" << "2024-03-05 08:15:00";
    QTest::newRow("bad date") << "[2024-02-30 - 08:15:00] []x" << true << "2024-02-30 - 08:15:00" << "x"
                              << QString();
    QTest::newRow("GBK details") << QStringLiteral("[2024-03-05 - 09:00:00] []开始录像") << true
                                 << "2024-03-05 - 09:00:00" << QStringLiteral("开始录像")
                                 << "2024-03-05 09:00:00";
}

void tst_LogEntry::aLineGivesItsTimeAndDetails()
{
    QFETCH(QString, line);
    QFETCH(bool, isEntry);
    LogEntry entry;
    // The line takes the way the page reads it: GBK bytes decoded.
    QCOMPARE(LogLine::parse(LocalText::decode(LocalText::encode(line)), entry), isEntry);
    if (!isEntry)
        return;
    QTEST(entry.timeText, "timeText");
    QTEST(entry.details, "details");
    QTEST(entry.searchKey, "searchKey");
    QVERIFY(!entry.details.contains('\r'));
    QCOMPARE(entry.time.isValid(), !entry.searchKey.isEmpty());
}

void tst_LogEntry::theFastTimeReadingAgreesWithQt_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"2024-03-05 - 08:15:00", "2024-03-05 - 23:59:59", "2024-02-29 - 00:00:00",
                             "2023-02-29 - 00:00:00", "2024-13-01 - 00:00:00", "2024-03-05 - 24:00:00",
                             "2024-03-05 - 08:60:00", "2024-03-05 - 08:15:61", "0000-01-01 - 00:00:00",
                             "abc", "2024-3-5 - 8:15:00", "2024-03-05 08:15:00", "2024-03-05 - 08:15:0x"})
        QTest::newRow(text) << QString::fromLatin1(text);
}

void tst_LogEntry::theFastTimeReadingAgreesWithQt()
{
    QFETCH(QString, text);
    QCOMPARE(LogLine::parseTime(text), QDateTime::fromString(text, QLatin1String(LogLine::kTimeFormat)));
}

void tst_LogEntry::aSearchKeepsTheEntriesBetweenItsBoundsIncluded()
{
    QList<LogEntry> entries;
    for (const char *line : {"[2024-03-05 - 08:15:00] []a", "[2024-03-05 - 08:15:01] []b", "abc",
                             "[2024-03-05 - 23:59:59] []c", "[2024-03-06 - 00:00:00] []d"}) {
        LogEntry entry;
        QVERIFY(LogLine::parse(QString::fromLatin1(line), entry));
        entries.append(entry);
    }
    auto detailsOf = [](const QList<LogEntry> &kept) {
        QStringList details;
        for (const LogEntry &entry : kept)
            details << (entry.details.isEmpty() ? entry.timeText : entry.details);
        return details;
    };
    const QDateTime second(QDate(2024, 3, 5), QTime(8, 15, 1));
    QCOMPARE(detailsOf(LogLine::filterByTime(entries, second, second)), QStringList{"b"});
    const QDateTime dayStart(QDate(2024, 3, 5), QTime(0, 0, 0));
    const QDateTime dayEnd(QDate(2024, 3, 5), QTime(23, 59, 59));
    QCOMPARE(detailsOf(LogLine::filterByTime(entries, dayStart, dayEnd)), (QStringList{"a", "b", "c"}));
    QCOMPARE(LogLine::filterByTime(entries, QDateTime(), dayEnd).size(), entries.size());
    const QDateTime early(QDate(2000, 1, 1), QTime(0, 0));
    const QDateTime late(QDate(2099, 1, 1), QTime(0, 0));
    QVERIFY(!detailsOf(LogLine::filterByTime(entries, early, late)).contains("abc"));
}

void tst_LogEntry::packedKeysFindWhatTheTextSearchFinds_data()
{
    QTest::addColumn<QString>("oddKey");
    QTest::newRow("every key packed") << QString();
    // A key of another shape sends the whole search to the texts.
    QTest::newRow("one odd key") << "2024-03-05T08:15:00";
}

void tst_LogEntry::packedKeysFindWhatTheTextSearchFinds()
{
    QFETCH(QString, oddKey);

    QList<LogEntry> entries;
    LogLine::SearchKeys keys;
    for (const char *line : {"[2024-03-05 - 08:15:00] []a", "abc", "[2024-03-05 - 08:15:01] []b",
                             "[2024-02-30 - 08:15:00] []bad", "[2023-12-31 - 23:59:59] []c",
                             "[2024-03-06 - 00:00:00] []d", "[9999-12-31 - 23:59:59] []e"}) {
        LogEntry entry;
        QVERIFY(LogLine::parse(QString::fromLatin1(line), entry));
        entries.append(entry);
    }
    if (!oddKey.isEmpty())
        entries[1].searchKey = oddKey;
    for (const LogEntry &entry : qAsConst(entries))
        keys.append(entry);

    const QDateTime bounds[] = {QDateTime(), QDateTime(QDate(2024, 3, 5), QTime(8, 15, 0)),
                                QDateTime(QDate(2024, 3, 5), QTime(8, 15, 1)),
                                QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)),
                                QDateTime(QDate(2000, 1, 1), QTime(0, 0)), QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59))};
    for (const QDateTime &start : bounds) {
        for (const QDateTime &end : bounds) {
            QVector<int> packed;
            keys.rowsByTime(entries, start, end, packed);
            QCOMPARE(packed, LogLine::rowsByTime(entries, start, end));
        }
    }
}

void tst_LogEntry::anEntryReadAgainHoldsOnlyTheNewLine_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    const QString longLine = "[2024-03-05 - 08:15:00] []" + QString(200, 'x');
    QTest::newRow("long, then short") << longLine << "[2024-03-06 - 09:00:01] []y";
    QTest::newRow("short, then long") << "[2024-03-06 - 09:00:01] []y" << longLine;
    QTest::newRow("stamped, then unstamped") << longLine << "abc";
    QTest::newRow("stamped, then a bad date") << longLine << "[2024-02-30 - 08:15:00] []z";
    QTest::newRow("unstamped, then stamped") << "abc[]def" << longLine;
}

void tst_LogEntry::anEntryReadAgainHoldsOnlyTheNewLine()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    LogLine::LocalDays days;
    LogEntry reused;
    QVERIFY(LogLine::parse(first, reused, &days));
    const LogEntry copy = reused; // shares the text until the entry is read again
    QVERIFY(LogLine::parse(second, reused, &days));
    LogEntry fresh;
    QVERIFY(LogLine::parse(second, fresh));
    QCOMPARE(reused.timeText, fresh.timeText);
    QCOMPARE(reused.details, fresh.details);
    QCOMPARE(reused.searchKey, fresh.searchKey);
    QCOMPARE(reused.time, fresh.time);
    LogEntry again;
    QVERIFY(LogLine::parse(first, again));
    QCOMPARE(copy.timeText, again.timeText);
    QCOMPARE(copy.details, again.details);
}

void tst_LogEntry::timesReadDayByDayAgreeWithLocalTime_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("gap");

    // Ordinary days, a spring-forward day (02:00 to 03:00 does not exist), a
    // fall-back day and a zone that changes at midnight.
    QTest::newRow("UTC") << QByteArray("UTC") << "2024-03-31" << false;
    QTest::newRow("Berlin, ordinary") << QByteArray("Europe/Berlin") << "2024-03-30" << false;
    QTest::newRow("Berlin, gap") << QByteArray("Europe/Berlin") << "2024-03-31" << true;
    QTest::newRow("Berlin, overlap") << QByteArray("Europe/Berlin") << "2024-10-27" << false;
    QTest::newRow("Santiago, gap at midnight") << QByteArray("America/Santiago") << "2024-09-08" << true;
}

void tst_LogEntry::timesReadDayByDayAgreeWithLocalTime()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, day);
    QFETCH(bool, gap);

    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    LogLine::LocalDays days;
    const QDate date = QDate::fromString(day, Qt::ISODate);
    int missing = 0;
    for (int minute = 0; minute < 24 * 60; minute += 15) {
        const QTime time = QTime(0, 0).addSecs(minute * 60 + 7);
        const QDateTime local(date, time);
        const QDateTime read = days.toDateTime(date, time);
        missing += local.isValid() ? 0 : 1;
        QVERIFY2(read.isValid() == local.isValid() && (!local.isValid() || read == local),
                 qPrintable(time.toString()));
    }
    if (saved.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", saved);
    tzset();
    QCOMPARE(missing > 0, gap);
}

QTEST_APPLESS_MAIN(tst_LogEntry)
#include "tst_LogEntry.moc"
