#pragma once

#include "ControlSet.h"
#include "UcBase.h"

class QVBoxLayout;

namespace Ui {
class GroupBox;
}

// A titled frame around nested elements, built, validated, reset and
// cascaded like the form's own; writes its children's elements back into
// its "children". It may demand that one of its check boxes is checked.
class GroupBox : public UcBase
{
    Q_OBJECT

public:
    GroupBox(QWidget *parent, const QMap<QString, QJsonValue> &definitions);
    ~GroupBox() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

public slots:
    // Named apart from the inherited signal, which a slot of the same name
    // would hide: the children's cascades stay inside the group.
    void applyCascades(QList<Field> fields);
    // Whether at least one check box of the group is checked.
    bool select() const;

private:
    bool hasCheckBox() const;

    Ui::GroupBox *ui;
    QVBoxLayout *contentLayout;
    ControlSet controls;
    QMap<QString, QJsonValue> definitions;
    bool mustSelect = false;
    QString message;
};
