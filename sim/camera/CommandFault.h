#pragma once

#include <cstddef>
#include <cstdint>

namespace sim {

// How a camera told to misbehave answers one command. Failure and no answer
// leave the camera's state untouched; the payload faults cut the payload of
// the command's own reply after the command has done its work.
struct CommandFault
{
    enum class Kind { None, FailResult, ShortPayload, EmptyPayload, NoAnswer, FailAfterStart };

    Kind kind = Kind::None;
    std::uint8_t result = 1;     // FailResult: the result byte sent
    std::size_t length = 0;      // ShortPayload: the payload bytes kept

    static CommandFault fail(std::uint8_t result = 1) { return {Kind::FailResult, result, 0}; }
    static CommandFault shortPayload(std::size_t length) { return {Kind::ShortPayload, 1, length}; }
    static CommandFault emptyPayload() { return {Kind::EmptyPayload, 1, 0}; }
    static CommandFault noAnswer() { return {Kind::NoAnswer, 1, 0}; }
    // A transfer that starts (its reply with 0), sends part of the data and
    // ends with reply 3 carrying result.
    static CommandFault failAfterStart(std::uint8_t result = 1) { return {Kind::FailAfterStart, result, 0}; }
};

} // namespace sim
