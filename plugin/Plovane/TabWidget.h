#pragma once

#include "UcBase.h"

#include <QPointer>

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
    // The control joins `parent` when its element is parsed (UcBase::init),
    // once its empty pages are in place, and only then builds them.
    TabWidget(QWidget *parent, const QMap<QString, QJsonValue> &definitions);
    ~TabWidget() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

private:
    void joinHost();

    Ui::TabWidget *ui;
    QPointer<QWidget> host;
    QMap<int, TabPane *> pages;
    QMap<QString, QJsonValue> definitions;
};
