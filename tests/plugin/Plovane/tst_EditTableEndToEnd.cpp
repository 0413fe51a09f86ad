#include "MessageBoxCatcher.h"
#include "PluginHarness.h"

#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

// The rate table of fixtures/all-elements.json through the plug-in: edits
// change exactly the table's rows in the collected form, refusals change
// nothing.
class tst_EditTableEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void edits_data();
    void edits();

private:
    void apply(const QString &edit);
    QDoubleSpinBox *spinBox(int r, int col, const char *name) const;
    // The collected fixture with the rate table's rows replaced.
    static QJsonArray expectedForm(const QJsonValue &rows);

    std::unique_ptr<PluginHarness> harness;
    DynamicFormInterface *plugin = nullptr;
    std::unique_ptr<QWidget> page;
    QWidget *form = nullptr;
    QWidget *table = nullptr;
    QTableWidget *tableWidget = nullptr;
};

namespace {
QJsonValue json(const char *text)
{
    return QJsonDocument::fromJson(text).array();
}

const char *const kLoadedRows = R"([
    {"amount": 1.5, "section": {"start": "0", "end": "30"}, "period": {"start": 28800000, "end": 32400000}},
    {"amount": 2, "section": {"start": "30", "end": "60"}, "period": {"start": 32400000, "end": 36000000}}])";
}

void tst_EditTableEndToEnd::initTestCase()
{
    harness = std::make_unique<PluginHarness>();
    plugin = harness->plugin();
    QVERIFY2(plugin, qPrintable(harness->loader().errorString()));
}

void tst_EditTableEndToEnd::init()
{
    page = std::make_unique<QWidget>();
    form = harness->loadFixture("all-elements.json", page.get());
    QVERIFY(form);
    table = PluginHarness::control(form, "rateTable");
    QVERIFY(table);
    tableWidget = table->findChild<QTableWidget *>("tableWidget");
    QVERIFY(tableWidget);
    harness->clearMessages();
}

void tst_EditTableEndToEnd::cleanup()
{
    page.reset();
    form = nullptr;
    table = nullptr;
    tableWidget = nullptr;
}

QDoubleSpinBox *tst_EditTableEndToEnd::spinBox(int r, int col, const char *name) const
{
    return tableWidget->cellWidget(r, col)->findChild<QDoubleSpinBox *>(name);
}

void tst_EditTableEndToEnd::apply(const QString &edit)
{
    const auto click = [this](const char *button) { table->findChild<QPushButton *>(button)->click(); };
    if (edit == "second amount 3.25") {
        spinBox(1, 1, "doubleSpinBox")->setValue(3.25);
    } else if (edit == "add, then end the new section at 90") {
        click("btnAdd");
        spinBox(2, 2, "doubleSpinBoxEnd")->setValue(90);
    } else if (edit == "add") {
        click("btnAdd");
    } else if (edit == "delete the first row") {
        tableWidget->item(0, 0)->setCheckState(Qt::Checked);
        click("btnDel");
    } else if (edit == "second section starts at 40") {
        spinBox(1, 2, "doubleSpinBoxStart")->setValue(40);
    } else if (edit == "delete all, add") {
        for (int r = 0; r < tableWidget->rowCount(); ++r)
            tableWidget->item(r, 0)->setCheckState(Qt::Checked);
        click("btnDel");
        click("btnAdd");
    } else {
        QFAIL(qPrintable("unknown edit " + edit));
    }
}

QJsonArray tst_EditTableEndToEnd::expectedForm(const QJsonValue &rows)
{
    QJsonArray form = PluginHarness::readFixture("all-elements.collected.json").value("form").toArray();
    for (int i = 0; i < form.count(); ++i) {
        QJsonObject element = form.at(i).toObject();
        if (element.value("model").toString() == "rateTable") {
            element.insert("defaultValue", rows);
            form.replace(i, element);
        }
    }
    return form;
}

void tst_EditTableEndToEnd::edits_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QJsonValue>("rows");

    QTest::newRow("amount") << "second amount 3.25" << QString() << json(R"([
        {"amount": 1.5, "section": {"start": "0", "end": "30"}, "period": {"start": 28800000, "end": 32400000}},
        {"amount": 3.25, "section": {"start": "30", "end": "60"}, "period": {"start": 32400000, "end": 36000000}}])");
    QTest::newRow("added row") << "add, then end the new section at 90" << QString() << json(R"([
        {"amount": 1.5, "section": {"start": "0", "end": "30"}, "period": {"start": 28800000, "end": 32400000}},
        {"amount": 2, "section": {"start": "30", "end": "60"}, "period": {"start": 32400000, "end": 36000000}},
        {"amount": 2, "section": {"start": "60", "end": "90"}, "period": {"start": 36000000, "end": 0}}])");
    QTest::newRow("added row left as seeded") << "add" << "第3行结束时段不能小于第3行开始时段!" << json(kLoadedRows);
    QTest::newRow("first row deleted") << "delete the first row" << QString() << json(R"([
        {"amount": 2, "section": {"start": "30", "end": "60"}, "period": {"start": 32400000, "end": 36000000}}])");
    QTest::newRow("gap between sections") << "second section starts at 40" << "第2行开始时段与第1行结束时段不相等!"
                                          << json(kLoadedRows);
    QTest::newRow("rows replaced by addData") << "delete all, add" << QString() << json(R"([
        {"amount": 0, "section": {"start": "0", "end": "0"}, "period": {"start": 0, "end": 0}}])");
}

void tst_EditTableEndToEnd::edits()
{
    QFETCH(QString, edit);
    QFETCH(QString, message);
    QFETCH(QJsonValue, rows);
    MessageBoxCatcher catcher;

    apply(edit);

    QCOMPARE(plugin->collectForm(form), message.isEmpty());
    QCOMPARE(catcher.texts, message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(harness->messages().isEmpty());
    if (message.isEmpty()) {
        const QJsonArray actual = plugin->formDescription(form).value("form").toArray();
        QVERIFY2(actual == expectedForm(rows), QJsonDocument(actual).toJson().constData());
    } else {
        const QJsonArray loaded = PluginHarness::readFixture("all-elements.json").value("form").toArray();
        QCOMPARE(plugin->formDescription(form).value("form").toArray(), loaded);
    }
}

QTEST_MAIN(tst_EditTableEndToEnd)
#include "tst_EditTableEndToEnd.moc"
