// The Tarvio page: which rows a camera gets, both records through the
// simulated camera, every check on every save, the toasts of a save that
// sends two records, and the domain choice whatever tab is shown when its
// record arrives.

#include "MainManager.h"
#include "MainWindow.h"
#include "PageFixture.h"
#include "PlateConfigWnd.h"
#include "PlatformWnd.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtEndian>
#include <QtTest>

#include <atomic>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetPlate = 8;
constexpr quint32 kSetDomain = 48;
constexpr quint32 kGetDomain = 49;
constexpr quint32 kGetPlate = 13;
constexpr std::size_t kDialByte = 264;
constexpr std::size_t kWifiByte = 265;
constexpr std::size_t kDomainByte = 269;
constexpr std::size_t kGpsByte = 270;
constexpr std::size_t kPicUploadByte = 281;
constexpr std::size_t kQuensaByte = 286;

const char *const kFrames[] = {"ip_point_frame", "domain_point_frame", "port_point_frame", "id_point_frame",
                               "gpsInterval_frame"};
const QString kFullHint = QStringLiteral("TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台");
const QString kShortHint = QStringLiteral("QUENSA、国标 、Lumaro同时只可启用一个平台");

struct Plate
{
    quint8 enable, subStream, picUpload, reserved;
    QByteArray ip; // four bytes
    quint16 port, gps;
    QByteArray id;
};

QByteArray plateRecord(const Plate &p)
{
    QByteArray record(44, '\0');
    record[0] = char(p.enable);
    record[1] = char(p.subStream);
    record[2] = char(p.picUpload);
    record[3] = char(p.reserved);
    record.replace(4, 4, p.ip);
    qToLittleEndian(p.port, record.data() + 8);
    qToLittleEndian(p.gps, record.data() + 10);
    record.replace(12, 32, p.id.leftJustified(32, '\0', true));
    return record;
}

QByteArray domainRecord(quint32 flag, const QByteArray &domain, char filler = 0)
{
    QByteArray record(68, filler);
    qToLittleEndian(flag, record.data());
    record.replace(4, 64, (domain + '\0').leftJustified(64, filler, true));
    return record;
}

// Generation 3 with the Tarvio bytes as given, a network and no Quensa.
CameraProfile classic3(std::uint8_t domain, std::uint8_t gps, std::uint8_t pic)
{
    CameraProfile profile = PageFixture::profile("G3-12");
    profile.deviceCodeOverrides[kDomainByte] = domain;
    profile.deviceCodeOverrides[kGpsByte] = gps;
    profile.deviceCodeOverrides[kPicUploadByte] = pic;
    return profile;
}

CameraProfile json(int name, int subStream)
{
    CameraProfile profile = PageFixture::profile("J");
    profile.abilityOverrides["supportTarvioName"] = name;
    profile.abilityOverrides["supportTarvioForceSubStream"] = subStream;
    return profile;
}

QStringList shownFrames(QWidget *page)
{
    QStringList shown;
    for (const char *frame : kFrames)
        if (page->findChild<QWidget *>(frame)->isVisible())
            shown << frame;
    return shown;
}

} // namespace

class tst_PlateConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void rowsFollowWhatTheCameraOffers_data();
    void rowsFollowWhatTheCameraOffers();
    void theHintIsShortOnlyWithoutTarvioAndQuensa_data();
    void theHintIsShortOnlyWithoutTarvioAndQuensa();
    void aSaveWithoutEditsSendsBothRecordsBack_data();
    void aSaveWithoutEditsSendsBothRecordsBack();
    void anEditedAddressGoesOutAsDecimalParts();
    void everyCheckRunsOnEverySave_data();
    void everyCheckRunsOnEverySave();
    void eachRecordsAnswerShowsAToastThatDoesNotLie_data();
    void eachRecordsAnswerShowsAToastThatDoesNotLie();
    void theDomainChoiceDoesNotDependOnTheTabShown();
    void aDomainEnteredFromTheNavigatorReachesTheCamera();

private:
    PlateConfigWnd *showPage() { return m_fixture->show<PlateConfigWnd>(); }
    void save(QWidget *page) { PageFixture::clickSave(page); }
    template<typename T = QLineEdit>
    T *child(QWidget *page, const char *name)
    {
        return page->findChild<T *>(name);
    }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_PlateConfigWnd::rowsFollowWhatTheCameraOffers_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<bool>("domain");
    QTest::addColumn<bool>("gps");
    QTest::addColumn<bool>("pic");
    QTest::addColumn<bool>("subStream");

    // Only generation 3 reads the domain byte; generation 2 always offers it.
    QTest::newRow("generation 1") << PageFixture::profile("G1") << false << false << false << true;
    QTest::newRow("generation 2") << PageFixture::profile("G2") << true << false << false << true;
    QTest::newRow("generation 3, every byte") << classic3(1, 1, 1) << true << true << true << true;
    QTest::newRow("generation 3, no byte") << classic3(0, 0, 0) << false << false << false << true;
    // GPS counts only for the byte's exact value 1.
    QTest::newRow("generation 3, GPS byte 2") << classic3(1, 2, 1) << true << false << true << true;
    QTest::newRow("JSON with name and sub-stream") << json(1, 1) << true << false << true << true;
    QTest::newRow("JSON without them") << json(0, 0) << false << false << true << false;
}

void tst_PlateConfigWnd::rowsFollowWhatTheCameraOffers()
{
    QFETCH(CameraProfile, profile);
    QFETCH(bool, domain);
    QFETCH(bool, gps);
    QFETCH(bool, pic);
    QFETCH(bool, subStream);

    m_fixture->loginTo(profile);
    auto *page = showPage();
    const auto shown = [page](const char *name) { return page->findChild<QWidget *>(name)->isVisibleTo(page); };
    QCOMPARE(shown("enable2_box"), domain);
    QCOMPARE(shown("domain_edit"), domain);
    QCOMPARE(shown("label_9"), domain);
    QCOMPARE(shown("label_10"), domain);
    QCOMPARE(shown("gpsInterval"), gps);
    QCOMPARE(shown("label_6"), gps);
    QCOMPARE(shown("pic_box"), pic);
    QCOMPARE(shown("label_12"), pic);
    QCOMPARE(shown("sub_box"), subStream);
    QCOMPARE(shown("label_11"), subStream);
    // The domain record is asked for after every platform record, from generation 2 on.
    const bool generation1 = QByteArray(QTest::currentDataTag()) == "generation 1";
    QTRY_COMPARE(m_fixture->requestCount(kGetDomain), generation1 ? 0 : 1);
}

void tst_PlateConfigWnd::theHintIsShortOnlyWithoutTarvioAndQuensa_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QString>("hint");

    CameraProfile noNetwork = classic3(1, 1, 1);
    noNetwork.deviceCodeOverrides[kWifiByte] = 0;
    noNetwork.deviceCodeOverrides[kDialByte] = 0;
    CameraProfile noNetworkQuensa = noNetwork;
    noNetworkQuensa.deviceCodeOverrides[kQuensaByte] = 1;
    CameraProfile jsonNeither = PageFixture::profile("J");
    jsonNeither.abilityOverrides["supportTarvioV20"] = 0;
    jsonNeither.abilityOverrides["supportTarvioV50"] = 0;
    CameraProfile jsonQuensa = jsonNeither;
    jsonQuensa.abilityOverrides["supportTarvioV50"] = 1;

    QTest::newRow("generation 3 with a network") << classic3(1, 1, 1) << kFullHint;
    QTest::newRow("generation 3, neither") << noNetwork << kShortHint;
    QTest::newRow("generation 3, Quensa only") << noNetworkQuensa << kFullHint;
    QTest::newRow("generation 2") << PageFixture::profile("G2") << kFullHint;
    QTest::newRow("JSON, neither") << jsonNeither << kShortHint;
    QTest::newRow("JSON, Quensa only") << jsonQuensa << kFullHint;
}

void tst_PlateConfigWnd::theHintIsShortOnlyWithoutTarvioAndQuensa()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QString, hint);

    m_fixture->loginTo(profile);
    QCOMPARE(child<QLabel>(showPage(), "lblTips")->text(), hint);
}

void tst_PlateConfigWnd::aSaveWithoutEditsSendsBothRecordsBack_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QByteArray>("storedPlate");
    QTest::addColumn<QByteArray>("storedDomain");
    QTest::addColumn<QByteArray>("plate");
    QTest::addColumn<QByteArray>("domain"); // empty: not sent

    const QByteArray ip("\x0A\x14\x1E\x28", 4);
    const QByteArray id32 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_01234";
    QTest::newRow("generation 3, GPS and domain; 32-byte ID")
            << classic3(1, 1, 1) << plateRecord({5, 0, 3, 0x77, ip, 7100, 42, id32})
            << domainRecord(1, "tarvio.example.org", '\x41') << plateRecord({1, 0, 1, 0, ip, 7100, 42, id32})
            << domainRecord(1, "tarvio.example.org");
    // Without GPS the interval goes out as 0; a hidden picture switch as filled.
    QTest::newRow("generation 2") << PageFixture::profile("G2") << plateRecord({1, 1, 1, 0, ip, 65535, 42, "cam_2"})
                                  << domainRecord(1, "a.b") << plateRecord({1, 1, 1, 0, ip, 65535, 0, "cam_2"})
                                  << domainRecord(1, "a.b");
    // A camera that does not offer the domain gets flag 0 and the text back.
    QTest::newRow("generation 3 without the domain")
            << classic3(0, 0, 1) << plateRecord({0, 1, 0, 0, ip, 1, 0, "x"}) << domainRecord(1, "keep.me")
            << plateRecord({0, 1, 0, 0, ip, 1, 0, "x"}) << domainRecord(0, "keep.me");
    QTest::newRow("generation 1: the platform record only")
            << PageFixture::profile("G1") << plateRecord({1, 0, 0, 0, ip, 80, 0, "g1"}) << domainRecord(1, "a.b")
            << plateRecord({1, 0, 0, 0, ip, 80, 0, "g1"}) << QByteArray();
    QTest::newRow("JSON, domain switched off")
            << json(1, 1) << plateRecord({1, 1, 1, 0, ip, 9000, 0, "json"}) << domainRecord(0, "")
            << plateRecord({1, 1, 1, 0, ip, 9000, 0, "json"}) << domainRecord(0, "");
}

void tst_PlateConfigWnd::aSaveWithoutEditsSendsBothRecordsBack()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QByteArray, storedPlate);
    QFETCH(QByteArray, storedDomain);
    QFETCH(QByteArray, plate);
    QFETCH(QByteArray, domain);

    m_fixture->loginTo(profile);
    m_fixture->setRecord("PLATFORM_PARA_T", storedPlate);
    m_fixture->setRecord("PLATFORM_DOMAIN_T", storedDomain);
    auto *page = showPage();
    if (!domain.isEmpty())
        QVERIFY(m_fixture->waitForReplies(1));
    save(page);
    const QStringList toasts = domain.isEmpty() ? QStringList {"保存成功"} : QStringList {"保存成功", "保存成功"};
    QTRY_COMPARE(m_fixture->toasts(page), toasts);
    QCOMPARE(m_fixture->sent(kSetPlate), plate);
    QCOMPARE(m_fixture->record("PLATFORM_PARA_T"), plate);
    QCOMPARE(m_fixture->sent(kSetDomain), domain);
    QCOMPARE(m_fixture->requestCount(kSetDomain), domain.isEmpty() ? 0 : 1);
}

void tst_PlateConfigWnd::anEditedAddressGoesOutAsDecimalParts()
{
    m_fixture->loginTo(classic3(1, 1, 1));
    auto *page = showPage();
    QVERIFY(m_fixture->waitForReplies(1));
    child<QCheckBox>(page, "enable2_box")->setChecked(false);
    child(page, "IP_edit")->setText("192.168.001.010");
    child(page, "deviceID_edit")->setText("id");
    child(page, "port_edit")->setText("80");
    child(page, "gpsInterval")->setText("5");
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page).size(), 2);
    QCOMPARE(m_fixture->sent(kSetPlate).mid(4, 4), QByteArray("\xC0\xA8\x01\x0A"));
}

void tst_PlateConfigWnd::everyCheckRunsOnEverySave_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("texts"); // IP, domain, port, ID, GPS interval
    QTest::addColumn<QStringList>("frames");

    const CameraProfile gps = classic3(1, 1, 1);
    const CameraProfile noGps = classic3(1, 0, 1);
    QTest::newRow("all five at once, switched off")
            << gps << false << QStringList {"1.2.3", "-bad.domain", "0", "", "0"}
            << QStringList {"ip_point_frame", "domain_point_frame", "port_point_frame", "id_point_frame",
                            "gpsInterval_frame"};
    QTest::newRow("port 65536, GPS 100") << gps << true << QStringList {"1.2.3.4", "", "65536", "id", "100"}
                                         << QStringList {"port_point_frame", "gpsInterval_frame"};
    QTest::newRow("port 65535, GPS 99, empty domain")
            << gps << true << QStringList {"1.2.3.4", "", "65535", "id", "99"} << QStringList();
    QTest::newRow("GPS 0 without GPS") << noGps << true << QStringList {"1.2.3.4", "ok.example", "1", "id", "0"}
                                       << QStringList();
    QTest::newRow("the address also while the domain is used")
            << noGps << true << QStringList {"", "ok.example", "1", "id", ""} << QStringList {"ip_point_frame"};
}

void tst_PlateConfigWnd::everyCheckRunsOnEverySave()
{
    QFETCH(CameraProfile, profile);
    QFETCH(bool, enabled);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, frames);

    m_fixture->loginTo(profile);
    auto *page = showPage();
    QVERIFY(m_fixture->waitForReplies(1));
    child<QCheckBox>(page, "enable2_box")->setChecked(!texts.at(1).isEmpty());
    child<QCheckBox>(page, "enable_box")->setChecked(enabled);
    const char *const edits[] = {"IP_edit", "domain_edit", "port_edit", "deviceID_edit", "gpsInterval"};
    for (int i = 0; i < 5; ++i) {
        // Text set by the program passes the keystroke filters.
        child(page, edits[i])->setValidator(nullptr);
        child(page, edits[i])->setText(texts.at(i));
    }
    save(page);

    QCOMPARE(shownFrames(page), frames);
    const QMap<QString, QString> messages {{"ip_point_frame", "非法的IP"},
                                           {"domain_point_frame", "非法的域名"},
                                           {"port_point_frame", "端口号的范围是1~65535"},
                                           {"id_point_frame", "不能为空"},
                                           {"gpsInterval_frame", "GPS上传间隔的范围是1~99"}};
    for (const QString &frame : frames)
        QCOMPARE(page->findChild<QWidget *>(frame)->findChildren<QLabel *>().last()->text(), messages.value(frame));
    if (!frames.isEmpty()) {
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetPlate), 0);
        QCOMPARE(m_fixture->requestCount(kSetDomain), 0);
        return;
    }
    QTRY_COMPARE(m_fixture->toasts(page), (QStringList {"保存成功", "保存成功"}));
    // With GPS the interval goes out through the variant that carries it.
    const bool gpsUsed = profile.deviceCodeOverrides.at(kGpsByte) == 1;
    QCOMPARE(qFromLittleEndian<quint16>(m_fixture->sent(kSetPlate).constData() + 10),
             quint16(gpsUsed ? texts.at(4).toUInt() : 0));
}

void tst_PlateConfigWnd::eachRecordsAnswerShowsAToastThatDoesNotLie_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<int>("plateResult");
    QTest::addColumn<int>("domainResult");
    QTest::addColumn<bool>("plateWriteFails");
    QTest::addColumn<QStringList>("toasts");

    const CameraProfile g3 = classic3(1, 0, 1);
    QTest::newRow("both accepted") << g3 << 0 << 0 << false << QStringList {"保存成功", "保存成功"};
    // The domain record alone saved is not a saved setting.
    QTest::newRow("platform refused") << g3 << 1 << 0 << false << QStringList {"保存失败", "保存失败"};
    QTest::newRow("platform not written") << g3 << 0 << 0 << true << QStringList {"保存失败", "保存失败"};
    QTest::newRow("domain refused") << g3 << 0 << 1 << false << QStringList {"保存成功", "保存失败"};
    QTest::newRow("generation 1 accepted") << PageFixture::profile("G1") << 0 << 0 << false
                                           << QStringList {"保存成功"};
    QTest::newRow("generation 1 refused") << PageFixture::profile("G1") << 1 << 0 << false
                                          << QStringList {"保存失败"};
}

void tst_PlateConfigWnd::eachRecordsAnswerShowsAToastThatDoesNotLie()
{
    QFETCH(CameraProfile, profile);
    QFETCH(int, plateResult);
    QFETCH(int, domainResult);
    QFETCH(bool, plateWriteFails);
    QFETCH(QStringList, toasts);

    m_fixture->loginTo(profile);
    m_fixture->setRecord("PLATFORM_PARA_T", plateRecord({1, 0, 0, 0, QByteArray("\x01\x02\x03\x04", 4), 80, 0, "id"}));
    auto *page = showPage();
    m_fixture->setResult(kSetPlate, plateResult);
    m_fixture->setResult(kSetDomain, domainResult);
    if (plateWriteFails)
        m_fixture->failNextWrite();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), toasts);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), toasts);
}

void tst_PlateConfigWnd::theDomainChoiceDoesNotDependOnTheTabShown()
{
    CameraProfile profile = json(1, 1);
    profile.abilityOverrides["supportExtendNetworkParam"] = 0;
    m_fixture->loginTo(profile);
    m_fixture->setRecord("PLATFORM_PARA_T", plateRecord({1, 0, 0, 0, QByteArray("\x01\x02\x03\x04", 4), 80, 0, "id"}));
    m_fixture->setRecord("PLATFORM_DOMAIN_T", domainRecord(0, ""));
    auto *container = m_fixture->show<PlatformWnd>();
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(m_fixture->waitForReplies(1));
    auto *page = container->findChild<PlateConfigWnd *>();
    QVERIFY(page);
    QVERIFY(!child<QCheckBox>(page, "enable2_box")->isChecked());

    // The domain reply lands while the FTP tab is shown.
    tabs->setCurrentIndex(1);
    QVERIFY(m_fixture->waitForReplies(1));
    QVERIFY(!page->isVisible());
    m_fixture->setRecord("PLATFORM_DOMAIN_T", domainRecord(1, "far.example.net"));
    const int before = m_fixture->replies();
    m_fixture->manager()->ReqDevDomainParam();
    QVERIFY(m_fixture->waitForReplies(1, before));
    QVERIFY(child<QCheckBox>(page, "enable2_box")->isChecked());
    QVERIFY(child(page, "domain_edit")->isEnabled());
    QVERIFY(!child(page, "IP_edit")->isEnabled());

    tabs->setCurrentIndex(0);
    QVERIFY(m_fixture->waitForReplies(2));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page).size(), 2);
    QCOMPARE(m_fixture->sent(kSetDomain), domainRecord(1, "far.example.net"));
}

void tst_PlateConfigWnd::aDomainEnteredFromTheNavigatorReachesTheCamera()
{
    CameraProfile profile = json(1, 1);
    profile.abilityOverrides["supportExtendNetworkParam"] = 0;
    m_fixture->loginTo(profile);
    m_fixture->setRecord("PLATFORM_PARA_T",
                         plateRecord({1, 0, 1, 0, QByteArray("\xC0\xA8\x00\x05", 4), 6000, 0, "BODYCAM_7"}));
    MainWindow window;
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>("deviceConfig_btn"), Qt::LeftButton);
    auto *rows = window.findChild<QListWidget *>("listWidget");
    QVERIFY(rows);
    const QList<QListWidgetItem *> items = rows->findItems("网络应用", Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    // Counted on the reader thread; the counter goes with this test.
    std::atomic<int> domainFills {0};
    QObject counter;
    connect(m_fixture->manager(), &MainManager::devDomainParamChanged, &counter, [&domainFills] { ++domainFills; },
            Qt::DirectConnection);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, rows->visualItemRect(items.first()).center());
    QTRY_VERIFY(window.findChild<PlatformWnd *>());
    auto *tabs = window.findChild<PlatformWnd *>()->findChild<QTabWidget *>("tabWidget");
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("TARVIO"));
    QTRY_VERIFY(window.findChild<PlateConfigWnd *>());
    auto *page = window.findChild<PlateConfigWnd *>();
    // Every platform record the navigator's showing asked for, then the
    // domain record each of them asks for, has reached the page.
    QTRY_COMPARE(child(page, "IP_edit")->text(), QString("192.168.0.5"));
    QTRY_VERIFY(m_fixture->requestCount(kGetDomain) >= 1
                && m_fixture->requestCount(kGetDomain) == m_fixture->requestCount(kGetPlate)
                && domainFills == m_fixture->requestCount(kGetDomain));
    QCOMPARE(child(page, "deviceID_edit")->text(), QString("BODYCAM_7"));

    auto *useDomain = child<QCheckBox>(page, "enable2_box");
    // The box has no text: only its indicator takes the click.
    QTest::mouseClick(useDomain, Qt::LeftButton, Qt::NoModifier, QPoint(8, useDomain->height() / 2));
    QVERIFY(child<QCheckBox>(page, "enable2_box")->isChecked());
    QVERIFY(!child(page, "IP_edit")->isEnabled());
    QTest::keyClicks(child(page, "domain_edit"), "platform.example.com");
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), (QStringList {"保存成功", "保存成功"}));
    QCOMPARE(m_fixture->record("PLATFORM_DOMAIN_T"), domainRecord(1, "platform.example.com"));
    QCOMPARE(m_fixture->record("PLATFORM_PARA_T"),
             plateRecord({1, 0, 1, 0, QByteArray("\xC0\xA8\x00\x05", 4), 6000, 0, "BODYCAM_7"}));
}

QTEST_MAIN(tst_PlateConfigWnd)
#include "tst_PlateConfigWnd.moc"
