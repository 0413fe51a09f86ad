// The log-in window's ways into the batch set-up dialog and the password
// recovery page.

#include "BatchInitDlg.h"
#include "CLoginWidget.h"
#include "CameraRig.h"
#include "DialogAnswers.h"
#include "InitWidget.h"
#include "LoadingPlugin.h"
#include "NamedProfiles.h"
#include "PwdRecoverWidget.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint32 kAbility = 100;
constexpr quint32 kDeviceKey = 32;

// Counts the batch dialogs that open, however they are opened.
class DialogCounter : public QObject
{
public:
    DialogCounter() { qApp->installEventFilter(this); }
    ~DialogCounter() override { qApp->removeEventFilter(this); }
    int opened = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<BatchInitDlg *>(watched))
            ++opened;
        return false;
    }
};

BatchInitDlg *openDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<BatchInitDlg *>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

} // namespace

class TestCLoginWidgetSetup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void theBatchDialogRunsAloneAndTheWindowStartsAfresh();
    void theRecoveryPageServesThePressedCamera();

private:
    void open(const QList<const char *> &profiles);
    void recognise();
    void pressRow(int row);
    template<typename T>
    T *child(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }
    bool shown(const char *name) const { return child<QWidget>(name)->isVisible(); }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<CLoginWidget> m_window;
};

void TestCLoginWidgetSetup::cleanup()
{
    m_window.reset();
    m_rig.reset();
}

void TestCLoginWidgetSetup::open(const QList<const char *> &profiles)
{
    m_rig.reset(new CameraRig(profiles));
    m_rig->manager()->setReplyDeadlines(400, 1500);
    m_window.reset(new CLoginWidget);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestCLoginWidgetSetup::recognise()
{
    child<QPushButton>(shown("recogniteBtn") ? "recogniteBtn" : "reidentifyBtn")->click();
    QTRY_VERIFY_WITH_TIMEOUT(m_window->findChild<LoadingPlugin *>()->isHidden(), CameraRig::kWaitMs);
    QTRY_VERIFY(shown("listWidget"));
}

void TestCLoginWidgetSetup::pressRow(int row)
{
    auto *list = child<QListWidget>("listWidget");
    QVERIFY(list->item(row));
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
}

void TestCLoginWidgetSetup::theBatchDialogRunsAloneAndTheWindowStartsAfresh()
{
    open({NamedProfiles::NotActivated, NamedProfiles::NotActivatedNoHotspot});
    recognise();

    // Drives the modal dialog from inside its loop: fill in, start, wait for
    // the end of the run, look at the window behind it, close.
    DialogCounter counter;
    QStringList outcomes;
    bool windowStayedStill = true;
    bool started = false;
    QTimer driver;
    driver.setInterval(20);
    connect(&driver, &QTimer::timeout, this, [&] {
        BatchInitDlg *dialog = openDialog();
        if (!dialog)
            return;
        if (dialog->isRunning() || started) {
            // The window's list and set-up page would change at the first
            // notification that reached them.
            windowStayedStill = windowStayedStill && shown("listWidget")
                    && !m_window->findChild<InitWidget *>()->isVisible();
        }
        if (!started) {
            for (const char *name : {"newPwdInput", "rePwdInput"})
                dialog->findChild<QLineEdit *>(name)->setText("135790");
            for (const char *name : {"newPwdInput_ap", "rePwdInput_ap"})
                dialog->findChild<QLineEdit *>(name)->setText("abcdefgh");
            dialog->findChild<QPushButton *>("recogniteBtn")->click();
            started = true;
            return;
        }
        if (dialog->isRunning())
            return;
        auto *table = dialog->findChild<QTableWidget *>("tableWidget");
        for (int row = 0; row < table->rowCount(); ++row)
            outcomes << table->item(row, 1)->text();
        dialog->findChild<QPushButton *>("closeBtn")->click();
    });
    driver.start();
    child<QPushButton>("batchInitBtn")->click();
    driver.stop();

    QCOMPARE(counter.opened, 1);
    QCOMPARE(outcomes, QStringList({"激活成功", "激活成功"}));
    QVERIFY(windowStayedStill);
    // The list came from an older enumeration: back to the start.
    QVERIFY(shown("recogniteBtn"));
    QVERIFY(!shown("listWidget"));
    QVERIFY(!shown("resultFrame"));

    // The window's own notifications are back.
    recognise();
    QCOMPARE(child<QListWidget>("listWidget")->count(), 2);
}

void TestCLoginWidgetSetup::theRecoveryPageServesThePressedCamera()
{
    open({NamedProfiles::Gen3Json, NamedProfiles::LongChineseIds});
    recognise();
    pressRow(1);
    QTRY_COMPARE(m_rig->sent(1, kAbility).size(), 1);
    QTRY_VERIFY(m_window->findChild<LoadingPlugin *>()->isHidden());

    auto *page = m_window->findChild<PwdRecoverWidget *>();
    child<QPushButton>("recoverPwdBtn")->click();
    QVERIFY(page->isVisible());
    QVERIFY(!shown("frame"));
    QCOMPARE(page->findChild<QLabel *>("devAccountTxt")->text(),
             QString::fromUtf8("深圳市公安局执法记录仪设备编号甲乙丙丁戊己庚辛壬癸子丑"));
    QCOMPARE(page->findChild<QLabel *>("polAccountTxt")->text(),
             QString::fromUtf8("第一大队第二中队警员编号零零七"));

    QTemporaryDir folder;
    DialogAnswers answers;
    answers.push(folder.path());
    page->findChild<QPushButton *>("exportBtn")->click();
    QTRY_VERIFY(QFile::exists(folder.filePath("DeviceKey.xml")));
    QCOMPARE(m_rig->sent(1, kDeviceKey).size(), 1);
    QCOMPARE(m_rig->sent(0, kDeviceKey).size(), 0);

    page->findChild<QPushButton *>("backBtn")->click();
    QVERIFY(!page->isVisible());
    QVERIFY(shown("frame"));

    child<QPushButton>("recoverPwdBtn")->click();
    page->findChild<QPushButton *>("closeBtn")->click();
    QTRY_VERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestCLoginWidgetSetup)
#include "tst_CLoginWidgetSetup.moc"
