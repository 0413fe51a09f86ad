#pragma once

#include "UcBase.h"

class TabPane;

namespace Ui {
class TabWidget;
}

// The tabs control: one tab per "h-tab-pane" child, in ascending "order",
// whose edited panes it writes back into its element's "children".
class TabWidget : public UcBase
{
    Q_OBJECT

public:
    TabWidget(QWidget *parent, const QMap<QString, QJsonValue> &definitions);
    ~TabWidget() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

private:
    void buildPane(int order, const QJsonObject &child);

    Ui::TabWidget *ui;
    QMap<int, TabPane *> pages;
    QMap<QString, QJsonValue> definitions;
};
