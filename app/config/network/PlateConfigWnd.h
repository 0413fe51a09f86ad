#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class PlateConfigWnd;
}
class QLineEdit;
class QValidator;

// The Tarvio tab of the platform container: the camera's first-generation
// platform access, with the server given by address or, where the camera
// offers it, by domain. It edits two records and sends both on a save from
// generation 2 on, so one save may end in two results, each reported.
class PlateConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit PlateConfigWnd(QWidget *parent = nullptr);
    ~PlateConfigWnd() override;

public slots:
    void onSiganlDevPlateParamChanged(PLATFORM_PARA_T *param);
    void onSiganlDevDomainParamChanged(PLATFORM_DOMAIN_T *param);
    void onSaveBtnClicked();
    void onSignalSetPlatePamRes(int result);
    void onSignalSetDomainPamRes(int result);
    void onSignalStateChanged(int state);
    void onSignalDomianStateChanged(int state);
    void onSignalPortTextChanged(const QString &str);
    void onSignaldeviceIDTextChanged(const QString &str);
    void onSignalgpsIntervalTextChanged(const QString &str);

protected:
    void requestParam() override;

private:
    bool checkParam(const QString &ip, const QString &domain, const QString &deviceId, int port, int gpsInterval);
    void installFilter(QLineEdit *edit, QValidator *filter);
    void reportDomainResult(int result);

    const QScopedPointer<Ui::PlateConfigWnd> m_ui;
    // What the camera offers, decided once.
    const quint32 m_generation;
    const bool m_domainOffered;
    const bool m_gpsUsed;
    QValidator *const m_digitsFilter;
    QValidator *const m_idFilter;
    // The results the last save still waits for, and whether its platform
    // record failed: the domain record's toast must not then say it was saved.
    bool m_plateResultPending = false;
    bool m_domainResultPending = false;
    bool m_plateFailed = false;
    // A domain result that came before the platform record's.
    bool m_domainResultHeld = false;
    int m_heldDomainResult = 0;
};
