#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QWidget>

class NetworkProWnd : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkProWnd(QWidget *parent = nullptr);
};
