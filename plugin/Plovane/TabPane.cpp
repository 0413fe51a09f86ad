#include "TabPane.h"

#include "ui_TabPane.h"

#include <QJsonArray>
#include <QVBoxLayout>

namespace {
constexpr int kContentMargin = 3;
}

TabPane::TabPane(QWidget *parent, const QMap<QString, QJsonValue> &definitions)
    : UcBase(parent)
    , ui(new Ui::TabPane)
    , definitions(definitions)
{
    ui->setupUi(this);
    contentLayout = new QVBoxLayout(ui->scrollAreaWidgetContents);
    contentLayout->setContentsMargins(kContentMargin, kContentMargin, kContentMargin, kContentMargin);
}

TabPane::~TabPane()
{
    delete ui;
}

void TabPane::parseElement()
{
    controls.build(m_children.toArray(), this, definitions, this,
                   SLOT(onCascadesTriggered(QList<Field>)));
}

void TabPane::refreshView()
{
    controls.layOut(contentLayout);
    contentLayout->addStretch(0);
}

bool TabPane::validate(const QJsonObject &templateObject)
{
    QJsonArray children;
    if (!controls.collect(templateObject, &children))
        return false;
    QJsonObject object = m_element.toObject();
    object.insert(QStringLiteral("children"), children);
    setElement(object);
    m_children = children;
    return true;
}

void TabPane::reset()
{
    controls.reset();
}

void TabPane::onCascadesTriggered(QList<Field> fields)
{
    controls.cascade(fields);
}
