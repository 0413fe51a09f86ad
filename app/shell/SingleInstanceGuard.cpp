#include "SingleInstanceGuard.h"

SingleInstanceGuard::SingleInstanceGuard(const QString &key)
    : m_key(key)
{
}

bool SingleInstanceGuard::acquire()
{
    // A process that dies without detaching (killed, crashed) leaves its
    // System V segment behind with no one attached, and every later start
    // would take it for a running copy. Attaching a probe and detaching it
    // again removes such an orphan (the last detach removes the segment);
    // a running holder stays attached, so its segment stays.
    {
        QSharedMemory probe(m_key);
        if (probe.attach())
            probe.detach();
    }

    m_memory.setKey(m_key);
    const bool attached = m_memory.attach(QSharedMemory::ReadWrite);
    const bool created = m_memory.create(1, QSharedMemory::ReadWrite);
    if (attached || !created) {
        if (m_memory.isAttached())
            m_memory.detach();
        return false;
    }
    return true;
}

void SingleInstanceGuard::release()
{
    if (m_memory.isAttached())
        m_memory.detach();
}
