#pragma once

#include "TabContainer.h"

#include <QScopedPointer>

namespace Ui {
class PlatformWnd;
}

// The platform entry of the configuration navigator: one tab per way in
// which the camera reaches a remote platform, each shown only when the camera
// offers it (PlatformTabs). The "other" tab, when offered, comes first.
class PlatformWnd : public TabContainer
{
    Q_OBJECT

public:
    explicit PlatformWnd(QWidget *parent = nullptr);
    ~PlatformWnd() override;

private:
    const QScopedPointer<Ui::PlatformWnd> m_ui;
};
