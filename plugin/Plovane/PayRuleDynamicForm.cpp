#include "PayRuleDynamicForm.h"

#include "ContentLayout.h"
#include "ui_PayRuleDynamicForm.h"

#include <QColor>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {
const char kDefaultStyle[] = "#scrollAreaWidgetContents{background-color: rgb(236, 241, 245);}";
} // namespace

PayRuleDynamicForm::PayRuleDynamicForm(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PayRuleDynamicForm)
{
    ui->setupUi(this);
    contentLayout = makeContentLayout(ui->scrollAreaWidgetContents);
    setStyleSheet(QLatin1String(kDefaultStyle));
}

PayRuleDynamicForm::~PayRuleDynamicForm()
{
    delete ui;
}

bool PayRuleDynamicForm::load(const QJsonObject &description)
{
    m_description = description;
    // Whatever was built before belongs to another description: collecting it
    // into this one would mix two forms, so it goes even if this load fails.
    clearContent();
    m_id = description.value(QStringLiteral("id")).toString();
    m_name = description.value(QStringLiteral("name")).toString();
    if (m_id.isEmpty() || m_name.isEmpty())
        return false;
    if (!description.contains(QStringLiteral("form")))
        return false;
    readDefinitions();
    controls.build(description.value(QStringLiteral("form")).toArray(), ui->scrollAreaWidgetContents, definitions,
                   this, SLOT(cascades_trigger(QList<Field>)));
    layOut();
    return true;
}

bool PayRuleDynamicForm::collect()
{
    if (controls.isEmpty())
        return false;
    m_templateObject = m_description.value(QStringLiteral("template")).toObject();
    QJsonArray collected;
    if (!controls.collect(m_templateObject, &collected))
        return false;
    m_description.insert(QStringLiteral("form"), collected);
    return true;
}

int PayRuleDynamicForm::reset()
{
    controls.reset();
    return 0;
}

void PayRuleDynamicForm::setBackgroundColor(const QColor &colour)
{
    // Qt restyles the children of a changed sheet only when the form itself
    // has been polished; its controls are, from the layout's size queries, so
    // without this they would keep painting the old colour.
    ensurePolished();
    setStyleSheet(QStringLiteral("#scrollAreaWidgetContents{background-color: rgb(%1, %2, %3);}")
                      .arg(colour.red())
                      .arg(colour.green())
                      .arg(colour.blue()));
}

void PayRuleDynamicForm::formIdName(QString &id, QString &name) const
{
    id = m_id;
    name = m_name;
}

void PayRuleDynamicForm::cascades_trigger(QList<Field> fields)
{
    controls.cascade(fields);
}

void PayRuleDynamicForm::readDefinitions()
{
    definitions.clear();
    const QJsonObject paramsDef = m_description.value(QStringLiteral("paramsDef")).toObject();
    for (const QJsonValue &value : paramsDef.value(QStringLiteral("definitions")).toArray()) {
        if (!value.isObject())
            continue;
        const QJsonObject definition = value.toObject();
        definitions.insert(definition.value(QStringLiteral("id")).toString(), definition);
    }
}

void PayRuleDynamicForm::clearContent()
{
    controls.clear();
    while (QLayoutItem *item = contentLayout->takeAt(0))
        delete item;
    m_templateObject = QJsonObject();
}

void PayRuleDynamicForm::layOut()
{
    controls.layOut(contentLayout);
    contentLayout->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
}
