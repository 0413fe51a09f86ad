#include "QCustomTabWidget.h"

#include "InternalTabBar.h"
#include "TabBarAnimation.h"

#include <QAbstractAnimation>
#include <QColor>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QToolButton>

namespace {
const int slideDurationMs = 250;
const QColor ruleColour("#e4e7ed");
const QColor activeBarColour("#4194FF");
const QColor inactiveBarColour("#c6dfff");
}

QCustomTabWidget::QCustomTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    installInternalTabBar();
    connect(this, &QTabWidget::currentChanged, this, &QCustomTabWidget::onCurrentChanged);
    markScrollButtons();
}

// The animation is our child, but QObject would only delete it after this
// class is gone; stopping it here keeps a last step from reaching a widget
// that is half destroyed.
QCustomTabWidget::~QCustomTabWidget()
{
    if (animation) {
        animation->stop();
    }
}

void QCustomTabWidget::installInternalTabBar()
{
    const QString name = tabBar()->objectName();
    auto *bar = new InternalTabBar(this);
    setTabBar(bar);
    bar->setObjectName(name);
    bar->setDrawBase(false);
}

// The style sheet draws the tab bar's scroll arrows as icons; after a scroll
// the tabs have moved under the indicator, so it must be painted again.
void QCustomTabWidget::markScrollButtons()
{
    const auto buttons = tabBar()->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly);
    for (QToolButton *button : buttons) {
        const QString name = button->accessibleName();
        if (name == QLatin1String("Scroll Right") || name == QLatin1String("Scroll Left")) {
            button->setProperty("Type", QStringLiteral("Icon"));
            connect(button, &QToolButton::clicked, this, QOverload<>::of(&QWidget::update));
        }
    }
}

void QCustomTabWidget::setIndicatorPos(int x)
{
    indicatorX = x;
    update();
}

void QCustomTabWidget::animateIndicator(int from, int to, int durationMs)
{
    if (!animation) {
        animation = new TabBarAnimation(this);
    }
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(durationMs);
    animation->start(QAbstractAnimation::KeepWhenStopped);
}

// The first change after construction only records where the indicator is.
void QCustomTabWidget::onCurrentChanged(int index)
{
    if (lastIndex != -1) {
        const int from = tabBar()->tabRect(lastIndex).x();
        const int to = tabBar()->tabRect(index).x();
        animateIndicator(from, to, slideDurationMs);
    }
    lastIndex = index;
}

int QCustomTabWidget::indicatorLeft(const QRect &currentTab) const
{
    if (animation && animation->state() == QAbstractAnimation::Running) {
        return indicatorX;
    }
    return currentTab.x();
}

void QCustomTabWidget::paintEvent(QPaintEvent *)
{
    if (!tabBar()->isVisible()) {
        return;
    }
    const QRect tab = tabBar()->tabRect(tabBar()->currentIndex());

    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    QStylePainter painter(this);
    const QRect pane = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);

    const int underTabs = tab.y() + tab.height();
    painter.fillRect(QRect(pane.x(), underTabs, pane.width(), 1), ruleColour);
    const QColor barColour = isEnabled() ? activeBarColour : inactiveBarColour;
    painter.fillRect(QRect(indicatorLeft(tab), underTabs, tab.width(), 2), barColour);
}
