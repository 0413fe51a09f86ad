#include "DownLoadWnd.h"
#include "ui_DownLoadWnd.h"

#include "DownLoadWndDelegate.h"
#include "MainManager.h"

#include <QDateTime>
#include <QDir>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHeaderView>
#include <QUrl>

namespace {

QString keyOf(const QString &remote, const QString &folder)
{
    return MainManager::localPathFor(remote, folder);
}

} // namespace

DownLoadWnd::DownLoadWnd(QWidget *parent)
    : QFrame(parent)
    , m_ui(new Ui::DownLoadWnd)
{
    m_ui->setupUi(this);
    m_delegate = new DownLoadWndDelegate(this);
    QTableWidget *table = m_ui->ItemTable;
    table->setItemDelegate(m_delegate);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->setColumnWidth(0, 112);
    table->setColumnWidth(2, 159);
    table->setColumnWidth(3, 112);
    table->verticalHeader()->setDefaultSectionSize(DownLoadWndDelegate::kRowHeight);
    table->setMouseTracking(true);
    table->viewport()->setAttribute(Qt::WA_Hover);

    connect(m_delegate, &DownLoadWndDelegate::SignalItemWidgetDelete, this, &DownLoadWnd::onSignalItemWidgetDelete);
    connect(m_delegate, &DownLoadWndDelegate::SignalItemFileOpen, this, &DownLoadWnd::onSignalItemFileOpen);
    connect(m_delegate, &DownLoadWndDelegate::SignalItemReload, this, &DownLoadWnd::onSignalItemReload);
    connect(m_ui->Load_Manager_Btn, &QPushButton::clicked, this, &DownLoadWnd::onLoadManagerBtnClicked);
    connect(m_ui->Already_Load_Btn, &QPushButton::clicked, this, &DownLoadWnd::onAlreadyLoadBtnClicked);
    connect(m_ui->Clean_Btn, &QPushButton::clicked, this, &DownLoadWnd::onCleanBtnClicked);
    connect(m_ui->Retract_Btn, &QPushButton::clicked, this, &DownLoadWnd::onRetractBtnClicked);
    MainManager *manager = MainManager::GetInstance();
    connect(manager, &MainManager::overDownLoad, this, &DownLoadWnd::onSignalOverDownLoad);
    connect(manager, qOverload<QString, int>(&MainManager::startDownLoad), this,
            &DownLoadWnd::onSignalStartDownLoad);
    refresh();
}

DownLoadWnd::~DownLoadWnd() = default;

bool DownLoadWnd::isBeingFetched(const DownLoadItem &item)
{
    if (item.state == 0)
        return true;
    if (item.state != -1)
        return false;
    const DownLoadPair active = MainManager::GetInstance()->activeDownLoad();
    return !active.isEmpty() && active.remoteName == item.usb_file
           && active.localPath == keyOf(item.usb_file, item.local);
}

void DownLoadWnd::addDownLoadList(QStringList files, QString dir)
{
    for (const QString &file : qAsConst(files)) {
        const QString key = keyOf(file, dir);
        bool present = false;
        for (const DownLoadItem &item : qAsConst(m_queue)) {
            if (item.usb_file == file && keyOf(item.usb_file, item.local) == key) {
                present = true;
                break;
            }
        }
        if (present)
            continue;
        m_queue.append(DownLoadItem{file, dir, tr("下载中，请稍候..."), -1, ++m_queueCounter});
    }
    emit listCountChanged(m_queue.size());
    onLoadManagerBtnClicked();
}

int DownLoadWnd::getDownLoadCount()
{
    return m_queue.size();
}

bool DownLoadWnd::event(QEvent *event)
{
    if (event->type() == QEvent::Leave) {
        emit hideSelf();
        hide();
    }
    return QFrame::event(event);
}

void DownLoadWnd::setViewMode(int mode)
{
    m_viewMode = mode;
    m_ui->Load_Manager_Btn->setEnabled(mode != 0);
    m_ui->Already_Load_Btn->setEnabled(mode != 1);
    m_ui->label_3->setText(mode == 0 ? tr("下载进程") : tr("下载时间"));
    refresh();
}

void DownLoadWnd::onLoadManagerBtnClicked()
{
    setViewMode(0);
}

void DownLoadWnd::onAlreadyLoadBtnClicked()
{
    setViewMode(1);
}

void DownLoadWnd::refresh()
{
    QTableWidget *table = m_ui->ItemTable;
    table->clear();
    table->setRowCount(m_viewMode == 1 ? m_finished.size() : m_queue.size());
    m_delegate->setLists(m_queue, m_finished, m_viewMode);
    table->viewport()->update();
}

void DownLoadWnd::onRetractBtnClicked()
{
    hide();
}

int DownLoadWnd::rowOfPair(const DownLoadPair &pair) const
{
    if (pair.isEmpty())
        return -1;
    for (int i = 0; i < m_queue.size(); ++i) {
        const DownLoadItem &item = m_queue.at(i);
        if (item.usb_file == pair.remoteName && keyOf(item.usb_file, item.local) == pair.localPath)
            return i;
    }
    return -1;
}

void DownLoadWnd::onSignalStartDownLoad(QString name, int result)
{
    // One row: the file MainManager is fetching or has stopped (whatever
    // state its row shows, a retry for one), else the first waiting one.
    MainManager *manager = MainManager::GetInstance();
    DownLoadPair pair = manager->activeDownLoad();
    if (pair.remoteName != name)
        pair = manager->parkedDownLoad();
    if (pair.remoteName != name)
        pair = DownLoadPair();
    int row = rowOfPair(pair);
    for (int i = 0; i < m_queue.size() && row < 0; ++i)
        if (m_queue.at(i).usb_file == name && m_queue.at(i).state == -1)
            row = i;
    if (row < 0) {
        // A stopped file without a row of its own still has to leave the
        // queue, or nothing behind it is ever fetched.
        if (result != 0 && !pair.isEmpty())
            manager->RemoveDownLoadItem(name, QFileInfo(pair.localPath).path());
        return;
    }
    DownLoadItem &item = m_queue[row];
    if (result == 0) {
        item.text = tr("下载中，请稍候...");
        item.state = 0;
    } else {
        item.text = result == 1 ? tr("下载失败，磁盘空间不足") : tr("下载失败，未知错误");
        item.state = result;
        manager->RemoveDownLoadItem(name, item.local);
    }
    refresh();
}

void DownLoadWnd::onSignalOverDownLoad(QString usb_file, QString local_file, int result)
{
    for (int i = 0; i < m_queue.size(); ++i) {
        DownLoadItem &item = m_queue[i];
        if (item.usb_file != usb_file || keyOf(usb_file, item.local) != local_file)
            continue;
        if (result != 0) {
            item.text = tr("下载失败，未知错误");
            item.state = 2;
        } else {
            m_queue.removeAt(i);
            emit listCountChanged(m_queue.size());
            m_finished.append(DownLoadItem{usb_file, QDir::toNativeSeparators(local_file),
                                           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                           0, ++m_finishedCounter});
        }
        break;
    }
    refresh();
}

void DownLoadWnd::onCleanBtnClicked()
{
    if (m_viewMode == 1) {
        m_finished.clear();
        refresh();
        return;
    }
    QVector<DownLoadItem> kept;
    for (const DownLoadItem &item : qAsConst(m_queue))
        if (isBeingFetched(item))
            kept.append(item);
    m_queue = kept;
    refresh();
    emit clearDownLoadList();
    MainManager::GetInstance()->CutDownLoadListToFirst();
}

void DownLoadWnd::onSignalItemWidgetDelete(int indexrow)
{
    if (m_viewMode == 1) {
        if (indexrow >= 0 && indexrow < m_finished.size())
            m_finished.removeAt(indexrow);
    } else if (indexrow >= 0 && indexrow < m_queue.size()) {
        const DownLoadItem item = m_queue.at(indexrow);
        if (isBeingFetched(item))
            return;
        MainManager::GetInstance()->RemoveDownLoadItemEx(item.usb_file, item.local);
        m_queue.removeAt(indexrow);
    }
    refresh();
    emit listCountChanged(m_queue.size());
}

void DownLoadWnd::onSignalItemFileOpen(int indexrow)
{
    if (indexrow < 0 || indexrow >= m_finished.size())
        return;
    const QString folder = QFileInfo(m_finished.at(indexrow).local).path();
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void DownLoadWnd::onSignalItemReload(int indexrow)
{
    if (indexrow < 0 || indexrow >= m_queue.size())
        return;
    const DownLoadItem &item = m_queue.at(indexrow);
    MainManager::GetInstance()->AddDownLoadList({item.usb_file}, item.local);
}
