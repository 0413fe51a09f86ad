#pragma once

// The camera's log-in check: the device password, a count of consecutive
// failures and a lock that refuses every log-in, the right password included,
// until it has run out. A refusal during the lock reports how long the lock
// has already lasted; the program works out the seconds still to wait.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace sim::camera {

class LoginGuard
{
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    struct Verdict
    {
        bool accepted = false;
        // 0 for a plain wrong password; during a lock the whole seconds since
        // it began, at least 1, so that 0 never reads as "not locked".
        std::uint32_t lockElapsedSeconds = 0;
    };

    LoginGuard(int failuresBeforeLock, int lockSeconds);

    void setClock(Clock clock);
    void setPassword(const std::string &password);
    const std::string &password() const { return m_password; }
    bool matches(const std::string &password) const { return password == m_password; }

    Verdict attempt(const std::string &password);
    void clearLock();

    bool loggedIn() const { return m_loggedIn; }
    void logOut() { m_loggedIn = false; }

private:
    bool lockRunning() const;
    std::uint32_t elapsedSeconds() const;

    int m_failuresBeforeLock;
    int m_lockSeconds;
    Clock m_clock;
    std::string m_password;
    int m_failures = 0;
    bool m_locked = false;
    std::chrono::steady_clock::time_point m_lockedSince;
    bool m_loggedIn = false;
};

} // namespace sim::camera
