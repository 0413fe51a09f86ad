#pragma once

#include "TableItemBase.h"

class QDoubleSpinBox;

namespace Ui {
class TableNumberSection;
}

// A from-to pair of whole numbers per cell; the rows of a column must join
// up, each starting where the row above ends.
class TableNumberSection : public TableItemBase
{
    Q_OBJECT

public:
    explicit TableNumberSection(QWidget *parent = nullptr);
    ~TableNumberSection() override;

    bool validate(const QJsonObject &previousRow, int row) override;
    void seed(QString &seedProp, QJsonValue &seedValue) override;
    void parseElement() override;
    void refreshView() override;

private:
    bool joinsRowAbove(const QJsonObject &previousRow, int row);
    bool runsForward(int row);
    static QString boxText(const QDoubleSpinBox *box);

    Ui::TableNumberSection *ui;
    QString startAppend;
    QString endAppend;
    QString firstKey;
    QString secondKey;
};
