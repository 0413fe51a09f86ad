// The compiled-in resources as the program reaches them: pictures, icon, style
// sheet, translation and the fonts the forms name.

#include "ApplicationLook.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QWidget>

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureLoads();
    void iconCarriesSmallAndLargeSizes();
    void loadingFramesLoadByTheirColonPathAndDiffer();
    void everyStyleSheetUrlResolves();
    void translationTranslatesFormAndCodeTexts();
    void bothFontNamesRenderChinese_data();
    void bothFontNamesRenderChinese();
};

void tst_Resources::everyPictureLoads()
{
    QDirIterator it(QStringLiteral(":/Resources/image"), QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        ++count;
    }
    QVERIFY(count > 0);
    for (const char *name : {"USER_NORMAL",
                             "USER_DOWN",
                             "MENU_LINE",
                             "HINT_BUBBLE",
                             "BUTTON_NORMAL",
                             "BUTTON_HOVER",
                             "BUTTON_PRESSED",
                             "BUTTON_DISABLE",
                             "DEVICE_CHANGE_BG",
                             "LOGIN_OUT_NORMAL",
                             "LOGIN_OUT_PRESSED",
                             "CHANGE_DEVICE_NORMAL",
                             "CHANGE_DEVICE_PRESSED",
                             "USB_ICON",
                             "ERROR_ICON",
                             "DELETE_DOWNITEM_NORMAL",
                             "DELETE_DOWNITEM_HOVER",
                             "DELETE_DOWNITEM_PRESSED",
                             "OPEN_EXPLORER_FOLDER_NORMAL",
                             "OPEN_EXPLORER_FOLDER_PRESSED",
                             "Media_Split",
                             "MEDIA_MSG_LINE",
                             "Media_Pictrue",
                             "Media_Radio",
                             "Meida_Video"}) {
        const QString path = QStringLiteral(":/Resources/image/%1.png").arg(QLatin1String(name));
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }
    QCOMPARE(QImage(QStringLiteral(":/Resources/image/DEVICE_CHANGE_BG.png")).size(), QSize(150, 152));
    QCOMPARE(QImage(QStringLiteral(":/Resources/image/LOGIN_OUT_NORMAL.png")).size(), QSize(146, 30));
}

void tst_Resources::iconCarriesSmallAndLargeSizes()
{
    const QIcon icon(QString::fromLatin1(ApplicationLook::kWindowIconPath));
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY2(sizes.contains(QSize(16, 16)), "16 px");
    QVERIFY2(sizes.contains(QSize(256, 256)), "256 px");
}

void tst_Resources::loadingFramesLoadByTheirColonPathAndDiffer()
{
    QSet<QByteArray> frames;
    for (int number = 1; number <= 12; ++number) {
        // The busy overlay names its frames without a slash after the colon.
        const QImage frame(QStringLiteral(":Resources/image/Loading_%1.png").arg(number));
        QVERIFY2(!frame.isNull(), qPrintable(QString::number(number)));
        QCOMPARE(frame.size(), QSize(32, 32));
        const QImage converted = frame.convertToFormat(QImage::Format_ARGB32);
        frames.insert(QByteArray(reinterpret_cast<const char *>(converted.constBits()),
                                 int(converted.sizeInBytes())));
    }
    QCOMPARE(frames.size(), 12);
}

void tst_Resources::everyStyleSheetUrlResolves()
{
    const QString sheet = ApplicationLook::styleSheet();
    QVERIFY(!sheet.isEmpty());
    QRegularExpressionMatchIterator it =
            QRegularExpression(QStringLiteral("url\\(([^)]*)\\)")).globalMatch(sheet);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next().captured(1);
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        ++count;
    }
    QVERIFY(count > 0);
    // A sheet that does not parse is dropped whole with one warning.
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &message) { warnings << message; });
    qApp->setStyleSheet(sheet);
    QWidget probe;
    probe.ensurePolished();
    qApp->setStyleSheet(QString());
    qInstallMessageHandler(previous);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

void tst_Resources::translationTranslatesFormAndCodeTexts()
{
    QTranslator translator;
    QVERIFY(translator.load(QString::fromLatin1(ApplicationLook::kTranslationPath)));
    QCOMPARE(translator.translate("HintWnd", "确定"), QStringLiteral("OK"));
    QCOMPARE(translator.translate("EditTable", "新增"), QStringLiteral("Add"));
    QCOMPARE(translator.translate("UcBase", "请配置:%1"), QStringLiteral("Please configure: %1"));
}

void tst_Resources::bothFontNamesRenderChinese_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("宋体") << QStringLiteral("宋体");
    QTest::newRow("微软雅黑") << QStringLiteral("微软雅黑");
}

void tst_Resources::bothFontNamesRenderChinese()
{
    QFETCH(QString, family);
    ApplicationLook::substituteFonts();
    QFont font(family);
    font.setPixelSize(16);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("WenQuanYi Micro Hei"));
    const QString text = QStringLiteral("设备");
    QVERIFY(QFontMetrics(font).inFont(text.at(0)));
    QVERIFY(QFontMetrics(font).inFont(text.at(1)));
    QImage image(64, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    QVERIFY2(dark > 40, qPrintable(QString::number(dark)));
}

QTEST_MAIN(tst_Resources)
#include "tst_Resources.moc"
