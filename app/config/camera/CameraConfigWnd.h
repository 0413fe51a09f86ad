#pragma once

#include "TabContainer.h"

#include <QScopedPointer>

namespace Ui {
class CameraConfigWnd;
}

// The camera entry of the configuration navigator: encoding, recording, OSD,
// packing and photo tabs, each shown only when the camera has the feature.
// The encryption tab never shows.
class CameraConfigWnd : public TabContainer
{
    Q_OBJECT

public:
    enum Tab {
        kEncodingTab = 0,
        kRecordingTab = 1,
        kOsdTab = 2,
        kEncryptionTab = 3,
        kPackingTab = 4,
        kPhotoTab = 5,
    };

    explicit CameraConfigWnd(QWidget *parent = nullptr);
    ~CameraConfigWnd() override;

private:
    const QScopedPointer<Ui::CameraConfigWnd> m_ui;
};
