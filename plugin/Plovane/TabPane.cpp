#include "TabPane.h"

#include "ContentLayout.h"
#include "ui_TabPane.h"

#include <QJsonArray>
#include <QVBoxLayout>

namespace {
// The tab widget paints its rule and current-tab bar on the two rows below
// the tabs, where the page begins; an opaque page would cover them.
constexpr int kIndicatorRoom = 2;
} // namespace

TabPane::TabPane(QWidget *parent, const QMap<QString, QJsonValue> &definitions)
    : UcBase(parent)
    , ui(new Ui::TabPane)
    , definitions(definitions)
{
    ui->setupUi(this);
    ui->gridLayout->setContentsMargins(0, kIndicatorRoom, 0, 0);
    contentLayout = makeContentLayout(ui->scrollAreaWidgetContents);
}

TabPane::~TabPane()
{
    delete ui;
}

void TabPane::parseElement()
{
    controls.build(m_children.toArray(), ui->scrollAreaWidgetContents, definitions, this,
                   SLOT(onCascadesTriggered(QList<Field>)));
}

void TabPane::refreshView()
{
    controls.layOut(contentLayout);
}

bool TabPane::validate(const QJsonObject &templateObject)
{
    QJsonArray children;
    if (!controls.collect(templateObject, &children))
        return false;
    setChildren(children);
    return true;
}

void TabPane::reset()
{
    controls.reset();
}

// A scroll area asks for a few dozen lines at most, so a long pane would
// scroll inside the form's own scroll area while the page below stays empty;
// asking for the whole column lets the form scroll it instead.
QSize TabPane::sizeHint() const
{
    const QMargins margins = ui->gridLayout->contentsMargins();
    const int frame = 2 * ui->scrollArea->frameWidth();
    return ui->scrollAreaWidgetContents->sizeHint()
           + QSize(margins.left() + margins.right() + frame, margins.top() + margins.bottom() + frame);
}

void TabPane::onCascadesTriggered(QList<Field> fields)
{
    controls.cascade(fields);
}
