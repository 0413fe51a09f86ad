#include "FtpConfigWnd.h"
#include "ui_FtpConfigWnd.h"

#include "CommonFunc.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "RecordReader.h"

#include <QDebug>
#include <QValidator>

namespace {

// FTP_CFG_PARAM; the four upload switches do not lie in the order of their rows.
constexpr int kEnable = 0;
constexpr int kIp = 4;
constexpr int kPort = 36;
constexpr int kDelete = 38;
constexpr int kPictures = 39;
constexpr int kUser = 40;
constexpr int kPassword = 72;
constexpr int kVideo = 104;
constexpr int kRecordings = 105;
constexpr int kTextWidth = 32;

} // namespace

FtpConfigWnd::FtpConfigWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::FtpConfigWnd)
{
    m_ui->setupUi(this);
    disableLineEditMenu(this);
    m_ui->mqip_edit->setValidator(NetChecks::idValidator(this));
    m_ui->mqport_edit->setValidator(NetChecks::keyValidator(this));
    m_ui->enable_box->setChecked(true);
    addErrorFrame(m_ui->ip_point_frame1, m_ui->ip_point_text_1);
    addErrorFrame(m_ui->port_point_frame1, m_ui->port_point_text_1);

    connect(m_ui->tdaport_edit, &QLineEdit::textChanged, this, &FtpConfigWnd::onSignalPortTextChanged);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &FtpConfigWnd::onSaveBtnClicked);
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &FtpConfigWnd::onSignalStateChanged);
    connectRecord(&MainManager::devFtpParamChanged, &FtpConfigWnd::onSiganlFaceTdaParamChanged);
    connectResult(&MainManager::reqSetDevFtpParam, &FtpConfigWnd::onSignalSetFaceTdaPamRes);
}

FtpConfigWnd::~FtpConfigWnd() = default;

void FtpConfigWnd::requestParam()
{
    manager()->ReqDevFtpParam();
}

void FtpConfigWnd::onSignalPortTextChanged(const QString &)
{
    if (!m_ui->tdaport_edit->validator())
        m_ui->tdaport_edit->setValidator(NetChecks::digitsValidator(m_ui->tdaport_edit));
}

void FtpConfigWnd::onSignalStateChanged(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    const bool enabled = state == Qt::Checked;
    for (QWidget *field : std::initializer_list<QWidget *> {m_ui->tdaport_edit, m_ui->mqport_edit, m_ui->tdaip_edit,
                                                             m_ui->mqip_edit, m_ui->del_box, m_ui->audio_box,
                                                             m_ui->pic_box, m_ui->vedio_box})
        field->setEnabled(enabled);
}

void FtpConfigWnd::onSiganlFaceTdaParamChanged(FTP_CFG_PARAM *param)
{
    qDebug() << "onSiganlFaceTdaParamChanged";
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->enable_box->setChecked(record.u32(kEnable) != 0);
    m_ui->del_box->setChecked(record.u8(kDelete) != 0);
    m_ui->audio_box->setChecked(record.u8(kRecordings) != 0);
    m_ui->pic_box->setChecked(record.u8(kPictures) != 0);
    m_ui->vedio_box->setChecked(record.u8(kVideo) != 0);
    const auto latin1 = KeptFields::Decoding::Latin1;
    kept().fillText(m_ui->tdaip_edit, *param, kIp, kTextWidth, latin1);
    kept().fillText(m_ui->mqip_edit, *param, kUser, kTextWidth, latin1);
    kept().fillText(m_ui->mqport_edit, *param, kPassword, kTextWidth, latin1);
    m_ui->tdaport_edit->setText(QString::number(record.u16(kPort)));
}

bool FtpConfigWnd::checkParam(const QString &ip, int port)
{
    bool passed = showErrorUnless(NetChecks::isIpv4(ip), m_ui->ip_point_frame1, NetChecks::ipMessage());
    passed &= showErrorUnless(NetChecks::isPortValue(port), m_ui->port_point_frame1, NetChecks::portMessage());
    return passed;
}

void FtpConfigWnd::onSaveBtnClicked()
{
    const bool enable = m_ui->enable_box->isChecked();
    const QString ip = m_ui->tdaip_edit->text();
    const QString port = m_ui->tdaport_edit->text();
    hideErrorFrames();
    // Switched off, the fields go out as they stand (a port that is not a
    // number as 0): the camera does not use them.
    if (enable && !checkParam(ip, NetChecks::portValue(port)))
        return;
    beginSave();
    if (!manager()->SetDevFtpParam(enable, m_ui->del_box->isChecked(), m_ui->audio_box->isChecked(),
                                   m_ui->pic_box->isChecked(), m_ui->vedio_box->isChecked(), kept().text(m_ui->tdaip_edit), port,
                                   kept().text(m_ui->mqip_edit), kept().text(m_ui->mqport_edit)))
        saveRefused();
}

void FtpConfigWnd::onSignalSetFaceTdaPamRes(int result)
{
    finishSave(result);
}
