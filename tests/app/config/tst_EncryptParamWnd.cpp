// The encoding page: its lists and rows by model type and generation, the
// index and value rules of its tables, the network-limit check and its
// records through the simulated camera, one channel or several.

#include "EncryptParamWnd.h"
#include "PageFixture.h"

#include "FullCamera.h"
#include "behaviour/CameraBehaviour.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

using sim::camera::CameraProfile;
using Rates = EncryptParamWnd::RateTable;

namespace {

constexpr quint32 kSetRecording = 4;
constexpr quint32 kSetNetwork = 5;
constexpr quint32 kSetV3 = 1000;
constexpr quint32 k1080p = 0x1000, k720p = 0x1001, kD1 = 0x1002, k2K = 0x1007;
constexpr quint32 kM = 1048576;

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QByteArray v3(quint32 chan, quint32 stream, quint32 type, quint32 code, quint32 fps, quint32 rate,
              quint32 enc = 0)
{
    QByteArray b(88, '\0');
    const quint32 fields[] = {chan, stream, type, code, fps, rate, enc};
    for (int i = 0; i < 7; ++i)
        qToLittleEndian(fields[i], b.data() + 4 * i);
    return b;
}

QByteArray v2(quint32 code, quint32 fps, quint32 rate)
{
    QByteArray b(12, '\0');
    qToLittleEndian(code, b.data());
    qToLittleEndian(fps, b.data() + 4);
    qToLittleEndian(rate, b.data() + 8);
    return b;
}

CameraProfile withBytes(const char *name, std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes)
{
    CameraProfile profile = PageFixture::profile(name);
    for (const auto &[at, value] : bytes)
        profile.deviceCodeOverrides[at] = value;
    return profile;
}

} // namespace

class tst_EncryptParamWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void listsAndRowsFollowModelAndGeneration_data();
    void listsAndRowsFollowModelAndGeneration();
    void ratesMapBothWays_data();
    void ratesMapBothWays();
    void networkStreamMustNotExceedRecording_data();
    void networkStreamMustNotExceedRecording();
    void recordsReadAsTheirItems_data();
    void recordsReadAsTheirItems();
    void generation2SavesBothRecordsWithOneToast_data();
    void generation2SavesBothRecordsWithOneToast();
    void generation3SavesNetworkThenRecording_data();
    void generation3SavesNetworkThenRecording();
    void aRefusedV3RecordShowsTheOverlayAndTheNextSaveStartsClean();
    void eachChannelOfAMultichannelCameraKeepsItsOwnValues();

private:
    EncryptParamWnd *openPage(const CameraProfile &profile);
    // The page on the camera logged in to.
    EncryptParamWnd *openPage();
    void refreshAndSettle(EncryptParamWnd *page, int selectChannel = -1);
    void setV3(quint32 stream, quint32 chan, const QByteArray &record);
    QByteArray heldV3(quint32 stream, quint32 chan);
    void save(EncryptParamWnd *page);

    QScopedPointer<PageFixture> m_fixture;
};

EncryptParamWnd *tst_EncryptParamWnd::openPage(const CameraProfile &profile)
{
    m_fixture->loginTo(profile);
    return openPage();
}

EncryptParamWnd *tst_EncryptParamWnd::openPage()
{
    auto *page = m_fixture->show<EncryptParamWnd>(false);
    refreshAndSettle(page);
    return page;
}

// The all-parameters reply brings several records: wait until they stop coming.
void tst_EncryptParamWnd::refreshAndSettle(EncryptParamWnd *page, int selectChannel)
{
    const int before = m_fixture->replies();
    if (selectChannel >= 0)
        page->findChild<QComboBox *>("channelNo")->setCurrentIndex(selectChannel);
    else
        page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(2, before));
    int seen = -1;
    while (seen != m_fixture->replies()) {
        seen = m_fixture->replies();
        QTest::qWait(60);
    }
}

void tst_EncryptParamWnd::setV3(quint32 stream, quint32 chan, const QByteArray &record)
{
    m_fixture->camera().edit([&](sim::camera::CameraBehaviour &behaviour) {
        behaviour.parameters().setVideoV3(stream, sim::camera::le::Bytes(record.begin(), record.end()), chan);
    });
}

QByteArray tst_EncryptParamWnd::heldV3(quint32 stream, quint32 chan)
{
    QByteArray bytes;
    m_fixture->camera().edit([&](sim::camera::CameraBehaviour &behaviour) {
        const auto held = behaviour.parameters().videoV3(stream, chan);
        bytes = QByteArray(reinterpret_cast<const char *>(held.data()), int(held.size()));
    });
    return bytes;
}

void tst_EncryptParamWnd::save(EncryptParamWnd *page)
{
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
}

void tst_EncryptParamWnd::listsAndRowsFollowModelAndGeneration_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<QStringList>("net");
    QTest::addColumn<QStringList>("shown"); // the combo boxes shown besides record_combo and videoRate_combo

    const QStringList classicNet30{"720p@30", "720p@15", "720p@5", "D1@30", "D1@15", "D1@5"};
    const QStringList classicNet25{"720p@25", "720p@15", "720p@5", "D1@25", "D1@15", "D1@5"};
    const QStringList twoStreams{"netstream_combo", "netRate_combo", "streamtype", "netstreamtype"};
    QTest::newRow("12, G3, fps30") << PageFixture::profile("G3-12")
                                   << QStringList{"2K@30", "1080p@30", "720p@30", "D1@30"} << classicNet30
                                   << twoStreams;
    QTest::newRow("12, G3, no fps30")
            << withBytes("G3-12", {{336, 0}}) << QStringList{"2K@25", "1080p@25", "720p@25", "D1@25"}
            << classicNet25 << twoStreams;
    CameraProfile g2 = PageFixture::profile("G2");
    g2.deviceType = 12;
    g2.deviceCodeOverrides[336] = 1;
    QTest::newRow("12, G2, fps30") << g2 << QStringList{"2K@25", "1080p@25", "720p@25", "D1@25"}
                                   << classicNet25 << twoStreams;
    QTest::newRow("7") << PageFixture::profile("G3-7") << QStringList{"1080p@30", "720p@30", "D1@30"}
                       << classicNet30 << twoStreams;
    QTest::newRow("5") << PageFixture::profile("G3-5") << QStringList{"1080p@25", "720p@25", "D1@25"}
                       << QStringList{"1080p@25", "1080p@15", "1080p@5", "720p@25", "720p@15",
                                      "720p@5",   "D1@25",    "D1@15",   "D1@5"}
                       << QStringList{"netstream_combo", "netRate_combo", "netstreamtype",
                                      "videoencoding_combo"};
    CameraProfile m13 = PageFixture::profile("G3-12");
    m13.deviceType = 13;
    QTest::newRow("13") << m13 << QStringList{"1080p@30", "720p@30", "D1@30"}
                        << QStringList{"720p@30", "D1@30"} << twoStreams;
    QTest::newRow("other") << PageFixture::profile("G3-1")
                           << QStringList{"1080p@60", "1080p@30", "720p@120", "720p@60",
                                          "720p@30",  "D1@120",   "D1@60",    "D1@30"}
                           << classicNet30 << QStringList{"netstream_combo", "netRate_combo"};
    CameraProfile single = withBytes("G3-12", {{320, 1}});
    single.deviceType = 4;
    QTest::newRow("4, single stream") << single << QStringList{"1080p@30", "720p@30", "D1@30"} << classicNet30
                                      << QStringList{"streamtype"};
    QTest::newRow("3, G3") << PageFixture::profile("G3-3") << QStringList{"1080p@25", "720p@25", "D1@25"}
                           << QStringList{"720p@25", "720p@12", "720p@5", "D1@25", "D1@12", "D1@5"}
                           << QStringList{"channelNo", "netstream_combo", "netRate_combo", "streamtype",
                                          "netstreamtype"};
    CameraProfile g2m3 = PageFixture::profile("G2");
    g2m3.deviceType = 3;
    QTest::newRow("3, G2") << g2m3 << QStringList{"1080p@25", "720p@25", "D1@25"}
                           << QStringList{"720p@25", "720p@12", "720p@5", "D1@25", "D1@12", "D1@5"}
                           << QStringList{"netstream_combo", "netRate_combo"};
}

void tst_EncryptParamWnd::listsAndRowsFollowModelAndGeneration()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QStringList, record);
    QFETCH(QStringList, net);
    QFETCH(QStringList, shown);
    EncryptParamWnd *page = openPage(profile);

    QCOMPARE(items(page->findChild<QComboBox *>("record_combo")), record);
    QCOMPARE(items(page->findChild<QComboBox *>("netstream_combo")), net);
    for (const char *name : {"channelNo", "streamtype", "netstream_combo", "netRate_combo", "netstreamtype",
                             "videoencoding_combo"})
        QVERIFY2(page->findChild<QComboBox *>(name)->isVisible() == shown.contains(name), name);
}

void tst_EncryptParamWnd::ratesMapBothWays_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<quint32>("written");

    QTest::newRow("recording 512K reads as 1M") << int(Rates::Recording) << 512u * 1024 << 0 << kM;
    QTest::newRow("recording 8M") << int(Rates::Recording) << 8 * kM << 4 << 8 * kM;
    QTest::newRow("recording unknown") << int(Rates::Recording) << 3 * kM << -1 << 512u * 1024;
    QTest::newRow("network 512K") << int(Rates::Network) << 512u * 1024 << 0 << 512u * 1024;
    QTest::newRow("network unknown writes 0") << int(Rates::Network) << 3 * kM << -1 << 0u;
    QTest::newRow("model 3 256K") << int(Rates::Model3) << 256u * 1024 << 0 << 256u * 1024;
    QTest::newRow("model 3 8M") << int(Rates::Model3) << 8 * kM << 6 << 8 * kM;
    QTest::newRow("model 3 unknown writes 0") << int(Rates::Model3) << 5u << -1 << 0u;
}

void tst_EncryptParamWnd::ratesMapBothWays()
{
    QFETCH(int, table);
    QFETCH(quint32, value);
    QFETCH(int, index);
    QFETCH(quint32, written);
    QCOMPARE(EncryptParamWnd::rateIndex(value, Rates(table)), index);
    QCOMPARE(EncryptParamWnd::rateValue(index, Rates(table)), written);
}

void tst_EncryptParamWnd::networkStreamMustNotExceedRecording_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("net");
    QTest::addColumn<bool>("sent");

    CameraProfile m4 = PageFixture::profile("G3-12");
    m4.deviceType = 4;
    QTest::newRow("D1@30 under 720p@5") << m4 << "D1@30"
                                        << "720p@5" << false;
    QTest::newRow("1080p@30 over 720p@30") << m4 << "1080p@30"
                                           << "720p@30" << true;
    QTest::newRow("2K@30 over 720p@30") << PageFixture::profile("G3-12") << "2K@30"
                                        << "720p@30" << true;
    QTest::newRow("2K@30 over D1@30") << PageFixture::profile("G3-12") << "2K@30"
                                      << "D1@30" << true;
    QTest::newRow("D1@30 under D1@30 passes") << m4 << "D1@30"
                                              << "D1@30" << true;
    QTest::newRow("net limit free") << withBytes("G3-12", {{329, 1}}) << "D1@30"
                                    << "720p@30" << true;
    QTest::newRow("model 5 skips") << PageFixture::profile("G3-5") << "D1@25"
                                   << "1080p@25" << true;
}

void tst_EncryptParamWnd::networkStreamMustNotExceedRecording()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QString, record);
    QFETCH(QString, net);
    QFETCH(bool, sent);
    EncryptParamWnd *page = openPage(profile);
    page->findChild<QComboBox *>("record_combo")->setCurrentText(record);
    page->findChild<QComboBox *>("netstream_combo")->setCurrentText(net);
    m_fixture->clearRequests();
    save(page);

    auto *frame = page->findChild<QFrame *>("netstream_point_frame");
    if (sent) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
        QVERIFY(!frame->isVisible());
    } else {
        QVERIFY(frame->isVisible());
        QCOMPARE(page->findChild<QLabel *>("Point_Out_1")->text(), QString("必须小于等于录像分辨率@帧率"));
        QCOMPARE(m_fixture->requestCount(kSetV3), 0);
        QVERIFY(m_fixture->toasts(page).isEmpty());
    }
}

void tst_EncryptParamWnd::recordsReadAsTheirItems_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QByteArray>("recording");
    QTest::addColumn<QByteArray>("network");
    QTest::addColumn<QStringList>("shown"); // record, rate, net, net rate, net stream type, encoding

    QTest::newRow("5: H.265, video stream")
            << PageFixture::profile("G3-5") << v3(0, 0, 0, kD1, 25, 512 * 1024)
            << v3(0, 1, 0, k720p, 5, 2 * kM, 1)
            << QStringList{"D1@25", "1M", "720p@5", "2M", "视频流", "H.265"};
    QTest::newRow("12: unknown resolution, composite")
            << PageFixture::profile("G3-12") << v3(0, 0, 1, 0x2000, 30, 4 * kM)
            << v3(0, 1, 1, kD1, 15, 3 * kM) << QStringList{"2K@30", "4M", "D1@15", "", "复合流", ""};
}

void tst_EncryptParamWnd::recordsReadAsTheirItems()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QByteArray, recording);
    QFETCH(QByteArray, network);
    QFETCH(QStringList, shown);
    m_fixture->loginTo(profile);
    setV3(0, 0, recording);
    setV3(1, 0, network);
    EncryptParamWnd *page = openPage();
    const char *names[] = {"record_combo",  "videoRate_combo", "netstream_combo",
                           "netRate_combo", "netstreamtype",   "videoencoding_combo"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(page->findChild<QComboBox *>(names[i])->currentText(), shown.at(i));
}

void tst_EncryptParamWnd::generation2SavesBothRecordsWithOneToast_data()
{
    QTest::addColumn<int>("networkResult");
    QTest::addColumn<QString>("toast");
    QTest::newRow("both taken") << 0 << "保存成功";
    QTest::newRow("network refused") << 1 << "保存失败";
}

void tst_EncryptParamWnd::generation2SavesBothRecordsWithOneToast()
{
    QFETCH(int, networkResult);
    QFETCH(QString, toast);
    m_fixture->loginTo(PageFixture::profile("G2"));
    m_fixture->setRecord("VIDEO_PARA_T recording", v2(k720p, 25, 2 * kM));
    m_fixture->setRecord("VIDEO_PARA_T network", v2(kD1, 5, 512 * 1024));
    auto *page = m_fixture->show<EncryptParamWnd>(false);
    const int before = m_fixture->replies();
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(2, before));
    QCOMPARE(page->findChild<QComboBox *>("record_combo")->currentText(), QString("720p@25"));
    QCOMPARE(page->findChild<QComboBox *>("netRate_combo")->currentText(), QString("512K"));

    page->findChild<QComboBox *>("videoRate_combo")->setCurrentText("6M");
    m_fixture->setResult(kSetNetwork, networkResult);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{toast});
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList{toast});
    QCOMPARE(m_fixture->sent(kSetRecording), v2(k720p, 25, 6 * kM));
    QCOMPARE(m_fixture->sent(kSetNetwork), v2(kD1, 5, 512 * 1024));
}

void tst_EncryptParamWnd::generation3SavesNetworkThenRecording_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QString>("netStreamType");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QByteArray>("network");
    QTest::addColumn<QByteArray>("recording");

    QTest::newRow("12") << PageFixture::profile("G3-12") << "视频流"
                        << "" << v3(0, 1, 0, kD1, 15, 2 * kM)
                        << v3(0, 0, 1, k2K, 30, 4 * kM); // 1080p@25 is not offered: the first item
    QTest::newRow("5") << PageFixture::profile("G3-5") << "复合流"
                       << "H.265" << v3(0, 1, 1, kD1, 15, 2 * kM, 1) << v3(0, 0, 0, k1080p, 25, 4 * kM);
}

void tst_EncryptParamWnd::generation3SavesNetworkThenRecording()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QString, netStreamType);
    QFETCH(QString, encoding);
    QFETCH(QByteArray, network);
    QFETCH(QByteArray, recording);
    EncryptParamWnd *page = openPage(profile);
    page->findChild<QComboBox *>("netstream_combo")->setCurrentText("D1@15");
    page->findChild<QComboBox *>("netRate_combo")->setCurrentText("2M");
    page->findChild<QComboBox *>("netstreamtype")->setCurrentText(netStreamType);
    if (!encoding.isEmpty())
        page->findChild<QComboBox *>("videoencoding_combo")->setCurrentText(encoding);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
    QCOMPARE(heldV3(1, 0), network);
    QCOMPARE(heldV3(0, 0), recording);
}

void tst_EncryptParamWnd::aRefusedV3RecordShowsTheOverlayAndTheNextSaveStartsClean()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    // A network bit rate outside the list selects nothing and is written as
    // 0, which the camera refuses with 2; the recording record is taken.
    setV3(1, 0, v3(0, 1, 0, k720p, 15, 3 * kM));
    EncryptParamWnd *page = openPage();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存失败"});
    QCOMPARE(PageFixture::overlayText(page), QString("配置参数异常，请重试。"));

    page->findChild<QComboBox *>("netRate_combo")->setCurrentText("1M");
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), (QStringList{"保存失败", "保存成功"}));

    m_fixture->failNextWrite();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page).size(), 3);
    QCOMPARE(m_fixture->toasts(page).last(), QString("保存失败"));
}

void tst_EncryptParamWnd::eachChannelOfAMultichannelCameraKeepsItsOwnValues()
{
    const CameraProfile profile = PageFixture::profile("G3-3");
    m_fixture->loginTo(profile);
    const quint32 codes[] = {k1080p, k720p, kD1};
    const quint32 rates[] = {256 * 1024, 2 * kM, 8 * kM};
    const quint32 netCodes[] = {k720p, kD1, k720p};
    const quint32 netFps[] = {12, 5, 25};
    const quint32 netRates[] = {256 * 1024, kM, 4 * kM};
    for (quint32 chan = 0; chan < 3; ++chan) {
        setV3(0, chan, v3(chan, 0, chan % 2, codes[chan], 25, rates[chan]));
        setV3(1, chan, v3(chan, 1, 1 - chan % 2, netCodes[chan], netFps[chan], netRates[chan]));
    }
    QByteArray expected[3][2];
    for (quint32 chan = 0; chan < 3; ++chan)
        for (quint32 stream = 0; stream < 2; ++stream)
            expected[chan][stream] = heldV3(stream, chan);
    const QByteArray untouched[2] = {heldV3(0, 3), heldV3(1, 3)};

    EncryptParamWnd *page = openPage();
    auto *channels = page->findChild<QComboBox *>("channelNo");
    auto *record = page->findChild<QComboBox *>("record_combo");
    refreshAndSettle(page, 2);
    QCOMPARE(record->currentText(), QString("D1@25"));
    refreshAndSettle(page, 1);
    QCOMPARE(record->currentText(), QString("720p@25"));
    // Leaving the tab and coming back: the refresh answers with channel 0.
    refreshAndSettle(page);
    QCOMPARE(channels->currentText(), QString("0"));

    m_fixture->clearRequests();
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
    QCOMPARE(m_fixture->requestCount(kSetV3), 6);
    for (quint32 chan = 0; chan < 3; ++chan)
        for (quint32 stream = 0; stream < 2; ++stream)
            QCOMPARE(heldV3(stream, chan).left(24), expected[chan][stream].left(24));
    QCOMPARE(heldV3(0, 3), untouched[0]);
    QCOMPARE(heldV3(1, 3), untouched[1]);
}

QTEST_MAIN(tst_EncryptParamWnd)
#include "tst_EncryptParamWnd.moc"
