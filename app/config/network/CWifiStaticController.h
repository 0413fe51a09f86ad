#pragma once

#include <QObject>
#include <QString>

// The Wi-Fi interface's addressing as the static IP page hands it over.
struct WifiStaticParam
{
    QString ip;
    QString mask;
    int dhcp = 0; // 0: the static address, 1: DHCP
    int dnsMode = 0;
    QString gateway;
    QString dns1;
    QString dns2;
};

// Checks the five addresses and sends the static IP record straight to the
// device library. The camera's answer arrives as MainManager's result signal;
// this object reports only the check and a request the library refused.
class CWifiStaticController : public QObject
{
    Q_OBJECT

public:
    enum CheckResult {
        kPassed = 0,
        kBadIp = -1,
        kBadMask = -2,
        kBadGateway = -3,
        kBadDns1 = -4,
        kBadDns2 = -5,
    };

    explicit CWifiStaticController(QObject *parent = nullptr);

    // Checks every address, whatever the DHCP flag says; sends only when all pass.
    void setParam(WifiStaticParam *param);

signals:
    // 0 when all five passed, else the code of the first that failed.
    void checkParamResult(int errorNo);
    // -1: the device library did not send the request.
    void setParamResult(int result);
};
