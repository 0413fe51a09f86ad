#include "TimePicker.h"

#include "ValueText.h"
#include "ui_TimePicker.h"

#include <QTime>

namespace {
constexpr qint64 kMillisecondsPerHour = 3600000;
constexpr qint64 kMillisecondsPerMinute = 60000;
constexpr qint64 kMillisecondsPerDay = 24 * kMillisecondsPerHour;
} // namespace

TimePicker::TimePicker(QWidget *parent)
    : UcBase(parent)
    , ui(new Ui::TimePicker)
{
    ui->setupUi(this);
}

TimePicker::~TimePicker()
{
    delete ui;
}

void TimePicker::parseElement()
{
    if (!m_props.isObject())
        return;
    format = m_props.toObject().value(QStringLiteral("format")).toString();
    if (!format.trimmed().isEmpty())
        ui->timeEdit->setDisplayFormat(format);
}

void TimePicker::refreshView()
{
    showCaption(ui->label, m_label);
    showMilliseconds(m_value);
}

void TimePicker::showMilliseconds(const QJsonValue &value)
{
    bool isNumber = false;
    const qint64 milliseconds = ValueText::of(value).toLongLong(&isNumber);
    // Midnight is a time like any other: a loaded 0 must come back on reset.
    if (!isNumber || milliseconds < 0 || milliseconds >= kMillisecondsPerDay)
        return;
    const int hours = static_cast<int>(milliseconds / kMillisecondsPerHour);
    const int minutes = static_cast<int>((milliseconds / kMillisecondsPerMinute) % 60);
    ui->timeEdit->setTime(QTime(hours, minutes, 0));
}

bool TimePicker::validate(const QJsonObject &)
{
    const QTime time = ui->timeEdit->time();
    setValue(QJsonValue(time.hour() * kMillisecondsPerHour + time.minute() * kMillisecondsPerMinute));
    return true;
}

void TimePicker::reset()
{
    showMilliseconds(m_defaultValue);
}
