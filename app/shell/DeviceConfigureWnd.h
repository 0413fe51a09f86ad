#pragma once

#include "NavigatorRows.h"

#include <QScopedPointer>
#include <QWidget>

#include <array>

class HintWnd;
class MainManager;
class QModelIndex;

namespace Ui {
class DeviceConfigureWnd;
}

// Page 1 of the main window: the configuration categories on the left, the
// page of the selected one on the right. Pages are built on first selection
// and kept, since each asks the camera again whenever it is shown.
class DeviceConfigureWnd : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceConfigureWnd(QWidget *parent = nullptr);
    ~DeviceConfigureWnd() override;

public slots:
    // Connected to both clicked() and pressed() of the list, so one mouse
    // click selects twice and the page asks the camera twice.
    void onSignalItemClicked(const QModelIndex &index);
    void onSignalUpdateDevConfigParamOver();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildRows();
    void showPage(int row);

    MainManager *m_manager;
    std::array<QWidget *, kNavigatorRowCount> m_pages{};
    HintWnd *m_hintWnd;
    bool m_firstShowDone = false;
    const QScopedPointer<Ui::DeviceConfigureWnd> m_ui;
};
