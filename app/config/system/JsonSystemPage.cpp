#include "JsonSystemPage.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace JsonSystemPage {

// Until the JSON form pages exist, the tab shows a stand-in under the form
// page's name (not a text of the program's own); it asks the camera nothing.
QWidget *create()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("SystemParamEXWnd"));
    auto *layout = new QVBoxLayout(page);
    auto *name = new QLabel(QStringLiteral("SystemParamEXWnd"), page);
    name->setObjectName(QStringLiteral("standInName"));
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    return page;
}

void refresh(QWidget *)
{
}

} // namespace JsonSystemPage
