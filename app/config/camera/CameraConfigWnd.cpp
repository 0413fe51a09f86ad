#include "CameraConfigWnd.h"
#include "ui_CameraConfigWnd.h"

#include "DeviceCaps.h"
#include "EncryptParamEXWnd.h"
#include "EncryptParamWnd.h"
#include "OSDSConfigWnd.h"
#include "PicParamWnd.h"
#include "VideoConfigEXWnd.h"
#include "VideoConfigWnd.h"
#include "VideoPackConfigWnd.h"

CameraConfigWnd::CameraConfigWnd(QWidget *parent)
    : TabContainer(parent)
    , m_ui(new Ui::CameraConfigWnd)
{
    m_ui->setupUi(this);

    const DeviceCaps caps = DeviceCaps::current();
    const bool json = caps.isJson();
    // The first two tabs edit records on classic cameras and JSON forms on
    // cameras that describe their parameters in JSON.
    const QVector<TabEntry> tabs = {
            {kEncodingTab,
             m_ui->gridLayout_Encrypt,
             [caps] { return !caps.isJson() || caps.ability(&DevJsonAbility::supportEncodedParam) != 0; },
             [json]() -> QWidget * {
                 if (json)
                     return new EncryptParamEXWnd;
                 return new EncryptParamWnd;
             },
             callOnPage(&ParamPage::refreshParam)},
            {kRecordingTab,
             m_ui->gridLayout_video,
             [caps] { return !caps.isJson() || caps.ability(&DevJsonAbility::supportVideoParam) != 0; },
             [json]() -> QWidget * {
                 if (json)
                     return new VideoConfigEXWnd;
                 return new VideoConfigWnd;
             },
             callOnPage(&ParamPage::refreshParam)},
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
