#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class FtpConfigWnd;
}

// The FTP tab of the platform container: whether and what the camera uploads
// to an FTP server, and the server's address, port, user and password. The
// address and port are checked only while the upload is switched on.
class FtpConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit FtpConfigWnd(QWidget *parent = nullptr);
    ~FtpConfigWnd() override;

public slots:
    void onSignalPortTextChanged(const QString &str);
    void onSaveBtnClicked();
    void onSignalStateChanged(int state);
    void onSiganlFaceTdaParamChanged(FTP_CFG_PARAM *param);
    void onSignalSetFaceTdaPamRes(int result);

protected:
    void requestParam() override;

private:
    bool checkParam(const QString &ip, int port);

    const QScopedPointer<Ui::FtpConfigWnd> m_ui;
};
