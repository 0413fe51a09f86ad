#include "MediaMessageWndEx.h"
#include "ui_MediaMessageWndEx.h"

#include "HintWnd.h"
#include "MainManager.h"
#include "MediaDownLoadWnd.h"
#include "TreeItem.h"
#include "TreeItemDelegate.h"
#include "TreeItemModel.h"

#include <QCalendarWidget>
#include <QHash>
#include <QHeaderView>
#include <QShowEvent>
#include <QToolButton>
#include <QWheelEvent>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

void setUpDateEdit(QDateTimeEdit *edit)
{
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    QCalendarWidget *calendar = edit->calendarWidget();
    calendar->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    if (auto *monthButton = calendar->findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton")))
        monthButton->setEnabled(false);
}

bool allTicked(const TreeItem *node)
{
    for (const TreeItem *child : node->children()) {
        if (!child->isTicked() || !allTicked(child))
            return false;
    }
    return true;
}

} // namespace

MediaMessageWndEx::MediaMessageWndEx(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::MediaMessageWndEx)
{
    m_ui->setupUi(this);
    m_delegate = new TreeItemDelegate(this);
    m_model = new TreeItemModel(m_ui->lwMedia);
    m_hintWnd = new HintWnd(this);
    m_downLoadWnd = new MediaDownLoadWnd;
    m_mainManager = MainManager::GetInstance();

    setUpDateEdit(m_ui->start_date);
    setUpDateEdit(m_ui->end_date);
    m_ui->lwMedia->setItemDelegate(m_delegate);
    m_ui->lwMedia->setModel(m_model);
    m_ui->lwMedia->header()->hide();

    connect(m_model, &TreeItemModel::checkStatusChanged, this, &MediaMessageWndEx::onCheckStateChange);
    connect(m_model, &TreeItemModel::sigAllCheckStateChange, this, &MediaMessageWndEx::onAllCheckStateChange);

    m_ui->errorFrame->hide();
    m_ui->label_7->hide();
    m_hintWnd->hide();
    m_ui->icon_type->hide();
    m_ui->list_type->hide();
    m_ui->point_frame->hide();
    m_ui->loadingPrompt->hide();

    connect(m_mainManager, &MainManager::updateMediaInfo, this, &MediaMessageWndEx::onUpdateMediaList,
            Qt::BlockingQueuedConnection);
    connect(m_downLoadWnd.data(), &MediaDownLoadWnd::widgetClosed, this,
            &MediaMessageWndEx::onSignalDownLoadWndClosed);
}

MediaMessageWndEx::~MediaMessageWndEx()
{
    delete m_downLoadWnd.data();
}

void MediaMessageWndEx::setDownLoadPath(QString path)
{
    m_downLoadWnd->setPath(path);
}

MediaDownLoadWnd *MediaMessageWndEx::downLoadWnd() const
{
    return m_downLoadWnd.data();
}

QStringList MediaMessageWndEx::selection() const
{
    if (m_selectionStale) {
        QStringList kept;
        kept.reserve(m_selected.size());
        for (const QString &path : qAsConst(m_selection))
            if (m_selected.contains(path))
                kept.append(path);
        m_selection = kept;
        m_selectionStale = false;
    }
    return m_selection;
}

void MediaMessageWndEx::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    startListing();
}

void MediaMessageWndEx::wheelEvent(QWheelEvent *event)
{
    event->accept();
}

void MediaMessageWndEx::startListing()
{
    const QDate today = QDate::currentDate();
    m_ui->start_date->setDateTime(QDateTime(today, QTime(0, 0, 0)));
    m_ui->end_date->setDateTime(QDateTime(today, QTime(23, 59, 59)));
    m_records.clear();

    m_hintWnd->showOkBtn(false);
    m_hintWnd->setHintText(tr("正在检索媒体信息，请稍候..."));
    if (parentWidget())
        m_hintWnd->resize(parentWidget()->size());
    m_hintWnd->raise();
    m_hintWnd->show();

    m_morePages = true;
    m_timeFilterOn = false;
    m_typeFilter = MediaRecord::AllTypes;
    // Pages of an earlier listing still on their way would mix with this one.
    if (m_requestOutstanding)
        m_restartPending = true;
    else
        requestPage(true);
    clearSelection();
}

void MediaMessageWndEx::requestPage(bool first)
{
    MEDIA_LIST_QUERY_T query;
    std::memset(&query, 0, sizeof query);
    query.bytes[0] = first ? 1 : 0;
    qToLittleEndian<qint32>(kPageSize, query.bytes + 4);
    m_requestOutstanding = m_mainManager->ReqMediaInfoList(&query) == 0;
}

void MediaMessageWndEx::showHint(const QString &text, bool withOkButton)
{
    m_hintWnd->setHintText(text);
    m_hintWnd->showOkBtn(withOkButton);
    m_hintWnd->show();
}

void MediaMessageWndEx::onUpdateMediaList(int ret, char *message)
{
    m_requestOutstanding = false;
    if (m_restartPending) {
        m_restartPending = false;
        requestPage(true);
        return;
    }
    if (ret != 0 || !message) {
        showHint(tr("列表更新失败"), true);
        return;
    }
    const qint32 total = qFromLittleEndian<qint32>(message + MediaRecord::kPageTotalOffset);
    const qint32 progress = qFromLittleEndian<qint32>(message + MediaRecord::kPageProgressOffset);
    if (total == 0) {
        showHint(tr("未检索到媒体文件"), true);
        return;
    }
    m_morePages = total != progress;
    showHint(tr("正在更新列表，请稍候..."), false);

    const quint32 count = qFromLittleEndian<quint32>(message + MediaRecord::kPageCountOffset);
    const char *item = message + MediaRecord::kPageHeadSize;
    m_records.reserve(m_records.size() + int(count));
    for (quint32 i = 0; i < count; ++i, item += MediaRecord::kSize)
        m_records.append(MediaRecord::fromItem(item));

    if (m_morePages) {
        requestPage(false);
    } else {
        m_hintWnd->hide();
        rebuildTree(m_timeFilterOn);
    }
}

void MediaMessageWndEx::rebuildTree(bool useTimeFilter)
{
    QPushButton *const typeButtons[] = {m_ui->all_btn, m_ui->video_btn, m_ui->img_btn, m_ui->music_btn};
    for (QPushButton *button : typeButtons)
        button->setEnabled(true);
    typeButtons[m_typeFilter]->setEnabled(false);
    m_ui->pbCheckAll->setChecked(false);

    // Newest first; equal starts keep the order they arrived in.
    std::stable_sort(m_records.begin(), m_records.end(),
                     [](const MediaRecord &a, const MediaRecord &b) { return b.start < a.start; });
    const QVector<TreeItem *> groups = groupsByDay(useTimeFilter);

    if (!groups.isEmpty())
        m_hintWnd->hide();
    else
        showHint(tr("未检索到符合条件的媒体文件"), true);
    m_model->resetGroups(groups);
    m_ui->lwMedia->expandAll();
    clearSelection();
}

// The records the filters let through, under one group per day, in the
// records' order.
QVector<TreeItem *> MediaMessageWndEx::groupsByDay(bool useTimeFilter) const
{
    const QDateTime from = m_ui->start_date->dateTime();
    const QDateTime to = m_ui->end_date->dateTime();
    QVector<TreeItem *> groups;
    QHash<QDate, TreeItem *> groupOfDay;
    for (const MediaRecord &record : m_records) {
        if (m_typeFilter != MediaRecord::AllTypes && m_typeFilter != MediaRecord::typeOf(record.path))
            continue;
        if (useTimeFilter && (record.start < from || to < record.start))
            continue;
        auto *file = new TreeItem;
        file->setStart(record.start);
        file->setEnd(record.end);
        file->setPath(record.path);
        file->setText(record.text);

        const QDate day = record.start.date();
        TreeItem *&group = groupOfDay[day];
        if (!group) {
            group = new TreeItem;
            group->setDate(day);
            groups.append(group);
        }
        file->setParent(group);
        group->appendChild(file);
    }
    return groups;
}

void MediaMessageWndEx::setTypeFilter(int type)
{
    m_typeFilter = type;
    rebuildTree(m_timeFilterOn);
}

void MediaMessageWndEx::on_all_btn_clicked()
{
    setTypeFilter(MediaRecord::AllTypes);
}

void MediaMessageWndEx::on_video_btn_clicked()
{
    setTypeFilter(MediaRecord::Video);
}

void MediaMessageWndEx::on_img_btn_clicked()
{
    setTypeFilter(MediaRecord::Picture);
}

void MediaMessageWndEx::on_music_btn_clicked()
{
    setTypeFilter(MediaRecord::Audio);
}

void MediaMessageWndEx::on_search_btn_clicked()
{
    if (m_ui->end_date->dateTime() < m_ui->start_date->dateTime()) {
        m_ui->point_text->setText(tr("开始时间不能大于结束时间"));
        m_ui->point_frame->show();
        return;
    }
    m_ui->point_frame->hide();
    m_timeFilterOn = true;
    rebuildTree(true);
}

void MediaMessageWndEx::on_download_btn_clicked()
{
    const QStringList files = selection();
    if (files.isEmpty()) {
        m_ui->errorFrame->show();
        return;
    }
    m_ui->errorFrame->hide();
    QWidget *area = parentWidget() ? parentWidget()->parentWidget() : nullptr;
    if (!area)
        return;
    m_downLoadWnd->setParent(area, Qt::FramelessWindowHint);
    m_downLoadWnd->setAttribute(Qt::WA_TranslucentBackground);
    m_downLoadWnd->show();
    m_downLoadWnd->move(0, 0);
    m_downLoadWnd->resize(area->size());
    m_downLoadWnd->setFileList(files);
}

void MediaMessageWndEx::onCheckStateChange(QString str, bool checked)
{
    if (checked) {
        if (m_selected.contains(str))
            return;
        // A path unticked earlier may still sit in the list.
        if (m_selectionStale)
            selection();
        m_selected.insert(str);
        m_selection.append(str);
    } else if (m_selected.remove(str)) {
        m_selectionStale = true;
    }
}

void MediaMessageWndEx::on_pbCheckAll_clicked()
{
    m_model->setAllChecked(m_ui->pbCheckAll->checkState());
    m_ui->lwMedia->expandAll();
}

void MediaMessageWndEx::onSignalDownLoadWndClosed()
{
    m_ui->pbCheckAll->setChecked(false);
    m_model->setAllChecked(Qt::Unchecked);
    m_ui->lwMedia->expandAll();
}

void MediaMessageWndEx::onAllCheckStateChange()
{
    m_ui->pbCheckAll->setChecked(allTicked(m_model->root()));
}

void MediaMessageWndEx::clearSelection()
{
    m_selection.clear();
    m_selected.clear();
    m_selectionStale = false;
}
