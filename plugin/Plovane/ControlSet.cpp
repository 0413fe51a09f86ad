#include "ControlSet.h"

#include "ControlFactory.h"
#include "UcBase.h"

#include <QBoxLayout>

void ControlSet::build(const QJsonArray &elements, QWidget *container, const Definitions &definitions,
                       QObject *cascadeReceiver, const char *cascadeSlot)
{
    for (const QJsonValue &value : elements) {
        const QJsonObject element = value.toObject();
        int order = 0;
        if (!isBuildable(element, &order))
            continue;
        UcBase *control = ControlFactory::create(element.value(QStringLiteral("type")).toString(),
                                                 container, definitions);
        if (!control)
            continue;
        const QString model = element.value(QStringLiteral("model")).toString();
        QObject::connect(control, SIGNAL(cascades_trigger(QList<Field>)), cascadeReceiver, cascadeSlot);
        control->init(element, definitions.value(model));
        place(order, control);
    }
    m_built = true;
    applyPending();
}

void ControlSet::layOut(QBoxLayout *layout) const
{
    for (UcBase *control : m_controls)
        layout->addWidget(control);
    layout->addStretch(0);
}

bool ControlSet::collect(const QJsonObject &templateObject, QJsonArray *elements) const
{
    QJsonArray collected;
    for (UcBase *control : m_controls) {
        if (!control->validate(templateObject))
            return false;
        collected.append(control->element());
    }
    *elements = collected;
    return true;
}

void ControlSet::reset() const
{
    for (UcBase *control : m_controls)
        control->reset();
}

void ControlSet::cascade(const QList<Field> &fields)
{
    if (fields.isEmpty())
        return;
    m_pendingFields.append(fields);
    if (m_built)
        applyPending();
}

void ControlSet::clear()
{
    for (UcBase *control : qAsConst(m_controls)) {
        control->hide();
        control->deleteLater();
    }
    m_controls.clear();
    m_pendingFields.clear();
    m_built = false;
}

bool ControlSet::isBuildable(const QJsonObject &element, int *order)
{
    if (!element.contains(QStringLiteral("type")) || !element.contains(QStringLiteral("order")))
        return false;
    *order = element.value(QStringLiteral("order")).toInt();
    return *order > 0;
}

void ControlSet::place(int order, UcBase *control)
{
    // A control whose place a later element takes would otherwise stay on
    // screen, editable, yet never be collected: the operator's edits in it
    // would be lost silently.
    delete m_controls.value(order);
    m_controls.insert(order, control);
}

void ControlSet::applyPending()
{
    for (const Field &field : qAsConst(m_pendingFields)) {
        for (UcBase *control : qAsConst(m_controls)) {
            if (control->model() == field.model) {
                control->setHidden(field.hide);
                break;
            }
        }
    }
    m_pendingFields.clear();
}
