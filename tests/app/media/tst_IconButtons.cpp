// The media forms' buttons that carry no text: each shows a picture that
// stands out from the panel under it, and says in a tooltip what it does.

#include "ApplicationLook.h"
#include "DownLoadWnd.h"
#include "LogMsgWnd.h"
#include "MediaMessageWndEx.h"

#include <QApplication>
#include <QLayout>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using FormFactory = std::function<QWidget *()>;

// Pixels inside the button's frame that differ clearly from the button's
// commonest colour: a glyph, where a blank face or a white glyph on a white
// panel has none.
int inkPixels(const QImage &face)
{
    QHash<QRgb, int> counts;
    for (int y = 3; y < face.height() - 3; ++y)
        for (int x = 3; x < face.width() - 3; ++x)
            ++counts[face.pixel(x, y)];
    QRgb common = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            common = it.key();
        }
    }
    int ink = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (qAbs(qGray(it.key()) - qGray(common)) > 60)
            ink += it.value();
    }
    return ink;
}

} // namespace

Q_DECLARE_METATYPE(FormFactory)

class tst_IconButtons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void buttonShowsAPictureAndATooltip_data();
    void buttonShowsAPictureAndATooltip();
    void pagerButtonsShowFourDifferentPictures();

private:
    // The button as the operator sees it: its part of the laid-out form.
    QImage face(QWidget *form, const char *name);
};

void tst_IconButtons::initTestCase()
{
    ApplicationLook::substituteFonts();
    qApp->setStyleSheet(ApplicationLook::styleSheet());
}

void tst_IconButtons::cleanupTestCase()
{
    qApp->setStyleSheet(QString());
}

QImage tst_IconButtons::face(QWidget *form, const char *name)
{
    auto *button = form->findChild<QPushButton *>(QLatin1String(name));
    if (!button)
        return QImage();
    form->ensurePolished();
    form->layout()->activate();
    return form->grab(QRect(button->mapTo(form, QPoint(0, 0)), button->size())).toImage();
}

void tst_IconButtons::buttonShowsAPictureAndATooltip_data()
{
    QTest::addColumn<FormFactory>("form");
    QTest::addColumn<QByteArray>("button");
    const FormFactory log = [] { return new LogMsgWnd; };
    const FormFactory media = [] { return new MediaMessageWndEx; };
    const FormFactory panel = [] { return new DownLoadWnd; };
    QTest::newRow("first page") << log << QByteArray("homePage_btn");
    QTest::newRow("previous page") << log << QByteArray("prePage_btn");
    QTest::newRow("next page") << log << QByteArray("nextPage_btn");
    QTest::newRow("last page") << log << QByteArray("endPage_btn");
    QTest::newRow("download the selection") << media << QByteArray("download_btn");
    QTest::newRow("hide the download panel") << panel << QByteArray("Retract_Btn");
}

void tst_IconButtons::buttonShowsAPictureAndATooltip()
{
    QFETCH(FormFactory, form);
    QFETCH(QByteArray, button);
    const std::unique_ptr<QWidget> widget(form());
    auto *pushButton = widget->findChild<QPushButton *>(QLatin1String(button));
    QVERIFY(pushButton);
    QVERIFY(pushButton->text().isEmpty());
    QVERIFY(!pushButton->toolTip().isEmpty());
    const QImage image = face(widget.get(), button.constData());
    QVERIFY(!image.isNull());
    QVERIFY2(inkPixels(image) >= 12, qPrintable(QString::number(inkPixels(image))));
}

void tst_IconButtons::pagerButtonsShowFourDifferentPictures()
{
    LogMsgWnd page;
    QSet<QByteArray> faces;
    for (const char *name : {"homePage_btn", "prePage_btn", "nextPage_btn", "endPage_btn"}) {
        const QImage image = face(&page, name).convertToFormat(QImage::Format_ARGB32);
        faces.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes())));
    }
    QCOMPARE(faces.size(), 4);
}

QTEST_MAIN(tst_IconButtons)
#include "tst_IconButtons.moc"
