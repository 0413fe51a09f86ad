#include "InitWidget.h"

#include "ActivationRules.h"
#include "CommonFunc.h"
#include "MainManager.h"
#include "PopupWidget.h"
#include "ui_InitWidget.h"

#include <QKeyEvent>
#include <QRegExp>
#include <QRegExpValidator>

namespace {

constexpr int kDevicePasswordMaxLength = 6;
constexpr int kApPasswordMaxLength = 31;
const char *const kDevicePasswordPattern = "[0-9]+$";
// Inside the brackets "+-=" is the range from '+' to '=', as the cameras expect.
const char *const kApPasswordPattern = "[a-zA-Z0-9~!@#$%^&*()_+-=;':,./<>?|{}]+";

} // namespace

InitWidget::InitWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::InitWidget)
    , m_mainManager(MainManager::GetInstance())
    , m_toast(nullptr)
{
    m_ui->setupUi(this);
    keepRoomWhenHidden({m_ui->newErrorFrame, m_ui->confirmErrorFrame, m_ui->newPwdErrorFrame_ap,
                        m_ui->confirmErrorFrame_ap});

    const struct
    {
        QLineEdit *input;
        int maxLength;
        const char *pattern;
    } inputs[] = {
            {m_ui->newPwdInput, kDevicePasswordMaxLength, kDevicePasswordPattern},
            {m_ui->rePwdInput, kDevicePasswordMaxLength, kDevicePasswordPattern},
            {m_ui->newPwdInput_ap, kApPasswordMaxLength, kApPasswordPattern},
            {m_ui->rePwdInput_ap, kApPasswordMaxLength, kApPasswordPattern},
    };
    for (const auto &entry : inputs) {
        entry.input->setMaxLength(entry.maxLength);
        entry.input->setEchoMode(QLineEdit::Password);
        entry.input->setValidator(
                new QRegExpValidator(QRegExp(QString::fromLatin1(entry.pattern)), entry.input));
        entry.input->installEventFilter(this);
    }

    m_toast = new PopupWidget(this);
    m_toast->hide();
    m_toast->raise();

    m_ui->apwidget->setVisible(m_apEnabled);
    hideErrorFrames();

    connect(m_ui->Ok_Button, &QPushButton::clicked, this, &InitWidget::onOkBtnClicked);
    connect(m_ui->Cancle_Button, &QPushButton::clicked, this, &InitWidget::onCancleBtnClicked);
    connect(m_mainManager, &MainManager::reqSetDevAPActivate, this, &InitWidget::onSetDevAPActivate);
    connect(m_mainManager, &MainManager::reqSetDevActivate, this, &InitWidget::onSetDevActivate);
}

InitWidget::~InitWidget() = default;

void InitWidget::setApEnabled(bool enabled)
{
    m_apEnabled = enabled;
    m_ui->apwidget->setVisible(enabled);
}

void InitWidget::setDevIndex(int index)
{
    m_devIndex = index;
}

void InitWidget::onOkBtnClicked()
{
    m_lastApResult = 0;
    m_devResultGood = false;
    m_apResultGood = false;
    m_pendingCount = 0;
    hideErrorFrames();

    if (!ActivationRules::checkForm(m_ui.data()))
        return;

    m_devPassword = m_ui->newPwdInput->text();
    m_apPassword = m_ui->newPwdInput_ap->text();

    bool sent = m_mainManager->SetDevActiveInfo(m_devIndex, m_devPassword);
    m_pendingCount = 1;
    if (m_apEnabled) {
        // An empty hotspot password goes out too: the camera then asks for a new one.
        m_pendingCount = 2;
        sent = m_mainManager->SetDevActiveAPInfo(m_devIndex, m_apPassword) && sent;
    } else {
        m_apResultGood = true;
    }
    // The count keeps what was sent, so a lone reply cannot complete a half-sent
    // exchange; the operator tries again with Ok_Button.
    if (!sent)
        showToast(ActivationRules::outcomeText(ActivationRules::Outcome::Failed));
}

void InitWidget::onCancleBtnClicked()
{
    // A reply still on its way must not finish an exchange the operator left.
    m_pendingCount = 0;
    emit sigShowLoginInput(false);
}

void InitWidget::onSetDevAPActivate(int result)
{
    --m_pendingCount;
    m_lastApResult = result;
    m_apResultGood = result == 0;
    decideWhenComplete();
}

void InitWidget::onSetDevActivate(int result)
{
    --m_pendingCount;
    m_devResultGood = result == 0;
    decideWhenComplete();
}

void InitWidget::decideWhenComplete()
{
    if (m_pendingCount != 0)
        return;
    const ActivationRules::Outcome outcome =
            ActivationRules::outcome(m_devResultGood, m_apResultGood, m_lastApResult);
    showToast(ActivationRules::outcomeText(outcome));
    if (outcome == ActivationRules::Outcome::Activated)
        emit sigShowLoginInput(true);
}

bool InitWidget::eventFilter(QObject *watched, QEvent *event)
{
    // The four inputs are the only objects this page watches.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void InitWidget::showEvent(QShowEvent *event)
{
    m_ui->newPwdInput->clear();
    m_ui->rePwdInput->clear();
    m_ui->newPwdInput_ap->clear();
    m_ui->rePwdInput_ap->clear();
    hideErrorFrames();
    m_toast->hide();
    QWidget::showEvent(event);
}

void InitWidget::hideErrorFrames()
{
    m_ui->newErrorFrame->hide();
    m_ui->confirmErrorFrame->hide();
    m_ui->newPwdErrorFrame_ap->hide();
    m_ui->confirmErrorFrame_ap->hide();
}

void InitWidget::showToast(const QString &text)
{
    m_toast->setText(text);
    m_toast->show();
}
