#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

class QTimer;

namespace Ui {
class TimeConfigWnd;
}

// The time tab: the camera's clock and zone, set from the PC's clock
// (automatic timing, the start) or from what the operator enters (manual
// timing), and the camera's daylight-saving rule where the camera shows one.
//
// In automatic timing a 500 ms timer keeps the date-time and the zones on the
// PC's clock, also while the page is hidden; manual timing stops it and asks
// the camera for its clock. A save sends the DST rule first and the time only
// once the camera took the rule, with one toast at the end.
class TimeConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    static constexpr int kClockIntervalMs = 500;
    // The camera's answer to a time save when it cannot set its clock.
    static constexpr int kTimeNotSupported = 8;

    explicit TimeConfigWnd(QWidget *parent = nullptr);
    ~TimeConfigWnd() override;

    // Whether the camera has the DST rule: the rows, the request on show, the
    // save's first step and the zone lock all follow this one condition.
    bool dstShown() const { return m_dstShown; }
    // The DST rule as the widgets give it.
    USB_DST_T dstRecord() const;

public slots:
    void onSignalAutoTimingToggled(bool checked);
    void onSignalManualTimingToggled(bool checked);
    void onSignalSaveBtnClicked();
    void onSiganlDevTimeParamChanged(TIME_PARA_T *param);
    void onReqSetDevTimeParamRes(int result);
    void onUpdateTimer();
    void onTimeZoneIndexChanged(int index);
    void onSiganlDevDSTChanged(USB_DST_T *param);
    void onSignalStateChanged(int state);
    void onReqSetDevDSTParamRes(int result);

protected:
    void requestParam() override;

private:
    void showPcZone();
    void setZonesEnabled(bool enabled);
    void sendTime();

    const QScopedPointer<Ui::TimeConfigWnd> m_ui;
    QTimer *const m_clock;
    bool m_dstShown = false;
    bool m_modelLocksZones = false;
};
