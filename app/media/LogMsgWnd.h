#pragma once

#include "LogEntry.h"

#include <QList>
#include <QScopedPointer>
#include <QVector>
#include <QWidget>

class HintWnd;
class MainManager;
class QStandardItemModel;

namespace Ui {
class LogMsgWnd;
}

// The device-log page: fetches the camera's log files once, lists their lines
// in pages, searches them by time and exports the shown lines to a text file
// in the operator's log folder.
class LogMsgWnd : public QWidget
{
    Q_OBJECT

public:
    explicit LogMsgWnd(QWidget *parent = nullptr);
    ~LogMsgWnd() override;

    // Reads every downloaded log file anew and shows the first page.
    void loadLogFiles();

public slots:
    void onSearchBtnClicked();
    void onClearBtnClicked();
    void onImportBtnClicked();
    void onSkipBtnClicked();
    void onSignalListShowNumChanged(int count);
    void onHomePageBtnClicked();
    void onEndPageBtnClicked();
    void onPrePageBtnClicked();
    void onNextPageBtnClicked();
    void onSignalReqLogInfoOver(bool ret);
    void onSignalLogDownLoadInfoOver(bool ret);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Reads the file's lines into m_allEntries from position count on.
    void parseLogFile(const QString &path, LogLine::LocalDays &days, int &count);
    void updatePageLabel();
    void showPage();
    void changePage(int page);
    void showOverlay(const QString &text, bool okButton);
    void reserveErrorRoom();
    void fitColumns();

    const QScopedPointer<Ui::LogMsgWnd> m_ui;
    MainManager *m_manager = nullptr;
    HintWnd *m_overlay = nullptr;
    QStandardItemModel *m_model = nullptr;
    QList<QString> m_logFiles;
    bool m_loaded = false;
    // A log request has no outcome yet: a new one would land in its transfer.
    bool m_requestPending = false;
    int m_pageCount = 0;
    int m_currentPage = 1;
    int m_firstRow = 1;
    QList<LogEntry> m_allEntries;
    // The lines the page lists, as positions in m_allEntries: a search over
    // all the logs copies no entry.
    QVector<int> m_shownRows;
    LogLine::SearchKeys m_searchKeys;
};
