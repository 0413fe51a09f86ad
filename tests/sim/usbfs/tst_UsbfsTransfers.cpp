#include "DeviceSide.h"
#include "InTransferCursor.h"
#include "OutTransferAssembler.h"
#include "UsbDeviceDescription.h"

#include <QtTest>

#include <deque>

using Lengths = QVector<int>;
Q_DECLARE_METATYPE(Lengths)

namespace {

// A device whose IN transfers are given up front.
class ScriptedDevice : public sim::DeviceSide
{
public:
    explicit ScriptedDevice(const Lengths &lengths)
    {
        std::uint8_t next = 0;
        for (int length : lengths) {
            std::vector<std::uint8_t> transfer(static_cast<std::size_t>(length));
            for (auto &byte : transfer)
                byte = next++;
            transfers_.push_back(transfer);
        }
    }
    void handleOut(const std::uint8_t *, std::size_t) override {}
    bool takeIn(std::vector<std::uint8_t> &packet, int) override
    {
        if (transfers_.empty())
            return false;
        packet = transfers_.front();
        transfers_.pop_front();
        return true;
    }

private:
    std::deque<std::vector<std::uint8_t>> transfers_;
};

constexpr std::uintptr_t kBuffer = 0x10000;
constexpr std::uintptr_t kOtherBuffer = 0x900000;
constexpr int kUrb = 16384;

} // namespace

class tst_UsbfsTransfers : public QObject
{
    Q_OBJECT

private slots:
    void inUrbsEndLikeUsbPackets_data()
    {
        QTest::addColumn<Lengths>("transfers");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<Lengths>("urbs");
        QTest::newRow("short answer") << Lengths{20} << kUrb << Lengths{20};
        QTest::newRow("exactly one URB needs a zero-length packet") << Lengths{kUrb} << kUrb << Lengths{kUrb, 0};
        QTest::newRow("exactly three URBs") << Lengths{3 * kUrb} << kUrb << Lengths{kUrb, kUrb, kUrb, 0};
        QTest::newRow("whole packets inside one URB") << Lengths{1024} << kUrb << Lengths{1024};
        QTest::newRow("several URBs and a part") << Lengths{40000} << kUrb << Lengths{kUrb, kUrb, 7232};
        QTest::newRow("empty transfer") << Lengths{0} << kUrb << Lengths{0};
        QTest::newRow("transfers are never joined") << Lengths{100, 200} << kUrb << Lengths{100, 200};
        QTest::newRow("zero-length packet before the next transfer") << Lengths{kUrb, 5} << kUrb << Lengths{kUrb, 0, 5};
        QTest::newRow("small URBs, short end") << Lengths{50} << 20 << Lengths{20, 20, 10};
        QTest::newRow("small URBs ending on a packet") << Lengths{1024} << 512 << Lengths{512, 512, 0};
    }

    void inUrbsEndLikeUsbPackets()
    {
        QFETCH(Lengths, transfers);
        QFETCH(int, capacity);
        QFETCH(Lengths, urbs);
        ScriptedDevice device(transfers);
        sim::InTransferCursor cursor(device, sim::UsbDeviceDescription::kMaxPacketSize);
        Lengths seen;
        std::vector<std::uint8_t> bytes;
        while (auto piece = cursor.next(static_cast<std::size_t>(capacity))) {
            seen << static_cast<int>(piece->length);
            bytes.insert(bytes.end(), piece->data, piece->data + piece->length);
        }
        QCOMPARE(seen, urbs);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            QCOMPARE(bytes[i], static_cast<std::uint8_t>(i & 0xFF));
    }

    void outUrbsJoinIntoWrites_data()
    {
        QTest::addColumn<Lengths>("urbLengths");
        QTest::addColumn<QVector<quintptr>>("addresses");
        QTest::addColumn<Lengths>("writes");
        QTest::newRow("short write") << Lengths{20} << QVector<quintptr>{kBuffer} << Lengths{20};
        QTest::newRow("one write in three URBs")
            << Lengths{kUrb, kUrb, 7232} << QVector<quintptr>{kBuffer, kBuffer + kUrb, kBuffer + 2 * kUrb}
            << Lengths{40000};
        QTest::newRow("write of exactly one URB, then another write")
            << Lengths{kUrb, 10} << QVector<quintptr>{kBuffer, kOtherBuffer} << Lengths{kUrb, 10};
        QTest::newRow("same buffer written twice")
            << Lengths{kUrb, kUrb} << QVector<quintptr>{kBuffer, kBuffer} << Lengths{kUrb, kUrb};
        QTest::newRow("empty write") << Lengths{0} << QVector<quintptr>{kBuffer} << Lengths{0};
    }

    void outUrbsJoinIntoWrites()
    {
        QFETCH(Lengths, urbLengths);
        QFETCH(QVector<quintptr>, addresses);
        QFETCH(Lengths, writes);
        Lengths delivered;
        std::vector<std::uint8_t> bytes;
        sim::OutTransferAssembler assembler([&](const std::uint8_t *data, std::size_t length) {
            delivered << static_cast<int>(length);
            bytes.insert(bytes.end(), data, data + length);
        });
        std::uint8_t next = 0;
        for (int i = 0; i < urbLengths.size(); ++i) {
            std::vector<std::uint8_t> urb(static_cast<std::size_t>(urbLengths[i]));
            for (auto &byte : urb)
                byte = next++;
            assembler.add(urb.data(), urb.size(), addresses[i]);
        }
        assembler.flush();
        QCOMPARE(delivered, writes);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            QCOMPARE(bytes[i], static_cast<std::uint8_t>(i & 0xFF));
    }

    void fullOutUrbWaitsForItsContinuation()
    {
        int deliveries = 0;
        sim::OutTransferAssembler assembler([&](const std::uint8_t *, std::size_t) { ++deliveries; });
        std::vector<std::uint8_t> urb(kUrb);
        assembler.add(urb.data(), urb.size(), kBuffer);
        QVERIFY(assembler.holding());
        QCOMPARE(deliveries, 0);
        assembler.flush();
        QCOMPARE(deliveries, 1);
        QVERIFY(!assembler.holding());
    }

    void deviceRecordUsesUpperCaseHex()
    {
        const std::string record = sim::UsbDeviceDescription().umockdevRecord(3);
        const auto start = record.find("N: bus/usb/001/003=");
        QVERIFY(start != std::string::npos);
        const auto hexStart = record.find('=', start) + 1;
        const std::string hex = record.substr(hexStart, record.find('\n', hexStart) - hexStart);
        QCOMPARE(hex.size(), 2 * sim::UsbDeviceDescription().descriptorBytes().size());
        QVERIFY(hex.find_first_not_of("0123456789ABCDEF") == std::string::npos);
        QVERIFY(record.find("A: dev=189:2\n") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(tst_UsbfsTransfers)
#include "tst_UsbfsTransfers.moc"
