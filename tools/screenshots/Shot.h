#pragma once

// One screenshot: a name, the simulated cameras it needs (by their names in
// the table of named camera profiles) and a function that brings real widgets
// into the state to show, through the program's own code paths, and returns
// the widget to grab.
//
// Each area registers its shots in its own file (ShellShots.cpp, ...):
//
//     VANTREL_SHOT(toast, {}, [](ShotContext &context) -> QWidget * { ... });
//
// Every shot runs in a process of its own, once per language.

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>

class CameraRig;
class QWidget;

class ShotContext
{
public:
    ShotContext(const QString &shot, bool english, const QList<const char *> &cameras);
    ~ShotContext();

    bool english() const { return m_english; }
    // A sample text of the shot's own (not one of the program's), in the
    // shot's language.
    QString sample(const char *chinese, const char *english) const;

    // The simulated cameras the shot named, on the simulated bus with a fresh
    // MainManager; built on first use.
    CameraRig &cameras();

    // Runs the event loop until the condition holds; on time-out the shot fails
    // with the name of what it waited for.
    void waitFor(const std::function<bool()> &condition, const QString &what, int timeoutMs = 10000);

    // Widgets the shot builds live until the shot ends.
    template<typename T>
    T *keep(T *widget)
    {
        adopt(widget);
        return widget;
    }

private:
    void adopt(QWidget *widget);

    QString m_shot;
    bool m_english;
    QList<const char *> m_cameraNames;
    std::unique_ptr<CameraRig> m_cameras;
    QList<QWidget *> m_widgets;
};

// A shot that could not reach its state.
class ShotFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct Shot
{
    QString name;
    QList<const char *> cameras;
    std::function<QWidget *(ShotContext &)> make;
};

namespace Shots {
bool add(const Shot &shot);
const QList<Shot> &all();
} // namespace Shots

#define VANTREL_SHOT(name, cameras, make)                                                                    \
    static const bool registered_##name =                                                                    \
            Shots::add(Shot{QStringLiteral(#name).replace('_', '-'), cameras, make})
