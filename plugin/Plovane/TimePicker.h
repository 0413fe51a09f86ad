#pragma once

#include "UcBase.h"

namespace Ui {
class TimePicker;
}

// A time of day whose value is the number of milliseconds since midnight,
// kept to whole minutes.
class TimePicker : public UcBase
{
    Q_OBJECT

public:
    explicit TimePicker(QWidget *parent = nullptr);
    ~TimePicker() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

private:
    // Shows a value from 00:00 up to 23:59; anything else leaves the edit as
    // it is.
    void showMilliseconds(const QJsonValue &value);

    Ui::TimePicker *ui;
    QString format;
};
