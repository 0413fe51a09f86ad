#include "DeviceMessageWnd.h"

#include "StandIn.h"

DeviceMessageWnd::DeviceMessageWnd(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

void DeviceMessageWnd::initParam()
{
    ++m_initParamCalls;
}

#include "moc_DeviceMessageWnd.cpp"
