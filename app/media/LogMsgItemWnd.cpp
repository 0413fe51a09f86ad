#include "LogMsgItemWnd.h"

#include "CommonFunc.h"
#include "ui_LogMsgItemWnd.h"

LogMsgItemWnd::LogMsgItemWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::LogMsgItemWidget)
{
    m_ui->setupUi(this);
}

LogMsgItemWnd::~LogMsgItemWnd() = default;

void LogMsgItemWnd::setOrderText(const QString &text)
{
    m_ui->order_label->setText(text);
}

void LogMsgItemWnd::setTimeText(const QString &text)
{
    m_ui->time_label->setText(text);
}

void LogMsgItemWnd::setDetailsText(const QString &text)
{
    setElidedText(text.simplified(), m_ui->details_label);
}

void LogMsgItemWnd::showSeparators(bool show)
{
    m_ui->image_1->setVisible(show);
    m_ui->image_2->setVisible(show);
}
