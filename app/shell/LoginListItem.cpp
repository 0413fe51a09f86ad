#include "LoginListItem.h"

#include "LabelElider.h"
#include "ui_LoginListItem.h"

LoginListItem::LoginListItem(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::LoginListItem)
{
    m_ui->setupUi(this);
}

LoginListItem::~LoginListItem() = default;

void LoginListItem::setDevId(const QString &devId)
{
    m_devId = devId;
    // IDs of up to 64 GBK bytes are wider than the row: cut them, whole in the tooltip.
    LabelElider::setText(m_ui->devIdText, devId);
}

void LoginListItem::setPolId(const QString &polId)
{
    m_polId = polId;
    LabelElider::setText(m_ui->polIdText, polId);
}

void LoginListItem::setIndex(int index)
{
    m_index = index;
}
