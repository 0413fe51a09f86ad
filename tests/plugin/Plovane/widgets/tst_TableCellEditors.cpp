#include "MessageBoxCatcher.h"
#include "TableInput.h"
#include "TableNumberSection.h"
#include "TableTimePicker.h"

#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimeEdit>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
QJsonObject parse(const char *json)
{
    return QJsonDocument::fromJson(json).object();
}

QJsonObject inputColumn()
{
    return parse(R"({"label": "单价", "prop": "price", "component": {"type": "el-input"}})");
}

QJsonObject sectionColumn()
{
    return parse(R"({"label": "时段", "prop": "span",
        "component": {"type": "h-number-section", "props": {"first": "from", "second": "to"}}})");
}

QJsonObject timeColumn()
{
    return parse(R"({"label": "时间", "prop": "period", "component": {"type": "h-time-picker-obj"}})");
}

QJsonObject section(const QString &from, const QString &to)
{
    return QJsonObject{{"from", from}, {"to", to}};
}

QJsonObject range(int startMs, int endMs)
{
    return QJsonObject{{"start", startMs}, {"end", endMs}};
}

int ms(const QString &hhmm)
{
    return QTime::fromString(hhmm, "HH:mm").msecsSinceStartOfDay();
}

template <typename Editor>
std::unique_ptr<Editor> makeEditor(const QJsonObject &column, const QJsonValue &definition = QJsonObject(),
                                   QWidget *parent = nullptr)
{
    auto editor = std::make_unique<Editor>(parent);
    editor->init(column, definition);
    return editor;
}
}

class tst_TableCellEditors : public QObject
{
    Q_OBJECT

private slots:
    void inputDecimalsFollowTheDefinitionType_data()
    {
        QTest::addColumn<QJsonValue>("definition");
        QTest::addColumn<int>("decimals");
        QTest::newRow("unitprice") << QJsonValue(parse(R"({"id": "price", "type": "unitprice"})")) << 2;
        QTest::newRow("PRICE") << QJsonValue(parse(R"({"type": "PRICE"})")) << 2;
        QTest::newRow("Duration") << QJsonValue(parse(R"({"type": "Duration"})")) << 0;
        QTest::newRow("duration") << QJsonValue(parse(R"({"type": "duration"})")) << 0;
        QTest::newRow("long") << QJsonValue(parse(R"({"type": "long"})")) << 0;
        QTest::newRow("LONG") << QJsonValue(parse(R"({"type": "LONG"})")) << 0;
        QTest::newRow("other type") << QJsonValue(parse(R"({"type": "string"})")) << 2;
        QTest::newRow("no definition") << QJsonValue(QJsonObject()) << 2;
    }

    void inputDecimalsFollowTheDefinitionType()
    {
        QFETCH(QJsonValue, definition);
        QFETCH(int, decimals);
        auto input = makeEditor<TableInput>(inputColumn(), definition);
        QCOMPARE(input->findChild<QDoubleSpinBox *>("doubleSpinBox")->decimals(), decimals);
    }

    void inputTakesTipsAndUnit()
    {
        auto plain = makeEditor<TableInput>(inputColumn());
        QCOMPARE(plain->findChild<QDoubleSpinBox *>("doubleSpinBox")->suffix(), QStringLiteral("元"));
        QVERIFY(plain->toolTip().isEmpty());

        QJsonObject column = inputColumn();
        column["component"] = parse(R"({"type": "el-input", "props": {"tips": "每度电价"},
                                       "slots": [{"children": ["元/度"]}]})");
        auto input = makeEditor<TableInput>(column);
        QCOMPARE(input->findChild<QDoubleSpinBox *>("doubleSpinBox")->suffix(), QStringLiteral("元/度"));
        QCOMPARE(input->toolTip(), QStringLiteral("每度电价"));
    }

    void inputValueIsANumber()
    {
        auto input = makeEditor<TableInput>(inputColumn());
        auto *box = input->findChild<QDoubleSpinBox *>("doubleSpinBox");
        input->setValue(12.5);
        QCOMPARE(box->value(), 12.5);
        QVERIFY(input->validate(QJsonObject{{"price", 99}}, 3));
        QCOMPARE(input->getValue(), QJsonValue(12.5));
        QCOMPARE(input->getProp(), QStringLiteral("price"));

        QString prop;
        QJsonValue seed;
        input->seed(prop, seed);
        QCOMPARE(prop, QStringLiteral("price"));
        QCOMPARE(seed, QJsonValue(12.5));

        // A number that arrives as text is that number, not 0 saved over it.
        input->setValue(QStringLiteral("7.5"));
        QVERIFY(input->validate(QJsonObject(), 0));
        QCOMPARE(input->getValue(), QJsonValue(7.5));

        // Resetting the cell shows the initial value again, whatever was typed.
        box->setValue(40);
        input->setValue(12.5);
        QVERIFY(input->validate(QJsonObject(), 0));
        QCOMPARE(input->getValue(), QJsonValue(12.5));
    }

    void numberSectionValueIsTwoTexts()
    {
        QJsonObject column = sectionColumn();
        QJsonObject component = column["component"].toObject();
        QJsonObject props = component["props"].toObject();
        props["start-append"] = "千瓦时";
        component["props"] = props;
        column["component"] = component;
        auto cell = makeEditor<TableNumberSection>(column);
        auto *start = cell->findChild<QDoubleSpinBox *>("doubleSpinBoxStart");
        auto *end = cell->findChild<QDoubleSpinBox *>("doubleSpinBoxEnd");
        QCOMPARE(start->suffix(), QStringLiteral("千瓦时"));
        QCOMPARE(end->suffix(), QStringLiteral("分钟"));

        cell->setValue(section("10", "30"));
        QCOMPARE(start->value(), 10.0);
        QCOMPARE(end->value(), 30.0);
        QVERIFY(cell->validate(QJsonObject(), 0));
        QCOMPARE(cell->getValue(), QJsonValue(section("10", "30")));

        QString prop;
        QJsonValue seed;
        cell->seed(prop, seed);
        QCOMPARE(prop, QStringLiteral("span"));
        QCOMPARE(seed, QJsonValue(section("30", "0")));

        start->setValue(5);
        cell->setValue(section("10", "30"));
        QCOMPARE(start->value(), 10.0);
    }

    // A large section must come back whole from its own text.
    void numberSectionRoundTripsLargeNumbers()
    {
        auto cell = makeEditor<TableNumberSection>(sectionColumn());
        cell->findChild<QDoubleSpinBox *>("doubleSpinBoxStart")->setValue(7654321);
        cell->findChild<QDoubleSpinBox *>("doubleSpinBoxEnd")->setValue(100000000);
        QVERIFY(cell->validate(QJsonObject(), 0));
        QCOMPARE(cell->getValue(), QJsonValue(section("7654321", "100000000")));

        auto reread = makeEditor<TableNumberSection>(sectionColumn());
        reread->setValue(cell->getValue());
        QCOMPARE(reread->findChild<QDoubleSpinBox *>("doubleSpinBoxStart")->value(), 7654321.0);
        QCOMPARE(reread->findChild<QDoubleSpinBox *>("doubleSpinBoxEnd")->value(), 100000000.0);
    }

    // In a table row of ordinary height both boxes must be fully readable.
    void numberSectionBoxesMatchInACell()
    {
        QWidget row;
        auto cell = makeEditor<TableNumberSection>(sectionColumn(), QJsonObject(), &row);
        cell->setGeometry(0, 0, 250, 30);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        const QRect start = cell->findChild<QDoubleSpinBox *>("doubleSpinBoxStart")->geometry();
        const QRect end = cell->findChild<QDoubleSpinBox *>("doubleSpinBoxEnd")->geometry();
        QCOMPARE(end.height(), start.height());
        QCOMPARE(end.width(), start.width());
    }

    // Bounds stored as JSON numbers keep their values and are saved as texts.
    void numberSectionReadsNumberMembers()
    {
        auto cell = makeEditor<TableNumberSection>(sectionColumn());
        cell->setValue(parse(R"({"from": 10, "to": 30})"));
        QCOMPARE(cell->findChild<QDoubleSpinBox *>("doubleSpinBoxStart")->value(), 10.0);
        QCOMPARE(cell->findChild<QDoubleSpinBox *>("doubleSpinBoxEnd")->value(), 30.0);
        QVERIFY(cell->validate(QJsonObject{{"span", parse(R"({"from": 0, "to": 10})")}}, 1));
        QCOMPARE(cell->getValue(), QJsonValue(section("10", "30")));
    }

    void timePickerShowsMilliseconds_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("range") << QJsonValue(range(30600000, 32400000)) << "08:30" << "09:00";
        QTest::newRow("midnight") << QJsonValue(range(0, 0)) << "00:00" << "00:00";
        QTest::newRow("no end") << QJsonValue(QJsonObject{{"start", 30600000}}) << "08:30" << "00:00";
        QTest::newRow("a day or more") << QJsonValue(range(86400000, 90000000)) << "12:34" << "12:34";
        QTest::newRow("null keeps the view") << QJsonValue() << "12:34" << "12:34";
        QTest::newRow("below zero keeps the view") << QJsonValue(range(-1, -59999)) << "12:34" << "12:34";
        QTest::newRow("numbers as text")
            << QJsonValue(QJsonObject{{"start", "30600000"}, {"end", "32400000"}}) << "08:30" << "09:00";
    }

    void timePickerShowsMilliseconds()
    {
        QFETCH(QJsonValue, value);
        QFETCH(QString, start);
        QFETCH(QString, end);
        auto cell = makeEditor<TableTimePicker>(timeColumn());
        auto *startEdit = cell->findChild<QTimeEdit *>("timeEditStart");
        auto *endEdit = cell->findChild<QTimeEdit *>("timeEditEnd");
        startEdit->setTime(QTime(12, 34));
        endEdit->setTime(QTime(12, 34));
        cell->setValue(value);
        QCOMPARE(startEdit->time().toString("HH:mm"), start);
        QCOMPARE(endEdit->time().toString("HH:mm"), end);
        QCOMPARE(startEdit->displayFormat(), QStringLiteral("HH:mm"));
    }

    void timePickerValueIsMilliseconds()
    {
        QJsonObject column = timeColumn();
        column["component"] = parse(R"({"type": "h-time-picker-obj", "props": {"format": "HH:mm:ss"}})");
        auto cell = makeEditor<TableTimePicker>(column);
        QCOMPARE(cell->findChild<QTimeEdit *>("timeEditEnd")->displayFormat(), QStringLiteral("HH:mm:ss"));
        cell->findChild<QTimeEdit *>("timeEditStart")->setTime(QTime(8, 30, 45));
        cell->findChild<QTimeEdit *>("timeEditEnd")->setTime(QTime(9, 0));
        QVERIFY(cell->validate(QJsonObject(), 0));
        QCOMPARE(cell->getValue(), QJsonValue(range(30600000, 32400000)));

        QString prop;
        QJsonValue seed;
        cell->seed(prop, seed);
        QCOMPARE(prop, QStringLiteral("period"));
        QCOMPARE(seed, QJsonValue(range(32400000, 0)));
    }

    // Rows are checked top-down the way the edit table does it: each cell
    // against the object that the row above committed.
    void rowToRowChecks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("failingRow");
        QTest::addColumn<QString>("message");

        QTest::newRow("single backwards section") << "section" << QStringList{"30-10"} << 0
                                                  << "第1行结束时段不能小于第1行开始时段!";
        QTest::newRow("joined sections") << "section" << QStringList{"0-30", "30-60"} << -1 << "";
        QTest::newRow("empty section") << "section" << QStringList{"0-30", "30-30", "30-31"} << -1 << "";
        QTest::newRow("gap between sections") << "section" << QStringList{"0-30", "40-60"} << 1
                                              << "第2行开始时段与第1行结束时段不相等!";
        QTest::newRow("gap on third row") << "section" << QStringList{"0-30", "30-60", "70-80"} << 2
                                          << "第3行开始时段与第2行结束时段不相等!";
        QTest::newRow("third row backwards") << "section" << QStringList{"0-30", "30-60", "60-50"} << 2
                                             << "第3行结束时段不能小于第3行开始时段!";
        QTest::newRow("large joined sections") << "section" << QStringList{"0-7654321", "7654321-9000000"}
                                               << -1 << "";
        QTest::newRow("overlapping times") << "time" << QStringList{"08:00-09:00", "08:30-10:00"} << 1
                                           << "第2行开始时间不能小于第1行结束时间！";
        QTest::newRow("times with a gap") << "time" << QStringList{"08:00-09:00", "09:30-10:00"} << -1 << "";
        QTest::newRow("time ending before it starts")
            << "time" << QStringList{"10:00-09:00", "09:00-08:00"} << -1 << "";
        QTest::newRow("third time overlaps") << "time" << QStringList{"08:00-09:00", "09:00-12:00", "11:59-13:00"}
                                             << 2 << "第3行开始时间不能小于第2行结束时间！";
    }

    void rowToRowChecks()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, rows);
        QFETCH(int, failingRow);
        QFETCH(QString, message);

        QWidget table;
        std::vector<std::unique_ptr<TableItemBase>> cells;
        for (const QString &row : rows) {
            const QStringList ends = row.split('-');
            if (kind == "section") {
                cells.push_back(makeEditor<TableNumberSection>(sectionColumn(), QJsonObject(), &table));
                cells.back()->setValue(section(ends[0], ends[1]));
            } else {
                cells.push_back(makeEditor<TableTimePicker>(timeColumn(), QJsonObject(), &table));
                cells.back()->setValue(range(ms(ends[0]), ms(ends[1])));
            }
        }

        MessageBoxCatcher catcher;
        QJsonObject previousRow;
        int refusedAt = -1;
        for (int i = 0; i < int(cells.size()); ++i) {
            if (!cells[i]->validate(previousRow, i)) {
                refusedAt = i;
                break;
            }
            previousRow = QJsonObject{{cells[i]->getProp(), cells[i]->getValue()}};
        }

        QCOMPARE(refusedAt, failingRow);
        if (failingRow < 0) {
            QVERIFY(catcher.texts.isEmpty());
            return;
        }
        QCOMPARE(catcher.texts, QStringList{message});
        QCOMPARE(catcher.titles, QStringList{QString()});
        QCOMPARE(catcher.parents.value(0), &table);
        QVERIFY(cells[failingRow]->getValue().isObject());
    }
};

QTEST_MAIN(tst_TableCellEditors)
#include "tst_TableCellEditors.moc"
