#include "ActivationRules.h"

ActivationRules::InputCheck ActivationRules::checkInputs(const QString &devicePassword,
                                                         const QString &deviceConfirm,
                                                         const QString &apPassword, const QString &apConfirm)
{
    if (devicePassword.length() != kDevicePasswordLength)
        return {Input::DevicePassword, tr("请输入六位数字密码")};
    if (deviceConfirm != devicePassword)
        return {Input::DeviceConfirm, tr("密码输入不一致")};
    if (!apPassword.isEmpty() && apPassword.length() < kApPasswordMinLength)
        return {Input::ApPassword, tr("请输入八位wifi密码")};
    if (apConfirm != apPassword)
        return {Input::ApConfirm, tr("密码输入不一致")};
    return {};
}

ActivationRules::Outcome ActivationRules::outcome(bool deviceResultGood, bool apResultGood, int lastApResult)
{
    if (deviceResultGood && apResultGood)
        return Outcome::Activated;
    if (lastApResult == kApResultResetPassword)
        return Outcome::ResetApPassword;
    return Outcome::Failed;
}

QString ActivationRules::outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Activated:
        return tr("激活成功");
    case Outcome::ResetApPassword:
        return tr("请重置初始热点密码");
    case Outcome::Failed:
        break;
    }
    return tr("激活失败");
}
