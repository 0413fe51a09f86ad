#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QStringList>
#include <QWidget>

class MediaMessageWndEx : public QWidget
{
    Q_OBJECT

public:
    explicit MediaMessageWndEx(QWidget *parent = nullptr);

    void setDownLoadPath(QString path);

    // The folders it was given, oldest first; read by the main window's tests.
    QStringList downLoadPaths() const { return m_downLoadPaths; }

private:
    QStringList m_downLoadPaths;
};
