#include "MainManager.h"

#include "JsonHelper.h"
#include "LocalText.h"
#include "Mostrel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <cstring>
#include <functional>
#include <thread>

MainManager *MainManager::s_instance = nullptr;

namespace {

std::mutex &instanceMutex()
{
    static std::mutex mutex;
    return mutex;
}

constexpr int kCallbackPauseMs = 20;
constexpr int kIdentityRepeats = 2;
constexpr int kIdentityRepeatMs = 200;
constexpr int kExtraPasses = 3;
constexpr int kPasswordField = 128;
constexpr int kIdTextBytes = 63;

// A text the camera sent: its length bytes, cut at the first NUL.
QByteArray payloadText(const char *data, int length)
{
    if (!data || length <= 0)
        return QByteArray();
    const void *nul = std::memchr(data, '\0', static_cast<size_t>(length));
    const int size = nul ? static_cast<int>(static_cast<const char *>(nul) - data) : length;
    return QByteArray(data, size);
}

// The camera's 8-bit text as the UTF-8 the pages parse.
QByteArray localToUtf8(const char *data, int length)
{
    return LocalText::decode(payloadText(data, length)).toUtf8();
}

// A zeroed record of its full size holding what the camera sent of it.
QByteArray ownedCopy(const char *data, int length, int size)
{
    QByteArray copy(size, '\0');
    if (data && length > 0)
        std::memcpy(copy.data(), data, static_cast<size_t>(qMin(length, size)));
    return copy;
}

quint32 readU32(const char *data, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

void writeU32(unsigned char *record, int offset, quint32 value)
{
    std::memcpy(record + offset, &value, sizeof value);
}

void writeLocalField(char *field, const QString &text)
{
    QByteArray bytes = LocalText::encode(text);
    // Cut at a whole character: shorten the text until its bytes fit.
    QString cut = text;
    while (bytes.size() > kIdTextBytes && !cut.isEmpty()) {
        cut.chop(1);
        bytes = LocalText::encode(cut);
    }
    std::memcpy(field, bytes.constData(), static_cast<size_t>(bytes.size()));
}

using ResultSignal = void (MainManager::*)(int);

const QHash<int, ResultSignal> &resultSignals()
{
    static const QHash<int, ResultSignal> table = {
        {4, &MainManager::reqSetDevVideoParam},       {5, &MainManager::reqSetDevNetParam},
        {6, &MainManager::reqSetDevWifiParam},        {7, &MainManager::reqSetDevApnParam},
        {8, &MainManager::reqSetDevPlateParam},       {17, &MainManager::reqSetDevTimeParam},
        {29, &MainManager::reqSetDevSystemParam},     {31, &MainManager::validateEncrypt},
        {33, &MainManager::factoryReset},             {34, &MainManager::memoryFormat},
        {46, &MainManager::reqSetDevStaticWifiParam}, {48, &MainManager::reqSetDevDomainParam},
        {51, &MainManager::reqSetDevWifiParamV2},     {55, &MainManager::reqSetDevUpfileParam},
        {56, &MainManager::reqSetDevUpfileStop},      {57, &MainManager::upgradeFirmwareResult},
        {66, &MainManager::deviceDefault},            {68, &MainManager::reqSetDevAESParam},
        {136, &MainManager::reqSetDevGroupTalkParma}, {301, &MainManager::reqSetDevSIPParam},
        {401, &MainManager::reqSetDevOSDParam},       {501, &MainManager::reqSetDevTarvioParam},
        {511, &MainManager::reqSetDevFtpParam},       {521, &MainManager::reqSetDevFaceTdaParam},
        {531, &MainManager::reqSetDevPlat1400Param},  {541, &MainManager::reqSetDevPlatCustomParam},
        {551, &MainManager::reqSetDevPackParam},      {561, &MainManager::reqSetDevLUMR3Param},
        {563, &MainManager::reqSetDevTIMParam},       {1000, &MainManager::reqSetDevVideoParamV3},
        {1006, &MainManager::reqSetDevExParamV3},     {1012, &MainManager::reqSetDevDSTParam},
        {1014, &MainManager::reqSetDevPICParam},      {1016, &MainManager::devExportParams},
        {1018, &MainManager::reqSetDevActivate},      {1019, &MainManager::reqSetDevAPActivate},
        {4096, &MainManager::reqSetDevReflashScreen}, {4101, &MainManager::reqSetDevReflashLogo},
        {1536, &MainManager::upgradePlateRecognateResult},
    };
    return table;
}

// Emits a record signal with an owned zero-padded copy of the record.
struct RecordEmitter
{
    int size;
    std::function<void(MainManager *, char *)> emitWith;
};

template<typename T>
RecordEmitter recordEmitter(void (MainManager::*signal)(T *))
{
    return {static_cast<int>(sizeof(T)),
            [signal](MainManager *self, char *record) { (self->*signal)(reinterpret_cast<T *>(record)); }};
}

const QHash<int, RecordEmitter> &recordSignals()
{
    static const QHash<int, RecordEmitter> table = {
        {9, recordEmitter(&MainManager::devVideoParamChanged)},
        {10, recordEmitter(&MainManager::devNetParamChanged)},
        {11, recordEmitter(&MainManager::devWifiParamChanged)},
        {12, recordEmitter(&MainManager::devAPNParamChanged)},
        {13, recordEmitter(&MainManager::devPlateParamChanged)},
        {18, recordEmitter(&MainManager::devTimeParamChanged)},
        {47, recordEmitter(&MainManager::devStaitcWifiParamChanged)},
        {49, recordEmitter(&MainManager::devDomainParamChanged)},
        {52, recordEmitter(&MainManager::devWifiV2ParamChanged)},
        {67, recordEmitter(&MainManager::devAESParamChanged)},
        {137, recordEmitter(&MainManager::devGroupTalkParamChanged)},
        {300, recordEmitter(&MainManager::devSIPParamChanged)},
        {400, recordEmitter(&MainManager::devOSDParamChanged)},
        {500, recordEmitter(&MainManager::devTarvioParamChanged)},
        {510, recordEmitter(&MainManager::devFtpParamChanged)},
        {520, recordEmitter(&MainManager::devFaceTdaParamChanged)},
        {530, recordEmitter(&MainManager::devPlat1400ParamChanged)},
        {540, recordEmitter(&MainManager::devPlatCustomParamChanged)},
        {550, recordEmitter(&MainManager::devPackParamChanged)},
        {560, recordEmitter(&MainManager::devLUMR3ParamChanged)},
        {562, recordEmitter(&MainManager::devTIMParamChanged)},
        {1013, recordEmitter(&MainManager::devDSTParamChanged)},
        {1015, recordEmitter(&MainManager::devPICParamChanged)},
        {1017, recordEmitter(&MainManager::devCCIDParamChanged)},
    };
    return table;
}

using JsonReadSignal = void (MainManager::*)(QByteArray);
using JsonWriteSignal = void (MainManager::*)(int, QByteArray);

struct JsonRead
{
    const char *handler;
    JsonReadSignal signal;
};

struct JsonWrite
{
    const char *handler;
    JsonWriteSignal signal;
};

const QHash<int, JsonRead> &jsonReads()
{
    static const QHash<int, JsonRead> table = {
        {70, {"RecvDevRecParamJson", &MainManager::devGetRecParamJsonChanged}},
        {72, {"RecvDevCustomParamJson", &MainManager::devGetCustomParamJsonChanged}},
        {74, {"RecvDevVideoParamJson", &MainManager::devGetVideoParamJsonChanged}},
        {76, {"RecvDevSystemParamJson", &MainManager::devGetSystemParamJsonChanged}},
        {80, {"RecvDevNetExtendParamJson", &MainManager::devGetNetExtendParamJsonChanged}},
    };
    return table;
}

const QHash<int, JsonWrite> &jsonWrites()
{
    static const QHash<int, JsonWrite> table = {
        {71, {"RecvSetDevRecParamJson", &MainManager::reqSetDevRecParamJson}},
        {73, {"RecvSetDevCustomParamJson", &MainManager::reqSetDevCustomParamJson}},
        {75, {"RecvSetDevVideoParamJson", &MainManager::reqSetDevVideoParamJson}},
        {77, {"RecvSetDevSystemParamJson", &MainManager::reqSetDevSystemParamJson}},
        {81, {"RecvSetDevNetExtendParamJson", &MainManager::reqSetDevNetExtendParamJson}},
    };
    return table;
}

void registerMetaTypes()
{
    qRegisterMetaType<VIDEO_PARA_T *>("VIDEO_PARA_T*");
    qRegisterMetaType<VIDEO_PARA_T_V3 *>("VIDEO_PARA_T_V3*");
    qRegisterMetaType<WIFI_PARA_T_V1_0 *>("WIFI_PARA_T_V1_0*");
    qRegisterMetaType<EACH_PPP_PARA_T *>("EACH_PPP_PARA_T*");
    qRegisterMetaType<PLATFORM_PARA_T *>("PLATFORM_PARA_T*");
    qRegisterMetaType<TIME_PARA_T *>("TIME_PARA_T*");
    qRegisterMetaType<WIFI_PARA_STATIC_T *>("WIFI_PARA_STATIC_T*");
    qRegisterMetaType<PLATFORM_DOMAIN_T *>("PLATFORM_DOMAIN_T*");
    qRegisterMetaType<WIFI_PARA_V2_T *>("WIFI_PARA_V2_T*");
    qRegisterMetaType<AES_CFG_PARAM *>("AES_CFG_PARAM*");
    qRegisterMetaType<GROUP_TALK_PARA_T *>("GROUP_TALK_PARA_T*");
    qRegisterMetaType<SIPUA_CONFIG_T *>("SIPUA_CONFIG_T*");
    qRegisterMetaType<EXTRA_OSD *>("EXTRA_OSD*");
    qRegisterMetaType<PLATFROM_TARVIO50_PARAM *>("PLATFROM_TARVIO50_PARAM*");
    qRegisterMetaType<FTP_CFG_PARAM *>("FTP_CFG_PARAM*");
    qRegisterMetaType<PLATFORM_FACE_CFG_PARAM *>("PLATFORM_FACE_CFG_PARAM*");
    qRegisterMetaType<PLATFORM_1400_CFG_PARAM *>("PLATFORM_1400_CFG_PARAM*");
    qRegisterMetaType<PLATFORM_CUSTOM_CFG_PARAM *>("PLATFORM_CUSTOM_CFG_PARAM*");
    qRegisterMetaType<AUDIO_VEDIO_PACK_CFG_PARAM *>("AUDIO_VEDIO_PACK_CFG_PARAM*");
    qRegisterMetaType<LUMARO_PARAM_V3_T *>("LUMARO_PARAM_V3_T*");
    qRegisterMetaType<TIM_PARAM_T *>("TIM_PARAM_T*");
    qRegisterMetaType<USB_DST_T *>("USB_DST_T*");
    qRegisterMetaType<PIC_PARAM *>("PIC_PARAM*");
    qRegisterMetaType<CCID_PARA_T *>("CCID_PARA_T*");
    qRegisterMetaType<SYSTEM_PARA_T *>("SYSTEM_PARA_T*");
    qRegisterMetaType<Ex_Param_V3_T *>("Ex_Param_V3_T*");
    qRegisterMetaType<DEVICE_ID_PARA_T *>("DEVICE_ID_PARA_T*");
    qRegisterMetaType<DEV_ACTIVATE_CAPA *>("DEV_ACTIVATE_CAPA*");
    qRegisterMetaType<ACTIVATE_STATUS *>("ACTIVATE_STATUS*");
    qRegisterMetaType<DeviceIdMap>("QMap<int,DEVICE_ID_PARA_T*>");
    qRegisterMetaType<DeviceIdMap>("DeviceIdMap");
}

} // namespace

// ---- instance ---------------------------------------------------------------

MainManager *MainManager::GetInstance()
{
    std::lock_guard<std::mutex> lock(instanceMutex());
    if (!s_instance)
        s_instance = new MainManager;
    return s_instance;
}

void MainManager::DestroyInstance()
{
    MainManager *instance = nullptr;
    {
        std::lock_guard<std::mutex> lock(instanceMutex());
        instance = s_instance;
        s_instance = nullptr;
    }
    if (!instance)
        return;
    instance->shutdown();
    delete instance;
}

MainManager::MainManager()
{
    registerMetaTypes();
    std::memset(&m_devIdParam, 0, sizeof m_devIdParam);
    std::memset(&m_devIdInfo, 0, sizeof m_devIdInfo);
    std::memset(&m_devCode, 0, sizeof m_devCode);
    std::memset(&m_systemParam, 0, sizeof m_systemParam);
    std::memset(&m_exParamV3, 0, sizeof m_exParamV3);
    connect(this, &MainManager::reqCloseDevice, this, &MainManager::onSignalCloseDevice);
    setUpDownload();
    SetMsgCallBack(&MainManager::MSG_CALLBACK, this);
}

MainManager::~MainManager()
{
    shutdown();
    qDeleteAll(m_device_info_list);
    m_device_info_list.clear();
}

void MainManager::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    SetMsgCallBack(nullptr, nullptr);
    disconnect(this, &MainManager::reqCloseDevice, this, &MainManager::onSignalCloseDevice);
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_generation;
        m_discoveryWake.notify_all();
    }
    // A run stops at its next check; readers it waits for may be serving the
    // GUI thread, so wait with events handled.
    waitUntil([this] { return m_runningRuns == 0; });
    QList<int> all;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (int index = 0; index < m_devCount; ++index)
            all << index;
    }
    closeIndexesAsync(all);
    waitForCloses();
}

void MainManager::waitUntil(const std::function<bool()> &done)
{
    auto isDone = [this, &done] {
        std::unique_lock<std::mutex> lock(m_mutex);
        return done();
    };
    if (isDone())
        return;
    if (QThread::currentThread() != thread() || !QCoreApplication::instance()) {
        while (!isDone())
            QThread::msleep(2);
        return;
    }
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (isDone())
            loop.quit();
    });
    poll.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

MainManager::ZoneParts MainManager::zoneParts(int offsetSeconds)
{
    ZoneParts parts;
    parts.hours = offsetSeconds / 3600;
    parts.minutes = ((offsetSeconds / 60) % 60 + 60) % 60;
    return parts;
}

void MainManager::setReplyDeadlines(int identityMs, int replyMs)
{
    m_identityMs = identityMs;
    m_replyMs = replyMs;
}

int MainManager::identityDeadlineMs() const
{
    return m_identityMs;
}

int MainManager::replyDeadlineMs() const
{
    return m_replyMs;
}

// ---- state ------------------------------------------------------------------

int MainManager::GetCurIndex() const
{
    return m_curIndex;
}

DEV_CODE_PARA_T MainManager::GetDevCode() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_devCode;
}

int MainManager::GetProtocolVer() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return static_cast<int>(m_devCode.protocolVer);
}

int MainManager::GetDeviceType() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return static_cast<int>(m_devCode.deviceType);
}

uchar MainManager::GetDevCodeByte(int offset) const
{
    if (offset < 0 || offset >= static_cast<int>(sizeof(DEV_CODE_PARA_T)))
        return 0;
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return reinterpret_cast<const uchar *>(&m_devCode)[offset];
}

DEVICE_ID_PARA_T MainManager::GetDevIdParam() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_devIdParam;
}

DEVICE_ID_PARA_T MainManager::GetDevIdInfo() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_devIdInfo;
}

SYSTEM_PARA_T MainManager::GetSystemParam() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_systemParam;
}

Ex_Param_V3_T MainManager::GetExParamV3() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_exParamV3;
}

DevJsonAbility MainManager::GetJsonAbility() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_jsonAbility;
}

bool MainManager::IsJsonAbility() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_bJsonAbility;
}

bool MainManager::IsFwVersion() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_bFwVersion;
}

bool MainManager::IsSystemParamValid() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_systemParamValid;
}

bool MainManager::IsExParamV3Valid() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_exParamV3Valid;
}

QString MainManager::getLoginPwd() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_password;
}

QMap<int, DEVICE_ID_PARA_T *> MainManager::GetDeviceMap() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_device_info_list;
}

void MainManager::SetDevIdInfo(const QString &deviceId, const QString &officerId)
{
    DEVICE_ID_PARA_T record;
    std::memset(&record, 0, sizeof record);
    writeLocalField(record.userId, officerId);
    writeLocalField(record.deviceId, deviceId);
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_devIdParam = record;
    m_devIdInfo = record;
}

// ---- callback and dispatch --------------------------------------------------

void TESSVAR_CALL MainManager::MSG_CALLBACK(int index, int cmd, int result, const void *data, int length,
                                            void *user)
{
    qDebug() << "result = " << result << "msg_type = " << cmd << "buf_size = " << length;
    MOSTREL_LOG_AS("MSG_CALLBACK", "info index = %d, result = %d, msg_type = %d, buf_size = %d\n", index,
                   result, cmd, length);
    if (!user)
        return;
    auto *self = static_cast<MainManager *>(user);
    // A camera being closed may have a GUI thread waiting for its reader.
    if (self->isClosing(index))
        return;
    self->dispatch(index, cmd, result, static_cast<const char *>(data), data ? length : 0);
    QThread::msleep(kCallbackPauseMs);
}

void MainManager::dispatch(int index, int cmd, int result, const char *data, int length)
{
    if (length <= 0)
        data = nullptr;
    if (dispatchTabled(cmd, result, data, length))
        return;

    switch (cmd) {
    case 1:
        RecvDevLogin(index, result, data, length);
        break;
    case 2:
    case 3:
    case 20:
    case 22:
    case TESSVAR_CB_LOG_NAME:
    case TESSVAR_CB_LOG_LIST_DONE:
        queueTransferReply(index, cmd, result, data, length);
        break;
    case 14:
        RecvDevIdParam(index, result, data, length);
        break;
    case 15:
        queueIdParamReply(result);
        break;
    case 16:
        onPasswordReply(result);
        emit reqSetDevPwd(result);
        break;
    case 26:
    case 1002:
        emit switchUsbModel(result == 0);
        break;
    case 30:
        keepAndEmit(m_systemParam, m_systemParamValid, &MainManager::devSystemParamChanged, data, length);
        break;
    case 32:
        RecvDevKey(result, data, length);
        break;
    case 36:
        RecvMediaIndex(result, data, length);
        break;
    case 39:
        RecvDevCode(data, length);
        break;
    case 50:
    case 1003:
        RecvDevConfigParam(cmd == 1003, data, length);
        break;
    case 1001:
        RecvDevStreamParamV3(data, length);
        break;
    case 1007:
        keepAndEmit(m_exParamV3, m_exParamV3Valid, &MainManager::devExParamChangedV3, data, length);
        break;
    case 1009:
        RecvDevFW(result, data, length);
        break;
    case 100:
        RecvDevJsonAbility(result, data, length);
        break;
    case 1020:
        emitRecordOrNull<DEV_ACTIVATE_CAPA>(&MainManager::reqDeviceActive, data, length);
        break;
    case 1021:
        emitRecordOrNull<ACTIVATE_STATUS>(&MainManager::reqDeviceActiveStatus, data, length);
        break;
    default:
        MOSTREL_LOG_AS("MSG_CALLBACK", "Message Call Back Return Type Error \n");
        break;
    }
}

bool MainManager::dispatchTabled(int cmd, int result, const char *data, int length)
{
    const auto resultSignal = resultSignals().constFind(cmd);
    if (resultSignal != resultSignals().constEnd()) {
        emit(this->*resultSignal.value())(result);
        return true;
    }
    const auto record = recordSignals().constFind(cmd);
    if (record != recordSignals().constEnd()) {
        if (data) {
            QByteArray copy = ownedCopy(data, length, record->size);
            record->emitWith(this, copy.data());
        }
        return true;
    }
    const auto jsonRead = jsonReads().constFind(cmd);
    if (jsonRead != jsonReads().constEnd()) {
        const QString text = LocalText::decode(payloadText(data, length));
        MOSTREL_LOG_AS(jsonRead->handler, "%s(%s)\n", jsonRead->handler, LocalText::encode(text).constData());
        if (result == 0 && data)
            emit(this->*jsonRead->signal)(text.toUtf8());
        return true;
    }
    const auto jsonWrite = jsonWrites().constFind(cmd);
    if (jsonWrite != jsonWrites().constEnd()) {
        emit(this->*jsonWrite->signal)(result, localToUtf8(data, length));
        return true;
    }
    return false;
}

template<typename Record>
void MainManager::emitRecordOrNull(void (MainManager::*signal)(Record *), const char *data, int length)
{
    if (!data) {
        emit(this->*signal)(nullptr);
        return;
    }
    QByteArray copy = ownedCopy(data, length, sizeof(Record));
    emit(this->*signal)(reinterpret_cast<Record *>(copy.data()));
}

template<typename Record>
void MainManager::keepAndEmit(Record &kept, bool &valid, void (MainManager::*signal)(Record *), const char *data,
                              int length)
{
    if (!data)
        return;
    QByteArray copy = ownedCopy(data, length, sizeof(Record));
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        std::memcpy(&kept, copy.constData(), sizeof kept);
        valid = true;
    }
    emit(this->*signal)(reinterpret_cast<Record *>(copy.data()));
}

void MainManager::queueTransferReply(int index, int cmd, int result, const char *data, int length)
{
    const QByteArray payload = data ? QByteArray(data, length) : QByteArray();
    QMetaObject::invokeMethod(
        this, [this, index, cmd, result, payload] { onTransferReply(index, cmd, result, payload); },
        Qt::QueuedConnection);
}

void MainManager::queueIdParamReply(int result)
{
    QMetaObject::invokeMethod(
        this,
        [this, result] {
            onIdParamReply(result);
            DEVICE_ID_PARA_T record = GetDevIdParam();
            emit devIdParamChanged(&record);
            emit reqSetDevIdParam(result);
        },
        Qt::QueuedConnection);
}

void MainManager::RecvDevKey(int result, const char *data, int length)
{
    if (result != 0 || !data) {
        emit loadDeviceKey(-1, nullptr);
        return;
    }
    QByteArray key = payloadText(data, length);
    emit loadDeviceKey(0, key.data());
}

// One page of the media index: a 16-byte header whose second word counts the
// items that follow. A page shorter than its count is refused whole.
void MainManager::RecvMediaIndex(int result, const char *data, int length)
{
    MOSTREL_LOG("updateMediaInfo result = %d, length = %d\n", result, length);
    if (!data) {
        emit updateMediaInfo(result, nullptr);
        return;
    }
    constexpr int kHeader = 16;
    const qint64 count = length >= 8 ? readU32(data, 4) : -1;
    const qint64 needed = kHeader + count * static_cast<qint64>(sizeof(FILE_IDX_ITEM));
    if (count < 0 || length < needed) {
        emit updateMediaInfo(-1, nullptr);
        return;
    }
    QByteArray page(data, static_cast<int>(needed));
    emit updateMediaInfo(result, page.data());
}

void MainManager::RecvDevConfigParam(bool third, const char *data, int length)
{
    if (!data)
        return;
    if (third)
        emitConfigStreams(&MainManager::devVideoParamChangedV3, &MainManager::devNetParamChangedV3, data, length);
    else
        emitConfigStreams(&MainManager::devVideoParamChanged, &MainManager::devNetParamChanged, data, length);
    emit updateDevConfigParamOver();
}

// The identity, then the recording and the network stream's video records.
template<typename Video>
void MainManager::emitConfigStreams(void (MainManager::*recording)(Video *), void (MainManager::*network)(Video *),
                                    const char *data, int length)
{
    constexpr int kIdentity = int(sizeof(DEVICE_ID_PARA_T));
    QByteArray copy = ownedCopy(data, length, kIdentity + 2 * int(sizeof(Video)));
    postIdentity(copy.left(kIdentity));
    auto *streams = reinterpret_cast<Video *>(copy.data() + kIdentity);
    emit(this->*recording)(streams);
    emit(this->*network)(streams + 1);
}

void MainManager::RecvDevStreamParamV3(const char *data, int length)
{
    if (!data)
        return;
    QByteArray copy = ownedCopy(data, length, sizeof(VIDEO_PARA_T_V3));
    auto *param = reinterpret_cast<VIDEO_PARA_T_V3 *>(copy.data());
    if (param->stream != 0)
        emit devNetParamChangedV3(param);
    else
        emit devVideoParamChangedV3(param);
}

void MainManager::postIdentity(const QByteArray &record)
{
    // The GUI thread's own copy: pages connect this signal with the default
    // type, and posted events keep their order ahead of the blocking records.
    QMetaObject::invokeMethod(
        this,
        [this, record] {
            QByteArray copy = record;
            emit devIdParamChanged(reinterpret_cast<DEVICE_ID_PARA_T *>(copy.data()));
        },
        Qt::QueuedConnection);
}

void MainManager::RecvDevCode(const char *data, int length)
{
    if (!data)
        return;
    const QByteArray copy = ownedCopy(data, length, sizeof(DEV_CODE_PARA_T));
    DEV_CODE_PARA_T code;
    std::memcpy(&code, copy.constData(), sizeof code);
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_devCode = code;
    }
    const QByteArray serial = LocalText::encode(LocalText::decodeField(code.serNStr, sizeof code.serNStr));
    const QByteArray model = LocalText::encode(LocalText::decodeField(code.modelStr, sizeof code.modelStr));
    MOSTREL_LOG("RecvDevCode(), deviceType = %u, protocolVer = %u, serNStr = %s, modelStr = %s\n",
                code.deviceType, code.protocolVer, serial.constData(), model.constData());
}

void MainManager::RecvDevFW(int result, const char *data, int length)
{
    const QString version = LocalText::decode(payloadText(data, length));
    const bool hasVersion = result == 0 && !version.isEmpty();
    if (hasVersion)
        MOSTREL_LOG("RecvDevFW(), %s\n", LocalText::encode(version).constData());
    else
        MOSTREL_LOG("RecvDevFW(), old FW\n");
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_bFwVersion = hasVersion;
}

void MainManager::RecvDevJsonAbility(int result, const char *data, int length)
{
    const QString decoded = LocalText::decode(payloadText(data, length));
    MOSTREL_LOG("RecvDevJsonAbility(%s)\n", LocalText::encode(decoded).constData());
    const QByteArray text = decoded.toUtf8();
    DevJsonAbility ability;
    bool parsed = false;
    if (result == 0 && !text.isEmpty())
        parsed = JsonHelper::parseDevAbility(ability, text);
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_jsonAbility = parsed ? ability : DevJsonAbility();
        m_bJsonAbility = parsed;
    }
    emit devRecvDevJsonAbility();
}

// ---- discovery ----------------------------------------------------------------

bool MainManager::isStale(int generation) const
{
    return m_generation != generation;
}

void MainManager::freeDeviceRecords(QMap<int, DEVICE_ID_PARA_T *> records)
{
    if (records.isEmpty())
        return;
    // Pages read these records on the GUI thread, so they go there.
    QObject *context = QCoreApplication::instance();
    if (!context) {
        qDeleteAll(records);
        return;
    }
    QMetaObject::invokeMethod(
        context, [records] { qDeleteAll(records); }, Qt::QueuedConnection);
}

void MainManager::RefreshDeviceList()
{
    int generation = 0;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_shutDown)
            return;
        generation = ++m_generation;
        ++m_runningRuns;
        m_discoveryWake.notify_all();
    }
    {
        std::lock_guard<std::mutex> run(m_runMutex);
        if (!isStale(generation))
            runDiscovery(generation);
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    --m_runningRuns;
    m_discoveryWake.notify_all();
}

template<typename Done>
bool MainManager::waitLocked(std::unique_lock<std::mutex> &lock, int generation, int ms, Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    m_discoveryWake.wait_until(lock, deadline, [&] { return isStale(generation) || done(); });
    return !isStale(generation);
}

void MainManager::runDiscovery(int generation)
{
    if (!resetForDiscovery(generation))
        return;

    int count = 0;
    const int ret = RefreshDecice(&count);
    MOSTREL_LOG("RefreshDecice count = %d, req result = %d\n", count, ret);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_devCount = ret == 0 ? qMax(count, 0) : 0;
    if (isStale(generation))
        return;
    if (ret != 0 || count <= 0) {
        lock.unlock();
        emit refreshDeviceResult(false);
        return;
    }
    for (int index = 0; index < count; ++index)
        m_devID_list << index;

    for (;;) {
        while (!m_devID_list.isEmpty()) {
            if (!identify(m_devID_list.first(), generation, lock))
                return;
        }
        if (m_failList.isEmpty() || m_refreshCount >= kExtraPasses)
            break;
        ++m_refreshCount;
        m_devID_list = m_failList;
    }
    lock.unlock();
    if (!isStale(generation))
        emit updateDevListOver();
}

bool MainManager::resetForDiscovery(int generation)
{
    QMap<int, DEVICE_ID_PARA_T *> old;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        old.swap(m_device_info_list);
        m_failList.clear();
        m_devID_list.clear();
        m_refreshCount = 0;
        // A close still running could reach a camera enumerated anew.
        waitLocked(lock, generation, 24 * 3600 * 1000, [this] { return m_pendingCloses == 0; });
    }
    freeDeviceRecords(old);
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        forgetKeptRecordsLocked();
    }
    QMetaObject::invokeMethod(this, [this] { clearDownloadState(); }, Qt::QueuedConnection);
    return !isStale(generation);
}

bool MainManager::identify(int head, int generation, std::unique_lock<std::mutex> &lock)
{
    lock.unlock();
    if (isStale(generation))
        return false;
    OpenDevice(head);
    if (isStale(generation))
        return false;
    const int sent = GetIDParam(head);
    lock.lock();
    auto answered = [this, head] { return !m_devID_list.contains(head); };
    if (sent != 0) {
        markFailed(head);
    } else {
        for (int repeat = 0; repeat < kIdentityRepeats && !answered(); ++repeat) {
            if (!waitLocked(lock, generation, kIdentityRepeatMs, answered))
                return false;
            if (answered())
                break;
            lock.unlock();
            if (isStale(generation))
                return false;
            GetIDParam(head);
            lock.lock();
        }
        if (!waitLocked(lock, generation, m_identityMs, answered))
            return false;
        if (!answered()) {
            MOSTREL_LOG("no identity from index %d\n", head);
            markFailed(head);
        }
    }
    if (!m_device_info_list.contains(head)) {
        lock.unlock();
        CloseDevice(head);
        lock.lock();
    }
    return true;
}

void MainManager::markFailed(int index)
{
    if (!m_failList.contains(index))
        m_failList << index;
    m_devID_list.removeAll(index);
}

void MainManager::RecvDevIdParam(int index, int result, const char *data, int length)
{
    Q_UNUSED(result)
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_devID_list.contains(index))
        return;
    if (data) {
        if (!m_device_info_list.contains(index)) {
            auto *record = new DEVICE_ID_PARA_T;
            const QByteArray copy = ownedCopy(data, length, sizeof(DEVICE_ID_PARA_T));
            std::memcpy(record, copy.constData(), sizeof *record);
            m_device_info_list.insert(index, record);
        }
        m_failList.removeAll(index);
    } else if (!m_failList.contains(index)) {
        m_failList << index;
    }
    m_devID_list.removeAll(index);
    m_discoveryWake.notify_all();
}

// ---- log-in -----------------------------------------------------------------

int MainManager::ReqDeviceActive(int index)
{
    return GetDevActiveCap(index);
}

int MainManager::ReqDeviceActiveStatus(int index)
{
    return GetDevActiveStatus(index);
}

void MainManager::LoginDevice(int index, const QString &password)
{
    const QByteArray utf8 = password.toUtf8();
    if (utf8.size() >= kPasswordField) {
        MOSTREL_LOG("LoginDevice(), password too long\n");
        emit LoginCmdFailure();
        return;
    }
    char buffer[kPasswordField] = {};
    std::memcpy(buffer, utf8.constData(), static_cast<size_t>(utf8.size()));
    int token = 0;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        token = ++m_nextLoginToken;
        m_loginToken = token;
        m_loginIndex = index;
        m_password = password;
    }
    if (::LoginDevice(index, buffer) != 0) {
        abandonLogin(token);
        emit LoginCmdFailure();
        return;
    }
    armLoginDeadline(token);
}

// Ends the log-in that token started unless its answer or a later log-in
// already did; true when it was still waiting.
bool MainManager::abandonLogin(int token)
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (m_loginToken != token)
        return false;
    m_loginToken = 0;
    m_password.clear();
    return true;
}

void MainManager::armLoginDeadline(int token)
{
    const int deadline = m_replyMs;
    QMetaObject::invokeMethod(
        this,
        [this, token, deadline] {
            QTimer::singleShot(deadline, this, [this, token] {
                if (!abandonLogin(token))
                    return;
                MOSTREL_LOG("LoginDevice(), no answer\n");
                emit LoginCmdFailure();
            });
        },
        Qt::QueuedConnection);
}

void MainManager::forgetKeptRecordsLocked()
{
    std::memset(&m_systemParam, 0, sizeof m_systemParam);
    std::memset(&m_exParamV3, 0, sizeof m_exParamV3);
    m_systemParamValid = false;
    m_exParamV3Valid = false;
}

void MainManager::RecvDevLogin(int index, int result, const char *data, int length)
{
    MOSTREL_LOG("RecvDevLogin(), index = %d, ret = %d\n", index, result);
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (m_loginToken == 0 || m_loginIndex != index)
            return;
        m_loginToken = 0;
        if (result != 0)
            m_password.clear();
    }
    if (result != 0) {
        const int lockTime = data && length >= 4 ? static_cast<int>(readU32(data, 0)) : 0;
        emit deviceLoginResult(false, lockTime);
        return;
    }
    m_curIndex = index;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_bLogin = true;
        forgetKeptRecordsLocked();
    }
    emit reqCloseDevice(index);
    const QDateTime now = QDateTime::currentDateTime();
    const ZoneParts zone = zoneParts(now.offsetFromUtc());
    SetDevTimeParam(now, zone.hours, zone.minutes);
    emit deviceLoginResult(true, 0);
}

void MainManager::onSignalCloseDevice(int index)
{
    QList<int> others;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (auto it = m_device_info_list.constBegin(); it != m_device_info_list.constEnd(); ++it) {
            if (it.key() != index)
                others << it.key();
        }
    }
    closeIndexesAsync(others);
}

void MainManager::CloseLoginDevice()
{
    const int index = m_curIndex;
    if (index < 0)
        return;
    closeIndexesAsync({index});
    waitForCloses();
}

int MainManager::ReqLogOutDevice(int index)
{
    MOSTREL_LOG("ReqLogOutDevice(), index = %d\n", index);
    const int ret = LogOut(index);
    if (ret != 0)
        MOSTREL_LOG("ReqLogOutDevice() error");
    return ret;
}

bool MainManager::isClosing(int index) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_closing.contains(index);
}

void MainManager::closeIndexesAsync(const QList<int> &indexes)
{
    if (indexes.isEmpty())
        return;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (int index : indexes)
            m_closing.insert(index);
        ++m_pendingCloses;
    }
    // A plain thread: it may wait for a reader that waits for the GUI thread.
    std::thread([this, indexes] {
        for (int index : indexes)
            CloseDevice(index);
        std::lock_guard<std::mutex> lock(m_mutex);
        for (int index : indexes)
            m_closing.remove(index);
        --m_pendingCloses;
        m_discoveryWake.notify_all();
    }).detach();
}

void MainManager::waitForCloses()
{
    waitUntil([this] { return m_pendingCloses == 0; });
}

// ---- requests ---------------------------------------------------------------

#define MAINMANAGER_REQUEST(method, exportCall)   \
    int MainManager::method()                     \
    {                                             \
        MOSTREL_LOG(#method "()\n");              \
        return ::exportCall(m_curIndex);          \
    }

MAINMANAGER_REQUEST(ReqDevAESParam, GetAESParam)
MAINMANAGER_REQUEST(ReqDevApnParam, GetPPPParam)
MAINMANAGER_REQUEST(ReqDevCCIDParam, GetDevCCID)
MAINMANAGER_REQUEST(ReqDevCustomParamJson, GetDevCustomJsonParam)
MAINMANAGER_REQUEST(ReqDevDomainParam, GetPlatFormDomainParam)
MAINMANAGER_REQUEST(ReqDevDSTParam, GetDSTParam)
MAINMANAGER_REQUEST(ReqDevExParamV3, GetExParamV3)
MAINMANAGER_REQUEST(ReqDevFaceTdaParam, GetFaceParam)
MAINMANAGER_REQUEST(ReqDevFtpParam, GetFTPParam)
MAINMANAGER_REQUEST(ReqDevGroupTalkParam, GetGroupTalkParam)
MAINMANAGER_REQUEST(ReqDevLUMR3Param, GetLUMR3Param)
MAINMANAGER_REQUEST(ReqDevNetExtendParamJson, GetDevNetExtendJsonParam)
MAINMANAGER_REQUEST(ReqDevNetParam, GetNetParam)
MAINMANAGER_REQUEST(ReqDevOSDParam, GetEXTRAOSDParam)
MAINMANAGER_REQUEST(ReqDevPackParam, GetMediaPackParam)
MAINMANAGER_REQUEST(ReqDevPICParam, GetPICParam)
MAINMANAGER_REQUEST(ReqDevPlat1400Param, GetPlat1400Param)
MAINMANAGER_REQUEST(ReqDevPlatCustomParam, GetPlatCustomParam)
MAINMANAGER_REQUEST(ReqDevPlateParam, GetPlatFormParam)
MAINMANAGER_REQUEST(ReqDevRecParamJson, GetDevRecJsonParam)
MAINMANAGER_REQUEST(ReqDevSIPParamRes, GetSIPParam)
MAINMANAGER_REQUEST(ReqDevStaticWifiParam, GetWifiStaticParam)
MAINMANAGER_REQUEST(ReqDevSystemParam, GetSystemParam)
MAINMANAGER_REQUEST(ReqDevSystemParamJson, GetDevSystemJsonParam)
MAINMANAGER_REQUEST(ReqDevTarvioParam, GetTARVIO50Param)
MAINMANAGER_REQUEST(ReqDevTimeParam, GetTime)
MAINMANAGER_REQUEST(ReqDevTimPlateParam, GetTIMPlatParam)
MAINMANAGER_REQUEST(ReqDevVideoParam, GetRecParam)
MAINMANAGER_REQUEST(ReqDevVideoParamJson, GetDevVideoJsonParam)
MAINMANAGER_REQUEST(ReqDevWifiParam, GetWifiParam)
MAINMANAGER_REQUEST(ReqDevWifiParamV2, GetWifiParamV2)

#undef MAINMANAGER_REQUEST

int MainManager::ReqDevCodeParam(int index)
{
    MOSTREL_LOG("ReqDevCodeParam()\n");
    {
        // The reply rewrites it; until then it must not describe the last camera.
        std::lock_guard<std::mutex> lock(m_stateMutex);
        std::memset(&m_devCode, 0, sizeof m_devCode);
    }
    return GetDeviceCode(index);
}

int MainManager::ReqDevFWParam(int index)
{
    MOSTREL_LOG("ReqDevFWParam()\n");
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_bFwVersion = false;
    }
    return GetDevFWVersion(index);
}

int MainManager::ReqDevJsonAbility(int index)
{
    MOSTREL_LOG("ReqDevJsonAbility()\n");
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_bJsonAbility = false;
        m_jsonAbility = DevJsonAbility();
    }
    return GetDevJSONInfo(index);
}

int MainManager::ReqDeviceKey(int index)
{
    MOSTREL_LOG("ReqDeviceKey()\n");
    const int ret = GetDeviceKey(index);
    if (ret != 0) {
        // Receivers connect blocking; from the GUI thread that would deadlock.
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_pendingCloses;
        }
        std::thread([this] {
            emit loadDeviceKey(-1, nullptr);
            std::lock_guard<std::mutex> lock(m_mutex);
            --m_pendingCloses;
            m_discoveryWake.notify_all();
        }).detach();
    }
    return ret;
}

int MainManager::ReqDevVideoParamV3(int chan, int stream)
{
    MOSTREL_LOG("ReqDevVideoParamV3()\n");
    VIDEO_PARA_T_V3 query;
    std::memset(&query, 0, sizeof query);
    query.chan = static_cast<quint32>(chan);
    query.stream = static_cast<quint32>(stream);
    return GetVideoParamV3(m_curIndex, &query);
}

int MainManager::ReqMediaInfoList(const MEDIA_LIST_QUERY_T *query)
{
    MOSTREL_LOG("ReqMediaInfoList()\n");
    return GetMediaInfoList(m_curIndex, query);
}

void MainManager::ReqDevAllConfigParam()
{
    NotifyDevIdParam();
    const int generation = GetProtocolVer();
    if (generation == 2) {
        MOSTREL_LOG("ReqDevALLParam()\n");
        GetALLParamV2(m_curIndex);
    } else if (generation == 3) {
        const int ret = GetALLParamV3(m_curIndex);
        MOSTREL_LOG("ReqDevALLParamV3(), RET = %d\n", ret);
    } else {
        MOSTREL_LOG("reqDevVideoParam()\n");
        GetRecParam(m_curIndex);
    }
}

void MainManager::NotifyDevIdParam()
{
    DEVICE_ID_PARA_T record = GetDevIdParam();
    emit devIdParamChanged(&record);
}

bool MainManager::SetDevTimeParam(const QDateTime &dateTime, int zoneHours, int zoneMinutes)
{
    TIME_PARA_T record;
    std::memset(&record, 0, sizeof record);
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    const int values[] = {zoneHours,  zoneMinutes,   date.year(),   date.month(),
                          date.day(), time.hour(), time.minute(), time.second()};
    for (int i = 0; i < 8; ++i)
        writeU32(record.bytes, i * 4, static_cast<quint32>(values[i]));
    const int ret = SetTime(m_curIndex, &record);
    MOSTREL_LOG("SetDevTimeParam(), ret = %d\n", ret);
    return ret >= 0;
}

// Compiled here rather than with the library's other meta-objects, so that
// programs which link the core without the device library stay linkable.
#include "moc_MainManager.cpp"
