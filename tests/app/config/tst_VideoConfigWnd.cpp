// The recording page: its rows by the camera's capability bytes, the system
// record and the extended record saved one after the other, and the one rule
// between encoding and format.

#include "PageFixture.h"
#include "VideoConfigWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kGetSystem = 30;
constexpr quint32 kSetSystem = 29;
constexpr quint32 kGetExtended = 1007;
constexpr quint32 kSetExtended = 1006;

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

CameraProfile withBytes(const char *name, std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes)
{
    CameraProfile profile = PageFixture::profile(name);
    for (const auto &[at, value] : bytes)
        profile.deviceCodeOverrides[at] = value;
    return profile;
}

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + seed) | 0x40);
    return b;
}

} // namespace

class tst_VideoConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void rowsFollowTheCapabilityBytes_data();
    void rowsFollowTheCapabilityBytes();
    void theSystemRecordGoesFirstAndDecidesTheSecond_data();
    void theSystemRecordGoesFirstAndDecidesTheSecond();
    void h265WithMp4IsRefusedUntilCorrected();
    void aRoundTripKeepsTheBytesThePageDoesNotOwn();
    void unknownSegmentCodesShowFiveMinutes_data();
    void unknownSegmentCodesShowFiveMinutes();

private:
    VideoConfigWnd *openPage(const CameraProfile &profile);
    VideoConfigWnd *openPage();
    void save(VideoConfigWnd *page)
    {
        QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    }

    QScopedPointer<PageFixture> m_fixture;
};

VideoConfigWnd *tst_VideoConfigWnd::openPage(const CameraProfile &profile)
{
    m_fixture->loginTo(profile);
    return openPage();
}

VideoConfigWnd *tst_VideoConfigWnd::openPage()
{
    auto *page = m_fixture->show<VideoConfigWnd>(false);
    const int before = m_fixture->replies();
    page->refreshParam();
    m_fixture->waitForReplies(1, before);
    QTest::qWait(30); // the extended record, when asked for, follows the system record
    return page;
}

void tst_VideoConfigWnd::rowsFollowTheCapabilityBytes_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<bool>("extendedAsked");
    QTest::addColumn<bool>("preRecord60");
    QTest::addColumn<bool>("delayed60");

    const QStringList extended{"checkBox_cover", "checkBox_upRec", "checkBox_3ddnr", "checkBox_force",
                               "checkBox_scd",   "comboBox_code",  "comboBox_format"};
    QTest::newRow("G3-12: all rows") << PageFixture::profile("G3-12") << QStringList() << true << true
                                     << true;
    QTest::newRow("G2 with byte 272") << PageFixture::profile("G2") << extended << true << true << true;
    QTest::newRow("byte 272 0") << withBytes("G3-12", {{272, 0}}) << extended << false << true << true;
    QTest::newRow("byte 287 0") << withBytes("G3-12", {{287, 0}}) << QStringList{"comboBox_format"} << true
                                << true << true;
    QTest::newRow("byte 330 0") << withBytes("G3-12", {{330, 0}}) << QStringList{"checkBox_3ddnr"} << true
                                << true << true;
    QTest::newRow("byte 332 0") << withBytes("G3-12", {{332, 0}}) << QStringList{"checkBox_force"} << true
                                << true << true;
    QTest::newRow("byte 333 0") << withBytes("G3-12", {{333, 0}}) << QStringList{"checkBox_scd"} << true
                                << true << true;
    QTest::newRow("byte 323") << withBytes("G3-12", {{323, 1}}) << QStringList{"comboBox_pre", "label_7"}
                              << true << true << true;
    QTest::newRow("byte 324") << withBytes("G3-12", {{324, 1}}) << QStringList{"comboBox_rec"} << true << true
                              << true;
    QTest::newRow("byte 325") << withBytes("G3-12", {{325, 1}}) << QStringList{"comboBox_infrared"} << true
                              << true << true;
    QTest::newRow("byte 328") << withBytes("G3-12", {{328, 1}}) << QStringList() << true << false << true;
    CameraProfile m6 = PageFixture::profile("G3-12");
    m6.deviceType = 6;
    QTest::newRow("model 6") << m6
                             << QStringList{"comboBox_infrared", "comboBox_pre", "label_7", "comboBox_rec"}
                             << true << true << true;
    CameraProfile m13 = PageFixture::profile("G3-12");
    m13.deviceType = 13;
    QTest::newRow("model 13") << m13
                              << QStringList{"comboBox_infrared", "comboBox_pre", "label_7", "comboBox_rec"}
                              << true << true << true;
    CameraProfile g1 = PageFixture::profile("G1");
    QTest::newRow("G1") << g1 << extended << false << false << false;
}

void tst_VideoConfigWnd::rowsFollowTheCapabilityBytes()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QStringList, hidden);
    QFETCH(bool, extendedAsked);
    QFETCH(bool, preRecord60);
    QFETCH(bool, delayed60);
    VideoConfigWnd *page = openPage(profile);

    for (const char *name : {"checkBox_cover", "checkBox_upRec", "checkBox_3ddnr", "checkBox_force",
                             "checkBox_scd", "comboBox_code", "comboBox_format", "comboBox_infrared",
                             "comboBox_pre", "label_7", "comboBox_rec", "comboBox_split"})
        QVERIFY2(page->findChild<QWidget *>(name)->isVisible() == !hidden.contains(name), name);
    QTRY_COMPARE(m_fixture->requestCount(kGetExtended) > 0, extendedAsked);
    QCOMPARE(items(page->findChild<QComboBox *>("comboBox_pre")).contains("60秒"), preRecord60);
    QCOMPARE(items(page->findChild<QComboBox *>("comboBox_rec")).contains("60秒"), delayed60);
}

void tst_VideoConfigWnd::theSystemRecordGoesFirstAndDecidesTheSecond_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<int>("systemResult");
    QTest::addColumn<bool>("extendedSent");
    QTest::addColumn<QString>("toast");

    QTest::newRow("both") << PageFixture::profile("G3-12") << 0 << true << "保存成功";
    QTest::newRow("system refused") << PageFixture::profile("G3-12") << 1 << false << "保存失败";
    QTest::newRow("no extended record") << withBytes("G3-12", {{272, 0}}) << 0 << false << "保存成功";
    QTest::newRow("G2 with byte 272") << PageFixture::profile("G2") << 0 << false << "保存成功";
}

void tst_VideoConfigWnd::theSystemRecordGoesFirstAndDecidesTheSecond()
{
    QFETCH(CameraProfile, profile);
    QFETCH(int, systemResult);
    QFETCH(bool, extendedSent);
    QFETCH(QString, toast);
    VideoConfigWnd *page = openPage(profile);
    m_fixture->clearRequests();
    m_fixture->setResult(kSetSystem, systemResult);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{toast});
    QCOMPARE(m_fixture->requestCount(kSetSystem), 1);
    QCOMPARE(m_fixture->requestCount(kSetExtended), extendedSent ? 1 : 0);
}

void tst_VideoConfigWnd::h265WithMp4IsRefusedUntilCorrected()
{
    VideoConfigWnd *page = openPage(PageFixture::profile("G3-12"));
    auto *code = page->findChild<QComboBox *>("comboBox_code");
    auto *format = page->findChild<QComboBox *>("comboBox_format");
    code->setCurrentText("H.265");
    format->setCurrentText("MP4");
    m_fixture->clearRequests();
    save(page);
    auto *frame = page->findChild<QFrame *>("record_point_frame");
    auto *frame2 = page->findChild<QFrame *>("record_point_frame_2");
    QVERIFY(frame->isVisible() && frame2->isVisible());
    QCOMPARE(page->findChild<QLabel *>("record_point_text")->text(), QString("MP4格式不支持H265"));
    QCOMPARE(page->findChild<QLabel *>("record_point_text_2")->text(), QString("MP4格式不支持H265"));
    QTest::qWait(30);
    QCOMPARE(m_fixture->requestCount(kSetSystem), 0);

    format->setCurrentText("PS");
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
    QVERIFY(!frame->isVisible() && !frame2->isVisible());
}

void tst_VideoConfigWnd::aRoundTripKeepsTheBytesThePageDoesNotOwn()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    QByteArray system = pattern(28, 3);
    qToLittleEndian<qint32>(3, system.data() + 4);
    qToLittleEndian<qint32>(5000, system.data() + 8);
    qToLittleEndian<qint32>(10, system.data() + 12);
    system[22] = 2;
    QByteArray extended = pattern(92, 9);
    const int flags[] = {3, 16, 60, 63, 66, 67, 68};
    const char values[] = {1, 0, 1, 0, 1, 0, 1};
    for (int i = 0; i < 7; ++i)
        extended[flags[i]] = values[i];
    m_fixture->setRecord("SYSTEM_PARA_T", system);
    m_fixture->setRecord("Ex_Param_V3_T", extended);
    VideoConfigWnd *page = openPage();
    QTRY_VERIFY(page->findChild<QCheckBox *>("checkBox_cover")->isChecked());
    QCOMPARE(page->findChild<QComboBox *>("comboBox_split")->currentText(), QString("20分钟"));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_rec")->currentText(), QString("5秒"));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_pre")->currentText(), QString("10秒"));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_infrared")->currentText(), QString("自动"));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_format")->currentText(), QString("MP4"));
    QVERIFY(!page->findChild<QCheckBox *>("checkBox_upRec")->isChecked());

    page->findChild<QComboBox *>("comboBox_split")->setCurrentText("30分钟");
    page->findChild<QCheckBox *>("checkBox_upRec")->setChecked(true);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
    qToLittleEndian<qint32>(4, system.data() + 4);
    extended[63] = 1;
    QCOMPARE(m_fixture->record("SYSTEM_PARA_T"), system);
    QCOMPARE(m_fixture->record("Ex_Param_V3_T"), extended);
}

void tst_VideoConfigWnd::unknownSegmentCodesShowFiveMinutes_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("1") << 1;
    QTest::newRow("5") << 5;
    QTest::newRow("10") << 10;
}

void tst_VideoConfigWnd::unknownSegmentCodesShowFiveMinutes()
{
    QFETCH(int, code);
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    QByteArray system = m_fixture->record("SYSTEM_PARA_T");
    qToLittleEndian<qint32>(code, system.data() + 4);
    m_fixture->setRecord("SYSTEM_PARA_T", system);
    VideoConfigWnd *page = openPage();
    QCOMPARE(page->findChild<QComboBox *>("comboBox_split")->currentText(), QString("5分钟"));
}

QTEST_MAIN(tst_VideoConfigWnd)
#include "tst_VideoConfigWnd.moc"
