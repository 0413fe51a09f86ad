#include "FactoryResetWidget.h"

#include "LocalText.h"
#include "MainManager.h"
#include "ui_FactoryResetWidget.h"

#include <QRegExpValidator>

namespace {

// The log-in's own character set; "*-." is a range, so "+" and "," pass too.
const char kPasswordPattern[] = "[0-9a-zA-Z~!@#$%&*-.]+$";
constexpr int kIdFieldSize = 64;

} // namespace

FactoryResetWidget::FactoryResetWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::FactoryResetWidget)
{
    m_manager = MainManager::GetInstance();
    m_ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground, true);
    m_ui->errorFrame->hide();
    m_ui->pwdEdit->setValidator(
        new QRegExpValidator(QRegExp(QString::fromLatin1(kPasswordPattern)), m_ui->pwdEdit));
    connect(m_ui->okBtn, &QPushButton::clicked, this, &FactoryResetWidget::onOkBtnClicked);
    connect(m_ui->cancleBtn, &QPushButton::clicked, this, &FactoryResetWidget::onCancleBtnClicked);
}

FactoryResetWidget::~FactoryResetWidget() = default;

void FactoryResetWidget::setTitle(const QString &title)
{
    m_ui->title->setText(title);
}

void FactoryResetWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    const DEVICE_ID_PARA_T ids = m_manager->GetDevIdParam();
    m_ui->polCount->setText(LocalText::decodeField(ids.userId, kIdFieldSize));
    m_ui->devCount->setText(LocalText::decodeField(ids.deviceId, kIdFieldSize));
}

void FactoryResetWidget::onOkBtnClicked()
{
    if (m_ui->pwdEdit->text() != m_manager->getLoginPwd()) {
        m_ui->errorFrame->show();
        return;
    }
    m_ui->errorFrame->hide();
    emit okButtonClicked();
    close();
}

void FactoryResetWidget::onCancleBtnClicked()
{
    m_ui->pwdEdit->clear();
    m_ui->errorFrame->hide();
    close();
}
