#pragma once

#include "UcBase.h"

namespace Ui {
class Input;
}

// Edits one value, as a number in a spin box or as text in a line edit,
// chosen by the value type of the element's definition or its "valueType".
class Input : public UcBase
{
    Q_OBJECT

public:
    enum Kind { WholeNumber = 0, TwoDecimalNumber = 1, LongNumber = 2, Text = 3 };

    explicit Input(QWidget *parent = nullptr);
    ~Input() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

    Kind kind() const { return m_kind; }

private:
    void readProps(const QJsonObject &props);
    void readUnit();
    void chooseKind(const QString &typeText);
    bool isNumber() const { return m_kind != Text; }
    void showText();
    void showNumber();
    bool validateText();
    // Refuses the text with the first validator's message.
    bool refuse();

    Ui::Input *ui;
    bool required = false;
    QString tips;
    QString placeholder;
    QString regular;
    QString valueType;
    double maxValue = 99999999.99;
    double minValue = 0;
    QString message;
    QString unit;
    Kind m_kind = TwoDecimalNumber;
};
