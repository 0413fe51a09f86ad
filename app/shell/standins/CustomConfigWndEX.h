#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QWidget>

class CustomConfigWndEX : public QWidget
{
    Q_OBJECT

public:
    explicit CustomConfigWndEX(QWidget *parent = nullptr);

    void refreshParam();

    // How often the navigator called it; read by the navigator's tests.
    int refreshParamCalls() const { return m_refreshParamCalls; }

private:
    int m_refreshParamCalls = 0;
};
