#include "ActivationRules.h"

ActivationRules::Field ActivationRules::firstError(const QString &devicePassword, const QString &deviceConfirm,
                                                   const QString &apPassword, const QString &apConfirm)
{
    if (devicePassword.size() != kDevicePasswordLength)
        return Field::DevicePassword;
    if (deviceConfirm != devicePassword)
        return Field::DeviceConfirm;
    if (!apPassword.isEmpty() && apPassword.size() < kApPasswordMinLength)
        return Field::ApPassword;
    if (apConfirm != apPassword)
        return Field::ApConfirm;
    return Field::None;
}

QString ActivationRules::errorText(Field field)
{
    switch (field) {
    case Field::DevicePassword:
        return tr("请输入六位数字密码");
    case Field::DeviceConfirm:
    case Field::ApConfirm:
        return tr("密码输入不一致");
    case Field::ApPassword:
        return tr("请输入八位wifi密码");
    case Field::None:
        break;
    }
    return QString();
}

QString ActivationRules::outcomeText(bool deviceGood, bool apGood, int lastApResult)
{
    if (deviceGood && apGood)
        return tr("激活成功");
    if (lastApResult == kResetHotspotResult)
        return tr("请重置初始热点密码");
    return tr("激活失败");
}
