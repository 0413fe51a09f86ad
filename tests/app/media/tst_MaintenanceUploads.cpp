// The four uploads of the maintenance page (firmware upgrade, plate list,
// name tag, logo) end to end against the simulated camera: what reaches the
// camera, what the page shows, one upload at a time, and the pictures that the
// picture pickers take or refuse.

#include "CameraRig.h"
#include "DialogAnswers.h"
#include "HintWnd.h"
#include "IniConfig.h"
#include "SystemMaintenWnd.h"
#include "TestPictures.h"
#include "UPFileThread.h"
#include "UploadFlow.h"
#include "UploadGuard.h"
#include "UsbBus.h"

#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kCmdUploadStart = 55;
constexpr quint32 kCmdUploadStop = 56;
constexpr quint32 kCmdLogOut = 24;
const QString kPassword = QStringLiteral("123456");

const std::map<std::string, int> kAllOn = {{"supportFormat", 1},       {"supportSystemReset", 1},
                                           {"supportRestoreParam", 1}, {"supportUpgrade", 1},
                                           {"supportPlane", 1},        {"supportPicLead", 1},
                                           {"supportLogoPic", 1},      {"supportParamExport", 1}};

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 13 + i / 251) & 0xFF);
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The senders of the page: the tab that holds each, and what the camera and
// the operator see of a good run.
enum Sender { Upgrade, Plate, NameTag, Logo };
struct SenderInfo
{
    const char *tab;
    const char *deviceName; // empty: the chosen file's own name
    quint32 followUp;
    const char *finalText;
};
const SenderInfo kSenders[] = {
        {"tab_operate", "", 57, "发送更新指令成功\n软件即将关闭"},
        {"tab_plane", "", 1536, "发送更新指令成功"},
        {"tab_name", "pic.ink", 4096, "屏幕刷新中...请稍后！"},
        {"tab_logo", "pic.bmp", 4101, "LOGO已下发！"},
};

} // namespace

Q_DECLARE_METATYPE(Sender)
Q_DECLARE_METATYPE(TestPictures::Kind)

class tst_MaintenanceUploads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void eachSenderReachesTheCameraByteExact_data();
    void eachSenderReachesTheCameraByteExact();
    void aStartThatFailsLeavesTheSenderUsable_data();
    void aStartThatFailsLeavesTheSenderUsable();
    void aRefreshTheCameraRefusesIsReported_data();
    void aRefreshTheCameraRefusesIsReported();
    void oneUploadAtATime();
    void destroyingThePageMidUploadWaitsForTheThread();
    void theUpgradeFolderRoundTripsThroughConfigIni();
    void anUpgradeCountsDownLogsOutAndClosesTheWindow();
    void theCamerasAnswerToTheCommandDecidesTheOutcome_data();
    void theCamerasAnswerToTheCommandDecidesTheOutcome();
    void picturePickersTakeOnlyRightSize24BitBmps_data();
    void picturePickersTakeOnlyRightSize24BitBmps();

private:
    void open();
    QWidget *tab(Sender sender) const { return m_window->findChild<QWidget *>(kSenders[sender].tab); }
    QPushButton *button(Sender sender, const char *name) const
    {
        return tab(sender)->findChild<QPushButton *>(name);
    }
    // Chooses the sender's file (or composes its picture); returns the bytes
    // that must reach the camera when they are known before the send.
    QByteArray prepare(Sender sender);
    QString visibleHint() const;
    bool hintShows(const QString &text) const;

    QTemporaryDir m_dir;
    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<DialogAnswers> m_answers;
    SystemMaintenWnd *m_page = nullptr;
};

void tst_MaintenanceUploads::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
    // "./pic.bmp" is written in the working folder.
    QVERIFY(QDir::setCurrent(m_dir.path()));
    UPFileThread::setVerdictTimeout(1000);
    UploadFlow::setStartTimeout(400);
    // Long enough for a loaded machine's answer, short enough for the silent rows.
    UploadFlow::setFollowUpTimeout(1500);
}

void tst_MaintenanceUploads::init()
{
    m_answers.reset(new DialogAnswers);
    open();
}

void tst_MaintenanceUploads::cleanup()
{
    m_window.reset();
    m_rig.reset();
    m_answers.reset();
    sim::UsbBus::instance().clearFaults();
    QVERIFY(!UploadGuard::instance()->isBusy());
}

void tst_MaintenanceUploads::open()
{
    CameraProfile profile = CameraProfile::generation(3, true);
    profile.abilityOverrides = kAllOn;
    m_rig.reset(new CameraRig(std::vector<CameraProfile>{profile}));
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, kPassword));
    m_rig->camera(0).clearReceived();
    m_window.reset(new QWidget);
    m_window->resize(1044, 696);
    m_page = new SystemMaintenWnd(m_window.get());
    m_page->resize(m_window->size());
    m_window->show();
}

QByteArray tst_MaintenanceUploads::prepare(Sender sender)
{
    // The operator is on the sender's tab; the plate tab's overlay shows only there.
    m_page->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentWidget(tab(sender));
    switch (sender) {
    case Upgrade:
    case Plate: {
        const QByteArray data = pattern(sender == Upgrade ? 200000 : 3000);
        const QString path = m_dir.filePath(sender == Upgrade ? QStringLiteral("fw-2.1.bin")
                                                              : QStringLiteral("plates.csv"));
        writeFile(path, data);
        m_answers->push(path);
        button(sender, "file_btn")->click();
        return data;
    }
    case NameTag:
        button(sender, "gen_btn")->click();
        return QByteArray();
    case Logo: {
        const QString path = m_dir.filePath(QStringLiteral("logo.bmp"));
        TestPictures::write(path, TestPictures::Bmp24, {320, 216});
        m_answers->push(path);
        button(sender, "file_btn")->click();
        return QByteArray();
    }
    }
    return QByteArray();
}

QString tst_MaintenanceUploads::visibleHint() const
{
    QStringList shown;
    for (HintWnd *hint : m_window->findChildren<HintWnd *>()) {
        if (hint->isVisible())
            shown << hint->findChild<QLabel *>(QStringLiteral("Hint_Text"))->text();
    }
    return shown.join(QLatin1Char('|'));
}

bool tst_MaintenanceUploads::hintShows(const QString &text) const
{
    return visibleHint() == text;
}

void tst_MaintenanceUploads::eachSenderReachesTheCameraByteExact_data()
{
    QTest::addColumn<Sender>("sender");
    QTest::newRow("firmware upgrade") << Upgrade;
    QTest::newRow("plate list") << Plate;
    QTest::newRow("name tag") << NameTag;
    QTest::newRow("logo") << Logo;
}

void tst_MaintenanceUploads::eachSenderReachesTheCameraByteExact()
{
    QFETCH(Sender, sender);
    const SenderInfo &info = kSenders[sender];
    for (HintWnd *hint : m_window->findChildren<HintWnd *>())
        hint->setCountdownStep(60000); // the upgrade's countdown is another test's
    QByteArray expected = prepare(sender);
    button(sender, "send_btn")->click();
    QTRY_COMPARE(visibleHint(), QString::fromUtf8(info.finalText));

    // A picture goes as Qt's own 24-bit BMP of the preview, left in "./pic.bmp".
    if (expected.isEmpty()) {
        expected = readFile(QStringLiteral("pic.bmp"));
        QCOMPARE(qFromLittleEndian<quint16>(expected.constData() + 28), quint16(24));
        const QPixmap preview =
                tab(sender)->findChild<QLabel *>(QStringLiteral("label"))->pixmap(Qt::ReturnByValue);
        QCOMPARE(QImage::fromData(expected, "BMP").convertToFormat(QImage::Format_RGB32),
                 preview.toImage().convertToFormat(QImage::Format_RGB32));
    }
    const QList<CameraRig::SentCommand> starts = m_rig->sent(0, kCmdUploadStart);
    QCOMPARE(starts.size(), 1);
    const QByteArray record = starts.at(0).payload;
    QCOMPARE(record.size(), 208);
    const QString name = QString::fromUtf8(record.left(128).constData());
    QCOMPARE(name,
             *info.deviceName ? QString::fromUtf8(info.deviceName)
                              : tab(sender)->findChild<QLineEdit *>()->text());
    QCOMPARE(qFromLittleEndian<quint32>(record.constData() + 128), quint32(expected.size()));
    QCOMPARE(qFromLittleEndian<quint32>(record.constData() + 132), 0u);
    QCOMPARE(qFromLittleEndian<quint32>(record.constData() + 136), 0x8000u);
    const sim::SimCamera::Bytes uploaded = m_rig->camera(0).uploadedData();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(uploaded.data()), int(uploaded.size())), expected);

    // Start, two stops, then the follow-up (which the camera answered after
    // taking the finished upload).
    QList<quint32> codes = m_rig->commandCodes(0);
    QCOMPARE(codes, (QList<quint32>{kCmdUploadStart, kCmdUploadStop, kCmdUploadStop, info.followUp}));
    QTRY_VERIFY(!UploadGuard::instance()->isBusy());
    QVERIFY(button(sender, "send_btn")->isEnabled());
}

void tst_MaintenanceUploads::aStartThatFailsLeavesTheSenderUsable_data()
{
    QTest::addColumn<Sender>("sender");
    QTest::addColumn<int>("answer"); // -1: the start record is not sent; -2: never answered
    QTest::addColumn<QString>("text");

    const QString notSent[] = {QStringLiteral("发送上传文件结束命令失败"),
                               QStringLiteral("发送上传文件命令失败"), QStringLiteral("发送上传文件命令失败"),
                               QStringLiteral("发送上传文件命令失败")};
    const char *names[] = {"upgrade", "plate", "name tag", "logo"};
    for (Sender sender : {Upgrade, Plate, NameTag, Logo}) {
        QTest::addRow("%s, answer 4", names[sender]) << sender << 4 << QStringLiteral("设备不支持");
        QTest::addRow("%s, answer 1", names[sender]) << sender << 1 << QStringLiteral("上传文件失败");
        QTest::addRow("%s, not sent", names[sender]) << sender << -1 << notSent[sender];
        QTest::addRow("%s, unanswered", names[sender]) << sender << -2 << QStringLiteral("上传文件失败");
    }
}

void tst_MaintenanceUploads::aStartThatFailsLeavesTheSenderUsable()
{
    QFETCH(Sender, sender);
    QFETCH(int, answer);
    QFETCH(QString, text);
    prepare(sender);
    if (answer >= 0)
        m_rig->camera(0).setFault(kCmdUploadStart, sim::CommandFault::fail(quint8(answer)));
    else if (answer == -2)
        m_rig->camera(0).setFault(kCmdUploadStart, sim::CommandFault::noAnswer());
    else
        sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1, 1);
    button(sender, "send_btn")->click();
    QTRY_COMPARE(visibleHint(), text);
    QVERIFY(!UploadGuard::instance()->isBusy());
    QVERIFY(button(sender, "send_btn")->isEnabled());
    QTest::qWait(100);
    QCOMPARE(m_rig->sent(0, kCmdUploadStop).size(), 0);
    QCOMPARE(m_rig->camera(0).uploadedData().size(), size_t(0));
    QCOMPARE(m_rig->sent(0, kSenders[sender].followUp).size(), 0);
}

void tst_MaintenanceUploads::aRefreshTheCameraRefusesIsReported_data()
{
    QTest::addColumn<Sender>("sender");
    QTest::addColumn<QString>("text");
    QTest::newRow("name tag") << NameTag << QStringLiteral("刷新设备屏幕失败");
    QTest::newRow("logo") << Logo << QStringLiteral("下发LOGO失败");
}

void tst_MaintenanceUploads::aRefreshTheCameraRefusesIsReported()
{
    QFETCH(Sender, sender);
    QFETCH(QString, text);
    m_rig->camera(0).setFault(kSenders[sender].followUp, sim::CommandFault::fail(1));
    prepare(sender);
    button(sender, "send_btn")->click();
    QTRY_COMPARE(visibleHint(), text);
    QCOMPARE(m_rig->sent(0, kSenders[sender].followUp).size(), 1);
    QVERIFY(button(sender, "send_btn")->isEnabled());
}

void tst_MaintenanceUploads::oneUploadAtATime()
{
    m_rig->camera(0).holdAnswers(kCmdUploadStop);
    prepare(Logo);
    prepare(Plate);
    button(Logo, "send_btn")->click();
    QTRY_VERIFY(m_rig->camera(0).waitHeld(kCmdUploadStop, 10));
    QTRY_COMPARE(visibleHint(), QStringLiteral("文件发送中..."));
    // No OK button while the data goes out.
    for (HintWnd *hint : m_window->findChildren<HintWnd *>()) {
        if (hint->isVisible())
            QVERIFY(!hint->findChild<QPushButton *>(QStringLiteral("Ok_Button"))->isVisible());
    }
    for (Sender sender : {Upgrade, Plate, NameTag, Logo})
        QVERIFY2(!button(sender, "send_btn")->isEnabled(), kSenders[sender].tab);
    QVERIFY(!UploadGuard::instance()->tryBegin());
    // A sender called all the same sends nothing.
    QVERIFY(QMetaObject::invokeMethod(tab(Plate)->findChild<QWidget *>("PlaneConfigWnd"),
                                      "onSignalSendBtnClicked"));
    QCOMPARE(m_rig->sent(0, kCmdUploadStart).size(), 1);

    m_rig->camera(0).release(kCmdUploadStop);
    QTRY_COMPARE(visibleHint(), QStringLiteral("LOGO已下发！"));
    for (Sender sender : {Upgrade, Plate, NameTag, Logo})
        QVERIFY2(button(sender, "send_btn")->isEnabled(), kSenders[sender].tab);
    QVERIFY(UploadGuard::instance()->tryBegin());
    UploadGuard::instance()->end();
}

void tst_MaintenanceUploads::destroyingThePageMidUploadWaitsForTheThread()
{
    m_rig->camera(0).holdAnswers(kCmdUploadStop);
    prepare(Upgrade);
    button(Upgrade, "send_btn")->click();
    QTRY_VERIFY(m_rig->camera(0).waitHeld(kCmdUploadStop, 10));
    // The thread still waits for the camera's verdict.
    m_window.reset();
    QVERIFY(!UploadGuard::instance()->isBusy());
    m_rig->camera(0).release(kCmdUploadStop);
    QTest::qWait(50);
}

void tst_MaintenanceUploads::theUpgradeFolderRoundTripsThroughConfigIni()
{
    IniConfig *config = IniConfig::getInstance();
    const QString group = QStringLiteral("Config"), key = QStringLiteral("UpgradeFilePath");
    const QString saved = config->getValue(group, key, QString());
    config->setValue(group, key, QStringLiteral("/nowhere/firmware"));

    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("releases")));
    const QString path = m_dir.filePath(QStringLiteral("releases/fw-3.0.bin"));
    QVERIFY(writeFile(path, pattern(100)));
    m_answers->push(path);
    button(Upgrade, "file_btn")->click();
    QCOMPARE(m_answers->asked().size(), 1);
    QCOMPARE(m_answers->asked().at(0).folder, QStringLiteral("/nowhere/firmware"));
    QCOMPARE(m_answers->asked().at(0).filter, QStringLiteral("Files (*.*)"));
    QCOMPARE(tab(Upgrade)->findChild<QLineEdit *>()->text(), QStringLiteral("fw-3.0.bin"));
    QCOMPARE(config->getValue(group, key, QString()), m_dir.filePath(QStringLiteral("releases")));

    // The next dialog opens there; cancelling it empties the name and keeps
    // the folder, and "升级" then does nothing.
    button(Upgrade, "file_btn")->click();
    QCOMPARE(m_answers->asked().at(1).folder, m_dir.filePath(QStringLiteral("releases")));
    QCOMPARE(tab(Upgrade)->findChild<QLineEdit *>()->text(), QString());
    QCOMPARE(config->getValue(group, key, QString()), m_dir.filePath(QStringLiteral("releases")));
    button(Upgrade, "send_btn")->click();
    QTest::qWait(100);
    QCOMPARE(m_rig->sent(0, kCmdUploadStart).size(), 0);
    QCOMPARE(visibleHint(), QString());

    config->setValue(group, key, saved);
}

void tst_MaintenanceUploads::anUpgradeCountsDownLogsOutAndClosesTheWindow()
{
    for (HintWnd *hint : m_window->findChildren<HintWnd *>())
        hint->setCountdownStep(20);
    prepare(Upgrade);
    button(Upgrade, "send_btn")->click();
    QTRY_VERIFY(!m_window->isVisible());
    QTRY_COMPARE(m_rig->sent(0, kCmdLogOut).size(), 1);
    QCOMPARE(m_rig->commandCodes(0),
             (QList<quint32>{kCmdUploadStart, kCmdUploadStop, kCmdUploadStop, 57, kCmdLogOut}));
}

void tst_MaintenanceUploads::theCamerasAnswerToTheCommandDecidesTheOutcome_data()
{
    QTest::addColumn<Sender>("sender");
    QTest::addColumn<int>("answer"); // -1: the camera never answers the command
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("closes");

    const QString closing = QStringLiteral("发送更新指令成功\n软件即将关闭");
    const QString refused = QStringLiteral("设备拒绝更新指令");
    QTest::newRow("upgrade, answer 0") << Upgrade << 0 << closing << true;
    QTest::newRow("upgrade, answer 1") << Upgrade << 1 << refused << false;
    QTest::newRow("upgrade, answer 4") << Upgrade << 4 << refused << false;
    QTest::newRow("upgrade, no answer") << Upgrade << -1 << closing << true;
    QTest::newRow("plate list, answer 0") << Plate << 0 << QStringLiteral("发送更新指令成功") << false;
    QTest::newRow("plate list, answer 1") << Plate << 1 << refused << false;
    QTest::newRow("plate list, no answer") << Plate << -1 << QStringLiteral("发送更新指令成功") << false;
}

void tst_MaintenanceUploads::theCamerasAnswerToTheCommandDecidesTheOutcome()
{
    QFETCH(Sender, sender);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(bool, closes);
    const quint32 command = kSenders[sender].followUp;
    // Short enough that a countdown started by mistake would close the window
    // before the checks below.
    for (HintWnd *hint : m_window->findChildren<HintWnd *>())
        hint->setCountdownStep(20);
    if (answer > 0)
        m_rig->camera(0).setFault(command, sim::CommandFault::fail(quint8(answer)));
    else if (answer < 0)
        m_rig->camera(0).setFault(command, sim::CommandFault::noAnswer());
    prepare(sender);
    button(sender, "send_btn")->click();
    QTRY_COMPARE(m_rig->sent(0, command).size(), 1);
    if (answer < 0) {
        // The command is out and the page waits, offering nothing to press.
        QTRY_COMPARE(visibleHint(), QStringLiteral("等待设备应答..."));
        QVERIFY(m_window->isVisible());
    }

    if (closes) {
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isVisible(), 8000);
        QTRY_COMPARE(m_rig->sent(0, kCmdLogOut).size(), 1);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(visibleHint(), text, 8000);
    for (HintWnd *hint : m_window->findChildren<HintWnd *>()) {
        if (hint->isVisible())
            QVERIFY(hint->findChild<QPushButton *>(QStringLiteral("Ok_Button"))->isVisible());
    }
    QTest::qWait(200);
    QVERIFY(m_window->isVisible());
    QCOMPARE(visibleHint(), text);
    QCOMPARE(m_rig->sent(0, kCmdLogOut).size(), 0);
    QVERIFY(button(sender, "send_btn")->isEnabled());
}

void tst_MaintenanceUploads::picturePickersTakeOnlyRightSize24BitBmps_data()
{
    QTest::addColumn<Sender>("sender");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<TestPictures::Kind>("kind");
    QTest::addColumn<bool>("accepted");

    struct Picker
    {
        const char *name;
        Sender sender;
        const char *button;
        QSize size;
    };
    const Picker pickers[] = {{"template", NameTag, "bush_btn", {250, 122}},
                              {"import", NameTag, "file_btn", {250, 122}},
                              {"logo", Logo, "file_btn", {320, 216}}};
    for (const Picker &picker : pickers) {
        const QString button = QString::fromLatin1(picker.button);
        auto row = [&](const char *what, TestPictures::Kind kind, QSize size, bool accepted) {
            QTest::addRow("%s, %s", picker.name, what) << picker.sender << button << size << kind << accepted;
        };
        row("24-bit", TestPictures::Bmp24, picker.size, true);
        row("wider", TestPictures::Bmp24, picker.size + QSize(1, 0), false);
        row("lower", TestPictures::Bmp24, picker.size - QSize(0, 1), false);
        row("8-bit indexed", TestPictures::Bmp8Indexed, picker.size, false);
        row("16-bit", TestPictures::Bmp16, picker.size, false);
        row("32-bit", TestPictures::Bmp32NoAlpha, picker.size, false);
        row("32-bit with alpha", TestPictures::Bmp32Alpha, picker.size, false);
        row("not a picture", TestPictures::NotAPicture, picker.size, false);
    }
}

void tst_MaintenanceUploads::picturePickersTakeOnlyRightSize24BitBmps()
{
    QFETCH(Sender, sender);
    QFETCH(QString, button);
    QFETCH(QSize, size);
    QFETCH(TestPictures::Kind, kind);
    QFETCH(bool, accepted);
    QWidget *content = tab(sender)->findChild<QWidget *>(sender == Logo ? "LogoTagWnd" : "NameTagWnd");
    auto *preview = content->findChild<QLabel *>(QStringLiteral("label"));
    auto *fileName = content->findChild<QLineEdit *>(QStringLiteral("lineEdit_file"));
    auto *canvas = content->findChild<QGraphicsView *>();
    auto canvasImage = [canvas] { return canvas ? canvas->grab().toImage() : QImage(); };

    // A cancelled dialog changes nothing.
    content->findChild<QPushButton *>(button)->click();
    QCOMPARE(preview->pixmap(Qt::ReturnByValue).isNull(), true);
    QCOMPARE(fileName->text(), QString());
    QCOMPARE(visibleHint(), QString());

    const QImage canvasBefore = canvasImage();
    const QString path = m_dir.filePath(QStringLiteral("chosen.bmp"));
    QVERIFY(TestPictures::write(path, kind, size));
    m_answers->push(path);
    content->findChild<QPushButton *>(button)->click();
    QCOMPARE(m_answers->asked().last().filter, QStringLiteral("Files (*.bmp)"));

    if (!accepted) {
        QCOMPARE(visibleHint(),
                 sender == Logo ? QStringLiteral("请选择分辨率为320*216的24位深bmp文件")
                                : QStringLiteral("请选择分辨率为250*122的24位深bmp文件"));
        QVERIFY(preview->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(fileName->text(), QString());
        QCOMPARE(canvasImage(), canvasBefore);
        return;
    }
    QCOMPARE(visibleHint(), QString());
    const QImage picture = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (button == QLatin1String("bush_btn")) {
        // The template becomes the canvas background.
        QVERIFY(preview->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(canvasImage() != canvasBefore);
        content->findChild<QPushButton *>(QStringLiteral("gen_btn"))->click();
        const QImage generated = preview->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(generated.pixel(249, 121), picture.pixel(249, 121));
    } else {
        QCOMPARE(fileName->text(), QStringLiteral("chosen.bmp"));
        QCOMPARE(preview->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_RGB32), picture);
    }
}

QTEST_MAIN(tst_MaintenanceUploads)
#include "tst_MaintenanceUploads.moc"
