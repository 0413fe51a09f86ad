#include "NetworkProWnd.h"

#include "StandIn.h"

NetworkProWnd::NetworkProWnd(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

#include "moc_NetworkProWnd.cpp"
