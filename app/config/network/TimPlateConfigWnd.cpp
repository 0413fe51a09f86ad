#include "TimPlateConfigWnd.h"
#include "ui_TimPlateConfigWnd.h"

#include "CommonFunc.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "RecordReader.h"

#include <QButtonGroup>
#include <QDebug>

namespace {

// TIM_PARAM_T
constexpr int kEnable = 0;
constexpr int kUseDomain = 1;
constexpr int kProtocol = 2;
constexpr int kDomain = 4;
constexpr int kDomainWidth = 64;
constexpr int kIp = 68;
constexpr int kIpWidth = 16;
constexpr int kPort = 84;
constexpr int kUrl = 88;
constexpr int kUrlWidth = 128;
constexpr int kPacketLength = 216;

} // namespace

TimPlateConfigWnd::TimPlateConfigWnd(QWidget *parent)
    : ParamPage(parent, Options {Refresh::OnRequest, false})
    , m_ui(new Ui::TimPlateConfigWnd)
    , m_portRule(NetChecks::digitsValidator(this))
{
    m_ui->setupUi(this);
    auto *mode = new QButtonGroup(this);
    mode->addButton(m_ui->IpRadioButton);
    mode->addButton(m_ui->domainRadioButton);
    m_ui->enable_box->setChecked(true);
    m_ui->IpRadioButton->setChecked(true);
    addErrorFrame(m_ui->ip_point_frame, m_ui->ip_point_text);
    addErrorFrame(m_ui->port_point_frame, m_ui->port_point_text);
    showAddressRow(true);
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &TimPlateConfigWnd::onSaveBtnClicked);
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &TimPlateConfigWnd::onSignalStateChanged);
    connect(m_ui->IpRadioButton, &QRadioButton::toggled, this, &TimPlateConfigWnd::onSignalIpRadioToggled);
    connect(m_ui->domainRadioButton, &QRadioButton::toggled, this, &TimPlateConfigWnd::onSignalDomainRadioToggled);
    connect(m_ui->port_edit, &QLineEdit::textChanged, this, &TimPlateConfigWnd::onSignalPortTextChanged);
    connectRecord(&MainManager::devTIMParamChanged, &TimPlateConfigWnd::onSiganlDevTIMParamChanged);
    connectResult(&MainManager::reqSetDevTIMParam, &TimPlateConfigWnd::onSignalSetTIMPlatePamRes);
}

TimPlateConfigWnd::~TimPlateConfigWnd() = default;

void TimPlateConfigWnd::requestParam()
{
    manager()->ReqDevTimPlateParam();
}

void TimPlateConfigWnd::showAddressRow(bool ipMode)
{
    m_ui->label_2->setVisible(ipMode);
    m_ui->IP_edit->setVisible(ipMode);
    m_ui->label_8->setVisible(!ipMode);
    m_ui->serverName_edit->setVisible(!ipMode);
}

void TimPlateConfigWnd::onSignalIpRadioToggled(bool checked)
{
    if (checked)
        showAddressRow(true);
}

void TimPlateConfigWnd::onSignalDomainRadioToggled(bool checked)
{
    if (checked)
        showAddressRow(false);
}

void TimPlateConfigWnd::onSignalPortTextChanged(const QString &)
{
    // From the first change of the text on, only digits can be typed.
    if (m_ui->port_edit->validator() != m_portRule)
        m_ui->port_edit->setValidator(m_portRule);
}

void TimPlateConfigWnd::onSignalStateChanged(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    const bool on = state == Qt::Checked;
    for (QWidget *control : std::initializer_list<QWidget *> {
                 m_ui->IpRadioButton, m_ui->domainRadioButton, m_ui->serverName_edit, m_ui->IP_edit, m_ui->port_edit,
                 m_ui->url_edit, m_ui->packlength, m_ui->comboBox})
        control->setEnabled(on);
    if (on)
        showAddressRow(m_ui->IpRadioButton->isChecked());
}

void TimPlateConfigWnd::onSiganlDevTIMParamChanged(TIM_PARAM_T *param)
{
    qDebug() << "onSiganlDevTIMParamChanged";
    if (!param)
        return;
    const RecordReader record(*param);
    const quint8 enable = record.u8(kEnable);
    m_ui->enable_box->setChecked(enable != 0);
    if (record.u8(kUseDomain) != 0)
        m_ui->domainRadioButton->setChecked(true);
    else
        m_ui->IpRadioButton->setChecked(true);
    const auto utf8 = KeptFields::Decoding::Utf8;
    kept().fillText(m_ui->IP_edit, *param, kIp, kIpWidth, utf8);
    m_ui->port_edit->setText(QString::number(record.i32(kPort)));
    kept().fillText(m_ui->serverName_edit, *param, kDomain, kDomainWidth, utf8);
    kept().fillText(m_ui->url_edit, *param, kUrl, kUrlWidth, utf8);
    m_ui->packlength->setValue(record.i32(kPacketLength));
    const int protocol = record.u8(kProtocol);
    m_ui->comboBox->setCurrentIndex(protocol < m_ui->comboBox->count() ? protocol : -1);
    kept().keepChoice(m_ui->comboBox, protocol);
    // Only a plain 1 opens the fields; the camera's 2 ticks the box and
    // leaves them closed until the operator ticks it again.
    onSignalStateChanged(enable == 1 ? Qt::Checked : Qt::Unchecked);
}

bool TimPlateConfigWnd::checkParam(const QString &ip, int port)
{
    hideErrorFrames();
    bool passed = showErrorUnless(!m_ui->IpRadioButton->isChecked() || NetChecks::isIpv4(ip), m_ui->ip_point_frame,
                                  NetChecks::ipMessage());
    passed &= showErrorUnless(NetChecks::isPortValue(port), m_ui->port_point_frame, NetChecks::portMessage());
    return passed;
}

void TimPlateConfigWnd::onSaveBtnClicked()
{
    const bool enable = m_ui->enable_box->isChecked();
    const bool useDomain = m_ui->domainRadioButton->isChecked();
    const QString ip = m_ui->IP_edit->text();
    const int port = NetChecks::portValue(m_ui->port_edit->text());
    // Checked whether the push is on or off.
    if (!checkParam(ip, port))
        return;
    beginSave();
    // Both the service name and the address go out, whichever is in use.
    const int protocol = kept().choice(m_ui->comboBox, m_ui->comboBox->currentIndex());
    if (!manager()->SetDevTimPlateParam(enable, protocol, useDomain, kept().text(m_ui->serverName_edit),
                                        kept().text(m_ui->IP_edit), port, kept().text(m_ui->url_edit),
                                        m_ui->packlength->value()))
        saveRefused();
}

void TimPlateConfigWnd::onSignalSetTIMPlatePamRes(int result)
{
    finishSave(result);
}
