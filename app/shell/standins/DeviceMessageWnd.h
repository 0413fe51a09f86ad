#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QWidget>

class DeviceMessageWnd : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceMessageWnd(QWidget *parent = nullptr);

    void initParam();

    // How often the navigator called it; read by the navigator's tests.
    int initParamCalls() const { return m_initParamCalls; }

private:
    int m_initParamCalls = 0;
};
