#include "UsbModeWnd.h"
#include "ui_UsbModeWnd.h"

#include "MainManager.h"
#include "PopupWidget.h"

UsbModeWnd::UsbModeWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::UsbModeWnd)
    , m_toast(new PopupWidget(parent ? parent : this))
{
    m_ui->setupUi(this);
    m_toast->hide();

    connect(m_ui->popup_close_btn, &QPushButton::clicked, this, &UsbModeWnd::onSignalPopupClosed);
    connect(m_ui->popup_cancle_btn, &QPushButton::clicked, this, &UsbModeWnd::onSignalPopupClosed);
    connect(m_ui->popup_ok_btn, &QPushButton::clicked, this, &UsbModeWnd::onOKBtnClicked);
    connect(MainManager::GetInstance(), &MainManager::switchUsbModel, this,
            &UsbModeWnd::onSignalSwitchUsbModel);
}

UsbModeWnd::~UsbModeWnd()
{
    // The toast belongs to the popup, wherever it is shown.
    delete m_toast.data();
}

void UsbModeWnd::onSignalPopupClosed()
{
    hide();
}

void UsbModeWnd::onOKBtnClicked()
{
    // A command that cannot be written gets no answer: the popup stays until
    // the operator tries again or cancels.
    MainManager::GetInstance()->ReqChangeUsbMode();
}

void UsbModeWnd::onSignalSwitchUsbModel(bool res)
{
    if (!res) {
        m_toast->setText(tr("切换U盘模式失败"));
        m_toast->raise();
        m_toast->show();
        return;
    }
    if (QWidget *window = parentWidget())
        window->close();
}
