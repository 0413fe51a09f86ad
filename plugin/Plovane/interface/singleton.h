#pragma once

#include <QMutex>
#include <QMutexLocker>

#include <atomic>

// One process-wide instance of T, created on first use and kept until the
// process ends. The pointer is atomic so that the unlocked first test is safe.
template <typename T>
class singleton
{
public:
    static T *instance()
    {
        T *existing = s_instance.load(std::memory_order_acquire);
        if (existing)
            return existing;
        QMutexLocker lock(&s_mutex);
        existing = s_instance.load(std::memory_order_relaxed);
        if (!existing) {
            existing = new T;
            s_instance.store(existing, std::memory_order_release);
        }
        return existing;
    }

protected:
    singleton() = default;
    virtual ~singleton() = default;

private:
    static inline std::atomic<T *> s_instance{nullptr};
    static inline QMutex s_mutex;
};
