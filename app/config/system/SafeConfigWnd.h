#pragma once

#include "ParamPage.h"

#include <QScopedPointer>

namespace Ui {
class SafeConfigWnd;
}

// The password tab: the camera's six-digit log-in password, changed after
// the old one was checked against the one the operator logged in with. The
// record is write-only, so the page asks the camera nothing; each return to
// the tab starts from empty fields.
class SafeConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit SafeConfigWnd(QWidget *parent = nullptr);
    ~SafeConfigWnd() override;

    // Empties the fields, hides the error frames and shows the old-password
    // row unless the camera logs in without a password.
    void resetInput();
    // The rules in order; the first that fails shows its frame.
    bool checkInput();

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void onSaveBtnClicked();
    void onReqSetDevPwdRes(int result);

private:
    bool isNoPasswordDevice() const;

    const QScopedPointer<Ui::SafeConfigWnd> m_ui;
};
