#include "SafeConfigWnd.h"
#include "ui_SafeConfigWnd.h"

#include "CommonFunc.h"
#include "MainManager.h"

#include <QKeyEvent>
#include <QRegularExpression>

namespace {
constexpr int kPasswordLength = 6;
} // namespace

SafeConfigWnd::SafeConfigWnd(QWidget *parent)
    : ParamPage(parent, {Refresh::OnRequest, false})
    , m_ui(new Ui::SafeConfigWnd)
{
    m_ui->setupUi(this);
    addErrorFrame(m_ui->Point_Frame_1, m_ui->Point_Out_1);
    addErrorFrame(m_ui->Point_Frame_2, m_ui->Point_Out_2);
    addErrorFrame(m_ui->Point_Frame_3, m_ui->Point_Out_3);
    resetInput();

    for (QLineEdit *edit : {static_cast<QLineEdit *>(m_ui->pwd_old_edit),
                            static_cast<QLineEdit *>(m_ui->pwd_new_edit),
                            static_cast<QLineEdit *>(m_ui->pwd_config_edit)}) {
        edit->setEchoMode(QLineEdit::Password);
        edit->installEventFilter(this);
        edit->setMaxLength(kPasswordLength);
    }
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &SafeConfigWnd::onSaveBtnClicked);
    connectResult(&MainManager::reqSetDevPwd, &SafeConfigWnd::onReqSetDevPwdRes);
}

SafeConfigWnd::~SafeConfigWnd() = default;

bool SafeConfigWnd::isNoPasswordDevice() const
{
    return manager()->IsJsonAbility() && manager()->GetJsonAbility().supportNoPwdLogin == 1;
}

void SafeConfigWnd::resetInput()
{
    m_ui->pwd_old_edit->clear();
    m_ui->pwd_config_edit->clear();
    m_ui->pwd_new_edit->clear();
    hideErrorFrames();
    const bool oldRow = !isNoPasswordDevice();
    m_ui->pwd_old_edit->setVisible(oldRow);
    m_ui->label_2->setVisible(oldRow);
}

bool SafeConfigWnd::eventFilter(QObject *watched, QEvent *event)
{
    const bool field = watched == m_ui->pwd_old_edit || watched == m_ui->pwd_new_edit
            || watched == m_ui->pwd_config_edit;
    if (field && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll))
            return true;
    }
    return ParamPage::eventFilter(watched, event);
}

bool SafeConfigWnd::checkInput()
{
    const QString oldPassword = m_ui->pwd_old_edit->text();
    const QString newPassword = m_ui->pwd_new_edit->text();
    const QString confirmation = m_ui->pwd_config_edit->text();
    hideErrorFrames();

    const bool noPassword = isNoPasswordDevice();
    static const QRegularExpression kDigits(QStringLiteral("\\A[0-9]+\\z"));

    if (!noPassword && oldPassword != manager()->getLoginPwd()) {
        showError(m_ui->Point_Frame_1, tr("输入的密码错误"));
        return false;
    }
    if (manager()->IsFwVersion() && newPassword.isEmpty()) {
        showError(m_ui->Point_Frame_2, tr("密码不能为空"));
        return false;
    }
    if (!kDigits.match(newPassword).hasMatch()) {
        showError(m_ui->Point_Frame_2, tr("6位数字"));
        return false;
    }
    if (newPassword.size() < kPasswordLength) {
        showError(m_ui->Point_Frame_2, tr("请输入六位密码"));
        return false;
    }
    if (!noPassword && newPassword == oldPassword) {
        showError(m_ui->Point_Frame_2, tr("新旧密码不可相同"));
        return false;
    }
    if (confirmation != newPassword) {
        showError(m_ui->Point_Frame_3, tr("密码输入不一致"));
        return false;
    }
    return true;
}

void SafeConfigWnd::onSaveBtnClicked()
{
    if (!checkInput())
        return;
    beginSave();
    // A camera that logs in without a password was logged in with the
    // built-in one: the change names that as the old password, since the
    // device core refuses any other.
    const QString oldPassword = isNoPasswordDevice() ? manager()->getLoginPwd() : m_ui->pwd_old_edit->text();
    if (!manager()->ChangeDevPassword(oldPassword, m_ui->pwd_new_edit->text()))
        saveRefused();
}

void SafeConfigWnd::onReqSetDevPwdRes(int result)
{
    finishSave(result);
}
