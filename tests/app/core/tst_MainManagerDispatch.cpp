#include "CameraRig.h"
#include "LogCapture.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <cstring>
#include <memory>

// Every reply of a camera as MainManager passes it on: which signal, how
// often, on which thread and with which bytes.
class tst_MainManagerDispatch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resultRepliesGiveTheirSignalOnTheReaderThread_data();
    void resultRepliesGiveTheirSignalOnTheReaderThread();
    void recordRepliesGiveAnOwnedZeroPaddedCopy_data();
    void recordRepliesGiveAnOwnedZeroPaddedCopy();
    void allParametersReachTheGuiThreadIdentityFirst_data();
    void allParametersReachTheGuiThreadIdentityFirst();
    void videoV3GoesByItsStream();
    void identityReplyEmitsTheCachedRecordOnTheGuiThread();
    void cachedRecordsFollowTheirReplies();
    void jsonTextsArriveAsUtf8();
    void firmwareAndAbilityFlagsFollowTheLastReply();
    void textsAndPagesAreCutToWhatTheCameraSent();
    void activationRepliesCarryARecordOrNull();
    void unlistedCodesAndANullUserEmitNothing();
    void cameraTextsAndFileNamesReachTheLogDecodedOnce();

private:
    // Queues the reply, then a marker reply, and returns once the marker came
    // through: the reader handles one camera's replies in order.
    void injectAndSettle(quint32 command, quint8 result, const QByteArray &payload = QByteArray());
    int markerCount() const { return m_rig->probe().count("reqSetDevReflashLogo"); }
    QThread *readerThreadOf(const char *signal) const { return m_rig->probe().last(signal).thread; }

    std::unique_ptr<CameraRig> m_rig;
};

namespace {

constexpr quint32 kMarker = 4101;

QByteArray pattern(int size, int seed = 1)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) % 251 + 1);
    return bytes;
}

QByteArray u32Bytes(quint32 value)
{
    return QByteArray(reinterpret_cast<const char *>(&value), 4);
}

} // namespace

void tst_MainManagerDispatch::init()
{
    m_rig.reset(new CameraRig);
    QVERIFY(m_rig->discover());
    m_rig->probe().clear();
}

void tst_MainManagerDispatch::cleanup()
{
    m_rig.reset();
}

void tst_MainManagerDispatch::injectAndSettle(quint32 command, quint8 result, const QByteArray &payload)
{
    const int markers = markerCount();
    m_rig->inject(0, command, result, payload);
    m_rig->inject(0, kMarker, 0);
    QVERIFY(m_rig->probe().wait("reqSetDevReflashLogo", markers + 1));
    // What the reader posted to the GUI thread before the marker.
    QCoreApplication::processEvents();
}

void tst_MainManagerDispatch::resultRepliesGiveTheirSignalOnTheReaderThread_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("signal");
    const QList<QPair<int, const char *>> table = {
        {4, "reqSetDevVideoParam"},       {5, "reqSetDevNetParam"},         {6, "reqSetDevWifiParam"},
        {7, "reqSetDevApnParam"},         {8, "reqSetDevPlateParam"},       {16, "reqSetDevPwd"},
        {17, "reqSetDevTimeParam"},       {29, "reqSetDevSystemParam"},     {31, "validateEncrypt"},
        {33, "factoryReset"},             {34, "memoryFormat"},             {46, "reqSetDevStaticWifiParam"},
        {48, "reqSetDevDomainParam"},     {51, "reqSetDevWifiParamV2"},     {55, "reqSetDevUpfileParam"},
        {56, "reqSetDevUpfileStop"},
        {66, "deviceDefault"},            {68, "reqSetDevAESParam"},        {136, "reqSetDevGroupTalkParma"},
        {301, "reqSetDevSIPParam"},       {401, "reqSetDevOSDParam"},       {501, "reqSetDevTarvioParam"},
        {511, "reqSetDevFtpParam"},       {521, "reqSetDevFaceTdaParam"},   {531, "reqSetDevPlat1400Param"},
        {541, "reqSetDevPlatCustomParam"}, {551, "reqSetDevPackParam"},     {561, "reqSetDevLUMR3Param"},
        {563, "reqSetDevTIMParam"},       {1000, "reqSetDevVideoParamV3"},  {1006, "reqSetDevExParamV3"},
        {1012, "reqSetDevDSTParam"},      {1014, "reqSetDevPICParam"},      {1016, "devExportParams"},
        {1018, "reqSetDevActivate"},      {1019, "reqSetDevAPActivate"},    {4096, "reqSetDevReflashScreen"},
        {57, "upgradeFirmwareResult"},    {1536, "upgradePlateRecognateResult"},
    };
    for (const auto &row : table)
        QTest::addRow("%d %s", row.first, row.second) << row.first << QByteArray(row.second);
}

void tst_MainManagerDispatch::resultRepliesGiveTheirSignalOnTheReaderThread()
{
    QFETCH(int, code);
    QFETCH(QByteArray, signal);
    injectAndSettle(quint32(code), 7);
    const QList<SignalProbe::Emission> emissions = m_rig->probe().emissions(signal.constData());
    QCOMPARE(emissions.size(), 1);
    QCOMPARE(emissions.first().values.value(0).toInt(), 7);
    QVERIFY(emissions.first().thread != QThread::currentThread());
    // Nothing else but the marker.
    QCOMPARE(m_rig->probe().order({"reqSetDevReflashLogo"}), QStringList{QString::fromLatin1(signal)});
}

void tst_MainManagerDispatch::recordRepliesGiveAnOwnedZeroPaddedCopy_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<int>("size");
    const struct
    {
        int code;
        const char *signal;
        int size;
    } table[] = {
        {9, "devVideoParamChanged", 12},         {10, "devNetParamChanged", 12},
        {11, "devWifiParamChanged", 100},        {12, "devAPNParamChanged", 136},
        {13, "devPlateParamChanged", 44},        {18, "devTimeParamChanged", 32},
        {47, "devStaitcWifiParamChanged", 36},   {49, "devDomainParamChanged", 68},
        {52, "devWifiV2ParamChanged", 1156},     {67, "devAESParamChanged", 44},
        {137, "devGroupTalkParamChanged", 188},  {300, "devSIPParamChanged", 340},
        {400, "devOSDParamChanged", 196},        {500, "devTarvioParamChanged", 616},
        {510, "devFtpParamChanged", 136},        {520, "devFaceTdaParamChanged", 204},
        {530, "devPlat1400ParamChanged", 136},   {540, "devPlatCustomParamChanged", 136},
        {550, "devPackParamChanged", 8},         {560, "devLUMR3ParamChanged", 228},
        {562, "devTIMParamChanged", 252},        {1013, "devDSTParamChanged", 112},
        {1015, "devPICParamChanged", 36},        {1017, "devCCIDParamChanged", 64},
        {30, "devSystemParamChanged", 28},       {1007, "devExParamChangedV3", 92},
        {1001, "devVideoParamChangedV3", 88},
    };
    for (const auto &row : table)
        QTest::addRow("%d %s", row.code, row.signal) << row.code << QByteArray(row.signal) << row.size;
}

void tst_MainManagerDispatch::recordRepliesGiveAnOwnedZeroPaddedCopy()
{
    QFETCH(int, code);
    QFETCH(QByteArray, signal);
    QFETCH(int, size);
    const char *name = signal.constData();

    // A long packet first leaves its bytes in the library's receive buffer.
    m_rig->inject(0, 9999, 0, QByteArray(4096, char(0xAA)));
    QByteArray shortPayload = pattern(size / 2);
    if (code == 1001)
        std::memset(shortPayload.data() + 4, 0, 4); // the recording stream
    injectAndSettle(quint32(code), 0, shortPayload);
    QCOMPARE(m_rig->probe().count(name), 1);
    const SignalProbe::Emission shortOne = m_rig->probe().last(name);
    QCOMPARE(shortOne.bytes(), shortPayload + QByteArray(size - size / 2, '\0'));
    QVERIFY(shortOne.thread != QThread::currentThread());

    // A failure without a record gives nothing; with one, the record.
    injectAndSettle(quint32(code), 1);
    QCOMPARE(m_rig->probe().count(name), 1);
    QByteArray longPayload = pattern(size + 40, 3);
    if (code == 1001)
        std::memset(longPayload.data() + 4, 0, 4);
    injectAndSettle(quint32(code), 1, longPayload);
    QCOMPARE(m_rig->probe().count(name), 2);
    QCOMPARE(m_rig->probe().last(name).bytes(), longPayload.left(size));
}

void tst_MainManagerDispatch::allParametersReachTheGuiThreadIdentityFirst_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("recordSize");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("50 second generation")
        << 50 << 12
        << QStringList{"id", "devVideoParamChanged", "devNetParamChanged", "updateDevConfigParamOver"};
    QTest::newRow("1003 third generation")
        << 1003 << 88
        << QStringList{"id", "devVideoParamChangedV3", "devNetParamChangedV3", "updateDevConfigParamOver"};
}

void tst_MainManagerDispatch::allParametersReachTheGuiThreadIdentityFirst()
{
    QFETCH(int, code);
    QFETCH(int, recordSize);
    QFETCH(QStringList, expected);
    MainManager *manager = m_rig->manager();
    QStringList order;
    QList<QByteArray> records;
    QThread *gui = QThread::currentThread();
    bool allOnGui = true;
    auto note = [&](const QString &name, const void *record, int size) {
        allOnGui = allOnGui && QThread::currentThread() == gui;
        order << name;
        records << QByteArray(static_cast<const char *>(record), size);
    };
    connect(manager, &MainManager::devIdParamChanged, this,
            [&](DEVICE_ID_PARA_T *p) { note("id", p, sizeof *p); });
    auto blocking = Qt::BlockingQueuedConnection;
    connect(manager, &MainManager::devVideoParamChanged, this,
            [&](VIDEO_PARA_T *p) { note("devVideoParamChanged", p, sizeof *p); }, blocking);
    connect(manager, &MainManager::devNetParamChanged, this,
            [&](VIDEO_PARA_T *p) { note("devNetParamChanged", p, sizeof *p); }, blocking);
    connect(manager, &MainManager::devVideoParamChangedV3, this,
            [&](VIDEO_PARA_T_V3 *p) { note("devVideoParamChangedV3", p, sizeof *p); }, blocking);
    connect(manager, &MainManager::devNetParamChangedV3, this,
            [&](VIDEO_PARA_T_V3 *p) { note("devNetParamChangedV3", p, sizeof *p); }, blocking);
    connect(manager, &MainManager::updateDevConfigParamOver, this,
            [&] { note("updateDevConfigParamOver", nullptr, 0); });

    const QByteArray payload = pattern(128 + 2 * recordSize);
    m_rig->inject(0, quint32(code), 0, payload);
    QTRY_COMPARE(order, expected);
    QVERIFY(allOnGui);
    QCOMPARE(records.at(0), payload.left(128));
    QCOMPARE(records.at(1), payload.mid(128, recordSize));
    QCOMPARE(records.at(2), payload.mid(128 + recordSize, recordSize));
    disconnect(manager, nullptr, this, nullptr);
}

void tst_MainManagerDispatch::videoV3GoesByItsStream()
{
    QByteArray network = pattern(88);
    std::memcpy(network.data() + 4, u32Bytes(1).constData(), 4);
    injectAndSettle(1001, 0, network);
    QCOMPARE(m_rig->probe().count("devNetParamChangedV3"), 1);
    QCOMPARE(m_rig->probe().count("devVideoParamChangedV3"), 0);
    QCOMPARE(m_rig->probe().last("devNetParamChangedV3").bytes(), network);
}

void tst_MainManagerDispatch::identityReplyEmitsTheCachedRecordOnTheGuiThread()
{
    m_rig->manager()->SetDevIdInfo(QStringLiteral("设备01"), QStringLiteral("警员07"));
    injectAndSettle(15, 0);
    QTRY_COMPARE(m_rig->probe().count("reqSetDevIdParam"), 1);
    QCOMPARE(m_rig->probe().order({"reqSetDevReflashLogo"}), QStringList({"devIdParamChanged", "reqSetDevIdParam"}));
    const SignalProbe::Emission identity = m_rig->probe().last("devIdParamChanged");
    QCOMPARE(identity.thread, QThread::currentThread());
    const DEVICE_ID_PARA_T cached = m_rig->manager()->GetDevIdParam();
    QCOMPARE(identity.bytes(), QByteArray(reinterpret_cast<const char *>(&cached), sizeof cached));
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    QCOMPARE(QByteArray(cached.userId), gbk->fromUnicode(QStringLiteral("警员07")));
    QCOMPARE(QByteArray(cached.deviceId), gbk->fromUnicode(QStringLiteral("设备01")));
}

void tst_MainManagerDispatch::cachedRecordsFollowTheirReplies()
{
    MainManager *manager = m_rig->manager();
    const QByteArray code = pattern(388);
    injectAndSettle(39, 0, code);
    const DEV_CODE_PARA_T cached = manager->GetDevCode();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&cached), 388), code);
    QCOMPARE(manager->GetProtocolVer(), int(cached.protocolVer));
    QCOMPARE(manager->GetDeviceType(), int(cached.deviceType));
    QCOMPARE(int(manager->GetDevCodeByte(264)), int(uchar(code.at(264))));
    QCOMPARE(int(manager->GetDevCodeByte(387)), int(uchar(code.at(387))));
    QCOMPARE(int(manager->GetDevCodeByte(388)), 0);
    QCOMPARE(int(manager->GetDevCodeByte(-1)), 0);
    QCOMPARE(m_rig->probe().order({"reqSetDevReflashLogo"}), QStringList());

    // A shorter code after a longer one leaves nothing of the longer one.
    injectAndSettle(39, 0, pattern(100, 9));
    const DEV_CODE_PARA_T shorter = manager->GetDevCode();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&shorter), 388), pattern(100, 9) + QByteArray(288, '\0'));

    QVERIFY(!manager->IsSystemParamValid());
    injectAndSettle(30, 0, pattern(10));
    const SYSTEM_PARA_T system = manager->GetSystemParam();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&system), 28), pattern(10) + QByteArray(18, '\0'));
    QVERIFY(manager->IsSystemParamValid());

    QVERIFY(!manager->IsExParamV3Valid());
    injectAndSettle(1007, 0, pattern(92, 5));
    const Ex_Param_V3_T extended = manager->GetExParamV3();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&extended), 92), pattern(92, 5));
    QVERIFY(manager->IsExParamV3Valid());
}

void tst_MainManagerDispatch::jsonTextsArriveAsUtf8()
{
    const QString text = QStringLiteral("{\"id\":\"recordParam\",\"name\":\"录像参数\"}");
    const QByteArray gbk = QTextCodec::codecForName("GBK")->fromUnicode(text);
    injectAndSettle(74, 0, gbk + QByteArray("\0trailing", 9));
    QCOMPARE(m_rig->probe().count("devGetVideoParamJsonChanged"), 1);
    QCOMPARE(m_rig->probe().last("devGetVideoParamJsonChanged").values.value(0).toByteArray(), text.toUtf8());

    injectAndSettle(70, 1, gbk);
    QCOMPARE(m_rig->probe().count("devGetRecParamJsonChanged"), 0);

    injectAndSettle(77, 1, gbk);
    const SignalProbe::Emission written = m_rig->probe().last("reqSetDevSystemParamJson");
    QCOMPARE(written.values.value(0).toInt(), 1);
    QCOMPARE(written.values.value(1).toByteArray(), text.toUtf8());
}

void tst_MainManagerDispatch::firmwareAndAbilityFlagsFollowTheLastReply()
{
    MainManager *manager = m_rig->manager();
    injectAndSettle(1009, 0, "V3.1.2");
    QVERIFY(manager->IsFwVersion());
    injectAndSettle(1009, 0);
    QVERIFY(!manager->IsFwVersion());
    injectAndSettle(1009, 0, "V3.1.2");
    injectAndSettle(1009, 1, "V3.1.2");
    QVERIFY(!manager->IsFwVersion());

    injectAndSettle(100, 0, R"({"supportWifi":1,"supportNoPwdLogin":1})");
    QVERIFY(manager->IsJsonAbility());
    QCOMPARE(manager->GetJsonAbility().supportWifi, 1);
    QCOMPARE(manager->GetJsonAbility().supportNoPwdLogin, 1);
    // A second description keeps nothing of the first.
    injectAndSettle(100, 0, R"({"supportFtp":1})");
    QVERIFY(manager->IsJsonAbility());
    QCOMPARE(manager->GetJsonAbility().supportWifi, 0);
    QCOMPARE(manager->GetJsonAbility().supportNoPwdLogin, 0);
    QCOMPARE(manager->GetJsonAbility().supportFtp, 1);
    injectAndSettle(100, 0, "not json");
    QVERIFY(!manager->IsJsonAbility());
    QCOMPARE(manager->GetJsonAbility().supportFtp, 0);
    injectAndSettle(100, 1);
    QVERIFY(!manager->IsJsonAbility());
    QCOMPARE(m_rig->probe().count("devRecvDevJsonAbility"), 4);
}

void tst_MainManagerDispatch::textsAndPagesAreCutToWhatTheCameraSent()
{
    m_rig->inject(0, 9999, 0, QByteArray(4096, 'Z'));
    injectAndSettle(32, 0, QByteArray("KEY-123\0old", 11));
    injectAndSettle(32, 0, "ABC");
    injectAndSettle(32, 1, "ABC");
    const QList<SignalProbe::Emission> keys = m_rig->probe().emissions("loadDeviceKey");
    QCOMPARE(keys.size(), 3);
    QCOMPARE(keys.at(0).values.value(0).toInt(), 0);
    QCOMPARE(keys.at(0).bytes(1), QByteArray("KEY-123"));
    QCOMPARE(keys.at(1).bytes(1), QByteArray("ABC"));
    QCOMPARE(keys.at(2).values.value(0).toInt(), -1);
    QVERIFY(keys.at(2).isNull(1));

    QByteArray page(16 + 2 * 336, '\0');
    std::memcpy(page.data() + 4, u32Bytes(2).constData(), 4);
    page.replace(16, 2 * 336, pattern(2 * 336));
    injectAndSettle(36, 0, page);
    std::memcpy(page.data() + 4, u32Bytes(3).constData(), 4);
    injectAndSettle(36, 0, page);
    injectAndSettle(36, 0, QByteArray(6, '\0'));
    const QList<SignalProbe::Emission> pages = m_rig->probe().emissions("updateMediaInfo");
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages.at(0).values.value(0).toInt(), 0);
    QCOMPARE(pages.at(0).bytes(1).mid(16), pattern(2 * 336));
    for (int i : {1, 2}) {
        QCOMPARE(pages.at(i).values.value(0).toInt(), -1);
        QVERIFY(pages.at(i).isNull(1));
    }
}

void tst_MainManagerDispatch::activationRepliesCarryARecordOrNull()
{
    injectAndSettle(1020, 0, u32Bytes(1) + u32Bytes(0));
    injectAndSettle(1020, 1);
    injectAndSettle(1021, 0, u32Bytes(5));
    injectAndSettle(1021, 1);
    const QList<SignalProbe::Emission> caps = m_rig->probe().emissions("reqDeviceActive");
    QCOMPARE(caps.size(), 2);
    QCOMPARE(caps.at(0).bytes(), u32Bytes(1) + u32Bytes(0));
    QVERIFY(caps.at(1).isNull(0));
    const QList<SignalProbe::Emission> statuses = m_rig->probe().emissions("reqDeviceActiveStatus");
    QCOMPARE(statuses.size(), 2);
    QCOMPARE(statuses.at(0).bytes(), u32Bytes(5));
    QVERIFY(statuses.at(1).isNull(0));
}

void tst_MainManagerDispatch::unlistedCodesAndANullUserEmitNothing()
{
    for (quint32 code : {24u, 58u, 9999u})
        injectAndSettle(code, 0, pattern(40));
    QCOMPARE(m_rig->probe().order({"reqSetDevReflashLogo"}), QStringList());

    SetMsgCallBack(&MainManager::MSG_CALLBACK, nullptr);
    m_rig->inject(0, 4, 0);
    m_rig->inject(0, 9, 0, pattern(12));
    QTest::qWait(300);
    SetMsgCallBack(&MainManager::MSG_CALLBACK, m_rig->manager());
    injectAndSettle(5, 0);
    QCOMPARE(m_rig->probe().order({"reqSetDevReflashLogo"}), QStringList{"reqSetDevNetParam"});
}

void tst_MainManagerDispatch::cameraTextsAndFileNamesReachTheLogDecodedOnce()
{
    QTemporaryDir dir;
    LogCapture capture;
    QVERIFY(capture.started());

    // The camera's texts come as GBK: a JSON group, the ability description,
    // the model in the device code and the firmware version. The words are
    // ones whose UTF-8 bytes also read as GBK, so a value handed over as
    // UTF-8 turns into other characters ("型号" into "鍨嬪彿") in the log.
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    const QString json = QStringLiteral("{\"name\":\"录像参数\"}");
    injectAndSettle(70, 0, gbk->fromUnicode(json));
    injectAndSettle(100, 0, gbk->fromUnicode(QStringLiteral("{\"modelStr\":\"型号\"}")));
    DEV_CODE_PARA_T code = {};
    const QByteArray model = gbk->fromUnicode(QStringLiteral("录像型号"));
    std::memcpy(code.modelStr, model.constData(), size_t(model.size()));
    std::memcpy(code.serNStr, "SN-1", 4);
    injectAndSettle(39, 0, QByteArray(reinterpret_cast<const char *>(&code), sizeof code));
    injectAndSettle(1009, 0, gbk->fromUnicode(QStringLiteral("V3.1 型号")));
    // A file name of the camera is UTF-8; this one is refused and logged.
    m_rig->manager()->AddDownLoadList({QStringLiteral("/mnt/sdcard/../型号.mp4")}, dir.path());
    const QString text = QString::fromUtf8(capture.finish());
    for (const QString &line : {QStringLiteral(">,RecvDevRecParamJson({\"name\":\"录像参数\"})\n"),
                                QStringLiteral(">,RecvDevJsonAbility({\"modelStr\":\"型号\"})\n"),
                                QStringLiteral("serNStr = SN-1, modelStr = 录像型号\n"),
                                QStringLiteral(">,RecvDevFW(), V3.1 型号\n"),
                                QStringLiteral(">,refused file name /mnt/sdcard/../型号.mp4\n")})
        QVERIFY2(text.contains(line), qPrintable(text));
}

QTEST_MAIN(tst_MainManagerDispatch)
#include "tst_MainManagerDispatch.moc"
