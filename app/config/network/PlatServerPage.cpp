#include "PlatServerPage.h"
#include "ui_PlatServerPage.h"

#include "CommonFunc.h"
#include "NetChecks.h"

#include <QDebug>
#include <QValidator>
#include <QtEndian>

namespace {

// PLATFORM_1400_CFG_PARAM and PLATFORM_CUSTOM_CFG_PARAM.
constexpr int kEnable = 0;
constexpr int kServerIp = 4;
constexpr int kServerPort = 36;
constexpr int kUserName = 40;
constexpr int kPassword = 72;
constexpr int kTextWidth = 32;
constexpr int kRecordSize = 136;

} // namespace

PlatServerPage::PlatServerPage(QWidget *parent, QValidator *passwordRule)
    : ParamPage(parent)
    , m_ui(new Ui::PlatServerPage)
    , m_portRule(NetChecks::digitsValidator(this))
{
    m_ui->setupUi(this);
    m_ui->mqip_edit->setValidator(NetChecks::idValidator(this));
    passwordRule->setParent(this);
    m_ui->mqport_edit->setValidator(passwordRule);
    m_ui->enable_box->setChecked(true);
    addErrorFrame(m_ui->ip_point_frame1, m_ui->ip_point_text_1);
    addErrorFrame(m_ui->port_point_frame1, m_ui->port_point_text_1);
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &PlatServerPage::onSaveBtnClicked);
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &PlatServerPage::onSignalStateChanged);
    connect(m_ui->tdaport_edit, &QLineEdit::textChanged, this, &PlatServerPage::onSignalPortTextChanged);
}

PlatServerPage::~PlatServerPage() = default;

void PlatServerPage::onSignalPortTextChanged(const QString &)
{
    // From the first change of the text on, only digits can be typed.
    if (m_ui->tdaport_edit->validator() != m_portRule)
        m_ui->tdaport_edit->setValidator(m_portRule);
}

void PlatServerPage::onSignalStateChanged(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    for (QWidget *field : std::initializer_list<QWidget *> {m_ui->tdaport_edit, m_ui->mqport_edit, m_ui->tdaip_edit,
                                                             m_ui->mqip_edit})
        field->setEnabled(state == Qt::Checked);
}

void PlatServerPage::fill(const void *record, int size)
{
    qDebug() << "onSiganlFaceTdaParamChanged";
    if (!record || size < kRecordSize)
        return;
    const auto *bytes = static_cast<const uchar *>(record);
    m_ui->enable_box->setChecked(qFromLittleEndian<qint32>(bytes + kEnable) != 0);
    // The texts show byte for byte, each byte one character.
    const auto latin1 = KeptFields::Decoding::Latin1;
    kept().fillText(m_ui->tdaip_edit, record, size, kServerIp, kTextWidth, latin1);
    kept().fillText(m_ui->mqip_edit, record, size, kUserName, kTextWidth, latin1);
    kept().fillText(m_ui->mqport_edit, record, size, kPassword, kTextWidth, latin1);
    m_ui->tdaport_edit->setText(QString::number(qFromLittleEndian<quint16>(bytes + kServerPort)));
}

bool PlatServerPage::checkParam(const QString &address, int port)
{
    bool passed = showErrorUnless(NetChecks::isIpv4(address), m_ui->ip_point_frame1, NetChecks::ipMessage());
    passed &= showErrorUnless(NetChecks::isPortValue(port), m_ui->port_point_frame1, NetChecks::portMessage());
    return passed;
}

void PlatServerPage::onSaveBtnClicked()
{
    const bool enable = m_ui->enable_box->isChecked();
    const QString address = m_ui->tdaip_edit->text();
    const QString port = m_ui->tdaport_edit->text();
    hideErrorFrames();
    if (enable && !checkParam(address, NetChecks::portValue(port)))
        return;
    beginSave();
    if (!sendParam(enable, kept().text(m_ui->tdaip_edit), port, kept().text(m_ui->mqip_edit),
                   kept().text(m_ui->mqport_edit)))
        saveRefused();
}

void PlatServerPage::onSignalSetFaceTdaPamRes(int result)
{
    finishSave(result);
}
