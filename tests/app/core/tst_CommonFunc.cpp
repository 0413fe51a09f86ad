#include "CommonFunc.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

class tst_CommonFunc : public QObject
{
    Q_OBJECT

private slots:
    void elision_data()
    {
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("cut");
        QTest::newRow("narrower than the width") << 10 << false;
        QTest::newRow("exactly the width") << 0 << false;
        QTest::newRow("wider than the width") << -10 << true;
    }

    void elision()
    {
        QFETCH(int, extra);
        QFETCH(bool, cut);
        const QFont font;
        const QString text = QStringLiteral("Device DSJ-0123456789");
        const int textWidth = QFontMetrics(font).horizontalAdvance(text);
        const QString shown = CommonFunc::getElidedText(font, text, textWidth + extra);
        if (!cut) {
            QCOMPARE(shown, text);
            return;
        }
        QVERIFY(shown != text);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(text.startsWith(shown.chopped(1)));
        QVERIFY(QFontMetrics(font).horizontalAdvance(shown) <= textWidth + extra);
    }

    void labelShowsCutTextAndWholeTooltip()
    {
        QLabel label;
        label.resize(60, 20);
        const QString text = QStringLiteral("执法记录仪设备编号 0123456789");
        setElidedText(text, &label);
        QCOMPARE(label.toolTip(), text);
        QVERIFY(label.text().endsWith(QChar(0x2026)));
        QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= 60);

        setElidedText(QStringLiteral("A1"), &label);
        QCOMPARE(label.text(), QStringLiteral("A1"));
        QCOMPARE(label.toolTip(), QStringLiteral("A1"));
    }

    void onlyDirectLineEditsLoseTheirMenu()
    {
        QWidget page;
        auto *direct = new QLineEdit(&page);
        auto *group = new QGroupBox(&page);
        auto *nested = new QLineEdit(group);
        auto *text = new QTextEdit(&page);

        disableLineEditMenu(&page);
        QCOMPARE(direct->contextMenuPolicy(), Qt::NoContextMenu);
        QCOMPARE(nested->contextMenuPolicy(), Qt::DefaultContextMenu);
        QCOMPARE(group->contextMenuPolicy(), Qt::DefaultContextMenu);
        QCOMPARE(text->contextMenuPolicy(), Qt::DefaultContextMenu);

        disableLineEditMenu(nullptr);
    }
};

QTEST_MAIN(tst_CommonFunc)
#include "tst_CommonFunc.moc"
