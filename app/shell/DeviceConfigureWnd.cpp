#include "DeviceConfigureWnd.h"
#include "ui_DeviceConfigureWnd.h"

#include "DeviceSupport.h"
#include "HintWnd.h"
#include "MainManager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QListWidgetItem>

namespace {
const QSize kRowSize(231, 53);
}

DeviceConfigureWnd::DeviceConfigureWnd(QWidget *parent)
    : QWidget(parent)
    , m_manager(MainManager::GetInstance())
    , m_hintWnd(new HintWnd(this))
    , m_ui(new Ui::DeviceConfigureWnd)
{
    m_ui->setupUi(this);
    m_hintWnd->hide();
    m_hintWnd->showOkBtn(false);
    m_hintWnd->setHintText(QString());

    // A click emits both pressed and clicked; answering both would show the
    // page twice and ask the camera twice.
    connect(m_ui->listWidget, &QListWidget::clicked, this, &DeviceConfigureWnd::onSignalItemClicked);
    connect(m_manager, &MainManager::updateDevConfigParamOver, this,
            &DeviceConfigureWnd::onSignalUpdateDevConfigParamOver);

    buildRows();
}

DeviceConfigureWnd::~DeviceConfigureWnd()
{
    disconnect(m_manager, nullptr, this, nullptr);
    for (QWidget *&page : m_pages) {
        delete page;
        page = nullptr;
    }
}

void DeviceConfigureWnd::buildRows()
{
    const auto &rows = navigatorRows();
    for (const NavigatorRow &row : rows) {
        auto *item = new QListWidgetItem(QCoreApplication::translate("DeviceConfigureWnd", row.text));
        item->setTextAlignment(Qt::AlignCenter);
        item->setSizeHint(kRowSize);
        m_ui->listWidget->addItem(item);
    }
    m_ui->listWidget->setMouseTracking(true);

    // The first row offered becomes the page on screen; the others wait for
    // their first selection.
    const QVector<bool> shown = navigatorRowsShown(DeviceSupport::current());
    bool firstChosen = false;
    for (int row = 0; row < kNavigatorRowCount; ++row) {
        m_ui->listWidget->item(row)->setHidden(!shown[row]);
        if (shown[row] && !firstChosen) {
            firstChosen = true;
            m_ui->listWidget->setCurrentRow(row);
            showPage(row);
        }
    }
}

void DeviceConfigureWnd::showPage(int row)
{
    const NavigatorRow &entry = navigatorRows()[size_t(row)];
    QWidget *&page = m_pages[size_t(row)];
    if (!page) {
        page = entry.create();
        m_ui->gridLayout_2->addWidget(page);
    }
    page->show();
    if (entry.afterShow)
        entry.afterShow(page);
}

void DeviceConfigureWnd::onSignalItemClicked(const QModelIndex &index)
{
    for (QWidget *page : m_pages) {
        if (page)
            page->hide();
    }
    const int row = index.row();
    if (row >= 0 && row < kNavigatorRowCount)
        showPage(row);
}

void DeviceConfigureWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;

    m_manager->ReqDevAllConfigParam();
    m_hintWnd->setHintText(tr("参数初始化中，请稍候..."));
    m_hintWnd->showOkBtn(true);
    m_hintWnd->show();
}

void DeviceConfigureWnd::onSignalUpdateDevConfigParamOver()
{
    qDebug() << "onSignalUpdateDevConfigParamOver";
    m_firstShowDone = true;
    m_hintWnd->hide();
}

#include "moc_DeviceConfigureWnd.cpp"
