#include "RecordReader.h"
#include "RecordWriter.h"

#include <QtTest>

// Pages read a reply's fields with RecordReader and send them back with
// RecordWriter: what one writes, the other reads unchanged.
class tst_RecordReader : public QObject
{
    Q_OBJECT

private slots:
    void readsBackWhatTheWriterWrote()
    {
        uchar record[96] = {};
        RecordWriter writer(record, sizeof record);
        writer.u8(0, 0xFE);
        writer.u16(2, 0xBEEF);
        writer.u32(4, 0x01020304);
        writer.i32(8, -5);
        writer.inetAddr(12, 0x0A01A8C0);
        writer.text(16, 16, QStringLiteral("巡逻一组"), RecordWriter::Encoding::Local);
        writer.text(32, 16, QStringLiteral("Zoë"), RecordWriter::Encoding::Utf8);
        writer.text(48, 8, QStringLiteral("ABCDEFGH"), RecordWriter::Encoding::Local,
                    RecordWriter::Width::Full);
        record[56] = 'Z'; // the neighbour of a full field is not part of it

        const RecordReader reader(record, sizeof record);
        QCOMPARE(reader.u8(0), quint8(0xFE));
        QCOMPARE(record[2], uchar(0xEF)); // little-endian
        QCOMPARE(reader.u16(2), quint16(0xBEEF));
        QCOMPARE(reader.u32(4), quint32(0x01020304));
        QCOMPARE(reader.i32(8), -5);
        QCOMPARE(reader.inetAddr(12), quint32(0x0A01A8C0));
        QCOMPARE(reader.text(16, 16, RecordReader::Encoding::Local), QStringLiteral("巡逻一组"));
        QCOMPARE(reader.text(32, 16, RecordReader::Encoding::Utf8), QStringLiteral("Zoë"));
        QCOMPARE(reader.text(48, 8, RecordReader::Encoding::Local), QStringLiteral("ABCDEFGH"));
    }

    void readsATypedRecordBySize()
    {
        struct
        {
            uchar bytes[6];
        } record = {{1, 0, 0, 0, 0x34, 0x12}};
        const RecordReader reader(record);
        QCOMPARE(reader.u32(0), quint32(1));
        QCOMPARE(reader.u16(4), quint16(0x1234));
    }
};

QTEST_GUILESS_MAIN(tst_RecordReader)
#include "tst_RecordReader.moc"
