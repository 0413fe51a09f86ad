#include "VideoConfigWnd.h"
#include "ui_VideoConfigWnd.h"

#include "DeviceCaps.h"
#include "MainManager.h"
#include "RecordReader.h"

#include <QDebug>

namespace {

// SYSTEM_PARA_T positions of the page's fields.
constexpr int kSegmentOffset = 4;
constexpr int kDelayedOffset = 8;
constexpr int kPreRecordOffset = 12;
constexpr int kInfraredOffset = 22;

// Ex_Param_V3_T positions of the page's flags.
constexpr int kLoopOffset = 3;
constexpr int kEncodingOffset = 16;
constexpr int kFormatOffset = 60;
constexpr int kPowerOnOffset = 63;
constexpr int kNoiseReductionOffset = 66;
constexpr int kForcedOffset = 67;
constexpr int kCoverAlarmOffset = 68;

// Item values in combo-box order; the "60秒" item is last where it is offered.
constexpr qint32 kDelayedValues[] = {0, 3000, 5000, 10000, 60000};
constexpr qint32 kPreRecordValues[] = {0, 3, 5, 10, 60};
constexpr qint32 kSegmentCodes[] = {1, 2, 3, 4};

template<std::size_t N>
int indexOf(const qint32 (&values)[N], qint32 value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (values[i] == value)
            return int(i);
    return -1;
}

template<std::size_t N>
qint32 valueAt(const qint32 (&values)[N], int index, qint32 outside)
{
    return index >= 0 && index < int(N) ? values[index] : outside;
}

} // namespace

VideoConfigWnd::VideoConfigWnd(QWidget *parent)
    : ParamPage(parent, {Refresh::OnRequest, false})
    , m_ui(new Ui::VideoConfigWnd)
{
    m_ui->setupUi(this);
    addErrorFrame(m_ui->record_point_frame_2, m_ui->record_point_text_2);
    addErrorFrame(m_ui->record_point_frame, m_ui->record_point_text);

    const DeviceCaps caps = DeviceCaps::current();
    m_generation = caps.generation();
    m_extendedRecord = caps.codeByte(CapByte::kExParamV3) != 0;

    const QString off = tr("关");
    m_ui->comboBox_split->addItems({tr("5分钟"), tr("10分钟"), tr("20分钟"), tr("30分钟")});
    m_ui->comboBox_rec->addItems({off, tr("3秒"), tr("5秒"), tr("10秒")});
    m_ui->comboBox_pre->addItems({off, tr("3秒"), tr("5秒"), tr("10秒")});
    if (m_generation != 1) {
        m_ui->comboBox_rec->addItem(tr("60秒"));
        if (caps.codeByte(CapByte::kNo60sPreRecord) == 0)
            m_ui->comboBox_pre->addItem(tr("60秒"));
    }
    m_ui->comboBox_infrared->addItems({off, tr("开"), tr("自动")});
    m_ui->comboBox_code->addItems({"H.264", "H.265"});
    m_ui->comboBox_format->addItems({"PS", "MP4"});

    const auto hideRow = [](std::initializer_list<QWidget *> widgets) {
        for (QWidget *w : widgets)
            w->hide();
    };
    if (!usesExtendedRecord()) {
        hideRow({m_ui->label_8, m_ui->checkBox_cover, m_ui->label_11, m_ui->checkBox_upRec, m_ui->label_12,
                 m_ui->checkBox_3ddnr, m_ui->label_13, m_ui->checkBox_force, m_ui->label_14,
                 m_ui->checkBox_scd, m_ui->label, m_ui->comboBox_code, m_ui->label_2, m_ui->comboBox_format});
    } else {
        if (caps.codeByte(CapByte::kRecordFormat) == 0)
            hideRow({m_ui->label_2, m_ui->comboBox_format});
        if (caps.codeByte(CapByte::kNoiseReduction) == 0)
            hideRow({m_ui->label_12, m_ui->checkBox_3ddnr});
        if (caps.codeByte(CapByte::kForcedRecording) == 0)
            hideRow({m_ui->label_13, m_ui->checkBox_force});
        if (caps.codeByte(CapByte::kCoverAlarm) == 0)
            hideRow({m_ui->label_14, m_ui->checkBox_scd});
    }
    const quint32 model = caps.modelType();
    const bool noRecordingTimes = model == 6 || model == 13;
    if (noRecordingTimes || caps.codeByte(CapByte::kInfraredFixed) == 1)
        hideRow({m_ui->label_3, m_ui->comboBox_infrared});
    if (noRecordingTimes || caps.codeByte(CapByte::kPreRecordFixed) == 1)
        hideRow({m_ui->label_4, m_ui->comboBox_pre, m_ui->label_7});
    if (noRecordingTimes || caps.codeByte(CapByte::kDelayedRecordingFixed) == 1)
        hideRow({m_ui->label_5, m_ui->comboBox_rec});

    connect(m_ui->save_btn, &QPushButton::clicked, this, &VideoConfigWnd::onSaveBtnClicked);
    connectRecord(&MainManager::devSystemParamChanged, &VideoConfigWnd::onSignalDevSystemParamChanged);
    connectRecord(&MainManager::devExParamChangedV3, &VideoConfigWnd::onSiganlDevEXParamV3Changed);
    connectResult(&MainManager::reqSetDevSystemParam, &VideoConfigWnd::onReqSetDevSystemParamRes);
    connectResult(&MainManager::reqSetDevExParamV3, &VideoConfigWnd::onReqSetDevEXParamV3Res);
}

VideoConfigWnd::~VideoConfigWnd() = default;

bool VideoConfigWnd::usesExtendedRecord() const
{
    return m_extendedRecord && m_generation >= 3;
}

void VideoConfigWnd::requestParam()
{
    manager()->ReqDevSystemParam();
}

void VideoConfigWnd::onSignalDevSystemParamChanged(SYSTEM_PARA_T *sysParam)
{
    if (!sysParam)
        return;
    const RecordReader record(*sysParam);
    const quint8 infrared = record.u8(kInfraredOffset);
    m_ui->comboBox_infrared->setCurrentIndex(infrared < m_ui->comboBox_infrared->count() ? infrared : -1);
    kept().keepChoice(m_ui->comboBox_infrared, infrared);
    const qint32 delayed = record.i32(kDelayedOffset);
    const int delayedIndex = indexOf(kDelayedValues, delayed);
    if (delayedIndex >= 0)
        m_ui->comboBox_rec->setCurrentIndex(delayedIndex);
    kept().keepChoice(m_ui->comboBox_rec, delayed);
    const qint32 preRecord = record.i32(kPreRecordOffset);
    const int preRecordIndex = indexOf(kPreRecordValues, preRecord);
    if (preRecordIndex >= 0)
        m_ui->comboBox_pre->setCurrentIndex(preRecordIndex);
    kept().keepChoice(m_ui->comboBox_pre, preRecord);
    const qint32 segment = record.i32(kSegmentOffset);
    m_ui->comboBox_split->setCurrentIndex(qMax(0, indexOf(kSegmentCodes, segment)));
    kept().keepChoice(m_ui->comboBox_split, segment);
    // Asked for whenever the camera has the record, also where the page does
    // not show it: the merge setter needs the camera's copy.
    if (m_extendedRecord)
        manager()->ReqDevExParamV3();
}

void VideoConfigWnd::onSiganlDevEXParamV3Changed(Ex_Param_V3_T *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->checkBox_cover->setChecked(record.u8(kLoopOffset) != 0);
    m_ui->checkBox_upRec->setChecked(record.u8(kPowerOnOffset) != 0);
    m_ui->checkBox_3ddnr->setChecked(record.u8(kNoiseReductionOffset) != 0);
    m_ui->checkBox_force->setChecked(record.u8(kForcedOffset) != 0);
    m_ui->checkBox_scd->setChecked(record.u8(kCoverAlarmOffset) != 0);
    m_ui->comboBox_code->setCurrentIndex(record.u8(kEncodingOffset) != 0 ? 1 : 0);
    m_ui->comboBox_format->setCurrentIndex(record.u8(kFormatOffset) != 0 ? 1 : 0);
}

void VideoConfigWnd::onSaveBtnClicked()
{
    hideErrorFrames();
    if (usesExtendedRecord() && m_ui->comboBox_code->currentIndex() == 1
        && m_ui->comboBox_format->currentIndex() == 1) {
        showError(m_ui->record_point_frame_2, tr("MP4格式不支持H265"));
        showError(m_ui->record_point_frame, tr("MP4格式不支持H265"));
        return;
    }
    beginSave();
    const auto choice = [this](const QComboBox *box, int chosen) { return kept().choice(box, chosen); };
    const quint8 infrared =
            quint8(choice(m_ui->comboBox_infrared, qMax(0, m_ui->comboBox_infrared->currentIndex())));
    const qint32 preRecord =
            choice(m_ui->comboBox_pre, valueAt(kPreRecordValues, m_ui->comboBox_pre->currentIndex(), 0));
    const qint32 delayed = choice(m_ui->comboBox_rec, valueAt(kDelayedValues, m_ui->comboBox_rec->currentIndex(), 0));
    const qint32 segment =
            choice(m_ui->comboBox_split, valueAt(kSegmentCodes, m_ui->comboBox_split->currentIndex(), 1));
    if (!manager()->SetDevSystemParamEx(infrared, preRecord, delayed, segment))
        saveRefused();
}

void VideoConfigWnd::onReqSetDevSystemParamRes(int result)
{
    if (!savePending())
        return;
    if (result != 0 || !usesExtendedRecord()) {
        finishSave(result);
        return;
    }
    const auto flag = [](const QCheckBox *box) { return quint8(box->isChecked() ? 1 : 0); };
    if (!manager()->SetDevExParamV3(
                flag(m_ui->checkBox_cover), quint8(m_ui->comboBox_code->currentIndex() == 1),
                quint8(m_ui->comboBox_format->currentIndex() == 1), flag(m_ui->checkBox_upRec),
                flag(m_ui->checkBox_3ddnr), flag(m_ui->checkBox_force), flag(m_ui->checkBox_scd)))
        saveRefused();
}

void VideoConfigWnd::onReqSetDevEXParamV3Res(int result)
{
    finishSave(result);
}
