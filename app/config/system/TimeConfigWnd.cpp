#include "TimeConfigWnd.h"
#include "ui_TimeConfigWnd.h"

#include "DeviceCaps.h"
#include "HintWnd.h"
#include "MainManager.h"
#include "PcZone.h"
#include "RecordReader.h"
#include "RecordWriter.h"

#include <QCalendarWidget>
#include <QTimer>
#include <QToolButton>

#include <cstring>

using namespace PcZone;

namespace {

// TIME_PARA_T, eight 32-bit fields.
constexpr int kZoneHoursOffset = 0;
constexpr int kZoneMinutesOffset = 4;
constexpr int kYearOffset = 8;
constexpr int kMonthOffset = 12;
constexpr int kDayOffset = 16;
constexpr int kHourOffset = 20;
constexpr int kMinuteOffset = 24;
constexpr int kSecondOffset = 28;

// USB_DST_T: the fields the page edits; everything else goes as zero.
constexpr int kDstEnabledOffset = 0;
constexpr int kDstBiasOffset = 4;
constexpr int kDstStartOffset = 8;
constexpr int kDstStopOffset = 28;
// Within a start or stop group: month 1-12, week 1-5 (5 = last), weekday 0-6
// from Sunday, hour 0-23.
constexpr int kRuleMonth = 0;
constexpr int kRuleWeek = 4;
constexpr int kRuleDay = 8;
constexpr int kRuleHour = 12;

// The camera's model 3 keeps its zone to whole hours set by the camera.
constexpr quint32 kFixedZoneModel = 3;

} // namespace

TimeConfigWnd::TimeConfigWnd(QWidget *parent)
    : ParamPage(parent, {Refresh::OnShow, true})
    , m_ui(new Ui::TimeConfigWnd)
    , m_clock(new QTimer(this))
{
    m_ui->setupUi(this);

    const DeviceCaps caps = DeviceCaps::current();
    // Byte 295 counts only from generation 3: an older camera that carries it
    // has no DST commands, and asking it would block every time save.
    m_dstShown = caps.has(&DevJsonAbility::supportDST, CapByte::kDst);
    m_modelLocksZones = caps.modelType() == kFixedZoneModel;
    const bool minutesHidden = m_modelLocksZones || caps.generation() <= 2;

    QCalendarWidget *calendar = m_ui->dateTimeEdit->calendarWidget();
    calendar->setLocale(QLocale(QLocale::English, QLocale::AnyCountry));
    m_ui->dateTimeEdit->setContextMenuPolicy(Qt::NoContextMenu);
    if (auto *monthMenu = calendar->findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton")))
        monthMenu->setEnabled(false);

    // The notice covers the whole page and has no path line; its OK button
    // comes with the notice.
    HintWnd *notice = overlay();
    notice->resize(size());
    notice->showPathLabel(false);
    notice->hide();
    notice->raise();
    notice->showOkBtn(false);

    m_ui->timeZone_combo->addItems(zoneLabels());
    m_ui->minZone_combo->addItems(minuteLabels());
    m_ui->minZone_combo->setVisible(!minutesHidden);

    m_clock->setInterval(kClockIntervalMs);
    connect(m_clock, &QTimer::timeout, this, &TimeConfigWnd::onUpdateTimer);
    m_clock->start();

    m_ui->dateTimeEdit->setReadOnly(true);
    showPcZone();
    onUpdateTimer();

    for (QWidget *row : {static_cast<QWidget *>(m_ui->label_2), static_cast<QWidget *>(m_ui->label_5),
                         static_cast<QWidget *>(m_ui->label_6), static_cast<QWidget *>(m_ui->label_7),
                         static_cast<QWidget *>(m_ui->label_8), static_cast<QWidget *>(m_ui->checkBox),
                         static_cast<QWidget *>(m_ui->frame_3), static_cast<QWidget *>(m_ui->frame_4),
                         static_cast<QWidget *>(m_ui->BiasBox)})
        row->setVisible(m_dstShown);
    onSignalStateChanged(m_ui->checkBox->checkState());

    // Only now: the filling above reaches no slot.
    connect(m_ui->auto_timing, &QRadioButton::toggled, this, &TimeConfigWnd::onSignalAutoTimingToggled);
    connect(m_ui->manual_timing, &QRadioButton::toggled, this, &TimeConfigWnd::onSignalManualTimingToggled);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &TimeConfigWnd::onSignalSaveBtnClicked);
    connectRecord(&MainManager::devTimeParamChanged, &TimeConfigWnd::onSiganlDevTimeParamChanged);
    connectResult(&MainManager::reqSetDevTimeParam, &TimeConfigWnd::onReqSetDevTimeParamRes);
    connect(m_ui->timeZone_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TimeConfigWnd::onTimeZoneIndexChanged);
    connect(m_ui->minZone_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TimeConfigWnd::onTimeZoneIndexChanged);
    connectRecord(&MainManager::devDSTParamChanged, &TimeConfigWnd::onSiganlDevDSTChanged);
    connect(m_ui->checkBox, &QCheckBox::stateChanged, this, &TimeConfigWnd::onSignalStateChanged);
    connectResult(&MainManager::reqSetDevDSTParam, &TimeConfigWnd::onReqSetDevDSTParamRes);
}

TimeConfigWnd::~TimeConfigWnd() = default;

void TimeConfigWnd::requestParam()
{
    // The clock is asked for only when the operator chooses manual timing.
    if (m_dstShown)
        manager()->ReqDevDSTParam();
}

void TimeConfigWnd::showPcZone()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_ui->timeZone_combo->setCurrentIndex(pcZoneIndex(now));
    m_ui->timeZone_combo->setEnabled(false);
    m_ui->minZone_combo->setCurrentIndex(pcZoneMinutes(now) / kMinuteStep);
    m_ui->minZone_combo->setEnabled(false);
}

void TimeConfigWnd::setZonesEnabled(bool enabled)
{
    m_ui->timeZone_combo->setEnabled(enabled);
    m_ui->minZone_combo->setEnabled(enabled);
}

void TimeConfigWnd::onUpdateTimer()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_ui->dateTimeEdit->setDateTime(now);
    m_ui->timeZone_combo->setCurrentIndex(pcZoneIndex(now));
    m_ui->minZone_combo->setCurrentIndex(pcZoneMinutes(now) / kMinuteStep);
}

void TimeConfigWnd::onTimeZoneIndexChanged(int index)
{
    const int zone = m_ui->timeZone_combo->currentIndex();
    const int minutes = m_ui->minZone_combo->currentIndex();
    if (index == -1 || zone == -1 || minutes == -1)
        return;
    m_ui->dateTimeEdit->setDateTime(clockInZone(QDateTime::currentDateTime(), zone, minutes));
}

void TimeConfigWnd::onSignalAutoTimingToggled(bool checked)
{
    if (!checked)
        return;
    m_clock->start();
    m_ui->dateTimeEdit->setReadOnly(true);
    showPcZone();
    onUpdateTimer();
}

void TimeConfigWnd::onSignalManualTimingToggled(bool checked)
{
    if (!checked)
        return;
    const bool locked = m_modelLocksZones || (m_dstShown && m_ui->checkBox->isChecked());
    setZonesEnabled(!locked);
    m_clock->stop();
    manager()->ReqDevTimeParam();
    m_ui->dateTimeEdit->setReadOnly(false);
}

void TimeConfigWnd::onSiganlDevTimeParamChanged(TIME_PARA_T *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    const QDateTime deviceClock(
            QDate(record.i32(kYearOffset), record.i32(kMonthOffset), record.i32(kDayOffset)),
            QTime(record.i32(kHourOffset), record.i32(kMinuteOffset), record.i32(kSecondOffset)), Qt::LocalTime);
    const int zoneHours = record.i32(kZoneHoursOffset);
    const int zoneMinutes = record.i32(kZoneMinutesOffset);
    // A zone the lists do not hold leaves its combo without a selection.
    const int zoneIndex = zoneHours + kUtcIndex;
    m_ui->timeZone_combo->setCurrentIndex(zoneIndex >= 0 && zoneIndex < zoneLabels().size() ? zoneIndex : -1);
    m_ui->minZone_combo->setCurrentIndex(zoneMinutes >= 0 && zoneMinutes < 60 ? zoneMinutes / kMinuteStep : -1);
    // After the combos, whose changes put the PC's clock in that zone here.
    if (m_ui->manual_timing->isChecked())
        m_ui->dateTimeEdit->setDateTime(deviceClock);
}

void TimeConfigWnd::onSiganlDevDSTChanged(USB_DST_T *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    m_ui->checkBox->setChecked(record.i32(kDstEnabledOffset) != 0);
    m_ui->BiasBox->setValue(record.i32(kDstBiasOffset));
    m_ui->startBox_Mon->setCurrentIndex(record.i32(kDstStartOffset + kRuleMonth) - 1);
    m_ui->startBox_Week->setCurrentIndex(record.i32(kDstStartOffset + kRuleWeek) - 1);
    m_ui->startBox_Day->setCurrentIndex(record.i32(kDstStartOffset + kRuleDay));
    m_ui->startBox_Hour->setCurrentIndex(record.i32(kDstStartOffset + kRuleHour));
    m_ui->stopBox_Mon->setCurrentIndex(record.i32(kDstStopOffset + kRuleMonth) - 1);
    m_ui->stopBox_Week->setCurrentIndex(record.i32(kDstStopOffset + kRuleWeek) - 1);
    m_ui->stopBox_Day->setCurrentIndex(record.i32(kDstStopOffset + kRuleDay));
    m_ui->stopBox_Hour->setCurrentIndex(record.i32(kDstStopOffset + kRuleHour));
}

void TimeConfigWnd::onSignalStateChanged(int state)
{
    const bool enabled = state == Qt::Checked;
    for (QWidget *rule : {static_cast<QWidget *>(m_ui->BiasBox), static_cast<QWidget *>(m_ui->startBox_Mon),
                          static_cast<QWidget *>(m_ui->startBox_Week), static_cast<QWidget *>(m_ui->startBox_Day),
                          static_cast<QWidget *>(m_ui->startBox_Hour), static_cast<QWidget *>(m_ui->stopBox_Mon),
                          static_cast<QWidget *>(m_ui->stopBox_Week), static_cast<QWidget *>(m_ui->stopBox_Day),
                          static_cast<QWidget *>(m_ui->stopBox_Hour)})
        rule->setEnabled(enabled);
    // While the camera keeps daylight saving, the zone is its standard one.
    if (enabled)
        setZonesEnabled(false);
    else if (m_ui->manual_timing->isChecked())
        setZonesEnabled(true);
}

USB_DST_T TimeConfigWnd::dstRecord() const
{
    USB_DST_T record;
    std::memset(&record, 0, sizeof record);
    RecordWriter writer(&record, int(sizeof record));
    writer.i32(kDstEnabledOffset, m_ui->checkBox->isChecked() ? 1 : 0);
    writer.i32(kDstBiasOffset, m_ui->BiasBox->value());
    writer.i32(kDstStartOffset + kRuleMonth, m_ui->startBox_Mon->currentIndex() + 1);
    writer.i32(kDstStartOffset + kRuleWeek, m_ui->startBox_Week->currentIndex() + 1);
    writer.i32(kDstStartOffset + kRuleDay, m_ui->startBox_Day->currentIndex());
    writer.i32(kDstStartOffset + kRuleHour, m_ui->startBox_Hour->currentIndex());
    writer.i32(kDstStopOffset + kRuleMonth, m_ui->stopBox_Mon->currentIndex() + 1);
    writer.i32(kDstStopOffset + kRuleWeek, m_ui->stopBox_Week->currentIndex() + 1);
    writer.i32(kDstStopOffset + kRuleDay, m_ui->stopBox_Day->currentIndex());
    writer.i32(kDstStopOffset + kRuleHour, m_ui->stopBox_Hour->currentIndex());
    return record;
}

void TimeConfigWnd::onSignalSaveBtnClicked()
{
    beginSave();
    if (!m_dstShown) {
        sendTime();
        return;
    }
    // The time follows once the camera has taken the rule.
    const USB_DST_T record = dstRecord();
    if (!manager()->SetDevDSTParam(&record))
        saveRefused();
}

void TimeConfigWnd::onReqSetDevDSTParamRes(int result)
{
    if (!savePending())
        return;
    if (result != 0)
        finishSave(result);
    else
        sendTime();
}

void TimeConfigWnd::sendTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime clock = m_ui->auto_timing->isChecked() ? now : m_ui->dateTimeEdit->dateTime();
    // A zone the camera reported outside the lists left its combo empty: the
    // PC's zone goes in its place.
    int zone = m_ui->timeZone_combo->currentIndex();
    if (zone < 0)
        zone = pcZoneIndex(now);
    int minutes = m_ui->minZone_combo->currentIndex();
    if (minutes < 0)
        minutes = pcZoneMinutes(now) / kMinuteStep;
    if (!manager()->SetDevTimeParam(clock, zone - kUtcIndex, minutes * kMinuteStep))
        saveRefused();
}

void TimeConfigWnd::onReqSetDevTimeParamRes(int result)
{
    if (result != kTimeNotSupported) {
        finishSave(result);
        return;
    }
    if (!endSave())
        return;
    HintWnd *notice = overlay();
    notice->setHintText(tr("当前不支持时间设置"));
    notice->showOkBtn(true);
    notice->raise();
    notice->show();
}
