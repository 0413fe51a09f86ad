#include "CameraConfigWnd.h"

#include "StandIn.h"

CameraConfigWnd::CameraConfigWnd(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

#include "moc_CameraConfigWnd.cpp"
