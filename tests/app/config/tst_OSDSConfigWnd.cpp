// The OSD page, and through it the record-page pattern: the round trip of the
// record, the byte limit of its lines, and how saves report.

#include "LocalText.h"
#include "OSDSConfigWnd.h"
#include "PageFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr quint32 kSetOsd = 401;
constexpr int kLineOffsets[] = {4, 68, 132};

QByteArray osdRecord(qint32 enable, const QList<QByteArray> &lines)
{
    QByteArray record(196, '\0');
    qToLittleEndian(enable, record.data());
    for (int i = 0; i < lines.size(); ++i)
        record.replace(kLineOffsets[i], lines.at(i).size(), lines.at(i));
    return record;
}

QLineEdit *line(QWidget *page, int i)
{
    return page->findChild<QLineEdit *>(QStringLiteral("OSD%1_edit").arg(i + 1));
}

void save(QWidget *page) { PageFixture::clickSave(page); }

} // namespace

class tst_OSDSConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void anUneditedPageSendsBackWhatTheCameraHolds();
    void saveBuildsAZeroedRecordDisabledLinesIncluded();
    void linesStayWithin32BytesWhenLoadedAndTyped();
    void aResultReportsOnce_data();
    void aResultReportsOnce();
    void aRefusedSaveReportsOnceAndNothingLater();
    void eachPageReportsOnlyItsOwnSave();

private:
    OSDSConfigWnd *showWith(const QByteArray &record)
    {
        m_fixture->loginTo(PageFixture::profile("G3-12"));
        m_fixture->setRecord("EXTRA_OSD", record);
        return m_fixture->show<OSDSConfigWnd>();
    }

    QScopedPointer<PageFixture> m_fixture;
};

void tst_OSDSConfigWnd::anUneditedPageSendsBackWhatTheCameraHolds()
{
    const QByteArray held =
            osdRecord(1, {LocalText::encode("巡逻一组"), "ABC-123 line", LocalText::encode("第三行 L3")});
    OSDSConfigWnd *page = showWith(held);

    QVERIFY(page->findChild<QCheckBox *>("enable_box")->isChecked());
    QCOMPARE(line(page, 0)->text(), QStringLiteral("巡逻一组"));
    QCOMPARE(line(page, 1)->text(), QStringLiteral("ABC-123 line"));
    QCOMPARE(line(page, 2)->text(), QStringLiteral("第三行 L3"));
    QVERIFY(line(page, 2)->isEnabled());

    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetOsd), held);
    QCOMPARE(m_fixture->record("EXTRA_OSD"), held);
}

void tst_OSDSConfigWnd::saveBuildsAZeroedRecordDisabledLinesIncluded()
{
    // Bytes after a line's NUL are not part of it and do not come back.
    QByteArray held = osdRecord(1, {"A", LocalText::encode("二"), QByteArray()});
    held.replace(6, 20, QByteArray(20, '\xAA'));
    OSDSConfigWnd *page = showWith(held);

    page->findChild<QCheckBox *>("enable_box")->setChecked(false);
    for (int i = 0; i < 3; ++i)
        QVERIFY(!line(page, i)->isEnabled());
    save(page);

    QTRY_COMPARE(m_fixture->requestCount(kSetOsd), 1);
    QCOMPARE(m_fixture->sent(kSetOsd), osdRecord(0, {"A", LocalText::encode("二"), QByteArray()}));
}

void tst_OSDSConfigWnd::linesStayWithin32BytesWhenLoadedAndTyped()
{
    OSDSConfigWnd *page = showWith(osdRecord(
            1, {QByteArray(40, 'x'), LocalText::encode(QString(20, QChar(0x4E2D))), QByteArray(31, 'z')}));

    QCOMPARE(line(page, 0)->text(), QString(32, 'x'));
    QCOMPARE(line(page, 1)->text(), QString(16, QChar(0x4E2D)));
    // Every line follows its own text: the 33rd byte typed at the end goes.
    for (int i = 0; i < 3; ++i) {
        line(page, i)->end(false);
        QTest::keyClicks(line(page, i), "ab");
    }
    QCOMPARE(line(page, 0)->text(), QString(32, 'x'));
    QCOMPARE(line(page, 1)->text(), QString(16, QChar(0x4E2D)));
    QCOMPARE(line(page, 2)->text(), QString(31, 'z') + "a");
}

void tst_OSDSConfigWnd::aResultReportsOnce_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("toast");
    QTest::newRow("0") << 0 << "保存成功";
    QTest::newRow("1") << 1 << "保存失败";
    QTest::newRow("2") << 2 << "保存失败";
    QTest::newRow("255") << 255 << "保存失败";
}

void tst_OSDSConfigWnd::aResultReportsOnce()
{
    QFETCH(int, result);
    QFETCH(QString, toast);
    OSDSConfigWnd *page = showWith(osdRecord(1, {"A"}));
    m_fixture->setResult(kSetOsd, result);

    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
    QVERIFY(!page->savePending());
}

void tst_OSDSConfigWnd::aRefusedSaveReportsOnceAndNothingLater()
{
    OSDSConfigWnd *page = showWith(osdRecord(1, {"A"}));

    m_fixture->failNextWrite();
    save(page);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
    QCOMPARE(m_fixture->requestCount(kSetOsd), 0);

    // The next save's answer is the next toast: nothing came in between.
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), (QStringList {"保存失败", "保存成功"}));
}

void tst_OSDSConfigWnd::eachPageReportsOnlyItsOwnSave()
{
    OSDSConfigWnd *first = showWith(osdRecord(1, {"A"}));
    OSDSConfigWnd *second = m_fixture->show<OSDSConfigWnd>();
    // A reply that the camera sends after a result comes after that result.
    const auto settle = [this](ParamPage *page) {
        page->refreshParam();
        QVERIFY(m_fixture->waitForReplies(1));
    };

    save(first);
    QTRY_COMPARE(m_fixture->toasts(first), QStringList {"保存成功"});
    settle(second);
    QCOMPARE(m_fixture->toasts(second), QStringList());

    save(second);
    QTRY_COMPARE(m_fixture->toasts(second), QStringList {"保存成功"});
    settle(first);
    QCOMPARE(m_fixture->toasts(first), QStringList {"保存成功"});
    QCOMPARE(m_fixture->requestCount(kSetOsd), 2);
}

QTEST_MAIN(tst_OSDSConfigWnd)
#include "tst_OSDSConfigWnd.moc"
