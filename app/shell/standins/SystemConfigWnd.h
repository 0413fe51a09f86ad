#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QWidget>

class SystemConfigWnd : public QWidget
{
    Q_OBJECT

public:
    explicit SystemConfigWnd(QWidget *parent = nullptr);
};
