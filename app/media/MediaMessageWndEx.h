#pragma once

#include "MediaRecord.h"

#include <QScopedPointer>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <QWidget>

class HintWnd;
class MainManager;
class MediaDownLoadWnd;
class TreeItem;
class TreeItemDelegate;
class TreeItemModel;

namespace Ui {
class MediaMessageWndEx;
}

// The main window's media page: lists the logged-in camera's media files page
// by page at every show, groups them by day (newest first), filters them by
// type and start time, and hands the ticked files to the download dialog.
class MediaMessageWndEx : public QWidget
{
    Q_OBJECT

public:
    // Records asked for with every page request.
    static constexpr int kPageSize = 100;

    explicit MediaMessageWndEx(QWidget *parent = nullptr);
    ~MediaMessageWndEx() override;

    // A download folder chosen elsewhere, shown in the download dialog.
    void setDownLoadPath(QString path);

    // The device paths of the ticked files, in the order they were ticked.
    QStringList selection() const;
    TreeItemModel *model() const { return m_model; }
    MediaDownLoadWnd *downLoadWnd() const;
    HintWnd *hintWnd() const { return m_hintWnd; }

public slots:
    // Connected blocking queued: page is alive only during the call.
    void onUpdateMediaList(int ret, char *message);
    void on_all_btn_clicked();
    void on_video_btn_clicked();
    void on_img_btn_clicked();
    void on_music_btn_clicked();
    void on_search_btn_clicked();
    void on_download_btn_clicked();
    void onCheckStateChange(QString str, bool checked);
    void on_pbCheckAll_clicked();
    void onSignalDownLoadWndClosed();
    void onAllCheckStateChange();

protected:
    void showEvent(QShowEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void startListing();
    void requestPage(bool first);
    void rebuildTree(bool useTimeFilter);
    QVector<TreeItem *> groupsByDay(bool useTimeFilter) const;
    void setTypeFilter(int type);
    void showHint(const QString &text, bool withOkButton);
    void clearSelection();

    const QScopedPointer<Ui::MediaMessageWndEx> m_ui;
    TreeItemDelegate *m_delegate = nullptr;
    TreeItemModel *m_model = nullptr;
    bool m_morePages = false;
    bool m_timeFilterOn = false;
    QVector<MediaRecord> m_records;
    int m_typeFilter = MediaRecord::AllTypes;
    HintWnd *m_hintWnd = nullptr;
    // Re-parented over the main window while shown, so it may die with it.
    QPointer<MediaDownLoadWnd> m_downLoadWnd;
    MainManager *m_mainManager = nullptr;

    // The ticked paths in tick order. An untick drops the path from the set at
    // once and from the list lazily, so unticking thousands stays linear.
    mutable QStringList m_selection;
    QSet<QString> m_selected;
    mutable bool m_selectionStale = false;

    // One listing at a time: a show while a page is still asked for waits for
    // that answer, drops it and starts afresh.
    bool m_requestOutstanding = false;
    bool m_restartPending = false;
};
