#pragma once

#include <QTabBar>

// A tab bar whose tabs are wide enough for their text in bold, so that a
// style sheet may embolden the current tab without clipping it.
class InternalTabBar : public QTabBar
{
    Q_OBJECT

public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override;
};
