#pragma once

#include "DownLoadItem.h"

#include <QFrame>
#include <QScopedPointer>
#include <QStringList>
#include <QVector>

class DownLoadWndDelegate;
struct DownLoadPair;

namespace Ui {
class DownLoadWnd;
}

// The main window's download manager: the queue of files still to fetch
// (waiting, being fetched or failed) and the files fetched since the window
// opened, mirroring MainManager's download queue. Rows are keyed by the camera
// file and the local file it becomes, as MainManager keys its queue.
class DownLoadWnd : public QFrame
{
    Q_OBJECT

public:
    explicit DownLoadWnd(QWidget *parent = nullptr);
    ~DownLoadWnd() override;

    void addDownLoadList(QStringList files, QString dir);
    // Rows in the queue, failed ones included.
    int getDownLoadCount();

    const QVector<DownLoadItem> &queue() const { return m_queue; }
    const QVector<DownLoadItem> &finished() const { return m_finished; }
    int viewMode() const { return m_viewMode; }

    // A queue row whose file MainManager is fetching: state 0, or still
    // waiting while its request is outstanding. It has no buttons and stays.
    static bool isBeingFetched(const DownLoadItem &item);

signals:
    void listCountChanged(int count);
    void clearDownLoadList();
    void hideSelf();

public slots:
    void onLoadManagerBtnClicked();
    void onAlreadyLoadBtnClicked();
    void onCleanBtnClicked();
    void onRetractBtnClicked();
    void onSignalStartDownLoad(QString name, int result);
    void onSignalOverDownLoad(QString usb_file, QString local_file, int result);
    void onSignalItemWidgetDelete(int indexrow);
    void onSignalItemFileOpen(int indexrow);
    void onSignalItemReload(int indexrow);

protected:
    bool event(QEvent *event) override;

private:
    void setViewMode(int mode);
    // The queue row of MainManager's pair, -1 when none.
    int rowOfPair(const DownLoadPair &pair) const;
    void refresh();

    const QScopedPointer<Ui::DownLoadWnd> m_ui;
    QVector<DownLoadItem> m_queue;
    QVector<DownLoadItem> m_finished;
    int m_queueCounter = 0;
    int m_finishedCounter = 0;
    int m_viewMode = 0;
    DownLoadWndDelegate *m_delegate = nullptr;
};
