#include "PlatformWnd.h"

#include "StandIn.h"

PlatformWnd::PlatformWnd(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

#include "moc_PlatformWnd.cpp"
