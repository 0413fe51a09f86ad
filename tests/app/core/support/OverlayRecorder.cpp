#include "OverlayRecorder.h"

#include "HintWnd.h"
#include "LoadingPlugin.h"
#include "PopupWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

namespace {

QString labelText(QObject *overlay, const char *name)
{
    const QLabel *label = overlay->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QString();
}

} // namespace

OverlayRecorder::OverlayRecorder()
{
    QCoreApplication::instance()->installEventFilter(this);
}

OverlayRecorder::~OverlayRecorder()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

QStringList OverlayRecorder::texts(Kind kind) const
{
    QStringList result;
    for (const Shown &entry : m_shown)
        if (entry.kind == kind)
            result << entry.text;
    return result;
}

bool OverlayRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show)
        return false;
    if (qobject_cast<PopupWidget *>(watched))
        m_shown.append({Toast, labelText(watched, "text"), watched});
    else if (qobject_cast<HintWnd *>(watched))
        m_shown.append({Hint, labelText(watched, "Hint_Text"), watched});
    else if (qobject_cast<LoadingPlugin *>(watched))
        m_shown.append({Busy, labelText(watched, "loadText"), watched});
    return false;
}
