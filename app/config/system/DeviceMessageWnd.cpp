#include "DeviceMessageWnd.h"
#include "ui_DeviceMessageWnd.h"

#include "LocalText.h"
#include "MainManager.h"
#include "RecordReader.h"

#include <QRegExpValidator>

namespace {

// DEVICE_ID_PARA_T: person ID, then device ID, 64 bytes each.
constexpr int kPoliceIdOffset = 0;
constexpr int kDeviceIdOffset = 64;
constexpr int kIdWidth = 64;
// DEV_CODE_PARA_T: the model text.
constexpr int kModelOffset = 128;
constexpr int kModelWidth = 128;

constexpr int kIdBytes = 32;

bool hidesModelRow(int model)
{
    return model == 3 || model == 5 || model == 100;
}

} // namespace

DeviceMessageWnd::DeviceMessageWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::DeviceMessageWnd)
{
    m_ui->setupUi(this);
    placeToastIn(m_ui->tab_1);
    m_ui->deviceId_point_frame->hide();
    m_ui->policeId_point_frame->hide();

    connect(m_ui->save_btn, &QPushButton::clicked, this, &DeviceMessageWnd::onSaveBtnClicked);
    // The identity arrives on the GUI thread: no blocking connection.
    connectResult(&MainManager::devIdParamChanged, &DeviceMessageWnd::onSiganlDevIdParamChanged);
    connectResult(&MainManager::reqSetDevIdParam, &DeviceMessageWnd::onReqSetDevIdParamRes);
    // The first generation has no byte limit to hint at.
    if (manager()->GetProtocolVer() != 1) {
        connect(m_ui->deviceID_edit, &QLineEdit::textChanged, this,
                &DeviceMessageWnd::onSingalDeviceIdTextChanged);
        connect(m_ui->policeID_edit, &QLineEdit::textChanged, this,
                &DeviceMessageWnd::onSingalPoliceIdTextChanged);
    }
}

DeviceMessageWnd::~DeviceMessageWnd() = default;

void DeviceMessageWnd::requestParam()
{
    m_ui->deviceId_point_frame->hide();
    m_ui->policeId_point_frame->hide();
    if (manager()->GetProtocolVer() == 3) {
        manager()->NotifyDevIdParam();
    } else {
        manager()->ReqDevVideoParam();
        manager()->ReqDevNetParam();
    }
}

void DeviceMessageWnd::initParam()
{
    auto *validator = new QRegExpValidator(QRegExp(QStringLiteral("[0-9a-zA-Z]+$")), this);
    m_ui->deviceID_edit->setValidator(validator);
    m_ui->policeID_edit->setValidator(validator);

    fillFrom(manager()->GetDevIdInfo());
    const DEV_CODE_PARA_T code = manager()->GetDevCode();
    m_ui->deviceVer_edit->setText(RecordReader(code).text(kModelOffset, kModelWidth, RecordReader::Encoding::Local));

    for (QWidget *widget : {static_cast<QWidget *>(m_ui->deviceID_edit),
                            static_cast<QWidget *>(m_ui->policeID_edit),
                            static_cast<QWidget *>(m_ui->deviceVer_edit)})
        widget->setContextMenuPolicy(Qt::NoContextMenu);

    if (hidesModelRow(manager()->GetDeviceType())) {
        m_ui->label_16->hide();
        m_ui->deviceVer_edit->hide();
    }
}

void DeviceMessageWnd::fillFrom(const DEVICE_ID_PARA_T &record)
{
    kept().fillText(m_ui->deviceID_edit, record, kDeviceIdOffset, kIdWidth, KeptFields::Decoding::Local);
    kept().fillText(m_ui->policeID_edit, record, kPoliceIdOffset, kIdWidth, KeptFields::Decoding::Local);
}

void DeviceMessageWnd::onSiganlDevIdParamChanged(DEVICE_ID_PARA_T *param)
{
    if (param)
        fillFrom(*param);
}

bool DeviceMessageWnd::checkTextSize(QString strText)
{
    return LocalText::encode(strText).size() <= kIdBytes;
}

void DeviceMessageWnd::onSingalDeviceIdTextChanged(QString param)
{
    m_ui->deviceId_point_frame->setVisible(!checkTextSize(param));
}

void DeviceMessageWnd::onSingalPoliceIdTextChanged(QString param)
{
    m_ui->policeId_point_frame->setVisible(!checkTextSize(param));
}

void DeviceMessageWnd::onSaveBtnClicked()
{
    const QString deviceId = m_ui->deviceID_edit->text();
    const QString policeId = m_ui->policeID_edit->text();
    // The hint beside the field already says why nothing happens.
    if (manager()->GetProtocolVer() != 1 && (!checkTextSize(deviceId) || !checkTextSize(policeId)))
        return;
    beginSave();
    if (!manager()->SetDeviceIdParam(kept().text(m_ui->deviceID_edit), kept().text(m_ui->policeID_edit)))
        saveRefused();
}

void DeviceMessageWnd::onReqSetDevIdParamRes(int result)
{
    finishSave(result);
}
