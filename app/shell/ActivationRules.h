#pragma once

#include <QCoreApplication>
#include <QString>

// The rules a new camera's passwords follow, shared by the single-camera
// set-up page and the batch set-up dialog: which input is wrong, and what
// the camera's two activation replies mean to the operator.
class ActivationRules
{
    Q_DECLARE_TR_FUNCTIONS(ActivationRules)

public:
    ActivationRules() = delete;

    // The hotspot reply that asks for a password other than the printed one.
    static constexpr int kResetHotspotResult = 9;
    static constexpr int kDevicePasswordLength = 6;
    static constexpr int kApPasswordMinLength = 8;

    enum class Field { None, DevicePassword, DeviceConfirm, ApPassword, ApConfirm };

    // The first input, in the order the operator fills them in, that fails
    // its check; an empty hotspot password passes (the camera judges it).
    static Field firstError(const QString &devicePassword, const QString &deviceConfirm,
                            const QString &apPassword, const QString &apConfirm);
    static QString errorText(Field field);

    // Once every expected reply is in: success only when both were 0.
    static QString outcomeText(bool deviceGood, bool apGood, int lastApResult);
};
