// The application style sheet reaches only the widgets its rules were written
// for: a rule on one of Designer's repeated names starts at the form that owns
// the widget and walks down to it child by child, and the screens where leaks
// were seen look as their own forms say.
#include "ApplicationLook.h"
#include "CameraRig.h"
#include "DeviceConfigureWnd.h"
#include "Input.h"
#include "MainWindow.h"
#include "NamedProfiles.h"
#include "PwdRecoverWidget.h"
#include <QDir>
#include <QDirIterator>
#include <QFrame>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

namespace {

// Names Designer gives a widget it adds, numbered when repeated in a form.
const QRegularExpression kDesignerName(QStringLiteral(
    "^(frame|label|widget|horizontalFrame|verticalFrame|stackedWidget|tabWidget|tab|page|listWidget|groupBox|"
    "scrollArea|scrollAreaWidgetContents|pushButton|toolButton|lineEdit|comboBox|checkBox|radioButton|spinBox|"
    "textEdit|tableWidget|line|verticalLayout|horizontalLayout|gridLayout|formLayout)(_\\d+)?$"));

struct UiNode {
    QString className;
    QString name;
    std::vector<UiNode> children;
};

// Qt puts a tab widget's pages in a stack and a scroll area's contents in a
// viewport; a rule walking down by child combinators goes through them.
UiNode readWidget(QXmlStreamReader &xml)
{
    UiNode node {xml.attributes().value("class").toString(), xml.attributes().value("name").toString(), {}};
    UiNode *holder = &node;
    if (node.className == QLatin1String("QTabWidget"))
        holder = &node.children.emplace_back(UiNode {"QStackedWidget", "qt_tabwidget_stackedwidget", {}});
    else if (node.className == QLatin1String("QScrollArea"))
        holder = &node.children.emplace_back(UiNode {"QWidget", "qt_scrollarea_viewport", {}});
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("widget"))
                holder->children.push_back(readWidget(xml));
            else
                ++depth;
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return node;
}

struct Forms {
    std::map<QString, UiNode> byName;    // form name and top widget name
    std::map<QString, QString> byClass;  // C++ class of a form to its form name
};

Forms readForms()
{
    Forms forms;
    const QDir source(QStringLiteral(VANTREL_SOURCE_DIR));
    for (const char *folder : {"app", "plugin"}) {
        QDirIterator it(source.filePath(QString::fromLatin1(folder)), {"*.ui", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            if (it.fileName().endsWith(QLatin1String(".h"))) {
                const QString text = QString::fromUtf8(file.readAll());
                const auto form = QRegularExpression(QStringLiteral("Ui::(\\w+)")).match(text);
                const auto owner = QRegularExpression(QStringLiteral("class (\\w+)\\s*(final\\s*)?:\\s*public")).match(text);
                if (form.hasMatch() && owner.hasMatch())
                    forms.byClass[owner.captured(1)] = form.captured(1);
                continue;
            }
            QXmlStreamReader xml(&file);
            QString formClass;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("class") && formClass.isEmpty()) {
                    formClass = xml.readElementText();
                } else if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
                    const UiNode top = readWidget(xml);
                    forms.byName[formClass] = top;
                    forms.byName[top.name] = top;
                    break;
                }
            }
        }
    }
    return forms;
}

struct Compound {
    QString type;
    QString id;
};

Compound parseCompound(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z_0-9]*)(?:#([A-Za-z_0-9]+))?"));
    const auto match = pattern.match(text);
    return {match.captured(1), match.captured(2)};
}

// Every selector of the sheet as compounds and the combinators before them
// (">" or " "; the first one is empty).
QList<QPair<QStringList, QList<Compound>>> selectors(QString sheet)
{
    sheet.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    QList<QPair<QStringList, QList<Compound>>> result;
    auto rules = QRegularExpression(QStringLiteral("([^{}]+)\\{[^}]*\\}")).globalMatch(sheet);
    while (rules.hasNext()) {
        for (QString selector : rules.next().captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            selector = selector.simplified().replace(QLatin1String(" > "), QLatin1String(">"));
            if (selector.isEmpty())
                continue;
            QStringList combinators {QString()};
            QList<Compound> compounds;
            QString current;
            for (const QChar c : selector) {
                if (c == QLatin1Char('>') || c == QLatin1Char(' ')) {
                    compounds.append(parseCompound(current));
                    combinators.append(QString(c));
                    current.clear();
                } else {
                    current.append(c);
                }
            }
            compounds.append(parseCompound(current));
            result.append({combinators, compounds});
        }
    }
    return result;
}

const UiNode *formOf(const Forms &forms, const Compound &compound)
{
    QString name = compound.id;
    if (!forms.byName.count(name))
        name = forms.byClass.count(compound.type) ? forms.byClass.at(compound.type) : compound.type;
    const auto found = forms.byName.find(name);
    return found == forms.byName.end() ? nullptr : &found->second;
}

bool matches(const UiNode &node, const Compound &compound)
{
    return (compound.id.isEmpty() || compound.id == node.name)
        && (compound.type.isEmpty() || compound.type == node.className || compound.type == QLatin1String("QWidget"));
}

QColor pixelIn(QWidget *widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point * widget->devicePixelRatioF());
}

} // namespace

class tst_ApplicationLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyRuleOnADesignerNameWalksDownFromItsForm();
    void recoveryPageBodyKeepsItsWhiteBackground();
    void jsonFormRowDrawsNoBoxBesideItsField();
    void identityLabelInTheMainWindowMatchesItsNeighbour();
};

void tst_ApplicationLook::initTestCase()
{
    const QString sheet = ApplicationLook::styleSheet();
    QVERIFY(!sheet.isEmpty());
    qApp->setStyleSheet(sheet);
}

void tst_ApplicationLook::everyRuleOnADesignerNameWalksDownFromItsForm()
{
    const Forms forms = readForms();
    QVERIFY(forms.byName.count(QStringLiteral("MainWindowEx")));
    QStringList faults;
    for (const auto &[combinators, compounds] : selectors(ApplicationLook::styleSheet())) {
        int lastGeneric = -1;
        for (int i = 0; i < compounds.size(); ++i) {
            if (kDesignerName.match(compounds[i].id).hasMatch())
                lastGeneric = i;
        }
        if (lastGeneric < 0)
            continue;
        const QString text = [&] {
            QString s;
            for (int i = 0; i < compounds.size(); ++i)
                s += combinators[i] + compounds[i].type + (compounds[i].id.isEmpty() ? "" : "#" + compounds[i].id);
            return s;
        }();
        const UiNode *form = formOf(forms, compounds.first());
        if (!form) {
            faults << text + QStringLiteral(": does not start at a form");
            continue;
        }
        // Down from the form, one child at a time, to the last Designer name.
        std::vector<const UiNode *> level {form};
        for (int i = 1; i <= lastGeneric && !level.empty(); ++i) {
            if (combinators[i] != QLatin1String(">")) {
                faults << text + QStringLiteral(": reaches down through descendants");
                level.clear();
                break;
            }
            std::vector<const UiNode *> next;
            for (const UiNode *node : level) {
                for (const UiNode &child : node->children) {
                    if (matches(child, compounds[i]))
                        next.push_back(&child);
                }
            }
            if (next.empty())
                faults << text + QStringLiteral(": no such child in its form");
            level = next;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_ApplicationLook::recoveryPageBodyKeepsItsWhiteBackground()
{
    PwdRecoverWidget page;
    page.resize(580, 464);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *body = page.findChild<QFrame *>(QStringLiteral("frame_3"));
    QVERIFY(body);
    // Below the last control the body shows the page's own white.
    const QPoint empty(body->x() + body->width() - 4, body->y() + body->height() - 4);
    QCOMPARE(pixelIn(&page, empty), QColor(255, 255, 255));
}

void tst_ApplicationLook::jsonFormRowDrawsNoBoxBesideItsField()
{
    Input row;
    row.init(QJsonObject {{"type", "el-input"}, {"order", 1}, {"model", "field"}, {"label", "码率"},
                          {"defaultValue", "4096"}, {"props", QJsonObject {}}},
             QJsonObject {{"id", "field"}, {"type", "string"}});
    row.resize(640, 40);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    auto *fieldFrame = row.findChild<QFrame *>(QStringLiteral("frame_2"));
    QVERIFY(fieldFrame);
    const QImage image = row.grab().toImage();
    const qreal ratio = row.devicePixelRatioF();
    // Right of the field the frame shows the form's own background: no border, no white box.
    const QRect frame = fieldFrame->geometry();
    const QColor background = row.palette().color(QPalette::Window);
    for (const int x : {frame.right(), frame.right() - 3})
        QCOMPARE(image.pixelColor(QPoint(x, frame.center().y()) * ratio), background);
}

void tst_ApplicationLook::identityLabelInTheMainWindowMatchesItsNeighbour()
{
    CameraRig rig({NamedProfiles::Gen3Json});
    QVERIFY(rig.discover());
    QVERIFY(rig.loginAs(0, QStringLiteral("123456")));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel *officer = nullptr;
    QLabel *device = nullptr;
    QTRY_VERIFY([&] {
        for (QLabel *label : window.findChildren<QLabel *>(QStringLiteral("label_2"))) {
            if (label->text() == QStringLiteral("人员ID") && label->isVisible()) {
                officer = label;
                device = label->parentWidget()->findChild<QLabel *>(QStringLiteral("label_3"));
            }
        }
        return officer && device;
    }());
    QCOMPARE(device->text(), QStringLiteral("设备ID"));
    QCOMPARE(officer->font(), device->font());
    QCOMPARE(officer->palette().color(QPalette::WindowText), device->palette().color(QPalette::WindowText));
    QCOMPARE(officer->fontInfo().pixelSize(), device->fontInfo().pixelSize());
}

QTEST_MAIN(tst_ApplicationLook)
#include "tst_ApplicationLook.moc"
