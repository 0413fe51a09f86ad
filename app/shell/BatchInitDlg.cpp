#include "BatchInitDlg.h"
#include "ui_BatchInitDlg.h"

#include "ActivationRules.h"
#include "CommonFunc.h"
#include "LocalText.h"
#include "LoginManager.h"
#include "WindowDragger.h"

#include <QDebug>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRegExpValidator>

namespace {

constexpr int kStatusColumn = 1;
constexpr int kRowHeight = 50;
constexpr int kDevicePasswordMax = 6;
constexpr int kApPasswordMax = 31;

bool inDragBand(const QPoint &point)
{
    return point.x() > 0 && point.x() < 850 && point.y() > 0 && point.y() < 150;
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

BatchInitDlg::BatchInitDlg(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::BatchInitDlg)
    , m_mainManager(MainManager::GetInstance())
    , m_loginManager(new LoginManager)
{
    m_ui->setupUi(this);
    keepRoomWhenHidden({m_ui->newErrorFrame, m_ui->confirmErrorFrame, m_ui->newPwdErrorFrame_ap,
                        m_ui->confirmErrorFrame_ap});
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    new WindowDragger(this, inDragBand);

    QTableWidget *table = m_ui->tableWidget;
    table->setColumnWidth(kStatusColumn, 300);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->verticalHeader()->hide();
    m_ui->devStackedWidget->setCurrentIndex(0);

    const auto deviceValidator = new QRegExpValidator(QRegExp(QStringLiteral("[0-9]+$")), this);
    const auto apValidator =
            new QRegExpValidator(QRegExp(QStringLiteral("[a-zA-Z0-9~!@#$%^&*()_+-=;':,./<>?|{}]+")), this);
    m_inputs = {m_ui->newPwdInput, m_ui->rePwdInput, m_ui->newPwdInput_ap, m_ui->rePwdInput_ap};
    for (QLineEdit *input : qAsConst(m_inputs)) {
        const bool device = input == m_ui->newPwdInput || input == m_ui->rePwdInput;
        input->setMaxLength(device ? kDevicePasswordMax : kApPasswordMax);
        input->setEchoMode(QLineEdit::Password);
        input->setValidator(device ? deviceValidator : apValidator);
        input->installEventFilter(this);
    }
    // The error lines keep their room, so the inputs do not jump.
    for (QWidget *frame : {m_ui->newErrorFrame, m_ui->confirmErrorFrame, m_ui->newPwdErrorFrame_ap,
                           m_ui->confirmErrorFrame_ap}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
    }
    hideErrors();

    connect(m_ui->recogniteBtn, &QPushButton::clicked, this, &BatchInitDlg::onRecogniteBtnClicked);
    connect(m_ui->closeBtn, &QPushButton::clicked, this, &BatchInitDlg::onCancleBtnClicked);
    connect(m_loginManager, &LoginManager::refreshFail, this, &BatchInitDlg::onRefreshFail);
    connect(m_loginManager, &LoginManager::listUpdate, this, &BatchInitDlg::onListUpdate);
    connect(m_loginManager, &LoginManager::sigRecvDevActiveCap, this, &BatchInitDlg::onRecvDevActiveCap);
    connect(m_loginManager, &LoginManager::sigShowInitPage, this, &BatchInitDlg::onShowInitPage);
    connect(m_mainManager, &MainManager::reqSetDevAPActivate, this, &BatchInitDlg::onSetDevAPActivate);
    connect(m_mainManager, &MainManager::reqSetDevActivate, this, &BatchInitDlg::onSetDevActivate);
}

BatchInitDlg::~BatchInitDlg()
{
    disconnect(m_mainManager, nullptr, this, nullptr);
    delete m_loginManager;
}

int BatchInitDlg::showDlg()
{
    for (QLineEdit *input : qAsConst(m_inputs))
        input->clear();
    hideErrors();
    return exec();
}

bool BatchInitDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_inputs.contains(qobject_cast<QLineEdit *>(watched))) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void BatchInitDlg::hideErrors()
{
    m_ui->newErrorFrame->hide();
    m_ui->confirmErrorFrame->hide();
    m_ui->newPwdErrorFrame_ap->hide();
    m_ui->confirmErrorFrame_ap->hide();
}

void BatchInitDlg::setInputsEnabled(bool enabled)
{
    m_ui->recogniteBtn->setEnabled(enabled);
    for (QLineEdit *input : qAsConst(m_inputs))
        input->setEnabled(enabled);
}

void BatchInitDlg::onRecogniteBtnClicked()
{
    qDebug() << "onRecogniteBtnClicked";
    hideErrors();
    const QString devPwd = m_ui->newPwdInput->text();
    const QString apPwd = m_ui->newPwdInput_ap->text();
    if (!ActivationRules::checkForm(m_ui.data()))
        return;

    m_devPwd = devPwd;
    m_apPwd = apPwd;
    setInputsEnabled(false);
    m_running = true;
    m_discoveryStarted = true;
    m_ui->labNoDev->setText(tr("正在识别设备，请稍候..."));
    m_ui->devStackedWidget->setCurrentIndex(1);
    m_loginManager->refreshDevice();
}

void BatchInitDlg::onCancleBtnClicked()
{
    reject();
}

void BatchInitDlg::showNoDevice(const QString &text)
{
    m_ui->labNoDev->setText(text);
    m_ui->devStackedWidget->setCurrentIndex(1);
    finishRun();
}

void BatchInitDlg::onRefreshFail()
{
    qDebug() << "BatchInitDlg onRefreshFail";
    if (m_running)
        showNoDevice(tr("未识别到设备，请检查连接"));
}

void BatchInitDlg::onListUpdate(QMap<int, DEVICE_ID_PARA_T *> devMap)
{
    if (!m_running)
        return;
    if (devMap.isEmpty()) {
        showNoDevice(tr("未识别到设备，请检查连接"));
        return;
    }
    m_ui->devStackedWidget->setCurrentIndex(0);
    QTableWidget *table = m_ui->tableWidget;
    table->clearContents();
    table->setRowCount(devMap.size());
    m_keys = devMap.keys();
    for (int row = 0; row < m_keys.size(); ++row) {
        const int index = m_keys.at(row);
        const DEVICE_ID_PARA_T *record = devMap.value(index);
        table->setItem(row, 0, cell(QString::number(index + 1)));
        table->setItem(row, kStatusColumn, cell(QString()));
        if (record) {
            // The camera's own 8-bit texts, as the log-in list shows them.
            table->setItem(row, 2, cell(LocalText::decodeField(record->userId, sizeof record->userId)));
            table->setItem(row, 3, cell(LocalText::decodeField(record->deviceId, sizeof record->deviceId)));
        }
    }
    m_row = 0;
    askCapability();
}

void BatchInitDlg::setStatus(const QString &text)
{
    if (QTableWidgetItem *item = m_ui->tableWidget->item(m_row, kStatusColumn))
        item->setText(text);
}

void BatchInitDlg::askCapability()
{
    m_curIndex = m_keys.at(m_row);
    m_pending = 0;
    if (m_loginManager->reqDevActiveCap(m_curIndex) != 0) {
        setStatus(ActivationRules::outcomeText(ActivationRules::Outcome::Failed));
        nextDevice();
    }
}

void BatchInitDlg::onRecvDevActiveCap(bool bdevpwd, bool bappwd)
{
    if (!m_running || m_keys.isEmpty())
        return;
    m_bDevpwd = bdevpwd;
    m_bAppwd = bappwd;
    if (m_loginManager->reqDevActiveStatus(m_curIndex) != 0) {
        setStatus(ActivationRules::outcomeText(ActivationRules::Outcome::Failed));
        nextDevice();
    }
}

void BatchInitDlg::onShowInitPage(int result)
{
    if (!m_running || m_keys.isEmpty() || m_pending != 0)
        return;
    if (result != 0) {
        setStatus(tr("已激活"));
        nextDevice();
        return;
    }
    m_devResultGood = false;
    m_apResultGood = false;
    m_lastApResult = 0;
    setStatus(tr("未激活"));
    m_pending = 1;
    const bool deviceSent = m_mainManager->SetDevActiveInfo(m_curIndex, m_devPwd);
    bool apSent = true;
    if (m_bAppwd) {
        m_pending = 2;
        apSent = m_mainManager->SetDevActiveAPInfo(m_curIndex, m_apPwd);
    } else {
        m_apResultGood = true;
    }
    // A request that was not written gets no reply: count it as a failed one
    // now, after both were tried, so the run does not wait for it.
    if (!deviceSent)
        onSetDevActivate(-1);
    if (!apSent)
        onSetDevAPActivate(-1);
}

void BatchInitDlg::onSetDevAPActivate(int result)
{
    if (m_pending <= 0)
        return;
    --m_pending;
    m_lastApResult = result;
    m_apResultGood = result == 0;
    record();
}

void BatchInitDlg::onSetDevActivate(int result)
{
    if (m_pending <= 0)
        return;
    --m_pending;
    m_devResultGood = result == 0;
    record();
}

void BatchInitDlg::record()
{
    if (m_pending != 0)
        return;
    setStatus(ActivationRules::outcomeText(
            ActivationRules::outcome(m_devResultGood, m_apResultGood, m_lastApResult)));
    nextDevice();
}

void BatchInitDlg::nextDevice()
{
    if (m_row + 1 >= m_keys.size()) {
        finishRun();
        return;
    }
    ++m_row;
    askCapability();
}

void BatchInitDlg::finishRun()
{
    m_running = false;
    m_pending = 0;
    setInputsEnabled(true);
}
