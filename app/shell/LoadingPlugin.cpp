#include "LoadingPlugin.h"
#include "OverlayCover.h"
#include "ui_LoadingPlugin.h"

#include <QTimer>

namespace {

const int kFrameCount = 12;
const int kFrameInterval = 50;

// Shared by every busy overlay; touched on the GUI thread only.
int g_frame = 1;

} // namespace

LoadingPlugin::LoadingPlugin(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::LoadingPlugin)
{
    m_ui->setupUi(this);
    OverlayCover::attach(this);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &LoadingPlugin::onTimerChangePic);
    // A picture that does not load still takes its place, so the frame
    // numbers stay those of the files.
    for (int number = 1; number <= kFrameCount; ++number)
        m_pictures.append(QPixmap(QStringLiteral(":Resources/image/Loading_%1.png").arg(number)));
    if (!m_pictures.isEmpty())
        m_ui->loadPic->setPixmap(m_pictures.first());
}

LoadingPlugin::~LoadingPlugin() = default;

void LoadingPlugin::SetWaitingText(const QString &text)
{
    m_ui->loadText->setText(text);
}

void LoadingPlugin::setRowMargins(const QMargins &margins)
{
    m_ui->horizontalLayout->setContentsMargins(margins);
}

void LoadingPlugin::onTimerChangePic()
{
    if (g_frame >= m_pictures.size())
        g_frame = 1;
    m_ui->loadPic->setPixmap(m_pictures.at(g_frame));
    ++g_frame;
}

void LoadingPlugin::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer->start(kFrameInterval);
}

void LoadingPlugin::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_timer->isActive())
        m_timer->stop();
}
