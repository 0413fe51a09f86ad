// The exports that send one command packet. Each takes its command code and
// record size from its row of the export table, looked up by its own name at
// compile time, and checks there that the row's kind is the one it sends.

#include "ExportRequests.h"
#include "ExportTable.h"
#include "Tessvar.h"

using tessvar::ExportKind;
using tessvar::ExportTable;

#define TESSVAR_ROW(name, expectedKind)                                                        \
    static constexpr const tessvar::ExportRow &row = ExportTable::find(#name);                \
    static_assert(row.kind == ExportKind::expectedKind, #name " is not of kind " #expectedKind)

#define TESSVAR_GET(name)                           \
    int TESSVAR_CALL name(int index)                \
    {                                               \
        TESSVAR_ROW(name, Get);                     \
        return ExportRequests::get(index, row);    \
    }

#define TESSVAR_SET(name, Record)                                 \
    int TESSVAR_CALL name(int index, const Record *record)        \
    {                                                             \
        TESSVAR_ROW(name, Set);                                   \
        static_assert(sizeof(Record) == row.record, #name " sends the whole " #Record); \
        return ExportRequests::set(index, row, record);          \
    }

#define TESSVAR_ACTION(name)                         \
    int TESSVAR_CALL name(int index)                 \
    {                                                \
        TESSVAR_ROW(name, Action);                   \
        return ExportRequests::action(index, row);  \
    }

#define TESSVAR_JSON(name)                                \
    int TESSVAR_CALL name(int index, const char *json)    \
    {                                                     \
        TESSVAR_ROW(name, Text);                          \
        return ExportRequests::json(index, row, json);   \
    }

#define TESSVAR_XML(name)                                                        \
    int TESSVAR_CALL name(int index, const XML_PARAM_HEAD *head, const char *xml) \
    {                                                                            \
        TESSVAR_ROW(name, Text);                                                 \
        static_assert(sizeof(XML_PARAM_HEAD) == row.record, #name " sends the XML head"); \
        return ExportRequests::xml(index, row, head, xml);                      \
    }

#define TESSVAR_FIXED_TEXT(name, kind)                          \
    int TESSVAR_CALL name(int index, const char *text)           \
    {                                                            \
        TESSVAR_ROW(name, kind);                                 \
        return ExportRequests::fixedText(index, row, text);     \
    }

TESSVAR_GET(FindLogFile)
TESSVAR_GET(FindMediaFile)
TESSVAR_GET(GetAESParam)
TESSVAR_GET(GetALLParamV2)
TESSVAR_GET(GetALLParamV3)
TESSVAR_GET(GetDevActiveCap)
TESSVAR_GET(GetDevActiveStatus)
TESSVAR_GET(GetDevCCID)
TESSVAR_GET(GetDevCustomJsonParam)
TESSVAR_GET(GetDevFWVersion)
TESSVAR_GET(GetDeviceCode)
TESSVAR_GET(GetDeviceKey)
TESSVAR_GET(GetDevJSONInfo)
TESSVAR_GET(GetDevNetExtendJsonParam)
TESSVAR_GET(GetDevRecJsonParam)
TESSVAR_GET(GetDevSystemJsonParam)
TESSVAR_GET(GetDevVideoJsonParam)
TESSVAR_GET(GetDisClaimerParam)
TESSVAR_GET(GetDSTParam)
TESSVAR_GET(GetExParamV3)
TESSVAR_GET(GetEXTRAOSDParam)
TESSVAR_GET(GetFaceParam)
TESSVAR_GET(GetFTPParam)
TESSVAR_GET(GetGroupTalkParam)
TESSVAR_GET(GetIDParam)
TESSVAR_GET(GetLUMR3Param)
TESSVAR_GET(GetMediaPackParam)
TESSVAR_GET(GetNetParam)
TESSVAR_GET(GetPICParam)
TESSVAR_GET(GetPlat1400Param)
TESSVAR_GET(GetPlatCustomParam)
TESSVAR_GET(GetPlatFormDomainParam)
TESSVAR_GET(GetPlatFormParam)
TESSVAR_GET(GetPPPParam)
TESSVAR_GET(GetRecParam)
TESSVAR_GET(GetSIPParam)
TESSVAR_GET(GetSystemParam)
TESSVAR_GET(GetTARVIO50Param)
TESSVAR_GET(GetTime)
TESSVAR_GET(GetTIMPlatParam)
TESSVAR_GET(GetWifiParam)
TESSVAR_GET(GetWifiParamV2)
TESSVAR_GET(GetWifiStaticParam)

TESSVAR_SET(ChangePassword, CHANGE_PASSWORD_PARA_T)
TESSVAR_SET(SetAESParam, AES_CFG_PARAM)
TESSVAR_SET(SetDisClaimerParam, DISCLAIMER_PARA_T)
TESSVAR_SET(SetDSTParam, USB_DST_T)
TESSVAR_SET(SetExParamV3, Ex_Param_V3_T)
TESSVAR_SET(SetEXTRAOSDParam, EXTRA_OSD)
TESSVAR_SET(SetFaceParam, PLATFORM_FACE_CFG_PARAM)
TESSVAR_SET(SetFTPParam, FTP_CFG_PARAM)
TESSVAR_SET(SetGroupTalkParam, GROUP_TALK_PARA_T)
TESSVAR_SET(SetIDParam, DEVICE_ID_PARA_T)
TESSVAR_SET(SetLUMR3Param, LUMARO_PARAM_V3_T)
TESSVAR_SET(SetMediaPackParam, AUDIO_VEDIO_PACK_CFG_PARAM)
TESSVAR_SET(SetNetParam, VIDEO_PARA_T)
TESSVAR_SET(SetPICParam, PIC_PARAM)
TESSVAR_SET(SetPlat1400Param, PLATFORM_1400_CFG_PARAM)
TESSVAR_SET(SetPlatCustomParam, PLATFORM_CUSTOM_CFG_PARAM)
TESSVAR_SET(SetPlatFormDomainParam, PLATFORM_DOMAIN_T)
TESSVAR_SET(SetPlatFormParam, PLATFORM_PARA_T)
TESSVAR_SET(SetPPPParam, EACH_PPP_PARA_T)
TESSVAR_SET(SetRecParam, VIDEO_PARA_T)
TESSVAR_SET(SetSIPParam, SIPUA_CONFIG_T)
TESSVAR_SET(SetSystemParam, SYSTEM_PARA_T)
TESSVAR_SET(SetTARVIO50Param, PLATFROM_TARVIO50_PARAM)
TESSVAR_SET(SetTime, TIME_PARA_T)
TESSVAR_SET(SetTIMPlatParam, TIM_PARAM_T)
TESSVAR_SET(SetVideoParamV3, VIDEO_PARA_T_V3)
TESSVAR_SET(SetWifiParam, WIFI_PARA_T_V1_0)
TESSVAR_SET(SetWifiParamV2, WIFI_PARA_V2_T)
TESSVAR_SET(SetWifiStaticParam, WIFI_PARA_STATIC_T)
TESSVAR_SET(UploadFileStart, UPLOAD_FILE_PARA_T)

TESSVAR_ACTION(ChangeUsbMode)
TESSVAR_ACTION(ChangeUsbModeV3)
TESSVAR_ACTION(ExportParams)
TESSVAR_ACTION(FactoryReset)
TESSVAR_ACTION(LogOut)
TESSVAR_ACTION(MemoryFormat)
TESSVAR_ACTION(ReflashScreen)
TESSVAR_ACTION(RefreshLOGO)
TESSVAR_ACTION(SimpleDefaultReset)
TESSVAR_ACTION(UpgradeFirmware)
TESSVAR_ACTION(UpgradePlateRecognate)
TESSVAR_ACTION(UploadFileStop)

TESSVAR_JSON(SetDevCustomJsonParam)
TESSVAR_JSON(SetDevNetExtendJsonParam)
TESSVAR_JSON(SetDevRecJsonParam)
TESSVAR_JSON(SetDevSystemJsonParam)
TESSVAR_JSON(SetDevVideoJsonParam)

TESSVAR_XML(SetXMlParam)
TESSVAR_XML(SetXMlParamEX)

TESSVAR_FIXED_TEXT(SetDevActive, Set)
TESSVAR_FIXED_TEXT(SetDevActiveAP, Set)
TESSVAR_FIXED_TEXT(ValidateEncrypt, Set)

int TESSVAR_CALL GetFileInfo(int index, const char *remoteName)
{
    TESSVAR_ROW(GetFileInfo, Query);
    if (!remoteName)
        return ExportRequests::query(index, row, nullptr);
    return ExportRequests::fixedText(index, row, remoteName);
}

int TESSVAR_CALL GetMediaInfoList(int index, const MEDIA_LIST_QUERY_T *query)
{
    TESSVAR_ROW(GetMediaInfoList, Query);
    static_assert(sizeof(MEDIA_LIST_QUERY_T) == row.record, "the media list query is sent whole");
    return ExportRequests::query(index, row, query);
}

int TESSVAR_CALL GetVideoParamV3(int index, const VIDEO_PARA_T_V3 *query)
{
    TESSVAR_ROW(GetVideoParamV3, Query);
    static_assert(sizeof(VIDEO_PARA_T_V3) == row.record, "the video query is sent whole");
    return ExportRequests::query(index, row, query);
}
