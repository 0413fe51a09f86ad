#include "LumaroV3ConfigWnd.h"
#include "ui_LumaroV3ConfigWnd.h"

#include "CommonFunc.h"
#include "MainManager.h"
#include "PlatformTabs.h"
#include "RecordReader.h"

#include <QRegExp>
#include <QRegExpValidator>

namespace {

// LUMARO_PARAM_V3_T
constexpr int kCloudSwitch = 0;
constexpr int kEncryption = 1;
constexpr int kCode = 4;
constexpr int kKey = 132;
constexpr int kRecordSize = 228;

constexpr int kMinRatedLength = 8;
constexpr int kRisky = 0;

const char kSpecial[] = "[~!@#$%^&*()_+=;':,./<>?|{}\\[\\]\\\\-]";
const char kTextPattern[] = "[a-zA-Z0-9~!@#$%^&*()_+=;':,./<>?|{}\\[\\]\\\\-]+";

bool contains(const QString &text, const char *klass)
{
    return QRegExp(QString::fromLatin1(klass)).indexIn(text) >= 0;
}

} // namespace

int passwordStrength(const QString &text)
{
    if (text.size() < kMinRatedLength)
        return kRisky;
    const bool digits = contains(text, "[0-9]");
    const bool lower = contains(text, "[a-z]");
    const bool upper = contains(text, "[A-Z]");
    const bool special = contains(text, kSpecial);
    const int classes = int(digits) + int(lower) + int(upper) + int(special);
    if (classes <= 1)
        return kRisky;
    if (classes == 2)
        return digits && (lower || upper) ? 1 : 2;
    return 3;
}

LumaroV3ConfigWnd::LumaroV3ConfigWnd(QWidget *parent)
    : ParamPage(parent, Options {Refresh::OnRequest, false})
    , m_ui(new Ui::LumaroV3ConfigWnd)
{
    m_ui->setupUi(this);
    auto *texts = new QRegExpValidator(QRegExp(QString::fromLatin1(kTextPattern)), this);
    m_ui->lineEdit_code->setValidator(texts);
    m_ui->lineEdit_pwd->setValidator(texts);
    // The rating texts keep their place when the icon goes.
    for (QLabel *icon : {m_ui->label_7, m_ui->label_8}) {
        QSizePolicy policy = icon->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        icon->setSizePolicy(policy);
    }
    showStrength(QString(), m_ui->label_7, m_ui->code_point_text);
    showStrength(QString(), m_ui->label_8, m_ui->pwd_point_text);
    onEnableUI(0);
    const QString hint = PlatformTabs::onePlatformHint();
    if (!hint.isEmpty())
        m_ui->lblTips->setText(hint);
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &LumaroV3ConfigWnd::onSaveBtnClicked);
    connect(m_ui->lineEdit_code, &QLineEdit::textChanged, this, &LumaroV3ConfigWnd::onCodetextChanged);
    connect(m_ui->lineEdit_pwd, &QLineEdit::textChanged, this, &LumaroV3ConfigWnd::onPwdtextChanged);
    connect(m_ui->checkBox, &QCheckBox::stateChanged, this, &LumaroV3ConfigWnd::onEnableUI);
    connect(m_ui->checkBox_pwd, &QCheckBox::stateChanged, this, &LumaroV3ConfigWnd::onEnableUI);
    connectRecord(&MainManager::devLUMR3ParamChanged, &LumaroV3ConfigWnd::onSiganlDevLumr3Changed);
    connectResult(&MainManager::reqSetDevLUMR3Param, &LumaroV3ConfigWnd::onReqSetDevLumr3Res);
}

LumaroV3ConfigWnd::~LumaroV3ConfigWnd() = default;

void LumaroV3ConfigWnd::requestParam()
{
    manager()->ReqDevLUMR3Param();
}

void LumaroV3ConfigWnd::showStrength(const QString &text, QLabel *icon, QLabel *label)
{
    const int strength = passwordStrength(text);
    icon->setVisible(strength == kRisky);
    switch (strength) {
    case 1:
        label->setText(tr("弱密码"));
        break;
    case 2:
        label->setText(tr("中密码"));
        break;
    case 3:
        label->setText(tr("强密码"));
        break;
    default:
        label->setText(tr("风险密码"));
        break;
    }
}

void LumaroV3ConfigWnd::onCodetextChanged(const QString &text)
{
    showStrength(text, m_ui->label_7, m_ui->code_point_text);
}

void LumaroV3ConfigWnd::onPwdtextChanged(const QString &text)
{
    showStrength(text, m_ui->label_8, m_ui->pwd_point_text);
}

void LumaroV3ConfigWnd::onEnableUI(int)
{
    // Both switches lead here; the state of the two boxes decides, not which
    // one changed.
    const bool cloud = m_ui->checkBox->isChecked();
    m_ui->lineEdit_code->setEnabled(cloud);
    m_ui->checkBox_pwd->setEnabled(cloud);
    m_ui->lineEdit_pwd->setEnabled(cloud && m_ui->checkBox_pwd->isChecked());
}

void LumaroV3ConfigWnd::onSiganlDevLumr3Changed(LUMARO_PARAM_V3_T *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->checkBox->setChecked(record.u8(kCloudSwitch) != 0);
    kept().fillText(m_ui->lineEdit_code, *param, kCode, kKey - kCode, KeptFields::Decoding::Local);
    m_ui->checkBox_pwd->setChecked(record.u8(kEncryption) != 0);
    kept().fillText(m_ui->lineEdit_pwd, *param, kKey, kRecordSize - kKey, KeptFields::Decoding::Local);
}

void LumaroV3ConfigWnd::onSaveBtnClicked()
{
    const bool cloudSwitch = m_ui->checkBox->isChecked();
    const QString code = m_ui->lineEdit_code->text();
    const bool encryption = m_ui->checkBox_pwd->isChecked();
    const QString key = m_ui->lineEdit_pwd->text();
    // A risky text stops the save without a word: its hint already says so.
    if (cloudSwitch) {
        if (passwordStrength(code) == kRisky)
            return;
        if (encryption && passwordStrength(key) == kRisky)
            return;
    }
    beginSave();
    if (!manager()->SetDevLUMR3Param(cloudSwitch, kept().text(m_ui->lineEdit_code), encryption,
                                     kept().text(m_ui->lineEdit_pwd)))
        saveRefused();
}

void LumaroV3ConfigWnd::onReqSetDevLumr3Res(int result)
{
    finishSave(result);
}
