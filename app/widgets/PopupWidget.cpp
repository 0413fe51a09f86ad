#include "PopupWidget.h"
#include "ui_PopupWidget.h"

#include <QTimer>

namespace {
const int kShownFor = 2000;
const int kCornerGap = 2;
} // namespace

PopupWidget::PopupWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::PopupWidget)
{
    m_timer = new QTimer(this);
    m_ui->setupUi(this);
    connect(m_timer, &QTimer::timeout, this, &PopupWidget::onSignalTimeOut);
}

PopupWidget::~PopupWidget() = default;

void PopupWidget::setText(const QString &text)
{
    m_ui->text->setText(text);
}

void PopupWidget::onSignalTimeOut()
{
    m_timer->stop();
    hide();
}

void PopupWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer->start(kShownFor);
    raise();
    if (QWidget *owner = parentWidget())
        move(owner->width() - width() - kCornerGap, owner->height() - height() - kCornerGap);
}
