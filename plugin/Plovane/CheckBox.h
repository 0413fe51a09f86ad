#pragma once

#include "UcBase.h"

namespace Ui {
class CheckBox;
}

// A single check box whose value is "1" when checked and "0" when not.
class CheckBox : public UcBase
{
    Q_OBJECT

public:
    explicit CheckBox(QWidget *parent = nullptr);
    ~CheckBox() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

    bool isChecked() const;

private:
    Ui::CheckBox *ui;
    QString text;
    QString descriptionText;
};
