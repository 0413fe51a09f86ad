#include "ExportCalls.h"

#include <map>

namespace {

using Call = int (*)(int index, const void *argument);

const std::map<std::string_view, Call> &calls()
{
    static const std::map<std::string_view, Call> table{
        {"OpenDevice", [](int index, const void *) { return OpenDevice(index); }},
        {"CloseDevice", [](int index, const void *) { return CloseDevice(index); }},
        {"LoginDevice", [](int index, const void *argument) { return LoginDevice(index, static_cast<const char *>(argument)); }},
        {"DownLoadFile", [](int index, const void *argument) {
             const auto *download = static_cast<const ExportCalls::DownloadArguments *>(argument);
             if (!download)
                 return DownLoadFile(index, nullptr, 0, nullptr);
             return DownLoadFile(index, download->remoteName, download->offset, download->localPath);
         }},
        {"UploadFile", [](int index, const void *argument) { return UploadFile(index, static_cast<const char *>(argument)); }},
        {"FindLogFile", [](int index, const void *) { return FindLogFile(index); }},
        {"FindMediaFile", [](int index, const void *) { return FindMediaFile(index); }},
        {"SetXMlParam", [](int index, const void *argument) {
             const auto *xml = static_cast<const ExportCalls::XmlArguments *>(argument);
             return xml ? SetXMlParam(index, xml->head, xml->text) : SetXMlParam(index, nullptr, nullptr);
         }},
        {"SetXMlParamEX", [](int index, const void *argument) {
             const auto *xml = static_cast<const ExportCalls::XmlArguments *>(argument);
             return xml ? SetXMlParamEX(index, xml->head, xml->text) : SetXMlParamEX(index, nullptr, nullptr);
         }},
        {"SetDevCustomJsonParam", [](int index, const void *argument) { return SetDevCustomJsonParam(index, static_cast<const char *>(argument)); }},
        {"SetDevNetExtendJsonParam", [](int index, const void *argument) { return SetDevNetExtendJsonParam(index, static_cast<const char *>(argument)); }},
        {"SetDevRecJsonParam", [](int index, const void *argument) { return SetDevRecJsonParam(index, static_cast<const char *>(argument)); }},
        {"SetDevSystemJsonParam", [](int index, const void *argument) { return SetDevSystemJsonParam(index, static_cast<const char *>(argument)); }},
        {"SetDevVideoJsonParam", [](int index, const void *argument) { return SetDevVideoJsonParam(index, static_cast<const char *>(argument)); }},
        {"SetDevActive", [](int index, const void *argument) { return SetDevActive(index, static_cast<const char *>(argument)); }},
        {"SetDevActiveAP", [](int index, const void *argument) { return SetDevActiveAP(index, static_cast<const char *>(argument)); }},
        {"ValidateEncrypt", [](int index, const void *argument) { return ValidateEncrypt(index, static_cast<const char *>(argument)); }},
        {"GetFileInfo", [](int index, const void *argument) { return GetFileInfo(index, static_cast<const char *>(argument)); }},
        {"GetMediaInfoList", [](int index, const void *argument) { return GetMediaInfoList(index, static_cast<const MEDIA_LIST_QUERY_T *>(argument)); }},
        {"GetVideoParamV3", [](int index, const void *argument) { return GetVideoParamV3(index, static_cast<const VIDEO_PARA_T_V3 *>(argument)); }},
        {"GetAESParam", [](int index, const void *) { return GetAESParam(index); }},
        {"GetALLParamV2", [](int index, const void *) { return GetALLParamV2(index); }},
        {"GetALLParamV3", [](int index, const void *) { return GetALLParamV3(index); }},
        {"GetDevActiveCap", [](int index, const void *) { return GetDevActiveCap(index); }},
        {"GetDevActiveStatus", [](int index, const void *) { return GetDevActiveStatus(index); }},
        {"GetDevCCID", [](int index, const void *) { return GetDevCCID(index); }},
        {"GetDevCustomJsonParam", [](int index, const void *) { return GetDevCustomJsonParam(index); }},
        {"GetDevFWVersion", [](int index, const void *) { return GetDevFWVersion(index); }},
        {"GetDeviceCode", [](int index, const void *) { return GetDeviceCode(index); }},
        {"GetDeviceKey", [](int index, const void *) { return GetDeviceKey(index); }},
        {"GetDevJSONInfo", [](int index, const void *) { return GetDevJSONInfo(index); }},
        {"GetDevNetExtendJsonParam", [](int index, const void *) { return GetDevNetExtendJsonParam(index); }},
        {"GetDevRecJsonParam", [](int index, const void *) { return GetDevRecJsonParam(index); }},
        {"GetDevSystemJsonParam", [](int index, const void *) { return GetDevSystemJsonParam(index); }},
        {"GetDevVideoJsonParam", [](int index, const void *) { return GetDevVideoJsonParam(index); }},
        {"GetDisClaimerParam", [](int index, const void *) { return GetDisClaimerParam(index); }},
        {"GetDSTParam", [](int index, const void *) { return GetDSTParam(index); }},
        {"GetExParamV3", [](int index, const void *) { return GetExParamV3(index); }},
        {"GetEXTRAOSDParam", [](int index, const void *) { return GetEXTRAOSDParam(index); }},
        {"GetFaceParam", [](int index, const void *) { return GetFaceParam(index); }},
        {"GetFTPParam", [](int index, const void *) { return GetFTPParam(index); }},
        {"GetGroupTalkParam", [](int index, const void *) { return GetGroupTalkParam(index); }},
        {"GetIDParam", [](int index, const void *) { return GetIDParam(index); }},
        {"GetLUMR3Param", [](int index, const void *) { return GetLUMR3Param(index); }},
        {"GetMediaPackParam", [](int index, const void *) { return GetMediaPackParam(index); }},
        {"GetNetParam", [](int index, const void *) { return GetNetParam(index); }},
        {"GetPICParam", [](int index, const void *) { return GetPICParam(index); }},
        {"GetPlat1400Param", [](int index, const void *) { return GetPlat1400Param(index); }},
        {"GetPlatCustomParam", [](int index, const void *) { return GetPlatCustomParam(index); }},
        {"GetPlatFormDomainParam", [](int index, const void *) { return GetPlatFormDomainParam(index); }},
        {"GetPlatFormParam", [](int index, const void *) { return GetPlatFormParam(index); }},
        {"GetPPPParam", [](int index, const void *) { return GetPPPParam(index); }},
        {"GetRecParam", [](int index, const void *) { return GetRecParam(index); }},
        {"GetSIPParam", [](int index, const void *) { return GetSIPParam(index); }},
        {"GetSystemParam", [](int index, const void *) { return GetSystemParam(index); }},
        {"GetTARVIO50Param", [](int index, const void *) { return GetTARVIO50Param(index); }},
        {"GetTime", [](int index, const void *) { return GetTime(index); }},
        {"GetTIMPlatParam", [](int index, const void *) { return GetTIMPlatParam(index); }},
        {"GetWifiParam", [](int index, const void *) { return GetWifiParam(index); }},
        {"GetWifiParamV2", [](int index, const void *) { return GetWifiParamV2(index); }},
        {"GetWifiStaticParam", [](int index, const void *) { return GetWifiStaticParam(index); }},
        {"ChangePassword", [](int index, const void *argument) { return ChangePassword(index, static_cast<const CHANGE_PASSWORD_PARA_T *>(argument)); }},
        {"SetAESParam", [](int index, const void *argument) { return SetAESParam(index, static_cast<const AES_CFG_PARAM *>(argument)); }},
        {"SetDisClaimerParam", [](int index, const void *argument) { return SetDisClaimerParam(index, static_cast<const DISCLAIMER_PARA_T *>(argument)); }},
        {"SetDSTParam", [](int index, const void *argument) { return SetDSTParam(index, static_cast<const USB_DST_T *>(argument)); }},
        {"SetExParamV3", [](int index, const void *argument) { return SetExParamV3(index, static_cast<const Ex_Param_V3_T *>(argument)); }},
        {"SetEXTRAOSDParam", [](int index, const void *argument) { return SetEXTRAOSDParam(index, static_cast<const EXTRA_OSD *>(argument)); }},
        {"SetFaceParam", [](int index, const void *argument) { return SetFaceParam(index, static_cast<const PLATFORM_FACE_CFG_PARAM *>(argument)); }},
        {"SetFTPParam", [](int index, const void *argument) { return SetFTPParam(index, static_cast<const FTP_CFG_PARAM *>(argument)); }},
        {"SetGroupTalkParam", [](int index, const void *argument) { return SetGroupTalkParam(index, static_cast<const GROUP_TALK_PARA_T *>(argument)); }},
        {"SetIDParam", [](int index, const void *argument) { return SetIDParam(index, static_cast<const DEVICE_ID_PARA_T *>(argument)); }},
        {"SetLUMR3Param", [](int index, const void *argument) { return SetLUMR3Param(index, static_cast<const LUMARO_PARAM_V3_T *>(argument)); }},
        {"SetMediaPackParam", [](int index, const void *argument) { return SetMediaPackParam(index, static_cast<const AUDIO_VEDIO_PACK_CFG_PARAM *>(argument)); }},
        {"SetNetParam", [](int index, const void *argument) { return SetNetParam(index, static_cast<const VIDEO_PARA_T *>(argument)); }},
        {"SetPICParam", [](int index, const void *argument) { return SetPICParam(index, static_cast<const PIC_PARAM *>(argument)); }},
        {"SetPlat1400Param", [](int index, const void *argument) { return SetPlat1400Param(index, static_cast<const PLATFORM_1400_CFG_PARAM *>(argument)); }},
        {"SetPlatCustomParam", [](int index, const void *argument) { return SetPlatCustomParam(index, static_cast<const PLATFORM_CUSTOM_CFG_PARAM *>(argument)); }},
        {"SetPlatFormDomainParam", [](int index, const void *argument) { return SetPlatFormDomainParam(index, static_cast<const PLATFORM_DOMAIN_T *>(argument)); }},
        {"SetPlatFormParam", [](int index, const void *argument) { return SetPlatFormParam(index, static_cast<const PLATFORM_PARA_T *>(argument)); }},
        {"SetPPPParam", [](int index, const void *argument) { return SetPPPParam(index, static_cast<const EACH_PPP_PARA_T *>(argument)); }},
        {"SetRecParam", [](int index, const void *argument) { return SetRecParam(index, static_cast<const VIDEO_PARA_T *>(argument)); }},
        {"SetSIPParam", [](int index, const void *argument) { return SetSIPParam(index, static_cast<const SIPUA_CONFIG_T *>(argument)); }},
        {"SetSystemParam", [](int index, const void *argument) { return SetSystemParam(index, static_cast<const SYSTEM_PARA_T *>(argument)); }},
        {"SetTARVIO50Param", [](int index, const void *argument) { return SetTARVIO50Param(index, static_cast<const PLATFROM_TARVIO50_PARAM *>(argument)); }},
        {"SetTime", [](int index, const void *argument) { return SetTime(index, static_cast<const TIME_PARA_T *>(argument)); }},
        {"SetTIMPlatParam", [](int index, const void *argument) { return SetTIMPlatParam(index, static_cast<const TIM_PARAM_T *>(argument)); }},
        {"SetVideoParamV3", [](int index, const void *argument) { return SetVideoParamV3(index, static_cast<const VIDEO_PARA_T_V3 *>(argument)); }},
        {"SetWifiParam", [](int index, const void *argument) { return SetWifiParam(index, static_cast<const WIFI_PARA_T_V1_0 *>(argument)); }},
        {"SetWifiParamV2", [](int index, const void *argument) { return SetWifiParamV2(index, static_cast<const WIFI_PARA_V2_T *>(argument)); }},
        {"SetWifiStaticParam", [](int index, const void *argument) { return SetWifiStaticParam(index, static_cast<const WIFI_PARA_STATIC_T *>(argument)); }},
        {"UploadFileStart", [](int index, const void *argument) { return UploadFileStart(index, static_cast<const UPLOAD_FILE_PARA_T *>(argument)); }},
        {"ChangeUsbMode", [](int index, const void *) { return ChangeUsbMode(index); }},
        {"ChangeUsbModeV3", [](int index, const void *) { return ChangeUsbModeV3(index); }},
        {"ExportParams", [](int index, const void *) { return ExportParams(index); }},
        {"FactoryReset", [](int index, const void *) { return FactoryReset(index); }},
        {"LogOut", [](int index, const void *) { return LogOut(index); }},
        {"MemoryFormat", [](int index, const void *) { return MemoryFormat(index); }},
        {"ReflashScreen", [](int index, const void *) { return ReflashScreen(index); }},
        {"RefreshLOGO", [](int index, const void *) { return RefreshLOGO(index); }},
        {"SimpleDefaultReset", [](int index, const void *) { return SimpleDefaultReset(index); }},
        {"UpgradeFirmware", [](int index, const void *) { return UpgradeFirmware(index); }},
        {"UpgradePlateRecognate", [](int index, const void *) { return UpgradePlateRecognate(index); }},
        {"UploadFileStop", [](int index, const void *) { return UploadFileStop(index); }},
    };
    return table;
}

} // namespace

bool ExportCalls::has(std::string_view name)
{
    return calls().count(name) != 0;
}

int ExportCalls::call(std::string_view name, int index, const void *argument)
{
    return calls().at(name)(index, argument);
}
