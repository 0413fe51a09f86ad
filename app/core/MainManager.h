#pragma once

// The program's single gateway to the device library: it registers the
// library callback, remembers which camera is in use, caches the records that
// several pages share and turns every reply of a camera into a Qt signal.
//
// Threads, as callers see them:
// - Record signals (a pointer argument) are emitted on the answering camera's
//   reader thread. The pointer is MainManager's own zeroed copy of the record
//   at its full size, alive until the emission returns; receivers connect with
//   Qt::BlockingQueuedConnection and copy inside the slot. Never emit them from
//   the GUI thread (a blocking connection to the GUI thread deadlocks there).
// - devIdParamChanged is emitted on the GUI thread only, with a record alive
//   until the emission returns; connect it with the default type.
// - Result and value signals come from reader threads; discovery signals from
//   the pool thread that runs RefreshDeviceList. Connect them with the default
//   type.
// - Accessors return copies taken under a short lock and may be called from
//   any thread.

#include "DevJsonAbility.h"
#include "DownLoadPair.h"
#include "Tessvar.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QSet>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <functional>

class MainManager : public QObject
{
    Q_OBJECT

public:
    static MainManager *GetInstance();
    // Runs the shutdown of the destructor (callback off, every camera closed,
    // runs and closes waited for) and deletes the instance; the next
    // GetInstance builds a fresh one. Call on the GUI thread.
    static void DestroyInstance();

    struct ZoneParts
    {
        int hours = 0;
        int minutes = 0;
    };
    // The zone of a UTC offset as the camera's clock takes it: whole hours
    // truncated toward zero, minutes always 0 to 59.
    static ZoneParts zoneParts(int offsetSeconds);

    // Test seam: how long discovery waits after an index's last identity
    // request, and how long a log-in (or a download step) waits for its reply.
    void setReplyDeadlines(int identityMs, int replyMs);
    int identityDeadlineMs() const;
    int replyDeadlineMs() const;

    // ---- state -----------------------------------------------------------
    int GetCurIndex() const;
    DEV_CODE_PARA_T GetDevCode() const;
    int GetProtocolVer() const;
    int GetDeviceType() const;
    // One byte of the device-code record; 0 outside it.
    uchar GetDevCodeByte(int offset) const;
    DEVICE_ID_PARA_T GetDevIdParam() const;
    DEVICE_ID_PARA_T GetDevIdInfo() const;
    SYSTEM_PARA_T GetSystemParam() const;
    Ex_Param_V3_T GetExParamV3() const;
    DevJsonAbility GetJsonAbility() const;
    bool IsJsonAbility() const;
    bool IsFwVersion() const;
    // Whether the cached system and extended records hold a reply of the
    // camera in use (cleared when discovery starts and at each log-in).
    bool IsSystemParamValid() const;
    bool IsExParamV3Valid() const;
    QString getLoginPwd() const;
    // A copy of the discovered cameras' identities; the records stay owned by
    // MainManager until the next discovery, which frees them on the GUI thread.
    QMap<int, DEVICE_ID_PARA_T *> GetDeviceMap() const;

    // Writes both identity copies of the selected camera (local 8-bit text, at
    // most 63 bytes each).
    void SetDevIdInfo(const QString &deviceId, const QString &officerId);

    // ---- discovery and log-in ----------------------------------------------
    // One discovery run; blocks its (pool) thread until the run ends. A newer
    // run stops an older one.
    void RefreshDeviceList();
    int ReqDeviceActive(int index);
    int ReqDeviceActiveStatus(int index);
    // Sends the log-in; LoginCmdFailure when it cannot be sent or is not
    // answered in time, deviceLoginResult otherwise.
    void LoginDevice(int index, const QString &password);
    // Closes the camera in use; waits (handling events, not user input) until
    // its reader has stopped.
    void CloseLoginDevice();
    int ReqLogOutDevice(int index);

    // ---- requests: the answer comes as a signal ----------------------------
    int ReqDevAESParam();
    int ReqDevApnParam();
    int ReqDevCCIDParam();
    int ReqDevCodeParam(int index);
    int ReqDevCustomParamJson();
    int ReqDevDomainParam();
    int ReqDevDSTParam();
    int ReqDevExParamV3();
    int ReqDevFaceTdaParam();
    int ReqDevFtpParam();
    int ReqDevFWParam(int index);
    int ReqDevGroupTalkParam();
    int ReqDeviceKey(int index);
    int ReqDevJsonAbility(int index);
    int ReqDevLUMR3Param();
    int ReqDevNetExtendParamJson();
    int ReqDevNetParam();
    int ReqDevOSDParam();
    int ReqDevPackParam();
    int ReqDevPICParam();
    int ReqDevPlat1400Param();
    int ReqDevPlatCustomParam();
    int ReqDevPlateParam();
    int ReqDevRecParamJson();
    int ReqDevSIPParamRes();
    int ReqDevStaticWifiParam();
    int ReqDevSystemParam();
    int ReqDevSystemParamJson();
    int ReqDevTarvioParam();
    int ReqDevTimeParam();
    int ReqDevTimPlateParam();
    int ReqDevVideoParam();
    int ReqDevVideoParamJson();
    int ReqDevVideoParamV3(int chan, int stream);
    int ReqDevWifiParam();
    int ReqDevWifiParamV2();
    int ReqMediaInfoList(const MEDIA_LIST_QUERY_T *query);
    // Emits devIdParamChanged with the cached identity, then asks for every
    // parameter by the camera's generation.
    void ReqDevAllConfigParam();
    // Emits devIdParamChanged with the cached identity; sends nothing.
    void NotifyDevIdParam();
    // The time as given (no conversion) with the zone; true when sent.
    bool SetDevTimeParam(const QDateTime &dateTime, int zoneHours, int zoneMinutes);

    // ======== BEGIN setters block (owned by the setters work) ================
    // Defined in MainManagerSetters.cpp. Each setter runs on its caller's
    // thread, builds its record from zero (or completes a cached one), sends it
    // to the camera in use and returns whether the device library took it;
    // "exactly 0" setters want a library result of 0, the rest 0 or more. The
    // camera's verdict arrives later as the group's result signal. A null
    // record argument gives false and sends nothing. Texts longer than their
    // field end at their last whole character.

    // Video records. Exactly 0.
    bool SetDevVideoParam(int resolution, int frameRate, int bitRate);
    bool SetDevNetParam(int resolution, int frameRate, int bitRate);
    bool SetDevVideoV3Param(int resolution, int frameRate, int bitRate, int chan, int streamtype);
    bool SetDevNetV3Param(int resolution, int frameRate, int bitRate, int chan, int streamtype,
                          int netvideoEncoding);

    // Merge setters: write their own positions into the cached record and send
    // the whole of it. They need the camera's record first (ReqDevSystemParam,
    // ReqDevExParamV3); without it they return false and send nothing.
    bool SetDevSystemParam(quint8 positioning, quint32 screenSaverMs, quint8 systemSound,
                           quint8 operationPassword, quint8 led, quint8 gpsTimeSync);
    bool SetDevSystemParamEx(quint8 infrared, qint32 preRecord, qint32 delayedRecording,
                             qint32 segmentCode);
    bool SetDevExParamV3(quint8 first, quint8 second, quint8 third, quint8 fourth, quint8 fifth,
                         quint8 sixth, quint8 seventh);
    bool SetDevExParamV3All(const Ex_Param_V3_T *record);
    // The code's first 8 local 8-bit bytes (whole characters).
    bool SetDevExParamV3Lumaro(bool cloudSwitch, const QString &code);

    // Records the page built.
    bool SetDeviceOSDParam(const EXTRA_OSD *record);
    bool SetDevDSTParam(const USB_DST_T *record);
    bool SetDevSIPParam(const SIPUA_CONFIG_T *record);
    bool SetDevGroupTalkParam(const GROUP_TALK_PARA_T *record);
    bool SetDevPICParam(quint8 code);
    bool SetDevicePackParam(quint8 first, quint8 second, quint8 third, quint16 fourth);

    // JSON groups: the page's UTF-8 text up to its first NUL, sent in the
    // camera's local 8-bit encoding (the reads decode it the same way).
    bool SetDevRecParamJson(const QByteArray &json);
    bool SetDevCustomParamJson(const QByteArray &json);
    bool SetDevVideoParamJson(const QByteArray &json);
    bool SetDevSystemParamJson(const QByteArray &json);
    bool SetDevNetExtendParamJson(const QByteArray &json);

    // False without sending unless oldPassword is the log-in password. The new
    // one becomes the log-in password when the camera accepts it (reply 16
    // with result 0, before reqSetDevPwd).
    bool ChangeDevPassword(const QString &oldPassword, const QString &newPassword);
    // The two texts become the cached identity (GetDevIdParam) when the camera
    // accepts them, before devIdParamChanged and reqSetDevIdParam.
    bool SetDeviceIdParam(const QString &deviceId, const QString &userId);

    // Network and platforms. Ports and the MTU are decimal text (0 when not a
    // number); IPv4 addresses go through Ipv4Text.
    bool SetDevWifiParam(bool enable, bool webAsc, const QString &ssid, const QString &key, int b1,
                         int b2);
    bool SetDevWifiParamV2(bool wifiOn, const QString &ssid, const QString &key, bool apOn,
                           bool defaultSsid, const QString &apSsid, const QString &apKey);
    bool SetDevApnParam(bool enable, int netMode, const QString &apn, const QString &number,
                        const QString &user, const QString &password, const QString &mtu, int auth);
    bool SetDevPlateParam(bool enable, bool forceSubStream, bool picUpload, const QString &ip,
                          const QString &port, const QString &deviceId);
    bool SetDevPlateParamEx(bool enable, bool forceSubStream, bool picUpload, const QString &ip,
                            const QString &port, const QString &deviceId, int gpsInterval);
    bool SetDevDomainParam(uchar flag, const QString &domain);
    bool SetDevTarvioParam(uchar enable, uchar forceSubStream, const QString &ip, const QString &port,
                           const QString &deviceId, const QString &deviceName, const QString &key);
    bool SetDevFtpParam(bool enable, bool deleteAfterUpload, bool uploadRecordings, bool uploadPictures,
                        bool uploadVideo, const QString &ip, const QString &port, const QString &user,
                        const QString &password);
    bool SetDevPlat1400Param(bool enable, const QString &address, const QString &port,
                             const QString &userName, const QString &password);
    bool SetDevPlatCustomParam(bool enable, const QString &address, const QString &port,
                               const QString &userName, const QString &password);
    bool SetDevTimPlateParam(bool enable, int protocol, bool useDomain, const QString &domain,
                             const QString &ip, int port, const QString &url, int packetLength);
    bool SetDevFaceTdaParam(bool enable, bool mqPush, bool urlDecrypt, bool storageReplace, bool https,
                            const QString &tdaAddress, const QString &tdaPort, const QString &mqAddress,
                            const QString &mqPort, const QString &storageAddress,
                            const QString &storagePort);
    bool SetDevLUMR3Param(bool cloudSwitch, const QString &code, bool encryption, const QString &key);
    bool SetDevAESParam(quint8 first, quint8 second, const QString &key);

    // Activation passwords of the camera at index (at most 63 local bytes).
    bool SetDevActiveInfo(int index, const QString &password);
    bool SetDevActiveAPInfo(int index, const QString &password);

    // Uploads (also called from an upload worker thread). The start record
    // names the file (UTF-8, at most 127 bytes) and its size as two 32-bit
    // halves; the camera answers with reqSetDevUpfileParam.
    bool ReqUploadFileStart(const QString &fileName, quint32 sizeLow, quint32 sizeHigh);
    // Sends the whole local file; blocks until it is written.
    bool ReqUploadFile(const QString &localPath);
    bool ReqUploadFileStop();

    // Actions. Those with a result signal emit it at once with a non-zero
    // value when the request cannot be sent; each returns the library result.
    int ReqFactoryReset();
    int ReqSimpleDefaultReset();
    int ReqMemoryFormat();
    int ReqExportParams();
    // The key text (at most 1023 UTF-8 bytes) for the camera at index.
    int ReqValidateEncrypt(int index, const QString &text);
    // The switch command of the camera's generation; the answer is switchUsbModel.
    int ReqChangeUsbMode();
    bool ReqUpgradeFirmware();
    bool ReqUpgradePlateRecognate();
    bool ReqRefreshLogo();
    bool ReqReflashScreen();

private:
    // A sent password or identity waits here for the camera's verdict (reply
    // 16 or 15); under m_stateMutex.
    QString m_pendingPassword;
    bool m_hasPendingPassword = false;
    DEVICE_ID_PARA_T m_pendingDevId{};
    bool m_hasPendingDevId = false;

public:
    // ======== END setters block ==============================================

    // ======== BEGIN download block (owned by the download work) ==============
    // Declarations of the download queue and device-log index go here; they
    // are defined in MainManagerDownload.cpp.
    // Everything here runs on the GUI thread: the callback posts the replies
    // of the transfers and the log-name list to it, in order, and every
    // signal below is emitted there.
public:
    // Where a camera file is stored in a folder: the folder with "/"
    // separators and a trailing "/", then the part of the name after its
    // last "/" or "\". Empty when the name cannot safely become a local
    // file: empty, 128 UTF-8 bytes or more, a control character, a "." or
    // ".." part, or a last part that is empty or starts with ".". The panel
    // keys its rows by it.
    static QString localPathFor(const QString &remoteName, const QString &folder);

    // Queues the files not queued yet for that folder (creating it) and
    // starts the first when the queue was empty. A name localPathFor refuses,
    // or a folder that cannot be made or written, queues nothing: each such
    // file is reported as startDownLoad(name, 2), posted, and nothing is sent.
    void AddDownLoadList(const QList<QString> &remoteNames, const QString &folder);
    // Drops a queued file. Only dropping the file stopped at the front
    // (status 1 or 2) lets the next start; the file being fetched is never
    // dropped: it ends and is reported as usual.
    void RemoveDownLoadItem(const QString &remoteName, const QString &folder);
    // The same, but the next file waits for the next AddDownLoadList.
    void RemoveDownLoadItemEx(const QString &remoteName, const QString &folder);
    // Drops every file but the one being fetched (none when no request is
    // outstanding); a queue left empty ends its run.
    void CutDownLoadListToFirst();
    // The file whose request is outstanding (from its request to its last
    // reply); empty when none is.
    DownLoadPair activeDownLoad() const;
    // The file stopped at the front after a failed start (status 1 or 2),
    // waiting for RemoveDownLoadItem; empty when none is.
    DownLoadPair parkedDownLoad() const;

    // Asks for the camera's log names and then fetches every log file into
    // the working folder. Exactly one outcome follows: reqLogIndexResult(false)
    // or LogDownLoad, true when at least one log file arrived whole. A call while a request or log run is under way
    // adds nothing; while files are queued the request waits for the queue
    // to drain. Returns the library's result, 0 when nothing was sent yet.
    int ReqLogIndex();

    bool GetLoadingStatus() const;
    QList<QString> GetLogIndexList() const;
    // Local paths of the ".txt" log files the last log run fetched whole.
    QList<QString> GetLogFileList() const;

public slots:
    // The length of the front file (reply 22): free-space check, then the
    // transfer.
    void onGetOnFilelen(qlonglong length);

signals:
    void startDownLoad();
    // 0 the camera accepted the transfer, 1 not enough disk space, 2 failed.
    void startDownLoad(QString remoteName, int status);
    // result 0 only when the local file is whole (the length the camera
    // announced); a file that is not is removed and reported with 2, or with
    // the camera's non-zero result.
    void overDownLoad(QString remoteName, QString localPath, int result);
    void allFileDownLoadOver();
    void LogDownLoad(bool ok);
    void reqLogIndexResult(bool ok);
    void updateFileInfo(qlonglong length);

private:
    enum class TransferPhase { Idle, Parked, AwaitLength, AwaitAccept, Transferring, Refused };
    enum class LogIndexPhase { Idle, Waiting, Requested, Listing, Ended, Failed, Running };

    int addDownLoadPairs(const QList<QString> &remoteNames, const QString &folder, bool logRun);
    bool removeDownLoadPair(const QString &remoteName, const QString &folder);
    bool transferInFlight() const;
    bool logRequestOutstanding() const;
    void advanceDownLoads();
    void sendDownLoad(const DownLoadPair &pair);
    void stopAtFront(int status);
    void postStartDownLoad(const QString &remoteName, int status);
    void armTransferDeadline();
    void armTransferStallWatch();
    void armLogDeadline();
    void onFileLength(int index, int result, const QByteArray &payload);
    void onLogName(int index, int result, const QByteArray &payload);
    void onTransferStarted(int index, int result);
    void onTransferEnded(int index, int result);
    bool endFrontTransfer(int index, int result);
    void startWaitingLogRequest();
    int sendLogRequest();
    void onLogListAccepted(int index, int result);
    void onLogListDone(int index, int result);
    void failLogRequest();
    void onLogListTransferEnd(int index, int result);
    void drainDownLoads();

    QList<DownLoadPair> m_downloadList;
    QSet<QString> m_downloadKeys;
    TransferPhase m_transferPhase = TransferPhase::Idle;
    LogIndexPhase m_logPhase = LogIndexPhase::Idle;
    int m_transferIndex = -1;
    int m_logRequestIndex = -1;
    int m_transferDeadlineGeneration = 0;
    int m_logDeadlineGeneration = 0;
    bool m_loadingStatus = false;
    bool m_runHasMedia = false;
    bool m_runHasLog = false;
    qint64 m_fileLen = 0;
    QList<QString> m_logIndexList;
    QList<QString> m_logFileList;

public: // what follows the block keeps the access it had before it
    // ======== END download block =============================================

public:
    // The function registered with the library; user is the instance.
    static void TESSVAR_CALL MSG_CALLBACK(int index, int cmd, int result, const void *data, int length,
                                          void *user);

public slots:
    // Closes every discovered camera but the one kept (on a worker thread).
    void onSignalCloseDevice(int index);

signals:
    // discovery and log-in
    void refreshDeviceResult(bool ok);
    void updateDevListOver();
    void LoginCmdFailure();
    void deviceLoginResult(bool ok, int lockTime);
    void reqCloseDevice(int keptIndex);

    // result signals: the reply's result byte, 0 success
    void reqSetDevVideoParam(int result);
    void reqSetDevNetParam(int result);
    void reqSetDevWifiParam(int result);
    void reqSetDevApnParam(int result);
    void reqSetDevPlateParam(int result);
    void reqSetDevIdParam(int result);
    void reqSetDevPwd(int result);
    void reqSetDevTimeParam(int result);
    void reqSetDevSystemParam(int result);
    void validateEncrypt(int result);
    void factoryReset(int result);
    void memoryFormat(int result);
    void reqSetDevStaticWifiParam(int result);
    void reqSetDevDomainParam(int result);
    void reqSetDevWifiParamV2(int result);
    void reqSetDevUpfileParam(int result);
    // The camera's verdict on an upload, the answer to each upload stop.
    void reqSetDevUpfileStop(int result);
    void deviceDefault(int result);
    void reqSetDevAESParam(int result);
    void reqSetDevGroupTalkParma(int result);
    void reqSetDevSIPParam(int result);
    void reqSetDevOSDParam(int result);
    void reqSetDevTarvioParam(int result);
    void reqSetDevFtpParam(int result);
    void reqSetDevFaceTdaParam(int result);
    void reqSetDevPlat1400Param(int result);
    void reqSetDevPlatCustomParam(int result);
    void reqSetDevPackParam(int result);
    void reqSetDevLUMR3Param(int result);
    void reqSetDevTIMParam(int result);
    void reqSetDevVideoParamV3(int result);
    void reqSetDevExParamV3(int result);
    void reqSetDevDSTParam(int result);
    void reqSetDevPICParam(int result);
    void devExportParams(int result);
    void reqSetDevActivate(int result);
    void reqSetDevAPActivate(int result);
    void reqSetDevReflashScreen(int result);
    void reqSetDevReflashLogo(int result);
    // The camera's own answer to the upgrade and the plate-library command;
    // a camera that restarts at once may never send it.
    void upgradeFirmwareResult(int result);
    void upgradePlateRecognateResult(int result);

    // record signals (reader thread, blocking receivers; see the top)
    void devVideoParamChanged(VIDEO_PARA_T *param);
    void devNetParamChanged(VIDEO_PARA_T *param);
    void devVideoParamChangedV3(VIDEO_PARA_T_V3 *param);
    void devNetParamChangedV3(VIDEO_PARA_T_V3 *param);
    void devWifiParamChanged(WIFI_PARA_T_V1_0 *param);
    void devAPNParamChanged(EACH_PPP_PARA_T *param);
    void devPlateParamChanged(PLATFORM_PARA_T *param);
    void devTimeParamChanged(TIME_PARA_T *param);
    void devStaitcWifiParamChanged(WIFI_PARA_STATIC_T *param);
    void devDomainParamChanged(PLATFORM_DOMAIN_T *param);
    void devWifiV2ParamChanged(WIFI_PARA_V2_T *param);
    void devAESParamChanged(AES_CFG_PARAM *param);
    void devGroupTalkParamChanged(GROUP_TALK_PARA_T *param);
    void devSIPParamChanged(SIPUA_CONFIG_T *param);
    void devOSDParamChanged(EXTRA_OSD *param);
    void devTarvioParamChanged(PLATFROM_TARVIO50_PARAM *param);
    void devFtpParamChanged(FTP_CFG_PARAM *param);
    void devFaceTdaParamChanged(PLATFORM_FACE_CFG_PARAM *param);
    void devPlat1400ParamChanged(PLATFORM_1400_CFG_PARAM *param);
    void devPlatCustomParamChanged(PLATFORM_CUSTOM_CFG_PARAM *param);
    void devPackParamChanged(AUDIO_VEDIO_PACK_CFG_PARAM *param);
    void devLUMR3ParamChanged(LUMARO_PARAM_V3_T *param);
    void devTIMParamChanged(TIM_PARAM_T *param);
    void devDSTParamChanged(USB_DST_T *param);
    void devPICParamChanged(PIC_PARAM *param);
    void devCCIDParamChanged(CCID_PARA_T *param);
    void devSystemParamChanged(SYSTEM_PARA_T *param);
    void devExParamChangedV3(Ex_Param_V3_T *param);
    // GUI thread only, default connections.
    void devIdParamChanged(DEVICE_ID_PARA_T *param);
    void updateDevConfigParamOver();

    // value signals
    void switchUsbModel(bool ok);
    // (0, key text) or (-1, nullptr); blocking receivers.
    void loadDeviceKey(int result, char *key);
    // (result, media-list page) or (result, nullptr); blocking receivers.
    void updateMediaInfo(int result, char *page);
    void devRecvDevJsonAbility();
    void devGetRecParamJsonChanged(QByteArray json);
    void devGetCustomParamJsonChanged(QByteArray json);
    void devGetVideoParamJsonChanged(QByteArray json);
    void devGetSystemParamJsonChanged(QByteArray json);
    void devGetNetExtendParamJsonChanged(QByteArray json);
    void reqSetDevRecParamJson(int result, QByteArray json);
    void reqSetDevCustomParamJson(int result, QByteArray json);
    void reqSetDevVideoParamJson(int result, QByteArray json);
    void reqSetDevSystemParamJson(int result, QByteArray json);
    void reqSetDevNetExtendParamJson(int result, QByteArray json);
    // activation records or nullptr; blocking receivers.
    void reqDeviceActive(DEV_ACTIVATE_CAPA *param);
    void reqDeviceActiveStatus(ACTIVATE_STATUS *param);

private:
    MainManager();
    ~MainManager() override;
    Q_DISABLE_COPY(MainManager)

    // Replies on the reader thread: the tables of plain results, records and
    // JSON texts first, then the replies that need more than a copy.
    void dispatch(int index, int cmd, int result, const char *data, int length);
    bool dispatchTabled(int cmd, int result, const char *data, int length);
    // A copy of the record at its full size, or nullptr without a payload.
    template<typename Record>
    void emitRecordOrNull(void (MainManager::*signal)(Record *), const char *data, int length);
    // Keeps a copy of the record (under m_stateMutex) for the getters, then
    // hands another copy to the pages.
    template<typename Record>
    void keepAndEmit(Record &kept, bool &valid, void (MainManager::*signal)(Record *), const char *data, int length);
    void queueTransferReply(int index, int cmd, int result, const char *data, int length);
    void queueIdParamReply(int result);
    void RecvDevKey(int result, const char *data, int length);
    void RecvMediaIndex(int result, const char *data, int length);
    // Replies 50 and 1003 (third generation).
    void RecvDevConfigParam(bool third, const char *data, int length);
    template<typename Video>
    void emitConfigStreams(void (MainManager::*recording)(Video *), void (MainManager::*network)(Video *),
                           const char *data, int length);
    void RecvDevStreamParamV3(const char *data, int length);
    void postIdentity(const QByteArray &record);
    void RecvDevCode(const char *data, int length);
    void RecvDevFW(int result, const char *data, int length);
    void RecvDevJsonAbility(int result, const char *data, int length);
    void shutdown();
    // Waits until done() holds (checked under m_mutex); on the GUI thread with
    // events other than user input handled meanwhile.
    void waitUntil(const std::function<bool()> &done);

    // discovery
    void runDiscovery(int generation);
    // Forgets the previous run's cameras and records; false when stale.
    bool resetForDiscovery(int generation);
    // Opens the camera at the head of the list and asks for its identity,
    // closing it again when none came; m_mutex is held on entry and on
    // return. False when the run went stale.
    bool identify(int head, int generation, std::unique_lock<std::mutex> &lock);
    // Puts the camera on the list for another pass. m_mutex is held.
    void markFailed(int index);
    bool isStale(int generation) const;
    // Waits until the run goes stale, `done` holds or the time is up; true
    // unless stale. m_mutex is held by the caller.
    template<typename Done>
    bool waitLocked(std::unique_lock<std::mutex> &lock, int generation, int ms, Done done);
    void RecvDevIdParam(int index, int result, const char *data, int length);
    void RecvDevLogin(int index, int result, const char *data, int length);
    bool abandonLogin(int token);
    void armLoginDeadline(int token);
    // The system and extended records kept for the getters; m_stateMutex is held.
    void forgetKeptRecordsLocked();
    void freeDeviceRecords(QMap<int, DEVICE_ID_PARA_T *> records);

    // closing: marked indexes get no more callbacks; the close itself runs on
    // a worker so that the GUI thread never joins a reader it may be serving.
    void closeIndexesAsync(const QList<int> &indexes);
    void waitForCloses();
    bool isClosing(int index) const;

    // ---- hooks of the download work (MainManagerDownload.cpp) ---------------
    // Called once by the constructor.
    void setUpDownload();
    // Replies 2, 3, 20, 22, 102 and 104 with a copy of their payload, on the
    // GUI thread in arrival order.
    void onTransferReply(int index, int cmd, int result, const QByteArray &payload);
    // Posted to the GUI thread when a discovery run starts.
    void clearDownloadState();

    // ---- hooks of the setters work (MainManagerSetters.cpp) -----------------
    // Reply 16, on the reader thread before reqSetDevPwd.
    void onPasswordReply(int result);
    // Reply 15, on the GUI thread before devIdParamChanged and reqSetDevIdParam.
    void onIdParamReply(int result);

    static MainManager *s_instance;

    // Guards the records, flags and password below (short holds only). Plain
    // standard mutexes, so that ThreadSanitizer sees every hand-over.
    mutable std::mutex m_stateMutex;
    QString m_password;
    DEVICE_ID_PARA_T m_devIdParam;
    DEVICE_ID_PARA_T m_devIdInfo;
    DEV_CODE_PARA_T m_devCode;
    SYSTEM_PARA_T m_systemParam;
    Ex_Param_V3_T m_exParamV3;
    bool m_systemParamValid = false;
    bool m_exParamV3Valid = false;
    bool m_bFwVersion = false;
    bool m_bJsonAbility = false;
    DevJsonAbility m_jsonAbility;
    bool m_bLogin = false;

    std::atomic<int> m_curIndex{-1};
    std::atomic<int> m_identityMs{2000};
    std::atomic<int> m_replyMs{5000};

    // Discovery lists; held for list updates only, never across a library call.
    mutable std::mutex m_mutex;
    std::condition_variable m_discoveryWake;
    int m_devCount = 0;
    int m_refreshCount = 0;
    QList<int> m_failList;
    QList<int> m_devID_list;
    QMap<int, DEVICE_ID_PARA_T *> m_device_info_list;
    QSet<int> m_closing;
    int m_runningRuns = 0;
    // Closes and other worker threads still running (they use the instance).
    int m_pendingCloses = 0;

    // Serialises discovery runs; the generation stops older ones.
    std::mutex m_runMutex;
    std::atomic<int> m_generation{0};

    // The log-in awaiting its reply (token 0: none); under m_stateMutex.
    int m_loginToken = 0;
    int m_loginIndex = -1;
    int m_nextLoginToken = 0;
    bool m_shutDown = false;
};

Q_DECLARE_METATYPE(VIDEO_PARA_T *)
Q_DECLARE_METATYPE(VIDEO_PARA_T_V3 *)
Q_DECLARE_METATYPE(WIFI_PARA_T_V1_0 *)
Q_DECLARE_METATYPE(EACH_PPP_PARA_T *)
Q_DECLARE_METATYPE(PLATFORM_PARA_T *)
Q_DECLARE_METATYPE(TIME_PARA_T *)
Q_DECLARE_METATYPE(WIFI_PARA_STATIC_T *)
Q_DECLARE_METATYPE(PLATFORM_DOMAIN_T *)
Q_DECLARE_METATYPE(WIFI_PARA_V2_T *)
Q_DECLARE_METATYPE(AES_CFG_PARAM *)
Q_DECLARE_METATYPE(GROUP_TALK_PARA_T *)
Q_DECLARE_METATYPE(SIPUA_CONFIG_T *)
Q_DECLARE_METATYPE(EXTRA_OSD *)
Q_DECLARE_METATYPE(PLATFROM_TARVIO50_PARAM *)
Q_DECLARE_METATYPE(FTP_CFG_PARAM *)
Q_DECLARE_METATYPE(PLATFORM_FACE_CFG_PARAM *)
Q_DECLARE_METATYPE(PLATFORM_1400_CFG_PARAM *)
Q_DECLARE_METATYPE(PLATFORM_CUSTOM_CFG_PARAM *)
Q_DECLARE_METATYPE(AUDIO_VEDIO_PACK_CFG_PARAM *)
Q_DECLARE_METATYPE(LUMARO_PARAM_V3_T *)
Q_DECLARE_METATYPE(TIM_PARAM_T *)
Q_DECLARE_METATYPE(USB_DST_T *)
Q_DECLARE_METATYPE(PIC_PARAM *)
Q_DECLARE_METATYPE(CCID_PARA_T *)
Q_DECLARE_METATYPE(SYSTEM_PARA_T *)
Q_DECLARE_METATYPE(Ex_Param_V3_T *)
Q_DECLARE_METATYPE(DEVICE_ID_PARA_T *)
Q_DECLARE_METATYPE(DEV_ACTIVATE_CAPA *)
Q_DECLARE_METATYPE(ACTIVATE_STATUS *)
typedef QMap<int, DEVICE_ID_PARA_T *> DeviceIdMap;
Q_DECLARE_METATYPE(DeviceIdMap)
