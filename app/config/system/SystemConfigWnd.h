#pragma once

#include "TabContainer.h"

#include <QScopedPointer>

namespace Ui {
class SystemConfigWnd;
}

// The system entry of the configuration navigator: time, password and system
// parameter tabs. Only a camera that describes itself in JSON can lack one.
// The system tab gets the JSON form page on such a camera, the record page
// on any other.
class SystemConfigWnd : public TabContainer
{
    Q_OBJECT

public:
    enum Tab {
        kTimeTab = 0,
        kPasswordTab = 1,
        kSystemTab = 2,
    };

    explicit SystemConfigWnd(QWidget *parent = nullptr);
    ~SystemConfigWnd() override;

private:
    const QScopedPointer<Ui::SystemConfigWnd> m_ui;
};
