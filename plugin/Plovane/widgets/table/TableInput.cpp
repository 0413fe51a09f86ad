#include "TableInput.h"

#include "ValueText.h"
#include "ui_TableInput.h"

#include <QJsonArray>

TableInput::TableInput(QWidget *parent)
    : TableItemBase(parent)
    , ui(new Ui::TableInput)
{
    ui->setupUi(this);
}

TableInput::~TableInput()
{
    delete ui;
}

void TableInput::parseElement()
{
    tips = component.value(QLatin1String("props")).toObject().value(QLatin1String("tips")).toString();
    const QJsonValue slotList = component.value(QLatin1String("slots"));
    if (slotList.isArray() && !slotList.toArray().isEmpty()) {
        unit = slotList.toArray().at(0).toObject().value(QLatin1String("children")).toArray().at(0).toString();
    }
    readKind();

    if (!tips.trimmed().isEmpty()) {
        setToolTip(tips);
    }
    if (!unit.trimmed().isEmpty()) {
        ui->doubleSpinBox->setSuffix(unit);
    }
    ui->doubleSpinBox->setDecimals(kind == Price ? 2 : 0);
}

// The definition's type names the kind in any letter case ("unitPrice",
// "duration", "Long"), so every name is matched without regard to case.
void TableInput::readKind()
{
    const QString definitionType = definition.toObject().value(QLatin1String("type")).toString();
    if (definitionType.contains(QLatin1String("Price"), Qt::CaseInsensitive)) {
        kind = Price;
    } else if (definitionType.contains(QLatin1String("Duration"), Qt::CaseInsensitive)) {
        kind = Duration;
    } else if (definitionType.contains(QLatin1String("long"), Qt::CaseInsensitive)) {
        kind = Long;
    }
}

void TableInput::refreshView()
{
    if (!value.isNull() && !value.isUndefined()) {
        ui->doubleSpinBox->setValue(ValueText::numberOf(value));
    }
}

bool TableInput::validate(const QJsonObject &, int)
{
    if (ui->doubleSpinBox->value() < 0) {
        ui->doubleSpinBox->setFocus();
        return false;
    }
    value = QJsonValue(ui->doubleSpinBox->value());
    return true;
}

void TableInput::seed(QString &seedProp, QJsonValue &seedValue)
{
    seedProp = prop;
    seedValue = QJsonValue(ui->doubleSpinBox->value());
}
