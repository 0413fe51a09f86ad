#include "NetworkProWnd.h"
#include "ui_NetworkProWnd.h"

#include "ApnParamWnd.h"
#include "DeviceCaps.h"
#include "WifiParamWnd.h"
#include "WifiStaticParamWnd.h"

namespace {

// Wi-Fi and dial-up count as present on cameras before generation 3 whatever
// their capability bytes say; a JSON camera decides by its ability key alone.
bool hasNetworkFeature(const DeviceCaps &caps, DeviceCaps::AbilityKey key, int byteOffset)
{
    if (caps.isJson())
        return caps.ability(key) != 0;
    return !caps.isGeneration3() || caps.codeByte(byteOffset) != 0;
}

} // namespace

NetworkProWnd::NetworkProWnd(QWidget *parent)
    : TabContainer(parent)
    , m_ui(new Ui::NetworkProWnd)
{
    m_ui->setupUi(this);

    const DeviceCaps caps = DeviceCaps::current();
    const bool wifi = hasNetworkFeature(caps, &DevJsonAbility::supportWifi, CapByte::kWifi);
    const bool dial = hasNetworkFeature(caps, &DevJsonAbility::support4G, CapByte::kDial);
    // The Wi-Fi tab comes first whenever it is there; without it the dial-up
    // tab is the lowest one left, and with neither tab 0 stays current.
    const QVector<TabEntry> tabs = {
            {kWifiTab, m_ui->gridLayout_wifi, [wifi] { return wifi; }, [] { return new WifiParamWnd; },
             callOnPage(&WifiParamWnd::refreshParam), true},
            {kStaticTab, m_ui->gridLayout_static, [wifi, caps] { return wifi && caps.generation() != 1; },
             [] { return new WifiStaticParamWnd; }, callOnPage(&WifiStaticParamWnd::refreshParam)},
            {kApnTab, m_ui->gridLayout_apn, [dial] { return dial; }, [] { return new ApnParamWnd; },
             callOnPage(&ApnParamWnd::refreshParam)},
    };
    initTabs(m_ui->tabWidget, tabs);
}

NetworkProWnd::~NetworkProWnd() = default;
