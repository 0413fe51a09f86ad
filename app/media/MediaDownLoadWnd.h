#pragma once

#include <QScopedPointer>
#include <QStringList>
#include <QWidget>

namespace Ui {
class MediaDownLoadWnd;
}

// "文件下载": the camera files ticked on the media page and the local folder
// they go to. The page lays it over the main window's page area; it is closed,
// not destroyed, after each use.
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

signals:
    // Whenever a button closes the dialog.
    void widgetClosed();

public slots:
    void onCloseBtnClick();

private:
    void fillList();

    const QScopedPointer<Ui::MediaDownLoadWnd> m_ui;
    QStringList m_fileList;
};
