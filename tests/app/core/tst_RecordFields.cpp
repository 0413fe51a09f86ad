#include "Ipv4Text.h"
#include "RecordWriter.h"

#include <QtTest>

#include <array>

// The building blocks of every record a setter sends: dotted addresses,
// numbers typed as text, and texts cut to their field.
class tst_RecordFields : public QObject
{
    Q_OBJECT

private slots:
    void addressesReadEachPartAsDecimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // empty: the invalid address
        QTest::newRow("plain") << "192.168.1.10" << QByteArray("\xC0\xA8\x01\x0A", 4);
        QTest::newRow("leading zero is not octal") << "192.168.1.010" << QByteArray("\xC0\xA8\x01\x0A", 4);
        QTest::newRow("09 is nine") << "192.168.001.09" << QByteArray("\xC0\xA8\x01\x09", 4);
        QTest::newRow("zeros") << "0.0.0.0" << QByteArray(4, '\0');
        QTest::newRow("blanks around") << " 10.0.0.1 " << QByteArray("\x0A\x00\x00\x01", 4);
        QTest::newRow("broadcast") << "255.255.255.255" << QByteArray(4, '\xFF');
        QTest::newRow("part above 255") << "192.168.1.256" << QByteArray();
        QTest::newRow("four digits") << "192.168.1.0010" << QByteArray();
        QTest::newRow("three parts") << "192.168.1" << QByteArray();
        QTest::newRow("five parts") << "1.2.3.4.5" << QByteArray();
        QTest::newRow("empty part") << "1..3.4" << QByteArray();
        QTest::newRow("sign") << "+1.2.3.4" << QByteArray();
        QTest::newRow("hex") << "0x1.2.3.4" << QByteArray();
        QTest::newRow("letters") << "abc" << QByteArray();
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("full-width digit") << QStringLiteral("1.2.3.４") << QByteArray();
    }

    void addressesReadEachPartAsDecimal()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const quint32 address = Ipv4Text::toWire(text);
        if (bytes.isEmpty()) {
            QCOMPARE(address, Ipv4Text::kInvalid);
            return;
        }
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&address), 4), bytes);
    }

    void addressTextRoundTrips()
    {
        QCOMPARE(Ipv4Text::fromWire(Ipv4Text::toWire("10.20.30.040")), QString("10.20.30.40"));
    }

    void numbersTypedAsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("port") << "8080" << 8080;
        QTest::newRow("largest") << "65535" << 65535;
        QTest::newRow("too large") << "65536" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("hex") << "0x10" << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void numbersTypedAsText()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(int(RecordWriter::numberText(text)), number);
    }

    void textsFitTheirFieldAtWholeCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QByteArray>("field"); // 6 bytes
        using E = RecordWriter::Encoding;
        using W = RecordWriter::Width;
        QTest::newRow("short, padded")
                << "ab" << int(E::Utf8) << int(W::NulTerminated) << QByteArray("ab\0\0\0\0", 6);
        QTest::newRow("char[6] keeps 5")
                << "abcdefg" << int(E::Utf8) << int(W::NulTerminated) << QByteArray("abcde\0", 6);
        QTest::newRow("up to 6 keeps 6")
                << "abcdefg" << int(E::Utf8) << int(W::Full) << QByteArray("abcdef", 6);
        // 中 is three bytes in UTF-8 and two in GBK.
        QTest::newRow("utf-8 cut before a character")
                << QStringLiteral("中文") << int(E::Utf8) << int(W::NulTerminated)
                << QByteArray("\xE4\xB8\xAD\0\0\0", 6);
        QTest::newRow("utf-8 full width") << QStringLiteral("中文") << int(E::Utf8) << int(W::Full)
                                          << QByteArray("\xE4\xB8\xAD\xE6\x96\x87", 6);
        QTest::newRow("gbk cut before a character")
                << QStringLiteral("ab中文") << int(E::Local) << int(W::NulTerminated)
                << QByteArray("ab\xD6\xD0\0\0", 6);
        QTest::newRow("gbk full width") << QStringLiteral("中文字") << int(E::Local) << int(W::Full)
                                        << QByteArray("\xD6\xD0\xCE\xC4\xD7\xD6", 6);
        QTest::newRow("surrogate pair stays whole") << QStringLiteral("ab😀") << int(E::Utf8)
                                                    << int(W::NulTerminated) << QByteArray("ab\0\0\0\0", 6);
        QTest::newRow("ends at an embedded NUL") << QString::fromLatin1("ab\0cd", 5) << int(E::Utf8)
                                                 << int(W::Full) << QByteArray("ab\0\0\0\0", 6);
        // 张三 in GBK, handed back untouched into a UTF-8 field.
        QTest::newRow("verbatim bytes ignore the encoding")
                << RecordWriter::verbatim("\xD5\xC5\xC8\xFD") << int(E::Utf8) << int(W::Full)
                << QByteArray("\xD5\xC5\xC8\xFD\0\0", 6);
        QTest::newRow("verbatim bytes fill a full-width field")
                << RecordWriter::verbatim("\xFF\x80xyz!") << int(E::Local) << int(W::Full)
                << QByteArray("\xFF\x80xyz!", 6);
        QTest::newRow("verbatim bytes keep a NUL terminator")
                << RecordWriter::verbatim("abcdefg") << int(E::Utf8) << int(W::NulTerminated)
                << QByteArray("abcde\0", 6);
        QTest::newRow("verbatim bytes beside typed text")
                << QStringLiteral("中") + RecordWriter::verbatim("\xB1") << int(E::Local) << int(W::Full)
                << QByteArray("\xD6\xD0\xB1\0\0\0", 6);
    }

    void textsFitTheirFieldAtWholeCharacters()
    {
        QFETCH(QString, text);
        QFETCH(int, encoding);
        QFETCH(int, limit);
        QFETCH(QByteArray, field);
        std::array<char, 10> record;
        record.fill('\x55');
        RecordWriter(record.data(), int(record.size()))
                .text(2, 6, text, RecordWriter::Encoding(encoding), RecordWriter::Width(limit));
        QCOMPARE(QByteArray(record.data() + 2, 6), field);
        QCOMPARE(QByteArray(record.data(), 2), QByteArray(2, '\x55'));
        QCOMPARE(QByteArray(record.data() + 8, 2), QByteArray(2, '\x55'));
    }

    void numbersAreLittleEndianAndStayInside()
    {
        std::array<char, 8> record {};
        RecordWriter writer(record.data(), int(record.size()));
        writer.u16(0, 0x1234);
        writer.i32(2, -2);
        writer.u8(6, 0xAB);
        QCOMPARE(QByteArray(record.data(), 8), QByteArray("\x34\x12\xFE\xFF\xFF\xFF\xAB\0", 8));
    }
};

QTEST_GUILESS_MAIN(tst_RecordFields)
#include "tst_RecordFields.moc"
