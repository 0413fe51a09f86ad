#include "WifiParamWnd.h"
#include "ui_WifiParamWnd.h"

#include "CommonFunc.h"
#include "DeviceCaps.h"
#include "MainManager.h"
#include "RecordReader.h"
#include "RecordWriter.h"

#include "Mostrel.h"

#include <QRegExpValidator>

namespace {

// The keys and the hotspot SSID take printable ASCII only; "+-=" is a range
// and so admits , - . / : ; < = as well.
const char kKeyPattern[] = "[a-zA-Z0-9~!@#$%^&*()_+-=;':,./<>?|{}]+";

constexpr int kMinKeyLength = 8;
constexpr int kMaxSsidLength = 31;
constexpr int kWepAscKeyLength = 30;
constexpr int kKeyLength = 63;
constexpr int kMaxHexBytes = 32;

// WIFI_PARA_T_V1_0
constexpr int kV1Enable = 0;
constexpr int kV1WebAsc = 3;
constexpr int kV1Ssid = 4;
constexpr int kV1Key = 36;
// WIFI_PARA_V2_T
constexpr int kV2Enable = 0;
constexpr int kV2Mode = 1; // 1 client, 0 hotspot
constexpr int kV2CustomSsid = 2;
constexpr int kV2ApSsid = 4;
constexpr int kV2ApKey = 36;
constexpr int kV2Ssid = 100;
constexpr int kV2Key = 132;
constexpr int kSsidWidth = 32;
constexpr int kKeyWidth = 64;

bool isShortKey(const QString &key)
{
    return !key.isEmpty() && key.size() < kMinKeyLength;
}

int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'z')
        return 10 + u - 'a';
    if (u >= 'A' && u <= 'Z')
        return 10 + u - 'A';
    return -1;
}

} // namespace

QString hexEncode(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toHex().toUpper());
}

QString hexDecode(const QString &hex)
{
    if (hex.size() % 2 != 0)
        return QString();
    QByteArray bytes;
    for (int at = 0; at + 1 < hex.size(); at += 2) {
        const int high = hexValue(hex.at(at));
        const int low = hexValue(hex.at(at + 1));
        if (high < 0 || low < 0)
            return QString();
        bytes.append(char((high * 16 + low) & 0xFF));
    }
    bytes.truncate(kMaxHexBytes);
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return QString::fromUtf8(bytes);
}

WifiParamWnd::WifiParamWnd(QWidget *parent)
    : ParamPage(parent, Options {Refresh::OnRequest, false})
    , m_ui(new Ui::WifiParamWnd)
{
    m_ui->setupUi(this);
    disableLineEditMenu(this);

    const QRegExp pattern(QString::fromLatin1(kKeyPattern), Qt::CaseSensitive);
    for (QLineEdit *edit : {static_cast<QLineEdit *>(m_ui->wifi_secertKey_edit), m_ui->AP_ssid_edit,
                            static_cast<QLineEdit *>(m_ui->AP_secertKey_edit)})
        edit->setValidator(new QRegExpValidator(pattern, edit));

    addErrorFrame(m_ui->wifi_enable_frame, m_ui->wifi_enable_out);
    addErrorFrame(m_ui->wifikey_length_frame, m_ui->wifikey_length_out);
    addErrorFrame(m_ui->ap_enable_frame, m_ui->ap_enable_out);
    addErrorFrame(m_ui->apID_length_frame, m_ui->apid_length_out);
    addErrorFrame(m_ui->key_length_frame, m_ui->key_length_out);
    keepRoomWhenHidden({m_ui->wifi_enable_frame, m_ui->wifikey_length_frame, m_ui->ap_enable_frame,
                        m_ui->apID_length_frame, m_ui->key_length_frame});
    m_ui->label_tip->hide();

    const DeviceCaps caps = DeviceCaps::current();
    m_generation = caps.generation();
    if (m_generation == 2) {
        m_ui->label_3->hide();
        m_ui->webAsc_enable->hide();
    }
    if (caps.modelType() == 1 || m_generation <= 2)
        setHotspotRowsVisible(false);
    if (m_generation == 3) {
        m_ui->label_3->hide();
        m_ui->webAsc_enable->hide();
        if (!caps.has(&DevJsonAbility::supportWifi, CapByte::kWifi)) {
            for (QWidget *row : std::initializer_list<QWidget *> {m_ui->label, m_ui->label_2,
                                 m_ui->wifi_enable, m_ui->label_5,
                                 m_ui->wifi_ssid_edit, m_ui->label_6,
                                 m_ui->wifi_secertKey_edit})
                row->hide();
            keepRoomWhenHidden({m_ui->wifi_enable_frame, m_ui->wifikey_length_frame}, false);
            setHotspotRowsVisible(false);
        }
        if (!caps.has(&DevJsonAbility::supportAp, CapByte::kAp) || caps.modelType() == 1)
            setHotspotRowsVisible(false);
        // The hint only informs: neither this page nor the dial-up page
        // stops both from being enabled.
        if (caps.value(&DevJsonAbility::wifiAndDialMutualExclusion, CapByte::kWifiDialExclusive) == 1)
            m_ui->label_tip->show();
    }

    connect(m_ui->wifi_enable, &QCheckBox::stateChanged, this, &WifiParamWnd::onSignalWifiStateChanged);
    connect(m_ui->webAsc_enable, &QCheckBox::stateChanged, this, &WifiParamWnd::onSignalWebAscStateChanged);
    connect(m_ui->ap_enable, &QCheckBox::stateChanged, this, &WifiParamWnd::onSignalAPStateChanged);
    connect(m_ui->ap_SSID_enable, &QCheckBox::stateChanged, this, &WifiParamWnd::onSignalSSIDStateChanged);
    connect(m_ui->AP_ssid_edit, &QLineEdit::editingFinished, this, &WifiParamWnd::onSignalSSIDEditingFinished);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &WifiParamWnd::onSignalSaveBtnClicked);
    connectRecord(&MainManager::devWifiParamChanged, &WifiParamWnd::onSiganlDevWifiParamChanged);
    connectRecord(&MainManager::devWifiV2ParamChanged, &WifiParamWnd::onSiganlDevWifiParamV2Changed);
    connectResult(&MainManager::reqSetDevWifiParam, &WifiParamWnd::onSetWifiParamRes);
    connectResult(&MainManager::reqSetDevWifiParamV2, &WifiParamWnd::onSetWifiParamRes);
}

WifiParamWnd::~WifiParamWnd() = default;

void WifiParamWnd::setHotspotRowsVisible(bool visible)
{
    m_hotspotShown = visible;
    for (QWidget *row : std::initializer_list<QWidget *> {m_ui->label_13, m_ui->label_4, m_ui->ap_enable,
                         m_ui->label_7, m_ui->ap_SSID_enable, m_ui->label_14,
                         m_ui->AP_ssid_edit, m_ui->label_15,
                         m_ui->AP_secertKey_edit})
        row->setVisible(visible);
    keepRoomWhenHidden({m_ui->ap_enable_frame, m_ui->apID_length_frame, m_ui->key_length_frame}, visible);
}

void WifiParamWnd::showConflict(bool shown)
{
    if (shown) {
        const QString text = tr("Wifi和AP热点不能同时启用");
        showError(m_ui->wifi_enable_frame, text);
        showError(m_ui->ap_enable_frame, text);
    } else {
        m_ui->wifi_enable_frame->hide();
        m_ui->ap_enable_frame->hide();
    }
}

void WifiParamWnd::requestParam()
{
    // The frames were hidden; a conflict still on screen shows again.
    onSignalWifiStateChanged(m_ui->wifi_enable->checkState());
    onSignalAPStateChanged(m_ui->ap_enable->checkState());
    if (usesV2())
        manager()->ReqDevWifiParamV2();
    else
        manager()->ReqDevWifiParam();
}

void WifiParamWnd::onSignalWifiStateChanged(int state)
{
    if (state == Qt::Unchecked) {
        m_ui->wifi_ssid_edit->setEnabled(false);
        m_ui->wifi_secertKey_edit->setEnabled(false);
        showConflict(false);
    } else if (state == Qt::Checked) {
        if (m_hotspotShown && m_ui->ap_enable->isChecked())
            showConflict(true);
        m_ui->wifi_ssid_edit->setEnabled(true);
        m_ui->wifi_secertKey_edit->setEnabled(true);
    }
}

void WifiParamWnd::onSignalAPStateChanged(int state)
{
    if (state == Qt::Unchecked) {
        m_ui->ap_SSID_enable->setEnabled(false);
        m_ui->AP_ssid_edit->setEnabled(false);
        m_ui->AP_secertKey_edit->setEnabled(false);
        showConflict(false);
        // With the hotspot off its SSID is not checked, so an empty one can no
        // longer hold the save back.
        m_apSsidValid = true;
    } else if (state == Qt::Checked) {
        if (m_hotspotShown && m_ui->wifi_enable->isChecked())
            showConflict(true);
        m_ui->ap_SSID_enable->setEnabled(true);
        m_ui->AP_secertKey_edit->setEnabled(true);
        m_ui->AP_ssid_edit->setEnabled(!m_ui->ap_SSID_enable->isChecked());
    }
}

void WifiParamWnd::onSignalSSIDStateChanged(int state)
{
    if (state == Qt::Checked)
        m_ui->AP_ssid_edit->setEnabled(false);
    else if (state == Qt::Unchecked)
        m_ui->AP_ssid_edit->setEnabled(true);
}

void WifiParamWnd::onSignalWebAscStateChanged(int state)
{
    if (state == Qt::Checked)
        m_ui->wifi_secertKey_edit->setMaxLength(kWepAscKeyLength);
    else if (state == Qt::Unchecked)
        m_ui->wifi_secertKey_edit->setMaxLength(kKeyLength);
}

void WifiParamWnd::onSignalSSIDEditingFinished()
{
    const int length = m_ui->AP_ssid_edit->text().size();
    m_apSsidValid = length >= 1 && length <= kMaxSsidLength;
    if (m_apSsidValid)
        m_ui->apID_length_frame->hide();
    else
        showError(m_ui->apID_length_frame, tr("SSID不能为空"));
}

void WifiParamWnd::onSiganlDevWifiParamChanged(WIFI_PARA_T_V1_0 *param)
{
    if (!param || usesV2())
        return;
    const RecordReader record(*param);
    const bool webAsc = record.u8(kV1WebAsc) != 0;
    m_ui->wifi_enable->setChecked(record.u8(kV1Enable) != 0);
    m_ui->webAsc_enable->setChecked(webAsc);
    kept().fillText(m_ui->wifi_ssid_edit, *param, kV1Ssid, kSsidWidth, KeptFields::Decoding::Utf8);
    // A WepAsc key is kept as the camera's hexadecimal text, whatever of it
    // the edit can show.
    const QByteArray key = KeptFields::fieldBytes(*param, kV1Key, kKeyWidth);
    m_ui->wifi_secertKey_edit->setText(webAsc ? hexDecode(QString::fromUtf8(key)) : QString::fromUtf8(key));
    kept().keepText(m_ui->wifi_secertKey_edit, key);
}

void WifiParamWnd::onSiganlDevWifiParamV2Changed(WIFI_PARA_V2_T *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    const auto utf8 = KeptFields::Decoding::Utf8;
    kept().fillText(m_ui->wifi_ssid_edit, *param, kV2Ssid, kSsidWidth, utf8);
    kept().fillText(m_ui->wifi_secertKey_edit, *param, kV2Key, kKeyWidth, utf8);
    kept().fillText(m_ui->AP_ssid_edit, *param, kV2ApSsid, kSsidWidth, utf8);
    kept().fillText(m_ui->AP_secertKey_edit, *param, kV2ApKey, kKeyWidth, utf8);
    const bool enabled = record.u8(kV2Enable) != 0;
    const bool client = record.u8(kV2Mode) == 1;
    // Clearing the hotspot first: a camera that went from hotspot to client
    // never passes through both checked.
    m_ui->ap_enable->setChecked(false);
    m_ui->wifi_enable->setChecked(enabled && client);
    m_ui->ap_enable->setChecked(enabled && record.u8(kV2Mode) == 0);
    m_ui->ap_SSID_enable->setChecked(record.u8(kV2CustomSsid) == 0);
    m_apSsidValid = true;
}

void WifiParamWnd::onSignalSaveBtnClicked()
{
    MOSTREL_LOG("\n");
    if (!m_apSsidValid)
        return;
    beginSave();
    // The conflict hint stays up as long as both boxes are checked.
    if (m_hotspotShown && m_ui->wifi_enable->isChecked() && m_ui->ap_enable->isChecked())
        showConflict(true);
    if (!saveParam())
        saveRefused();
}

bool WifiParamWnd::saveParam()
{
    const bool wifiOn = m_ui->wifi_enable->isChecked();
    const bool webAsc = m_ui->webAsc_enable->isChecked();
    // The client SSID keeps its NUL inside the field: at most 31 bytes.
    const QString ssid = RecordWriter::cut(kept().text(m_ui->wifi_ssid_edit), RecordWriter::Encoding::Utf8,
                                           kMaxSsidLength);
    const QString key = m_ui->wifi_secertKey_edit->text();
    if (wifiOn && isShortKey(key)) {
        showError(m_ui->wifikey_length_frame, tr("请输入八位wifi密码"));
        return false;
    }
    m_ui->wifikey_length_frame->hide();

    if (usesV2())
        return saveV2(wifiOn, ssid, kept().text(m_ui->wifi_secertKey_edit));

    const bool keyKept = kept().unchanged(m_ui->wifi_secertKey_edit);
    return manager()->SetDevWifiParam(wifiOn, webAsc, ssid,
                                      keyKept || !webAsc ? kept().text(m_ui->wifi_secertKey_edit) : hexEncode(key),
                                      0, 0);
}

bool WifiParamWnd::saveV2(bool wifiOn, const QString &ssid, const QString &key)
{
    bool apOn = m_ui->ap_enable->isChecked();
    if (!m_hotspotShown) {
        // The record holds one mode: a client the operator switched on
        // wins over a hotspot only the last reply knew about.
        if (wifiOn)
            apOn = false;
    } else if (apOn && !hotspotPasses(wifiOn)) {
        return false;
    }
    return manager()->SetDevWifiParamV2(wifiOn, ssid, key, apOn, m_ui->ap_SSID_enable->isChecked(),
                                        kept().text(m_ui->AP_ssid_edit), kept().text(m_ui->AP_secertKey_edit));
}

bool WifiParamWnd::hotspotPasses(bool wifiOn)
{
    const QString apSsid = m_ui->AP_ssid_edit->text();
    const bool shortApKey = isShortKey(m_ui->AP_secertKey_edit->text());
    if (shortApKey)
        showError(m_ui->key_length_frame, tr("请输入八位wifi密码"));
    else
        m_ui->key_length_frame->hide();
    if (apSsid.isEmpty() || apSsid.size() > kMaxSsidLength) {
        m_apSsidValid = false;
        showError(m_ui->apID_length_frame, tr("SSID不能为空"));
        return false;
    }
    m_apSsidValid = true;
    m_ui->apID_length_frame->hide();
    if (shortApKey)
        return false;
    if (wifiOn) {
        showConflict(true);
        return false;
    }
    return true;
}

void WifiParamWnd::onSetWifiParamRes(int result)
{
    finishSave(result);
}
