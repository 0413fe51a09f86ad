#include "CheckBox.h"

#include "ValueText.h"
#include "ui_CheckBox.h"

#include <QJsonArray>

namespace {
const QString kChecked = QStringLiteral("1");
const QString kUnchecked = QStringLiteral("0");
} // namespace

CheckBox::CheckBox(QWidget *parent)
    : UcBase(parent)
    , ui(new Ui::CheckBox)
{
    ui->setupUi(this);
}

CheckBox::~CheckBox()
{
    delete ui;
}

void CheckBox::parseElement()
{
    if (m_children.isArray())
        text = m_children.toArray().first().toString();
    if (m_props.isObject())
        descriptionText = m_props.toObject().value(QStringLiteral("description")).toString();
}

void CheckBox::refreshView()
{
    showCaption(ui->label, m_label);
    ui->checkBox->setText(text);
    if (!descriptionText.isEmpty())
        setToolTip(descriptionText);
    // A device may send 1 or true instead of "1"; reading those as unchecked
    // would switch the setting off on the next save.
    if (ValueText::of(m_value) == kChecked)
        ui->checkBox->setChecked(true);
}

bool CheckBox::validate(const QJsonObject &)
{
    setValue(isChecked() ? kChecked : kUnchecked);
    return true;
}

void CheckBox::reset()
{
    ui->checkBox->setChecked(ValueText::of(m_defaultValue) == kChecked);
}

bool CheckBox::isChecked() const
{
    return ui->checkBox->isChecked();
}
