// The live byte limit of the text fields that end up in camera records.

#include "ByteLimit.h"

#include <QLineEdit>
#include <QtTest>

class TestByteLimit : public QObject
{
    Q_OBJECT

private slots:
    void cutKeepsThePrefixWithinTheEstimate_data();
    void cutKeepsThePrefixWithinTheEstimate();
    void anEditStaysWithinItsBytesWhileTheOperatorTypes_data();
    void anEditStaysWithinItsBytesWhileTheOperatorTypes();
};

void TestByteLimit::cutKeepsThePrefixWithinTheEstimate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("kept");

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // a surrogate pair
    QTest::newRow("empty text") << QString() << 32 << QString();
    QTest::newRow("ascii within") << "abc" << 3 << "abc";
    QTest::newRow("ascii over") << "abcd" << 3 << "abc";
    QTest::newRow("chinese counts two") << "中文字" << 5 << "中文";
    QTest::newRow("budget below the first character") << "中" << 1 << QString();
    QTest::newRow("negative budget") << "abc" << -2 << QString();
    QTest::newRow("NUL counts two") << QString(QChar(0)) + "a" << 2 << QString(QChar(0));
    QTest::newRow("pair kept whole") << "ab" + emoji << 6 << "ab" + emoji;
    QTest::newRow("pair never split") << "ab" + emoji << 5 << "ab";
}

void TestByteLimit::cutKeepsThePrefixWithinTheEstimate()
{
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    QFETCH(QString, kept);
    QCOMPARE(cutTextToBytes(text, maxBytes), kept);
}

void TestByteLimit::anEditStaysWithinItsBytesWhileTheOperatorTypes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter");

    const QString full = QString(16, 'a') + QString(16, 'z');
    const QString han16 = QString(16, QChar(0x4E2D));
    QTest::newRow("33rd ascii at the end") << QString(32, 'a') << 32 << "b" << QString(32, 'a') << 32;
    QTest::newRow("typing in the middle of a full text") << full << 16 << "XY" << full << 16;
    QTest::newRow("paste in the middle keeps the tail")
            << QString(10, 'a') + QString(10, 'b') << 10 << "0123456789ABCDEF"
            << QString(10, 'a') + "0123456789AB" + QString(10, 'b') << 22;
    QTest::newRow("16 chinese characters fit") << QString() << 0 << han16 << han16 << 16;
    QTest::newRow("a 17th chinese character goes") << han16 << 16 << QString(QChar(0x4E2D)) << han16 << 16;
    QTest::newRow("ascii in the middle of chinese")
            << QString(15, QChar(0x4E2D)) << 5 << "abc"
            << QString(5, QChar(0x4E2D)) + "ab" + QString(10, QChar(0x4E2D)) << 7;
    QTest::newRow("within the limit nothing changes") << "abc" << 1 << "XY"
                                                      << "aXYbc" << 3;
}

void TestByteLimit::anEditStaysWithinItsBytesWhileTheOperatorTypes()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, input);
    QFETCH(QString, after);
    QFETCH(int, cursorAfter);

    QLineEdit edit;
    edit.setMaxLength(64);
    edit.setText(before);
    connect(&edit, &QLineEdit::textChanged, &edit, [&edit] { limitEditBytes(&edit, 32); });
    edit.setCursorPosition(cursor);
    edit.insert(input); // what typing and pasting both do

    QCOMPARE(edit.text(), after);
    QCOMPARE(edit.cursorPosition(), cursorAfter);
}

QTEST_MAIN(TestByteLimit)
#include "tst_ByteLimit.moc"
