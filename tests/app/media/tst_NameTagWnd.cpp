// The name-tag composer: the four lines and their twenty controls, the
// background, the generated preview and what "下发" sends.

#include "CameraRig.h"
#include "HintWnd.h"
#include "NameTagWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr quint32 kCmdUploadStart = 55;
const QPointF kPositions[] = {{10, 2}, {10, 32}, {10, 62}, {10, 92}};
const char *const kDefaultTexts[] = {"行一", "行二", "行三", ""};

enum class Control { Text, Colour, Family, Size, Bold };

struct ItemLook
{
    QString text;
    QString family;
    int pointSize;
    int weight;
    QColor colour;

    static ItemLook of(const QGraphicsTextItem *item)
    {
        return {item->toPlainText(), item->font().family(), item->font().pointSize(), item->font().weight(),
                item->defaultTextColor()};
    }
    bool operator==(const ItemLook &other) const
    {
        return text == other.text && family == other.family && pointSize == other.pointSize
            && weight == other.weight && colour == other.colour;
    }
};

} // namespace

Q_DECLARE_METATYPE(Control)

namespace QTest {
template<>
char *toString(const ItemLook &look)
{
    return qstrdup(QStringLiteral("'%1' %2 %3pt w%4 %5")
                       .arg(look.text, look.family)
                       .arg(look.pointSize)
                       .arg(look.weight)
                       .arg(look.colour.name())
                       .toUtf8()
                       .constData());
}
} // namespace QTest

class tst_NameTagWnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void aFreshCanvasShowsThreeLines();
    void eachLineControlDrivesItsOwnItem_data();
    void eachLineControlDrivesItsOwnItem();
    void thePreviewChangesOnlyWhenGenerated();
    void sendingBeforeGeneratingDoesNothing();
    void resetPutsTheLinesBack();

private:
    template<typename T> T *child(const QString &name) const { return m_tag->findChild<T *>(name); }
    template<typename T> T *lineChild(const char *prefix, int line) const
    {
        return child<T>(QString::fromLatin1(prefix) + QString::number(line));
    }
    QImage preview() const { return child<QLabel>(QStringLiteral("label"))->pixmap(Qt::ReturnByValue).toImage(); }

    QTemporaryDir m_dir;
    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<QWidget> m_window;
    NameTagWnd *m_tag = nullptr;
};

void tst_NameTagWnd::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void tst_NameTagWnd::init()
{
    m_rig.reset(new CameraRig);
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, QStringLiteral("123456")));
    m_window.reset(new QWidget);
    m_window->resize(1044, 696);
    m_tag = new NameTagWnd(m_window.get());
    m_window->show();
}

void tst_NameTagWnd::cleanup()
{
    m_window.reset();
    m_rig.reset();
}

void tst_NameTagWnd::aFreshCanvasShowsThreeLines()
{
    QGraphicsScene *scene = m_tag->scene();
    QCOMPARE(scene->sceneRect(), QRectF(0, 0, 250, 122));
    QCOMPARE(scene->backgroundBrush().color(), QColor(Qt::white));
    for (int line = 1; line <= NameTagWnd::kLineCount; ++line) {
        QGraphicsTextItem *item = m_tag->lineItem(line);
        QCOMPARE(item->toPlainText(), QString::fromUtf8(kDefaultTexts[line - 1]));
        QCOMPARE(item->pos(), kPositions[line - 1]);
        QCOMPARE(item->font().pointSize(), 10);
        QCOMPARE(item->font().weight(), int(QFont::Normal));
        QCOMPARE(item->defaultTextColor(), QColor(Qt::black));
        QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
    }
    auto *view = child<QGraphicsView>(QStringLiteral("graphicsView"));
    QCOMPARE(view->size(), QSize(250, 122));
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(preview().isNull());
}

void tst_NameTagWnd::eachLineControlDrivesItsOwnItem_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<Control>("control");
    const char *names[] = {"text", "colour", "family", "size", "bold"};
    for (int line = 1; line <= NameTagWnd::kLineCount; ++line) {
        for (Control control : {Control::Text, Control::Colour, Control::Family, Control::Size, Control::Bold})
            QTest::addRow("line %d %s", line, names[int(control)]) << line << control;
    }
}

void tst_NameTagWnd::eachLineControlDrivesItsOwnItem()
{
    QFETCH(int, line);
    QFETCH(Control, control);
    ItemLook others[NameTagWnd::kLineCount];
    for (int other = 1; other <= NameTagWnd::kLineCount; ++other)
        others[other - 1] = ItemLook::of(m_tag->lineItem(other));

    auto *text = lineChild<QLineEdit>("lineEdit_text", line);
    auto *colour = lineChild<QComboBox>("comboBox_fontcol", line);
    auto *family = lineChild<QFontComboBox>("fontComboBox_font", line);
    auto *size = lineChild<QSpinBox>("spinBox_fontsz", line);
    auto *bold = lineChild<QCheckBox>("checkBox", line);
    ItemLook expected = others[line - 1];
    switch (control) {
    case Control::Text:
        text->setText(QStringLiteral("警号 %1").arg(line));
        expected.text = text->text();
        break;
    case Control::Colour:
        colour->setCurrentIndex(2);
        QCOMPARE(m_tag->lineItem(line)->defaultTextColor(), QColor(Qt::red));
        colour->setCurrentIndex(1);
        QCOMPARE(m_tag->lineItem(line)->defaultTextColor(), QColor(Qt::white));
        colour->setCurrentIndex(2);
        colour->setCurrentIndex(0);
        expected.colour = Qt::black;
        break;
    case Control::Family: {
        size->blockSignals(true);
        size->setValue(17); // the size box is read, not followed, by a family change
        size->blockSignals(false);
        const QStringList families = QFontDatabase().families();
        const QString current = family->currentFont().family();
        for (const QString &candidate : families) {
            if (candidate != current) {
                family->setCurrentFont(QFont(candidate));
                break;
            }
        }
        if (family->currentFont().family() == current)
            QSKIP("only one font family is installed");
        expected.family = family->currentFont().family();
        expected.pointSize = 17;
        break;
    }
    case Control::Size:
        size->setValue(38);
        expected.family = family->currentFont().family();
        expected.pointSize = 38;
        QCOMPARE(size->maximum(), 38);
        QCOMPARE(size->minimum(), 6);
        break;
    case Control::Bold:
        size->setValue(38);
        bold->setChecked(true);
        QCOMPARE(m_tag->lineItem(line)->font().weight(), int(QFont::Bold));
        QCOMPARE(m_tag->lineItem(line)->font().pointSize(), 38);
        bold->setChecked(false);
        expected.family = family->currentFont().family();
        expected.pointSize = 38;
        expected.weight = QFont::Normal;
        break;
    }
    QCOMPARE(ItemLook::of(m_tag->lineItem(line)), expected);
    for (int other = 1; other <= NameTagWnd::kLineCount; ++other) {
        if (other != line)
            QCOMPARE(ItemLook::of(m_tag->lineItem(other)), others[other - 1]);
    }
}

void tst_NameTagWnd::thePreviewChangesOnlyWhenGenerated()
{
    child<QComboBox>(QStringLiteral("comboBox_backcolor"))->setCurrentIndex(1);
    QCOMPARE(m_tag->scene()->backgroundBrush().color(), QColor(Qt::black));
    child<QPushButton>(QStringLiteral("gen_btn"))->click();
    QImage first = preview();
    QCOMPARE(first.size(), QSize(250, 122));
    for (QPoint corner : {QPoint(0, 0), QPoint(249, 0), QPoint(0, 121), QPoint(249, 121)})
        QCOMPARE(QColor(first.pixel(corner)), QColor(Qt::black));

    lineChild<QLineEdit>("lineEdit_text", 4)->setText(QStringLiteral("第四行的字"));
    child<QComboBox>(QStringLiteral("comboBox_backcolor"))->setCurrentIndex(0);
    QCOMPARE(preview(), first);

    child<QPushButton>(QStringLiteral("gen_btn"))->click();
    const QImage second = preview();
    QCOMPARE(QColor(second.pixel(0, 0)), QColor(Qt::white));
    QCOMPARE(QColor(second.pixel(249, 121)), QColor(Qt::white));
    // Black text on white: something of the lines shows.
    bool dark = false;
    for (int y = 0; y < 122 && !dark; ++y) {
        for (int x = 0; x < 250 && !dark; ++x)
            dark = qGray(second.pixel(x, y)) < 128;
    }
    QVERIFY(dark);
}

void tst_NameTagWnd::sendingBeforeGeneratingDoesNothing()
{
    m_rig->camera(0).clearReceived();
    child<QPushButton>(QStringLiteral("send_btn"))->click();
    QTest::qWait(100);
    QCOMPARE(m_rig->sent(0, kCmdUploadStart).size(), 0);
    QVERIFY(!QFile::exists(QStringLiteral("pic.bmp")));
    for (HintWnd *hint : m_window->findChildren<HintWnd *>())
        QVERIFY(!hint->isVisible());
}

void tst_NameTagWnd::resetPutsTheLinesBack()
{
    auto *view = child<QGraphicsView>(QStringLiteral("graphicsView"));
    // Drag the first line by its text.
    const QPoint from = view->mapFromScene(m_tag->lineItem(1)->sceneBoundingRect().center());
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    // QTest's move carries no button, and a drag needs the held one.
    QMouseEvent move(QEvent::MouseMove, from + QPoint(30, 40), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, from + QPoint(30, 40));
    QVERIFY(m_tag->lineItem(1)->pos() != kPositions[0]);
    for (int line = 2; line <= NameTagWnd::kLineCount; ++line)
        m_tag->lineItem(line)->moveBy(5, 5);

    child<QPushButton>(QStringLiteral("reset_btn"))->click();
    for (int line = 1; line <= NameTagWnd::kLineCount; ++line)
        QCOMPARE(m_tag->lineItem(line)->pos(), kPositions[line - 1]);
}

QTEST_MAIN(tst_NameTagWnd)
#include "tst_NameTagWnd.moc"
