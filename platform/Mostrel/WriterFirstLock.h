#pragma once

#include <pthread.h>

// A shared lock whose exclusive side goes first: writers of log lines share
// it, while initialising and shutting down take it alone. Reader threads log
// without pause, so a waiting shut-down must not starve behind them.
class WriterFirstLock
{
public:
    WriterFirstLock();
    ~WriterFirstLock();
    WriterFirstLock(const WriterFirstLock &) = delete;
    WriterFirstLock &operator=(const WriterFirstLock &) = delete;

    void lock();
    void unlock();
    void lock_shared();
    void unlock_shared();

private:
    pthread_rwlock_t m_lock;
};
