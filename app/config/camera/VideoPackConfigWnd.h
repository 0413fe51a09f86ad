#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class VideoPackConfigWnd;
}

// The packing tab: the recordings' audio encoding and video packing format,
// each with its own switch. The camera says which of the two it lets change.
class VideoPackConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    // The camera's packing capability: which groups the page offers.
    enum Groups { kNoGroup = 0, kAudioOnly = 1, kVideoOnly = 2, kBothGroups = 3 };

    explicit VideoPackConfigWnd(QWidget *parent = nullptr);
    ~VideoPackConfigWnd() override;

    // List index and device value, both ways. The audio list maps index to
    // code with one jump ("RAW" is 99); the video list to a single bit.
    static quint8 audioCodeForIndex(int index);
    static int audioIndexForCode(quint8 code);
    static quint16 videoBitForIndex(int index);
    static int videoIndexForBits(quint16 bits);

public slots:
    void onSaveBtnClicked();
    void onSignalAudioStateChanged(int state);
    void onSignalVideoStateChanged(int state);
    void onReqSetDevPackParamRes(int result);
    void onSiganlDevPackParamChanged(AUDIO_VEDIO_PACK_CFG_PARAM *param);

protected:
    void requestParam() override;
    void showEvent(QShowEvent *event) override;

private:
    void showGroups();

    const QScopedPointer<Ui::VideoPackConfigWnd> m_ui;
    int m_groups = kNoGroup;
};
