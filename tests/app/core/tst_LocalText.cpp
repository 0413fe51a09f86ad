#include "LocalText.h"

#include <QtTest>

class tst_LocalText : public QObject
{
    Q_OBJECT

private slots:
    void chineseTextRoundTrips()
    {
        const QString text = QStringLiteral("执法记录仪 DSJ-01 中文");
        QCOMPARE(LocalText::decode(LocalText::encode(text)), text);
    }

    void encodesAsGbkWhateverTheLocale()
    {
        QCOMPARE(LocalText::encode(QStringLiteral("中A")), QByteArray("\xD6\xD0" "A"));
        QCOMPARE(LocalText::decode(QByteArray("\xD6\xD0" "A")), QStringLiteral("中A"));
    }

    void countsGbkBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("ascii") << QStringLiteral("ABC123") << 6;
        QTest::newRow("chinese") << QStringLiteral("中文") << 4;
        QTest::newRow("mixed") << QStringLiteral("A中b文") << 6;
        QTest::newRow("full-width colon") << QStringLiteral("：") << 2;
    }

    void countsGbkBytes()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(LocalText::byteLength(text), bytes);
    }

    void fieldStopsAtNulOrItsWidth()
    {
        const char padded[8] = {'\xD6', '\xD0', 'A', '\0', 'X', 'X', 'X', 'X'};
        QCOMPARE(LocalText::decodeField(padded, 8), QStringLiteral("中A"));
        const char full[4] = {'A', 'B', 'C', 'D'};
        QCOMPARE(LocalText::decodeField(full, 3), QStringLiteral("ABC"));
        QCOMPARE(LocalText::decodeField(nullptr, 4), QString());
    }
};

QTEST_GUILESS_MAIN(tst_LocalText)
#include "tst_LocalText.moc"
