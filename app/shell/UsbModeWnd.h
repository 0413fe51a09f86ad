#pragma once

#include <QPointer>
#include <QScopedPointer>
#include <QWidget>

class PopupWidget;

namespace Ui {
class UsbModeWnd;
}

// Asks the operator to confirm the switch of the camera in use to USB-disk
// mode. Built hidden over the main window. The camera leaves the program's
// reach once it has switched, so its answer of success closes the parent
// (which ends the program); a refusal keeps the program and tells the
// operator, even after the popup was cancelled.
class UsbModeWnd : public QWidget
{
    Q_OBJECT

public:
    explicit UsbModeWnd(QWidget *parent = nullptr);
    ~UsbModeWnd() override;

public slots:
    void onSignalPopupClosed();
    void onOKBtnClicked();
    void onSignalSwitchUsbModel(bool res);

private:
    const QScopedPointer<Ui::UsbModeWnd> m_ui;
    // On the parent, so the failure still shows when the popup is hidden.
    QPointer<PopupWidget> m_toast;
};
