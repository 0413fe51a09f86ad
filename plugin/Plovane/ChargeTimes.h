#pragma once

#include "ChargeSlot.h"
#include "UcBase.h"

class QDoubleSpinBox;

namespace Ui {
class ChargeTimes;
}

// A price and a duration edited side by side; the definition's value types
// decide which of the two JSON values is the price. The value is an array
// holding one object with both values as text.
class ChargeTimes : public UcBase
{
    Q_OBJECT

public:
    explicit ChargeTimes(QWidget *parent = nullptr);
    ~ChargeTimes() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

private:
    void readValidators(const QJsonArray &validators);
    void readDefinitionTypes();
    // The boxes that edit `first` and `second`, in that order.
    QDoubleSpinBox *firstBox() const;
    QDoubleSpinBox *secondBox() const;
    bool firstIsPrice() const;
    static void configure(QDoubleSpinBox *box, const ChargeSlot &slot);
    void showValue(const QJsonValue &value);

    Ui::ChargeTimes *ui;
    QString description;
    ChargeSlot first;
    ChargeSlot second;
};
