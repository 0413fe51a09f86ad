#pragma once

#include "UcBase.h"

namespace Ui {
class Select;
}

// A drop-down list of the "el-option" entries; commits the picked option's
// "props"."value" and fires its cascade when the operator picks it.
class Select : public UcBase
{
    Q_OBJECT

public:
    explicit Select(QWidget *parent = nullptr);
    ~Select() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

private slots:
    // Connected by name when the Designer form is set up, and only there:
    // a second, explicit connection would fire each pick's cascade twice.
    void on_comboBox_activated(int index);

private:
    // Shows the option with that value, or no option at all when none has it.
    void showOption(const QString &value);

    Ui::Select *ui;
    QMap<QString, QString> options;
    QString descriptionText;
};
