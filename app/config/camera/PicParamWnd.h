#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class PicParamWnd;
}

// The photo tab: the camera's photo resolution. Cameras with a 4-megapixel
// photo list it first, ahead of the codes' own order.
class PicParamWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit PicParamWnd(QWidget *parent = nullptr);
    ~PicParamWnd() override;

    // List index and resolution code, both ways; the 4-megapixel list puts
    // code 4 first.
    static int indexForCode(quint8 code, bool with4MP);
    static quint8 codeForIndex(quint8 index, bool with4MP);

public slots:
    void onSaveBtnClicked();
    void onReqSetDevPICParamRes(int result);
    void onSiganlDevPICParamChanged(PIC_PARAM *param);

protected:
    void requestParam() override;

private:
    const QScopedPointer<Ui::PicParamWnd> m_ui;
    bool m_with4MP = false;
};
