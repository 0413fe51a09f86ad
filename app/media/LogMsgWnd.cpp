#include "LogMsgWnd.h"

#include "DiskSpace.h"
#include "HintWnd.h"
#include "LocalPaths.h"
#include "LocalText.h"
#include "LogFileWriter.h"
#include "LogMsgItemWnd.h"
#include "MainManager.h"
#include "Mostrel.h"
#include "ui_LogMsgWnd.h"

#include <QCalendarWidget>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QListWidgetItem>
#include <QRegExpValidator>
#include <QStandardItemModel>
#include <QTextStream>
#include <QToolButton>

namespace {

// The order of the lines read, across all files of one load.
int s_logOrder = 0;

// The details take the rest of the row, 750 px on a page of the window's size.
const int kNumberWidth = 260;
const int kTimeWidth = 260;
// Narrower than this, the details scroll rather than shrink.
const int kMinDetailsWidth = 300;

void prepareDateEdit(QDateTimeEdit *edit)
{
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    QCalendarWidget *calendar = edit->calendarWidget();
    calendar->setLocale(QLocale(QLocale::English));
    if (auto *month = calendar->findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton")))
        month->setEnabled(false);
}

} // namespace

LogMsgWnd::LogMsgWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::LogMsgWnd)
{
    m_ui->setupUi(this);
    m_manager = MainManager::GetInstance();
    m_overlay = new HintWnd(this);
    m_overlay->hide();

    m_currentPage = 1;
    m_ui->point_frame->hide();
    m_ui->errorText->hide();
    reserveErrorRoom();
    m_overlay->resize(size());
    m_overlay->showPathLabel(false);
    m_overlay->raise();

    m_ui->showNum_combo->addItems({QStringLiteral("10"), QStringLiteral("50"), QStringLiteral("100")});
    m_ui->showNum_combo->setCurrentIndex(0);
    const QDate today = QDate::currentDate();
    m_ui->start_date->setDateTime(QDateTime(today, QTime(0, 0, 0)));
    m_ui->end_date->setDateTime(QDateTime(today, QTime(23, 59, 59)));
    m_ui->skipNum_edit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9]+$")), this));

    connect(m_ui->log_search_btn, &QPushButton::clicked, this, &LogMsgWnd::onSearchBtnClicked);
    connect(m_ui->clear_btn, &QPushButton::clicked, this, &LogMsgWnd::onClearBtnClicked);
    connect(m_ui->import_btn, &QPushButton::clicked, this, &LogMsgWnd::onImportBtnClicked);
    connect(m_ui->skip_btn, &QPushButton::clicked, this, &LogMsgWnd::onSkipBtnClicked);
    connect(m_ui->showNum_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &LogMsgWnd::onSignalListShowNumChanged);
    connect(m_ui->homePage_btn, &QPushButton::clicked, this, &LogMsgWnd::onHomePageBtnClicked);
    connect(m_ui->endPage_btn, &QPushButton::clicked, this, &LogMsgWnd::onEndPageBtnClicked);
    connect(m_ui->prePage_btn, &QPushButton::clicked, this, &LogMsgWnd::onPrePageBtnClicked);
    connect(m_ui->nextPage_btn, &QPushButton::clicked, this, &LogMsgWnd::onNextPageBtnClicked);

    auto *headerItem = new QListWidgetItem(m_ui->header_list);
    headerItem->setFlags(Qt::NoItemFlags);
    auto *header = new LogMsgItemWnd(m_ui->header_list);
    header->showSeparators(true);
    header->setOrderText(tr("序号"));
    header->setTimeText(tr("时间"));
    header->setDetailsText(tr("详细信息"));
    header->setObjectName(QStringLiteral("logHeader"));
    headerItem->setSizeHint(QSize(header->width(), 34));
    m_ui->header_list->setItemWidget(headerItem, header);
    m_ui->header_list->setEnabled(false);

    m_model = new QStandardItemModel(0, 3, this);
    m_ui->tableView->setModel(m_model);
    m_ui->tableView->setShowGrid(false);
    m_ui->tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui->tableView->horizontalHeader()->hide();
    m_ui->tableView->verticalHeader()->hide();
    m_ui->tableView->viewport()->installEventFilter(this);

    prepareDateEdit(m_ui->start_date);
    prepareDateEdit(m_ui->end_date);
    m_ui->skipNum_edit->setContextMenuPolicy(Qt::NoContextMenu);
    connect(m_manager, &MainManager::reqLogIndexResult, this, &LogMsgWnd::onSignalReqLogInfoOver);
    connect(m_manager, &MainManager::LogDownLoad, this, &LogMsgWnd::onSignalLogDownLoadInfoOver);
}

LogMsgWnd::~LogMsgWnd()
{
    disconnect(m_manager, nullptr, this, nullptr);
    m_model->clear();
    m_logFiles.clear();
    m_allEntries.clear();
    m_shownRows.clear();
}

void LogMsgWnd::reserveErrorRoom()
{
    // The page-jump error keeps its room while hidden, so that showing it does
    // not push the pager aside.
    QSizePolicy policy = m_ui->errorText->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_ui->errorText->setSizePolicy(policy);
    m_ui->errorText->ensurePolished();
    const QFontMetrics metrics(m_ui->errorText->font());
    m_ui->errorText->setMinimumWidth(
            qMax(metrics.horizontalAdvance(tr("未输入页数")), metrics.horizontalAdvance(tr("页数超出范围"))));
}

void LogMsgWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_loaded)
        return;
    if (!m_requestPending) {
        m_requestPending = true;
        m_manager->ReqLogIndex();
    }
    showOverlay(tr("正在加载，请稍候..."), false);
}

void LogMsgWnd::showOverlay(const QString &text, bool okButton)
{
    m_overlay->setHintText(text);
    m_overlay->showOkBtn(okButton);
    m_overlay->resize(size());
    m_overlay->raise();
    m_overlay->show();
}

void LogMsgWnd::onSignalReqLogInfoOver(bool ret)
{
    m_overlay->hide();
    if (!ret) {
        m_requestPending = false;
        showOverlay(tr("未找到日志"), false);
    }
}

void LogMsgWnd::onSignalLogDownLoadInfoOver(bool ret)
{
    m_requestPending = false;
    m_overlay->hide();
    if (ret) {
        m_loaded = true;
        loadLogFiles();
    }
}

void LogMsgWnd::loadLogFiles()
{
    m_logFiles = m_manager->GetLogFileList();
    qDebug() << "local log file path = " << m_logFiles;
    if (m_logFiles.isEmpty()) {
        showOverlay(tr("未找到日志"), true);
        return;
    }
    onClearBtnClicked();
    // Each load reads the files anew, over the entries of the last load (their
    // storage is reused); what that load had beyond the new lines goes.
    LogLine::LocalDays days;
    m_searchKeys.clear();
    int count = 0;
    for (const QString &path : qAsConst(m_logFiles))
        parseLogFile(path, days, count);
    m_allEntries.erase(m_allEntries.begin() + count, m_allEntries.end());
    m_currentPage = 1;
    LogLine::rowsByTime(m_allEntries, QDateTime(), QDateTime(), m_shownRows);
    if (m_shownRows.isEmpty())
        showOverlay(tr("未找到日志"), true);
    else
        m_overlay->hide();
    m_ui->allNumber_label->setText(QString::number(m_shownRows.size()));
    updatePageLabel();
    showPage();
}

void LogMsgWnd::parseLogFile(const QString &path, LogLine::LocalDays &days, int &count)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    // The camera writes its logs in its own 8-bit text, whatever the PC uses.
    QTextStream stream(&file);
    stream.setCodec("GBK");
    QString line;
    while (stream.readLineInto(&line)) {
        // Read straight into the list's own entry rather than copying one in.
        if (count == m_allEntries.size())
            m_allEntries.append(LogEntry());
        LogEntry &entry = m_allEntries[count];
        if (!LogLine::parse(line, entry, &days))
            continue;
        entry.order = ++s_logOrder;
        m_searchKeys.append(entry);
        ++count;
    }
}

void LogMsgWnd::onSearchBtnClicked()
{
    m_overlay->showPathLabel(false);
    const QDateTime start = m_ui->start_date->dateTime();
    const QDateTime end = m_ui->end_date->dateTime();
    MostrelWrite(MOSTREL_LEVEL, MOSTREL_LOGGER, "<%d>\t<%s>,onSearchBtnClicked%s-%s\n", 370,
                 "LogMsgWnd::onSearchBtnClicked",
                 LocalText::encode(start.toString(QLatin1String(LogLine::kSearchFormat))).constData(),
                 LocalText::encode(end.toString(QLatin1String(LogLine::kSearchFormat))).constData());
    if (end < start) {
        m_ui->point_text->setText(tr("开始时间不能大于结束时间"));
        m_ui->point_frame->show();
        return;
    }
    m_ui->point_frame->hide();
    m_currentPage = 1;
    m_searchKeys.rowsByTime(m_allEntries, start, end, m_shownRows);
    updatePageLabel();
    if (m_shownRows.isEmpty())
        showOverlay(tr("没有符合条件的日志信息"), true);
    else
        m_overlay->hide();
    m_ui->import_btn->setEnabled(!m_shownRows.isEmpty());
    showPage();
    m_ui->allNumber_label->setText(QString::number(m_shownRows.size()));
}

void LogMsgWnd::updatePageLabel()
{
    if (m_shownRows.isEmpty()) {
        m_ui->currentPage_label->clear();
        return;
    }
    const int pageSize = m_ui->showNum_combo->currentText().toInt();
    m_pageCount = m_shownRows.size() / pageSize + (m_shownRows.size() % pageSize ? 1 : 0);
    m_ui->currentPage_label->setText(QStringLiteral("%1/%2").arg(m_currentPage).arg(m_pageCount));
}

void LogMsgWnd::showPage()
{
    m_model->clear();
    m_model->setColumnCount(3);
    if (m_shownRows.isEmpty())
        return;
    const int pageSize = m_ui->showNum_combo->currentText().toInt();
    const int rows = qMin(pageSize, m_shownRows.size());
    m_firstRow = m_currentPage == 1 ? 1 : rows * (m_currentPage - 1) + 1;
    const QFont font(QStringLiteral("宋体"), 10);
    for (int i = 0; i < rows && m_firstRow <= m_shownRows.size(); ++i, ++m_firstRow) {
        const LogEntry &entry = m_allEntries.at(m_shownRows.at(m_firstRow - 1));
        QList<QStandardItem *> cells{
            new QStandardItem(QStringLiteral("%1").arg(m_firstRow, 2, 10, QLatin1Char('0'))),
            new QStandardItem(entry.timeText), new QStandardItem(entry.details)};
        // Number and time sit centred under their headings.
        cells.at(0)->setTextAlignment(Qt::AlignCenter);
        cells.at(1)->setTextAlignment(Qt::AlignCenter);
        cells.last()->setToolTip(entry.details);
        for (QStandardItem *cell : cells) {
            cell->setFont(font);
            if (i % 2)
                cell->setBackground(QColor(242, 242, 242));
        }
        m_model->appendRow(cells);
    }
    fitColumns();
}

void LogMsgWnd::fitColumns()
{
    // The details take what the table has left beyond their own width, so a
    // table that fits the columns shows no horizontal scroll bar.
    m_ui->tableView->setColumnWidth(0, kNumberWidth);
    m_ui->tableView->setColumnWidth(1, kTimeWidth);
    const int left = m_ui->tableView->viewport()->width() - kNumberWidth - kTimeWidth;
    m_ui->tableView->setColumnWidth(2, qMax(left, kMinDetailsWidth));
}

bool LogMsgWnd::eventFilter(QObject *watched, QEvent *event)
{
    // The table's viewport narrows when its vertical scroll bar comes.
    if (watched == m_ui->tableView->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void LogMsgWnd::changePage(int page)
{
    m_currentPage = page;
    updatePageLabel();
    showPage();
}

void LogMsgWnd::onHomePageBtnClicked()
{
    if (m_shownRows.isEmpty() || m_currentPage == 1)
        return;
    changePage(1);
}

void LogMsgWnd::onEndPageBtnClicked()
{
    if (m_shownRows.isEmpty() || m_currentPage == m_pageCount)
        return;
    changePage(m_pageCount);
}

void LogMsgWnd::onPrePageBtnClicked()
{
    if (m_shownRows.isEmpty() || m_currentPage == 1)
        return;
    changePage(m_currentPage - 1);
}

void LogMsgWnd::onNextPageBtnClicked()
{
    if (m_shownRows.isEmpty() || m_currentPage == m_pageCount)
        return;
    changePage(m_currentPage + 1);
}

void LogMsgWnd::onSignalListShowNumChanged(int count)
{
    Q_UNUSED(count)
    changePage(1);
}

void LogMsgWnd::onSkipBtnClicked()
{
    const QString text = m_ui->skipNum_edit->text();
    if (text.isEmpty()) {
        m_ui->errorText->setText(tr("未输入页数"));
        m_ui->errorText->show();
        return;
    }
    const int page = text.toInt();
    if (page == m_currentPage) {
        m_ui->errorText->hide();
        return;
    }
    if (page > 0 && page <= m_pageCount && !m_shownRows.isEmpty()) {
        m_ui->errorText->hide();
        changePage(page);
        return;
    }
    m_ui->errorText->setText(tr("页数超出范围"));
    m_ui->errorText->show();
}

void LogMsgWnd::onClearBtnClicked()
{
    s_logOrder = 0;
    m_currentPage = 1;
    m_ui->currentPage_label->clear();
    m_ui->allNumber_label->clear();
    m_shownRows.clear();
    m_model->clear();
    m_model->setColumnCount(3);
}

void LogMsgWnd::onImportBtnClicked()
{
    m_overlay->showPathLabel(false);
    showOverlay(tr("日志导出中，请稍候..."), false);
    // No drives here: the free space is that of the log folder's own volume.
    const QString folder = getLogFilePath();
    const qint64 freeBytes = getDiskFreeSpace(folder);

    QString text;
    for (int row : qAsConst(m_shownRows)) {
        const LogEntry &entry = m_allEntries.at(row);
        text += entry.timeText + QStringLiteral("  ---  ") + entry.details + QLatin1Char('\n');
    }
    const int length = LocalText::byteLength(text);
    qDebug() << "日志数据长度：" << length << " 磁盘空间剩余长度：" << freeBytes;
    if (quint64(length) > quint64(qMax<qint64>(freeBytes, 0))) {
        qDebug() << "磁盘空间不足";
        showOverlay(tr("磁盘空间不足，导出失败"), true);
        return;
    }
    if (!writeLogFile(text, folder)) {
        showOverlay(tr("日志导出失败"), true);
        return;
    }
    m_overlay->setPathText(QDir::toNativeSeparators(folder) + QDir::separator() + getLastLogFileName());
    m_overlay->showPathLabel(true);
    showOverlay(tr("日志导出结束"), true);
}
