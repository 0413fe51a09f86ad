#include "LoginGuard.h"

namespace sim::camera {

LoginGuard::LoginGuard(int failuresBeforeLock, int lockSeconds)
    : m_failuresBeforeLock(failuresBeforeLock)
    , m_lockSeconds(lockSeconds)
    , m_clock([] { return std::chrono::steady_clock::now(); })
{
}

void LoginGuard::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void LoginGuard::setPassword(const std::string &password)
{
    m_password = password;
}

std::uint32_t LoginGuard::remainingSeconds() const
{
    if (!m_locked)
        return 0;
    const auto left = m_lockedUntil - m_clock();
    if (left <= std::chrono::steady_clock::duration::zero())
        return 0;
    // Round up: a lock with 0.2 s left is still a lock.
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(left).count();
    return std::uint32_t((ms + 999) / 1000);
}

LoginGuard::Verdict LoginGuard::attempt(const std::string &password)
{
    Verdict verdict;
    if (m_locked) {
        verdict.remainingLockSeconds = remainingSeconds();
        if (verdict.remainingLockSeconds > 0)
            return verdict;
        m_locked = false;
        m_failures = 0;
    }
    if (password == m_password) {
        m_failures = 0;
        m_loggedIn = true;
        verdict.accepted = true;
        return verdict;
    }
    if (++m_failures >= m_failuresBeforeLock) {
        m_locked = true;
        m_lockedUntil = m_clock() + std::chrono::seconds(m_lockSeconds);
        verdict.remainingLockSeconds = remainingSeconds();
    }
    return verdict;
}

void LoginGuard::clearLock()
{
    m_locked = false;
    m_failures = 0;
}

} // namespace sim::camera
