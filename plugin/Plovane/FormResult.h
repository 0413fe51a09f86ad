#pragma once

// What the plug-in's entry points and the form manager return: the program
// tests for these two values only.
namespace FormResult {
constexpr int kFailed = -1;
constexpr int kDone = 0;
} // namespace FormResult
