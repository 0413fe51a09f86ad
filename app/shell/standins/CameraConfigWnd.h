#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QWidget>

class CameraConfigWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CameraConfigWnd(QWidget *parent = nullptr);
};
