#include "DownLoadWnd.h"

#include "StandIn.h"

#include <QEvent>

DownLoadWnd::DownLoadWnd(QWidget *parent)
    : QFrame(parent)
{
    showStandInName(this);
    setFrameShape(QFrame::Box);
    resize(671, 291);
}

void DownLoadWnd::addDownLoadList(QStringList files, QString dir)
{
    for (const QString &file : files) {
        const QPair<QString, QString> row(file, dir);
        if (!m_rows.contains(row))
            m_rows.append(row);
    }
    emit listCountChanged(m_rows.size());
}

int DownLoadWnd::getDownLoadCount()
{
    return m_rows.size();
}

bool DownLoadWnd::event(QEvent *event)
{
    if (event->type() == QEvent::Leave) {
        emit hideSelf();
        hide();
    }
    return QFrame::event(event);
}

#include "moc_DownLoadWnd.cpp"
