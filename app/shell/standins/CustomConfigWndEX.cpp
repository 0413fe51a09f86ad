#include "CustomConfigWndEX.h"

#include "StandIn.h"

CustomConfigWndEX::CustomConfigWndEX(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

void CustomConfigWndEX::refreshParam()
{
    ++m_refreshParamCalls;
}

#include "moc_CustomConfigWndEX.cpp"
