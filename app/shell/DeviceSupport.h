#pragma once

#include "DevJsonAbility.h"

#include <QtGlobal>

// What the logged-in camera offers, as the device core last heard it: its
// protocol generation, its JSON ability description when it sent one, and the
// capability bytes of its device-code record. Windows decide which buttons,
// rows and pages exist from one snapshot, so the rules can be tested without
// a camera.
struct DeviceSupport
{
    enum : int {
        kNetworkByte = 264, // Wi-Fi
        kMobileNetworkByte = 265, // 4G
        kLogByte = 271,
    };

    int generation = 0;
    bool hasAbility = false;
    DevJsonAbility ability;
    quint8 networkByte = 0;
    quint8 mobileNetworkByte = 0;
    quint8 logByte = 0;

    static DeviceSupport current();
};

// Whether the camera keeps logs the program can fetch: the main window's log
// button and the settings dialog's log row follow this one rule. Only
// third-generation cameras can say no, through supportLog when they describe
// themselves in JSON, through the log byte of their device code otherwise.
bool deviceSupportsLog(const DeviceSupport &support);
bool deviceSupportsLog();
