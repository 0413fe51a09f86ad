// The setters, merge setters and actions of MainManager.

#include "MainManager.h"

#include "Ipv4Text.h"
#include "LocalText.h"
#include "Mostrel.h"
#include "RecordWriter.h"

#include <QDebug>
#include <QFile>
#include <mutex>

#include <cstring>

namespace {

using Encoding = RecordWriter::Encoding;
using Width = RecordWriter::Width;

template<typename Record>
Record zeroed()
{
    Record record;
    std::memset(&record, 0, sizeof record);
    return record;
}

template<typename Record>
RecordWriter writerFor(Record &record)
{
    return RecordWriter(&record, int(sizeof record));
}

quint8 flag(bool on)
{
    return on ? 1 : 0;
}

// The page's UTF-8 up to its first NUL, in the camera's encoding.
QByteArray jsonForCamera(const QByteArray &json)
{
    const int nul = json.indexOf('\0');
    return LocalText::encode(QString::fromUtf8(nul >= 0 ? json.left(nul) : json));
}

constexpr int kValidateField = 1024;
constexpr int kActivationField = 128;
constexpr int kActivationText = 64;
constexpr quint32 kUploadPacketSize = 0x8000;

} // namespace

// ---- video records ----------------------------------------------------------

bool MainManager::SetDevVideoParam(int resolution, int frameRate, int bitRate)
{
    VIDEO_PARA_T record = zeroed<VIDEO_PARA_T>();
    RecordWriter w = writerFor(record);
    w.u32(0, quint32(resolution));
    w.u32(4, quint32(frameRate));
    w.u32(8, quint32(bitRate));
    const int ret = SetRecParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevVideoParam(%d, %d, %d), ret = %d\n", resolution, frameRate, bitRate, ret);
    return ret == 0;
}

bool MainManager::SetDevNetParam(int resolution, int frameRate, int bitRate)
{
    VIDEO_PARA_T record = zeroed<VIDEO_PARA_T>();
    RecordWriter w = writerFor(record);
    w.u32(0, quint32(resolution));
    w.u32(4, quint32(frameRate));
    w.u32(8, quint32(bitRate));
    const int ret = SetNetParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevNetParam(%d, %d, %d), ret = %d\n", resolution, frameRate, bitRate, ret);
    return ret == 0;
}

namespace {

VIDEO_PARA_T_V3 videoV3(quint32 stream, int resolution, int frameRate, int bitRate, int chan, int streamtype)
{
    VIDEO_PARA_T_V3 record = zeroed<VIDEO_PARA_T_V3>();
    RecordWriter w = writerFor(record);
    w.u32(0, quint32(chan));
    w.u32(4, stream);
    w.u32(8, quint32(streamtype));
    w.u32(12, quint32(resolution));
    w.u32(16, quint32(frameRate));
    w.u32(20, quint32(bitRate));
    return record;
}

} // namespace

bool MainManager::SetDevVideoV3Param(int resolution, int frameRate, int bitRate, int chan, int streamtype)
{
    const VIDEO_PARA_T_V3 record = videoV3(0, resolution, frameRate, bitRate, chan, streamtype);
    const int ret = SetVideoParamV3(m_curIndex, &record);
    MOSTREL_LOG("SetDevVideoV3Param(%d, %d, %d, %d, %d), ret = %d\n", resolution, frameRate, bitRate, chan,
                streamtype, ret);
    return ret == 0;
}

bool MainManager::SetDevNetV3Param(int resolution, int frameRate, int bitRate, int chan, int streamtype,
                                   int netvideoEncoding)
{
    VIDEO_PARA_T_V3 record = videoV3(1, resolution, frameRate, bitRate, chan, streamtype);
    writerFor(record).u32(24, quint32(netvideoEncoding));
    const int ret = SetVideoParamV3(m_curIndex, &record);
    MOSTREL_LOG("SetDevNetV3Param(%d, %d, %d, %d, %d, %d), ret = %d\n", resolution, frameRate, bitRate, chan,
                streamtype, netvideoEncoding, ret);
    return ret == 0;
}

// ---- merge setters ------------------------------------------------------------
//
// Pages that share a record each own some of its positions. The merge and the
// copy that is sent happen under the state lock, so a reply rewriting the
// cache meanwhile cannot tear it; the send itself happens unlocked. The cache
// keeps what was sent, so the next page's save carries this one's values.

bool MainManager::SetDevSystemParam(quint8 positioning, quint32 screenSaverMs, quint8 systemSound,
                                    quint8 operationPassword, quint8 led, quint8 gpsTimeSync)
{
    const int index = m_curIndex;
    SYSTEM_PARA_T record;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_systemParamValid) {
            MOSTREL_LOG("SetDevSystemParam(), no system record of the camera yet\n");
            return false;
        }
        RecordWriter w = writerFor(m_systemParam);
        w.u8(19, positioning);
        w.u32(0, screenSaverMs);
        w.u8(16, systemSound);
        w.u8(20, operationPassword);
        w.u8(18, led);
        w.u8(23, gpsTimeSync);
        record = m_systemParam;
    }
    const int ret = SetSystemParam(index, &record);
    MOSTREL_LOG("SetDevSystemParam(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevSystemParamEx(quint8 infrared, qint32 preRecord, qint32 delayedRecording,
                                      qint32 segmentCode)
{
    const int index = m_curIndex;
    SYSTEM_PARA_T record;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_systemParamValid) {
            MOSTREL_LOG("SetDevSystemParamEx(), no system record of the camera yet\n");
            return false;
        }
        RecordWriter w = writerFor(m_systemParam);
        w.u8(22, infrared);
        w.i32(12, preRecord);
        w.i32(8, delayedRecording);
        w.i32(4, segmentCode);
        record = m_systemParam;
    }
    const int ret = SetSystemParam(index, &record);
    MOSTREL_LOG("SetDevSystemParamEx(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevExParamV3(quint8 first, quint8 second, quint8 third, quint8 fourth, quint8 fifth,
                                  quint8 sixth, quint8 seventh)
{
    const int index = m_curIndex;
    Ex_Param_V3_T record;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_exParamV3Valid) {
            MOSTREL_LOG("SetDevExParamV3(), no extended record of the camera yet\n");
            return false;
        }
        RecordWriter w = writerFor(m_exParamV3);
        w.u8(3, first);
        w.u8(16, second);
        w.u8(60, third);
        w.u8(63, fourth);
        w.u8(66, fifth);
        w.u8(67, sixth);
        w.u8(68, seventh);
        record = m_exParamV3;
    }
    const int ret = SetExParamV3(index, &record);
    MOSTREL_LOG("SetDevExParamV3(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevExParamV3All(const Ex_Param_V3_T *page)
{
    if (!page)
        return false;
    const int index = m_curIndex;
    Ex_Param_V3_T record;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_exParamV3Valid) {
            MOSTREL_LOG("SetDevExParamV3All(), no extended record of the camera yet\n");
            return false;
        }
        RecordWriter w = writerFor(m_exParamV3);
        for (int offset : {0, 1, 2, 4, 5, 6, 7, 61, 62, 64, 65, 70, 71})
            w.u8(offset, page->bytes[offset]);
        w.bytes(8, page->bytes + 8, 8); // the two 32-bit values at 8 and 12
        w.bytes(28, page->bytes + 28, 31);
        record = m_exParamV3;
    }
    const int ret = SetExParamV3(index, &record);
    MOSTREL_LOG("SetDevExParamV3All(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevExParamV3Lumaro(bool cloudSwitch, const QString &code)
{
    const int index = m_curIndex;
    Ex_Param_V3_T record;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_exParamV3Valid) {
            MOSTREL_LOG("SetDevExParamV3Lumaro(), no extended record of the camera yet\n");
            return false;
        }
        RecordWriter w = writerFor(m_exParamV3);
        w.u8(17, flag(cloudSwitch));
        // A shorter code leaves no bytes of the previous one behind.
        w.text(20, 8, code, Encoding::Local, Width::Full);
        record = m_exParamV3;
    }
    const int ret = SetExParamV3(index, &record);
    MOSTREL_LOG("SetDevExParamV3Lumaro(), ret = %d\n", ret);
    return ret >= 0;
}

// ---- records the page built ---------------------------------------------------

bool MainManager::SetDeviceOSDParam(const EXTRA_OSD *record)
{
    const int ret = record ? SetEXTRAOSDParam(m_curIndex, record) : -1;
    if (ret < 0)
        MOSTREL_LOG("SetOSDParam false\n");
    return ret >= 0;
}

bool MainManager::SetDevDSTParam(const USB_DST_T *record)
{
    if (!record)
        return false;
    const int ret = SetDSTParam(m_curIndex, record);
    if (ret < 0) {
        MOSTREL_LOG("SetDevDSTParam false\n");
        return false;
    }
    return true;
}

bool MainManager::SetDevSIPParam(const SIPUA_CONFIG_T *record)
{
    if (!record)
        return false;
    const int ret = SetSIPParam(m_curIndex, record);
    MOSTREL_LOG("SetDevSIPParam(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevGroupTalkParam(const GROUP_TALK_PARA_T *record)
{
    if (!record)
        return false;
    const int ret = SetGroupTalkParam(m_curIndex, record);
    MOSTREL_LOG("SetDevGroupTalkParam(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevPICParam(quint8 code)
{
    PIC_PARAM record = zeroed<PIC_PARAM>();
    writerFor(record).u8(0, code);
    const int ret = SetPICParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevPICParam(%d), ret = %d\n", code, ret);
    return ret >= 0;
}

bool MainManager::SetDevicePackParam(quint8 first, quint8 second, quint8 third, quint16 fourth)
{
    AUDIO_VEDIO_PACK_CFG_PARAM record = zeroed<AUDIO_VEDIO_PACK_CFG_PARAM>();
    RecordWriter w = writerFor(record);
    w.u8(0, first);
    w.u8(1, second);
    w.u8(2, third);
    w.u16(4, fourth);
    const int ret = SetMediaPackParam(m_curIndex, &record);
    if (ret < 0)
        MOSTREL_LOG("SetOSDParam false\n");
    return ret >= 0;
}

// ---- JSON groups --------------------------------------------------------------

bool MainManager::SetDevRecParamJson(const QByteArray &json)
{
    const int ret = SetDevRecJsonParam(m_curIndex, jsonForCamera(json).constData());
    MOSTREL_LOG("SetDevRecParamJson(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevCustomParamJson(const QByteArray &json)
{
    const int ret = SetDevCustomJsonParam(m_curIndex, jsonForCamera(json).constData());
    MOSTREL_LOG("SetDevCustomParamJson(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevVideoParamJson(const QByteArray &json)
{
    const int ret = SetDevVideoJsonParam(m_curIndex, jsonForCamera(json).constData());
    MOSTREL_LOG("SetDevVideoParamJson(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevSystemParamJson(const QByteArray &json)
{
    const int ret = SetDevSystemJsonParam(m_curIndex, jsonForCamera(json).constData());
    MOSTREL_LOG("SetDevSystemParamJson(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevNetExtendParamJson(const QByteArray &json)
{
    const int ret = SetDevNetExtendJsonParam(m_curIndex, jsonForCamera(json).constData());
    MOSTREL_LOG("SetDevNetExtendParamJson(), ret = %d\n", ret);
    return ret >= 0;
}

// ---- password and identity ------------------------------------------------------
//
// Both are committed only when the camera accepts them: committing at send
// time made the password page reject the true password after a refusal and
// showed a refused identity as current.

bool MainManager::ChangeDevPassword(const QString &oldPassword, const QString &newPassword)
{
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (oldPassword != m_password) {
            MOSTREL_LOG("ChangeDevPassword(), old password differs\n");
            return false;
        }
    }
    // A password cut to fit would leave the camera with one the operator
    // never typed.
    if (newPassword.toUtf8().size() >= 128) {
        MOSTREL_LOG("ChangeDevPassword(), new password too long\n");
        return false;
    }
    CHANGE_PASSWORD_PARA_T record = zeroed<CHANGE_PASSWORD_PARA_T>();
    RecordWriter w = writerFor(record);
    w.text(0, 128, oldPassword, Encoding::Utf8);
    w.text(128, 128, newPassword, Encoding::Utf8);
    {
        // Set before sending: the reply may come before the send returns.
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_pendingPassword = newPassword;
        m_hasPendingPassword = true;
    }
    const int ret = ChangePassword(m_curIndex, &record);
    MOSTREL_LOG("ChangeDevPassword(), ret = %d\n", ret);
    if (ret < 0) {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_hasPendingPassword = false;
        m_pendingPassword.clear();
        return false;
    }
    return true;
}

void MainManager::onPasswordReply(int result)
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (m_hasPendingPassword && result == 0)
        m_password = m_pendingPassword;
    m_hasPendingPassword = false;
    m_pendingPassword.clear();
}

bool MainManager::SetDeviceIdParam(const QString &deviceId, const QString &userId)
{
    MOSTREL_LOG("SetDeviceIdParam(%s, %s)\n", LocalText::encode(deviceId).constData(),
                LocalText::encode(userId).constData());
    DEVICE_ID_PARA_T record = zeroed<DEVICE_ID_PARA_T>();
    RecordWriter w = writerFor(record);
    w.text(0, 64, userId, Encoding::Local);
    w.text(64, 64, deviceId, Encoding::Local);
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_pendingDevId = record;
        m_hasPendingDevId = true;
    }
    const int ret = SetIDParam(m_curIndex, &record);
    MOSTREL_LOG("SetDeviceIdParam(), ret = %d\n", ret);
    if (ret < 0) {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_hasPendingDevId = false;
        return false;
    }
    return true;
}

void MainManager::onIdParamReply(int result)
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (m_hasPendingDevId && result == 0)
        m_devIdParam = m_pendingDevId;
    m_hasPendingDevId = false;
}

// ---- network and platforms --------------------------------------------------------

bool MainManager::SetDevWifiParam(bool enable, bool webAsc, const QString &ssid, const QString &key, int b1,
                                  int b2)
{
    WIFI_PARA_T_V1_0 record = zeroed<WIFI_PARA_T_V1_0>();
    RecordWriter w = writerFor(record);
    w.u8(0, flag(enable));
    w.u8(1, quint8(b1));
    w.u8(2, quint8(b2));
    w.u8(3, flag(webAsc));
    w.text(4, 32, ssid, Encoding::Utf8, Width::Full);
    w.text(36, 64, key, Encoding::Utf8, Width::Full);
    const int ret = SetWifiParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevWifiParam(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevWifiParamV2(bool wifiOn, const QString &ssid, const QString &key, bool apOn,
                                    bool defaultSsid, const QString &apSsid, const QString &apKey)
{
    WIFI_PARA_V2_T record = zeroed<WIFI_PARA_V2_T>();
    RecordWriter w = writerFor(record);
    w.u8(0, flag(wifiOn || apOn));
    w.u8(1, flag(!apOn));
    w.u8(2, flag(!defaultSsid));
    w.text(4, 32, apSsid, Encoding::Utf8, Width::Full);
    w.text(36, 64, apKey, Encoding::Utf8, Width::Full);
    w.text(100, 32, ssid, Encoding::Utf8, Width::Full);
    w.text(132, 64, key, Encoding::Utf8, Width::Full);
    const int ret = SetWifiParamV2(m_curIndex, &record);
    MOSTREL_LOG("SetDevWifiParamV2(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevApnParam(bool enable, int netMode, const QString &apn, const QString &number,
                                 const QString &user, const QString &password, const QString &mtu, int auth)
{
    EACH_PPP_PARA_T record = zeroed<EACH_PPP_PARA_T>();
    RecordWriter w = writerFor(record);
    w.u8(0, flag(enable));
    w.u8(1, quint8(netMode));
    w.text(4, 32, apn, Encoding::Local);
    w.text(36, 32, number, Encoding::Local);
    w.text(68, 32, user, Encoding::Local);
    w.text(100, 32, password, Encoding::Utf8);
    w.u16(132, RecordWriter::numberText(mtu));
    // One byte; the byte after it stays zero, whatever the value.
    w.u8(134, quint8(auth));
    const int ret = SetPPPParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevApnParam(), ret = %d\n", ret);
    return ret >= 0;
}

namespace {

PLATFORM_PARA_T plateRecord(bool enable, bool forceSubStream, bool picUpload, const QString &ip,
                            const QString &port, const QString &deviceId)
{
    PLATFORM_PARA_T record = zeroed<PLATFORM_PARA_T>();
    RecordWriter w = writerFor(record);
    w.u8(0, flag(enable));
    w.u8(1, flag(forceSubStream));
    w.u8(2, flag(picUpload));
    w.inetAddr(4, Ipv4Text::toWire(ip));
    w.u16(8, RecordWriter::numberText(port));
    w.text(12, 32, deviceId, Encoding::Utf8, Width::Full);
    return record;
}

} // namespace

bool MainManager::SetDevPlateParam(bool enable, bool forceSubStream, bool picUpload, const QString &ip,
                                   const QString &port, const QString &deviceId)
{
    const PLATFORM_PARA_T record = plateRecord(enable, forceSubStream, picUpload, ip, port, deviceId);
    const int ret = SetPlatFormParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevPlateParam(), ret = %d\n", ret);
    return ret == 0;
}

bool MainManager::SetDevPlateParamEx(bool enable, bool forceSubStream, bool picUpload, const QString &ip,
                                     const QString &port, const QString &deviceId, int gpsInterval)
{
    PLATFORM_PARA_T record = plateRecord(enable, forceSubStream, picUpload, ip, port, deviceId);
    writerFor(record).u16(10, quint16(gpsInterval));
    const int ret = SetPlatFormParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevPlateParamEx(), ret = %d\n", ret);
    return ret == 0;
}

bool MainManager::SetDevDomainParam(uchar flagValue, const QString &domain)
{
    PLATFORM_DOMAIN_T record = zeroed<PLATFORM_DOMAIN_T>();
    RecordWriter w = writerFor(record);
    w.u32(0, flagValue);
    w.text(4, 64, domain, Encoding::Utf8);
    const int ret = SetPlatFormDomainParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevDomainParam(), ret = %d\n", ret);
    return ret == 0;
}

bool MainManager::SetDevTarvioParam(uchar enable, uchar forceSubStream, const QString &ip,
                                    const QString &port, const QString &deviceId, const QString &deviceName,
                                    const QString &key)
{
    PLATFROM_TARVIO50_PARAM record = zeroed<PLATFROM_TARVIO50_PARAM>();
    RecordWriter w = writerFor(record);
    w.u8(0, enable);
    w.u8(1, forceSubStream);
    w.text(4, 32, ip, Encoding::Utf8, Width::Full);
    w.u16(260, RecordWriter::numberText(port));
    w.text(264, 64, deviceId, Encoding::Utf8, Width::Full);
    w.text(520, 64, deviceName, Encoding::Local, Width::Full);
    w.text(584, 32, key, Encoding::Utf8, Width::Full);
    const int ret = SetTARVIO50Param(m_curIndex, &record);
    MOSTREL_LOG("SetDevTarvioParam(), ret = %d\n", ret);
    return ret == 0;
}

bool MainManager::SetDevFtpParam(bool enable, bool deleteAfterUpload, bool uploadRecordings,
                                 bool uploadPictures, bool uploadVideo, const QString &ip,
                                 const QString &port, const QString &user, const QString &password)
{
    FTP_CFG_PARAM record = zeroed<FTP_CFG_PARAM>();
    RecordWriter w = writerFor(record);
    w.u32(0, flag(enable));
    w.text(4, 32, ip, Encoding::Utf8, Width::Full);
    w.u16(36, RecordWriter::numberText(port));
    w.u8(38, flag(deleteAfterUpload));
    w.u8(39, flag(uploadPictures));
    w.text(40, 32, user, Encoding::Utf8, Width::Full);
    w.text(72, 32, password, Encoding::Utf8, Width::Full);
    w.u8(104, flag(uploadVideo));
    w.u8(105, flag(uploadRecordings));
    const int ret = SetFTPParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevFtpParam(), ret = %d\n", ret);
    return ret == 0;
}

namespace {

// GA/T 1400 and the custom platform share one layout.
template<typename Record>
Record platformRecord(bool enable, const QString &address, const QString &port, const QString &userName,
                      const QString &password)
{
    Record record = zeroed<Record>();
    RecordWriter w = writerFor(record);
    w.i32(0, flag(enable));
    w.text(4, 32, address, Encoding::Utf8, Width::Full);
    w.u16(36, RecordWriter::numberText(port));
    w.text(40, 32, userName, Encoding::Utf8, Width::Full);
    w.text(72, 32, password, Encoding::Utf8, Width::Full);
    return record;
}

} // namespace

bool MainManager::SetDevPlat1400Param(bool enable, const QString &address, const QString &port,
                                      const QString &userName, const QString &password)
{
    const auto record = platformRecord<PLATFORM_1400_CFG_PARAM>(enable, address, port, userName, password);
    const int ret = SetPlat1400Param(m_curIndex, &record);
    MOSTREL_LOG("SetDevPlat1400Param(), ret = %d\n", ret);
    return ret == 0;
}

bool MainManager::SetDevPlatCustomParam(bool enable, const QString &address, const QString &port,
                                        const QString &userName, const QString &password)
{
    const auto record = platformRecord<PLATFORM_CUSTOM_CFG_PARAM>(enable, address, port, userName, password);
    const int ret = SetPlatCustomParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevPlatCustomParam(), ret = %d\n", ret);
    return ret == 0;
}

bool MainManager::SetDevTimPlateParam(bool enable, int protocol, bool useDomain, const QString &domain,
                                      const QString &ip, int port, const QString &url, int packetLength)
{
    TIM_PARAM_T record = zeroed<TIM_PARAM_T>();
    RecordWriter w = writerFor(record);
    w.u8(0, flag(enable));
    w.u8(1, flag(useDomain));
    w.u8(2, quint8(protocol));
    w.text(4, 64, domain, Encoding::Utf8, Width::Full);
    w.text(68, 16, ip, Encoding::Utf8, Width::Full);
    w.i32(84, port);
    w.text(88, 128, url, Encoding::Utf8, Width::Full);
    w.i32(216, packetLength);
    const int ret = SetTIMPlatParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevTimPlateParam(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevFaceTdaParam(bool enable, bool mqPush, bool urlDecrypt, bool storageReplace,
                                     bool https, const QString &tdaAddress, const QString &tdaPort,
                                     const QString &mqAddress, const QString &mqPort,
                                     const QString &storageAddress, const QString &storagePort)
{
    PLATFORM_FACE_CFG_PARAM record = zeroed<PLATFORM_FACE_CFG_PARAM>();
    RecordWriter w = writerFor(record);
    w.text(0, 64, tdaAddress, Encoding::Utf8, Width::Full);
    w.text(64, 64, mqAddress, Encoding::Utf8, Width::Full);
    w.text(128, 64, storageAddress, Encoding::Utf8, Width::Full);
    w.u16(192, RecordWriter::numberText(tdaPort));
    w.u16(194, RecordWriter::numberText(mqPort));
    w.u16(196, RecordWriter::numberText(storagePort));
    int offset = 198;
    for (bool on : {enable, mqPush, urlDecrypt, storageReplace, https})
        w.u8(offset++, flag(on));
    const int ret = SetFaceParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevFaceTdaParam(), ret = %d\n", ret);
    return ret == 0;
}

bool MainManager::SetDevLUMR3Param(bool cloudSwitch, const QString &code, bool encryption, const QString &key)
{
    LUMARO_PARAM_V3_T record = zeroed<LUMARO_PARAM_V3_T>();
    RecordWriter w = writerFor(record);
    w.u8(0, flag(cloudSwitch));
    w.u8(1, flag(encryption));
    w.text(4, 16, code, Encoding::Utf8, Width::Full);
    w.text(132, 16, key, Encoding::Utf8, Width::Full);
    const int ret = SetLUMR3Param(m_curIndex, &record);
    MOSTREL_LOG("SetDevLUMR3Param(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::SetDevAESParam(quint8 first, quint8 second, const QString &key)
{
    AES_CFG_PARAM record = zeroed<AES_CFG_PARAM>();
    RecordWriter w = writerFor(record);
    w.u8(0, first);
    w.u8(1, second);
    w.text(4, 32, key, Encoding::Utf8, Width::Full);
    const int ret = SetAESParam(m_curIndex, &record);
    MOSTREL_LOG("SetDevAESParam(), ret = %d\n", ret);
    return ret >= 0;
}

// ---- activation -----------------------------------------------------------------

bool MainManager::SetDevActiveInfo(int index, const QString &password)
{
    char buffer[kActivationField] = {};
    RecordWriter(buffer, kActivationField).text(0, kActivationText, password, Encoding::Local);
    const int ret = SetDevActive(index, buffer);
    MOSTREL_LOG("SetDevActiveInfo(), ret = %d\n", ret);
    if (ret < 0)
        qDebug() << "SetDevActiveInfo ret <0";
    return ret >= 0;
}

bool MainManager::SetDevActiveAPInfo(int index, const QString &password)
{
    char buffer[kActivationField] = {};
    RecordWriter(buffer, kActivationField).text(0, kActivationText, password, Encoding::Local);
    const int ret = SetDevActiveAP(index, buffer);
    MOSTREL_LOG("SetDevActiveAPInfo(), ret = %d\n", ret);
    if (ret < 0)
        qDebug() << "SetDevActiveAPInfo ret <0";
    return ret >= 0;
}

// ---- uploads --------------------------------------------------------------------

bool MainManager::ReqUploadFileStart(const QString &fileName, quint32 sizeLow, quint32 sizeHigh)
{
    UPLOAD_FILE_PARA_T record = zeroed<UPLOAD_FILE_PARA_T>();
    RecordWriter w = writerFor(record);
    w.text(0, 128, fileName, Encoding::Utf8);
    w.u32(128, sizeLow);
    w.u32(132, sizeHigh);
    w.u32(136, kUploadPacketSize);
    const int ret = UploadFileStart(m_curIndex, &record);
    MOSTREL_LOG("ReqUploadFileStart(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::ReqUploadFile(const QString &localPath)
{
    // A local path, so the file system's encoding, not the camera's.
    const int ret = UploadFile(m_curIndex, QFile::encodeName(localPath).constData());
    MOSTREL_LOG("ReqUploadFile(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::ReqUploadFileStop()
{
    const int ret = UploadFileStop(m_curIndex);
    MOSTREL_LOG("ReqUploadFileStop(), ret = %d\n", ret);
    return ret >= 0;
}

// ---- actions --------------------------------------------------------------------
//
// The pages wait for the result signal of a confirmed operation only, so a
// request that cannot be sent is reported through that signal as well.

int MainManager::ReqFactoryReset()
{
    const int ret = FactoryReset(m_curIndex);
    MOSTREL_LOG("ReqFactoryReset(), ret = %d\n", ret);
    if (ret != 0)
        emit factoryReset(ret);
    return ret;
}

int MainManager::ReqSimpleDefaultReset()
{
    const int ret = SimpleDefaultReset(m_curIndex);
    MOSTREL_LOG("ReqSimpleDefaultReset(), ret = %d\n", ret);
    if (ret != 0)
        emit deviceDefault(-1);
    return ret;
}

int MainManager::ReqMemoryFormat()
{
    const int ret = MemoryFormat(m_curIndex);
    MOSTREL_LOG("ReqMemoryFormat(), ret = %d\n", ret);
    if (ret != 0)
        emit memoryFormat(-1);
    return ret;
}

int MainManager::ReqExportParams()
{
    const int ret = ExportParams(m_curIndex);
    MOSTREL_LOG("ReqExportParams(), ret = %d\n", ret);
    if (ret != 0)
        emit devExportParams(-1);
    return ret;
}

int MainManager::ReqValidateEncrypt(int index, const QString &text)
{
    const QByteArray key = text.toUtf8();
    // The record holds 1024 bytes and its NUL; a longer text is not cut into
    // a different key.
    int ret = -1;
    if (key.size() < kValidateField && !key.contains('\0')) {
        char buffer[kValidateField] = {};
        std::memcpy(buffer, key.constData(), std::size_t(key.size()));
        ret = ValidateEncrypt(index, buffer);
    }
    MOSTREL_LOG("ReqValidateEncrypt(), length = %d, ret = %d\n", int(key.size()), ret);
    if (ret != 0)
        emit validateEncrypt(-1);
    return ret;
}

int MainManager::ReqChangeUsbMode()
{
    const int ret = GetProtocolVer() == 3 ? ChangeUsbModeV3(m_curIndex) : ChangeUsbMode(m_curIndex);
    MOSTREL_LOG("ReqChangeUsbMode(), ret = %d\n", ret);
    return ret;
}

bool MainManager::ReqUpgradeFirmware()
{
    const int ret = UpgradeFirmware(m_curIndex);
    MOSTREL_LOG("ReqUpgradeFirmware(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::ReqUpgradePlateRecognate()
{
    const int ret = UpgradePlateRecognate(m_curIndex);
    MOSTREL_LOG("ReqUpgradePlateRecognate(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::ReqRefreshLogo()
{
    const int ret = RefreshLOGO(m_curIndex);
    MOSTREL_LOG("ReqRefreshLogo(), ret = %d\n", ret);
    return ret >= 0;
}

bool MainManager::ReqReflashScreen()
{
    const int ret = ReflashScreen(m_curIndex);
    MOSTREL_LOG("ReqReflashScreen(), ret = %d\n", ret);
    return ret >= 0;
}
