#pragma once

// What the walk does with the program's widgets, the way an operator would:
// find them by object name, click, type and wait for what follows. Every
// failure ends the program at once with a message that names the step.

#include <QString>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QLineEdit;

namespace Operator {

// How long one thing may take before the walk calls it stuck. Sanitizer
// builds run several times slower; the environment can stretch it.
int patienceMs();

// Names the step the walk is in, for progress and failure messages.
void step(const QString &name);
QString currentStep();

[[noreturn]] void fail(const QString &why);
void require(bool condition, const QString &why);

// Lets the program run until condition holds; false when time ran out.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = -1);
void waitFor(const std::function<bool()> &condition, const QString &what, int timeoutMs = -1);
// Lets the program run for a while (the camera's replies, repaints).
void settle(int ms = 100);

// The visible top-level window whose class is className, or null.
QWidget *window(const char *className);
QWidget *waitForWindow(const char *className);

template<typename T>
T *child(QWidget *root, const QString &objectName)
{
    T *found = root ? root->findChild<T *>(objectName) : nullptr;
    require(found, QStringLiteral("no %1 named %2 in %3")
                           .arg(QLatin1String(T::staticMetaObject.className()), objectName,
                                root ? QLatin1String(root->metaObject()->className()) : QLatin1String("nothing")));
    return found;
}

// Shown on screen: the widget and every ancestor visible.
bool onScreen(const QWidget *widget);

void click(QAbstractButton *button);
void clickAt(QWidget *widget, const QPoint &position);
void typeInto(QLineEdit *edit, const QString &text);

// A busy overlay of the program is shown inside root: the animated busy
// overlay, or a waiting overlay without an OK button.
bool busy(const QWidget *root);
QString busyText(const QWidget *root);
void waitUntilIdle(QWidget *root, const QString &what);

// The text of the toast visible inside root, or empty.
QString toastText(const QWidget *root);

} // namespace Operator
