// The flow layout's rows, gaps and item list, including items without a
// widget of their own.

#include "FlowLayout.h"

#include <QApplication>
#include <QSpacerItem>
#include <QTest>

namespace {

// Items of fixed size hints that need no widget.
QSpacerItem *block(int width, int height)
{
    return new QSpacerItem(width, height, QSizePolicy::Fixed, QSizePolicy::Fixed);
}

} // namespace

class tst_FlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void placesItemsInRows_data();
    void placesItemsInRows();
    void itemListAccessOutOfRangeGivesNull();
    void unsetSpacingWithoutParentTakesTheStyleForWidgetlessItems();
    void minimumSizeIsTheLargestItemPlusMargins();
};

void tst_FlowLayout::placesItemsInRows_data()
{
    QTest::addColumn<QList<QSize>>("items");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("hSpacing");
    QTest::addColumn<int>("vSpacing");
    QTest::addColumn<QList<QPoint>>("places");
    QTest::addColumn<int>("height");

    const QSize box(40, 20);
    QTest::newRow("two 40 px items a row in 100 px")
            << QList<QSize>{box, box, box} << 100 << 0 << 0 << QList<QPoint>{{0, 0}, {40, 0}, {0, 20}} << 40;
    QTest::newRow("vertical spacing between rows")
            << QList<QSize>{box, box, box} << 100 << 0 << 6 << QList<QPoint>{{0, 0}, {40, 0}, {0, 26}} << 46;
    QTest::newRow("horizontal spacing counts toward the wrap")
            << QList<QSize>{box, box, box} << 100 << 10 << 0 << QList<QPoint>{{0, 0}, {50, 0}, {0, 20}} << 40;
    QTest::newRow("an item wider than the layout sits alone, unshrunk")
            << QList<QSize>{box, QSize(150, 30), box} << 100 << 0 << 0
            << QList<QPoint>{{0, 0}, {0, 20}, {0, 50}} << 70;
    QTest::newRow("the first item never wraps")
            << QList<QSize>{QSize(150, 30)} << 100 << 0 << 0 << QList<QPoint>{{0, 0}} << 30;
    QTest::newRow("the row is as high as its highest item")
            << QList<QSize>{QSize(40, 10), QSize(40, 30), box} << 100 << 0 << 0
            << QList<QPoint>{{0, 0}, {40, 0}, {0, 30}} << 50;
    QTest::newRow("empty") << QList<QSize>{} << 100 << 0 << 0 << QList<QPoint>{} << 0;
}

void tst_FlowLayout::placesItemsInRows()
{
    QFETCH(QList<QSize>, items);
    QFETCH(int, width);
    QFETCH(int, hSpacing);
    QFETCH(int, vSpacing);
    QFETCH(QList<QPoint>, places);
    QFETCH(int, height);

    FlowLayout layout(0, hSpacing, vSpacing);
    for (const QSize &size : items)
        layout.addItem(block(size.width(), size.height()));
    QCOMPARE(layout.heightForWidth(width), height);
    layout.setGeometry(QRect(0, 0, width, height));
    for (int index = 0; index < items.size(); ++index)
        QCOMPARE(layout.itemAt(index)->geometry(), QRect(places.at(index), items.at(index)));
}

void tst_FlowLayout::itemListAccessOutOfRangeGivesNull()
{
    FlowLayout layout(0, 0, 0);
    QSpacerItem *first = block(10, 10);
    layout.addItem(first);
    layout.addItem(block(10, 10));
    QCOMPARE(layout.count(), 2);
    QCOMPARE(layout.itemAt(-1), nullptr);
    QCOMPARE(layout.itemAt(2), nullptr);
    QCOMPARE(layout.takeAt(-1), nullptr);
    QCOMPARE(layout.takeAt(2), nullptr);
    QCOMPARE(layout.count(), 2);
    QCOMPARE(layout.takeAt(0), first);
    QCOMPARE(layout.count(), 1);
    delete first;
}

void tst_FlowLayout::unsetSpacingWithoutParentTakesTheStyleForWidgetlessItems()
{
    // A spacer has no widget to ask for its style: the application's answers.
    QStyle *style = QApplication::style();
    const int gapX = style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal);
    const int gapY = style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Vertical);
    FlowLayout layout(0, -1, -1);
    QCOMPARE(layout.horizontalSpacing(), -1);
    for (int index = 0; index < 3; ++index)
        layout.addItem(block(40, 20));
    layout.setGeometry(QRect(0, 0, 121 + 2 * gapX, 100));
    QCOMPARE(layout.itemAt(1)->geometry().topLeft(), QPoint(40 + gapX, 0));
    QCOMPARE(layout.itemAt(2)->geometry().topLeft(), QPoint(80 + 2 * gapX, 0));
    QCOMPARE(layout.heightForWidth(81 + gapX), 20 + gapY + 20);
}

void tst_FlowLayout::minimumSizeIsTheLargestItemPlusMargins()
{
    QWidget container;
    auto *layout = new FlowLayout(&container, 5, 0, 6);
    layout->addItem(block(40, 30));
    layout->addItem(block(60, 10));
    QCOMPARE(layout->minimumSize(), QSize(70, 40));
    QCOMPARE(layout->sizeHint(), layout->minimumSize());
    QCOMPARE(layout->heightForWidth(200), 5 + 30 + 5);
}

QTEST_MAIN(tst_FlowLayout)
#include "tst_FlowLayout.moc"
