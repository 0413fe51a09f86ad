#include "TarvioConfigWnd.h"
#include "ui_TarvioConfigWnd.h"

#include "CommonFunc.h"
#include "DeviceCaps.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "RecordReader.h"

#include <QDebug>
#include <QValidator>

namespace {

// PLATFROM_TARVIO50_PARAM
constexpr int kEnable = 0;
constexpr int kSubStream = 1;
constexpr int kIp = 4;
constexpr int kIpWidth = 256;
constexpr int kPort = 260;
constexpr int kId = 264;
constexpr int kIdWidth = 256;
constexpr int kName = 520;
constexpr int kNameWidth = 64;
constexpr int kKey = 584;
constexpr int kKeyWidth = 32;

} // namespace

TarvioConfigWnd::TarvioConfigWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::TarvioConfigWnd)
{
    m_ui->setupUi(this);
    disableLineEditMenu(this);
    m_ui->enable_box->setChecked(true);
    addErrorFrame(m_ui->ip_point_frame1, m_ui->ip_point_text_1);
    addErrorFrame(m_ui->port_point_frame1, m_ui->port_point_text_1);
    addErrorFrame(m_ui->id_point_frame1, m_ui->id_point_text_1);
    addErrorFrame(m_ui->name_point_frame1, m_ui->name_point_text_1);
    addErrorFrame(m_ui->key_point_frame, m_ui->key_point_text);
    m_ui->id_edit->setValidator(NetChecks::idValidator(this));
    m_ui->key_edit->setValidator(NetChecks::keyValidator(this));
    // Hidden, the switch still goes out as the last fill left it.
    const DeviceCaps caps = DeviceCaps::current();
    if (caps.isJson() && caps.ability(&DevJsonAbility::supportQuensaForceSubStream) == 0) {
        m_ui->sub_box->hide();
        m_ui->label->hide();
    }

    connect(m_ui->port_edit, &QLineEdit::textChanged, this, &TarvioConfigWnd::onSignalPortTextChanged);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &TarvioConfigWnd::onSaveBtnClicked);
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &TarvioConfigWnd::onSignalStateChanged);
    connectRecord(&MainManager::devTarvioParamChanged, &TarvioConfigWnd::onSiganlTarvioParamChanged);
    connectResult(&MainManager::reqSetDevTarvioParam, &TarvioConfigWnd::onSignalSetTarvioPamRes);
}

TarvioConfigWnd::~TarvioConfigWnd() = default;

void TarvioConfigWnd::requestParam()
{
    manager()->ReqDevTarvioParam();
}

void TarvioConfigWnd::onSignalPortTextChanged(const QString &)
{
    if (!m_ui->port_edit->validator())
        m_ui->port_edit->setValidator(NetChecks::digitsValidator(m_ui->port_edit));
}

void TarvioConfigWnd::onSignalStateChanged(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    const bool enabled = state == Qt::Checked;
    for (QWidget *field : std::initializer_list<QWidget *> {m_ui->ip_edit, m_ui->sub_box, m_ui->port_edit,
                                                             m_ui->id_edit, m_ui->name_edit, m_ui->key_edit})
        field->setEnabled(enabled);
}

void TarvioConfigWnd::onSiganlTarvioParamChanged(PLATFROM_TARVIO50_PARAM *param)
{
    qDebug() << "onSiganlTarvioParamChanged";
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->enable_box->setChecked(record.u8(kEnable) != 0);
    m_ui->sub_box->setChecked(record.u8(kSubStream) != 0);
    const auto latin1 = KeptFields::Decoding::Latin1;
    kept().fillText(m_ui->ip_edit, *param, kIp, kIpWidth, latin1);
    m_ui->port_edit->setText(QString::number(record.u16(kPort)));
    kept().fillText(m_ui->id_edit, *param, kId, kIdWidth, latin1);
    kept().fillText(m_ui->name_edit, *param, kName, kNameWidth, KeptFields::Decoding::Local);
    kept().fillText(m_ui->key_edit, *param, kKey, kKeyWidth, latin1);
}

bool TarvioConfigWnd::checkParam(const QString &ip, int port, const QString &deviceId, const QString &deviceName,
                                 const QString &key)
{
    bool passed = showErrorUnless(NetChecks::isIpv4(ip), m_ui->ip_point_frame1, NetChecks::ipMessage());
    passed &= showErrorUnless(NetChecks::isPortValue(port), m_ui->port_point_frame1, NetChecks::portMessage());
    // A text too long and an empty one cannot both be.
    for (const auto &name : {std::make_pair(deviceId, m_ui->id_point_frame1),
                             std::make_pair(deviceName, m_ui->name_point_frame1)}) {
        passed &= showErrorUnless(NetChecks::fitsNameBytes(name.first), name.second, NetChecks::nameLengthMessage());
        passed &= showErrorUnless(!NetChecks::isEmptyText(name.first), name.second, NetChecks::emptyMessage());
    }
    passed &= showErrorUnless(!NetChecks::isEmptyText(key), m_ui->key_point_frame, NetChecks::emptyMessage());
    return passed;
}

void TarvioConfigWnd::onSaveBtnClicked()
{
    const bool enable = m_ui->enable_box->isChecked();
    const bool subStream = m_ui->sub_box->isChecked();
    const QString ip = m_ui->ip_edit->text();
    const QString port = m_ui->port_edit->text();
    const QString deviceId = m_ui->id_edit->text();
    const QString deviceName = m_ui->name_edit->text();
    const QString key = m_ui->key_edit->text();
    hideErrorFrames();
    // A platform switched off must still carry valid settings.
    if (!checkParam(ip, NetChecks::portValue(port), deviceId, deviceName, key))
        return;
    beginSave();
    if (!manager()->SetDevTarvioParam(enable ? 1 : 0, subStream ? 1 : 0, kept().text(m_ui->ip_edit), port,
                                      kept().text(m_ui->id_edit), kept().text(m_ui->name_edit),
                                      kept().text(m_ui->key_edit)))
        saveRefused();
}

void TarvioConfigWnd::onSignalSetTarvioPamRes(int result)
{
    finishSave(result);
}
