#include "RadioGroup.h"

#include "ChoiceOptions.h"
#include "ValueText.h"
#include "ui_RadioGroup.h"

#include <QRadioButton>

RadioGroup::RadioGroup(QWidget *parent)
    : UcBase(parent)
    , ui(new Ui::RadioGroup)
{
    ui->setupUi(this);
}

RadioGroup::~RadioGroup()
{
    delete ui;
}

void RadioGroup::parseElement()
{
    if (m_children.isArray())
        options = ChoiceOptions::read(m_children, QStringLiteral("el-radio-button"), QStringLiteral("label"), true);
    if (m_props.isObject())
        descriptionText = ChoiceOptions::description(m_props);
}

void RadioGroup::refreshView()
{
    showCaption(ui->label, m_label);
    if (!descriptionText.trimmed().isEmpty())
        setToolTip(descriptionText);
    const QString current = ValueText::of(m_value);
    for (auto option = options.cbegin(); option != options.cend(); ++option) {
        auto *button = new QRadioButton(option.value(), this);
        button->setObjectName(option.key());
        button->setStyleSheet(ui->label->styleSheet());
        // Connected before the check, so that the loaded value's cascade
        // reaches the container while it builds.
        connect(button, &QRadioButton::toggled, this, &RadioGroup::button_clicked);
        if (!current.isEmpty() && current == option.key())
            button->setChecked(true);
        buttons.append(button);
        ui->horizontalLayout->addWidget(button);
    }
}

void RadioGroup::button_clicked(bool checked)
{
    if (!checked)
        return;
    if (auto *button = qobject_cast<QRadioButton *>(sender()))
        emitCascade(button->objectName());
}

bool RadioGroup::validate(const QJsonObject &)
{
    for (QRadioButton *button : qAsConst(buttons)) {
        if (button->isChecked()) {
            setValue(button->objectName());
            return true;
        }
    }
    askToChoose();
    return false;
}

void RadioGroup::reset()
{
    const QString loaded = ValueText::of(m_defaultValue);
    for (QRadioButton *button : qAsConst(buttons)) {
        if (!loaded.isEmpty() && button->objectName() == loaded) {
            button->setChecked(true);
            return;
        }
    }
    // The loaded value was none of the options: back to asking the operator.
    uncheckAll();
}

void RadioGroup::uncheckAll()
{
    for (QRadioButton *button : qAsConst(buttons)) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}
