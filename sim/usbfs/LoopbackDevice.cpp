#include "LoopbackDevice.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

namespace sim {

namespace {

constexpr char kPatternRequest[] = "BIG:";
constexpr std::size_t kPatternRequestLength = sizeof kPatternRequest - 1;
// Larger requests are echoed instead, so a stray request cannot exhaust memory.
constexpr std::size_t kLargestPattern = 64 * 1024 * 1024;

std::vector<std::uint8_t> countingPattern(std::size_t length)
{
    std::vector<std::uint8_t> pattern(length);
    for (std::size_t i = 0; i < length; ++i)
        pattern[i] = static_cast<std::uint8_t>(i & 0xFF);
    return pattern;
}

} // namespace

std::vector<std::uint8_t> LoopbackDevice::answerTo(const std::uint8_t *data, std::size_t length)
{
    if (length > kPatternRequestLength && std::memcmp(data, kPatternRequest, kPatternRequestLength) == 0) {
        const std::string digits(reinterpret_cast<const char *>(data) + kPatternRequestLength,
                                 length - kPatternRequestLength);
        char *end = nullptr;
        const unsigned long long requested = std::strtoull(digits.c_str(), &end, 10);
        if (end && *end == '\0' && requested <= kLargestPattern)
            return countingPattern(static_cast<std::size_t>(requested));
    }
    return std::vector<std::uint8_t>(data, data + length);
}

void LoopbackDevice::handleOut(const std::uint8_t *data, std::size_t length)
{
    std::vector<std::uint8_t> answer = answerTo(data, length);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        answers_.push_back(std::move(answer));
    }
    answerQueued_.notify_one();
}

bool LoopbackDevice::takeIn(std::vector<std::uint8_t> &packet, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex_);
    if (!answerQueued_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !answers_.empty(); }))
        return false;
    packet = std::move(answers_.front());
    answers_.pop_front();
    return true;
}

} // namespace sim
