#include "FaceTdaConfigWnd.h"
#include "ui_FaceTdaConfigWnd.h"

#include "CommonFunc.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "RecordReader.h"

#include <QDebug>

namespace {

// PLATFORM_FACE_CFG_PARAM
constexpr int kTdaAddress = 0;
constexpr int kMqAddress = 64;
constexpr int kStorageAddress = 128;
constexpr int kAddressWidth = 64;
constexpr int kTdaPort = 192;
constexpr int kMqPort = 194;
constexpr int kStoragePort = 196;
constexpr int kEnable = 198;
constexpr int kMqPush = 199;
constexpr int kUrlDecrypt = 200;
constexpr int kStorageReplace = 201;
constexpr int kHttps = 202;

void setAllEnabled(std::initializer_list<QWidget *> widgets, bool enabled)
{
    for (QWidget *widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace

FaceTdaConfigWnd::FaceTdaConfigWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::FaceTdaConfigWnd)
{
    m_ui->setupUi(this);
    // Checked before the slots are connected: the six inputs stay disabled
    // until the first reply sets the options.
    m_ui->enable_box->setChecked(true);
    addErrorFrame(m_ui->ip_point_frame1, m_ui->ip_point_text_1);
    addErrorFrame(m_ui->port_point_frame1, m_ui->port_point_text_1);
    addErrorFrame(m_ui->ip_point_frame2, m_ui->ip_point_text_2);
    addErrorFrame(m_ui->port_point_frame2, m_ui->port_point_text_2);
    addErrorFrame(m_ui->ip_point_frame3, m_ui->ip_point_text_3);
    addErrorFrame(m_ui->port_point_frame3, m_ui->port_point_text_3);
    disableLineEditMenu(this);

    for (QLineEdit *port : {m_ui->tdaport_edit, m_ui->mqport_edit, m_ui->storport_edit})
        connect(port, &QLineEdit::textChanged, this, &FaceTdaConfigWnd::onSignalPortTextChanged);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &FaceTdaConfigWnd::onSaveBtnClicked);
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &FaceTdaConfigWnd::onSignalStateChanged);
    connect(m_ui->checkBox_mq, &QCheckBox::stateChanged, this, &FaceTdaConfigWnd::onSignalMQStateChanged);
    connect(m_ui->checkBox_stor, &QCheckBox::stateChanged, this, &FaceTdaConfigWnd::onSignalStorStateChanged);
    connectRecord(&MainManager::devFaceTdaParamChanged, &FaceTdaConfigWnd::onSiganlFaceTdaParamChanged);
    connectResult(&MainManager::reqSetDevFaceTdaParam, &FaceTdaConfigWnd::onSignalSetFaceTdaPamRes);
}

FaceTdaConfigWnd::~FaceTdaConfigWnd() = default;

FaceTdaConfigWnd::Server FaceTdaConfigWnd::tda() const
{
    return {m_ui->tdaip_edit, m_ui->tdaport_edit, m_ui->ip_point_frame1, m_ui->port_point_frame1};
}

FaceTdaConfigWnd::Server FaceTdaConfigWnd::mq() const
{
    return {m_ui->mqip_edit, m_ui->mqport_edit, m_ui->ip_point_frame2, m_ui->port_point_frame2};
}

FaceTdaConfigWnd::Server FaceTdaConfigWnd::storage() const
{
    return {m_ui->storip_edit, m_ui->storport_edit, m_ui->ip_point_frame3, m_ui->port_point_frame3};
}

void FaceTdaConfigWnd::requestParam()
{
    manager()->ReqDevFaceTdaParam();
}

void FaceTdaConfigWnd::onSignalPortTextChanged(const QString &)
{
    // Until a port text first changes, any character may be typed.
    if (m_portValidator)
        return;
    m_portValidator = NetChecks::digitsValidator(this);
    for (QLineEdit *port : {m_ui->tdaport_edit, m_ui->mqport_edit, m_ui->storport_edit})
        port->setValidator(m_portValidator);
}

void FaceTdaConfigWnd::onSignalStateChanged(int state)
{
    if (state == Qt::Checked) {
        setAllEnabled({m_ui->checkBox_mq, m_ui->checkBox_url, m_ui->checkBox_stor, m_ui->checkBox_https}, true);
        if (m_ui->checkBox_mq->isChecked())
            setAllEnabled({m_ui->tdaip_edit, m_ui->tdaport_edit, m_ui->mqip_edit, m_ui->mqport_edit}, true);
        if (m_ui->checkBox_stor->isChecked())
            setAllEnabled({m_ui->storip_edit, m_ui->storport_edit}, true);
    } else if (state == Qt::Unchecked) {
        setAllEnabled({m_ui->checkBox_mq, m_ui->checkBox_url, m_ui->checkBox_stor, m_ui->checkBox_https,
                    m_ui->tdaip_edit, m_ui->tdaport_edit, m_ui->mqip_edit, m_ui->mqport_edit, m_ui->storip_edit,
                    m_ui->storport_edit},
                   false);
    }
}

void FaceTdaConfigWnd::onSignalMQStateChanged(int state)
{
    // The MQ push option governs the TDA service as well.
    if (state == Qt::Checked) {
        setAllEnabled({m_ui->tdaip_edit, m_ui->tdaport_edit, m_ui->mqip_edit, m_ui->mqport_edit}, true);
    } else if (state == Qt::Unchecked) {
        for (QLineEdit *edit : {m_ui->tdaip_edit, m_ui->tdaport_edit, m_ui->mqip_edit, m_ui->mqport_edit}) {
            edit->setEnabled(false);
            edit->clear();
        }
    }
}

void FaceTdaConfigWnd::onSignalStorStateChanged(int state)
{
    if (state == Qt::Checked) {
        setAllEnabled({m_ui->storip_edit, m_ui->storport_edit}, true);
    } else if (state == Qt::Unchecked) {
        for (QLineEdit *edit : {m_ui->storip_edit, m_ui->storport_edit}) {
            edit->setEnabled(false);
            edit->clear();
        }
    }
}

void FaceTdaConfigWnd::onSiganlFaceTdaParamChanged(PLATFORM_FACE_CFG_PARAM *param)
{
    qDebug() << "onSiganlFaceTdaParamChanged";
    if (!param)
        return;
    const RecordReader record(*param);
    // The options first, each running its slot; the texts after them, so an
    // input a slot has just cleared still shows the camera's value.
    m_ui->enable_box->setChecked(record.u8(kEnable) != 0);
    m_ui->checkBox_mq->setChecked(record.u8(kMqPush) != 0);
    m_ui->checkBox_url->setChecked(record.u8(kUrlDecrypt) != 0);
    m_ui->checkBox_stor->setChecked(record.u8(kStorageReplace) != 0);
    m_ui->checkBox_https->setChecked(record.u8(kHttps) != 0);
    // Up to the first NUL, never past the field; one byte per character.
    const auto latin1 = KeptFields::Decoding::Latin1;
    kept().fillText(m_ui->tdaip_edit, *param, kTdaAddress, kAddressWidth, latin1);
    kept().fillText(m_ui->mqip_edit, *param, kMqAddress, kAddressWidth, latin1);
    kept().fillText(m_ui->storip_edit, *param, kStorageAddress, kAddressWidth, latin1);
    m_ui->tdaport_edit->setText(QString::number(record.u16(kTdaPort)));
    m_ui->mqport_edit->setText(QString::number(record.u16(kMqPort)));
    m_ui->storport_edit->setText(QString::number(record.u16(kStoragePort)));
}

bool FaceTdaConfigWnd::checkServers(std::initializer_list<Server> servers)
{
    bool passed = true;
    for (const Server &server : servers)
        passed &= showErrorUnless(NetChecks::isIpv4(server.address->text()), server.addressFrame,
                                  NetChecks::ipMessage());
    for (const Server &server : servers)
        passed &= showErrorUnless(NetChecks::isPort(server.port->text()), server.portFrame, NetChecks::portMessage());
    return passed;
}

void FaceTdaConfigWnd::clearInvalid(const Server &server)
{
    if (!NetChecks::isIpv4(server.address->text()))
        server.address->clear();
    if (!NetChecks::isPort(server.port->text()))
        server.port->clear();
}

void FaceTdaConfigWnd::onSaveBtnClicked()
{
    const bool enable = m_ui->enable_box->isChecked();
    const bool mqPush = m_ui->checkBox_mq->isChecked();
    const bool storageReplace = m_ui->checkBox_stor->isChecked();
    hideErrorFrames();

    if (enable) {
        if (mqPush && !checkServers({tda(), mq()}))
            return;
        if (storageReplace && !checkServers({storage()}))
            return;
    } else {
        // Switched off, nothing is reported: what the camera could not use
        // goes out empty (an address) or as 0 (a port).
        for (const Server &server : {tda(), mq(), storage()})
            clearInvalid(server);
    }

    beginSave();
    if (!manager()->SetDevFaceTdaParam(enable, mqPush, m_ui->checkBox_url->isChecked(), storageReplace,
                                       m_ui->checkBox_https->isChecked(), kept().text(m_ui->tdaip_edit),
                                       m_ui->tdaport_edit->text(), kept().text(m_ui->mqip_edit),
                                       m_ui->mqport_edit->text(), kept().text(m_ui->storip_edit),
                                       m_ui->storport_edit->text()))
        saveRefused();
}

void FaceTdaConfigWnd::onSignalSetFaceTdaPamRes(int result)
{
    finishSave(result);
}
