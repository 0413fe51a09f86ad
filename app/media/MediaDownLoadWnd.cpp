#include "MediaDownLoadWnd.h"
#include "ui_MediaDownLoadWnd.h"

#include "DirRecord.h"
#include "Dialogs.h"
#include "LocalPaths.h"
#include "MainManager.h"
#include "MediaDownLoadDelegate.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

const char kDirRecordFile[] = "temp.dat";

QString defaultFolder()
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!downloads.isEmpty() && QDir(downloads).exists())
        return downloads;
    return QDir::homePath();
}

// The download panel's owner, when the dialog lies inside the main window.
QObject *mainWindowOf(QWidget *widget)
{
    for (QWidget *ancestor = widget ? widget->parentWidget() : nullptr; ancestor;
         ancestor = ancestor->parentWidget())
        if (ancestor->inherits("MainWindow"))
            return ancestor;
    return nullptr;
}

} // namespace

MediaDownLoadWnd::MediaDownLoadWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::MediaDownLoadWnd)
    , m_delegate(new MediaDownLoadDelegate)
{
    m_ui->setupUi(this);
    // The dimmed backdrop comes from the style sheet.
    setAttribute(Qt::WA_StyledBackground);
    m_ui->MediaInfo_lw->viewport()->setAttribute(Qt::WA_Hover);
    m_ui->Path_edit->setText(getLocalFilePath());
    m_ui->MediaInfo_lw->setItemDelegate(m_delegate.data());
    connect(m_delegate.data(), &MediaDownLoadDelegate::DelItem, this, &MediaDownLoadWnd::onSignalItemDelete);
    connect(m_ui->Close_btn, &QPushButton::clicked, this, &MediaDownLoadWnd::onCloseBtnClick);
    connect(m_ui->Cancle_btn, &QPushButton::clicked, this, &MediaDownLoadWnd::onCloseBtnClick);
    connect(m_ui->Clear_btn, &QPushButton::clicked, this, &MediaDownLoadWnd::onClearBtnClick);
    connect(m_ui->Ok_btn, &QPushButton::clicked, this, &MediaDownLoadWnd::onOkBtnClick);
    connect(m_ui->Path_btn, &QPushButton::clicked, this, &MediaDownLoadWnd::onPathBtnClick);
}

MediaDownLoadWnd::~MediaDownLoadWnd()
{
    for (QPushButton *button : {m_ui->Close_btn, m_ui->Cancle_btn, m_ui->Clear_btn, m_ui->Ok_btn, m_ui->Path_btn})
        button->disconnect(this);
    m_ui->MediaInfo_lw->setItemDelegate(nullptr);
}

void MediaDownLoadWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_ui->Path_edit->setText(getLocalFilePath());
}

void MediaDownLoadWnd::setFileList(QStringList files)
{
    m_fileList = files;
    fillList();
}

void MediaDownLoadWnd::setPath(QString path)
{
    m_ui->Path_edit->setText(path);
}

QString MediaDownLoadWnd::targetFolder(const QString &text)
{
    QString folder = text.trimmed();
    if (folder.isEmpty())
        folder = getLocalFilePath();
    if (folder.isEmpty())
        folder = defaultFolder();
    if (QDir::isRelativePath(folder))
        folder = QDir::home().absoluteFilePath(folder);
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

void MediaDownLoadWnd::onCloseBtnClick()
{
    emit widgetClosed();
    close();
}

void MediaDownLoadWnd::onClearBtnClick()
{
    m_fileList.clear();
    m_ui->MediaInfo_lw->clear();
}

void MediaDownLoadWnd::onOkBtnClick()
{
    const QString folder = targetFolder(m_ui->Path_edit->text());
    setLocalFilePath(folder);
    if (!m_fileList.isEmpty()) {
        if (QObject *mainWindow = mainWindowOf(this))
            QMetaObject::invokeMethod(mainWindow, "AddDownLoadTask", Q_ARG(QStringList, m_fileList),
                                      Q_ARG(QString, folder));
        MainManager::GetInstance()->AddDownLoadList(m_fileList, folder);
    }
    emit widgetClosed();
    close();
}

void MediaDownLoadWnd::onPathBtnClick()
{
    QString start = m_ui->Path_edit->text();
    // The first folder offered when the field is empty.
    if (start.isEmpty())
        start = QDir::homePath();
    QString folder = Dialogs::existingFolder(this, tr("Open Directory"), start);
    folder = folder.isEmpty() ? start : QDir::toNativeSeparators(folder);
    saveDirRecord(QString::fromLatin1(kDirRecordFile), DownloadFolderKey, folder);
    m_ui->Path_edit->setText(folder);
}

void MediaDownLoadWnd::onSignalItemDelete(int row)
{
    if (row >= 0 && row < m_fileList.size())
        m_fileList.removeAt(row);
    fillList();
}

void MediaDownLoadWnd::fillList()
{
    m_ui->MediaInfo_lw->clear();
    m_ui->MediaInfo_lw->addItems(m_fileList);
}
