#ifndef TESSVAR_H
#define TESSVAR_H

/*
 * Tessvar: the device library of the body-worn cameras.
 *
 * Every function but SetMsgCallBack and RefreshDecice addresses one camera by
 * the device index that RefreshDecice assigned, writes one packet (or a series
 * of data packets for UploadFile) on the caller's thread and returns once it is
 * written. What the camera answers arrives later through the callback, on the
 * reader thread of the camera that answered.
 *
 * Results: 0 the packet was written; -1 nothing was sent (unknown index, closed
 * camera, write failure, null record where one is required, rejected argument).
 * RefreshDecice and SetMsgCallBack always return 0. UploadFile returns the byte
 * count of its last packet, or -1 (file not readable), -2 (out of memory),
 * -3 (short read).
 *
 * Records are fixed-size little-endian byte blocks. The library copies exactly
 * their size and never interprets them; the fields given here are those the
 * program reads or writes, the rest are carried as bytes.
 */

#include <stdint.h>

#if defined(_WIN32)
#define TESSVAR_CALL __stdcall
#if defined(TESSVAR_BUILDING)
#define TESSVAR_API __declspec(dllexport)
#else
#define TESSVAR_API __declspec(dllimport)
#endif
#else
/* The stdcall convention has no meaning on x86-64 Linux. */
#define TESSVAR_CALL
#define TESSVAR_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#define TESSVAR_STATIC_SIZE(type, size) static_assert(sizeof(type) == (size), #type " has the camera's size")
extern "C" {
#else
#define TESSVAR_STATIC_SIZE(type, size) _Static_assert(sizeof(type) == (size), #type " has the camera's size")
#endif

/* ---- callback ---------------------------------------------------------- */

/*
 * cmd is the reply's command code (the request's code; the set code for set
 * replies) or one of the library's own codes below; result is the reply's
 * result byte (0 success). data points into the reader's receive buffer and is
 * valid only until the callback returns; it is null when the reply carries no
 * payload. The codes 101 to 104 come from the library only, always with the
 * payloads given below: a camera reply carrying one of them is dropped.
 */
typedef void(TESSVAR_CALL *MSG_CALLBACK_FN)(int index, int cmd, int result, const void *data, int length,
                                            void *user);

enum {
    TESSVAR_CB_INDEX_RECORD = 101, /* one FILE_IDX_RECORD of the media index */
    TESSVAR_CB_LOG_NAME = 102,     /* one log file name, char[128] */
    TESSVAR_CB_INDEX_DONE = 103,   /* the media index is complete */
    TESSVAR_CB_LOG_LIST_DONE = 104 /* the log-name list is complete */
};

/*
 * A download's reply 2 (accepted) or reply 3 (ended) reaches the callback with
 * this result instead of the camera's 0 when the local file could not be
 * opened or did not take all the data: the file is not whole, whatever the
 * camera says. It lies outside the camera's one-byte results. The library ends
 * a download only with the reply 3 that follows its accepting reply 2; a
 * reply 2 or 3 that no download request of this library awaits is passed on
 * and changes nothing.
 */
enum { TESSVAR_RESULT_LOCAL_FILE = 256 };

/* ---- records ------------------------------------------------------------ */

#define TESSVAR_NAME_LEN 128
#define TESSVAR_MAX_XML_LEN 512000

typedef struct XML_PARAM_HEAD {
    uint32_t cmdId;
    uint32_t length; /* text length in bytes, without the NUL */
    uint32_t reserved;
} XML_PARAM_HEAD;
TESSVAR_STATIC_SIZE(XML_PARAM_HEAD, 12);

typedef struct DEVICE_ID_PARA_T {
    char userId[64];   /* officer ID, local 8-bit text */
    char deviceId[64]; /* local 8-bit text */
} DEVICE_ID_PARA_T;
TESSVAR_STATIC_SIZE(DEVICE_ID_PARA_T, 128);

typedef struct DEV_CODE_PARA_T {
    char serNStr[128];  /* serial number */
    char modelStr[128]; /* model, local 8-bit text */
    uint32_t protocolVer; /* protocol generation: 1, 2 or 3 */
    uint32_t deviceType;  /* model family */
    uint8_t capability[124]; /* capability bytes, record offsets 264 to 387 */
} DEV_CODE_PARA_T;
TESSVAR_STATIC_SIZE(DEV_CODE_PARA_T, 388);

typedef struct VIDEO_PARA_T {
    uint32_t resolution;
    uint32_t frameRate;
    uint32_t bitRate;
} VIDEO_PARA_T;
TESSVAR_STATIC_SIZE(VIDEO_PARA_T, 12);

typedef struct VIDEO_PARA_T_V3 {
    uint32_t chan;
    uint32_t stream;     /* 0 recording, 1 network */
    uint32_t streamtype; /* 0 video stream, 1 composite stream */
    uint32_t resolution;
    uint32_t frameRate;
    uint32_t bitRate;
    uint32_t netvideoEncoding; /* 0 H.264, 1 H.265 */
    uint8_t reserved[60];
} VIDEO_PARA_T_V3;
TESSVAR_STATIC_SIZE(VIDEO_PARA_T_V3, 88);

typedef struct DEV_ACTIVATE_CAPA {
    uint32_t apPassword;     /* non-zero: a hotspot password is taken at activation */
    uint32_t devicePassword; /* non-zero: a device password is taken at activation */
} DEV_ACTIVATE_CAPA;
TESSVAR_STATIC_SIZE(DEV_ACTIVATE_CAPA, 8);

typedef struct ACTIVATE_STATUS {
    uint32_t status; /* 0 not activated */
} ACTIVATE_STATUS;
TESSVAR_STATIC_SIZE(ACTIVATE_STATUS, 4);

typedef struct CCID_PARA_T {
    char ccid[64]; /* SIM card number, NUL-padded */
} CCID_PARA_T;
TESSVAR_STATIC_SIZE(CCID_PARA_T, 64);

typedef struct CHANGE_PASSWORD_PARA_T {
    char oldPassword[128];
    char newPassword[128];
} CHANGE_PASSWORD_PARA_T;
TESSVAR_STATIC_SIZE(CHANGE_PASSWORD_PARA_T, 256);

typedef struct UPLOAD_FILE_PARA_T {
    char fileName[128]; /* UTF-8 */
    uint32_t sizeLow;
    uint32_t sizeHigh;
    uint32_t packetSize; /* data bytes per upload packet, 0x8000 */
    uint8_t reserved[68];
} UPLOAD_FILE_PARA_T;
TESSVAR_STATIC_SIZE(UPLOAD_FILE_PARA_T, 208);

typedef struct MEDIA_LIST_QUERY_T {
    uint8_t bytes[16]; /* all zero: the camera returns every media file */
} MEDIA_LIST_QUERY_T;
TESSVAR_STATIC_SIZE(MEDIA_LIST_QUERY_T, 16);

/* The camera's media record, in media index files and media-list pages. */
typedef struct FILE_IDX_ITEM {
    uint8_t unused0[8];
    char fileName[128]; /* media file name on the camera */
    uint8_t unused136[128];
    uint8_t times[56]; /* start and end date and time of the recording */
    uint8_t unused320[16];
} FILE_IDX_ITEM;
TESSVAR_STATIC_SIZE(FILE_IDX_ITEM, 336);

/* The payload of TESSVAR_CB_INDEX_RECORD. */
typedef struct FILE_IDX_RECORD {
    char fileName[128];
    uint8_t times[56];
    uint32_t zero;
} FILE_IDX_RECORD;
TESSVAR_STATIC_SIZE(FILE_IDX_RECORD, 188);

/* Records the library moves whole; their fields belong to the pages that edit them. */
#define TESSVAR_BYTE_RECORD(type, size) \
    typedef struct type {                    \
        uint8_t bytes[size];            \
    } type;                             \
    TESSVAR_STATIC_SIZE(type, size)

TESSVAR_BYTE_RECORD(AES_CFG_PARAM, 44);
TESSVAR_BYTE_RECORD(AUDIO_VEDIO_PACK_CFG_PARAM, 8);
TESSVAR_BYTE_RECORD(DISCLAIMER_PARA_T, 448);
TESSVAR_BYTE_RECORD(EACH_PPP_PARA_T, 136);
TESSVAR_BYTE_RECORD(Ex_Param_V3_T, 92);
TESSVAR_BYTE_RECORD(EXTRA_OSD, 196);
TESSVAR_BYTE_RECORD(FTP_CFG_PARAM, 136);
TESSVAR_BYTE_RECORD(GROUP_TALK_PARA_T, 188);
TESSVAR_BYTE_RECORD(LUMARO_PARAM_V3_T, 228);
TESSVAR_BYTE_RECORD(PIC_PARAM, 36);
TESSVAR_BYTE_RECORD(PLATFORM_1400_CFG_PARAM, 136);
TESSVAR_BYTE_RECORD(PLATFORM_CUSTOM_CFG_PARAM, 136);
TESSVAR_BYTE_RECORD(PLATFORM_DOMAIN_T, 68);
TESSVAR_BYTE_RECORD(PLATFORM_FACE_CFG_PARAM, 204);
TESSVAR_BYTE_RECORD(PLATFORM_PARA_T, 44);
TESSVAR_BYTE_RECORD(PLATFROM_TARVIO50_PARAM, 616);
TESSVAR_BYTE_RECORD(SIPUA_CONFIG_T, 340);
TESSVAR_BYTE_RECORD(SYSTEM_PARA_T, 28);
TESSVAR_BYTE_RECORD(TIM_PARAM_T, 252);
TESSVAR_BYTE_RECORD(TIME_PARA_T, 32);
TESSVAR_BYTE_RECORD(USB_DST_T, 112);
TESSVAR_BYTE_RECORD(WIFI_PARA_STATIC_T, 36);
TESSVAR_BYTE_RECORD(WIFI_PARA_T_V1_0, 100);
TESSVAR_BYTE_RECORD(WIFI_PARA_V2_T, 1156);

#undef TESSVAR_BYTE_RECORD

/* ---- device and callback ------------------------------------------------ */

TESSVAR_API int TESSVAR_CALL SetMsgCallBack(MSG_CALLBACK_FN callback, void *user);
/*
 * Called from the callback, on a reader thread, no function waits without
 * bound for a reader to end, so that two cameras' callbacks may close or open
 * each other: closing another camera (CloseDevice, the close inside
 * OpenDevice, RefreshDecice) leaves its close to that camera's reader, which
 * closes it as soon as its own callback has returned (CloseDevice returns 0).
 * Opening a camera whose reader is still ending (OpenDevice of an open camera)
 * waits for that reader's end at most for one read time-out (5 s) and two
 * seconds; a reader that has not ended by then is held in its own callback,
 * and the open fails with -1 and may be tried again later. Reopening the
 * callback's own camera while another thread closes it fails with -1 at
 * once. From any other thread CloseDevice, OpenDevice and RefreshDecice
 * return only after the readers they stop have ended.
 */
/* Closes every open camera, enumerates, and resets every camera's transfer state. */
TESSVAR_API int TESSVAR_CALL RefreshDecice(int *count);
TESSVAR_API int TESSVAR_CALL OpenDevice(int index);
TESSVAR_API int TESSVAR_CALL CloseDevice(int index);

/* ---- texts, transfers --------------------------------------------------- */

/* password: NUL-terminated, sent in a 128-byte field (at most 128 characters). */
TESSVAR_API int TESSVAR_CALL LoginDevice(int index, const char *password);
TESSVAR_API int TESSVAR_CALL DownLoadFile(int index, const char *remoteName, int offset, const char *localPath);
TESSVAR_API int TESSVAR_CALL UploadFile(int index, const char *localPath);
TESSVAR_API int TESSVAR_CALL FindLogFile(int index);
TESSVAR_API int TESSVAR_CALL FindMediaFile(int index);
TESSVAR_API int TESSVAR_CALL SetXMlParam(int index, const XML_PARAM_HEAD *head, const char *xml);
TESSVAR_API int TESSVAR_CALL SetXMlParamEX(int index, const XML_PARAM_HEAD *head, const char *xml);
TESSVAR_API int TESSVAR_CALL SetDevCustomJsonParam(int index, const char *json);
TESSVAR_API int TESSVAR_CALL SetDevNetExtendJsonParam(int index, const char *json);
TESSVAR_API int TESSVAR_CALL SetDevRecJsonParam(int index, const char *json);
TESSVAR_API int TESSVAR_CALL SetDevSystemJsonParam(int index, const char *json);
TESSVAR_API int TESSVAR_CALL SetDevVideoJsonParam(int index, const char *json);
/* Texts sent in a fixed field: copied up to the NUL or the field's end, zero-padded. */
TESSVAR_API int TESSVAR_CALL SetDevActive(int index, const char *password);   /* 128 bytes */
TESSVAR_API int TESSVAR_CALL SetDevActiveAP(int index, const char *password); /* 128 bytes */
TESSVAR_API int TESSVAR_CALL ValidateEncrypt(int index, const char *key);     /* 1024 bytes */

/* ---- queries: a null record sends zeros --------------------------------- */

TESSVAR_API int TESSVAR_CALL GetFileInfo(int index, const char *remoteName); /* 128 bytes */
TESSVAR_API int TESSVAR_CALL GetMediaInfoList(int index, const MEDIA_LIST_QUERY_T *query);
TESSVAR_API int TESSVAR_CALL GetVideoParamV3(int index, const VIDEO_PARA_T_V3 *query);

/* ---- get requests: the record arrives with the reply --------------------- */

TESSVAR_API int TESSVAR_CALL GetAESParam(int index);
TESSVAR_API int TESSVAR_CALL GetALLParamV2(int index);
TESSVAR_API int TESSVAR_CALL GetALLParamV3(int index);
TESSVAR_API int TESSVAR_CALL GetDevActiveCap(int index);
TESSVAR_API int TESSVAR_CALL GetDevActiveStatus(int index);
TESSVAR_API int TESSVAR_CALL GetDevCCID(int index);
TESSVAR_API int TESSVAR_CALL GetDevCustomJsonParam(int index);
TESSVAR_API int TESSVAR_CALL GetDevFWVersion(int index);
TESSVAR_API int TESSVAR_CALL GetDeviceCode(int index);
TESSVAR_API int TESSVAR_CALL GetDeviceKey(int index);
TESSVAR_API int TESSVAR_CALL GetDevJSONInfo(int index);
TESSVAR_API int TESSVAR_CALL GetDevNetExtendJsonParam(int index);
TESSVAR_API int TESSVAR_CALL GetDevRecJsonParam(int index);
TESSVAR_API int TESSVAR_CALL GetDevSystemJsonParam(int index);
TESSVAR_API int TESSVAR_CALL GetDevVideoJsonParam(int index);
TESSVAR_API int TESSVAR_CALL GetDisClaimerParam(int index);
TESSVAR_API int TESSVAR_CALL GetDSTParam(int index);
TESSVAR_API int TESSVAR_CALL GetExParamV3(int index);
TESSVAR_API int TESSVAR_CALL GetEXTRAOSDParam(int index);
TESSVAR_API int TESSVAR_CALL GetFaceParam(int index);
TESSVAR_API int TESSVAR_CALL GetFTPParam(int index);
TESSVAR_API int TESSVAR_CALL GetGroupTalkParam(int index);
TESSVAR_API int TESSVAR_CALL GetIDParam(int index);
TESSVAR_API int TESSVAR_CALL GetLUMR3Param(int index);
TESSVAR_API int TESSVAR_CALL GetMediaPackParam(int index);
TESSVAR_API int TESSVAR_CALL GetNetParam(int index);
TESSVAR_API int TESSVAR_CALL GetPICParam(int index);
TESSVAR_API int TESSVAR_CALL GetPlat1400Param(int index);
TESSVAR_API int TESSVAR_CALL GetPlatCustomParam(int index);
TESSVAR_API int TESSVAR_CALL GetPlatFormDomainParam(int index);
TESSVAR_API int TESSVAR_CALL GetPlatFormParam(int index);
TESSVAR_API int TESSVAR_CALL GetPPPParam(int index);
TESSVAR_API int TESSVAR_CALL GetRecParam(int index);
TESSVAR_API int TESSVAR_CALL GetSIPParam(int index);
TESSVAR_API int TESSVAR_CALL GetSystemParam(int index);
TESSVAR_API int TESSVAR_CALL GetTARVIO50Param(int index);
TESSVAR_API int TESSVAR_CALL GetTime(int index);
TESSVAR_API int TESSVAR_CALL GetTIMPlatParam(int index);
TESSVAR_API int TESSVAR_CALL GetWifiParam(int index);
TESSVAR_API int TESSVAR_CALL GetWifiParamV2(int index);
TESSVAR_API int TESSVAR_CALL GetWifiStaticParam(int index);

/* ---- set requests: a null record returns -1 and sends nothing ------------ */

TESSVAR_API int TESSVAR_CALL ChangePassword(int index, const CHANGE_PASSWORD_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetAESParam(int index, const AES_CFG_PARAM *record);
TESSVAR_API int TESSVAR_CALL SetDisClaimerParam(int index, const DISCLAIMER_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetDSTParam(int index, const USB_DST_T *record);
TESSVAR_API int TESSVAR_CALL SetExParamV3(int index, const Ex_Param_V3_T *record);
TESSVAR_API int TESSVAR_CALL SetEXTRAOSDParam(int index, const EXTRA_OSD *record);
TESSVAR_API int TESSVAR_CALL SetFaceParam(int index, const PLATFORM_FACE_CFG_PARAM *record);
TESSVAR_API int TESSVAR_CALL SetFTPParam(int index, const FTP_CFG_PARAM *record);
TESSVAR_API int TESSVAR_CALL SetGroupTalkParam(int index, const GROUP_TALK_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetIDParam(int index, const DEVICE_ID_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetLUMR3Param(int index, const LUMARO_PARAM_V3_T *record);
TESSVAR_API int TESSVAR_CALL SetMediaPackParam(int index, const AUDIO_VEDIO_PACK_CFG_PARAM *record);
TESSVAR_API int TESSVAR_CALL SetNetParam(int index, const VIDEO_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetPICParam(int index, const PIC_PARAM *record);
TESSVAR_API int TESSVAR_CALL SetPlat1400Param(int index, const PLATFORM_1400_CFG_PARAM *record);
TESSVAR_API int TESSVAR_CALL SetPlatCustomParam(int index, const PLATFORM_CUSTOM_CFG_PARAM *record);
TESSVAR_API int TESSVAR_CALL SetPlatFormDomainParam(int index, const PLATFORM_DOMAIN_T *record);
TESSVAR_API int TESSVAR_CALL SetPlatFormParam(int index, const PLATFORM_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetPPPParam(int index, const EACH_PPP_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetRecParam(int index, const VIDEO_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetSIPParam(int index, const SIPUA_CONFIG_T *record);
TESSVAR_API int TESSVAR_CALL SetSystemParam(int index, const SYSTEM_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetTARVIO50Param(int index, const PLATFROM_TARVIO50_PARAM *record);
TESSVAR_API int TESSVAR_CALL SetTime(int index, const TIME_PARA_T *record);
TESSVAR_API int TESSVAR_CALL SetTIMPlatParam(int index, const TIM_PARAM_T *record);
TESSVAR_API int TESSVAR_CALL SetVideoParamV3(int index, const VIDEO_PARA_T_V3 *record);
TESSVAR_API int TESSVAR_CALL SetWifiParam(int index, const WIFI_PARA_T_V1_0 *record);
TESSVAR_API int TESSVAR_CALL SetWifiParamV2(int index, const WIFI_PARA_V2_T *record);
TESSVAR_API int TESSVAR_CALL SetWifiStaticParam(int index, const WIFI_PARA_STATIC_T *record);
TESSVAR_API int TESSVAR_CALL UploadFileStart(int index, const UPLOAD_FILE_PARA_T *record);

/* ---- actions: a bare header, the reply carries the result ---------------- */

TESSVAR_API int TESSVAR_CALL ChangeUsbMode(int index);
TESSVAR_API int TESSVAR_CALL ChangeUsbModeV3(int index);
TESSVAR_API int TESSVAR_CALL ExportParams(int index);
TESSVAR_API int TESSVAR_CALL FactoryReset(int index);
TESSVAR_API int TESSVAR_CALL LogOut(int index);
TESSVAR_API int TESSVAR_CALL MemoryFormat(int index);
TESSVAR_API int TESSVAR_CALL ReflashScreen(int index);
TESSVAR_API int TESSVAR_CALL RefreshLOGO(int index);
TESSVAR_API int TESSVAR_CALL SimpleDefaultReset(int index);
TESSVAR_API int TESSVAR_CALL UpgradeFirmware(int index);
TESSVAR_API int TESSVAR_CALL UpgradePlateRecognate(int index);
TESSVAR_API int TESSVAR_CALL UploadFileStop(int index);

#ifdef __cplusplus
}
#endif

#undef TESSVAR_STATIC_SIZE

#endif /* TESSVAR_H */
