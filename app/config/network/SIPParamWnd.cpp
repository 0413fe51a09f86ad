#include "SIPParamWnd.h"
#include "ui_SIPParamWnd.h"

#include "CommonFunc.h"
#include "DeviceCaps.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "PlatformTabs.h"
#include "RecordReader.h"
#include "RecordWriter.h"

#include "LocalText.h"
#include "Mostrel.h"

#include <QDebug>
#include <QRegExpValidator>

#include <cstring>

namespace {

// SIPUA_CONFIG_T; bytes not named here stay 0.
constexpr int kRegister = 0;
constexpr int kServerId = 4;
constexpr int kServerDomain = 36;
constexpr int kRegistrarIp = 100;
constexpr int kRegistrarPort = 132;
constexpr int kLocalIp = 134;
constexpr int kLocalPort = 166;
constexpr int kStreamIndex = 168;
constexpr int kTalkMode = 169;
constexpr int kUserName = 170;
constexpr int kPassword = 202;
constexpr int kExpires = 236;
constexpr int kHeartbeat = 241;
constexpr int kHeartbeatTimeouts = 242;
constexpr int kSignalTransport = 243;
constexpr int kDevId = 244;
constexpr int kVideoId = 276;
constexpr int kAlarmId = 308;
constexpr int kIdWidth = 32;
constexpr int kDomainWidth = 64;

// IDs and credentials: printable ASCII without blanks. "*-." is a range and so
// admits "+" and "," too.
const char kIdPattern[] = "[0-9a-zA-Z~!@#$%&*-.\\[\\]]+$";

// A field of the record as a C string for the log line: the whole field when
// the text fills it, nothing beyond it. The record holds UTF-8; the log takes
// local 8-bit text.
QByteArray logText(const SIPUA_CONFIG_T &record, int offset, int width)
{
    const char *field = reinterpret_cast<const char *>(record.bytes) + offset;
    return LocalText::encode(QString::fromUtf8(field, int(qstrnlen(field, uint(width)))));
}

// A combo box with no selection goes back as 255 (-1 as a byte).
quint8 itemByte(const QComboBox *box)
{
    return quint8(box->currentIndex());
}

} // namespace

SIPParamWnd::SIPParamWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::SIPParamWnd)
{
    m_ui->setupUi(this);
    m_ui->label_13->hide();
    m_ui->localip->hide();

    auto *idRule = new QRegExpValidator(QRegExp(QString::fromLatin1(kIdPattern)), this);
    for (QLineEdit *edit : {m_ui->serverID_edit, m_ui->serverDomain_edit, m_ui->username,
                            static_cast<QLineEdit *>(m_ui->password), m_ui->deviceid, m_ui->videochannel,
                            m_ui->alarmchannel})
        edit->setValidator(idRule);
    QValidator *digits = NetChecks::digitsValidator(this);
    m_ui->registerport_edit->setValidator(digits);
    m_ui->localport->setValidator(digits);
    QValidator *address = NetChecks::ipv4Validator(this);
    m_ui->registerserver_edit->setValidator(address);
    m_ui->localip->setValidator(address);

    addErrorFrame(m_ui->serverid_point_frame, m_ui->serverid_point_text);
    addErrorFrame(m_ui->serverdomain_point_frame, m_ui->serverdomain_point_text);
    addErrorFrame(m_ui->serverip_point_frame, m_ui->serverip_point_text);
    addErrorFrame(m_ui->port_point_frame1, m_ui->port_point_text_1);
    addErrorFrame(m_ui->localip_point_frame, m_ui->localip_point_text);
    addErrorFrame(m_ui->port_point_frame2, m_ui->port_point_text_2);
    addErrorFrame(m_ui->username_point_frame, m_ui->username_point_text);
    addErrorFrame(m_ui->key_point_frame, m_ui->key_point_text);
    addErrorFrame(m_ui->devid_point_frame, m_ui->devid_point_text);
    addErrorFrame(m_ui->vedioid_point_frame, m_ui->vedioid_point_text);
    addErrorFrame(m_ui->clarmid_point_frame, m_ui->clarm_point_text);
    m_ui->localip->setEnabled(false);
    // A hint only: nothing stops the operator from enabling two platforms.
    const QString hint = PlatformTabs::onePlatformHint();
    if (!hint.isEmpty())
        m_ui->lblTips->setText(hint);
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &SIPParamWnd::onSaveBtnClicked);
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &SIPParamWnd::onSignalStateChanged);
    connect(m_ui->heartbeat, qOverload<int>(&QSpinBox::valueChanged), this,
            &SIPParamWnd::onSignalheartbeatChanged);
    connect(m_ui->heartbeatSlider, &QSlider::valueChanged, this, &SIPParamWnd::onSignalheartbeatSliderChanged);
    connect(m_ui->maxheartrate, qOverload<int>(&QSpinBox::valueChanged), this,
            &SIPParamWnd::onSignalmaxheartrateChanged);
    connect(m_ui->maxheartrateSlider, &QSlider::valueChanged, this,
            &SIPParamWnd::onSignalmaxheartrateSliderChanged);
    connectRecord(&MainManager::devSIPParamChanged, &SIPParamWnd::onSignalSIPParamChanged);
    connectResult(&MainManager::reqSetDevSIPParam, &SIPParamWnd::onReqSetSIPParamRes);
}

SIPParamWnd::~SIPParamWnd() = default;

void SIPParamWnd::requestParam()
{
    // The stream row is the camera's to offer, and only a plain 1 offers it.
    const DeviceCaps caps = DeviceCaps::current();
    const bool streamRow = caps.isJson() ? caps.ability(&DevJsonAbility::gbStreamIdx) == 1
                                         : caps.codeByte(CapByte::kGbStreamIdx) == 1;
    m_ui->label_2->setVisible(streamRow);
    m_ui->comboBox->setVisible(streamRow);
    manager()->ReqDevSIPParamRes();
}

void SIPParamWnd::setControlsEnabled(bool on)
{
    for (QWidget *control : std::initializer_list<QWidget *> {
                 m_ui->serverID_edit, m_ui->serverDomain_edit, m_ui->registerserver_edit, m_ui->registerport_edit,
                 m_ui->localport, m_ui->username, m_ui->password, m_ui->validtime, m_ui->heartbeat,
                 m_ui->maxheartrate, m_ui->heartbeatSlider, m_ui->maxheartrateSlider, m_ui->deviceid,
                 m_ui->videochannel, m_ui->alarmchannel, m_ui->comboBox, m_ui->comboBox_2, m_ui->comboBox_3})
        control->setEnabled(on);
    m_ui->localip->setEnabled(false);
}

void SIPParamWnd::onSignalStateChanged(int state)
{
    if (state == Qt::Checked)
        setControlsEnabled(true);
    else if (state == Qt::Unchecked)
        setControlsEnabled(false);
}

void SIPParamWnd::onSignalheartbeatChanged(int value)
{
    m_ui->heartbeatSlider->setValue(value);
}

void SIPParamWnd::onSignalheartbeatSliderChanged(int value)
{
    m_ui->heartbeat->setValue(value);
}

void SIPParamWnd::onSignalmaxheartrateChanged(int value)
{
    m_ui->maxheartrateSlider->setValue(value);
}

void SIPParamWnd::onSignalmaxheartrateSliderChanged(int value)
{
    m_ui->maxheartrate->setValue(value);
}

void SIPParamWnd::onSignalSIPParamChanged(SIPUA_CONFIG_T *param)
{
    qDebug() << "onSignalSIPParamChanged";
    if (!param)
        return;
    const RecordReader record(*param);
    kept().fillText(m_ui->deviceid, *param, kDevId, kIdWidth, KeptFields::Decoding::Utf8);
    kept().fillText(m_ui->videochannel, *param, kVideoId, kIdWidth, KeptFields::Decoding::Utf8);
    kept().fillText(m_ui->alarmchannel, *param, kAlarmId, kIdWidth, KeptFields::Decoding::Utf8);
    // Stream 1 is the first item; 0 or a number past the list selects nothing.
    const int stream = record.u8(kStreamIndex) - 1;
    m_ui->comboBox->setCurrentIndex(stream < m_ui->comboBox->count() ? stream : -1);
    kept().keepChoice(m_ui->comboBox, record.u8(kStreamIndex));
    const int talk = record.u8(kTalkMode);
    m_ui->comboBox_2->setCurrentIndex(talk < m_ui->comboBox_2->count() ? talk : -1);
    kept().keepChoice(m_ui->comboBox_2, talk);
    const bool registering = record.i32(kRegister) != 0;
    m_ui->enable_box->setChecked(registering);
    // Also when the box did not change: a cleared box greys the fields out.
    setControlsEnabled(registering);
    kept().fillText(m_ui->serverID_edit, *param, kServerId, kIdWidth, KeptFields::Decoding::Utf8);
    kept().fillText(m_ui->serverDomain_edit, *param, kServerDomain, kDomainWidth, KeptFields::Decoding::Utf8);
    kept().fillText(m_ui->registerserver_edit, *param, kRegistrarIp, kIdWidth, KeptFields::Decoding::Utf8);
    m_ui->registerport_edit->setText(QString::number(record.u16(kRegistrarPort)));
    kept().fillText(m_ui->localip, *param, kLocalIp, kIdWidth, KeptFields::Decoding::Utf8);
    m_ui->localport->setText(QString::number(record.u16(kLocalPort)));
    kept().fillText(m_ui->username, *param, kUserName, kIdWidth, KeptFields::Decoding::Utf8);
    kept().fillText(m_ui->password, *param, kPassword, kIdWidth, KeptFields::Decoding::Utf8);
    m_ui->validtime->setValue(record.i32(kExpires));
    m_ui->heartbeat->setValue(record.u8(kHeartbeat));
    m_ui->maxheartrate->setValue(record.u8(kHeartbeatTimeouts));
    const int transport = record.u8(kSignalTransport);
    m_ui->comboBox_3->setCurrentIndex(transport < m_ui->comboBox_3->count() ? transport : -1);
    kept().keepChoice(m_ui->comboBox_3, transport);
}

bool SIPParamWnd::checkParam(const QString &serverId, const QString &serverDomain, const QString &userName,
                             const QString &password, const QString &deviceId, const QString &videoId,
                             const QString &alarmId)
{
    const struct
    {
        const QString &text;
        QWidget *frame;
    } required[] = {
            {serverId, m_ui->serverid_point_frame}, {serverDomain, m_ui->serverdomain_point_frame},
            {userName, m_ui->username_point_frame}, {deviceId, m_ui->devid_point_frame},
            {password, m_ui->key_point_frame},      {videoId, m_ui->vedioid_point_frame},
            {alarmId, m_ui->clarmid_point_frame},
    };
    bool passed = true;
    for (const auto &field : required)
        passed &= showErrorUnless(!NetChecks::isEmptyText(field.text), field.frame, NetChecks::emptyMessage());
    passed &= showErrorUnless(NetChecks::isIpv4(m_ui->registerserver_edit->text()), m_ui->serverip_point_frame,
                              NetChecks::ipMessage());
    return passed;
}

SIPUA_CONFIG_T SIPParamWnd::buildRecord() const
{
    SIPUA_CONFIG_T param;
    std::memset(&param, 0, sizeof param);
    RecordWriter record(&param, int(sizeof param));
    const auto put = [&record](int offset, int width, const QString &value) {
        record.text(offset, width, value, RecordWriter::Encoding::Utf8, RecordWriter::Width::Full);
    };
    record.i32(kRegister, m_ui->enable_box->isChecked() ? 1 : 0);
    put(kServerId, kIdWidth, kept().text(m_ui->serverID_edit));
    put(kServerDomain, kDomainWidth, kept().text(m_ui->serverDomain_edit));
    put(kRegistrarIp, kIdWidth, kept().text(m_ui->registerserver_edit));
    record.u16(kRegistrarPort, m_ui->registerport_edit->text().toUShort());
    put(kLocalIp, kIdWidth, kept().text(m_ui->localip));
    record.u16(kLocalPort, m_ui->localport->text().toUShort());
    record.u8(kStreamIndex, quint8(kept().choice(m_ui->comboBox, m_ui->comboBox->currentIndex() + 1)));
    record.u8(kTalkMode, quint8(kept().choice(m_ui->comboBox_2, itemByte(m_ui->comboBox_2))));
    put(kUserName, kIdWidth, kept().text(m_ui->username));
    put(kPassword, kIdWidth, kept().text(m_ui->password));
    record.i32(kExpires, m_ui->validtime->value());
    record.u8(kHeartbeat, quint8(m_ui->heartbeat->value()));
    record.u8(kHeartbeatTimeouts, quint8(m_ui->maxheartrate->value()));
    record.u8(kSignalTransport, quint8(kept().choice(m_ui->comboBox_3, itemByte(m_ui->comboBox_3))));
    put(kDevId, kIdWidth, kept().text(m_ui->deviceid));
    put(kVideoId, kIdWidth, kept().text(m_ui->videochannel));
    put(kAlarmId, kIdWidth, kept().text(m_ui->alarmchannel));
    return param;
}

void SIPParamWnd::onSaveBtnClicked()
{
    hideErrorFrames();
    if (!checkParam(m_ui->serverID_edit->text(), m_ui->serverDomain_edit->text(), m_ui->username->text(),
                    m_ui->password->text(), m_ui->deviceid->text(), m_ui->videochannel->text(),
                    m_ui->alarmchannel->text()))
        return;
    // Out of range, empty or not a number reads as 0 and fails; "00080" is 80.
    if (m_ui->registerport_edit->text().toUShort() == 0) {
        showError(m_ui->port_point_frame1, NetChecks::portMessage());
        return;
    }
    // The local IP is the camera's own and is not checked.
    if (m_ui->localport->text().toUShort() == 0) {
        showError(m_ui->port_point_frame2, NetChecks::portMessage());
        return;
    }

    SIPUA_CONFIG_T param = buildRecord();
    const RecordReader record(param);
    // The password stays out of the log.
    MOSTREL_LOG("SIPUA_CONFIG_T  dev_id = %s,video_id = %s,alarm_id = %s,b_register = %d,server_id = %s,"
                "server_domain = %s,registrar_ip=%s;registrar_port = %d,szlocalip = %s,szlocalport = %d,\n",
                logText(param, kDevId, kIdWidth).constData(), logText(param, kVideoId, kIdWidth).constData(),
                logText(param, kAlarmId, kIdWidth).constData(), int(record.i32(kRegister)),
                logText(param, kServerId, kIdWidth).constData(),
                logText(param, kServerDomain, kDomainWidth).constData(),
                logText(param, kRegistrarIp, kIdWidth).constData(), int(record.u16(kRegistrarPort)),
                logText(param, kLocalIp, kIdWidth).constData(), int(record.u16(kLocalPort)));

    beginSave();
    if (!manager()->SetDevSIPParam(&param))
        saveRefused();
}

void SIPParamWnd::onReqSetSIPParamRes(int result)
{
    finishSave(result);
}
