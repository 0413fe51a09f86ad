#include "LumaroConfigWnd.h"
#include "ui_LumaroConfigWnd.h"

#include "CommonFunc.h"
#include "MainManager.h"
#include "PlatformTabs.h"
#include "RecordReader.h"

#include <QRegExpValidator>

namespace {

// Ex_Param_V3_T: the page's two fields.
constexpr int kCloudSwitch = 17;
constexpr int kCode = 20;
constexpr int kCodeWidth = 8;
constexpr int kMinCodeLength = 6;

const char kCodePattern[] = "[A-Za-z0-9]+$";

} // namespace

LumaroConfigWnd::LumaroConfigWnd(QWidget *parent)
    : ParamPage(parent, Options {Refresh::OnRequest, false})
    , m_ui(new Ui::LumaroConfigWnd)
{
    m_ui->setupUi(this);
    m_ui->lineEdit->setValidator(new QRegExpValidator(QRegExp(QString::fromLatin1(kCodePattern)), m_ui->lineEdit));
    addErrorFrame(m_ui->ip_point_frame1, m_ui->ip_point_text_1);
    const QString hint = PlatformTabs::onePlatformHint();
    if (!hint.isEmpty())
        m_ui->lblTips->setText(hint);
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &LumaroConfigWnd::onSaveBtnClicked);
    connectRecord(&MainManager::devExParamChangedV3, &LumaroConfigWnd::onSiganlDevEXParamV3Changed);
    // Raised by the recording and system pages' saves of the record as well;
    // the page reports only its own.
    connectResult(&MainManager::reqSetDevExParamV3, &LumaroConfigWnd::onReqSetDevEXParamV3Res);
}

LumaroConfigWnd::~LumaroConfigWnd() = default;

void LumaroConfigWnd::requestParam()
{
    manager()->ReqDevExParamV3();
}

void LumaroConfigWnd::onSiganlDevEXParamV3Changed(Ex_Param_V3_T *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->checkBox->setChecked(record.u8(kCloudSwitch) != 0);
    kept().fillText(m_ui->lineEdit, *param, kCode, kCodeWidth, KeptFields::Decoding::Local);
    m_haveRecord = true;
}

void LumaroConfigWnd::onSaveBtnClicked()
{
    hideErrorFrames();
    const bool cloudSwitch = m_ui->checkBox->isChecked();
    const QString code = m_ui->lineEdit->text();
    // Checked with the switch off too: the camera keeps the code.
    if (code.size() < kMinCodeLength) {
        showError(m_ui->ip_point_frame1, tr("6-8位数字、字母"));
        return;
    }
    if (!m_haveRecord) {
        // Sending now would overwrite the other pages' fields with zeros.
        saveRefused();
        return;
    }
    beginSave();
    if (!manager()->SetDevExParamV3Lumaro(cloudSwitch, kept().text(m_ui->lineEdit)))
        saveRefused();
}

void LumaroConfigWnd::onReqSetDevEXParamV3Res(int result)
{
    finishSave(result);
}
