#include "SingleInstanceGuard.h"

SingleInstanceGuard::SingleInstanceGuard(const QString &key)
    : m_key(key)
{
}

bool SingleInstanceGuard::acquire()
{
    removeOrphan();
    if (tryCreate())
        return true;
    // The key is derived from a key file's inode. When that file was deleted
    // with its folder, a new key file can get the old inode back and meet the
    // orphan of an earlier run, which the first probe could not reach before
    // the file existed again. The failed create left the file in place.
    removeOrphan();
    return tryCreate();
}

// A process that dies without detaching (killed, crashed) leaves its System V
// segment behind with no one attached, and every later start would take it
// for a running copy. Attaching a probe and detaching it again removes such an
// orphan (the last detach removes the segment); a running holder stays
// attached, so its segment stays.
void SingleInstanceGuard::removeOrphan() const
{
    QSharedMemory probe(m_key);
    if (probe.attach())
        probe.detach();
}

bool SingleInstanceGuard::tryCreate()
{
    m_memory.setKey(m_key);
    const bool attached = m_memory.attach(QSharedMemory::ReadWrite);
    const bool created = !attached && m_memory.create(1, QSharedMemory::ReadWrite);
    if (!created) {
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
