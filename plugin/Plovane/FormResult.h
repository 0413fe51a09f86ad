#pragma once

// The answers of the plug-in's entry points and of the form manager: one
// definition, so that both always answer the host alike.
namespace FormResult {
constexpr int kFailed = -1;
constexpr int kDone = 0;
} // namespace FormResult
