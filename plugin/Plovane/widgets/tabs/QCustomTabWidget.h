#pragma once

#include <QTabWidget>

class TabBarAnimation;

// A tab widget that underlines its tabs with a thin grey rule and marks the
// current tab with a coloured bar, which slides to the new tab on a change.
class QCustomTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit QCustomTabWidget(QWidget *parent = nullptr);
    ~QCustomTabWidget() override;

    void setIndicatorPos(int x);
    void animateIndicator(int from, int to, int durationMs);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void installInternalTabBar();
    void markScrollButtons();
    void onCurrentChanged(int index);
    int indicatorLeft(const QRect &currentTab) const;

    TabBarAnimation *animation = nullptr;
    int indicatorX = -1;
    int lastIndex = -1;
};
