#include "StandIn.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

void showStandInName(QWidget *widget)
{
    widget->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(widget);
    auto *name = new QLabel(QString::fromLatin1(widget->metaObject()->className()), widget);
    name->setObjectName(QStringLiteral("standInName"));
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
}
