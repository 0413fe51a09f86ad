#pragma once

#include <QVariantAnimation>

class QCustomTabWidget;

// Slides a tab widget's current-tab indicator in whole pixels. It is a child
// of that tab widget, so a form destroyed in mid-slide takes it along.
class TabBarAnimation : public QVariantAnimation
{
    Q_OBJECT

public:
    explicit TabBarAnimation(QCustomTabWidget *tabWidget);

protected:
    void updateCurrentValue(const QVariant &value) override;

private:
    QCustomTabWidget *owner = nullptr;
};
