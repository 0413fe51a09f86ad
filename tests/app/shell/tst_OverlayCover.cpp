// The two overlays over a page: whenever one shows it covers the whole page
// and lies above every control of it, those the page made after it included,
// and it keeps doing so while the page grows or gains controls.

#include "HintWnd.h"
#include "LoadingPlugin.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using OverlayFactory = std::function<QWidget *(QWidget *parent)>;

// A page as the pages build themselves: overlay first, then the form.
struct Page
{
    explicit Page(const OverlayFactory &factory)
    {
        widget.resize(800, 500);
        overlay = factory(&widget);
        overlay->hide();
        auto *layout = new QHBoxLayout(&widget);
        for (int i = 0; i < 2; ++i) {
            auto *combo = new QComboBox;
            combo->addItems({QStringLiteral("10"), QStringLiteral("50")});
            layout->addWidget(combo);
            controls << combo;
        }
        auto *save = new QPushButton(QStringLiteral("保 存"));
        layout->addWidget(save);
        controls << save;
    }

    // Whether a click on the control would reach the overlay instead.
    bool covers(QWidget *control) const
    {
        QWidget *hit = widget.childAt(control->geometry().center());
        return hit == overlay || overlay->isAncestorOf(hit);
    }

    QWidget widget;
    QWidget *overlay = nullptr;
    QList<QWidget *> controls;
};

} // namespace

Q_DECLARE_METATYPE(OverlayFactory)

class tst_OverlayCover : public QObject
{
    Q_OBJECT

private slots:
    void overlayCoversThePageAboveItsControls_data();
    void overlayCoversThePageAboveItsControls();
};

void tst_OverlayCover::overlayCoversThePageAboveItsControls_data()
{
    QTest::addColumn<OverlayFactory>("factory");
    QTest::newRow("message") << OverlayFactory([](QWidget *parent) { return new HintWnd(parent); });
    QTest::newRow("busy") << OverlayFactory([](QWidget *parent) { return new LoadingPlugin(parent); });
}

void tst_OverlayCover::overlayCoversThePageAboveItsControls()
{
    QFETCH(OverlayFactory, factory);
    Page page(factory);
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    // Sized for a smaller page, as a caller may have done.
    page.overlay->resize(300, 200);

    page.overlay->show();
    QCOMPARE(page.overlay->geometry(), page.widget.rect());
    for (QWidget *control : qAsConst(page.controls))
        QVERIFY2(page.covers(control), qPrintable(control->metaObject()->className()));

    page.widget.resize(1000, 640);
    QCOMPARE(page.overlay->geometry(), page.widget.rect());
    auto *late = new QComboBox(&page.widget);
    late->setGeometry(10, 10, 120, 26);
    late->show();
    QVERIFY(page.covers(late));

    // Shown again after a control has come to the top.
    page.overlay->hide();
    page.controls.first()->raise();
    page.overlay->show();
    QVERIFY(page.covers(page.controls.first()));
}

QTEST_MAIN(tst_OverlayCover)
#include "tst_OverlayCover.moc"
