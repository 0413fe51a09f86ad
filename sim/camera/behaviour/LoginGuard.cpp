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

bool LoginGuard::lockRunning() const
{
    return m_locked && m_clock() - m_lockedSince < std::chrono::seconds(m_lockSeconds);
}

std::uint32_t LoginGuard::elapsedSeconds() const
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(m_clock() - m_lockedSince).count();
    return std::uint32_t(elapsed < 1 ? 1 : elapsed);
}

LoginGuard::Verdict LoginGuard::attempt(const std::string &password)
{
    Verdict verdict;
    if (m_locked) {
        if (lockRunning()) {
            verdict.lockElapsedSeconds = elapsedSeconds();
            return verdict;
        }
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
        m_lockedSince = m_clock();
        verdict.lockElapsedSeconds = elapsedSeconds();
    }
    return verdict;
}

void LoginGuard::clearLock()
{
    m_locked = false;
    m_failures = 0;
}

} // namespace sim::camera
