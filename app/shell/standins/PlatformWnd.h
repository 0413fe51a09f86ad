#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QWidget>

class PlatformWnd : public QWidget
{
    Q_OBJECT

public:
    explicit PlatformWnd(QWidget *parent = nullptr);
};
