#include "UcBase.h"

#include <QJsonArray>
#include <QtTest>

// The common keys and the cascades every control reads, seen through a
// control that adds nothing of its own.
class tst_UcBase : public QObject
{
    Q_OBJECT

private slots:
    void cascadeForSelectedValue_data();
    void cascadeForSelectedValue();
    void setValueRewritesOnlyDefaultValue();
};

namespace {

class BareControl : public UcBase
{
public:
    using UcBase::emitCascade;
};

QJsonObject cascade(const QJsonValue &value, const QString &model, bool hide)
{
    return QJsonObject{{"value", value}, {"fields", QJsonArray{QJsonObject{{"model", model}, {"hide", hide}}}}};
}

} // namespace

void tst_UcBase::cascadeForSelectedValue_data()
{
    QTest::addColumn<QJsonArray>("cascades");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("firedModels");

    const QJsonArray sameValueTwice{cascade("1", "early", true), cascade("1", "late", true)};
    QTest::newRow("later entry of one value wins") << sameValueTwice << "1" << "late";
    QTest::newRow("unknown value fires nothing") << sameValueTwice << "2" << "";
    const QJsonArray numericValue{cascade(1, "numeric", true)};
    QTest::newRow("number value not under its text") << numericValue << "1" << "";
    QTest::newRow("number value under the empty key") << numericValue << "" << "numeric";
    QTest::newRow("entry that is no object is ignored")
        << QJsonArray{cascade("", "blank", false), "stray"} << "" << "blank";
    QTest::newRow("field that is no object is ignored")
        << QJsonArray{QJsonObject{{"value", "1"}, {"fields", QJsonArray{"x", QJsonObject{{"model", "y"}}}}}} << "1"
        << "y";
    QTest::newRow("empty field list fires nothing")
        << QJsonArray{QJsonObject{{"value", "1"}, {"fields", QJsonArray()}}} << "1" << "";
}

void tst_UcBase::cascadeForSelectedValue()
{
    QFETCH(QJsonArray, cascades);
    QFETCH(QString, selected);
    QFETCH(QString, firedModels);
    BareControl control;
    QStringList fired;
    connect(&control, &UcBase::cascades_trigger, [&fired](QList<Field> fields) {
        for (const Field &field : fields)
            fired << field.model;
    });
    control.init(QJsonObject{{"model", "m"}, {"cascades", cascades}}, QJsonValue());
    control.emitCascade(selected);
    QCOMPARE(fired.join(','), firedModels);
}

void tst_UcBase::setValueRewritesOnlyDefaultValue()
{
    BareControl control;
    const QJsonObject element{{"model", "m"}, {"order", 4}, {"defaultValue", 25}};
    control.init(element, QJsonValue());
    QCOMPARE(control.property("model").toString(), QStringLiteral("m"));
    QCOMPARE(control.value(), QJsonValue(25));

    control.setValue(QStringLiteral("30"));
    QJsonObject expected = element;
    expected.insert("defaultValue", "30");
    QCOMPARE(control.element(), QJsonValue(expected));
    QCOMPARE(control.value(), QJsonValue("30"));
    QCOMPARE(control.defaultValue(), QJsonValue(25));
}

QTEST_MAIN(tst_UcBase)
#include "tst_UcBase.moc"
