#include "Operator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace Operator {

namespace {

QString g_step;

bool inherits(const QWidget *widget, const char *className)
{
    return widget && widget->inherits(className);
}

} // namespace

int patienceMs()
{
    static const int ms = [] {
        const int seconds = qEnvironmentVariableIntValue("VANTREL_E2E_PATIENCE");
        return (seconds > 0 ? seconds : 30) * 1000;
    }();
    return ms;
}

void step(const QString &name)
{
    g_step = name;
    std::fprintf(stderr, "e2e: %s\n", name.toUtf8().constData());
    std::fflush(stderr);
}

QString currentStep()
{
    return g_step;
}

void fail(const QString &why)
{
    std::fprintf(stderr, "e2e FAILED in step \"%s\": %s\n", g_step.toUtf8().constData(), why.toUtf8().constData());
    std::fflush(stderr);
    std::_Exit(3);
}

void require(bool condition, const QString &why)
{
    if (!condition)
        fail(why);
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    const int limit = timeoutMs < 0 ? patienceMs() : timeoutMs;
    while (!condition()) {
        if (clock.elapsed() > limit)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(5);
    }
    return true;
}

void waitFor(const std::function<bool()> &condition, const QString &what, int timeoutMs)
{
    if (!waitUntil(condition, timeoutMs))
        fail(QStringLiteral("timed out waiting for ") + what);
}

void settle(int ms)
{
    waitUntil([] { return false; }, ms);
}

QWidget *window(const char *className)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (inherits(widget, className) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

QWidget *waitForWindow(const char *className)
{
    QWidget *found = nullptr;
    waitFor([&] { return (found = window(className)) != nullptr; },
            QStringLiteral("the window %1").arg(QLatin1String(className)));
    return found;
}

bool onScreen(const QWidget *widget)
{
    return widget && widget->isVisible();
}

void click(QAbstractButton *button)
{
    require(onScreen(button), QStringLiteral("the button %1 is not shown").arg(button->objectName()));
    require(button->isEnabled(), QStringLiteral("the button %1 is disabled").arg(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void clickAt(QWidget *widget, const QPoint &position)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, position);
}

void typeInto(QLineEdit *edit, const QString &text)
{
    require(onScreen(edit), QStringLiteral("the field %1 is not shown").arg(edit->objectName()));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    require(edit->text() == text, QStringLiteral("the field %1 took \"%2\" as \"%3\"")
                                          .arg(edit->objectName(), text, edit->text()));
}

QString busyText(const QWidget *root)
{
    if (!root)
        return QString();
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!onScreen(widget))
            continue;
        if (inherits(widget, "LoadingPlugin")) {
            QStringList texts;
            for (const QLabel *label : widget->findChildren<QLabel *>())
                texts << label->text();
            return QStringLiteral("busy overlay: ") + texts.join(QLatin1Char(' ')).trimmed();
        }
        if (inherits(widget, "HintWnd")) {
            const auto *ok = widget->findChild<QAbstractButton *>(QStringLiteral("Ok_Button"));
            if (ok && ok->isVisible())
                continue;
            const auto *text = widget->findChild<QLabel *>(QStringLiteral("Hint_Text"));
            return QStringLiteral("waiting overlay: ") + (text ? text->text() : QString());
        }
    }
    return QString();
}

bool busy(const QWidget *root)
{
    return !busyText(root).isEmpty();
}

void waitUntilIdle(QWidget *root, const QString &what)
{
    if (!waitUntil([root] { return !busy(root); }))
        fail(what + QStringLiteral(" never left its overlay (") + busyText(root) + QLatin1Char(')'));
}

QString toastText(const QWidget *root)
{
    if (!root)
        return QString();
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!inherits(widget, "PopupWidget") || !onScreen(widget))
            continue;
        QStringList texts;
        for (const QLabel *label : widget->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                texts << label->text();
        }
        return texts.join(QLatin1Char(' '));
    }
    return QString();
}

} // namespace Operator
