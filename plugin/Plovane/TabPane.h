#pragma once

#include "ControlSet.h"
#include "UcBase.h"

class QVBoxLayout;

namespace Ui {
class TabPane;
}

// One page of a tabs control: a scrolling column of the controls built from
// its element's "children", which it validates, resets and writes back into
// those "children" in ascending order.
class TabPane : public UcBase
{
    Q_OBJECT

public:
    TabPane(QWidget *parent, const QMap<QString, QJsonValue> &definitions);
    ~TabPane() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

    QSize sizeHint() const override;

    // The tab text: the pane's label as it stands.
    QString title() const { return m_label; }

public slots:
    // Named apart from the inherited cascades_trigger signal, which a slot of
    // the same name would hide. Acts only on this pane's own controls.
    void onCascadesTriggered(QList<Field> fields);

private:
    Ui::TabPane *ui;
    QVBoxLayout *contentLayout;
    ControlSet controls;
    QMap<QString, QJsonValue> definitions;
};
