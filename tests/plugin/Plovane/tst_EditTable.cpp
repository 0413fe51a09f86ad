#include "EditTable.h"
#include "MessageBoxCatcher.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

namespace {
QJsonValue json(const char *text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text);
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

const char *const kAmountSectionPeriod = R"([
    {"label": "金额", "prop": "amount", "component": {"type": "el-input"}},
    {"label": "时段", "prop": "section", "component": {"type": "h-number-section", "props": {"first": "start", "second": "end"}}},
    {"label": "时间", "prop": "period", "component": {"type": " h-time-picker-obj ", "props": {"format": "HH:mm"}}}
])";

const char *const kSectionPeriod = R"([
    {"label": "时段", "prop": "section", "component": {"type": "h-number-section", "props": {"first": "start", "second": "end"}}},
    {"label": "时间", "prop": "period", "component": {"type": "h-time-picker-obj"}}
])";

const char *const kAmountDefinition = R"({"id": "rates", "type": "array",
    "elements": {"definitions": [{"id": "amount", "type": "unitPrice"}, {"id": ""}]}})";

int ms(const char *hhmm)
{
    return QTime::fromString(QString::fromLatin1(hhmm), "HH:mm").msecsSinceStartOfDay();
}

QJsonObject sectionRow(const char *start, const char *end)
{
    return QJsonObject{{"section", QJsonObject{{"start", start}, {"end", end}}}};
}

QJsonObject timedRow(const char *start, const char *end, const char *from, const char *to)
{
    QJsonObject row = sectionRow(start, end);
    row.insert("period", QJsonObject{{"start", ms(from)}, {"end", ms(to)}});
    return row;
}

QJsonObject amountRow(double amount)
{
    return QJsonObject{{"amount", amount}};
}

struct Table
{
    std::unique_ptr<EditTable> control = std::make_unique<EditTable>();
    QTableWidget *widget = nullptr;

    explicit Table(const QJsonObject &element, const QJsonValue &definition = json(kAmountDefinition))
    {
        control->init(element, definition);
        widget = control->findChild<QTableWidget *>("tableWidget");
    }

    void add() { control->findChild<QPushButton *>("btnAdd")->click(); }
    void remove() { control->findChild<QPushButton *>("btnDel")->click(); }
    QString checkHeader() const
    {
        return widget->horizontalHeaderItem(0) ? widget->horizontalHeaderItem(0)->text() : QString();
    }
    QJsonValue stored(int r, int col) const { return widget->item(r, col)->data(Qt::UserRole).toJsonValue(); }
    template <typename Child>
    Child *editorPart(int r, int col, const char *name) const
    {
        QWidget *cell = widget->cellWidget(r, col);
        return cell ? cell->findChild<Child *>(name) : nullptr;
    }
    QJsonValue collected() const
    {
        return control->validate(QJsonObject()) ? control->value() : QJsonValue(QJsonValue::Undefined);
    }
};

QJsonObject tableElement(const QJsonValue &config, const QJsonValue &rows,
                         const QJsonValue &addData = QJsonValue(QJsonValue::Undefined))
{
    QJsonObject props;
    if (!config.isUndefined())
        props.insert("config", config);
    if (!addData.isUndefined())
        props.insert("addData", addData);
    QJsonObject element{{"type", "h-edit-table"}, {"order", 1}, {"model", "rates"}, {"label", "费率表"},
                        {"props", props}};
    if (!rows.isUndefined())
        element.insert("defaultValue", rows);
    return element;
}
} // namespace

class tst_EditTable : public QObject
{
    Q_OBJECT

private slots:
    void columnsAndLoadedRows();
    void collectWithoutEditsGivesBackTheRows_data();
    void collectWithoutEditsGivesBackTheRows();
    void addSeeds_data();
    void addSeeds();
    void deleteRemovesTheCheckedRows_data();
    void deleteRemovesTheCheckedRows();
    void checkHeaderTogglesAllRows();
    void tableWithoutColumns_data();
    void tableWithoutColumns();
    void unknownColumnTypeKeepsItsValues();
    void rowToRowChecks_data();
    void rowToRowChecks();
    void resetRebuildsTheLoadedRows();
};

void tst_EditTable::columnsAndLoadedRows()
{
    const QJsonArray rows{QJsonObject{{"amount", 1.5}, {"section", QJsonObject{{"start", "0"}, {"end", "30"}}},
                                      {"period", QJsonObject{{"start", ms("08:30")}, {"end", ms("09:00")}}}},
                          amountRow(7)};
    Table table(tableElement(json(kAmountSectionPeriod), rows));
    QTableWidget *widget = table.widget;

    QCOMPARE(table.control->findChild<QGroupBox *>("groupBox")->title(), QStringLiteral("费率表"));
    QCOMPARE(widget->columnCount(), 4);
    QCOMPARE(widget->rowCount(), 2);
    const QStringList titles{"全选", "金额", "时段", "时间"};
    const QList<int> widths{40, 150, 250, 250};
    for (int col = 0; col < 4; ++col) {
        QCOMPARE(widget->horizontalHeaderItem(col)->text(), titles.at(col));
        QCOMPARE(widget->columnWidth(col), widths.at(col));
    }
    QVERIFY(widget->verticalHeader()->isHidden());
    QCOMPARE(widget->item(1, 0)->checkState(), Qt::Unchecked);

    // The price column takes two decimals from its definition; a member
    // missing from a row reaches its cell as null and the editor shows 0.
    auto *amount = table.editorPart<QDoubleSpinBox>(0, 1, "doubleSpinBox");
    QCOMPARE(amount->decimals(), 2);
    QCOMPARE(amount->value(), 1.5);
    QCOMPARE(table.editorPart<QDoubleSpinBox>(0, 2, "doubleSpinBoxEnd")->value(), 30.0);
    QCOMPARE(table.editorPart<QTimeEdit>(0, 3, "timeEditStart")->time(), QTime(8, 30));
    QCOMPARE(table.stored(1, 2), QJsonValue());
    QCOMPARE(table.editorPart<QDoubleSpinBox>(1, 2, "doubleSpinBoxEnd")->value(), 0.0);
}

void tst_EditTable::collectWithoutEditsGivesBackTheRows_data()
{
    QTest::addColumn<QJsonValue>("rows");
    QTest::addColumn<QJsonValue>("collected");

    const QJsonValue complete = json(R"([
        {"amount": 1.5, "section": {"start": "0", "end": "30"}, "period": {"start": 28800000, "end": 32400000}},
        {"amount": 2, "section": {"start": "30", "end": "60"}, "period": {"start": 32400000, "end": 36000000}}])");
    QTest::newRow("complete rows") << complete << complete;
    // Sections wider than six digits must come back whole, not in exponent form.
    const QJsonValue wide = json(R"([
        {"amount": 0, "section": {"start": "0", "end": "12345678"}, "period": {"start": 0, "end": 0}},
        {"amount": 99999.99, "section": {"start": "12345678", "end": "99999999"}, "period": {"start": 0, "end": 0}}])");
    QTest::newRow("wide sections") << wide << wide;
    QTest::newRow("missing members take the editors' defaults") << json(R"([{"amount": 4}])")
        << json(R"([{"amount": 4, "section": {"start": "0", "end": "0"}, "period": {"start": 0, "end": 0}}])");
    QTest::newRow("no rows") << QJsonValue(QJsonArray()) << QJsonValue(QJsonArray());
    QTest::newRow("no default value") << QJsonValue(QJsonValue::Undefined) << QJsonValue(QJsonArray());
}

void tst_EditTable::collectWithoutEditsGivesBackTheRows()
{
    QFETCH(QJsonValue, rows);
    QFETCH(QJsonValue, collected);
    Table table(tableElement(json(kAmountSectionPeriod), rows));
    QCOMPARE(table.collected(), collected);
    QCOMPARE(table.control->element().toObject().value("defaultValue"), collected);
}

void tst_EditTable::addSeeds_data()
{
    QTest::addColumn<QJsonValue>("rows");
    QTest::addColumn<QJsonValue>("addData");
    QTest::addColumn<QJsonObject>("added");

    // A new row continues the last one: the input repeats its number, the
    // section starts where the last one ends, the time starts at its end.
    QTest::newRow("from the last row")
        << json(R"([{"amount": 1, "section": {"start": "0", "end": "5"}, "period": {"start": 0, "end": 0}},
                    {"amount": 2.5, "section": {"start": "10", "end": "30"}, "period": {"start": 28800000, "end": 32400000}}])")
        << QJsonValue(QJsonValue::Undefined)
        << json(R"({"amount": 2.5, "section": {"start": "30", "end": "0"}, "period": {"start": 32400000, "end": 0}})").toObject();
    QTest::newRow("empty table from addData") << QJsonValue(QJsonArray())
        << json(R"({"amount": 3, "section": {"start": "5", "end": "15"}, "period": {"start": 60000, "end": 120000}})")
        << json(R"({"amount": 3, "section": {"start": "5", "end": "15"}, "period": {"start": 60000, "end": 120000}})").toObject();
    QTest::newRow("empty table without addData") << QJsonValue(QJsonArray()) << QJsonValue(QJsonValue::Undefined)
        << json(R"({"amount": 0, "section": {"start": "0", "end": "0"}, "period": {"start": 0, "end": 0}})").toObject();
}

void tst_EditTable::addSeeds()
{
    QFETCH(QJsonValue, rows);
    QFETCH(QJsonValue, addData);
    QFETCH(QJsonObject, added);
    Table table(tableElement(json(kAmountSectionPeriod), rows, addData));
    const int before = table.widget->rowCount();

    table.add();

    QCOMPARE(table.widget->rowCount(), before + 1);
    QCOMPARE(table.widget->item(before, 0)->checkState(), Qt::Unchecked);
    // What the new row's editors show is what they give back.
    MessageBoxCatcher catcher;
    table.control->validate(QJsonObject());
    const QJsonObject shown{{"amount", table.editorPart<QDoubleSpinBox>(before, 1, "doubleSpinBox")->value()},
                            {"section", QJsonObject{
                                 {"start", QString::number(table.editorPart<QDoubleSpinBox>(before, 2, "doubleSpinBoxStart")->value())},
                                 {"end", QString::number(table.editorPart<QDoubleSpinBox>(before, 2, "doubleSpinBoxEnd")->value())}}},
                            {"period", QJsonObject{
                                 {"start", table.editorPart<QTimeEdit>(before, 3, "timeEditStart")->time().msecsSinceStartOfDay()},
                                 {"end", table.editorPart<QTimeEdit>(before, 3, "timeEditEnd")->time().msecsSinceStartOfDay()}}}};
    QCOMPARE(shown, added);
}

void tst_EditTable::deleteRemovesTheCheckedRows_data()
{
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QJsonValue>("left");

    QTest::newRow("first two of three") << QList<int>{0, 1} << QJsonValue(QJsonArray{amountRow(3)});
    QTest::newRow("first and last") << QList<int>{0, 2} << QJsonValue(QJsonArray{amountRow(2)});
    QTest::newRow("all") << QList<int>{0, 1, 2} << QJsonValue(QJsonArray());
    QTest::newRow("none") << QList<int>{} << QJsonValue(QJsonArray{amountRow(1), amountRow(2), amountRow(3)});
}

void tst_EditTable::deleteRemovesTheCheckedRows()
{
    QFETCH(QList<int>, checked);
    QFETCH(QJsonValue, left);
    const QJsonValue amountOnly = json(R"([{"label": "金额", "prop": "amount", "component": {"type": "el-input"}}])");
    Table table(tableElement(amountOnly, QJsonArray{amountRow(1), amountRow(2), amountRow(3)}));
    table.widget->horizontalHeaderItem(0)->setText("反选");
    for (int r : checked)
        table.widget->item(r, 0)->setCheckState(Qt::Checked);

    table.remove();

    QCOMPARE(table.collected(), left);
    QCOMPARE(table.checkHeader(), checked.isEmpty() ? QStringLiteral("反选") : QStringLiteral("全选"));
}

void tst_EditTable::checkHeaderTogglesAllRows()
{
    Table table(tableElement(json(kAmountSectionPeriod), QJsonValue(QJsonArray())));
    table.control->show();
    QHeaderView *header = table.widget->horizontalHeader();
    const auto click = [header](int section) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
    };
    const auto checkedRows = [&table] {
        int count = 0;
        for (int r = 0; r < table.widget->rowCount(); ++r)
            count += table.widget->item(r, 0)->checkState() == Qt::Checked ? 1 : 0;
        return count;
    };

    click(0);
    QCOMPARE(table.checkHeader(), QStringLiteral("全选"));

    table.add();
    table.add();
    click(1);
    QCOMPARE(table.checkHeader(), QStringLiteral("全选"));
    QCOMPARE(checkedRows(), 0);
    click(0);
    QCOMPARE(table.checkHeader(), QStringLiteral("反选"));
    QCOMPARE(checkedRows(), 2);
    QVERIFY(table.widget->isVisible());
    click(0);
    QCOMPARE(table.checkHeader(), QStringLiteral("全选"));
    QCOMPARE(checkedRows(), 0);

    click(0);
    table.remove();
    QCOMPARE(table.widget->rowCount(), 0);
    QCOMPARE(table.checkHeader(), QStringLiteral("全选"));
}

void tst_EditTable::tableWithoutColumns_data()
{
    QTest::addColumn<QJsonValue>("config");
    QTest::newRow("empty config") << QJsonValue(QJsonArray());
    QTest::newRow("no config") << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("config not an array") << QJsonValue("columns");
}

void tst_EditTable::tableWithoutColumns()
{
    QFETCH(QJsonValue, config);
    Table table(tableElement(config, json(R"([{"amount": 1}])")));
    QCOMPARE(table.widget->columnCount(), 0);

    table.add();
    table.remove();
    QVERIFY(QMetaObject::invokeMethod(table.control.get(), "tableWidget_sectionClicked", Q_ARG(int, 0)));
    table.remove();

    QCOMPARE(table.widget->rowCount(), 2);
    QCOMPARE(table.collected(), QJsonValue(QJsonArray{QJsonObject(), QJsonObject()}));
}

// A column whose type names no cell editor keeps each row's value as it was
// loaded, carries it into added rows and offers no editor that would lose edits.
void tst_EditTable::unknownColumnTypeKeepsItsValues()
{
    const QJsonValue config = json(R"([
        {"label": "开关", "prop": "flag", "component": {"type": "el-switch"}},
        {"label": "金额", "prop": "amount", "component": {"type": "el-input"}},
        {"label": "其他", "prop": "other"}])");
    const QJsonValue rows = json(R"([{"flag": {"on": true}, "amount": 1, "other": "甲"}, {"amount": 2}])");
    Table table(tableElement(config, rows, json(R"({"flag": false, "amount": 9})")));
    QCOMPARE(table.widget->columnCount(), 4);
    QVERIFY(!table.widget->cellWidget(0, 1));
    QCOMPARE(table.widget->item(0, 3)->text(), QStringLiteral("甲"));

    QCOMPARE(table.collected(), rows);

    table.widget->item(1, 0)->setCheckState(Qt::Checked);
    table.remove();
    table.add();
    table.widget->item(0, 0)->setCheckState(Qt::Checked);
    table.widget->item(1, 0)->setCheckState(Qt::Checked);
    table.remove();
    table.add();
    table.add();
    QCOMPARE(table.collected(), json(R"([{"flag": false, "amount": 9}, {"flag": false, "amount": 9}])"));
}

void tst_EditTable::rowToRowChecks_data()
{
    QTest::addColumn<QJsonArray>("rows");
    QTest::addColumn<QString>("message");

    QTest::newRow("sections that join") << QJsonArray{sectionRow("0", "30"), sectionRow("30", "60")} << QString();
    QTest::newRow("equal start and end") << QJsonArray{sectionRow("30", "30")} << QString();
    QTest::newRow("gap after row 1") << QJsonArray{sectionRow("0", "30"), sectionRow("40", "60")}
                                     << "第2行开始时段与第1行结束时段不相等!";
    QTest::newRow("overlap after row 2") << QJsonArray{sectionRow("0", "30"), sectionRow("30", "60"), sectionRow("50", "90")}
                                         << "第3行开始时段与第2行结束时段不相等!";
    QTest::newRow("row 1 backwards") << QJsonArray{sectionRow("30", "10")} << "第1行结束时段不能小于第1行开始时段!";
    QTest::newRow("row 2 backwards") << QJsonArray{sectionRow("0", "30"), sectionRow("30", "20")}
                                     << "第2行结束时段不能小于第2行开始时段!";
    QTest::newRow("times with a gap") << QJsonArray{timedRow("0", "0", "08:00", "09:00"), timedRow("0", "0", "09:30", "10:00")}
                                      << QString();
    QTest::newRow("time ending before its start") << QJsonArray{timedRow("0", "0", "10:00", "09:00")} << QString();
    QTest::newRow("overlapping times") << QJsonArray{timedRow("0", "0", "08:00", "09:00"), timedRow("0", "0", "08:30", "10:00")}
                                       << "第2行开始时间不能小于第1行结束时间！";
    QTest::newRow("section checked before time") << QJsonArray{timedRow("0", "30", "08:00", "09:00"), timedRow("40", "60", "08:30", "10:00")}
                                                 << "第2行开始时段与第1行结束时段不相等!";
}

void tst_EditTable::rowToRowChecks()
{
    QFETCH(QJsonArray, rows);
    QFETCH(QString, message);
    Table table(tableElement(json(kSectionPeriod), rows));
    MessageBoxCatcher catcher;

    const bool accepted = table.control->validate(QJsonObject());

    QCOMPARE(accepted, message.isEmpty());
    QCOMPARE(catcher.texts, message.isEmpty() ? QStringList() : QStringList{message});
    if (!accepted) {
        QCOMPARE(catcher.titles, QStringList{QString()});
        QVERIFY(table.widget->isAncestorOf(catcher.parents.value(0)));
        QCOMPARE(table.control->value(), QJsonValue(rows));
    }
}

void tst_EditTable::resetRebuildsTheLoadedRows()
{
    const QJsonValue rows = json(R"([
        {"amount": 1.5, "section": {"start": "0", "end": "30"}, "period": {"start": 28800000, "end": 32400000}},
        {"amount": 2, "section": {"start": "30", "end": "60"}, "period": {"start": 32400000, "end": 36000000}}])");
    Table table(tableElement(json(kAmountSectionPeriod), rows));
    table.editorPart<QDoubleSpinBox>(0, 1, "doubleSpinBox")->setValue(8);
    table.widget->item(1, 0)->setCheckState(Qt::Checked);
    table.remove();
    table.add();
    table.editorPart<QDoubleSpinBox>(1, 2, "doubleSpinBoxEnd")->setValue(45);
    QCOMPARE(table.collected(),
             json(R"([{"amount": 8, "section": {"start": "0", "end": "30"}, "period": {"start": 28800000, "end": 32400000}},
                      {"amount": 8, "section": {"start": "30", "end": "45"}, "period": {"start": 32400000, "end": 0}}])"));

    table.control->reset();

    QCOMPARE(table.widget->rowCount(), 2);
    QCOMPARE(table.collected(), rows);
}

QTEST_MAIN(tst_EditTable)
#include "tst_EditTable.moc"
