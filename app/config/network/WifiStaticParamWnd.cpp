#include "WifiStaticParamWnd.h"
#include "ui_WifiStaticParamWnd.h"

#include "CWifiStaticController.h"
#include "CommonFunc.h"
#include "Ipv4Text.h"
#include "MainManager.h"
#include "RecordReader.h"
#include "WifiStaticLayout.h"

#include <QDebug>

using namespace WifiStaticLayout;

WifiStaticParamWnd::WifiStaticParamWnd(QWidget *parent)
    : ParamPage(parent, Options {Refresh::OnRequest, false})
    , m_ui(new Ui::WifiStaticParamWnd)
    , m_controller(new CWifiStaticController)
{
    m_ui->setupUi(this);
    addErrorFrame(m_ui->ipAddrFrame, m_ui->ipAddrError);
    addErrorFrame(m_ui->ipMaskFrame, m_ui->ipMaskError);
    addErrorFrame(m_ui->gatewayFrame, m_ui->gatewayError);
    addErrorFrame(m_ui->dnsFrame_1, m_ui->dnsError_1);
    addErrorFrame(m_ui->dnsFrame_2, m_ui->dnsError_2);
    disableLineEditMenu(this);

    // Connected before the first request, so its reply cannot be missed.
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &WifiStaticParamWnd::onSignalStateChanged);
    connect(m_ui->saveBtn, &QPushButton::clicked, this, &WifiStaticParamWnd::onSaveBtnClicked);
    connectRecord(&MainManager::devStaitcWifiParamChanged, &WifiStaticParamWnd::onSiganlDevPlateParamChanged);
    connectResult(&MainManager::reqSetDevStaticWifiParam, &WifiStaticParamWnd::onSetParamResult);
    connect(m_controller.data(), &CWifiStaticController::setParamResult, this,
            &WifiStaticParamWnd::onSetParamResult);
    connect(m_controller.data(), &CWifiStaticController::checkParamResult, this,
            &WifiStaticParamWnd::onCheckParamResult);
    refreshParam();
}

WifiStaticParamWnd::~WifiStaticParamWnd() = default;

void WifiStaticParamWnd::requestParam()
{
    m_ui->enable_box->setChecked(true);
    // The hidden box carries the camera's DNS mode to the next save, also
    // while this request is unanswered: the new items keep the selection.
    const int dnsMode = m_ui->autoDnsMode->count() > 0 ? m_ui->autoDnsMode->currentIndex() : 0;
    m_ui->autoDnsMode->clear();
    m_ui->autoDnsMode->addItems({tr("否"), tr("是")});
    m_ui->autoDnsMode->setCurrentIndex(dnsMode);
    m_ui->label_6->hide();
    m_ui->autoDnsMode->hide();
    manager()->ReqDevStaticWifiParam();
}

void WifiStaticParamWnd::onSignalStateChanged(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    const bool enabled = state == Qt::Checked;
    for (QWidget *field : std::initializer_list<QWidget *> {m_ui->ipAddress, m_ui->ipMask, m_ui->autoDnsMode,
                                                             m_ui->gateway, m_ui->dnsAddress_1, m_ui->dnsAddress_2})
        field->setEnabled(enabled);
}

void WifiStaticParamWnd::onSiganlDevPlateParamChanged(WIFI_PARA_STATIC_T *param)
{
    qDebug() << "onSiganlDevPlateParamChanged wifi";
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->ipAddress->setText(Ipv4Text::fromWire(record.inetAddr(kIp)));
    m_ui->ipMask->setText(Ipv4Text::fromWire(record.inetAddr(kMask)));
    m_ui->gateway->setText(Ipv4Text::fromWire(record.inetAddr(kGateway)));
    m_ui->dnsAddress_1->setText(Ipv4Text::fromWire(record.inetAddr(kDns1)));
    m_ui->dnsAddress_2->setText(Ipv4Text::fromWire(record.inetAddr(kDns2)));
    m_ui->enable_box->setChecked(record.i32(kDhcp) == 0);
    // A mode outside the list shows no selection and goes back as it came.
    const qint32 dnsMode = record.i32(kDnsMode);
    m_ui->autoDnsMode->setCurrentIndex(dnsMode == 0 || dnsMode == 1 ? dnsMode : -1);
    kept().keepChoice(m_ui->autoDnsMode, dnsMode);
}

void WifiStaticParamWnd::onSaveBtnClicked()
{
    WifiStaticParam param;
    param.ip = m_ui->ipAddress->text().trimmed();
    param.mask = m_ui->ipMask->text().trimmed();
    param.dhcp = m_ui->enable_box->isChecked() ? 0 : 1;
    param.dnsMode = kept().choice(m_ui->autoDnsMode, m_ui->autoDnsMode->currentIndex());
    param.gateway = m_ui->gateway->text().trimmed();
    param.dns1 = m_ui->dnsAddress_1->text().trimmed();
    param.dns2 = m_ui->dnsAddress_2->text().trimmed();
    m_controller->setParam(&param);
}

void WifiStaticParamWnd::onCheckParamResult(int errorNo)
{
    hideErrorFrames();
    switch (errorNo) {
    case CWifiStaticController::kPassed:
        // The request goes out now; its answer, or the library's refusal, ends the save.
        beginSave();
        break;
    case CWifiStaticController::kBadIp:
        showError(m_ui->ipAddrFrame, tr("非法的IP地址"));
        break;
    case CWifiStaticController::kBadMask:
        showError(m_ui->ipMaskFrame, tr("非法的IP掩码"));
        break;
    case CWifiStaticController::kBadGateway:
        showError(m_ui->gatewayFrame, tr("非法的网关"));
        break;
    case CWifiStaticController::kBadDns1:
        showError(m_ui->dnsFrame_1, tr("非法的DNS地址"));
        break;
    case CWifiStaticController::kBadDns2:
        showError(m_ui->dnsFrame_2, tr("非法的DNS地址"));
        break;
    default:
        break;
    }
}

void WifiStaticParamWnd::onSetParamResult(int result)
{
    finishSave(result);
}
