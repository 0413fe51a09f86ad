#include "TabBarAnimation.h"

#include "QCustomTabWidget.h"

#include <QEasingCurve>

TabBarAnimation::TabBarAnimation(QCustomTabWidget *tabWidget)
    : QVariantAnimation(tabWidget)
    , owner(tabWidget)
{
    setEasingCurve(QEasingCurve::InOutQuad);
}

void TabBarAnimation::updateCurrentValue(const QVariant &value)
{
    if (owner) {
        owner->setIndicatorPos(value.toInt());
    }
}
