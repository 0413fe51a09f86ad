#include "TabWidget.h"

#include "TabPane.h"
#include "ui_TabWidget.h"

#include <QJsonArray>

namespace {
const QLatin1String kPaneType("h-tab-pane");
}

// Each tabs level of a form holds a dozen widgets of Qt's own (tab bar, its
// scroll buttons, page stack, the pages' scroll areas and scroll bars), and
// creating, styling and laying out a widget walks all its ancestors. Made in
// place, a level deep in nested tabs paid for the whole chain above it many
// times per widget. So the control and its empty pages are made detached,
// where those walks are short, and join the form as one small subtree (which
// restyles each of their widgets once); only then are the pages filled, each
// control inside them created with its final parent.
TabWidget::TabWidget(QWidget *parent, const QMap<QString, QJsonValue> &definitions)
    : UcBase(nullptr)
    , ui(new Ui::TabWidget)
    , host(parent)
    , definitions(definitions)
{
    ui->setupUi(this);
}

TabWidget::~TabWidget()
{
    delete ui;
}

void TabWidget::joinHost()
{
    if (host && parentWidget() != host)
        setParent(host);
}

// Only the last pane of each order becomes a tab, so the displaced ones are
// never built. Each pane becomes a tab while it is still empty: the tab
// widget shows its current page at once, and showing a page styles and lays
// out all it holds; done after the pane's build, that would happen again at
// every level of nested tabs.
void TabWidget::parseElement()
{
    QMap<int, QJsonObject> chosen;
    if (m_children.isArray()) {
        for (const QJsonValue &value : m_children.toArray()) {
            const QJsonObject child = value.toObject();
            const int order = child.value(QStringLiteral("order")).toInt();
            if (order > 0 && child.value(QStringLiteral("type")).toString().contains(kPaneType))
                chosen.insert(order, child);
        }
    }
    for (auto child = chosen.cbegin(); child != chosen.cend(); ++child) {
        auto *pane = new TabPane(nullptr, definitions);
        pages.insert(child.key(), pane);
        ui->tabWidget->addTab(pane, QString());
    }
    joinHost();
    for (auto child = chosen.cbegin(); child != chosen.cend(); ++child) {
        const QString model = child.value().value(QStringLiteral("model")).toString();
        pages.value(child.key())->init(child.value(), definitions.value(model));
    }
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
