#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace quillby::testing {

// How long any test waits for work on another thread before it gives up.
inline constexpr std::chrono::seconds kWaitLimit{60};

// Polls done every millisecond until it holds; fails the test and returns false once limit
// has passed, so a stuck worker fails in seconds instead of hanging the run.
template <typename Done>
bool WaitUntil(Done done, std::chrono::milliseconds limit = kWaitLimit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            ADD_FAILURE() << "gave up waiting after " << limit.count() << " ms";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace quillby::testing
