#include "CameraRig.h"
#include "DialogAnswers.h"
#include "OverlayRecorder.h"
#include "PwdRecoverWidget.h"
#include "UsbBus.h"
#include "behaviour/CameraBehaviour.h"
#include "behaviour/DeviceKeyVault.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Ends the test program when a test hangs (a blocking signal that waits on the
// thread it blocks), instead of leaving CTest to time out with no word.
class Watchdog
{
public:
    explicit Watchdog(int seconds)
        : m_thread([this, seconds] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_stop; }))
                qFatal("the test hung for %d s", seconds);
        })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_done.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace

class TestPwdRecoverWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theExportHoldsTheKeyByteForByteAndASecondOneReplacesIt();
    void aCancelledFolderAsksNothing();
    void aRefusedKeyRequestReportsTheFailure();
    void theMakersAnswerRestoresTheFactoryPassword();
    void aWrongAnswerIsRejected();
    void unreadableOrOverlongFilesAreRefusedUnsent_data();
    void unreadableOrOverlongFilesAreRefusedUnsent();
    void aCancelledImportEmptiesThePath();
    void theButtonsOnlySignal();

private:
    QPushButton *button(const char *name) { return m_page->findChild<QPushButton *>(name); }
    QLineEdit *path() { return m_page->findChild<QLineEdit *>("encryptFilePath"); }
    QString keyText();
    QString writeFile(const QString &name, const QByteArray &content);
    QLabel *errorTxt() { return m_page->findChild<QLabel *>("errorTxt"); }
    // The overlay's message; it stays up from the request to the result, so
    // the result is a new text, not a new show.
    QString hintText() { return m_page->findChild<QLabel *>("Hint_Text")->text(); }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<PwdRecoverWidget> m_page;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPwdRecoverWidget::init()
{
    m_dir.reset(new QTemporaryDir);
    m_rig.reset(new CameraRig({"gen3-json"}));
    QVERIFY(m_rig->discover());
    m_page.reset(new PwdRecoverWidget);
    m_page->setDevId("CAM0000001");
    m_page->setPolId("100001");
    m_page->setDevIndex(0);
    m_page->show();
}

void TestPwdRecoverWidget::cleanup()
{
    m_page.reset();
    m_rig.reset();
    m_dir.reset();
}

QString TestPwdRecoverWidget::keyText()
{
    std::string key;
    m_rig->camera(0).edit(
            [&key](sim::camera::CameraBehaviour &camera) { key = camera.deviceKey().keyText(); });
    return QString::fromStdString(key);
}

QString TestPwdRecoverWidget::writeFile(const QString &name, const QByteArray &content)
{
    const QString file = m_dir->filePath(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
        return QString();
    return file;
}

void TestPwdRecoverWidget::theExportHoldsTheKeyByteForByteAndASecondOneReplacesIt()
{
    Watchdog watchdog(60);
    OverlayRecorder recorder;
    DialogAnswers answers;
    answers.push(m_dir->path());
    button("exportBtn")->click();
    QCOMPARE(answers.asked().first().folder, QDir::homePath());
    QCOMPARE(answers.asked().first().title, QString("Open Directory"));
    QCOMPARE(recorder.texts(OverlayRecorder::Hint), QStringList{"正在导出文件..."});
    QTRY_COMPARE(hintText(), QString("文件导出成功"));
    QFile file(m_dir->filePath("DeviceKey.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), keyText().toLatin1() + "\n");
    file.close();

    // A key of 8-bit bytes, answered by hand: the file holds those bytes, not
    // their UTF-8 form.
    const QByteArray key("<Key>\xC9\xE8\xB1\xB8\xFF</Key>");
    m_rig->camera(0).setFault(32, sim::CommandFault::noAnswer());
    answers.push(m_dir->path() + "/");
    m_page->findChild<QPushButton *>("Ok_Button")->click();
    button("exportBtn")->click();
    QCOMPARE(hintText(), QString("正在导出文件..."));
    QTRY_COMPARE(m_rig->sent(0, 32).size(), 2);
    m_rig->inject(0, 32, 0, key + '\0');
    QTRY_COMPARE(hintText(), QString("文件导出成功"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), key + "\n");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"DeviceKey.xml"});
}

void TestPwdRecoverWidget::aCancelledFolderAsksNothing()
{
    DialogAnswers answers;
    OverlayRecorder recorder;
    button("exportBtn")->click();
    QCOMPARE(answers.unanswered(), 1);
    QVERIFY(recorder.shown().isEmpty());
    QCOMPARE(m_rig->sent(0, 32).size(), 0);
}

void TestPwdRecoverWidget::aRefusedKeyRequestReportsTheFailure()
{
    Watchdog watchdog(30);
    OverlayRecorder recorder;
    DialogAnswers answers;
    answers.push(m_dir->path());
    sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1);
    button("exportBtn")->click();
    QCOMPARE(recorder.texts(OverlayRecorder::Hint), QStringList{"正在导出文件..."});
    QTRY_COMPARE(hintText(), QString("文件导出失败"));
    sim::UsbBus::instance().clearFaults();
    QVERIFY(!QFile::exists(m_dir->filePath("DeviceKey.xml")));
}

void TestPwdRecoverWidget::theMakersAnswerRestoresTheFactoryPassword()
{
    m_rig->camera(0).edit([](sim::camera::CameraBehaviour &camera) { camera.login().setPassword("654321"); });
    QByteArray answer =
            QByteArray::fromStdString(sim::camera::DeviceKeyVault::answerFor(keyText().toStdString()));
    // As a mail program saves it: CR LF line ends.
    answer.replace("\n", "\r\n");
    DialogAnswers answers;
    answers.push(writeFile("Encrypt.xml", answer));
    button("importBtn")->click();
    QCOMPARE(answers.asked().first().kind, Dialogs::Kind::OpenFile);
    QCOMPARE(answers.asked().first().filter, QString("xml(*.xml)"));
    QCOMPARE(answers.asked().first().title, QString("Open File"));
    button("validateEncryptBtn")->click();
    QTRY_VERIFY(m_page->findChild<QWidget *>("errorFrame")->isVisible());
    QCOMPARE(errorTxt()->text(), QString("验证加密成功"));
    const QByteArray sent = m_rig->sent(0, 31).first().payload;
    QCOMPARE(sent.size(), 1024);
    QVERIFY(!sent.contains('\r'));
    QVERIFY(m_rig->loginAs(0, "123456"));
}

void TestPwdRecoverWidget::aWrongAnswerIsRejected()
{
    DialogAnswers answers;
    answers.push(writeFile("Encrypt.xml", "<Encrypt><Answer>00</Answer></Encrypt>\n"));
    button("importBtn")->click();
    button("validateEncryptBtn")->click();
    QTRY_VERIFY(m_page->findChild<QWidget *>("errorFrame")->isVisible());
    QCOMPARE(errorTxt()->text(), QString("验证加密失败"));
    QCOMPARE(m_rig->sent(0, 31).size(), 1);
}

void TestPwdRecoverWidget::unreadableOrOverlongFilesAreRefusedUnsent_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file, an empty path
    QTest::addColumn<bool>("sent");
    QTest::newRow("empty path") << QByteArray() << false;
    QTest::newRow("1023 bytes") << QByteArray(1023, 'A') << true;
    QTest::newRow("1024 bytes") << QByteArray(1024, 'A') << false;
    QTest::newRow("1023 bytes as 341 three-byte characters") << QString(341, QChar(0x52A0)).toUtf8() << true;
    QTest::newRow("1024 bytes, one of them past a character")
            << QString(341, QChar(0x52A0)).toUtf8() + "A" << false;
}

void TestPwdRecoverWidget::unreadableOrOverlongFilesAreRefusedUnsent()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, sent);
    OverlayRecorder recorder;
    if (!content.isEmpty())
        path()->setText(writeFile("Encrypt.xml", content));
    button("validateEncryptBtn")->click();
    if (sent) {
        QTRY_COMPARE(m_rig->sent(0, 31).size(), 1);
        QCOMPARE(m_rig->sent(0, 31).first().payload.left(content.size()), content);
        QCOMPARE(m_rig->sent(0, 31).first().payload.at(content.size()), '\0');
        QTRY_COMPARE(errorTxt()->text(), QString("验证加密失败"));
        QVERIFY(recorder.shown().isEmpty());
    } else {
        QCOMPARE(recorder.texts(OverlayRecorder::Hint), QStringList{"加密文件读取失败"});
        QVERIFY(!m_page->findChild<QWidget *>("errorFrame")->isVisible());
        QCOMPARE(m_rig->sent(0, 31).size(), 0);
    }
}

void TestPwdRecoverWidget::aCancelledImportEmptiesThePath()
{
    path()->setText("/somewhere/Encrypt.xml");
    DialogAnswers answers;
    button("importBtn")->click();
    QCOMPARE(answers.unanswered(), 1);
    QVERIFY(path()->text().isEmpty());
}

void TestPwdRecoverWidget::theButtonsOnlySignal()
{
    QSignalSpy back(m_page.get(), &PwdRecoverWidget::backClicked);
    QSignalSpy min(m_page.get(), &PwdRecoverWidget::minClicked);
    QSignalSpy close(m_page.get(), &PwdRecoverWidget::closeClicked);
    button("backBtn")->click();
    button("minBtn")->click();
    button("closeBtn")->click();
    QCOMPARE(back.size(), 1);
    QCOMPARE(min.size(), 1);
    QCOMPARE(close.size(), 1);
    QVERIFY(m_page->isVisible());
}

QTEST_MAIN(TestPwdRecoverWidget)
#include "tst_PwdRecoverWidget.moc"
