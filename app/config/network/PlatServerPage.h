#pragma once

#include "ParamPage.h"

#include <QScopedPointer>

namespace Ui {
class PlatServerPage;
}
class QValidator;

// The form and the behaviour that the GA/T 1400 and the custom platform tabs
// share: a switch, the platform's address and port, a user name and a
// password, in one 136-byte record of the same layout. The two pages differ
// only in their camera commands and in which signs the password takes.
//
// Address and port are checked only while the platform is switched on;
// switched off, whatever the fields hold goes to the camera.
class PlatServerPage : public ParamPage
{
    Q_OBJECT

public:
    ~PlatServerPage() override;

    bool checkParam(const QString &address, int port);

public slots:
    void onSignalSetFaceTdaPamRes(int result);
    void onSaveBtnClicked();
    void onSignalStateChanged(int state);
    void onSignalPortTextChanged(const QString &text);

protected:
    // The password field's keystroke filter; the page owns it.
    PlatServerPage(QWidget *parent, QValidator *passwordRule);

    // Both records share one layout: the page reads its own through this.
    void fill(const void *record, int size);
    // The page's setter with the operator's values; false when nothing was sent.
    virtual bool sendParam(bool enable, const QString &address, const QString &port, const QString &userName,
                           const QString &password) = 0;

private:
    const QScopedPointer<Ui::PlatServerPage> m_ui;
    QValidator *const m_portRule;
};
