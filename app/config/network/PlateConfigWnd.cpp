#include "PlateConfigWnd.h"
#include "ui_PlateConfigWnd.h"

#include "CommonFunc.h"
#include "DeviceCaps.h"
#include "Ipv4Text.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "PlatformTabs.h"
#include "RecordReader.h"

#include <QDebug>
#include <QValidator>

namespace {

// PLATFORM_PARA_T
constexpr int kEnable = 0;
constexpr int kSubStream = 1;
constexpr int kPicUpload = 2;
constexpr int kIp = 4;
constexpr int kPort = 8;
constexpr int kGpsInterval = 10;
constexpr int kDeviceId = 12;
constexpr int kDeviceIdWidth = 32;
// PLATFORM_DOMAIN_T
constexpr int kUseDomain = 0;
constexpr int kDomain = 4;
constexpr int kDomainWidth = 64;

constexpr int kGpsMin = 1;
constexpr int kGpsMax = 99;

bool domainOffered(const DeviceCaps &caps)
{
    if (caps.generation() == 1)
        return false;
    if (caps.isJson())
        return caps.ability(&DevJsonAbility::supportTarvioName) != 0;
    // Only generation 3 says so in a byte; generation 2 always offers it.
    return !(caps.generation() == 3 && caps.codeByte(CapByte::kTarvioDomain) == 0);
}

bool gpsUsed(const DeviceCaps &caps)
{
    return !caps.isJson() && caps.generation() == 3 && caps.codeByte(CapByte::kGpsInterval) == 1;
}

bool picUploadOffered(const DeviceCaps &caps)
{
    return caps.isJson() || (caps.isGeneration3() && caps.codeByte(CapByte::kPicUpload) != 0);
}

int decimal(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

PlateConfigWnd::PlateConfigWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::PlateConfigWnd)
    , m_generation(DeviceCaps::current().generation())
    , m_domainOffered(domainOffered(DeviceCaps::current()))
    , m_gpsUsed(gpsUsed(DeviceCaps::current()))
    , m_digitsFilter(NetChecks::digitsValidator(this))
    , m_idFilter(NetChecks::idValidator(this))
{
    const DeviceCaps caps = DeviceCaps::current();
    m_ui->setupUi(this);
    disableLineEditMenu(this);
    m_ui->enable_box->setChecked(true);
    addErrorFrame(m_ui->ip_point_frame, m_ui->ip_point_text);
    addErrorFrame(m_ui->domain_point_frame, m_ui->domain_point_text);
    addErrorFrame(m_ui->port_point_frame, m_ui->port_point_text);
    addErrorFrame(m_ui->id_point_frame, m_ui->id_point_text);
    addErrorFrame(m_ui->gpsInterval_frame, m_ui->gpsInterval_text);
    m_ui->label_6->setVisible(m_gpsUsed);
    m_ui->gpsInterval->setVisible(m_gpsUsed);
    if (!m_domainOffered) {
        for (QWidget *row : std::initializer_list<QWidget *> {m_ui->enable2_box, m_ui->domain_edit, m_ui->label_10,
                                                               m_ui->label_9})
            row->hide();
    }
    if (!picUploadOffered(caps)) {
        m_ui->label_12->hide();
        m_ui->pic_box->hide();
    }
    if (caps.isJson() && caps.ability(&DevJsonAbility::supportTarvioForceSubStream) == 0) {
        m_ui->sub_box->hide();
        m_ui->label_11->hide();
    }
    const QString hint = PlatformTabs::onePlatformHint(caps);
    if (!hint.isEmpty())
        m_ui->lblTips->setText(hint);

    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &PlateConfigWnd::onSignalStateChanged);
    connect(m_ui->enable2_box, &QCheckBox::stateChanged, this, &PlateConfigWnd::onSignalDomianStateChanged);
    connect(m_ui->port_edit, &QLineEdit::textChanged, this, &PlateConfigWnd::onSignalPortTextChanged);
    connect(m_ui->deviceID_edit, &QLineEdit::textChanged, this, &PlateConfigWnd::onSignaldeviceIDTextChanged);
    if (m_gpsUsed)
        connect(m_ui->gpsInterval, &QLineEdit::textChanged, this, &PlateConfigWnd::onSignalgpsIntervalTextChanged);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &PlateConfigWnd::onSaveBtnClicked);
    connectRecord(&MainManager::devPlateParamChanged, &PlateConfigWnd::onSiganlDevPlateParamChanged);
    connectRecord(&MainManager::devDomainParamChanged, &PlateConfigWnd::onSiganlDevDomainParamChanged);
    connectResult(&MainManager::reqSetDevPlateParam, &PlateConfigWnd::onSignalSetPlatePamRes);
    connectResult(&MainManager::reqSetDevDomainParam, &PlateConfigWnd::onSignalSetDomainPamRes);
}

PlateConfigWnd::~PlateConfigWnd() = default;

void PlateConfigWnd::requestParam()
{
    manager()->ReqDevPlateParam();
}

void PlateConfigWnd::onSiganlDevPlateParamChanged(PLATFORM_PARA_T *param)
{
    qDebug() << "onSiganlDevPlateParamChanged";
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->enable_box->setChecked(record.u8(kEnable) != 0);
    m_ui->sub_box->setChecked(record.u8(kSubStream) != 0);
    m_ui->pic_box->setChecked(record.u8(kPicUpload) != 0);
    m_ui->IP_edit->setText(Ipv4Text::fromWire(record.inetAddr(kIp)));
    m_ui->port_edit->setText(QString::number(record.u16(kPort)));
    m_ui->gpsInterval->setText(QString::number(record.u16(kGpsInterval)));
    kept().fillText(m_ui->deviceID_edit, *param, kDeviceId, kDeviceIdWidth, KeptFields::Decoding::Latin1);
    // Asked here, while the camera's reader waits for this fill, so the
    // domain record always follows the platform record. Generation 1 has none.
    if (m_generation >= 2)
        manager()->ReqDevDomainParam();
}

void PlateConfigWnd::onSiganlDevDomainParamChanged(PLATFORM_DOMAIN_T *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    // Whether the page is on screen does not matter: a reply that lands while
    // another tab is shown must not switch the camera back to the address on
    // the next save.
    if (record.u32(kUseDomain) != 0 && m_domainOffered) {
        qDebug() << "onSiganlDevDomainParamChanged true";
        m_ui->enable2_box->setChecked(true);
        m_ui->domain_edit->setEnabled(true);
        m_ui->IP_edit->setEnabled(false);
    } else {
        qDebug() << "onSiganlDevDomainParamChanged false";
        m_ui->enable2_box->setChecked(false);
        m_ui->domain_edit->setEnabled(false);
        m_ui->IP_edit->setEnabled(m_ui->enable_box->isChecked());
    }
    kept().fillText(m_ui->domain_edit, *param, kDomain, kDomainWidth, KeptFields::Decoding::Utf8);
}

void PlateConfigWnd::onSignalDomianStateChanged(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    const bool useDomain = state == Qt::Checked;
    m_ui->domain_edit->setEnabled(useDomain);
    m_ui->IP_edit->setEnabled(!useDomain);
}

void PlateConfigWnd::onSignalStateChanged(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    const bool enabled = state == Qt::Checked;
    const bool useDomain = m_domainOffered && m_ui->enable2_box->isChecked();
    m_ui->IP_edit->setEnabled(enabled && !useDomain);
    for (QWidget *field : std::initializer_list<QWidget *> {m_ui->port_edit, m_ui->deviceID_edit, m_ui->sub_box,
                                                             m_ui->pic_box, m_ui->enable2_box})
        field->setEnabled(enabled);
    if (m_gpsUsed)
        m_ui->gpsInterval->setEnabled(enabled);
    m_ui->domain_edit->setEnabled(enabled && m_ui->enable2_box->isChecked());
}

void PlateConfigWnd::installFilter(QLineEdit *edit, QValidator *filter)
{
    if (edit->validator() != filter)
        edit->setValidator(filter);
}

void PlateConfigWnd::onSignalPortTextChanged(const QString &)
{
    installFilter(m_ui->port_edit, m_digitsFilter);
}

void PlateConfigWnd::onSignaldeviceIDTextChanged(const QString &)
{
    installFilter(m_ui->deviceID_edit, m_idFilter);
}

void PlateConfigWnd::onSignalgpsIntervalTextChanged(const QString &)
{
    installFilter(m_ui->gpsInterval, m_digitsFilter);
}

bool PlateConfigWnd::checkParam(const QString &ip, const QString &domain, const QString &deviceId, int port,
                                int gpsInterval)
{
    hideErrorFrames();
    // The address is checked also while the domain is in use: the camera
    // keeps it for when the domain is switched off.
    bool passed = showErrorUnless(NetChecks::isIpv4(ip), m_ui->ip_point_frame, NetChecks::ipMessage());
    passed &= showErrorUnless(domain.isEmpty() || NetChecks::isDomain(domain), m_ui->domain_point_frame,
                              NetChecks::domainMessage());
    passed &= showErrorUnless(!NetChecks::isEmptyText(deviceId), m_ui->id_point_frame, NetChecks::emptyMessage());
    passed &= showErrorUnless(NetChecks::isPortValue(port), m_ui->port_point_frame, NetChecks::portMessage());
    passed &= showErrorUnless(!m_gpsUsed || (gpsInterval >= kGpsMin && gpsInterval <= kGpsMax),
                              m_ui->gpsInterval_frame, tr("GPS上传间隔的范围是1~99"));
    return passed;
}

void PlateConfigWnd::onSaveBtnClicked()
{
    const bool enable = m_ui->enable_box->isChecked();
    const bool subStream = m_ui->sub_box->isChecked();
    const bool picUpload = m_ui->pic_box->isChecked();
    const QString ip = m_ui->IP_edit->text();
    const QString domain = m_ui->domain_edit->text();
    const QString port = m_ui->port_edit->text();
    const int gpsInterval = decimal(m_ui->gpsInterval->text());
    if (!checkParam(ip, domain, m_ui->deviceID_edit->text(), decimal(port), gpsInterval))
        return;
    const QString deviceId = kept().text(m_ui->deviceID_edit);

    // A new save forgets what the last one still waited for.
    m_domainResultPending = false;
    m_domainResultHeld = false;
    const bool plateSent = m_gpsUsed
            ? manager()->SetDevPlateParamEx(enable, subStream, picUpload, ip, port, deviceId, gpsInterval)
            : manager()->SetDevPlateParam(enable, subStream, picUpload, ip, port, deviceId);
    m_plateResultPending = plateSent;
    m_plateFailed = !plateSent;
    if (!plateSent)
        showToast(tr("保存失败"));
    if (m_generation == 1)
        return;

    // The domain record goes out whatever became of the platform record.
    const bool useDomain = m_domainOffered && m_ui->enable2_box->isChecked();
    const bool domainSent = manager()->SetDevDomainParam(useDomain ? 1 : 0, kept().text(m_ui->domain_edit));
    m_domainResultPending = domainSent;
    if (!domainSent && useDomain)
        showToast(tr("保存失败"));
}

void PlateConfigWnd::onSignalSetPlatePamRes(int result)
{
    if (!m_plateResultPending)
        return;
    m_plateResultPending = false;
    if (result != 0)
        m_plateFailed = true;
    showToast(result == 0 ? tr("保存成功") : tr("保存失败"));
    if (m_domainResultHeld) {
        m_domainResultHeld = false;
        reportDomainResult(m_heldDomainResult);
    }
}

void PlateConfigWnd::onSignalSetDomainPamRes(int result)
{
    if (!m_domainResultPending)
        return;
    if (m_plateResultPending) {
        m_domainResultHeld = true;
        m_heldDomainResult = result;
        return;
    }
    reportDomainResult(result);
}

void PlateConfigWnd::reportDomainResult(int result)
{
    m_domainResultPending = false;
    showToast(result == 0 && !m_plateFailed ? tr("保存成功") : tr("保存失败"));
}
