#include <gtest/gtest.h>

#include <stdexcept>

#include "core/ScopeExit.h"

TEST(ScopeExit, RunsWhenTheScopeEndsNormallyOrByAnExceptionButNotOnceDismissed) {
    int state = 1;
    {
        Core::ScopeExit restore([&] { state = 1; });
        state = 2;
    }
    EXPECT_EQ(state, 1);

    EXPECT_THROW(
        {
            Core::ScopeExit restore([&] { state = 1; });
            state = 3;
            throw std::runtime_error("failed");
        },
        std::runtime_error);
    EXPECT_EQ(state, 1);

    {
        Core::ScopeExit undo([&] { state = 0; });
        state = 4;
        undo.dismiss();
    }
    EXPECT_EQ(state, 4);
}
