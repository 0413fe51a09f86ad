#include "UploadGuard.h"

UploadGuard *UploadGuard::instance()
{
    static UploadGuard guard;
    return &guard;
}

bool UploadGuard::tryBegin()
{
    if (m_busy)
        return false;
    m_busy = true;
    emit busyChanged(true);
    return true;
}

void UploadGuard::end()
{
    if (!m_busy)
        return;
    m_busy = false;
    emit busyChanged(false);
}
