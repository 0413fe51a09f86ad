#include "NavigatorRows.h"

#include "CameraConfigWnd.h"
#include "CustomConfigWndEX.h"
#include "DeviceMessageWnd.h"
#include "DeviceSupport.h"
#include "NetworkProWnd.h"
#include "PlatformWnd.h"
#include "SystemConfigWnd.h"
#include "SystemMaintenWnd.h"

#include <QtGlobal>

namespace {

template<typename Page>
QWidget *build()
{
    return new Page;
}

const std::array<NavigatorRow, kNavigatorRowCount> kRows{{
        {QT_TRANSLATE_NOOP("DeviceConfigureWnd", "设备信息"), &DevJsonAbility::showDeviceInfo,
         NavigatorRow::Shown, build<DeviceMessageWnd>,
         [](QWidget *page) { static_cast<DeviceMessageWnd *>(page)->initParam(); }},
        {QT_TRANSLATE_NOOP("DeviceConfigureWnd", "相机配置"), &DevJsonAbility::showCameraInfo,
         NavigatorRow::Shown, build<CameraConfigWnd>, nullptr},
        {QT_TRANSLATE_NOOP("DeviceConfigureWnd", "系统配置"), &DevJsonAbility::showSystemInfo,
         NavigatorRow::Shown, build<SystemConfigWnd>, nullptr},
        {QT_TRANSLATE_NOOP("DeviceConfigureWnd", "网络连接"), &DevJsonAbility::showNetworkInfo,
         NavigatorRow::NetworkBytes, build<NetworkProWnd>, nullptr},
        {QT_TRANSLATE_NOOP("DeviceConfigureWnd", "网络应用"), &DevJsonAbility::showPlatformInfo,
         NavigatorRow::NetworkBytes, build<PlatformWnd>, nullptr},
        {QT_TRANSLATE_NOOP("DeviceConfigureWnd", "拓展参数"), &DevJsonAbility::showCustomParam,
         NavigatorRow::Hidden, build<CustomConfigWndEX>,
         [](QWidget *page) { static_cast<CustomConfigWndEX *>(page)->refreshParam(); }},
        {QT_TRANSLATE_NOOP("DeviceConfigureWnd", "系统维护"), &DevJsonAbility::showSystemMaintain,
         NavigatorRow::Shown, build<SystemMaintenWnd>,
         [](QWidget *page) { static_cast<SystemMaintenWnd *>(page)->updateExportParamVisible(); }},
}};

} // namespace

const std::array<NavigatorRow, kNavigatorRowCount> &navigatorRows()
{
    return kRows;
}

QVector<bool> navigatorRowsShown(const DeviceSupport &support)
{
    QVector<bool> shown(kNavigatorRowCount, true);
    if (support.generation < 3) {
        shown[kCustomParamRow] = false;
        return shown;
    }
    const bool networkBytes = support.networkByte != 0 || support.mobileNetworkByte != 0;
    for (int row = 0; row < kNavigatorRowCount; ++row) {
        const NavigatorRow &entry = kRows[size_t(row)];
        if (support.hasAbility)
            shown[row] = support.ability.*entry.showFlag != 0;
        else
            shown[row] = entry.withoutAbility == NavigatorRow::Shown
                    || (entry.withoutAbility == NavigatorRow::NetworkBytes && networkBytes);
    }
    return shown;
}
