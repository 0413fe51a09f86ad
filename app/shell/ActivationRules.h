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

    enum class Outcome { Activated, ResetApPassword, Failed };

    // The camera answers 9 to a hotspot password it will not take (empty or
    // the printed initial one); that asks for a new one rather than failing.
    static Outcome outcome(bool deviceResultGood, bool apResultGood, int lastApResult);
    static QString outcomeText(Outcome outcome);

    static constexpr int kDevicePasswordLength = 6;
    static constexpr int kApPasswordMinLength = 8;
    static constexpr int kApResultResetPassword = 9;
};
