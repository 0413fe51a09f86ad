#include "SystemConfigWnd.h"

#include "StandIn.h"

SystemConfigWnd::SystemConfigWnd(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

#include "moc_SystemConfigWnd.cpp"
