#include "Select.h"

#include "ChoiceOptions.h"
#include "ValueText.h"
#include "ui_Select.h"

Select::Select(QWidget *parent)
    : UcBase(parent)
    , ui(new Ui::Select)
{
    ui->setupUi(this);
}

Select::~Select()
{
    delete ui;
}

void Select::parseElement()
{
    if (m_children.isArray()) {
        ui->comboBox->clear();
        options = ChoiceOptions::read(m_children, QStringLiteral("el-option"), QStringLiteral("value"), false);
    }
    if (m_props.isObject())
        descriptionText = ChoiceOptions::description(m_props);
}

void Select::refreshView()
{
    showCaption(ui->label, m_label);
    if (!descriptionText.trimmed().isEmpty())
        setToolTip(descriptionText);
    for (auto option = options.cbegin(); option != options.cend(); ++option)
        ui->comboBox->addItem(option.value(), option.key());
    showOption(ValueText::of(m_value));
}

void Select::showOption(const QString &value)
{
    // A value the list does not offer must not turn into its first option:
    // saving untouched would then change the camera's setting unasked.
    // Without a current option validate asks the operator to choose.
    ui->comboBox->setCurrentIndex(value.isEmpty() ? -1 : ui->comboBox->findData(value));
}

void Select::on_comboBox_activated(int index)
{
    if (index < 0)
        return;
    emitCascade(ui->comboBox->itemData(index).toString());
}

bool Select::validate(const QJsonObject &)
{
    if (ui->comboBox->currentIndex() < 0) {
        askToChoose();
        return false;
    }
    setValue(ui->comboBox->currentData().toString());
    return true;
}

void Select::reset()
{
    showOption(ValueText::of(m_defaultValue));
}
