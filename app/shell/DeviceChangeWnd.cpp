#include "DeviceChangeWnd.h"
#include "ui_DeviceChangeWnd.h"

#include "CommonFunc.h"
#include "MainManager.h"

namespace {
// The form keeps a user-manual row at the bottom that this program does not
// offer; the strip is cut above it.
constexpr int kCutOffRowHeight = 31;
} // namespace

DeviceChangeWnd::DeviceChangeWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::DeviceChangeWnd)
{
    m_ui->setupUi(this);
    m_ui->User_Manu_Btn->hide();
    m_ui->label_8->hide();
    m_ui->label_4->resize(m_ui->label_4->width(), m_ui->label_4->height() - kCutOffRowHeight);
    resize(width(), height() - kCutOffRowHeight);

    connect(m_ui->Login_Out_Btn, &QPushButton::clicked, this, &DeviceChangeWnd::onLoginOutBtnClicked);
    connect(m_ui->Dev_Change_Btn, &QPushButton::clicked, this, &DeviceChangeWnd::onDevChangeBtnClicked);
}

DeviceChangeWnd::~DeviceChangeWnd() = default;

void DeviceChangeWnd::setDevID(QString devId)
{
    m_devId = devId;
    setElidedText(m_devId, m_ui->DevID_Label);
    update();
}

void DeviceChangeWnd::setPolID(QString polId)
{
    m_polId = polId;
    setElidedText(m_polId, m_ui->PolID_Label);
    update();
}

void DeviceChangeWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The labels' widths are final only once the strip is laid out.
    setElidedText(m_devId, m_ui->DevID_Label);
    setElidedText(m_polId, m_ui->PolID_Label);
    update();
}

void DeviceChangeWnd::leaveEvent(QEvent *event)
{
    emit hideSelf();
    hide();
    QWidget::leaveEvent(event);
}

void DeviceChangeWnd::onDevChangeBtnClicked()
{
    hide();
    emit changeDevice();
}

void DeviceChangeWnd::onLoginOutBtnClicked()
{
    QWidget *window = parentWidget();
    if (!window)
        return;
    hide();
    MainManager *manager = MainManager::GetInstance();
    manager->ReqLogOutDevice(manager->GetCurIndex());
    // The camera stays open; closing the last window ends the program, which
    // closes it then.
    window->close();
}

#include "moc_DeviceChangeWnd.cpp"
