#include "MediaMessageWndEx.h"

#include "StandIn.h"

MediaMessageWndEx::MediaMessageWndEx(QWidget *parent)
    : QWidget(parent)
{
    showStandInName(this);
}

void MediaMessageWndEx::setDownLoadPath(QString path)
{
    m_downLoadPaths.append(path);
}

#include "moc_MediaMessageWndEx.cpp"
