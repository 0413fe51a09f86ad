#include "CommandPackets.h"
#include "ExportCalls.h"
#include "ExportTable.h"
#include "QueueDeviceSide.h"
#include "ReportRecorder.h"
#include "SimBusSetup.h"
#include "Tessvar.h"

#include <QtTest>

#include <dlfcn.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <string>

using CommandPackets::Bytes;
using CommandPackets::u32At;
using SimBusSetup::ReadCapMs;
using SimBusSetup::WaitMs;
using sim::QueueDeviceSide;
using tessvar::ExportKind;
using tessvar::ExportRow;
using tessvar::ExportTable;

namespace {

constexpr std::uint16_t GetFlags = 0x0001;
constexpr std::uint16_t SetFlags = 0x0101;

// Exports whose record is a NUL-terminated text in a fixed field.
const std::set<std::string_view> FixedTextExports{"LoginDevice", "SetDevActive", "SetDevActiveAP",
                                                  "ValidateEncrypt", "GetFileInfo"};
const std::set<std::string_view> XmlExports{"SetXMlParam", "SetXMlParamEX"};

std::uint16_t u16At(const Bytes &bytes, std::size_t at)
{
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

// A reply payload that differs for every command and never looks like a record of zeros.
Bytes replyPayloadFor(std::uint32_t command)
{
    Bytes payload(1 + command % 61);
    for (std::size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<std::uint8_t>(command * 7 + i * 13 + 1);
    return payload;
}

Bytes pattern(std::size_t size, int seed)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + static_cast<std::size_t>(seed) + 1);
    return bytes;
}

Bytes textField(const std::string &text, std::size_t size)
{
    Bytes field(size, 0);
    std::memcpy(field.data(), text.data(), std::min(text.size(), size));
    return field;
}

// What a test passes to an export after the index, and the payload that the
// export must send for it.
struct ExportArgument {
    std::string text;
    Bytes record;
    XML_PARAM_HEAD xmlHead{};
    ExportCalls::XmlArguments xml{};
    ExportCalls::DownloadArguments download{};
    std::string localPath;
    const void *pointer = nullptr;
    Bytes expectedPayload;

    ExportArgument() = default;
    ExportArgument(const ExportArgument &) = delete;
    ExportArgument &operator=(const ExportArgument &) = delete;
};

void prepareArgument(const ExportRow &row, const QString &folder, ExportArgument &argument)
{
    const std::string name(row.name);
    if (FixedTextExports.count(row.name)) {
        argument.text = "text-of-" + name;
        argument.pointer = argument.text.c_str();
        argument.expectedPayload = textField(argument.text, row.record);
    } else if (XmlExports.count(row.name)) {
        argument.text = "<param name=\"" + name + "\"/>";
        argument.xmlHead = {7, static_cast<std::uint32_t>(argument.text.size()), 0};
        argument.xml = {&argument.xmlHead, argument.text.c_str()};
        argument.pointer = &argument.xml;
        const auto *head = reinterpret_cast<const std::uint8_t *>(&argument.xmlHead);
        argument.expectedPayload.assign(head, head + sizeof argument.xmlHead);
        argument.expectedPayload.insert(argument.expectedPayload.end(), argument.text.begin(), argument.text.end());
    } else if (row.name == "DownLoadFile") {
        argument.text = "DCIM\\20240101\\clip.mp4";
        argument.localPath = (folder + "/clip.mp4").toStdString();
        argument.download = {argument.text.c_str(), 5, argument.localPath.c_str()};
        argument.pointer = &argument.download;
        argument.expectedPayload = textField(argument.text, 128);
        const Bytes offset{5, 0, 0, 0, 0, 0, 0, 0};
        argument.expectedPayload.insert(argument.expectedPayload.end(), offset.begin(), offset.end());
    } else if (row.name == "UploadFile") {
        argument.localPath = (folder + "/upload.bin").toStdString();
        argument.record = pattern(10, 3);
        std::ofstream(argument.localPath, std::ios::binary)
            .write(reinterpret_cast<const char *>(argument.record.data()), 10);
        argument.pointer = argument.localPath.c_str();
    } else if (row.kind == ExportKind::Text) {
        argument.text = "{\"export\":\"" + name + "\",\"value\":1}";
        argument.pointer = argument.text.c_str();
        argument.expectedPayload.assign(argument.text.begin(), argument.text.end());
    } else if (row.kind == ExportKind::Set || row.kind == ExportKind::Query) {
        argument.record = pattern(row.record, row.command);
        argument.pointer = argument.record.data();
        argument.expectedPayload = argument.record;
    }
}

void addRowsOfKinds(const std::set<ExportKind> &kinds)
{
    QTest::addColumn<QString>("name");
    for (const ExportRow *row = ExportTable::begin(); row != ExportTable::end(); ++row) {
        if (kinds.count(row->kind) && ExportCalls::has(row->name)) {
            const QByteArray name(row->name.data(), static_cast<int>(row->name.size()));
            QTest::newRow(name.constData()) << QString::fromLatin1(name);
        }
    }
}

const ExportRow &rowOf(const QString &name)
{
    return ExportTable::find(name.toStdString());
}

} // namespace

class TestTessvarExports : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableNamesEveryExportOfTheLibrary();
    void requestCarriesRowAndReplyReachesCallback_data();
    void requestCarriesRowAndReplyReachesCallback();
    void nullArgument_data();
    void nullArgument();
    void emptyJsonSendsBareHeader_data();
    void emptyJsonSendsBareHeader();
    void xmlTextLimit_data();
    void xmlTextLimit();
    void fixedTextStopsAtNul_data();
    void fixedTextStopsAtNul();
    void upload_data();
    void upload();
    void uploadOfMissingFileSendsNothing();
    void unknownIndexSendsNothing_data();
    void unknownIndexSendsNothing();
    void noCameraEnumeratedSendsNothing();
    void callbackReplacedAndSilenced();
    void refreshResetsSessions();

private:
    void enumerate(int cameras);
    void answerEveryCommand(std::uint8_t result = 0);
    std::vector<Bytes> sentPackets() const;

    std::unique_ptr<QueueDeviceSide> side_;
    ReportRecorder recorder_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::size_t packetsAtOpen_ = 0;
};

void TestTessvarExports::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    recorder_.clear();
    recorder_.install();
    enumerate(1);
    QCOMPARE(OpenDevice(0), 0);
    packetsAtOpen_ = side_->outPackets().size();
}

void TestTessvarExports::cleanup()
{
    SimBusSetup::unplugCameras(1);
    side_.reset();
}

void TestTessvarExports::enumerate(int cameras)
{
    // The old camera side goes only once the bus no longer reaches it.
    auto side = std::make_unique<QueueDeviceSide>();
    SimBusSetup::plugCameras(*side, cameras, ReadCapMs);
    side_ = std::move(side);
    int count = -1;
    QCOMPARE(RefreshDecice(&count), 0);
    QCOMPARE(count, cameras);
}

// The camera's part: every command packet is answered with its own code.
void TestTessvarExports::answerEveryCommand(std::uint8_t result)
{
    side_->setOutHandler([result](const QueueDeviceSide::Packet &packet, QueueDeviceSide &side) {
        if (CommandPackets::isCommand(packet)) {
            const std::uint32_t command = u32At(packet, 12);
            side.pushIn(CommandPackets::reply(command, result, replyPayloadFor(command)));
        }
    });
}

std::vector<Bytes> TestTessvarExports::sentPackets() const
{
    const std::vector<Bytes> all = side_->outPackets();
    return std::vector<Bytes>(all.begin() + static_cast<std::ptrdiff_t>(packetsAtOpen_), all.end());
}

void TestTessvarExports::tableNamesEveryExportOfTheLibrary()
{
    std::set<std::string_view> names;
    for (const ExportRow *row = ExportTable::begin(); row != ExportTable::end(); ++row)
        names.insert(row->name);
    QCOMPARE(names.size(), ExportTable::kExportCount);

    // The importing program binds by these names, so the shipped library must
    // carry every one of them, misspellings included.
    void *library = dlopen(TESSVAR_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(library, dlerror());
    for (std::string_view name : names) {
        const std::string symbol(name);
        QVERIFY2(dlsym(library, symbol.c_str()), symbol.c_str());
        if (name != "SetMsgCallBack" && name != "RefreshDecice")
            QVERIFY2(ExportCalls::has(name), symbol.c_str());
    }
    dlclose(library);
}

void TestTessvarExports::requestCarriesRowAndReplyReachesCallback_data()
{
    addRowsOfKinds({ExportKind::Get, ExportKind::Set, ExportKind::Query, ExportKind::Action, ExportKind::Text});
}

void TestTessvarExports::requestCarriesRowAndReplyReachesCallback()
{
    QFETCH(QString, name);
    const ExportRow &row = rowOf(name);
    ExportArgument argument;
    prepareArgument(row, folder_->path(), argument);
    answerEveryCommand();

    QCOMPARE(ExportCalls::call(row.name, 0, argument.pointer), 0);

    const std::vector<Bytes> sent = sentPackets();
    QCOMPARE(sent.size(), std::size_t(1));
    const Bytes &packet = sent.front();
    QCOMPARE(packet.size(), 20 + argument.expectedPayload.size());
    QCOMPARE(u32At(packet, 0), std::uint32_t(packet.size()));
    QCOMPARE(u32At(packet, 4), 0u);
    QCOMPARE(u32At(packet, 8), 1u);
    QCOMPARE(u32At(packet, 12), std::uint32_t(row.command));
    QCOMPARE(u16At(packet, 16), row.kind == ExportKind::Get ? GetFlags : SetFlags);
    QCOMPARE(int(packet[18]), 0);
    QCOMPARE(int(packet[19]), 0);
    QVERIFY(Bytes(packet.begin() + 20, packet.end()) == argument.expectedPayload);
    if (row.kind != ExportKind::Text)
        QCOMPARE(argument.expectedPayload.size(), row.record);

    QVERIFY(recorder_.waitFor(1, WaitMs));
    const ReportRecorder::Report report = recorder_.reports().front();
    QCOMPARE(report.deviceIndex, 0);
    QCOMPARE(report.command, row.command);
    QCOMPARE(report.result, 0);
    QVERIFY(Bytes(report.payload.begin(), report.payload.end())
            == replyPayloadFor(static_cast<std::uint32_t>(row.command)));
}

void TestTessvarExports::nullArgument_data()
{
    addRowsOfKinds({ExportKind::Set, ExportKind::Query, ExportKind::Text, ExportKind::Data});
}

void TestTessvarExports::nullArgument()
{
    QFETCH(QString, name);
    const ExportRow &row = rowOf(name);

    if (row.kind != ExportKind::Query) {
        QCOMPARE(ExportCalls::call(row.name, 0, nullptr), -1);
        QVERIFY(sentPackets().empty());
        return;
    }
    // A query without a record asks with a record of zeros.
    QCOMPARE(ExportCalls::call(row.name, 0, nullptr), 0);
    const std::vector<Bytes> sent = sentPackets();
    QCOMPARE(sent.size(), std::size_t(1));
    QCOMPARE(sent.front().size(), 20 + row.record);
    QVERIFY(Bytes(sent.front().begin() + 20, sent.front().end()) == Bytes(row.record, 0));
}

void TestTessvarExports::emptyJsonSendsBareHeader_data()
{
    QTest::addColumn<QString>("name");
    for (const ExportRow *row = ExportTable::begin(); row != ExportTable::end(); ++row) {
        if (row->kind == ExportKind::Text && !XmlExports.count(row->name))
            QTest::newRow(std::string(row->name).c_str()) << QString::fromLatin1(row->name.data(), int(row->name.size()));
    }
}

void TestTessvarExports::emptyJsonSendsBareHeader()
{
    QFETCH(QString, name);
    const ExportRow &row = rowOf(name);
    QCOMPARE(ExportCalls::call(row.name, 0, ""), 0);
    const std::vector<Bytes> sent = sentPackets();
    QCOMPARE(sent.size(), std::size_t(1));
    QCOMPARE(sent.front().size(), std::size_t(20));
    QCOMPARE(u32At(sent.front(), 0), 20u);
    QCOMPARE(u32At(sent.front(), 12), std::uint32_t(row.command));
}

void TestTessvarExports::xmlTextLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("textLength");
    QTest::addColumn<bool>("withHead");
    QTest::addColumn<int>("expected");
    for (const char *name : {"SetXMlParam", "SetXMlParamEX"}) {
        QTest::addRow("%s longest", name) << name << TESSVAR_MAX_XML_LEN << true << 0;
        QTest::addRow("%s one too long", name) << name << TESSVAR_MAX_XML_LEN + 1 << true << -1;
        QTest::addRow("%s empty", name) << name << 0 << true << 0;
        QTest::addRow("%s no head", name) << name << 10 << false << -1;
    }
}

void TestTessvarExports::xmlTextLimit()
{
    QFETCH(QString, name);
    QFETCH(int, textLength);
    QFETCH(bool, withHead);
    QFETCH(int, expected);
    const ExportRow &row = rowOf(name);
    const std::string text(static_cast<std::size_t>(textLength), 'x');
    const XML_PARAM_HEAD head{61, static_cast<std::uint32_t>(textLength), 0};
    const ExportCalls::XmlArguments arguments{withHead ? &head : nullptr, text.c_str()};

    QCOMPARE(ExportCalls::call(row.name, 0, &arguments), expected);

    const std::vector<Bytes> sent = sentPackets();
    if (expected != 0) {
        QVERIFY(sent.empty());
        return;
    }
    QCOMPARE(sent.size(), std::size_t(1));
    QCOMPARE(sent.front().size(), std::size_t(20 + 12 + textLength));
    QVERIFY(std::memcmp(sent.front().data() + 20, &head, sizeof head) == 0);
    QVERIFY(std::memcmp(sent.front().data() + 32, text.data(), text.size()) == 0);
}

void TestTessvarExports::fixedTextStopsAtNul_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("textLength");
    for (std::string_view name : FixedTextExports) {
        const QString exportName = QString::fromLatin1(name.data(), int(name.size()));
        const int field = static_cast<int>(ExportTable::find(name).record);
        QTest::addRow("%s short", name.data()) << exportName << 6;
        QTest::addRow("%s one short of the field", name.data()) << exportName << field - 1;
        QTest::addRow("%s fills the field", name.data()) << exportName << field;
        QTest::addRow("%s longer than the field", name.data()) << exportName << field + 40;
    }
}

// The caller's buffer may be just large enough for its text: nothing past the
// NUL is read (the sanitizer build catches any over-read), and the field goes
// out zero-padded; a text as long as the field loses none of its characters.
void TestTessvarExports::fixedTextStopsAtNul()
{
    QFETCH(QString, name);
    QFETCH(int, textLength);
    const ExportRow &row = rowOf(name);
    std::string text;
    for (int i = 0; i < textLength; ++i)
        text.push_back(static_cast<char>('a' + i % 26));
    auto exact = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(exact.get(), text.c_str(), text.size() + 1);

    QCOMPARE(ExportCalls::call(row.name, 0, exact.get()), 0);

    const std::vector<Bytes> sent = sentPackets();
    QCOMPARE(sent.size(), std::size_t(1));
    QVERIFY(Bytes(sent.front().begin() + 20, sent.front().end()) == textField(text, row.record));
}

void TestTessvarExports::upload_data()
{
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<int>("expectedPackets");
    QTest::addColumn<int>("expectedResult");
    QTest::newRow("empty file") << 0 << 1 << 12;
    QTest::newRow("one byte") << 1 << 1 << 13;
    QTest::newRow("one full chunk") << 0x8000 << 1 << 0x8000 + 12;
    QTest::newRow("three chunks and a tail") << 3 * 0x8000 + 5 << 4 << 5 + 12;
}

void TestTessvarExports::upload()
{
    QFETCH(int, fileSize);
    QFETCH(int, expectedPackets);
    QFETCH(int, expectedResult);
    const std::string path = (folder_->path() + "/firmware.bin").toStdString();
    const Bytes contents = pattern(static_cast<std::size_t>(fileSize), 11);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(contents.data()), fileSize);

    QCOMPARE(UploadFile(0, path.c_str()), expectedResult);

    const std::vector<Bytes> sent = sentPackets();
    QCOMPARE(int(sent.size()), expectedPackets);
    Bytes received;
    for (const Bytes &packet : sent) {
        QCOMPARE(u32At(packet, 0), std::uint32_t(packet.size()));
        QCOMPARE(u32At(packet, 8), 0u);
        QVERIFY(packet.size() <= 12 + 0x8000);
        received.insert(received.end(), packet.begin() + 12, packet.end());
    }
    QVERIFY(received == contents);
}

void TestTessvarExports::uploadOfMissingFileSendsNothing()
{
    const std::string path = (folder_->path() + "/missing.bin").toStdString();
    QCOMPARE(UploadFile(0, path.c_str()), -1);
    QVERIFY(sentPackets().empty());
}

void TestTessvarExports::unknownIndexSendsNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    for (const ExportRow *row = ExportTable::begin(); row != ExportTable::end(); ++row) {
        if (!ExportCalls::has(row->name))
            continue;
        const QString name = QString::fromLatin1(row->name.data(), int(row->name.size()));
        for (int index : {1, -1}) {
            QTest::addRow("%s index %d", std::string(row->name).c_str(), index) << name << index;
        }
    }
}

void TestTessvarExports::unknownIndexSendsNothing()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    const ExportRow &row = rowOf(name);
    ExportArgument argument;
    prepareArgument(row, folder_->path(), argument);
    QCOMPARE(ExportCalls::call(row.name, index, argument.pointer), -1);
    QVERIFY(sentPackets().empty());
}

void TestTessvarExports::noCameraEnumeratedSendsNothing()
{
    QCOMPARE(CloseDevice(0), 0);
    enumerate(0);
    for (const ExportRow *row = ExportTable::begin(); row != ExportTable::end(); ++row) {
        if (!ExportCalls::has(row->name))
            continue;
        ExportArgument argument;
        prepareArgument(*row, folder_->path(), argument);
        QVERIFY2(ExportCalls::call(row->name, 0, argument.pointer) == -1, std::string(row->name).c_str());
    }
    QVERIFY(side_->outPackets().empty());
}

void TestTessvarExports::callbackReplacedAndSilenced()
{
    answerEveryCommand();
    ReportRecorder second;
    second.install();
    QCOMPARE(GetIDParam(0), 0);
    QVERIFY(second.waitFor(1, WaitMs));
    QCOMPARE(second.reports().front().command, 14);

    QCOMPARE(SetMsgCallBack(nullptr, nullptr), 0);
    QCOMPARE(GetDeviceCode(0), 0);
    // The reply is read and dropped; a later registration sees only later replies.
    QTRY_COMPARE_WITH_TIMEOUT(side_->pendingIn(), std::size_t(0), WaitMs);
    QTest::qWait(5 * ReadCapMs);

    recorder_.install();
    QCOMPARE(GetTime(0), 0);
    QVERIFY(recorder_.waitFor(1, WaitMs));
    QCOMPARE(second.count(), std::size_t(1));
    QCOMPARE(recorder_.count(), std::size_t(1));
    QCOMPARE(recorder_.reports().front().command, 18);
}

void TestTessvarExports::refreshResetsSessions()
{
    answerEveryCommand();
    const std::string path = (folder_->path() + "/a.mp4").toStdString();
    QCOMPARE(DownLoadFile(0, "a.mp4", 0, path.c_str()), 0);
    QVERIFY(recorder_.waitFor(1, WaitMs));
    QCOMPARE(DownLoadFile(0, "b.mp4", 0, path.c_str()), -1);

    // A null count still refreshes: the store is skipped, not the work.
    QCOMPARE(RefreshDecice(nullptr), 0);
    QCOMPARE(OpenDevice(0), 0);
    QCOMPARE(DownLoadFile(0, "b.mp4", 0, path.c_str()), 0);
}

QTEST_GUILESS_MAIN(TestTessvarExports)
#include "tst_TessvarExports.moc"
