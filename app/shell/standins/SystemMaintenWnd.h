#pragma once

// Stand-in until the real page lands; it shows its class name only.

#include <QWidget>

class SystemMaintenWnd : public QWidget
{
    Q_OBJECT

public:
    explicit SystemMaintenWnd(QWidget *parent = nullptr);

    void updateExportParamVisible();

    // How often the navigator called it; read by the navigator's tests.
    int updateExportParamVisibleCalls() const { return m_updateExportParamVisibleCalls; }

private:
    int m_updateExportParamVisibleCalls = 0;
};
