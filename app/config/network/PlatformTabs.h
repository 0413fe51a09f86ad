#pragma once

#include <QCoreApplication>
#include <QString>

class DeviceCaps;

// Which platform tabs the logged-in camera offers, told once for the
// container and the pages that word their hint by it. Tab 11 follows its
// ability key on every camera; tab 8 never shows on a JSON camera.
class PlatformTabs
{
    Q_DECLARE_TR_FUNCTIONS(PlatformTabs)

public:
    enum Tab {
        kTarvio = 0,
        kFtp = 1,
        kQuensa = 2,
        kGb = 3,
        kPlat1400 = 4,
        kGroupTalk = 5,
        kCustom = 6,
        kFace = 7,
        kLumaro = 8,
        kLumaroV3 = 9,
        kRtmp = 10,
        kOther = 11,
        kTabCount = 12,
    };

    // For the camera the device core holds now; false outside 0..11.
    static bool isEnabled(int tab);
    static bool isEnabled(int tab, const DeviceCaps &caps);

    // The shorter one-platform hint when neither the Tarvio nor the Quensa
    // tab is offered; empty when the form's full hint stays.
    static QString onePlatformHint();
    static QString onePlatformHint(const DeviceCaps &caps);
};
