#pragma once

#include <QJsonValue>
#include <QMap>
#include <QString>

class QWidget;
class UcBase;

// Maps an element's "type" to the control that edits it. The form and every
// container build their elements through it, so they all know the same kinds.
class ControlFactory
{
public:
    using Definitions = QMap<QString, QJsonValue>;

    // The control for the first kind whose type text occurs in `type`
    // (case-sensitive), created with `parent`; null when no kind matches.
    static UcBase *create(const QString &type, QWidget *parent, const Definitions &definitions);
};
