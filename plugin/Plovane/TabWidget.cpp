#include "TabWidget.h"

#include "TabPane.h"
#include "ui_TabWidget.h"

#include <QJsonArray>

namespace {
const QLatin1String kPaneType("h-tab-pane");
}

TabWidget::TabWidget(QWidget *parent, const QMap<QString, QJsonValue> &definitions)
    : UcBase(parent)
    , ui(new Ui::TabWidget)
    , definitions(definitions)
{
    ui->setupUi(this);
}

TabWidget::~TabWidget()
{
    delete ui;
}

void TabWidget::parseElement()
{
    if (!m_children.isArray())
        return;
    for (const QJsonValue &value : m_children.toArray())
        buildPane(value.toObject());
}

void TabWidget::buildPane(const QJsonObject &child)
{
    const int order = child.value(QStringLiteral("order")).toInt();
    if (order <= 0)
        return;
    if (!child.value(QStringLiteral("type")).toString().contains(kPaneType))
        return;
    auto *pane = new TabPane(this, definitions);
    const QString model = child.value(QStringLiteral("model")).toString();
    pane->init(child, definitions.value(model));
    place(order, pane);
}

// A pane whose place a later pane takes is never shown or collected; left
// alive it would only lie on top of the tabs, so it goes at once.
void TabWidget::place(int order, TabPane *pane)
{
    delete pages.value(order);
    pages.insert(order, pane);
}

void TabWidget::refreshView()
{
    for (TabPane *pane : qAsConst(pages))
        ui->tabWidget->addTab(pane, pane->title());
}

bool TabWidget::validate(const QJsonObject &templateObject)
{
    QJsonArray children;
    for (TabPane *pane : qAsConst(pages)) {
        if (!pane->validate(templateObject))
            return false;
        children.append(pane->element());
    }
    setChildren(children);
    return true;
}

void TabWidget::reset()
{
    for (TabPane *pane : qAsConst(pages))
        pane->reset();
}
