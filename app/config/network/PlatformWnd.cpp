#include "PlatformWnd.h"
#include "ui_PlatformWnd.h"

#include "ExtendConfigWnd.h"
#include "FaceTdaConfigWnd.h"
#include "FtpConfigWnd.h"
#include "GroupTalkConfigWnd.h"
#include "LumaroConfigWnd.h"
#include "LumaroV3ConfigWnd.h"
#include "Plat1400ConfigWnd.h"
#include "PlatCustomConfigWnd.h"
#include "PlateConfigWnd.h"
#include "PlatformTabs.h"
#include "SIPParamWnd.h"
#include "TarvioConfigWnd.h"
#include "TimPlateConfigWnd.h"

namespace {

template<typename Page>
std::function<QWidget *()> page()
{
    return [] { return new Page; };
}

// Pages of tabs 0 to 7 ask the camera from their own show event; the later
// ones are told to ask and then shown.
template<typename Page>
std::function<void(QWidget *)> refreshThenShow(void (Page::*refreshParam)())
{
    return [refreshParam](QWidget *widget) {
        (static_cast<Page *>(widget)->*refreshParam)();
        widget->show();
    };
}

std::function<bool()> rule(int tab)
{
    const bool enabled = PlatformTabs::isEnabled(tab);
    return [enabled] { return enabled; };
}

} // namespace

PlatformWnd::PlatformWnd(QWidget *parent)
    : TabContainer(parent)
    , m_ui(new Ui::PlatformWnd)
{
    m_ui->setupUi(this);
    m_ui->tabWidget->setTabBarAutoHide(false);

    using T = PlatformTabs;
    // One row per tab: its rule, its page and how the page asks the camera on
    // every selection (showPage() for tabs 0 to 7, refreshThenShow() after).
    // The form leaves the last tab current: with no tab offered it stays so.
    const QVector<TabEntry> tabs = {
            {T::kTarvio, m_ui->gridLayout_tarvio, rule(T::kTarvio), page<PlateConfigWnd>(), showPage()},
            {T::kFtp, m_ui->gridLayout_ftp, rule(T::kFtp), page<FtpConfigWnd>(), showPage()},
            {T::kQuensa, m_ui->gridLayout_quensa, rule(T::kQuensa), page<TarvioConfigWnd>(), showPage()},
            {T::kGb, m_ui->gridLayout_gb, rule(T::kGb), page<SIPParamWnd>(), showPage()},
            {T::kPlat1400, m_ui->gridLayout_plat1400, rule(T::kPlat1400), page<Plat1400ConfigWnd>(), showPage()},
            {T::kGroupTalk, m_ui->gridLayout_groupTalk, rule(T::kGroupTalk), page<GroupTalkConfigWnd>(), showPage()},
            {T::kCustom, m_ui->gridLayout_custom, rule(T::kCustom), page<PlatCustomConfigWnd>(), showPage()},
            {T::kFace, m_ui->gridLayout_face, rule(T::kFace), page<FaceTdaConfigWnd>(), showPage()},
            {T::kLumaro, m_ui->gridLayout_lumaro, rule(T::kLumaro), page<LumaroConfigWnd>(),
             refreshThenShow(&LumaroConfigWnd::refreshParam)},
            {T::kLumaroV3, m_ui->gridLayout_lumaroV3, rule(T::kLumaroV3), page<LumaroV3ConfigWnd>(),
             refreshThenShow(&LumaroV3ConfigWnd::refreshParam)},
            {T::kRtmp, m_ui->gridLayout_rtmp, rule(T::kRtmp), page<TimPlateConfigWnd>(),
             refreshThenShow(&TimPlateConfigWnd::refreshParam)},
            {T::kOther, m_ui->gridLayout_other, rule(T::kOther), page<ExtendConfigWnd>(),
             refreshThenShow(&ExtendConfigWnd::refreshParam), true},
    };
    initTabs(m_ui->tabWidget, tabs);
}

PlatformWnd::~PlatformWnd() = default;
