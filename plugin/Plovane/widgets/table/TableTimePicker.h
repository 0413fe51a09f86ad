#pragma once

#include "TableItemBase.h"

namespace Ui {
class TableTimePicker;
}

// A from-to pair of times of day per cell, kept as milliseconds since
// midnight; a row may not begin before the row above ends.
class TableTimePicker : public TableItemBase
{
    Q_OBJECT

public:
    explicit TableTimePicker(QWidget *parent = nullptr);
    ~TableTimePicker() override;

    bool validate(const QJsonObject &previousRow, int row) override;
    void seed(QString &seedProp, QJsonValue &seedValue) override;
    void parseElement() override;
    void refreshView() override;

private:
    bool startsAfterRowAbove(const QJsonObject &previousRow, int row);

    Ui::TableTimePicker *ui;
    QString format;
};
