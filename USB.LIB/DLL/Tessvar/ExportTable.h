#pragma once

// Every export of the library as data: its name, what kind of packet it sends,
// the command code in the packet header and the reply, and the bytes of the
// record it carries after the 20-byte command header. The exports take their
// code and size from here, and the tests walk the same table, so a code or a
// size lives in one place only.

#include <cstddef>
#include <string_view>

namespace tessvar {

enum class ExportKind {
    Device, // no packet of its own: enumeration, open, close, callback
    Get,    // bare header, flags 0x0001; the reply carries the record
    Set,    // header and record, flags 0x0101; a null record sends nothing
    Query,  // like Set, but a null record sends zeros
    Action, // bare header, flags 0x0101
    Text,   // header and a caller's text without its NUL (XML behind a 12-byte head)
    Data,   // data packets only
};

struct ExportRow {
    std::string_view name;
    ExportKind kind;
    int command;        // kNoCommand for the device functions and the upload data
    std::size_t record; // payload bytes; for texts the fixed part before the text
};

class ExportTable
{
public:
    static constexpr int kNoCommand = -1;
    static constexpr std::size_t kExportCount = 105;

    static constexpr const ExportRow *begin() { return kRows; }
    static constexpr const ExportRow *end() { return kRows + kExportCount; }

    // Resolves at compile time when the name is a constant; a name that is not
    // in the table then fails to compile.
    static constexpr const ExportRow &find(std::string_view name)
    {
        for (const ExportRow &row : kRows) {
            if (row.name == name)
                return row;
        }
        throw "not an export of the library";
    }

    // Whether an export sends `command`, and so may see it answered.
    static constexpr bool sendsCommand(int command)
    {
        for (const ExportRow &row : kRows) {
            if (row.command == command)
                return true;
        }
        return false;
    }

private:
    static constexpr ExportRow kRows[kExportCount] = {
    {"ChangePassword",            ExportKind::Set,            16,  256},
    {"ChangeUsbMode",             ExportKind::Action,         26,    0},
    {"ChangeUsbModeV3",           ExportKind::Action,       1002,    0},
    {"CloseDevice",               ExportKind::Device, kNoCommand,    0},
    {"DownLoadFile",              ExportKind::Set,             2,  136},
    {"ExportParams",              ExportKind::Action,       1016,    0},
    {"FactoryReset",              ExportKind::Action,         33,    0},
    {"FindLogFile",               ExportKind::Get,            20,    0},
    {"FindMediaFile",             ExportKind::Get,            21,    0},
    {"GetAESParam",               ExportKind::Get,            67,    0},
    {"GetALLParamV2",             ExportKind::Get,            50,    0},
    {"GetALLParamV3",             ExportKind::Get,          1003,    0},
    {"GetDevActiveCap",           ExportKind::Get,          1020,    0},
    {"GetDevActiveStatus",        ExportKind::Get,          1021,    0},
    {"GetDevCCID",                ExportKind::Get,          1017,    0},
    {"GetDevCustomJsonParam",     ExportKind::Get,            72,    0},
    {"GetDevFWVersion",           ExportKind::Get,          1009,    0},
    {"GetDeviceCode",             ExportKind::Get,            39,    0},
    {"GetDeviceKey",              ExportKind::Get,            32,    0},
    {"GetDevJSONInfo",            ExportKind::Get,           100,    0},
    {"GetDevNetExtendJsonParam",  ExportKind::Get,            80,    0},
    {"GetDevRecJsonParam",        ExportKind::Get,            70,    0},
    {"GetDevSystemJsonParam",     ExportKind::Get,            76,    0},
    {"GetDevVideoJsonParam",      ExportKind::Get,            74,    0},
    {"GetDisClaimerParam",        ExportKind::Get,          4099,    0},
    {"GetDSTParam",               ExportKind::Get,          1013,    0},
    {"GetExParamV3",              ExportKind::Get,          1007,    0},
    {"GetEXTRAOSDParam",          ExportKind::Get,           400,    0},
    {"GetFaceParam",              ExportKind::Get,           520,    0},
    {"GetFileInfo",               ExportKind::Query,          22,  128},
    {"GetFTPParam",               ExportKind::Get,           510,    0},
    {"GetGroupTalkParam",         ExportKind::Get,           137,    0},
    {"GetIDParam",                ExportKind::Get,            14,    0},
    {"GetLUMR3Param",             ExportKind::Get,           560,    0},
    {"GetMediaInfoList",          ExportKind::Query,          36,   16},
    {"GetMediaPackParam",         ExportKind::Get,           550,    0},
    {"GetNetParam",               ExportKind::Get,            10,    0},
    {"GetPICParam",               ExportKind::Get,          1015,    0},
    {"GetPlat1400Param",          ExportKind::Get,           530,    0},
    {"GetPlatCustomParam",        ExportKind::Get,           540,    0},
    {"GetPlatFormDomainParam",    ExportKind::Get,            49,    0},
    {"GetPlatFormParam",          ExportKind::Get,            13,    0},
    {"GetPPPParam",               ExportKind::Get,            12,    0},
    {"GetRecParam",               ExportKind::Get,             9,    0},
    {"GetSIPParam",               ExportKind::Get,           300,    0},
    {"GetSystemParam",            ExportKind::Get,            30,    0},
    {"GetTARVIO50Param",          ExportKind::Get,           500,    0},
    {"GetTime",                   ExportKind::Get,            18,    0},
    {"GetTIMPlatParam",           ExportKind::Get,           562,    0},
    {"GetVideoParamV3",           ExportKind::Query,        1001,   88},
    {"GetWifiParam",              ExportKind::Get,            11,    0},
    {"GetWifiParamV2",            ExportKind::Get,            52,    0},
    {"GetWifiStaticParam",        ExportKind::Get,            47,    0},
    {"LoginDevice",               ExportKind::Set,             1,  128},
    {"LogOut",                    ExportKind::Action,         24,    0},
    {"MemoryFormat",              ExportKind::Action,         34,    0},
    {"OpenDevice",                ExportKind::Device, kNoCommand,    0},
    {"ReflashScreen",             ExportKind::Action,       4096,    0},
    {"RefreshDecice",             ExportKind::Device, kNoCommand,    0},
    {"RefreshLOGO",               ExportKind::Action,       4101,    0},
    {"SetAESParam",               ExportKind::Set,            68,   44},
    {"SetDevActive",              ExportKind::Set,          1018,  128},
    {"SetDevActiveAP",            ExportKind::Set,          1019,  128},
    {"SetDevCustomJsonParam",     ExportKind::Text,           73,    0},
    {"SetDevNetExtendJsonParam",  ExportKind::Text,           81,    0},
    {"SetDevRecJsonParam",        ExportKind::Text,           71,    0},
    {"SetDevSystemJsonParam",     ExportKind::Text,           77,    0},
    {"SetDevVideoJsonParam",      ExportKind::Text,           75,    0},
    {"SetDisClaimerParam",        ExportKind::Set,          4100,  448},
    {"SetDSTParam",               ExportKind::Set,          1012,  112},
    {"SetExParamV3",              ExportKind::Set,          1006,   92},
    {"SetEXTRAOSDParam",          ExportKind::Set,           401,  196},
    {"SetFaceParam",              ExportKind::Set,           521,  204},
    {"SetFTPParam",               ExportKind::Set,           511,  136},
    {"SetGroupTalkParam",         ExportKind::Set,           136,  188},
    {"SetIDParam",                ExportKind::Set,            15,  128},
    {"SetLUMR3Param",             ExportKind::Set,           561,  228},
    {"SetMediaPackParam",         ExportKind::Set,           551,    8},
    {"SetMsgCallBack",            ExportKind::Device, kNoCommand,    0},
    {"SetNetParam",               ExportKind::Set,             5,   12},
    {"SetPICParam",               ExportKind::Set,          1014,   36},
    {"SetPlat1400Param",          ExportKind::Set,           531,  136},
    {"SetPlatCustomParam",        ExportKind::Set,           541,  136},
    {"SetPlatFormDomainParam",    ExportKind::Set,            48,   68},
    {"SetPlatFormParam",          ExportKind::Set,             8,   44},
    {"SetPPPParam",               ExportKind::Set,             7,  136},
    {"SetRecParam",               ExportKind::Set,             4,   12},
    {"SetSIPParam",               ExportKind::Set,           301,  340},
    {"SetSystemParam",            ExportKind::Set,            29,   28},
    {"SetTARVIO50Param",          ExportKind::Set,           501,  616},
    {"SetTime",                   ExportKind::Set,            17,   32},
    {"SetTIMPlatParam",           ExportKind::Set,           563,  252},
    {"SetVideoParamV3",           ExportKind::Set,          1000,   88},
    {"SetWifiParam",              ExportKind::Set,             6,  100},
    {"SetWifiParamV2",            ExportKind::Set,            51, 1156},
    {"SetWifiStaticParam",        ExportKind::Set,            46,   36},
    {"SetXMlParam",               ExportKind::Text,           61,   12},
    {"SetXMlParamEX",             ExportKind::Text,           69,   12},
    {"SimpleDefaultReset",        ExportKind::Action,         66,    0},
    {"UpgradeFirmware",           ExportKind::Action,         57,    0},
    {"UpgradePlateRecognate",     ExportKind::Action,       1536,    0},
    {"UploadFile",                ExportKind::Data,   kNoCommand,    0},
    {"UploadFileStart",           ExportKind::Set,            55,  208},
    {"UploadFileStop",            ExportKind::Action,         56,    0},
    {"ValidateEncrypt",           ExportKind::Set,            31, 1024},
    };
};

} // namespace tessvar
