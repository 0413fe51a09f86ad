#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class TarvioConfigWnd;
}

// The Quensa tab of the platform container: the camera's second-generation
// platform access (switch, force sub-stream, server address and port, and the
// camera's ID, name and key there). Every field is checked on each save, also
// with the platform switched off.
class TarvioConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit TarvioConfigWnd(QWidget *parent = nullptr);
    ~TarvioConfigWnd() override;

public slots:
    void onSignalPortTextChanged(const QString &str);
    void onSaveBtnClicked();
    void onSignalStateChanged(int state);
    void onSiganlTarvioParamChanged(PLATFROM_TARVIO50_PARAM *param);
    void onSignalSetTarvioPamRes(int result);

protected:
    void requestParam() override;

private:
    bool checkParam(const QString &ip, int port, const QString &deviceId, const QString &deviceName,
                    const QString &key);

    const QScopedPointer<Ui::TarvioConfigWnd> m_ui;
};
