#pragma once

#include <QScopedPointer>
#include <QWidget>

namespace Ui {
class LocalSettingWnd;
}

// The operator's two local folders: where media downloads go and where device
// logs are exported. Built hidden over the main window; loads both folders
// from temp.dat into the process-wide texts at construction, so they are in
// force before it is ever shown, and on save writes them back and hands the
// download folder to its parent's SetDownLoadPath.
class LocalSettingWnd : public QWidget
{
    Q_OBJECT

public:
    // The store the folders are kept in, in the working folder.
    static constexpr const char *kStoreFile = "temp.dat";

    explicit LocalSettingWnd(QWidget *parent = nullptr);
    ~LocalSettingWnd() override;

    // The folder both texts fall back to without a stored record: the user's
    // downloads folder, or the home folder where there is none.
    static QString defaultFolder();

public slots:
    void onCloseBtnClicked();
    void onCancleBtnClicked();
    void onSaveBtnClicked();
    void onLocalFileBtnClicked();
    void onLocalLogBtnClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const QScopedPointer<Ui::LocalSettingWnd> m_ui;
};
