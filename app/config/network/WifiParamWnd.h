#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>
#include <QString>

namespace Ui {
class WifiParamWnd;
}

// The key of a generation-1 camera with WepAsc set travels as hex text: two
// upper-case digits per UTF-8 byte.
QString hexEncode(const QString &text);
// The camera's hex key back to text. Letters count on past F (G is 16, Z 35)
// and each pair is kept to 8 bits, as the camera reads them; an odd length or
// any other character gives an empty text. At most 32 bytes, up to a zero byte.
QString hexDecode(const QString &hex);

// The Wi-Fi tab: the Wi-Fi client (enable, SSID, key) and, on cameras with
// one, the hotspot. Generation 1 keeps them in the short record with the
// WepAsc flag, later generations in one record that holds a single mode, so
// the client and the hotspot cannot be on together.
class WifiParamWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit WifiParamWnd(QWidget *parent = nullptr);
    ~WifiParamWnd() override;

public slots:
    void onSignalWifiStateChanged(int state);
    void onSignalWebAscStateChanged(int state);
    void onSignalAPStateChanged(int state);
    void onSignalSSIDStateChanged(int state);
    void onSignalSSIDEditingFinished();
    void onSignalSaveBtnClicked();
    void onSiganlDevWifiParamChanged(WIFI_PARA_T_V1_0 *param);
    void onSiganlDevWifiParamV2Changed(WIFI_PARA_V2_T *param);
    void onSetWifiParamRes(int result);

protected:
    void requestParam() override;

private:
    bool saveParam();
    // The V2 record: client and hotspot; the hotspot's checks when it is offered and on.
    bool saveV2(bool wifiOn, const QString &ssid, const QString &key);
    bool hotspotPasses(bool wifiOn);
    bool usesV2() const { return m_generation >= 2; }
    void setHotspotRowsVisible(bool visible);
    void showConflict(bool shown);

    const QScopedPointer<Ui::WifiParamWnd> m_ui;
    quint32 m_generation = 0;
    // The hotspot rows are on screen: only then does the operator choose the
    // hotspot, so only then is it checked and can it conflict with the client.
    bool m_hotspotShown = true;
    bool m_apSsidValid = true;
};
