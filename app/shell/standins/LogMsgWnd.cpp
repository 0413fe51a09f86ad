#include "LogMsgWnd.h"

#include "StandIn.h"

LogMsgWnd::LogMsgWnd(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

#include "moc_LogMsgWnd.cpp"
