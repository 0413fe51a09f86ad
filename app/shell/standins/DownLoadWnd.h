#pragma once

// Stand-in for the download panel until the real one lands: it keeps the rows
// it is given and reports their count, nothing is downloaded through it.

#include <QFrame>
#include <QPair>
#include <QStringList>
#include <QVector>

class DownLoadWnd : public QFrame
{
    Q_OBJECT

public:
    explicit DownLoadWnd(QWidget *parent = nullptr);

    void addDownLoadList(QStringList files, QString dir);
    int getDownLoadCount();

signals:
    void listCountChanged(int count);
    void clearDownLoadList();
    void hideSelf();

protected:
    bool event(QEvent *event) override;

private:
    QVector<QPair<QString, QString>> m_rows; // device file, local folder
};
