#include "TableNumberSection.h"

#include "ValueText.h"
#include "ui_TableNumberSection.h"

#include <QMessageBox>

namespace {
// A member loaded as a JSON number is read as its text, so that a saved
// section keeps its bounds instead of turning into 0.
int memberAsInt(const QJsonObject &object, const QString &key)
{
    return ValueText::of(object.value(key)).toInt();
}
}

TableNumberSection::TableNumberSection(QWidget *parent)
    : TableItemBase(parent)
    , ui(new Ui::TableNumberSection)
{
    ui->setupUi(this);
}

TableNumberSection::~TableNumberSection()
{
    delete ui;
}

void TableNumberSection::parseElement()
{
    const QJsonObject props = component.value(QLatin1String("props")).toObject();
    firstKey = props.value(QLatin1String("first")).toString();
    secondKey = props.value(QLatin1String("second")).toString();
    startAppend = props.value(QLatin1String("start-append")).toString();
    endAppend = props.value(QLatin1String("end-append")).toString();
    if (!startAppend.trimmed().isEmpty()) {
        ui->doubleSpinBoxStart->setSuffix(startAppend);
    }
    if (!endAppend.trimmed().isEmpty()) {
        ui->doubleSpinBoxEnd->setSuffix(endAppend);
    }
}

void TableNumberSection::refreshView()
{
    if (value.isNull() || value.isUndefined()) {
        return;
    }
    const QJsonObject section = value.toObject();
    ui->doubleSpinBoxStart->setValue(memberAsInt(section, firstKey));
    ui->doubleSpinBoxEnd->setValue(memberAsInt(section, secondKey));
}

bool TableNumberSection::validate(const QJsonObject &previousRow, int row)
{
    if (!joinsRowAbove(previousRow, row) || !runsForward(row)) {
        return false;
    }
    QJsonObject section;
    section.insert(firstKey, boxText(ui->doubleSpinBoxStart));
    section.insert(secondKey, boxText(ui->doubleSpinBoxEnd));
    value = section;
    return true;
}

bool TableNumberSection::joinsRowAbove(const QJsonObject &previousRow, int row)
{
    if (row <= 0) {
        return true;
    }
    const int previousEnd = memberAsInt(previousRow.value(prop).toObject(), secondKey);
    if (ui->doubleSpinBoxStart->value() == previousEnd) {
        return true;
    }
    QMessageBox::warning(parentWidget(), QString(),
                         tr("第%1行开始时段与第%2行结束时段不相等!").arg(row + 1).arg(row),
                         QMessageBox::Ok);
    ui->doubleSpinBoxStart->setFocus();
    ui->doubleSpinBoxStart->selectAll();
    return false;
}

bool TableNumberSection::runsForward(int row)
{
    if (ui->doubleSpinBoxStart->value() <= ui->doubleSpinBoxEnd->value()) {
        return true;
    }
    QMessageBox::warning(parentWidget(), QString(),
                         tr("第%1行结束时段不能小于第%1行开始时段!").arg(row + 1),
                         QMessageBox::Ok);
    ui->doubleSpinBoxEnd->setFocus();
    ui->doubleSpinBoxEnd->selectAll();
    return false;
}

// Written at the box's own precision, so a large section reads back whole.
QString TableNumberSection::boxText(const QDoubleSpinBox *box)
{
    return ValueText::number(box->value(), box->decimals());
}

void TableNumberSection::seed(QString &seedProp, QJsonValue &seedValue)
{
    QJsonObject section;
    section.insert(firstKey, boxText(ui->doubleSpinBoxEnd));
    section.insert(secondKey, QStringLiteral("0"));
    seedProp = prop;
    seedValue = section;
}
