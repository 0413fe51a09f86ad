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

// Only the last pane of each order becomes a tab, so the displaced ones are
// never built. Each pane becomes a tab while it is still empty: the tab
// widget shows its current page at once, and showing a page styles and lays
// out all it holds; done after the pane's build, that would happen again at
// every level of nested tabs.
void TabWidget::parseElement()
{
    if (!m_children.isArray())
        return;
    QMap<int, QJsonObject> chosen;
    for (const QJsonValue &value : m_children.toArray()) {
        const QJsonObject child = value.toObject();
        const int order = child.value(QStringLiteral("order")).toInt();
        if (order > 0 && child.value(QStringLiteral("type")).toString().contains(kPaneType))
            chosen.insert(order, child);
    }
    for (auto child = chosen.cbegin(); child != chosen.cend(); ++child)
        buildPane(child.key(), child.value());
}

void TabWidget::buildPane(int order, const QJsonObject &child)
{
    auto *pane = new TabPane(this, definitions);
    pages.insert(order, pane);
    ui->tabWidget->addTab(pane, QString());
    const QString model = child.value(QStringLiteral("model")).toString();
    pane->init(child, definitions.value(model));
}

void TabWidget::refreshView()
{
    for (TabPane *pane : qAsConst(pages))
        ui->tabWidget->setTabText(ui->tabWidget->indexOf(pane), pane->title());
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
