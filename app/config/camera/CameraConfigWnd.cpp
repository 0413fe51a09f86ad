#include "CameraConfigWnd.h"
#include "ui_CameraConfigWnd.h"

#include "DeviceCaps.h"
#include "EncryptParamWnd.h"
#include "OSDSConfigWnd.h"
#include "PicParamWnd.h"
#include "VideoConfigWnd.h"
#include "VideoPackConfigWnd.h"

CameraConfigWnd::CameraConfigWnd(QWidget *parent)
    : TabContainer(parent)
    , m_ui(new Ui::CameraConfigWnd)
{
    m_ui->setupUi(this);

    const DeviceCaps caps = DeviceCaps::current();
    // The record pages of the first two tabs serve cameras without a JSON
    // description.
    const auto recordPage = [&caps](std::function<QWidget *()> create) {
        return caps.isJson() ? std::function<QWidget *()>() : create;
    };
    const QVector<TabEntry> tabs = {
            {kEncodingTab,
             m_ui->gridLayout_Encrypt,
             [caps] { return !caps.isJson() || caps.ability(&DevJsonAbility::supportEncodedParam) != 0; },
             recordPage([] { return new EncryptParamWnd; }),
             callOnPage(&EncryptParamWnd::refreshParam)},
            {kRecordingTab,
             m_ui->gridLayout_video,
             [caps] { return !caps.isJson() || caps.ability(&DevJsonAbility::supportVideoParam) != 0; },
             recordPage([] { return new VideoConfigWnd; }),
             callOnPage(&VideoConfigWnd::refreshParam)},
            {kOsdTab, m_ui->gridLayout_osd,
             [caps] { return caps.has(&DevJsonAbility::supportExtraOsd, CapByte::kOsd); },
             [] { return new OSDSConfigWnd; }, showPage()},
            {kPackingTab, m_ui->gridLayout_videopack,
             [caps] { return caps.has(&DevJsonAbility::supportAudioAndVedioPackChg, CapByte::kPack); },
             [] { return new VideoPackConfigWnd; }, showPage()},
            {kPhotoTab, m_ui->gridLayout_pic,
             [caps] { return caps.has(&DevJsonAbility::picQuality, CapByte::kPic); },
             [] { return new PicParamWnd; }, showPage()},
    };
    initTabs(m_ui->tabWidget, tabs);
}

CameraConfigWnd::~CameraConfigWnd() = default;
