#include "CLoginWidget.h"

#include "BatchInitDlg.h"
#include "InitWidget.h"
#include "LabelElider.h"
#include "LoadingPlugin.h"
#include "LocalText.h"
#include "LoginListItem.h"
#include "LoginManager.h"
#include "PwdRecoverWidget.h"
#include "WindowDragger.h"
#include "ui_LoginWidgetNew.h"

#include <QDateTime>
#include <QDebug>
#include <QListWidgetItem>
#include <QRegExp>
#include <QRegExpValidator>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// Inside the brackets "*-." is the range from '*' to '.', so '+' and ',' pass
// as well; cameras in the field have passwords made under this rule.
const char *const kPasswordPattern = "[0-9a-zA-Z~!@#$%&*-.]+$";
// The password of every camera whose ability description allows log-in without one.
const char *const kNoPasswordLoginPassword = "582914";
constexpr unsigned long kLoginStepPauseMs = 50;
const QSize kRowSizeHint(548, 50);
const QRect kDragBand(1, 1, 579, 149); // 0 < x < 580, 0 < y < 150

} // namespace

CLoginWidget::CLoginWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::LoginWidgetNew)
    , m_loginManager(new LoginManager)
    , m_loading(nullptr)
    , m_pwdRecoverWidget(nullptr)
    , m_initWidget(nullptr)
{
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    m_ui->resultFrame->hide();
    m_ui->listWidget->hide();
    m_ui->reidentifyFrame->hide();
    m_ui->loginFrame->hide();
    m_ui->loginRetFrame->hide();

    m_ui->pwdInput->setPlaceholderText(tr("请输入密码"));
    m_ui->pwdInput->setEchoMode(QLineEdit::Password);
    m_ui->pwdInput->setValidator(
            new QRegExpValidator(QRegExp(QString::fromLatin1(kPasswordPattern)), m_ui->pwdInput));
    m_ui->pwdInput->setContextMenuPolicy(Qt::NoContextMenu);

    m_loading = new LoadingPlugin(m_ui->devListFrame);
    m_loading->hide();
    // The prompt's error line keeps its room, so the Log in button stays put
    // when the line comes and goes.
    QSizePolicy errorPolicy = m_ui->errorTextFrame->sizePolicy();
    errorPolicy.setRetainSizeWhenHidden(true);
    m_ui->errorTextFrame->setSizePolicy(errorPolicy);

    m_pwdRecoverWidget = new PwdRecoverWidget(this);
    m_pwdRecoverWidget->move(0, 0);
    m_pwdRecoverWidget->hide();

    m_initWidget = new InitWidget(this);
    m_initWidget->resize(size());
    m_initWidget->move(0, 0);
    m_initWidget->raise();
    m_initWidget->hide();

    m_ui->errorTxt->setWordWrap(true);
    m_ui->errorTxt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont errorFont = m_ui->errorTxt->font();
    errorFont.setPointSize(9);
    m_ui->errorTxt->setFont(errorFont);

    LabelElider::keepElided(m_ui->devIdTxt);
    LabelElider::keepElided(m_ui->polIdTxt);

    m_ui->visionlabel->setText(buildLabelText(__DATE__));
    new WindowDragger(this, &CLoginWidget::inDragBand);

    connect(m_ui->minBtn, &QPushButton::clicked, this, &CLoginWidget::onMinBtnClicked);
    connect(m_ui->closeBtn, &QPushButton::clicked, this, &CLoginWidget::onCloseBtnClicked);
    connect(m_ui->recogniteBtn, &QPushButton::clicked, this, &CLoginWidget::onRecogniteBtnClicked);
    connect(m_ui->reidentifyBtn, &QPushButton::clicked, this, &CLoginWidget::onReidentifyBtnClicked);
    connect(m_ui->reidentifyBtn_2, &QPushButton::clicked, this, &CLoginWidget::onReidentifyBtnClicked);
    connect(m_ui->listWidget, &QListWidget::itemPressed, this, &CLoginWidget::onListItemPressed);
    connect(m_ui->pwdInput, &QLineEdit::cursorPositionChanged, this, &CLoginWidget::onCursorPositionChanged);
    connect(m_ui->pwdInput, &QLineEdit::returnPressed, this, &CLoginWidget::onLoginBtnClicked);
    connect(m_ui->loginBtn, &QPushButton::clicked, this, &CLoginWidget::onLoginBtnClicked);
    connect(m_ui->backBtn, &QPushButton::clicked, this, &CLoginWidget::onBackBtnClicked);
    connect(m_ui->recoverPwdBtn, &QPushButton::clicked, this, &CLoginWidget::onRecoverPwdBtnClicked);
    connect(m_pwdRecoverWidget, &PwdRecoverWidget::backClicked, this, &CLoginWidget::onRcoverBackBtnClicked);
    connect(m_pwdRecoverWidget, &PwdRecoverWidget::minClicked, this, &CLoginWidget::onMinBtnClicked);
    connect(m_pwdRecoverWidget, &PwdRecoverWidget::closeClicked, this, &CLoginWidget::onCloseBtnClicked);
    connectPageSignals();
}

CLoginWidget::~CLoginWidget()
{
    disconnect(m_pwdRecoverWidget, nullptr, this, nullptr);
    disconnectPageSignals();
}

void CLoginWidget::connectPageSignals()
{
    if (!m_pageConnections.isEmpty())
        return;
    LoginManager *manager = m_loginManager.data();
    m_pageConnections = {
            connect(manager, &LoginManager::loginResult, this, &CLoginWidget::onLoginResult),
            connect(manager, &LoginManager::SendLoginCmdFailure, this, &CLoginWidget::onSendLoginCmdFailure),
            connect(manager, &LoginManager::refreshFail, this, &CLoginWidget::onRefreshFail),
            connect(manager, &LoginManager::listUpdate, this, &CLoginWidget::onListUpdate),
            connect(manager, &LoginManager::sigRecvDevJsonAbility, this, &CLoginWidget::onRefreshPage),
            connect(manager, &LoginManager::sigRecvDevActiveCap, this, &CLoginWidget::onRecvDevActiveCap),
            connect(manager, &LoginManager::sigShowInitPage, this, &CLoginWidget::onShowInitPage),
            connect(m_initWidget, &InitWidget::sigShowLoginInput, this, &CLoginWidget::onShowLoginInput),
    };
}

void CLoginWidget::disconnectPageSignals()
{
    for (const QMetaObject::Connection &connection : qAsConst(m_pageConnections))
        disconnect(connection);
    m_pageConnections.clear();
}

QString CLoginWidget::buildLabelText(const char *compilerDate)
{
    static const char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const QString label = QStringLiteral("Build");
    char month[4] = {};
    int day = 0;
    int year = 0;
    if (!compilerDate || std::sscanf(compilerDate, "%3s %d %d", month, &day, &year) != 3
        || std::strlen(month) != 3)
        return label;
    const char *found = std::strstr(kMonths, month);
    if (!found || (found - kMonths) % 3 != 0)
        return label;

    std::tm midnight = {};
    midnight.tm_year = year - 1900;
    midnight.tm_mon = int(found - kMonths) / 3;
    midnight.tm_mday = day;
    midnight.tm_isdst = -1; // the local rules decide whether summer time applies
    const std::time_t seconds = std::mktime(&midnight);
    if (seconds == std::time_t(-1))
        return label;
    return label + QDateTime::fromSecsSinceEpoch(qint64(seconds)).toString(QStringLiteral("yyyyMMdd"));
}

QString CLoginWidget::loginFailureText(int locktime)
{
    if (locktime == 0)
        return tr("输入的密码错误");
    // A camera that reports more than the lock's length must not show a
    // negative wait, nor a wait longer than the lock.
    const qint64 left = qBound<qint64>(0, qint64(kLockSeconds) - locktime, kLockSeconds);
    return tr("设备已锁定") + QString::number(left) + tr("秒");
}

bool CLoginWidget::inDragBand(const QPoint &pos)
{
    return kDragBand.contains(pos);
}

void CLoginWidget::onMinBtnClicked()
{
    showMinimized();
}

void CLoginWidget::onCloseBtnClicked()
{
    showBusy(Busy::Exiting, tr("正在退出，请稍候..."));
    m_loginManager->closeLoginDevice();
    close();
}

void CLoginWidget::onRecogniteBtnClicked()
{
    m_ui->recogniteBtn->hide();
    m_ui->listWidget->clear();
    startRecognition();
}

void CLoginWidget::onReidentifyBtnClicked()
{
    qDebug() << "onReidentifyBtnClicked";
    m_ui->resultFrame->hide();
    m_ui->refreshFrame->hide();
    m_ui->listWidget->hide();
    startRecognition();
}

void CLoginWidget::startRecognition()
{
    m_ui->loginFrame->hide();
    m_ui->loginRetFrame->hide();
    m_ui->pwdInput->clear();
    m_ui->pwdInput->clearFocus();
    showBusy(Busy::Recognising, tr("正在识别设备，请稍候..."));
    m_loginManager->refreshDevice();
}

void CLoginWidget::onRefreshFail()
{
    hideBusy();
    showNoDevice();
}

void CLoginWidget::showNoDevice()
{
    m_ui->resultFrame->hide();
    m_ui->recogniteBtn->hide();
    m_ui->refreshFrame->show();
    m_ui->reidentifyFrame->show();
}

void CLoginWidget::onListUpdate(QMap<int, DEVICE_ID_PARA_T *> devMap)
{
    hideBusy();
    if (devMap.isEmpty()) {
        showNoDevice();
        return;
    }
    m_ui->refreshFrame->hide();
    m_ui->resultFrame->show();
    // Kept in English in every language, as the cameras' own tool shows it.
    m_ui->resultText->setText(QString::number(devMap.size())
                              + QStringLiteral(" device(s) recognized. Select one first."));

    m_ui->listWidget->clear();
    m_ui->listWidget->show();
    for (auto it = devMap.cbegin(); it != devMap.cend(); ++it) {
        const DEVICE_ID_PARA_T *record = it.value();
        if (!record)
            continue;
        auto *item = new QListWidgetItem;
        item->setSizeHint(kRowSizeHint);
        m_ui->listWidget->insertItem(it.key(), item);
        auto *row = new LoginListItem;
        row->setDevId(LocalText::decodeField(record->deviceId, int(sizeof record->deviceId)));
        row->setPolId(LocalText::decodeField(record->userId, int(sizeof record->userId)));
        row->setIndex(it.key());
        m_ui->listWidget->setItemWidget(item, row);
    }
}

void CLoginWidget::onListItemPressed(QListWidgetItem *pItem)
{
    auto *row = qobject_cast<LoginListItem *>(m_ui->listWidget->itemWidget(pItem));
    if (!row)
        return;
    m_ui->errorTextFrame->hide();
    m_ui->refreshFrame->hide();
    m_ui->resultFrame->hide();
    m_ui->listWidget->hide();

    m_selectedIndex = row->getIndex();
    m_pwdRecoverWidget->setDevId(row->getDevId());
    m_pwdRecoverWidget->setPolId(row->getPolId());
    m_pwdRecoverWidget->setDevIndex(m_selectedIndex);
    m_loginManager->setDevIdInfo(row->getDevId(), row->getPolId());

    // The labels are cut to their width, which they have only once the frame
    // is shown and laid out; LabelElider cuts them again when it arrives.
    m_ui->loginFrame->show();
    if (QLayout *layout = m_ui->devListFrame->layout())
        layout->activate();
    LabelElider::setText(m_ui->devIdTxt, row->getDevId());
    LabelElider::setText(m_ui->polIdTxt, row->getPolId());

    m_ui->pwdInput->clear();
    m_ui->pwdInput->setFocus();
    showBusy(Busy::Loading, tr("正在加载，请稍候..."));
    if (m_loginManager->reqDevActiveCap(m_selectedIndex) != 0)
        failUnanswerable();
}

void CLoginWidget::onRecvDevActiveCap(bool bdevpwd, bool bappwd)
{
    const int sent = m_loginManager->reqDevActiveStatus(m_selectedIndex);
    if (bdevpwd)
        m_initWidget->setApEnabled(bappwd);
    if (sent != 0)
        failUnanswerable();
}

void CLoginWidget::onShowInitPage(int result)
{
    if (result != 0) {
        m_initWidget->hide();
        hideBusy();
        requestAbility();
        return;
    }
    m_initWidget->setDevIndex(m_selectedIndex);
    m_initWidget->setGeometry(rect());
    m_initWidget->raise();
    m_initWidget->show();
}

void CLoginWidget::onShowLoginInput(bool intoLogin)
{
    m_initWidget->hide();
    hideBusy();
    if (intoLogin)
        requestAbility();
    else
        backToDeviceList();
}

void CLoginWidget::requestAbility()
{
    if (m_loginManager->reqDevJsonAbility(m_selectedIndex) != 0)
        failUnanswerable();
}

void CLoginWidget::failUnanswerable()
{
    hideBusy();
    showLoginError(tr("登录失败，请重启后再登录"));
}

void CLoginWidget::onRefreshPage(bool ret, int nopwd)
{
    if (!ret || nopwd != 1)
        return;
    m_ui->pwdInput->setText(QString::fromLatin1(kNoPasswordLoginPassword));
    onLoginBtnClicked();
}

void CLoginWidget::onLoginBtnClicked()
{
    // One log-in at a time: a second press would count as a second attempt
    // toward the camera's lock, or bring a second success.
    if (m_loginPending)
        return;
    const QString password = m_ui->pwdInput->text();
    if (password.isEmpty()) {
        showLoginError(tr("密码不能为空"));
        return;
    }
    if (password.length() < kMinPasswordLength) {
        showLoginError(tr("输入的密码错误"));
        return;
    }
    m_ui->errorTextFrame->hide();
    m_ui->refreshFrame->hide();
    m_ui->listWidget->hide();
    showBusy(Busy::LoggingIn, tr("登录中，请稍候..."));
    m_loginPending = true;
    startLogin();
}

void CLoginWidget::startLogin()
{
    // The camera wants its code and firmware asked for before the log-in, with a pause after each.
    m_loginManager->reqDevCode(m_selectedIndex);
    QThread::msleep(kLoginStepPauseMs);
    m_loginManager->reqDevFW(m_selectedIndex);
    QThread::msleep(kLoginStepPauseMs);
    m_loginManager->reqLogin(m_selectedIndex, m_ui->pwdInput->text());
}

void CLoginWidget::onLoginResult(bool ret, int locktime)
{
    m_loginPending = false;
    hideBusy();
    if (ret)
        return;
    showLoginError(loginFailureText(locktime));
}

void CLoginWidget::onSendLoginCmdFailure()
{
    m_loginPending = false;
    hideBusy();
    showLoginError(tr("登录失败，请重启后再登录"));
}

void CLoginWidget::showLoginError(const QString &text)
{
    m_ui->errorTxt->setText(text);
    m_ui->errorTextFrame->show();
}

void CLoginWidget::onCursorPositionChanged(int, int)
{
    m_ui->pwdInput->setStyleSheet(QStringLiteral("color: rgb(0, 0, 0); border: none;"));
}

void CLoginWidget::onBackBtnClicked()
{
    backToDeviceList();
}

void CLoginWidget::backToDeviceList()
{
    m_ui->loginFrame->hide();
    m_ui->loginRetFrame->hide();
    m_ui->pwdInput->clear();
    m_ui->pwdInput->clearFocus();
    m_ui->listWidget->show();
    m_ui->resultFrame->show();
}

void CLoginWidget::onRecoverPwdBtnClicked()
{
    m_ui->frame->hide();
    m_pwdRecoverWidget->move(0, 0);
    m_pwdRecoverWidget->show();
}

void CLoginWidget::onRcoverBackBtnClicked()
{
    m_ui->frame->show();
    m_pwdRecoverWidget->hide();
    m_ui->errorTextFrame->hide();
    m_ui->pwdInput->clear();
    m_ui->pwdInput->clearFocus();
}

void CLoginWidget::onPwdTextChanged(QString) { }

void CLoginWidget::on_batchInitBtn_clicked()
{
    BatchInitDlg dialog;
    const QSize margin = (size() - dialog.size()) / 2;
    dialog.move(mapToGlobal(QPoint(0, 0)) + QPoint(margin.width(), margin.height()));
    // The dialog's own controller answers the shared device notifications
    // while it runs; this window must not act on them meanwhile.
    disconnectPageSignals();
    dialog.showDlg();
    connectPageSignals();
    if (dialog.discoveryStarted())
        backToStart();
}

void CLoginWidget::backToStart()
{
    hideBusy();
    m_initWidget->hide();
    m_ui->resultFrame->hide();
    m_ui->listWidget->clear();
    m_ui->listWidget->hide();
    m_ui->reidentifyFrame->hide();
    m_ui->loginFrame->hide();
    m_ui->loginRetFrame->hide();
    m_ui->errorTextFrame->hide();
    m_ui->pwdInput->clear();
    m_ui->pwdInput->clearFocus();
    m_ui->refreshFrame->show();
    m_ui->recogniteBtn->show();
    m_selectedIndex = -1;
}

void CLoginWidget::showBusy(Busy busy, const QString &text)
{
    // The overlay covers what is waiting: the list area while recognising,
    // loading and logging in, the window while exiting. While logging in the
    // prompt stays readable under the veil, so the busy row goes below it.
    QWidget *host = busy == Busy::Exiting ? static_cast<QWidget *>(this) : m_ui->devListFrame;
    if (m_loading->parentWidget() != host)
        m_loading->setParent(host);
    QMargins rowMargins;
    if (busy == Busy::LoggingIn) {
        if (QLayout *layout = m_ui->devListFrame->layout())
            layout->activate();
        rowMargins.setTop(m_ui->loginFrame->mapTo(host, QPoint(0, m_ui->loginFrame->height())).y());
    }
    m_loading->setRowMargins(rowMargins);
    m_loading->SetWaitingText(text);
    m_loading->show();
}

void CLoginWidget::hideBusy()
{
    m_loading->hide();
}
