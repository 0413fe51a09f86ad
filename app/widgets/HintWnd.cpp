#include "HintWnd.h"
#include "OverlayCover.h"
#include "ui_HintWnd.h"

#include <QTimer>

namespace {
const int kCountdownStart = 3;
}

HintWnd::HintWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::HintWnd)
    , m_countdown(kCountdownStart)
{
    m_timer = new QTimer(this);
    m_ui->setupUi(this);
    OverlayCover::attach(this);
    m_ui->path->hide();
    m_ui->timerLabel->hide();
    m_ui->timerLabel->setText(QString::number(kCountdownStart));
    connect(m_ui->Ok_Button, &QPushButton::clicked, this, &HintWnd::onOkButtonClicked);
    connect(m_timer, &QTimer::timeout, this, &HintWnd::onTimeOut);
}

HintWnd::~HintWnd()
{
    m_timer->disconnect(this);
    delete m_timer;
}

void HintWnd::setHintText(const QString &text)
{
    m_ui->Hint_Text->setText(text);
}

void HintWnd::setPathText(const QString &text)
{
    m_ui->path->resize(336, 13);
    m_ui->path->setText(text);
}

void HintWnd::showPathLabel(bool show)
{
    m_ui->path->setVisible(show);
}

void HintWnd::showOkBtn(bool show)
{
    m_ui->Ok_Button->setVisible(show);
}

void HintWnd::showCountdown(bool show)
{
    if (show) {
        m_countdown = kCountdownStart;
        m_ui->timerLabel->setText(QString::number(m_countdown));
        m_ui->timerLabel->show();
        m_timer->start(m_countdownStep);
        return;
    }
    m_ui->timerLabel->hide();
    if (m_timer->isActive())
        m_timer->stop();
}

void HintWnd::setCountdownStep(int milliseconds)
{
    m_countdownStep = milliseconds;
}

void HintWnd::onOkButtonClicked()
{
    emit okButtonClicked();
    close();
}

void HintWnd::onTimeOut()
{
    const int before = m_countdown--;
    if (before == 1) {
        // The label keeps showing "1": the caller acts on timeOver().
        m_timer->stop();
        emit timeOver();
        return;
    }
    m_ui->timerLabel->setText(QString::number(m_countdown));
}
