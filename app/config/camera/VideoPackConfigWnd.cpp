#include "VideoPackConfigWnd.h"
#include "ui_VideoPackConfigWnd.h"

#include "CommonFunc.h"
#include "DeviceCaps.h"
#include "MainManager.h"
#include "RecordReader.h"

#include <algorithm>

#include <iterator>

namespace {

// AUDIO_VEDIO_PACK_CFG_PARAM: audio enable, audio code, video enable, one
// reserved byte, the u16 video packing bit, two reserved bytes.
constexpr int kAudioEnableOffset = 0;
constexpr int kAudioCodeOffset = 1;
constexpr int kVideoEnableOffset = 2;
constexpr int kVideoBitOffset = 4;

// Audio codes in list order: G711_MU, G711_A, G722_1, G723, MP1L2, MP2L2,
// G726, AAC, MP1L3, ADPCM, RAW.
const quint8 kAudioCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 99};
// Video packing bits in list order: PS, TS, RTP, Zorv, MEGA_PS, ORG, RTMP,
// AVI, MP4, FLV.
const quint16 kVideoBits[] = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512};

template<typename Value, std::size_t N>
Value valueAt(const Value (&table)[N], int index)
{
    return index >= 0 && index < int(N) ? table[index] : Value(0);
}

// A value the list does not hold shows as the first item.
template<typename Value, std::size_t N>
int indexOf(const Value (&table)[N], Value value)
{
    const auto found = std::find(std::begin(table), std::end(table), value);
    return found == std::end(table) ? 0 : int(found - std::begin(table));
}

} // namespace

VideoPackConfigWnd::VideoPackConfigWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::VideoPackConfigWnd)
{
    m_ui->setupUi(this);
    m_groups = DeviceCaps::current().value(&DevJsonAbility::supportAudioAndVedioPackChg, CapByte::kPack,
                                           DeviceCaps::Counts::OnAnyGeneration);
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &VideoPackConfigWnd::onSaveBtnClicked);
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &VideoPackConfigWnd::onSignalAudioStateChanged);
    connect(m_ui->enable_box2, &QCheckBox::stateChanged, this,
            &VideoPackConfigWnd::onSignalVideoStateChanged);
    connectResult(&MainManager::reqSetDevPackParam, &VideoPackConfigWnd::onReqSetDevPackParamRes);
    connectRecord(&MainManager::devPackParamChanged, &VideoPackConfigWnd::onSiganlDevPackParamChanged);
    // The lists follow their switches from the start, not only after a change.
    onSignalAudioStateChanged(m_ui->enable_box->checkState());
    onSignalVideoStateChanged(m_ui->enable_box2->checkState());
}

VideoPackConfigWnd::~VideoPackConfigWnd() = default;

quint8 VideoPackConfigWnd::audioCodeForIndex(int index)
{
    return valueAt(kAudioCodes, index);
}

int VideoPackConfigWnd::audioIndexForCode(quint8 code)
{
    return indexOf(kAudioCodes, code);
}

quint16 VideoPackConfigWnd::videoBitForIndex(int index)
{
    return valueAt(kVideoBits, index);
}

int VideoPackConfigWnd::videoIndexForBits(quint16 bits)
{
    return indexOf(kVideoBits, bits);
}

void VideoPackConfigWnd::requestParam()
{
    manager()->ReqDevPackParam();
}

void VideoPackConfigWnd::showEvent(QShowEvent *event)
{
    ParamPage::showEvent(event);
    showGroups();
}

void VideoPackConfigWnd::showGroups()
{
    if (m_groups < kNoGroup || m_groups > kBothGroups)
        return;
    const bool audio = m_groups == kAudioOnly || m_groups == kBothGroups;
    const bool video = m_groups == kVideoOnly || m_groups == kBothGroups;
    // The two "启用" labels stay in every case.
    for (QWidget *widget : {static_cast<QWidget *>(m_ui->enable_box), static_cast<QWidget *>(m_ui->label_2),
                            static_cast<QWidget *>(m_ui->comboBox)})
        widget->setVisible(audio);
    for (QWidget *widget : {static_cast<QWidget *>(m_ui->enable_box2), static_cast<QWidget *>(m_ui->label_4),
                            static_cast<QWidget *>(m_ui->comboBox_2)})
        widget->setVisible(video);
}

void VideoPackConfigWnd::onSignalAudioStateChanged(int state)
{
    m_ui->comboBox->setEnabled(state == Qt::Checked);
}

void VideoPackConfigWnd::onSignalVideoStateChanged(int state)
{
    m_ui->comboBox_2->setEnabled(state == Qt::Checked);
}

void VideoPackConfigWnd::onSiganlDevPackParamChanged(AUDIO_VEDIO_PACK_CFG_PARAM *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->enable_box->setChecked(record.u8(kAudioEnableOffset) != 0);
    m_ui->comboBox->setCurrentIndex(audioIndexForCode(record.u8(kAudioCodeOffset)));
    kept().keepChoice(m_ui->comboBox, record.u8(kAudioCodeOffset));
    m_ui->enable_box2->setChecked(record.u8(kVideoEnableOffset) != 0);
    m_ui->comboBox_2->setCurrentIndex(videoIndexForBits(record.u16(kVideoBitOffset)));
    kept().keepChoice(m_ui->comboBox_2, record.u16(kVideoBitOffset));
}

void VideoPackConfigWnd::onSaveBtnClicked()
{
    beginSave();
    // A disabled list is saved with its current item.
    const bool sent = manager()->SetDevicePackParam(
            m_ui->enable_box->isChecked() ? 1 : 0,
            quint8(kept().choice(m_ui->comboBox, audioCodeForIndex(m_ui->comboBox->currentIndex()))),
            m_ui->enable_box2->isChecked() ? 1 : 0,
            quint16(kept().choice(m_ui->comboBox_2, videoBitForIndex(m_ui->comboBox_2->currentIndex()))));
    if (!sent)
        saveRefused();
}

void VideoPackConfigWnd::onReqSetDevPackParamRes(int result)
{
    finishSave(result);
}
