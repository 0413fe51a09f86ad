#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class FaceTdaConfigWnd;
}
class QLineEdit;
class QValidator;

// The face-platform tab: a master switch, the TDA and MQ services (governed
// together by the MQ push option), the cloud-storage server and four options.
class FaceTdaConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit FaceTdaConfigWnd(QWidget *parent = nullptr);
    ~FaceTdaConfigWnd() override;

public slots:
    void onSignalPortTextChanged(const QString &str);
    void onSaveBtnClicked();
    void onSignalStateChanged(int state);
    void onSignalMQStateChanged(int state);
    void onSignalStorStateChanged(int state);
    void onSiganlFaceTdaParamChanged(PLATFORM_FACE_CFG_PARAM *param);
    void onSignalSetFaceTdaPamRes(int result);

protected:
    void requestParam() override;

private:
    struct Server
    {
        QLineEdit *address;
        QLineEdit *port;
        QWidget *addressFrame;
        QWidget *portFrame;
    };
    // Both checks of each server, all of them run; false when any failed.
    bool checkServers(std::initializer_list<Server> servers);
    // Switched off: what would fail a check is cleared instead of shown.
    void clearInvalid(const Server &server);

    Server tda() const;
    Server mq() const;
    Server storage() const;

    const QScopedPointer<Ui::FaceTdaConfigWnd> m_ui;
    QValidator *m_portValidator = nullptr;
};
