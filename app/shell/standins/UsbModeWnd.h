#pragma once

// Stand-in for the USB-disk mode popup until the real one lands: OK asks the
// camera to switch, and its yes closes the main window.

#include <QWidget>

class QPushButton;

class UsbModeWnd : public QWidget
{
    Q_OBJECT

public:
    explicit UsbModeWnd(QWidget *parent = nullptr);

public slots:
    void onOKBtnClicked();
    void onSignalPopupClosed();
    void onSignalSwitchUsbModel(bool res);

private:
    QPushButton *m_okBtn;
    QPushButton *m_cancelBtn;
};
