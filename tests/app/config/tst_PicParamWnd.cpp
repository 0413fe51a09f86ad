// The photo page: the resolution list with and without the 4-megapixel photo,
// and its record both ways.

#include "PageFixture.h"
#include "PicParamWnd.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetPic = 1014;

QByteArray picRecord(quint8 code, char filler = '\0')
{
    QByteArray record(36, filler);
    record[0] = char(code);
    return record;
}

QStringList items(QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class tst_PicParamWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void indexAndCodeMapBothWays_data();
    void indexAndCodeMapBothWays();
    void theListFollowsThe4MPCapability_data();
    void theListFollowsThe4MPCapability();
    void theCodeGoesBothWaysThroughTheCamera_data();
    void theCodeGoesBothWaysThroughTheCamera();

private:
    QScopedPointer<PageFixture> m_fixture;
};

void tst_PicParamWnd::indexAndCodeMapBothWays_data()
{
    QTest::addColumn<bool>("with4MP");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("index");

    QTest::newRow("5MP") << false << 0 << 0;
    QTest::newRow("40MP") << false << 3 << 3;
    QTest::newRow("4MP first") << true << 4 << 0;
    QTest::newRow("5MP second") << true << 0 << 1;
    QTest::newRow("40MP last") << true << 3 << 4;
}

void tst_PicParamWnd::indexAndCodeMapBothWays()
{
    QFETCH(bool, with4MP);
    QFETCH(int, code);
    QFETCH(int, index);
    QCOMPARE(PicParamWnd::indexForCode(quint8(code), with4MP), index);
    QCOMPARE(int(PicParamWnd::codeForIndex(quint8(index), with4MP)), code);
}

void tst_PicParamWnd::theListFollowsThe4MPCapability_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QStringList>("list");

    const QStringList standard {"5MP", "16MP", "30MP", "40MP"};
    const QStringList with4MP {"4MP", "5MP", "16MP", "30MP", "40MP"};
    CameraProfile without = PageFixture::profile("G3-12");
    without.deviceCodeOverrides[338] = 0;
    CameraProfile jsonWithout = PageFixture::profile("J");
    jsonWithout.abilityOverrides["support4MPhoto"] = 0;
    QTest::newRow("byte 338") << PageFixture::profile("G3-12") << with4MP;
    QTest::newRow("no byte 338") << without << standard;
    QTest::newRow("support4MPhoto") << PageFixture::profile("J") << with4MP;
    QTest::newRow("support4MPhoto 0") << jsonWithout << standard;
}

void tst_PicParamWnd::theListFollowsThe4MPCapability()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QStringList, list);
    m_fixture->loginTo(profile);
    PicParamWnd *page = m_fixture->show<PicParamWnd>();
    QCOMPARE(items(page->findChild<QComboBox *>("comboBox")), list);
}

void tst_PicParamWnd::theCodeGoesBothWaysThroughTheCamera_data()
{
    QTest::addColumn<bool>("with4MP");
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("sent");

    // Unedited, the code goes back; the other bytes go as zeros.
    QTest::newRow("unedited") << true << 2 << "30MP" << -1 << 2;
    QTest::newRow("4MP shown first") << true << 4 << "4MP" << -1 << 4;
    QTest::newRow("40MP chosen") << true << 0 << "5MP" << 4 << 3;
    QTest::newRow("standard list") << false << 1 << "16MP" << 3 << 3;
}

void tst_PicParamWnd::theCodeGoesBothWaysThroughTheCamera()
{
    QFETCH(bool, with4MP);
    QFETCH(int, held);
    QFETCH(QString, shown);
    QFETCH(int, chosen);
    QFETCH(int, sent);

    CameraProfile profile = PageFixture::profile("G3-12");
    profile.deviceCodeOverrides[338] = with4MP ? 1 : 0;
    m_fixture->loginTo(profile);
    m_fixture->setRecord("PIC_PARAM", picRecord(quint8(held), '\x5A'));
    PicParamWnd *page = m_fixture->show<PicParamWnd>();
    auto *box = page->findChild<QComboBox *>("comboBox");

    QCOMPARE(box->currentText(), shown);
    if (chosen >= 0)
        box->setCurrentIndex(chosen);
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetPic), picRecord(quint8(sent)));
}

QTEST_MAIN(tst_PicParamWnd)
#include "tst_PicParamWnd.moc"
