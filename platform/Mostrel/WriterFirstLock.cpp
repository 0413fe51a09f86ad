#include "WriterFirstLock.h"

WriterFirstLock::WriterFirstLock()
{
    pthread_rwlockattr_t attributes;
    pthread_rwlockattr_init(&attributes);
    pthread_rwlockattr_setkind_np(&attributes, PTHREAD_RWLOCK_PREFER_WRITER_NONRECURSIVE_NP);
    pthread_rwlock_init(&m_lock, &attributes);
    pthread_rwlockattr_destroy(&attributes);
}

WriterFirstLock::~WriterFirstLock()
{
    pthread_rwlock_destroy(&m_lock);
}

void WriterFirstLock::lock()
{
    pthread_rwlock_wrlock(&m_lock);
}

void WriterFirstLock::unlock()
{
    pthread_rwlock_unlock(&m_lock);
}

void WriterFirstLock::lock_shared()
{
    pthread_rwlock_rdlock(&m_lock);
}

void WriterFirstLock::unlock_shared()
{
    pthread_rwlock_unlock(&m_lock);
}
