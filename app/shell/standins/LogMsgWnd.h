#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QWidget>

class LogMsgWnd : public QWidget
{
    Q_OBJECT

public:
    explicit LogMsgWnd(QWidget *parent = nullptr);
};
