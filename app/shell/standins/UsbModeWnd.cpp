#include "UsbModeWnd.h"

#include "MainManager.h"
#include "StandIn.h"

#include <QLayout>
#include <QPushButton>

UsbModeWnd::UsbModeWnd(QWidget *parent)
    : QWidget(parent)
    , m_okBtn(new QPushButton(this))
    , m_cancelBtn(new QPushButton(this))
{
    showStandInName(this);
    m_okBtn->setObjectName(QStringLiteral("popup_ok_btn"));
    m_okBtn->setText(tr("确定"));
    m_cancelBtn->setObjectName(QStringLiteral("popup_cancle_btn"));
    m_cancelBtn->setText(tr("取消"));
    layout()->addWidget(m_okBtn);
    layout()->addWidget(m_cancelBtn);
    connect(m_okBtn, &QPushButton::clicked, this, &UsbModeWnd::onOKBtnClicked);
    connect(m_cancelBtn, &QPushButton::clicked, this, &UsbModeWnd::onSignalPopupClosed);
    connect(MainManager::GetInstance(), &MainManager::switchUsbModel, this,
            &UsbModeWnd::onSignalSwitchUsbModel);
}

void UsbModeWnd::onOKBtnClicked()
{
    MainManager::GetInstance()->ReqChangeUsbMode();
}

void UsbModeWnd::onSignalPopupClosed()
{
    hide();
}

void UsbModeWnd::onSignalSwitchUsbModel(bool res)
{
    // A camera that refused stays in camera mode: the window stays open.
    if (res && parentWidget())
        parentWidget()->close();
}

#include "moc_UsbModeWnd.cpp"
