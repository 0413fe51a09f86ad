#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class OSDSConfigWnd;
}

// The OSD tab: the extra on-screen texts of the recordings, on or off, and
// their three lines, each kept within what the camera shows while typing.
class OSDSConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    // Bytes of a line's local 8-bit text that the camera shows (its field holds 64).
    static constexpr int kTextLimit = 32;

    explicit OSDSConfigWnd(QWidget *parent = nullptr);
    ~OSDSConfigWnd() override;

public slots:
    void onSaveBtnClicked();
    void onSignalStateChanged(int state);
    void onReqSetDevOSDParamRes(int result);
    void onSiganlDevOSDParamChanged(EXTRA_OSD *param);
    void onSignalOSDEditingFinished(QString str);

protected:
    void requestParam() override;

private:
    const QScopedPointer<Ui::OSDSConfigWnd> m_ui;
};
