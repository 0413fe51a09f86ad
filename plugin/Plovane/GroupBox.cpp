#include "GroupBox.h"

#include "CheckBox.h"
#include "ContentLayout.h"
#include "ui_GroupBox.h"

#include <QVBoxLayout>

GroupBox::GroupBox(QWidget *parent, const QMap<QString, QJsonValue> &definitions)
    : UcBase(parent)
    , ui(new Ui::GroupBox)
    , definitions(definitions)
{
    ui->setupUi(this);
    contentLayout = makeContentLayout(ui->groupBox);
    // Fits its rows: the form's spare height belongs below the last control,
    // not as a blank band inside the frame.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

GroupBox::~GroupBox()
{
    delete ui;
}

void GroupBox::parseElement()
{
    const QJsonObject object = m_element.toObject();
    mustSelect = object.value(QStringLiteral("mustselect")).toBool();
    message = object.value(QStringLiteral("message")).toString();
    // The build applies the cascades that children fire meanwhile (a radio
    // group's loaded value), so the group opens with the right rows shown.
    if (m_children.isArray())
        controls.build(m_children.toArray(), ui->groupBox, definitions, this,
                       SLOT(applyCascades(QList<Field>)));
}

void GroupBox::refreshView()
{
    ui->groupBox->setTitle(m_label);
    controls.layOut(contentLayout);
}

void GroupBox::applyCascades(QList<Field> fields)
{
    controls.cascade(fields);
}

bool GroupBox::select() const
{
    for (UcBase *control : controls.controls()) {
        auto *checkBox = qobject_cast<CheckBox *>(control);
        if (checkBox && checkBox->isChecked())
            return true;
    }
    return false;
}

bool GroupBox::hasCheckBox() const
{
    for (UcBase *control : controls.controls()) {
        if (qobject_cast<CheckBox *>(control))
            return true;
    }
    return false;
}

bool GroupBox::validate(const QJsonObject &templateObject)
{
    // Without a check box the rule could never be met and the whole form
    // could never be saved; it only speaks about the group's check boxes.
    if (mustSelect && hasCheckBox() && !select()) {
        if (!message.isEmpty())
            reportMessage(message);
        return false;
    }
    QJsonArray collected;
    if (!controls.collect(templateObject, &collected))
        return false;
    setChildren(collected);
    return true;
}

void GroupBox::reset()
{
    controls.reset();
}
