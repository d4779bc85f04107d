#include "base/ScopeExit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace tavrix {
namespace {

TEST(ScopeExit, RunsOnceWhateverEndsTheScopeUnlessDismissed) {
    int runs = 0;
    auto count = [&runs] { ++runs; };
    { const ScopeExit leave(count); }
    EXPECT_EQ(runs, 1);
    EXPECT_THROW(
        {
            const ScopeExit leave(count);
            throw std::runtime_error("cut short");
        },
        std::runtime_error);
    EXPECT_EQ(runs, 2);
    {
        ScopeExit moved(count);
        ScopeExit keeper(std::move(moved));
    }
    EXPECT_EQ(runs, 3) << "a moved action runs once, from where it went";
    {
        ScopeExit leave(count);
        leave.Dismiss();
    }
    EXPECT_EQ(runs, 3);
}

} // namespace
} // namespace tavrix
