#pragma once

#include "Field.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QString>

class QBoxLayout;
class QObject;
class QWidget;
class UcBase;

// The controls that one container (the form, a group box, a tab page) builds
// from its elements, keyed by "order": built, laid out, validated, collected
// and reset in ascending order, and the target of their cascades.
class ControlSet
{
public:
    using Definitions = QMap<QString, QJsonValue>;

    ControlSet() = default;
    ControlSet(const ControlSet &) = delete;
    ControlSet &operator=(const ControlSet &) = delete;

    // Builds one control per buildable element, with `container` as parent,
    // and connects each control's cascades_trigger to `cascadeSlot` (a SLOT()
    // signature) of `cascadeReceiver` before the control is initialised.
    // Cascades that arrive meanwhile are applied when the build ends.
    // `container` is the widget that holds the layout the controls go into:
    // created there, a control is never moved, and under the form's style
    // sheet every move re-styles the whole subtree that moves, level by
    // level, so deep nesting would cost far more than its controls.
    void build(const QJsonArray &elements, QWidget *container, const Definitions &definitions,
               QObject *cascadeReceiver, const char *cascadeSlot);

    // Adds the controls to `layout` (installed on the build's container) in
    // ascending order, then a stretch that takes the spare height below the
    // last one.
    void layOut(QBoxLayout *layout) const;

    // Validates every control in order; on the first refusal returns false
    // and leaves `elements` untouched, else fills it with the controls'
    // updated elements.
    bool collect(const QJsonObject &templateObject, QJsonArray *elements) const;

    void reset() const;

    // Queues the visibility changes and applies them once the build is done.
    void cascade(const QList<Field> &fields);

    // Detaches and schedules every control for deletion.
    void clear();

    bool isEmpty() const { return m_controls.isEmpty(); }
    const QMap<int, UcBase *> &controls() const { return m_controls; }

private:
    // Buildable elements carry both "type" and an "order" above zero.
    static bool isBuildable(const QJsonObject &element, int *order);
    void place(int order, UcBase *control);
    void applyPending();

    QMap<int, UcBase *> m_controls;
    QList<Field> m_pendingFields;
    bool m_built = false;
};
