#include "Shot.h"

#include "CameraRig.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>

ShotContext::ShotContext(const QString &shot, bool english, const QList<const char *> &cameras)
    : m_shot(shot)
    , m_english(english)
    , m_cameraNames(cameras)
{
}

ShotContext::~ShotContext()
{
    qDeleteAll(m_widgets);
}

QString ShotContext::sample(const char *chinese, const char *english) const
{
    return QString::fromUtf8(m_english ? english : chinese);
}

CameraRig &ShotContext::cameras()
{
    if (!m_cameras)
        m_cameras = std::make_unique<CameraRig>(m_cameraNames);
    return *m_cameras;
}

void ShotContext::waitFor(const std::function<bool()> &condition, const QString &what, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            throw ShotFailure(QStringLiteral("%1: timed out waiting for %2").arg(m_shot, what).toStdString());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

void ShotContext::adopt(QWidget *widget)
{
    m_widgets.append(widget);
}

namespace Shots {

static QList<Shot> &registry()
{
    static QList<Shot> shots;
    return shots;
}

bool add(const Shot &shot)
{
    registry().append(shot);
    return true;
}

const QList<Shot> &all()
{
    return registry();
}

} // namespace Shots
