#include "LocalSettingWnd.h"
#include "ui_LocalSettingWnd.h"

#include "CommonFunc.h"
#include "DeviceSupport.h"
#include "Dialogs.h"
#include "DirRecord.h"
#include "LocalPaths.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// The stored folder, or the default one; either way it becomes the folder in
// force for the rest of the process.
QString loadFolder(int key)
{
    const QString stored = readDirRecord(QString::fromLatin1(LocalSettingWnd::kStoreFile), key);
    return stored.isEmpty() ? LocalSettingWnd::defaultFolder() : stored;
}

} // namespace

LocalSettingWnd::LocalSettingWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::LocalSettingWnd)
{
    m_ui->setupUi(this);
    disableLineEditMenu(m_ui->frame_6);

    const QString downloadFolder = loadFolder(DownloadFolderKey);
    m_ui->Local_File_Edit->setText(downloadFolder);
    setLocalFilePath(downloadFolder);
    const QString logFolder = loadFolder(LogFolderKey);
    m_ui->Local_Log_Edit->setText(logFolder);
    setLocalLogPath(logFolder);

    const bool logs = deviceSupportsLog();
    m_ui->label_4->setVisible(logs);
    m_ui->Local_Log_Edit->setVisible(logs);
    m_ui->Local_Log_Btn->setVisible(logs);

    connect(m_ui->Close_Btn, &QPushButton::clicked, this, &LocalSettingWnd::onCloseBtnClicked);
    connect(m_ui->Cancle_Setting_Btn, &QPushButton::clicked, this, &LocalSettingWnd::onCancleBtnClicked);
    connect(m_ui->Save_Setting_Btn, &QPushButton::clicked, this, &LocalSettingWnd::onSaveBtnClicked);
    connect(m_ui->Local_File_Btn, &QPushButton::clicked, this, &LocalSettingWnd::onLocalFileBtnClicked);
    connect(m_ui->Local_Log_Btn, &QPushButton::clicked, this, &LocalSettingWnd::onLocalLogBtnClicked);
}

LocalSettingWnd::~LocalSettingWnd() = default;

QString LocalSettingWnd::defaultFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir::toNativeSeparators(folder);
}

void LocalSettingWnd::showEvent(QShowEvent *event)
{
    // Another window (the download dialog) may have changed the folder in force.
    m_ui->Local_File_Edit->setText(getLocalFilePath());
    m_ui->Local_Log_Edit->setText(getLogFilePath());
    QWidget::showEvent(event);
}

void LocalSettingWnd::onCloseBtnClicked()
{
    hide();
}

void LocalSettingWnd::onCancleBtnClicked()
{
    hide();
}

void LocalSettingWnd::onSaveBtnClicked()
{
    const QString downloadFolder = m_ui->Local_File_Edit->text();
    const QString logFolder = m_ui->Local_Log_Edit->text();
    // By name: the main window is the only parent that takes the folder.
    if (parent())
        QMetaObject::invokeMethod(parent(), "SetDownLoadPath", Q_ARG(QString, downloadFolder));
    setLocalFilePath(downloadFolder);
    setLocalLogPath(logFolder);
    const QString store = QString::fromLatin1(kStoreFile);
    saveDirRecord(store, DownloadFolderKey, downloadFolder);
    saveDirRecord(store, LogFolderKey, logFolder);
    hide();
}

void LocalSettingWnd::onLocalFileBtnClicked()
{
    QString start = m_ui->Local_File_Edit->text();
    if (start.isEmpty())
        start = defaultFolder();
    const QString chosen = Dialogs::existingFolder(this, tr("Open Directory"), start);
    m_ui->Local_File_Edit->setText(chosen.isEmpty() ? start : QDir::toNativeSeparators(chosen));
}

void LocalSettingWnd::onLocalLogBtnClicked()
{
    const QString chosen = Dialogs::existingFolder(this, tr("Open Directory"), defaultFolder());
    if (!chosen.isEmpty()) {
        m_ui->Local_Log_Edit->setText(QDir::toNativeSeparators(QDir(chosen).filePath(QStringLiteral("Log"))));
    } else if (m_ui->Local_Log_Edit->text().isEmpty()) {
        m_ui->Local_Log_Edit->setText(defaultFolder());
    }
}
