// The time page: the PC's clock and zone in automatic timing, the camera's
// clock in manual timing, the zone choices that move the shown clock, the
// DST rule that goes before the time, the locks of the zone combos, and the
// clock and zone that a save leaves on the camera.
//
// CTest runs the program with TZ=CST-8 (a PC in UTC+8), and the zone-choice
// table once more with TZ=NST3:30 (UTC-3:30).

#include "FullCamera.h"
#include "HintWnd.h"
#include "MainManager.h"
#include "MainWindow.h"
#include "PageFixture.h"
#include "SystemConfigWnd.h"
#include "TimeConfigWnd.h"
#include "behaviour/CameraBehaviour.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>

#include <atomic>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetTime = 17;
constexpr quint32 kGetTime = 18;
constexpr quint32 kSetDst = 1012;
constexpr quint32 kGetDst = 1013;
// The shown clock and the one compared with it are read moments apart.
constexpr qint64 kClockSlackSecs = 3;

struct CameraClock
{
    int zoneHours = 0;
    int zoneMinutes = 0;
    QDateTime wallClock;
};

CameraClock cameraClock(const PageFixture &fixture)
{
    const QByteArray record = fixture.record("TIME_PARA_T");
    auto field = [&](int i) { return qFromLittleEndian<qint32>(record.constData() + 4 * i); };
    return {field(0), field(1),
            QDateTime(QDate(field(2), field(3), field(4)), QTime(field(5), field(6), field(7)))};
}

void setCameraClock(PageFixture &fixture, const QDateTime &wallClock, int zoneHours, int zoneMinutes)
{
    const qint32 fields[] = {zoneHours,
                             zoneMinutes,
                             wallClock.date().year(),
                             wallClock.date().month(),
                             wallClock.date().day(),
                             wallClock.time().hour(),
                             wallClock.time().minute(),
                             wallClock.time().second()};
    sim::camera::le::Bytes bytes(sizeof fields);
    for (int i = 0; i < 8; ++i)
        qToLittleEndian<qint32>(fields[i], bytes.data() + 4 * i);
    bool taken = false;
    fixture.camera().edit(
            [&](sim::camera::CameraBehaviour &behaviour) { taken = behaviour.parameters().setTime(bytes); });
    QVERIFY(taken);
}

// The DST rule of the fields at offsets 0 to 40, zero after them.
QByteArray dstRecord(std::initializer_list<qint32> fields)
{
    QByteArray record(112, '\0');
    int at = 0;
    for (qint32 field : fields) {
        qToLittleEndian<qint32>(field, record.data() + at);
        at += 4;
    }
    return record;
}

qint64 secondsApart(const QDateTime &a, const QDateTime &b)
{
    return qAbs(a.secsTo(b));
}

QComboBox *combo(QWidget *page, const char *name)
{
    return page->findChild<QComboBox *>(name);
}

void choose(QWidget *page, const char *name, const QString &text)
{
    QComboBox *box = combo(page, name);
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
}

QDateTimeEdit *clock(QWidget *page)
{
    return page->findChild<QDateTimeEdit *>("dateTimeEdit");
}

HintWnd *notice(QWidget *page)
{
    return page->findChild<HintWnd *>();
}

bool zonesEnabled(QWidget *page)
{
    return combo(page, "timeZone_combo")->isEnabled();
}

CameraProfile withoutDstByte()
{
    CameraProfile profile = PageFixture::profile("G3-12");
    profile.deviceCodeOverrides[295] = 0;
    return profile;
}

} // namespace

class tst_TimeConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void aNewPageFollowsThePcClockInThePcZone();
    void aZoneChoiceShowsThePcClockInThatZone_data();
    void aZoneChoiceShowsThePcClockInThatZone();
    void theCameraClockShowsOnlyInManualTiming_data();
    void theCameraClockShowsOnlyInManualTiming();
    void theDstRuleGoesFirstAndTheTimeOnlyAfterIt_data();
    void theDstRuleGoesFirstAndTheTimeOnlyAfterIt();
    void aCameraWithoutDstGetsOnlyTheTime_data();
    void aCameraWithoutDstGetsOnlyTheTime();
    void theDstRuleComesBackAsItWasSent();
    void aManualSaveSetsTheCameraClockAndZone();
    void modelThreeKeepsItsZonesUntilDstIsUnchecked();
    void theDstBoxLocksTheZonesInEitherMode_data();
    void theDstBoxLocksTheZonesInEitherMode();
    void theClockIsSetFromTheMainWindow();

private:
    TimeConfigWnd *showPage(const CameraProfile &profile);
    void chooseManualTiming(TimeConfigWnd *page);
    void fillPartRule(TimeConfigWnd *page);

    QScopedPointer<PageFixture> m_fixture;
};

TimeConfigWnd *tst_TimeConfigWnd::showPage(const CameraProfile &profile)
{
    m_fixture->loginTo(profile);
    // A page with the DST rows asks for the rule; it has nothing else to wait for.
    auto *page = m_fixture->show<TimeConfigWnd>(false);
    if (page->dstShown() && !m_fixture->waitForReplies(1))
        qWarning("the DST rule did not arrive");
    return page;
}

void tst_TimeConfigWnd::chooseManualTiming(TimeConfigWnd *page)
{
    // Other replies may be on their way (the main window asks for many):
    // wait for the clock's.
    std::atomic<int> clockReplies {0};
    const QMetaObject::Connection counter = connect(
            m_fixture->manager(), &MainManager::devTimeParamChanged, this, [&clockReplies] { ++clockReplies; },
            Qt::DirectConnection);
    const auto disconnectAtEnd = qScopeGuard([counter] { QObject::disconnect(counter); });
    page->findChild<QRadioButton *>("manual_timing")->click();
    QTRY_VERIFY_WITH_TIMEOUT(clockReplies > 0, CameraRig::kWaitMs);
}

// "Mar", "Last", "Sun", "02" to "Oct", "Last", "Sun", "03", bias 60, checked.
void tst_TimeConfigWnd::fillPartRule(TimeConfigWnd *page)
{
    page->findChild<QCheckBox *>("checkBox")->setChecked(true);
    page->findChild<QSpinBox *>("BiasBox")->setValue(60);
    choose(page, "startBox_Mon", "Mar");
    choose(page, "startBox_Week", "Last");
    choose(page, "startBox_Day", "Sun");
    choose(page, "startBox_Hour", "02");
    choose(page, "stopBox_Mon", "Oct");
    choose(page, "stopBox_Week", "Last");
    choose(page, "stopBox_Day", "Sun");
    choose(page, "stopBox_Hour", "03");
}

void tst_TimeConfigWnd::aNewPageFollowsThePcClockInThePcZone()
{
    auto *page = showPage(PageFixture::profile("G3-12"));
    QCOMPARE(combo(page, "timeZone_combo")->count(), 27);
    QCOMPARE(combo(page, "timeZone_combo")->itemText(12), QStringLiteral("(UTC-00:00)"));
    QCOMPARE(combo(page, "minZone_combo")->count(), 12);
    QCOMPARE(combo(page, "timeZone_combo")->currentText(), QStringLiteral("(UTC+08:00)"));
    QCOMPARE(combo(page, "minZone_combo")->currentText(), QStringLiteral("0Min"));
    QVERIFY(!combo(page, "timeZone_combo")->isEnabled());
    QVERIFY(!combo(page, "minZone_combo")->isEnabled());
    QVERIFY(combo(page, "minZone_combo")->isVisible());

    QDateTimeEdit *edit = clock(page);
    QVERIFY(edit->isReadOnly());
    QCOMPARE(edit->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(edit->calendarWidget()->locale().language(), QLocale::English);
    QVERIFY(!edit->calendarWidget()->findChild<QToolButton *>("qt_calendar_monthbutton")->isEnabled());
    QVERIFY(secondsApart(edit->dateTime(), QDateTime::currentDateTime()) <= kClockSlackSecs);
    // The clock puts the PC's time back within its next tick.
    edit->setDateTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    QTRY_VERIFY(secondsApart(edit->dateTime(), QDateTime::currentDateTime()) <= kClockSlackSecs);

    // Showing asks for the DST rule, never for the clock.
    QCOMPARE(m_fixture->requestCount(kGetDst), 1);
    QCOMPARE(m_fixture->requestCount(kGetTime), 0);
    QVERIFY(page->findChild<QCheckBox *>("checkBox")->isVisible());
    QVERIFY(!page->findChild<QSpinBox *>("BiasBox")->isEnabled());
}

void tst_TimeConfigWnd::aZoneChoiceShowsThePcClockInThatZone_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<int>("shiftMinutes");

    // Rows by the PC's zone; the run's TZ picks its own.
    const int pcOffset = QDateTime::currentDateTime().offsetFromUtc() / 60;
    if (pcOffset == 8 * 60) {
        QTest::newRow("UTC+8 to +9") << "(UTC+09:00)" << "0Min" << 60;
        QTest::newRow("UTC+8 to +8:30") << "(UTC+08:00)" << "30Min" << 30;
        QTest::newRow("UTC+8 to -3:30") << "(UTC-03:00)" << "30Min" << -(11 * 60 + 30);
    } else if (pcOffset == -(3 * 60 + 30)) {
        QTest::newRow("UTC-3:30 to -4") << "(UTC-04:00)" << "0Min" << -30;
        QTest::newRow("UTC-3:30 to -3") << "(UTC-03:00)" << "0Min" << 30;
        QTest::newRow("UTC-3:30 to -9:30") << "(UTC-09:00)" << "30Min" << -6 * 60;
        QTest::newRow("UTC-3:30 to +8") << "(UTC+08:00)" << "0Min" << 11 * 60 + 30;
    } else {
        QFAIL("this table is for PCs in UTC+8 and UTC-3:30");
    }
}

void tst_TimeConfigWnd::aZoneChoiceShowsThePcClockInThatZone()
{
    QFETCH(QString, zone);
    QFETCH(QString, minutes);
    QFETCH(int, shiftMinutes);

    auto *page = showPage(PageFixture::profile("G3-12"));
    chooseManualTiming(page);
    QVERIFY(zonesEnabled(page));
    QVERIFY(!clock(page)->isReadOnly());
    choose(page, "timeZone_combo", zone);
    choose(page, "minZone_combo", minutes);
    const QDateTime expected = QDateTime::currentDateTime().addSecs(shiftMinutes * 60);
    QVERIFY2(secondsApart(clock(page)->dateTime(), expected) <= kClockSlackSecs,
             qPrintable(clock(page)->dateTime().toString()));
}

void tst_TimeConfigWnd::theCameraClockShowsOnlyInManualTiming_data()
{
    QTest::addColumn<bool>("manual");
    QTest::newRow("manual timing") << true;
    QTest::newRow("automatic timing") << false;
}

void tst_TimeConfigWnd::theCameraClockShowsOnlyInManualTiming()
{
    QFETCH(bool, manual);

    auto *page = showPage(PageFixture::profile("G3-12"));
    const QDateTime cameraTime(QDate(2030, 5, 6), QTime(7, 8, 9));
    setCameraClock(*m_fixture, cameraTime, -3, 30);
    if (manual) {
        chooseManualTiming(page);
        QCOMPARE(combo(page, "timeZone_combo")->currentText(), QStringLiteral("(UTC-03:00)"));
        QCOMPARE(combo(page, "minZone_combo")->currentText(), QStringLiteral("30Min"));
        QVERIFY(secondsApart(clock(page)->dateTime(), cameraTime) <= kClockSlackSecs);
    } else {
        // The reply that another request brings changes nothing for good.
        const int before = m_fixture->replies();
        m_fixture->manager()->ReqDevTimeParam();
        QVERIFY(m_fixture->waitForReplies(1, before));
        QTRY_COMPARE(combo(page, "timeZone_combo")->currentText(), QStringLiteral("(UTC+08:00)"));
        QVERIFY(secondsApart(clock(page)->dateTime(), QDateTime::currentDateTime()) <= kClockSlackSecs);
    }
}

void tst_TimeConfigWnd::theDstRuleGoesFirstAndTheTimeOnlyAfterIt_data()
{
    QTest::addColumn<int>("dstResult");
    QTest::addColumn<int>("timeResult");
    QTest::addColumn<QStringList>("toasts");
    QTest::addColumn<bool>("timeSent");
    QTest::addColumn<bool>("overlayShown");

    QTest::newRow("both taken") << 0 << 0 << QStringList {"保存成功"} << true << false;
    QTest::newRow("rule refused") << 1 << 0 << QStringList {"保存失败"} << false << false;
    QTest::newRow("time not supported") << 0 << 8 << QStringList {} << true << true;
    QTest::newRow("time refused") << 0 << 1 << QStringList {"保存失败"} << true << false;
}

void tst_TimeConfigWnd::theDstRuleGoesFirstAndTheTimeOnlyAfterIt()
{
    QFETCH(int, dstResult);
    QFETCH(int, timeResult);
    QFETCH(QStringList, toasts);
    QFETCH(bool, timeSent);
    QFETCH(bool, overlayShown);

    auto *page = showPage(PageFixture::profile("G3-12"));
    m_fixture->setResult(kSetDst, dstResult);
    m_fixture->setResult(kSetTime, timeResult);
    fillPartRule(page);
    m_fixture->clearRequests();
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    // Nothing but the rule until the camera answers it.
    QCOMPARE(m_fixture->requestCount(kSetTime), 0);
    QCOMPARE(m_fixture->sent(kSetDst), dstRecord({1, 60, 3, 5, 0, 2, 0, 10, 5, 0, 3}));

    HintWnd *overlay = notice(page);
    if (overlayShown) {
        QTRY_VERIFY(overlay->isVisible());
        QCOMPARE(PageFixture::overlayText(page), QStringLiteral("当前不支持时间设置"));
        QVERIFY(overlay->findChild<QPushButton *>("Ok_Button")->isVisible());
        QCOMPARE(overlay->size(), page->size());
    } else {
        QTRY_COMPARE(m_fixture->toasts(page), toasts);
        QVERIFY(!overlay->isVisible());
    }
    QCOMPARE(m_fixture->toasts(page), toasts);
    QCOMPARE(m_fixture->requestCount(kSetTime), timeSent ? 1 : 0);
    if (timeSent) {
        // Automatic timing sends the PC's clock and zone of the moment.
        const QByteArray sent = m_fixture->sent(kSetTime);
        QCOMPARE(qFromLittleEndian<qint32>(sent.constData()), 8);
        QCOMPARE(qFromLittleEndian<qint32>(sent.constData() + 4), 0);
    }
}

void tst_TimeConfigWnd::aCameraWithoutDstGetsOnlyTheTime_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("minutes"); // empty: the camera has no minute list
    QTest::addColumn<int>("zoneHours");
    QTest::addColumn<int>("zoneMinutes");

    QTest::newRow("G3 without the DST byte") << withoutDstByte() << "(UTC-03:00)" << "30Min" << -3 << 30;
    // The byte counts only from generation 3: this camera has no DST commands.
    QTest::newRow("G2 with the DST byte") << PageFixture::profile("G2") << "(UTC-05:00)" << QString() << -5 << 0;
}

void tst_TimeConfigWnd::aCameraWithoutDstGetsOnlyTheTime()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QString, zone);
    QFETCH(QString, minutes);
    QFETCH(int, zoneHours);
    QFETCH(int, zoneMinutes);

    auto *page = showPage(profile);
    QVERIFY(!page->dstShown());
    for (const char *row : {"label_2", "label_5", "label_6", "label_7", "label_8"})
        QVERIFY(!page->findChild<QLabel *>(row)->isVisible());
    QVERIFY(!page->findChild<QCheckBox *>("checkBox")->isVisible());
    QCOMPARE(combo(page, "minZone_combo")->isVisible(), !minutes.isEmpty());
    QCOMPARE(m_fixture->requestCount(kGetDst), 0);

    chooseManualTiming(page);
    QVERIFY(zonesEnabled(page));
    choose(page, "timeZone_combo", zone);
    if (!minutes.isEmpty())
        choose(page, "minZone_combo", minutes);
    const QDateTime shown = clock(page)->dateTime();
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->requestCount(kSetDst), 0);
    QCOMPARE(m_fixture->requestCount(kSetTime), 1);
    const QByteArray sent = m_fixture->sent(kSetTime);
    QCOMPARE(qFromLittleEndian<qint32>(sent.constData()), zoneHours);
    QCOMPARE(qFromLittleEndian<qint32>(sent.constData() + 4), zoneMinutes);
    QCOMPARE(qFromLittleEndian<qint32>(sent.constData() + 20), shown.time().hour());
    const CameraClock held = cameraClock(*m_fixture);
    QCOMPARE(held.zoneHours, zoneHours);
    QCOMPARE(held.zoneMinutes, zoneMinutes);
}

void tst_TimeConfigWnd::theDstRuleComesBackAsItWasSent()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    const QByteArray rule = dstRecord({1, 45, 11, 4, 6, 22, 0, 2, 3, 1, 5});
    m_fixture->setRecord("USB_DST_T", rule);
    auto *page = m_fixture->show<TimeConfigWnd>();
    QCOMPARE(combo(page, "startBox_Mon")->currentText(), QStringLiteral("Nov"));
    QCOMPARE(combo(page, "stopBox_Week")->currentText(), QStringLiteral("Third"));
    QVERIFY(page->findChild<QSpinBox *>("BiasBox")->isEnabled());

    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetDst), rule);
    QCOMPARE(m_fixture->record("USB_DST_T"), rule);
}

void tst_TimeConfigWnd::aManualSaveSetsTheCameraClockAndZone()
{
    auto *page = showPage(PageFixture::profile("G3-12"));
    chooseManualTiming(page);
    choose(page, "timeZone_combo", "(UTC+05:00)");
    choose(page, "minZone_combo", "45Min");
    const QDateTime chosen(QDate(2031, 2, 3), QTime(4, 5, 6));
    clock(page)->setDateTime(chosen);
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});

    const CameraClock held = cameraClock(*m_fixture);
    QCOMPARE(held.zoneHours, 5);
    QCOMPARE(held.zoneMinutes, 45);
    QVERIFY(secondsApart(held.wallClock, chosen) <= kClockSlackSecs);

    // Back to automatic and to manual again: the page reads the camera anew.
    page->findChild<QRadioButton *>("auto_timing")->click();
    QTRY_COMPARE(combo(page, "minZone_combo")->currentText(), QStringLiteral("0Min"));
    chooseManualTiming(page);
    QCOMPARE(combo(page, "timeZone_combo")->currentText(), QStringLiteral("(UTC+05:00)"));
    QCOMPARE(combo(page, "minZone_combo")->currentText(), QStringLiteral("45Min"));
    QVERIFY(secondsApart(clock(page)->dateTime(), chosen) <= kClockSlackSecs);
}

void tst_TimeConfigWnd::modelThreeKeepsItsZonesUntilDstIsUnchecked()
{
    auto *page = showPage(PageFixture::profile("G3-3"));
    QVERIFY(combo(page, "minZone_combo")->isHidden());
    chooseManualTiming(page);
    QVERIFY(!zonesEnabled(page));
    auto *dst = page->findChild<QCheckBox *>("checkBox");
    dst->setChecked(true);
    QVERIFY(!zonesEnabled(page));
    dst->setChecked(false);
    QVERIFY(zonesEnabled(page));
}

void tst_TimeConfigWnd::theDstBoxLocksTheZonesInEitherMode_data()
{
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("enabledAfterUnchecking");

    QTest::newRow("automatic timing") << false << false;
    QTest::newRow("manual timing") << true << true;
}

void tst_TimeConfigWnd::theDstBoxLocksTheZonesInEitherMode()
{
    QFETCH(bool, manual);
    QFETCH(bool, enabledAfterUnchecking);

    auto *page = showPage(PageFixture::profile("G3-12"));
    auto *dst = page->findChild<QCheckBox *>("checkBox");
    dst->setChecked(true);
    QVERIFY(!zonesEnabled(page));
    QVERIFY(page->findChild<QSpinBox *>("BiasBox")->isEnabled());
    if (manual) {
        // Manual timing chosen while the camera keeps DST stays locked.
        chooseManualTiming(page);
        QVERIFY(!zonesEnabled(page));
    }
    dst->setChecked(false);
    QCOMPARE(zonesEnabled(page), enabledAfterUnchecking);
    QCOMPARE(combo(page, "minZone_combo")->isEnabled(), enabledAfterUnchecking);
    QVERIFY(!page->findChild<QSpinBox *>("BiasBox")->isEnabled());
}

void tst_TimeConfigWnd::theClockIsSetFromTheMainWindow()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    MainWindow window;
    bool allRecordsIn = false;
    connect(m_fixture->manager(), &MainManager::updateDevConfigParamOver, &window, [&] { allRecordsIn = true; });
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>("deviceConfig_btn"), Qt::LeftButton);
    QTRY_VERIFY(allRecordsIn);
    auto *rows = window.findChild<QListWidget *>("listWidget");
    const QList<QListWidgetItem *> system = rows->findItems("系统配置", Qt::MatchExactly);
    QCOMPARE(system.size(), 1);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier,
                      rows->visualItemRect(system.first()).center());
    QTRY_VERIFY(window.findChild<SystemConfigWnd *>());
    auto *container = window.findChild<SystemConfigWnd *>();
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    QCOMPARE(tabs->tabText(SystemConfigWnd::kTimeTab), QStringLiteral("时间参数"));
    QCOMPARE(tabs->currentIndex(), int(SystemConfigWnd::kTimeTab));
    auto *page = qobject_cast<TimeConfigWnd *>(container->pageAt(SystemConfigWnd::kTimeTab));
    QVERIFY(page);
    QTRY_VERIFY(page->isVisible());

    chooseManualTiming(page);
    choose(page, "timeZone_combo", "(UTC-05:00)");
    choose(page, "minZone_combo", "0Min");
    const QDateTime chosen(QDate(2029, 9, 10), QTime(11, 12, 13));
    clock(page)->setDateTime(chosen);
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    const CameraClock held = cameraClock(*m_fixture);
    QCOMPARE(held.zoneHours, -5);
    QCOMPARE(held.zoneMinutes, 0);
    QVERIFY(secondsApart(held.wallClock, chosen) <= kClockSlackSecs);
}

QTEST_MAIN(tst_TimeConfigWnd)
#include "tst_TimeConfigWnd.moc"
