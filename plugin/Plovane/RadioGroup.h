#pragma once

#include "UcBase.h"

#include <QList>

class QRadioButton;

namespace Ui {
class RadioGroup;
}

// A row of radio buttons, one per "el-radio-button" entry; commits the
// checked option's "props"."label" and fires its cascade whenever a button
// becomes checked, the one checked at load included.
class RadioGroup : public UcBase
{
    Q_OBJECT

public:
    explicit RadioGroup(QWidget *parent = nullptr);
    ~RadioGroup() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

private slots:
    void button_clicked(bool checked);

private:
    void uncheckAll();

    Ui::RadioGroup *ui;
    QMap<QString, QString> options;
    QList<QRadioButton *> buttons;
    QString descriptionText;
};
