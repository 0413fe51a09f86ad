#include "LocalSettingWnd.h"

#include "DeviceSupport.h"
#include "LocalPaths.h"
#include "StandIn.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

LocalSettingWnd::LocalSettingWnd(QWidget *parent)
    : QWidget(parent)
    , m_localFileEdit(new QLineEdit(this))
    , m_localLogEdit(new QLineEdit(this))
    , m_saveBtn(new QPushButton(this))
{
    showStandInName(this);
    m_localFileEdit->setObjectName(QStringLiteral("Local_File_Edit"));
    m_localLogEdit->setObjectName(QStringLiteral("Local_Log_Edit"));
    m_saveBtn->setObjectName(QStringLiteral("Save_Setting_Btn"));
    m_saveBtn->setText(tr("保存"));
    for (QWidget *widget : {static_cast<QWidget *>(m_localFileEdit), static_cast<QWidget *>(m_localLogEdit),
                            static_cast<QWidget *>(m_saveBtn)})
        layout()->addWidget(widget);
    m_localFileEdit->setText(getLocalFilePath());
    m_localLogEdit->setText(getLogFilePath());
    m_localLogEdit->setVisible(deviceSupportsLog());
    connect(m_saveBtn, &QPushButton::clicked, this, &LocalSettingWnd::onSaveBtnClicked);
}

void LocalSettingWnd::onSaveBtnClicked()
{
    if (parent())
        QMetaObject::invokeMethod(parent(), "SetDownLoadPath", Q_ARG(QString, m_localFileEdit->text()));
    setLocalFilePath(m_localFileEdit->text());
    setLocalLogPath(m_localLogEdit->text());
    hide();
}

#include "moc_LocalSettingWnd.cpp"
