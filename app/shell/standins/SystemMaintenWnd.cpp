#include "SystemMaintenWnd.h"

#include "StandIn.h"

SystemMaintenWnd::SystemMaintenWnd(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

void SystemMaintenWnd::updateExportParamVisible()
{
    ++m_updateExportParamVisibleCalls;
}

#include "moc_SystemMaintenWnd.cpp"
