#include "TableTimePicker.h"

#include "ValueText.h"
#include "ui_TableTimePicker.h"

#include <QMessageBox>
#include <QTime>

namespace {
const int msPerHour = 3600000;
const int msPerMinute = 60000;

int toMs(const QTime &time)
{
    return time.hour() * msPerHour + time.minute() * msPerMinute;
}

int msOf(const QJsonValue &value)
{
    return static_cast<int>(ValueText::numberOf(value));
}

// A count of a day or more (or below zero) is no time of day: the edit keeps
// what it shows.
void showMs(QTimeEdit *edit, int ms)
{
    if (ms < 0) {
        return;
    }
    const QTime time(ms / msPerHour, (ms / msPerMinute) % 60, 0);
    if (time.isValid()) {
        edit->setTime(time);
    }
}
}

TableTimePicker::TableTimePicker(QWidget *parent)
    : TableItemBase(parent)
    , ui(new Ui::TableTimePicker)
{
    ui->setupUi(this);
}

TableTimePicker::~TableTimePicker()
{
    delete ui;
}

void TableTimePicker::parseElement()
{
    format = component.value(QLatin1String("props")).toObject().value(QLatin1String("format")).toString();
    if (!format.trimmed().isEmpty()) {
        ui->timeEditStart->setDisplayFormat(format);
        ui->timeEditEnd->setDisplayFormat(format);
    }
}

void TableTimePicker::refreshView()
{
    if (value.isNull() || value.isUndefined()) {
        return;
    }
    const QJsonObject range = value.toObject();
    showMs(ui->timeEditStart, msOf(range.value(QLatin1String("start"))));
    showMs(ui->timeEditEnd, msOf(range.value(QLatin1String("end"))));
}

bool TableTimePicker::validate(const QJsonObject &previousRow, int row)
{
    if (!startsAfterRowAbove(previousRow, row)) {
        return false;
    }
    QJsonObject range;
    range.insert(QStringLiteral("start"), toMs(ui->timeEditStart->time()));
    range.insert(QStringLiteral("end"), toMs(ui->timeEditEnd->time()));
    value = range;
    return true;
}

bool TableTimePicker::startsAfterRowAbove(const QJsonObject &previousRow, int row)
{
    if (row <= 0) {
        return true;
    }
    const int previousEnd = msOf(previousRow.value(prop).toObject().value(QLatin1String("end")));
    if (toMs(ui->timeEditStart->time()) >= previousEnd) {
        return true;
    }
    QMessageBox::warning(parentWidget(), QString(),
                         tr("第%1行开始时间不能小于第%2行结束时间！").arg(row + 1).arg(row),
                         QMessageBox::Ok);
    ui->timeEditStart->setFocus();
    return false;
}

void TableTimePicker::seed(QString &seedProp, QJsonValue &seedValue)
{
    QJsonObject range;
    range.insert(QStringLiteral("start"), toMs(ui->timeEditEnd->time()));
    range.insert(QStringLiteral("end"), 0);
    seedProp = prop;
    seedValue = range;
}
