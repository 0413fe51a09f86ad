// The JSON form pages with the real form plug-in (copied beside this test)
// against the simulated camera: building and rebuilding the form, what each
// kind of reply leaves, what a save sends, the camera's answers and the round
// trip of a Chinese form.

#include "CameraConfigWnd.h"
#include "CustomConfigWndEX.h"
#include "DeviceConfigureWnd.h"
#include "EncryptParamEXWnd.h"
#include "ExtendConfigWnd.h"
#include "LocalText.h"
#include "MainWindow.h"
#include "MainManager.h"
#include "PageFixture.h"
#include "PmsPluginInterface.h"
#include "SystemParamEXWnd.h"
#include "VideoConfigEXWnd.h"

#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

namespace {

constexpr quint32 kGetRec = 70;
constexpr quint32 kSetRec = 71;
constexpr quint32 kGetCustom = 72;
constexpr quint32 kSetCustom = 73;
constexpr quint32 kGetVideo = 74;

using Opener = JsonFormPage *(*)(PageFixture &);

template<typename Page>
JsonFormPage *openPage(PageFixture &fixture)
{
    return fixture.show<Page>(false);
}

struct PageKind
{
    const char *name;
    Opener open;
    quint32 get;
    quint32 set;
    int height;
    bool showsName;
};

const PageKind kPages[] = {
        {"EncryptParamEXWnd", &openPage<EncryptParamEXWnd>, 70, 71, 601, false},
        {"VideoConfigEXWnd", &openPage<VideoConfigEXWnd>, 74, 75, 601, false},
        {"SystemParamEXWnd", &openPage<SystemParamEXWnd>, 76, 77, 601, false},
        {"CustomConfigWndEX", &openPage<CustomConfigWndEX>, 72, 73, 704, true},
        {"ExtendConfigWnd", &openPage<ExtendConfigWnd>, 80, 81, 632, false},
};

QByteArray gbk(const QString &text)
{
    return LocalText::encode(text);
}

QJsonObject fromGbk(const QByteArray &bytes)
{
    return QJsonDocument::fromJson(LocalText::decode(bytes).toUtf8()).object();
}

// The line edit of the form's control for `model`.
QLineEdit *editFor(QWidget *form, const QString &model)
{
    for (QWidget *control : form->findChildren<QWidget *>()) {
        if (control->property("model").toString() == model)
            return control->findChild<QLineEdit *>();
    }
    return nullptr;
}

QJsonObject elementOf(const QJsonObject &description, const QString &model)
{
    for (const QJsonValue &element : description.value("form").toArray()) {
        if (element.toObject().value("model").toString() == model)
            return element.toObject();
    }
    return QJsonObject();
}

QJsonObject withElement(QJsonObject description, const QString &model, const QJsonObject &changes)
{
    QJsonArray form = description.value("form").toArray();
    for (int i = 0; i < form.size(); ++i) {
        QJsonObject element = form.at(i).toObject();
        if (element.value("model").toString() != model)
            continue;
        for (auto it = changes.begin(); it != changes.end(); ++it)
            element.insert(it.key(), it.value());
        form.replace(i, element);
    }
    description.insert("form", form);
    return description;
}

} // namespace

class tst_JsonFormPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void eachRefreshAsksOnceAndEachReplyReplacesTheForm_data();
    void eachRefreshAsksOnceAndEachReplyReplacesTheForm();
    void whatAReplyLeavesAndWhatASaveThenDoes_data();
    void whatAReplyLeavesAndWhatASaveThenDoes();
    void aSaveSendsTheIndentedFormInGbkWithTheEdit();
    void aSaveThatSendsNothingSaysSo_data();
    void aSaveThatSendsNothingSaysSo();
    void aRefusalShowsTheCamerasWordsAndKeepsTheEdit();
    void anUneditedFormComesBackByteForByte();
    void theCompactDefaultComesBackAsTheSameValue();
    void theMainWindowShowsTheCamerasFormsAndSavesAnEdit();

private:
    JsonFormPage *openLoaded(const PageKind &kind);
    // Refreshes the page and waits until the camera's answer was handled,
    // whether or not it gave the page a text.
    void refreshAndSettle(JsonFormPage *page);
    void clickSave(JsonFormPage *page);
    QJsonObject defaultDescription(quint32 get) const { return fromGbk(m_fixture->jsonGroup(get)); }

    QScopedPointer<PageFixture> m_fixture;
};

void tst_JsonFormPages::initTestCase()
{
    QVERIFY2(singleton<PmsPluginInterface>::instance()->GetInterface(),
             "libPlovane.so must lie beside the test");
}

JsonFormPage *tst_JsonFormPages::openLoaded(const PageKind &kind)
{
    m_fixture->loginTo(PageFixture::profile("J"));
    JsonFormPage *page = kind.open(*m_fixture);
    const int before = m_fixture->replies();
    page->refreshParam();
    if (!m_fixture->waitForReplies(1, before))
        qWarning("no reply to the page's request");
    return page;
}

void tst_JsonFormPages::refreshAndSettle(JsonFormPage *page)
{
    const int before = m_fixture->replies();
    page->refreshParam();
    // The camera answers in order: once this later answer is in, the
    // page's answer has been handled.
    m_fixture->manager()->ReqDevNetExtendParamJson();
    QVERIFY(m_fixture->waitForReplies(1, before));
    QTest::qWait(50);
}

void tst_JsonFormPages::clickSave(JsonFormPage *page)
{
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
}

void tst_JsonFormPages::eachRefreshAsksOnceAndEachReplyReplacesTheForm_data()
{
    QTest::addColumn<int>("kind");
    for (int i = 0; i < int(std::size(kPages)); ++i)
        QTest::newRow(kPages[i].name) << i;
}

void tst_JsonFormPages::eachRefreshAsksOnceAndEachReplyReplacesTheForm()
{
    QFETCH(int, kind);
    const PageKind &pageKind = kPages[kind];
    m_fixture->loginTo(PageFixture::profile("J"));
    JsonFormPage *page = pageKind.open(*m_fixture);
    QCOMPARE(page->windowTitle(), QString::fromLatin1(pageKind.name));
    QCOMPARE(m_fixture->requestCount(pageKind.get), 0);

    int before = m_fixture->replies();
    page->refreshParam();
    QCOMPARE(m_fixture->requestCount(pageKind.get), 1);
    QVERIFY(m_fixture->waitForReplies(1, before));
    const QPointer<QWidget> first = page->form();
    QVERIFY(first);
    QCOMPARE(first->parentWidget(), page->findChild<QFrame *>("frameContent"));
    QTRY_VERIFY(first->isVisible());

    before = m_fixture->replies();
    page->refreshParam();
    QCOMPARE(m_fixture->requestCount(pageKind.get), 2);
    QVERIFY(m_fixture->waitForReplies(1, before));
    QVERIFY(first.isNull());
    QVERIFY(page->form());

    QCOMPARE(page->findChild<QFrame *>("frame")->isVisible(), pageKind.showsName);
    const QString name = page->findChild<QLabel *>("label_name")->text();
    QCOMPARE(name, pageKind.showsName ? QStringLiteral("拓展参数") : QString());
}

void tst_JsonFormPages::whatAReplyLeavesAndWhatASaveThenDoes_data()
{
    QTest::addColumn<QByteArray>("stored"); // GBK bytes the camera holds before the refresh
    QTest::addColumn<int>("getResult");
    QTest::addColumn<QString>("form"); // "none", "kept" or "new"
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toast"); // after a save
    QTest::addColumn<QString>("overlay");

    const QString failed = QStringLiteral("保存失败");
    const QString defaultName = QStringLiteral("拓展参数");
    QTest::newRow("an array") << gbk(R"([{"id":"customParam","name":"拓展参数","form":[]}])") << 0 << "none"
                              << defaultName << failed << QString();
    QTest::newRow("no JSON") << gbk("单位名称=交警") << 0 << "none" << defaultName << failed << QString();
    QTest::newRow("without name") << gbk(R"({"id":"customParam","form":[]})") << 0 << "none" << defaultName
                                  << failed << QString();
    QTest::newRow("without form") << gbk(R"({"id":"customParam","name":"新的名称"})") << 0 << "none"
                                  << defaultName << failed << QString();
    // No text, no signal: the page keeps the form it had, and saves it to a
    // camera that now holds nothing it could compare the form with.
    QTest::newRow("an empty payload") << QByteArray() << 0 << "kept" << defaultName << QString()
                                      << QStringLiteral("参数格式错误");
    QTest::newRow("a failed request") << QByteArray("unchanged") << 1 << "kept" << defaultName
                                      << QStringLiteral("保存成功") << QString();
    QTest::newRow("another name")
            << gbk(R"({"id":"customParam","name":"单位参数","form":[{"type":"el-input","order":1,"model":"unitName","label":"单位名称","defaultValue":"交警一大队"}]})")
            << 0 << "new" << QStringLiteral("单位参数") << QStringLiteral("保存成功") << QString();
}

void tst_JsonFormPages::whatAReplyLeavesAndWhatASaveThenDoes()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, getResult);
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, toast);
    QFETCH(QString, overlay);

    JsonFormPage *page = openLoaded(kPages[3]);
    const QPointer<QWidget> loaded = page->form();
    QVERIFY(loaded);
    if (stored != "unchanged")
        m_fixture->putJsonGroup(kGetCustom, stored);
    m_fixture->setResult(kGetCustom, getResult);

    refreshAndSettle(page);
    if (form == "none")
        QVERIFY(!page->form());
    else if (form == "kept")
        QCOMPARE(page->form(), loaded.data());
    else
        QVERIFY(page->form() && loaded.isNull());
    QCOMPARE(page->findChild<QLabel *>("label_name")->text(), name);

    clickSave(page);
    if (!toast.isEmpty())
        QTRY_COMPARE(m_fixture->toasts(page), QStringList{toast});
    if (!overlay.isEmpty())
        QTRY_COMPARE(PageFixture::overlayText(page), overlay);
    QCOMPARE(m_fixture->requestCount(kSetCustom), form == "none" ? 0 : 1);
}

void tst_JsonFormPages::aSaveSendsTheIndentedFormInGbkWithTheEdit()
{
    JsonFormPage *page = openLoaded(kPages[0]);
    QLineEdit *bitRate = editFor(page->form(), "bitRate");
    QVERIFY(bitRate);
    bitRate->setText("8192");

    clickSave(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
    const QByteArray sent = m_fixture->sent(kSetRec);
    const QJsonObject description = fromGbk(sent);
    QCOMPARE(elementOf(description, "bitRate").value("defaultValue").toString(), QStringLiteral("8192"));
    // The whole description, indented, in the camera's encoding; the camera
    // stores what it received.
    QCOMPARE(sent, gbk(QString::fromUtf8(QJsonDocument(description).toJson(QJsonDocument::Indented))));
    QVERIFY(sent.contains(gbk("编码参数")));
    QVERIFY(!sent.contains(QByteArray("编码参数")));
    QCOMPARE(m_fixture->jsonGroup(kGetRec), sent);
    QCOMPARE(PageFixture::overlayText(page), QString());
}

void tst_JsonFormPages::aSaveThatSendsNothingSaysSo_data()
{
    QTest::addColumn<bool>("emptyRequiredInput");
    QTest::addColumn<bool>("writeFails");
    QTest::newRow("a required input left empty") << true << false;
    QTest::newRow("the setter cannot send") << false << true;
}

void tst_JsonFormPages::aSaveThatSendsNothingSaysSo()
{
    QFETCH(bool, emptyRequiredInput);
    QFETCH(bool, writeFails);

    m_fixture->loginTo(PageFixture::profile("J"));
    const QJsonObject required = withElement(
            defaultDescription(kGetCustom), "unitName",
            QJsonObject{{"props", QJsonObject{{"required", true},
                                              {"validators", QJsonArray{QJsonObject{{"message", "请输入单位名称"}}}}}}});
    m_fixture->putJsonGroup(kGetCustom, gbk(QString::fromUtf8(QJsonDocument(required).toJson())));
    JsonFormPage *page = kPages[3].open(*m_fixture);
    const int before = m_fixture->replies();
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1, before));
    QVERIFY(page->form());

    if (emptyRequiredInput)
        editFor(page->form(), "unitName")->clear();
    if (writeFails)
        m_fixture->failNextWrite();
    clickSave(page);
    QCOMPARE(m_fixture->toasts(page), QStringList{"保存失败"});
    QTest::qWait(100);
    QCOMPARE(m_fixture->toasts(page), QStringList{"保存失败"});
    if (emptyRequiredInput)
        QCOMPARE(m_fixture->requestCount(kSetCustom), 0);
}

void tst_JsonFormPages::aRefusalShowsTheCamerasWordsAndKeepsTheEdit()
{
    JsonFormPage *page = openLoaded(kPages[0]);
    // The camera takes only its own form: once it holds another, it refuses.
    QJsonObject other = defaultDescription(kGetRec);
    other.insert("id", "otherParam");
    m_fixture->putJsonGroup(kGetRec, gbk(QString::fromUtf8(QJsonDocument(other).toJson())));
    QLineEdit *bitRate = editFor(page->form(), "bitRate");
    bitRate->setText("2048");

    clickSave(page);
    QTRY_COMPARE(PageFixture::overlayText(page), QStringLiteral("参数格式错误"));
    auto *ok = page->findChild<QPushButton *>("Ok_Button");
    QVERIFY(ok && ok->isVisible());
    // The overlay lies over the form, not under it.
    QWidget *overlay = ok->window() == page->window() ? ok->parentWidget() : nullptr;
    while (overlay && !overlay->inherits("HintWnd"))
        overlay = overlay->parentWidget();
    QVERIFY(overlay);
    QWidget *onTop = page->childAt(page->form()->mapTo(page, QPoint(20, 20)));
    QVERIFY(onTop == overlay || overlay->isAncestorOf(onTop));
    QVERIFY(m_fixture->toasts(page).isEmpty());
    QCOMPARE(editFor(page->form(), "bitRate"), bitRate);
    QCOMPARE(bitRate->text(), QStringLiteral("2048"));
}

void tst_JsonFormPages::anUneditedFormComesBackByteForByte()
{
    m_fixture->loginTo(PageFixture::profile("J"));
    // The text as the program writes it: indented, with the values as the
    // plug-in collects them, Chinese labels and a Chinese value.
    const QJsonObject chinese = withElement(defaultDescription(kGetCustom), "unitName",
                                            QJsonObject{{"defaultValue", "交警一大队"}});
    DynamicFormInterface *plugin = singleton<PmsPluginInterface>::instance()->GetInterface();
    QWidget host;
    QWidget *form = plugin->createForm(&host);
    QVERIFY(plugin->loadForm(form, chinese));
    QVERIFY(plugin->collectForm(form));
    const QByteArray written =
            gbk(QString::fromUtf8(QJsonDocument(plugin->formDescription(form)).toJson(QJsonDocument::Indented)));
    m_fixture->putJsonGroup(kGetCustom, written);

    JsonFormPage *page = kPages[3].open(*m_fixture);
    const int before = m_fixture->replies();
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1, before));
    clickSave(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
    QCOMPARE(m_fixture->jsonGroup(kGetCustom), written);
}

void tst_JsonFormPages::theCompactDefaultComesBackAsTheSameValue()
{
    JsonFormPage *page = openLoaded(kPages[3]);
    const QByteArray compact = m_fixture->jsonGroup(kGetCustom);
    QVERIFY(!compact.contains('\n'));

    clickSave(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
    const QByteArray stored = m_fixture->jsonGroup(kGetCustom);
    QVERIFY(stored.contains('\n'));
    QCOMPARE(fromGbk(stored), fromGbk(compact));
    QCOMPARE(elementOf(fromGbk(stored), "voiceBroadcast").value("label").toString(), QStringLiteral("语音播报"));
}

void tst_JsonFormPages::theMainWindowShowsTheCamerasFormsAndSavesAnEdit()
{
    m_fixture->loginTo(PageFixture::profile("J"));
    const std::unique_ptr<MainWindow> window(new MainWindow);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *navigator = window->findChild<DeviceConfigureWnd *>();
    auto *rows = navigator->findChild<QListWidget *>("listWidget");
    const auto clickRow = [rows](int row) {
        const QPoint centre = rows->visualItemRect(rows->item(row)).center();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    };

    QCOMPARE(rows->item(5)->text(), QStringLiteral("拓展参数"));
    clickRow(5);
    auto *custom = navigator->findChild<CustomConfigWndEX *>();
    QVERIFY(custom);
    QTRY_VERIFY(custom->form() && custom->form()->isVisible());
    QCOMPARE(custom->findChild<QLabel *>("label_name")->text(), QStringLiteral("拓展参数"));

    clickRow(1);
    auto *camera = navigator->findChild<CameraConfigWnd *>();
    QVERIFY(camera);
    auto *encoding = camera->findChild<EncryptParamEXWnd *>();
    QVERIFY(encoding);
    QTRY_VERIFY(encoding->form() && encoding->form()->isVisible());
    QVERIFY(editFor(encoding->form(), "bitRate"));
    camera->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(CameraConfigWnd::kRecordingTab);
    auto *recording = camera->findChild<VideoConfigEXWnd *>();
    QVERIFY(recording);
    QTRY_VERIFY(recording->form() && recording->form()->isVisible());

    QLineEdit *segment = editFor(recording->form(), "segmentMinutes");
    QVERIFY(segment);
    segment->setText("15");
    QSignalSpy toasts(recording, &ParamPage::toastShown);
    QTest::mouseClick(recording->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(toasts.count(), 1);
    QCOMPARE(toasts.first().first().toString(), QStringLiteral("保存成功"));
    QCOMPARE(elementOf(fromGbk(m_fixture->jsonGroup(kGetVideo)), "segmentMinutes").value("defaultValue"),
             QJsonValue("15"));
}

QTEST_MAIN(tst_JsonFormPages)
#include "tst_JsonFormPages.moc"
