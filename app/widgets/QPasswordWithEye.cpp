#include "QPasswordWithEye.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

QPasswordWithEye::QPasswordWithEye(QWidget *parent)
    : QLineEdit(parent)
{
    setEchoMode(Password);
    setContextMenuPolicy(Qt::NoContextMenu);
    installEventFilter(this);
    setAttribute(Qt::WA_InputMethodEnabled, false);

    m_eye = addAction(QIcon(QStringLiteral(":/Resources/image/EYE_CLOSED.png")), TrailingPosition);
    m_eye->setObjectName(QStringLiteral("eyeAction"));
    connect(m_eye, &QAction::triggered, this, &QPasswordWithEye::EyeClicked);
    m_eyeShows = Normal;
    showEchoOnEye();
}

bool QPasswordWithEye::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this) {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut))
                return true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
                return true;
        }
    }
    return QLineEdit::eventFilter(watched, event);
}

void QPasswordWithEye::EyeClicked()
{
    setEchoMode(echoMode() == Password ? Normal : Password);
    showEchoOnEye();
}

bool QPasswordWithEye::event(QEvent *event)
{
    // On X11 a line edit in plain echo hands every mouse or keyboard selection
    // to the primary selection, where any program can paste it. Whatever it
    // put there is taken back at once.
    const QEvent::Type type = event->type();
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (echoMode() != Normal || !clipboard->supportsSelection()
        || (type != QEvent::KeyPress && type != QEvent::MouseButtonRelease
            && type != QEvent::MouseButtonDblClick))
        return QLineEdit::event(event);

    const bool ownedBefore = clipboard->ownsSelection();
    const QString before = ownedBefore ? clipboard->text(QClipboard::Selection) : QString();
    const bool result = QLineEdit::event(event);
    if (clipboard->ownsSelection() && (!ownedBefore || clipboard->text(QClipboard::Selection) != before)) {
        if (ownedBefore)
            clipboard->setText(before, QClipboard::Selection);
        else
            clipboard->clear(QClipboard::Selection);
    }
    return result;
}

void QPasswordWithEye::paintEvent(QPaintEvent *event)
{
    // Pages may set the echo mode directly; the eye follows before it is seen.
    if (echoMode() != m_eyeShows)
        showEchoOnEye();
    QLineEdit::paintEvent(event);
}

void QPasswordWithEye::showEchoOnEye()
{
    const bool hidden = echoMode() != Normal;
    m_eyeShows = echoMode();
    m_eye->setIcon(QIcon(hidden ? QStringLiteral(":/Resources/image/EYE_CLOSED.png")
                                : QStringLiteral(":/Resources/image/EYE_OPEN.png")));
    m_eye->setToolTip(hidden ? tr("显示密码") : tr("隐藏密码"));
}
