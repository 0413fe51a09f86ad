#include "SystemConfigWnd.h"
#include "ui_SystemConfigWnd.h"

#include "DeviceCaps.h"
#include "SafeConfigWnd.h"
#include "SystemParamEXWnd.h"
#include "SystemParamWnd.h"
#include "TimeConfigWnd.h"

namespace {

// A tab a JSON camera may leave out; every other camera has all three.
std::function<bool()> offeredUnless(const DeviceCaps &caps, DeviceCaps::AbilityKey key)
{
    return [caps, key] { return !caps.isJson() || caps.ability(key) != 0; };
}

} // namespace

SystemConfigWnd::SystemConfigWnd(QWidget *parent)
    : TabContainer(parent)
    , m_ui(new Ui::SystemConfigWnd)
{
    m_ui->setupUi(this);

    const DeviceCaps caps = DeviceCaps::current();
    const bool json = caps.isJson();
    const QVector<TabEntry> tabs = {
            {kTimeTab, m_ui->gridLayout_time, offeredUnless(caps, &DevJsonAbility::supportTimeParam),
             [] { return new TimeConfigWnd; }, showPage()},
            {kPasswordTab, m_ui->gridLayout_safe, offeredUnless(caps, &DevJsonAbility::supportPasswordParam),
             [] { return new SafeConfigWnd; },
             [](QWidget *page) {
                 // Whatever the operator typed before goes with every return to the tab.
                 auto *safe = static_cast<SafeConfigWnd *>(page);
                 safe->resetInput();
                 safe->show();
             }},
            {kSystemTab, m_ui->gridLayout_sys, offeredUnless(caps, &DevJsonAbility::supportSystemParam),
             [json]() -> QWidget * {
                 if (json)
                     return new SystemParamEXWnd;
                 return new SystemParamWnd;
             },
             callOnPage(&ParamPage::refreshParam)},
    };
    initTabs(m_ui->tabWidget, tabs);
}

SystemConfigWnd::~SystemConfigWnd() = default;
