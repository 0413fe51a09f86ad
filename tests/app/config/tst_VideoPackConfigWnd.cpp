// The packing page: both lists' mapping to the camera's codes, the groups the
// camera's capability shows, and the record both ways.

#include "PageFixture.h"
#include "VideoPackConfigWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetPack = 551;

QByteArray packRecord(quint8 audioOn, quint8 audio, quint8 videoOn, quint16 video)
{
    QByteArray record(8, '\0');
    record[0] = char(audioOn);
    record[1] = char(audio);
    record[2] = char(videoOn);
    qToLittleEndian(video, record.data() + 4);
    return record;
}

} // namespace

class tst_VideoPackConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void listsMapToTheCameraCodes_data();
    void listsMapToTheCameraCodes();
    void theCapabilityChoosesTheGroups_data();
    void theCapabilityChoosesTheGroups();
    void theRecordGoesBothWaysThroughTheCamera_data();
    void theRecordGoesBothWaysThroughTheCamera();

private:
    QScopedPointer<PageFixture> m_fixture;
};

void tst_VideoPackConfigWnd::listsMapToTheCameraCodes_data()
{
    QTest::addColumn<bool>("audio");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value"); // what the index sends
    QTest::addColumn<int>("stored"); // a value the camera may hold
    QTest::addColumn<int>("shownIndex"); // where that value shows

    QTest::newRow("G711_A") << true << 1 << 1 << 1 << 1;
    QTest::newRow("RAW is 99") << true << 10 << 99 << 99 << 10;
    QTest::newRow("code 10 is not RAW") << true << 9 << 9 << 10 << 0;
    QTest::newRow("no audio item") << true << -1 << 0 << 200 << 0;
    QTest::newRow("FLV is bit 9") << false << 9 << 512 << 512 << 9;
    QTest::newRow("TS") << false << 1 << 2 << 2 << 1;
    QTest::newRow("two bits show PS") << false << 0 << 1 << (256 | 2) << 0;
    QTest::newRow("0 shows PS") << false << 10 << 0 << 0 << 0;
}

void tst_VideoPackConfigWnd::listsMapToTheCameraCodes()
{
    QFETCH(bool, audio);
    QFETCH(int, index);
    QFETCH(int, value);
    QFETCH(int, stored);
    QFETCH(int, shownIndex);
    if (audio) {
        QCOMPARE(int(VideoPackConfigWnd::audioCodeForIndex(index)), value);
        QCOMPARE(VideoPackConfigWnd::audioIndexForCode(quint8(stored)), shownIndex);
    } else {
        QCOMPARE(int(VideoPackConfigWnd::videoBitForIndex(index)), value);
        QCOMPARE(VideoPackConfigWnd::videoIndexForBits(quint16(stored)), shownIndex);
    }
}

void tst_VideoPackConfigWnd::theCapabilityChoosesTheGroups_data()
{
    QTest::addColumn<int>("capability");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<bool>("video");

    QTest::newRow("0 none") << 0 << false << false;
    QTest::newRow("1 audio") << 1 << true << false;
    QTest::newRow("2 video") << 2 << false << true;
    QTest::newRow("3 both") << 3 << true << true;
    QTest::newRow("7 leaves them") << 7 << true << true;
}

void tst_VideoPackConfigWnd::theCapabilityChoosesTheGroups()
{
    QFETCH(int, capability);
    QFETCH(bool, audio);
    QFETCH(bool, video);

    CameraProfile profile = PageFixture::profile("G3-12");
    profile.deviceCodeOverrides[293] = quint8(capability);
    m_fixture->loginTo(profile);
    VideoPackConfigWnd *page = m_fixture->show<VideoPackConfigWnd>();

    for (const char *name : {"enable_box", "label_2", "comboBox"})
        QCOMPARE(page->findChild<QWidget *>(name)->isVisible(), audio);
    for (const char *name : {"enable_box2", "label_4", "comboBox_2"})
        QCOMPARE(page->findChild<QWidget *>(name)->isVisible(), video);
    // Both "启用" labels always stay.
    QVERIFY(page->findChild<QLabel *>("label")->isVisible());
    QVERIFY(page->findChild<QLabel *>("label_3")->isVisible());
}

void tst_VideoPackConfigWnd::theRecordGoesBothWaysThroughTheCamera_data()
{
    QTest::addColumn<QByteArray>("held");
    QTest::addColumn<QString>("audio");
    QTest::addColumn<QString>("video");

    // A switched-off list keeps its item and is saved with it.
    QTest::newRow("AAC on, FLV off") << packRecord(1, 7, 0, 512) << "AAC"
                                     << "FLV";
    QTest::newRow("RAW off, TS on") << packRecord(0, 99, 1, 2) << "RAW"
                                    << "TS";
}

void tst_VideoPackConfigWnd::theRecordGoesBothWaysThroughTheCamera()
{
    QFETCH(QByteArray, held);
    QFETCH(QString, audio);
    QFETCH(QString, video);

    m_fixture->loginTo(PageFixture::profile("G3-12"));
    m_fixture->setRecord("AUDIO_VEDIO_PACK_CFG_PARAM", held);
    VideoPackConfigWnd *page = m_fixture->show<VideoPackConfigWnd>();

    auto *audioBox = page->findChild<QComboBox *>("comboBox");
    auto *videoBox = page->findChild<QComboBox *>("comboBox_2");
    QCOMPARE(audioBox->currentText(), audio);
    QCOMPARE(videoBox->currentText(), video);
    QCOMPARE(audioBox->isEnabled(), held.at(0) != 0);
    QCOMPARE(videoBox->isEnabled(), held.at(2) != 0);

    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetPack), held);
}

QTEST_MAIN(tst_VideoPackConfigWnd)
#include "tst_VideoPackConfigWnd.moc"
