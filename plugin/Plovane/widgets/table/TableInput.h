#pragma once

#include "TableItemBase.h"

namespace Ui {
class TableInput;
}

// One number per cell: a duration, a price or a plain whole number, chosen by
// the type of the column's definition.
class TableInput : public TableItemBase
{
    Q_OBJECT

public:
    explicit TableInput(QWidget *parent = nullptr);
    ~TableInput() override;

    bool validate(const QJsonObject &previousRow, int row) override;
    void seed(QString &seedProp, QJsonValue &seedValue) override;
    void parseElement() override;
    void refreshView() override;

private:
    enum Kind { Duration = 0, Price = 1, Long = 2 };

    void readKind();

    Ui::TableInput *ui;
    QString tips;
    QString unit;
    int kind = Price;
};
