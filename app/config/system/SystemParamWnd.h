#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>
#include <QVector>

class DeviceCaps;

class QComboBox;

namespace Ui {
class SystemParamWnd;
}

// The system tab of a camera without a JSON description: the system record
// (screen saver, positioning, sounds, LED, operation password, GPS time sync)
// and, where the camera has it, the extended record (switches, timed photo,
// GPS upload, channel name, anti-shake mode, intercom format, low battery).
// Both records are shared with the recording page; the device core merges the
// page's fields into its copy before sending.
//
// Reading and saving are chains: system record first, then the extended one.
// One save gives one toast, at the end of the chain.
class SystemParamWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit SystemParamWnd(QWidget *parent = nullptr);
    ~SystemParamWnd() override;

    // Whether the extended record counts on this camera: the rows, the
    // request and the second save step all follow this one condition.
    bool extendedApplies() const { return m_extended; }

public slots:
    void onSaveBtnClicked();
    void onSignalDevSystemParamChanged(SYSTEM_PARA_T *sysParam);
    void onReqSetDevSystemParamRes(int result);
    void onSiganlDevEXParamV3Changed(Ex_Param_V3_T *param);
    void onReqSetDevEXParamV3Res(int result);
    void onSiganlchannelNametextChanged(QString text);

protected:
    void requestParam() override;

private:
    void fillLists();
    void showRows();
    void hidePositioningRows(const DeviceCaps &caps);
    void lockModelSettings(quint32 modelType);
    void hideExtendedRows(const DeviceCaps &caps);
    Ex_Param_V3_T extendedRecord() const;
    // A combo box whose item index is the record's byte.
    void fillChoice(QComboBox *box, quint8 value);
    quint8 choiceByte(const QComboBox *box) const;

    const QScopedPointer<Ui::SystemParamWnd> m_ui;
    bool m_extended = false;
    QVector<quint32> m_screenSaverMs; // the list in force, by item
};
