#pragma once

#include <QScopedPointer>
#include <QStringList>
#include <QWidget>

class MediaDownLoadDelegate;

namespace Ui {
class MediaDownLoadWnd;
}

// "文件下载": the camera files ticked on the media page and the local folder
// they go to. The page lays it over the main window's page area; it is closed,
// not destroyed, after each use. "确定" makes the folder the current download
// folder and hands the files to the download panel and the download queue.
class MediaDownLoadWnd : public QWidget
{
    Q_OBJECT

public:
    explicit MediaDownLoadWnd(QWidget *parent = nullptr);
    ~MediaDownLoadWnd() override;

    void setFileList(QStringList files);
    // Shows a folder chosen elsewhere in the folder field.
    void setPath(QString path);

    QStringList fileList() const { return m_fileList; }

    // The folder "确定" uses for the text of the folder field: an empty one is
    // the current download folder, else the default (Downloads, else home); a
    // relative one lies under home. Native separators.
    static QString targetFolder(const QString &text);

signals:
    // Whenever a button closes the dialog.
    void widgetClosed();

public slots:
    void onCloseBtnClick();
    void onClearBtnClick();
    void onOkBtnClick();
    void onPathBtnClick();
    void onSignalItemDelete(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();

    const QScopedPointer<Ui::MediaDownLoadWnd> m_ui;
    QStringList m_fileList;
    QScopedPointer<MediaDownLoadDelegate> m_delegate;
};
