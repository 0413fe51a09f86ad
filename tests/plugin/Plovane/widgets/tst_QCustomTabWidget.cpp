#include "InternalTabBar.h"
#include "QCustomTabWidget.h"
#include "TabBarAnimation.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

namespace {
const QColor rule("#e4e7ed");
const QColor activeBar("#4194FF");
const QColor inactiveBar("#c6dfff");

// The size hints are protected; these expose them for measuring.
struct PlainBar : QTabBar {
    using QTabBar::tabSizeHint;
};
struct CustomBar : InternalTabBar {
    using InternalTabBar::tabSizeHint;
};

QColor pixelAt(QWidget &widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}
}

class tst_QCustomTabWidget : public QObject
{
    Q_OBJECT

private:
    static void fill(QCustomTabWidget &tabs, const QStringList &titles)
    {
        for (const QString &title : titles) {
            tabs.addTab(new QLabel(title), title);
        }
        tabs.resize(600, 200);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    }

    static QRect tabRect(QCustomTabWidget &tabs, int index) { return tabs.tabBar()->tabRect(index); }

private slots:
    void replacesTheTabBarKeepingItsName()
    {
        QTabWidget plain;
        QCustomTabWidget tabs;
        QVERIFY(qobject_cast<InternalTabBar *>(tabs.tabBar()));
        QCOMPARE(tabs.tabBar()->objectName(), plain.tabBar()->objectName());
        QVERIFY(!tabs.tabBar()->drawBase());
    }

    void marksTheScrollButtonsAsIcons()
    {
        QCustomTabWidget tabs;
        const auto buttons = tabs.tabBar()->findChildren<QToolButton *>();
        QCOMPARE(buttons.size(), 2);
        for (QToolButton *button : buttons) {
            QCOMPARE(button->property("Type").toString(), QStringLiteral("Icon"));
        }
    }

    void tabsHaveRoomForBoldText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("latin") << QStringLiteral("Wireless network");
        QTest::newRow("chinese") << QStringLiteral("网络连接");
        QTest::newRow("mnemonic") << QStringLiteral("&Video");
    }

    void tabsHaveRoomForBoldText()
    {
        QFETCH(QString, text);
        PlainBar plain;
        CustomBar custom;
        plain.addTab(text);
        custom.addTab(text);
        QFont bold = custom.font();
        bold.setBold(true);
        const int widening = QFontMetrics(bold).size(Qt::TextShowMnemonic, text).width()
            - custom.fontMetrics().size(Qt::TextShowMnemonic, text).width();
        const QSize plainHint = plain.tabSizeHint(0);
        QCOMPARE(custom.tabSizeHint(0), QSize(plainHint.width() + qMax(0, widening), plainHint.height()));
    }

    void indicatorColours_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("tabBarShown");
        QTest::addColumn<QColor>("bar");
        QTest::newRow("enabled") << true << true << activeBar;
        QTest::newRow("disabled") << false << true << inactiveBar;
        QTest::newRow("tab bar hidden") << true << false << QColor();
    }

    // The bar sits under the current tab on the rule's row and the row below;
    // the rule runs on under the other tabs.
    void indicatorColours()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, tabBarShown);
        QFETCH(QColor, bar);
        QCustomTabWidget tabs;
        fill(tabs, {"General", "Video", "Audio"});
        tabs.setCurrentIndex(1);
        tabs.setEnabled(enabled);
        tabs.tabBar()->setVisible(tabBarShown);
        QTRY_VERIFY_WITH_TIMEOUT(tabs.findChild<TabBarAnimation *>()->state() == QAbstractAnimation::Stopped, 2000);

        const QRect current = tabRect(tabs, 1);
        const QRect other = tabRect(tabs, 2);
        const int row = current.y() + current.height();
        const QImage image = tabs.grab().toImage();
        if (!tabBarShown) {
            QVERIFY(image.pixelColor(current.center().x(), row) != activeBar);
            QVERIFY(image.pixelColor(other.center().x(), row) != rule);
            return;
        }
        QCOMPARE(image.pixelColor(current.left(), row), bar);
        QCOMPARE(image.pixelColor(current.right(), row + 1), bar);
        QVERIFY(image.pixelColor(current.right() + 1, row) != bar);
        QVERIFY(image.pixelColor(current.center().x(), row + 2) != bar);
        QCOMPARE(image.pixelColor(other.center().x(), row), rule);
        QVERIFY(image.pixelColor(other.center().x(), row + 1) != bar);
    }

    void firstTabOnlyRecordsTheIndex()
    {
        QCustomTabWidget tabs;
        fill(tabs, {"General", "Video"});
        QCOMPARE(tabs.findChild<TabBarAnimation *>(), nullptr);
    }

    void slideRunsFromOldTabToNewTab()
    {
        QCustomTabWidget tabs;
        fill(tabs, {"General", "Video", "Audio", "Storage"});
        tabs.setCurrentIndex(2);
        auto *animation = tabs.findChild<TabBarAnimation *>();
        QVERIFY(animation);
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        QCOMPARE(animation->startValue(), QVariant(tabRect(tabs, 0).x()));
        QCOMPARE(animation->endValue(), QVariant(tabRect(tabs, 2).x()));
        QCOMPARE(animation->duration(), 250);
        QCOMPARE(animation->easingCurve().type(), QEasingCurve::InOutQuad);

        QList<int> steps;
        connect(animation, &QVariantAnimation::valueChanged, this,
                [&steps](const QVariant &v) { steps << v.toInt(); });
        QTRY_VERIFY_WITH_TIMEOUT(animation->state() == QAbstractAnimation::Stopped, 2000);
        QVERIFY(!steps.isEmpty());
        QCOMPARE(steps.last(), tabRect(tabs, 2).x());
        QCOMPARE(tabs.findChildren<TabBarAnimation *>().size(), 1);
        const QRect current = tabRect(tabs, 2);
        QCOMPARE(pixelAt(tabs, current.left(), current.bottom() + 1), activeBar);
    }

    // While the bar slides it is drawn at the animation's x with the width of
    // the new tab.
    void barFollowsTheSlide()
    {
        QCustomTabWidget tabs;
        fill(tabs, {"General", "Video", "Audio", "Storage"});
        tabs.setCurrentIndex(3);
        auto *animation = tabs.findChild<TabBarAnimation *>();
        QTRY_VERIFY_WITH_TIMEOUT(animation->currentTime() > 60, 2000);
        QVERIFY(animation->state() == QAbstractAnimation::Running);
        const QImage image = tabs.grab().toImage();
        const int x = animation->currentValue().toInt();
        const QRect target = tabRect(tabs, 3);
        QVERIFY(x > tabRect(tabs, 0).x() && x < target.x());
        const int row = target.bottom() + 1;
        QCOMPARE(image.pixelColor(x, row), activeBar);
        QCOMPARE(image.pixelColor(x + target.width() - 1, row), activeBar);
        QVERIFY(image.pixelColor(x + target.width(), row) != activeBar);
        QVERIFY(image.pixelColor(target.right(), row) != activeBar);
    }

    void changeDuringSlideReusesTheAnimation()
    {
        QCustomTabWidget tabs;
        fill(tabs, {"General", "Video", "Audio"});
        tabs.setCurrentIndex(2);
        auto *animation = tabs.findChild<TabBarAnimation *>();
        tabs.setCurrentIndex(1);
        QCOMPARE(tabs.findChildren<TabBarAnimation *>().size(), 1);
        QCOMPARE(animation->startValue(), QVariant(tabRect(tabs, 2).x()));
        QCOMPARE(animation->endValue(), QVariant(tabRect(tabs, 1).x()));
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
    }

    // Forms are rebuilt on every device reply, often in mid-slide; the
    // animation must go with its widget and never step into it afterwards.
    void destroyedInMidSlide()
    {
        auto *tabs = new QCustomTabWidget;
        fill(*tabs, {"General", "Video", "Audio"});
        tabs->setCurrentIndex(2);
        QPointer<TabBarAnimation> animation = tabs->findChild<TabBarAnimation *>();
        QTest::qWait(100);
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        delete tabs;
        QVERIFY(animation.isNull());
        QTest::qWait(250);
    }
};

QTEST_MAIN(tst_QCustomTabWidget)
#include "tst_QCustomTabWidget.moc"
