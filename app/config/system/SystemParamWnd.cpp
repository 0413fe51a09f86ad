#include "SystemParamWnd.h"
#include "ui_SystemParamWnd.h"

#include "ByteLimit.h"
#include "CommonFunc.h"
#include "DeviceCaps.h"
#include "FlowLayout.h"
#include "MainManager.h"
#include "RecordReader.h"
#include "RecordWriter.h"

#include <QDebug>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// SYSTEM_PARA_T fields of this page.
constexpr int kScreenSaverOffset = 0;
constexpr int kSoundOffset = 16;
constexpr int kLedOffset = 18;
constexpr int kPositioningOffset = 19;
constexpr int kPasswordOffset = 20;
constexpr int kGpsTimeOffset = 23;

// Ex_Param_V3_T fields of this page.
constexpr int kTimedPhotoOffset = 8;
constexpr int kGpsUploadOffset = 12;
constexpr int kChannelNameOffset = 28;
constexpr int kChannelNameBytes = 31;
constexpr int kPtzModeOffset = 62;
constexpr int kAudioTypeOffset = 65;
constexpr int kLowBatteryOffset = 71;

const int kTimedPhotoSeconds[] = {0, 5, 10, 30, 60};

// Models whose positioning list has no "off" and whose screen saver offers
// 30 seconds.
bool isCompactModel(quint32 model)
{
    return model == 3 || model == 5 || model == 100;
}

} // namespace

SystemParamWnd::SystemParamWnd(QWidget *parent)
    : ParamPage(parent, {Refresh::OnRequest, false})
    , m_ui(new Ui::SystemParamWnd)
{
    m_ui->setupUi(this);

    const DeviceCaps caps = DeviceCaps::current();
    m_extended = caps.isGeneration3() && caps.codeByte(CapByte::kExParamV3) != 0;

    fillLists();

    // The check boxes flow and wrap inside the frame, whichever of them show.
    delete m_ui->frame->layout();
    auto *flow = new FlowLayout(m_ui->frame, 0, 0, 6);
    for (QCheckBox *box : {m_ui->checkBox_bt, m_ui->checkBox_m, m_ui->checkBox_s, m_ui->checkBox_g,
                           m_ui->checkBox_up, m_ui->checkBox_d, m_ui->checkBox_q, m_ui->checkBox_v,
                           m_ui->checkBox_uro, m_ui->checkBox_gsen})
        flow->addWidget(box);

    showRows();
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &SystemParamWnd::onSaveBtnClicked);
    connect(m_ui->lineEdit_2, &QLineEdit::textChanged, this, &SystemParamWnd::onSiganlchannelNametextChanged);
    connectRecord(&MainManager::devSystemParamChanged, &SystemParamWnd::onSignalDevSystemParamChanged);
    connectRecord(&MainManager::devExParamChangedV3, &SystemParamWnd::onSiganlDevEXParamV3Changed);
    connectResult(&MainManager::reqSetDevSystemParam, &SystemParamWnd::onReqSetDevSystemParamRes);
    connectResult(&MainManager::reqSetDevExParamV3, &SystemParamWnd::onReqSetDevEXParamV3Res);
}

SystemParamWnd::~SystemParamWnd() = default;

void SystemParamWnd::fillLists()
{
    const DeviceCaps caps = DeviceCaps::current();
    const bool compact = isCompactModel(caps.modelType());

    // On the compact models the camera's 0 means GPS: the list has no "off".
    if (!compact)
        m_ui->comboBox_gps->addItem(tr("关"));
    m_ui->comboBox_gps->addItems({tr("GPS"), tr("北斗"), tr("混合")});

    struct ScreenSaver
    {
        const char *text;
        quint32 ms;
        bool longFormOnly;
    };
    static const ScreenSaver kScreenSavers[] = {
            {QT_TR_NOOP("关"), 0, false},
            {QT_TR_NOOP("30秒"), 30000, true},
            {QT_TR_NOOP("2分钟"), 120000, false},
            {QT_TR_NOOP("5分钟"), 300000, false},
            {QT_TR_NOOP("10分钟"), 600000, false},
    };
    const bool longForm = compact || caps.codeByte(CapByte::kScreenSaver30s) != 0;
    for (const ScreenSaver &item : kScreenSavers) {
        if (item.longFormOnly && !longForm)
            continue;
        m_ui->comboBox_screen->addItem(tr(item.text));
        m_screenSaverMs.append(item.ms);
    }

    for (QComboBox *onOff : {m_ui->comboBox_keysound, m_ui->comboBox_pwd, m_ui->comboBox_LED,
                             m_ui->comboBox_gpstime})
        onOff->addItems({tr("关"), tr("开")});

    m_ui->comboBox_time->addItems({tr("关"), tr("5秒"), tr("10秒"), tr("30秒"), tr("60秒")});
}

void SystemParamWnd::showRows()
{
    const DeviceCaps caps = DeviceCaps::current();
    hidePositioningRows(caps);
    lockModelSettings(caps.modelType());
    hideExtendedRows(caps);
}

// Older cameras always have positioning; from generation 3 on the camera says.
void SystemParamWnd::hidePositioningRows(const DeviceCaps &caps)
{
    if (caps.isGeneration3() && caps.codeByte(CapByte::kPositioning) == 0) {
        for (QWidget *widget : {static_cast<QWidget *>(m_ui->comboBox_gps), static_cast<QWidget *>(m_ui->label_14),
                                static_cast<QWidget *>(m_ui->comboBox_gpstime),
                                static_cast<QWidget *>(m_ui->label_7)})
            widget->hide();
    }
}

// Settings some models fix: shown, but not to be changed.
void SystemParamWnd::lockModelSettings(quint32 modelType)
{
    struct ModelLock
    {
        quint32 model;
        QVector<QComboBox *> locked;
    };
    const ModelLock kLocks[] = {
            {4, {m_ui->comboBox_pwd, m_ui->comboBox_keysound, m_ui->comboBox_screen}},
            {6, {m_ui->comboBox_keysound, m_ui->comboBox_pwd}},
            {13, {m_ui->comboBox_pwd, m_ui->comboBox_screen}},
            {3, {m_ui->comboBox_keysound}},
            {5, {m_ui->comboBox_keysound}},
            {100, {m_ui->comboBox_keysound}},
    };
    for (const ModelLock &lock : kLocks) {
        if (lock.model == modelType) {
            for (QComboBox *box : lock.locked)
                box->setEnabled(false);
        }
    }
}

// The extended rows, each with the capability bytes that keep it.
void SystemParamWnd::hideExtendedRows(const DeviceCaps &caps)
{
    struct ExtendedRow
    {
        QVector<int> bytes; // the row stays when any of them is set
        QVector<QWidget *> widgets;
    };
    const ExtendedRow kRows[] = {
            {{CapByte::kBluetooth}, {m_ui->checkBox_bt}},
            {{CapByte::kVibration}, {m_ui->checkBox_m}},
            {{CapByte::kAntiShake}, {m_ui->checkBox_s}},
            {{CapByte::kGpsOverlay}, {m_ui->checkBox_g}},
            {{CapByte::kPicUpload}, {m_ui->checkBox_up}},
            {{}, {m_ui->checkBox_d}},
            {{}, {m_ui->checkBox_q}},
            {{CapByte::kPromptTone}, {m_ui->checkBox_v}},
            {{}, {m_ui->checkBox_uro}},
            {{CapByte::kGSensorAlarm}, {m_ui->checkBox_gsen}},
            {{CapByte::kTimedPhoto}, {m_ui->label_4, m_ui->comboBox_time}},
            {{CapByte::kAntiShakeMode}, {m_ui->label_11, m_ui->comboBox_ptzmode}},
            {{CapByte::kGpsUploadInterval}, {m_ui->label_2, m_ui->label_3, m_ui->spinBox}},
            {{CapByte::kIntercomAudio}, {m_ui->label_12, m_ui->comboBox_audiotype}},
            {{CapByte::kDial, CapByte::kWifi}, {m_ui->label_6, m_ui->lineEdit_2}},
            {{CapByte::kLowBatteryAlarm}, {m_ui->label, m_ui->spinBox_lbt}},
    };
    for (const ExtendedRow &row : kRows) {
        bool shown = m_extended;
        if (shown && !row.bytes.isEmpty())
            shown = std::any_of(row.bytes.begin(), row.bytes.end(),
                                [&caps](int byte) { return caps.codeByte(byte) != 0; });
        if (!shown) {
            for (QWidget *widget : row.widgets)
                widget->hide();
        }
    }
}

void SystemParamWnd::requestParam()
{
    manager()->ReqDevSystemParam();
}

void SystemParamWnd::fillChoice(QComboBox *box, quint8 value)
{
    // The item index; a value past the list selects nothing.
    box->setCurrentIndex(value < box->count() ? value : -1);
    kept().keepChoice(box, value);
}

quint8 SystemParamWnd::choiceByte(const QComboBox *box) const
{
    return quint8(kept().choice(box, box->currentIndex()));
}

void SystemParamWnd::onSignalDevSystemParamChanged(SYSTEM_PARA_T *sysParam)
{
    qDebug() << "SystemParamWnd::onSignalDevSystemParamChanged";
    if (!sysParam)
        return;
    const RecordReader record(*sysParam);
    fillChoice(m_ui->comboBox_gps, record.u8(kPositioningOffset));
    // A time the list does not offer leaves the list where it was.
    const quint32 screenMs = record.u32(kScreenSaverOffset);
    const int screen = m_screenSaverMs.indexOf(screenMs);
    if (screen >= 0)
        m_ui->comboBox_screen->setCurrentIndex(screen);
    kept().keepChoice(m_ui->comboBox_screen, int(screenMs));
    fillChoice(m_ui->comboBox_keysound, record.u8(kSoundOffset));
    fillChoice(m_ui->comboBox_LED, record.u8(kLedOffset));
    fillChoice(m_ui->comboBox_pwd, record.u8(kPasswordOffset));
    fillChoice(m_ui->comboBox_gpstime, record.u8(kGpsTimeOffset));
    // The reader thread waits for this slot: the next request goes out after it.
    if (m_extended)
        QMetaObject::invokeMethod(this, [this] { manager()->ReqDevExParamV3(); }, Qt::QueuedConnection);
}

namespace {

struct SwitchField
{
    int offset;
    QCheckBox *Ui::SystemParamWnd::*box;
};

const SwitchField kSwitches[] = {
        {0, &Ui::SystemParamWnd::checkBox_bt},   {1, &Ui::SystemParamWnd::checkBox_m},
        {2, &Ui::SystemParamWnd::checkBox_s},    {4, &Ui::SystemParamWnd::checkBox_g},
        {5, &Ui::SystemParamWnd::checkBox_up},   {6, &Ui::SystemParamWnd::checkBox_d},
        {7, &Ui::SystemParamWnd::checkBox_q},    {61, &Ui::SystemParamWnd::checkBox_v},
        {64, &Ui::SystemParamWnd::checkBox_uro}, {70, &Ui::SystemParamWnd::checkBox_gsen},
};

} // namespace

void SystemParamWnd::onSiganlDevEXParamV3Changed(Ex_Param_V3_T *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    for (const SwitchField &field : kSwitches)
        (m_ui.data()->*field.box)->setChecked(record.u8(field.offset) != 0);
    const qint32 photoSeconds = record.i32(kTimedPhotoOffset);
    const int *photo = std::find(std::begin(kTimedPhotoSeconds), std::end(kTimedPhotoSeconds), photoSeconds);
    m_ui->comboBox_time->setCurrentIndex(photo == std::end(kTimedPhotoSeconds)
                                                 ? 0
                                                 : int(photo - std::begin(kTimedPhotoSeconds)));
    kept().keepChoice(m_ui->comboBox_time, photoSeconds);
    m_ui->spinBox->setValue(record.i32(kGpsUploadOffset));
    kept().fillText(m_ui->lineEdit_2, *param, kChannelNameOffset, kChannelNameBytes, KeptFields::Decoding::Local);
    fillChoice(m_ui->comboBox_ptzmode, record.u8(kPtzModeOffset));
    fillChoice(m_ui->comboBox_audiotype, record.u8(kAudioTypeOffset));
    m_ui->spinBox_lbt->setValue(record.u8(kLowBatteryOffset));
}

void SystemParamWnd::onSaveBtnClicked()
{
    beginSave();
    const int screen = m_ui->comboBox_screen->currentIndex();
    const quint32 screenMs = quint32(kept().choice(
            m_ui->comboBox_screen, screen >= 0 && screen < m_screenSaverMs.size() ? int(m_screenSaverMs.at(screen)) : 0));
    const bool sent = manager()->SetDevSystemParam(
            choiceByte(m_ui->comboBox_gps), screenMs, choiceByte(m_ui->comboBox_keysound),
            choiceByte(m_ui->comboBox_pwd), choiceByte(m_ui->comboBox_LED), choiceByte(m_ui->comboBox_gpstime));
    if (!sent)
        saveRefused();
}

Ex_Param_V3_T SystemParamWnd::extendedRecord() const
{
    Ex_Param_V3_T record;
    std::memset(&record, 0, sizeof record);
    RecordWriter writer(&record, int(sizeof record));
    for (const SwitchField &field : kSwitches)
        writer.u8(field.offset, (m_ui.data()->*field.box)->isChecked() ? 1 : 0);
    const int photo = m_ui->comboBox_time->currentIndex();
    writer.i32(kTimedPhotoOffset, kept().choice(m_ui->comboBox_time,
                                                photo >= 0 && photo < int(std::size(kTimedPhotoSeconds))
                                                        ? kTimedPhotoSeconds[photo]
                                                        : 0));
    writer.i32(kGpsUploadOffset, m_ui->spinBox->value());
    writer.text(kChannelNameOffset, kChannelNameBytes, kept().text(m_ui->lineEdit_2), RecordWriter::Encoding::Local,
                RecordWriter::Width::Full);
    writer.u8(kPtzModeOffset, choiceByte(m_ui->comboBox_ptzmode));
    writer.u8(kAudioTypeOffset, choiceByte(m_ui->comboBox_audiotype));
    writer.u8(kLowBatteryOffset, quint8(m_ui->spinBox_lbt->value()));
    return record;
}

void SystemParamWnd::onReqSetDevSystemParamRes(int result)
{
    // The recording page's system saves answer here too: only a save of this
    // page goes on to its extended record.
    if (!savePending())
        return;
    if (result != 0 || !m_extended) {
        finishSave(result);
        return;
    }
    const Ex_Param_V3_T record = extendedRecord();
    if (!manager()->SetDevExParamV3All(&record))
        saveRefused();
}

void SystemParamWnd::onReqSetDevEXParamV3Res(int result)
{
    finishSave(result);
}

void SystemParamWnd::onSiganlchannelNametextChanged(QString)
{
    auto *edit = qobject_cast<QLineEdit *>(sender());
    if (!edit)
        return;
    limitEditBytes(edit, kChannelNameBytes);
}
