#pragma once

#include <QCoreApplication>
#include <QString>

// The two rules that every activation screen shares (the single-device set-up
// page and the batch set-up dialog): which input is wrong before anything is
// sent, and what the camera's two answers amount to.
class ActivationRules
{
    Q_DECLARE_TR_FUNCTIONS(ActivationRules)

public:
    ActivationRules() = delete;

    // The inputs in the order they are checked; None: all four pass.
    enum class Input { None, DevicePassword, DeviceConfirm, ApPassword, ApConfirm };

    struct InputCheck
    {
        Input failing = Input::None;
        QString text; // the message for the failing input's error frame
    };

    // The device password must have exactly six characters (the validator
    // keeps them digits); the hotspot password may stay empty, otherwise it
    // needs at least eight. Stops at the first failing input.
    static InputCheck checkInputs(const QString &devicePassword, const QString &deviceConfirm,
                                  const QString &apPassword, const QString &apConfirm);

    // Checks the four inputs of a set-up form (the set-up page and the batch
    // dialog share their object names) and shows the first failure in its
    // error frame; true when all four pass.
    template<typename Form>
    static bool checkForm(Form *ui)
    {
        const InputCheck check = checkInputs(ui->newPwdInput->text(), ui->rePwdInput->text(),
                                             ui->newPwdInput_ap->text(), ui->rePwdInput_ap->text());
        switch (check.failing) {
        case Input::DevicePassword:
            ui->newPwdErrorText->setText(check.text);
            ui->newErrorFrame->show();
            return false;
        case Input::DeviceConfirm:
            ui->rePwdErrorText->setText(check.text);
            ui->confirmErrorFrame->show();
            return false;
        case Input::ApPassword:
            ui->newPwdErrorText_ap->setText(check.text);
            ui->newPwdErrorFrame_ap->show();
            return false;
        case Input::ApConfirm:
            ui->rePwdErrorText_ap->setText(check.text);
            ui->confirmErrorFrame_ap->show();
            return false;
        case Input::None:
            break;
        }
        return true;
    }

    enum class Outcome { Activated, ResetApPassword, Failed };

    // The camera answers 9 to a hotspot password it will not take (empty or
    // the printed initial one); that asks for a new one rather than failing.
    static Outcome outcome(bool deviceResultGood, bool apResultGood, int lastApResult);
    static QString outcomeText(Outcome outcome);

    static constexpr int kDevicePasswordLength = 6;
    static constexpr int kApPasswordMinLength = 8;
    static constexpr int kApResultResetPassword = 9;
};
