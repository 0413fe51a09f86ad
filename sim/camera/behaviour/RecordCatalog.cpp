#include "RecordCatalog.h"

#include <cstring>

namespace sim::camera {

const std::vector<RecordEntry> &RecordCatalog::entries()
{
    static const std::vector<RecordEntry> table = {
        {"VIDEO_PARA_T recording", 9, 4, 12, 1},
        {"VIDEO_PARA_T network", 10, 5, 12, 1},
        {"WIFI_PARA_T_V1_0", 11, 6, 100, 1},
        {"EACH_PPP_PARA_T", 12, 7, 136, 1},
        {"PLATFORM_PARA_T", 13, 8, 44, 1},
        {"DEVICE_ID_PARA_T", 14, 15, 128, 1},
        {"TIME_PARA_T", 18, 17, 32, 1},
        {"SYSTEM_PARA_T", 30, 29, 28, 1},
        {"DEV_CODE_PARA_T", 39, 0, 388, 1},
        {"WIFI_PARA_STATIC_T", 47, 46, 36, 1},
        {"PLATFORM_DOMAIN_T", 49, 48, 68, 1},
        {"WIFI_PARA_V2_T", 52, 51, 1156, 2},
        {"AES_CFG_PARAM", 67, 68, 44, 1},
        {"GROUP_TALK_PARA_T", 137, 136, 188, 1},
        {"SIPUA_CONFIG_T", 300, 301, 340, 1},
        {"EXTRA_OSD", 400, 401, 196, 1},
        {"PLATFROM_TARVIO50_PARAM", 500, 501, 616, 1},
        {"FTP_CFG_PARAM", 510, 511, 136, 1},
        {"PLATFORM_FACE_CFG_PARAM", 520, 521, 204, 1},
        {"PLATFORM_1400_CFG_PARAM", 530, 531, 136, 1},
        {"PLATFORM_CUSTOM_CFG_PARAM", 540, 541, 136, 1},
        {"AUDIO_VEDIO_PACK_CFG_PARAM", 550, 551, 8, 1},
        {"LUMARO_PARAM_V3_T", 560, 561, 228, 1},
        {"TIM_PARAM_T", 562, 563, 252, 1},
        {"Ex_Param_V3_T", 1007, 1006, 92, 3},
        {"USB_DST_T", 1013, 1012, 112, 3},
        {"PIC_PARAM", 1015, 1014, 36, 3},
        {"CCID_PARA_T", 1017, 0, 64, 3},
        {"DISCLAIMER", 4099, 4100, 448, 3},
    };
    return table;
}

const RecordEntry *RecordCatalog::byGetCode(std::uint32_t code)
{
    for (const RecordEntry &e : entries())
        if (e.getCode == code)
            return &e;
    return nullptr;
}

const RecordEntry *RecordCatalog::bySetCode(std::uint32_t code)
{
    for (const RecordEntry &e : entries())
        if (e.setCode != 0 && e.setCode == code)
            return &e;
    return nullptr;
}

const RecordEntry *RecordCatalog::byName(const char *name)
{
    for (const RecordEntry &e : entries())
        if (std::strcmp(e.name, name) == 0)
            return &e;
    return nullptr;
}

} // namespace sim::camera
