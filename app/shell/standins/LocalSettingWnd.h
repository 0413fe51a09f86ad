#pragma once

// Stand-in for the local settings dialog until the real one lands: the
// download folder edit, the log folder row that follows the camera's log
// support, and a save that hands the folder to the main window by name.

#include <QWidget>

class QLineEdit;
class QPushButton;

class LocalSettingWnd : public QWidget
{
    Q_OBJECT

public:
    explicit LocalSettingWnd(QWidget *parent = nullptr);

public slots:
    void onSaveBtnClicked();

private:
    QLineEdit *m_localFileEdit;
    QLineEdit *m_localLogEdit;
    QPushButton *m_saveBtn;
};
