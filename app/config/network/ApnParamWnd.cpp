#include "ApnParamWnd.h"
#include "ui_ApnParamWnd.h"

#include "CommonFunc.h"
#include "DeviceCaps.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "RecordReader.h"

#include "Mostrel.h"

#include <QDebug>
#include <QEvent>
#include <QRegExpValidator>

namespace {

// The password takes printable ASCII; the final "-" is a plain character.
const char kPasswordPattern[] = "[a-zA-Z0-9~!@#$%^&*()_+=;':,./<>?|{}-]+";

// The camera keeps each text in a 32-byte field with its NUL.
constexpr int kMaxTextBytes = 31;
constexpr int kMinMtu = 1;
constexpr int kMaxMtu = 65535;

// EACH_PPP_PARA_T
constexpr int kEnable = 0;
constexpr int kNetMode = 1;
constexpr int kApn = 4;
constexpr int kNumber = 36;
constexpr int kUser = 68;
constexpr int kPassword = 100;
constexpr int kMtu = 132;
constexpr int kAuth = 134;
constexpr int kTextWidth = 32;

// CCID_PARA_T
constexpr int kCcidWidth = 64;

// A value the device sent that no list item stands for goes back as this.
constexpr int kNoItem = 255;

// Carrier models dial a fixed number, need an APN and know a fourth
// authentication type; every other model lets the camera pick ("Auto").
bool isCarrierModel(quint32 modelType)
{
    return modelType == 3 || modelType == 5 || modelType == 100;
}

QStringList authItems(bool carrier)
{
    if (carrier)
        return {ApnParamWnd::tr("None"), ApnParamWnd::tr("CHAP"), ApnParamWnd::tr("PAP"),
                ApnParamWnd::tr("CHAP/PAP")};
    return {ApnParamWnd::tr("Auto"), ApnParamWnd::tr("CHAP"), ApnParamWnd::tr("PAP")};
}

// A combo index from the record; outside the list nothing is selected.
int itemIndex(const QComboBox *combo, int value)
{
    return value >= 0 && value < combo->count() ? value : -1;
}

int recordValue(const QComboBox *combo)
{
    return combo->currentIndex() < 0 ? kNoItem : combo->currentIndex();
}

} // namespace

ApnParamWnd::ApnParamWnd(QWidget *parent)
    : ParamPage(parent, Options {Refresh::OnRequest, false})
    , m_ui(new Ui::ApnParamWnd)
{
    m_ui->setupUi(this);
    m_ui->apn_dail_pwd_edit->setValidator(
            new QRegExpValidator(QRegExp(QString::fromLatin1(kPasswordPattern), Qt::CaseSensitive),
                                 m_ui->apn_dail_pwd_edit));
    m_ui->apn_dail_pwd_edit->setEchoMode(QLineEdit::Password);
    m_ui->apn_dail_mtu_edit->setValidator(NetChecks::digitsValidator(m_ui->apn_dail_mtu_edit));
    m_ui->apn_dail_mtu_edit->installEventFilter(this);

    addErrorFrame(m_ui->Apn_length_frame, m_ui->apn_length_out);
    addErrorFrame(m_ui->mtu_point_frame, m_ui->mtu_point_out);
    m_ui->label_tip->hide();

    const DeviceCaps caps = DeviceCaps::current();
    // Without 4G every dial-up row goes, on any generation; the card number,
    // the hint and the save button stay.
    const bool dial = caps.has(&DevJsonAbility::support4G, CapByte::kDial, DeviceCaps::Counts::OnAnyGeneration);
    if (!dial) {
        for (QWidget *row : std::initializer_list<QWidget *> {
                     m_ui->label_3, m_ui->label, m_ui->apn_enable, m_ui->label_16, m_ui->comboBox, m_ui->label_2,
                     m_ui->label_7, m_ui->apn_name_edit, m_ui->label_8, m_ui->apn_dail_number_edit,
                     m_ui->label_9, m_ui->apn_dail_user_edit, m_ui->label_10, m_ui->apn_dail_pwd_edit,
                     m_ui->label_11, m_ui->apn_dail_mtu_edit, m_ui->label_12, m_ui->apn_identityCheck_type})
            row->hide();
    }
    if (!caps.has(&DevJsonAbility::netSystem, CapByte::kNetMode)) {
        m_ui->label_16->hide();
        m_ui->comboBox->hide();
    }
    if (!caps.has(&DevJsonAbility::supportCCID, CapByte::kCcid)) {
        m_ui->label_5->hide();
        m_ui->label_CCID->hide();
    }
    // The hint only informs: neither this page nor the Wi-Fi page stops both
    // from being enabled.
    if (caps.value(&DevJsonAbility::wifiAndDialMutualExclusion, CapByte::kWifiDialExclusive) == 1)
        m_ui->label_tip->show();

    const bool carrier = isCarrierModel(caps.modelType());
    m_apnRequired = carrier;
    m_ui->apn_identityCheck_type->addItems(authItems(carrier));
    m_ui->apn_dail_number_edit->setEnabled(!carrier);

    disableLineEditMenu(this);

    connect(m_ui->apn_name_edit, &QLineEdit::textChanged, this, &ApnParamWnd::onSignalNameTextChanged);
    connect(m_ui->apn_dail_number_edit, &QLineEdit::textChanged, this, &ApnParamWnd::onSignalNumberTextChanged);
    connect(m_ui->apn_dail_user_edit, &QLineEdit::textChanged, this, &ApnParamWnd::onSignalUserTextChanged);
    connect(m_ui->apn_dail_pwd_edit, &QLineEdit::textChanged, this, &ApnParamWnd::onSignalPasswordTextChanged);
    connect(m_ui->apn_dail_mtu_edit, &QLineEdit::textChanged, this, &ApnParamWnd::onSignalMtuTextChanged);
    connect(m_ui->apn_dail_mtu_edit, &QLineEdit::editingFinished, this, &ApnParamWnd::onSignalMtuEditingFinished);
    connect(m_ui->apn_name_edit, &QLineEdit::editingFinished, this, &ApnParamWnd::onSignalApnEditingFinished);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &ApnParamWnd::onSignalSaveBtnClicked);
    connectRecord(&MainManager::devAPNParamChanged, &ApnParamWnd::onSiganlDevAPNParamChanged);
    connectRecord(&MainManager::devCCIDParamChanged, &ApnParamWnd::onSiganlDevCCIDParamChanged);
    connectResult(&MainManager::reqSetDevApnParam, &ApnParamWnd::onSetApnParamRes);
}

ApnParamWnd::~ApnParamWnd()
{
    // A field that has the focus when the page goes finishes its editing on
    // the way out, after this part of the page is gone: its checks must not
    // run then.
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->disconnect(this);
    m_ui->apn_dail_mtu_edit->removeEventFilter(this);
}

void ApnParamWnd::requestParam()
{
    manager()->ReqDevApnParam();
}

void ApnParamWnd::limitText(QLineEdit *edit, const QString &text)
{
    // Putting the shorter text back runs this again, and then it fits.
    if (!NetChecks::fitsLocalBytes(text, kMaxTextBytes))
        edit->setText(NetChecks::cutToLocalBytes(text, kMaxTextBytes));
}

void ApnParamWnd::onSignalNameTextChanged(const QString &str)
{
    limitText(m_ui->apn_name_edit, str);
}

void ApnParamWnd::onSignalNumberTextChanged(const QString &str)
{
    limitText(m_ui->apn_dail_number_edit, str);
}

void ApnParamWnd::onSignalUserTextChanged(const QString &str)
{
    limitText(m_ui->apn_dail_user_edit, str);
}

void ApnParamWnd::onSignalPasswordTextChanged(const QString &str)
{
    limitText(m_ui->apn_dail_pwd_edit, str);
}

void ApnParamWnd::onSignalMtuTextChanged(const QString &)
{
    m_ui->mtu_point_frame->hide();
}

void ApnParamWnd::onSignalMtuEditingFinished()
{
    checkMtu();
}

void ApnParamWnd::onSignalApnEditingFinished()
{
    checkApn();
}

bool ApnParamWnd::eventFilter(QObject *watched, QEvent *event)
{
    // The digits filter holds an empty MTU for unfinished, so leaving the
    // field then finishes no editing; the operator still gets the hint.
    if (watched == m_ui->apn_dail_mtu_edit && event->type() == QEvent::FocusOut
        && !m_ui->apn_dail_mtu_edit->hasAcceptableInput())
        checkMtu();
    return ParamPage::eventFilter(watched, event);
}

void ApnParamWnd::checkMtu()
{
    bool ok = false;
    int mtu = m_ui->apn_dail_mtu_edit->text().toInt(&ok, 10);
    if (!ok)
        mtu = 0;
    m_mtuValid = mtu >= kMinMtu && mtu <= kMaxMtu;
    if (m_mtuValid)
        m_ui->mtu_point_frame->hide();
    else
        showError(m_ui->mtu_point_frame, tr("MTU值的范围是1~65535"));
}

void ApnParamWnd::setApnValid(bool valid)
{
    m_apnValid = valid;
    if (valid)
        m_ui->Apn_length_frame->hide();
    else
        showError(m_ui->Apn_length_frame, tr("名称不能为空"));
}

void ApnParamWnd::checkApn()
{
    if (m_apnRequired)
        setApnValid(!m_ui->apn_name_edit->text().isEmpty());
}

void ApnParamWnd::onSignalSaveBtnClicked()
{
    MOSTREL_LOG("\n");
    if (!m_mtuValid || !m_apnValid || m_ui->apn_dail_mtu_edit->text().isEmpty()) {
        // Each failing field shows its hint. Fields a refresh has since
        // filled with good values pass now, and then the save goes on rather
        // than stopping without a word.
        checkMtu();
        checkApn();
        if (!m_mtuValid || !m_apnValid)
            return;
    }
    beginSave();
    if (!saveParam())
        saveRefused();
}

bool ApnParamWnd::saveParam()
{
    const bool enable = m_ui->apn_enable->isChecked();
    const int netMode = recordValue(m_ui->comboBox);
    const QString apn = m_ui->apn_name_edit->text();
    if (m_apnRequired) {
        setApnValid(!apn.isEmpty());
        if (!m_apnValid)
            return false;
    }
    return manager()->SetDevApnParam(enable, kept().choice(m_ui->comboBox, netMode), apn,
                                     m_ui->apn_dail_number_edit->text(), m_ui->apn_dail_user_edit->text(),
                                     m_ui->apn_dail_pwd_edit->text(), m_ui->apn_dail_mtu_edit->text(),
                                     kept().choice(m_ui->apn_identityCheck_type,
                                                   recordValue(m_ui->apn_identityCheck_type)));
}

bool ApnParamWnd::wantsCcid() const
{
    // Exactly 1: other values show the row but leave the number alone.
    const DeviceCaps caps = DeviceCaps::current();
    return caps.value(&DevJsonAbility::supportCCID, CapByte::kCcid) == 1;
}

void ApnParamWnd::onSiganlDevAPNParamChanged(EACH_PPP_PARA_T *param)
{
    qDebug() << "onSiganlDevAPNParamChanged";
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->apn_enable->setChecked(record.u8(kEnable) != 0);
    m_ui->comboBox->setCurrentIndex(itemIndex(m_ui->comboBox, record.u8(kNetMode)));
    kept().keepChoice(m_ui->comboBox, record.u8(kNetMode));
    const auto local = KeptFields::Decoding::Local;
    kept().fillText(m_ui->apn_name_edit, *param, kApn, kTextWidth, local);
    kept().fillText(m_ui->apn_dail_number_edit, *param, kNumber, kTextWidth, local);
    kept().fillText(m_ui->apn_dail_user_edit, *param, kUser, kTextWidth, local);
    kept().fillText(m_ui->apn_dail_pwd_edit, *param, kPassword, kTextWidth, KeptFields::Decoding::Utf8);
    m_ui->apn_dail_mtu_edit->setText(QString::number(record.u16(kMtu)));
    m_ui->apn_identityCheck_type->setCurrentIndex(itemIndex(m_ui->apn_identityCheck_type, record.u8(kAuth)));
    kept().keepChoice(m_ui->apn_identityCheck_type, record.u8(kAuth));
    if (wantsCcid())
        manager()->ReqDevCCIDParam();
}

void ApnParamWnd::onSiganlDevCCIDParamChanged(CCID_PARA_T *param)
{
    qDebug() << "onSiganlDevCCIDParamChanged";
    if (!param)
        return;
    m_ui->label_CCID->setText(RecordReader(*param).text(0, kCcidWidth, RecordReader::Encoding::Local));
}

void ApnParamWnd::onSetApnParamRes(int result)
{
    finishSave(result);
}
