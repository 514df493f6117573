#include <gtest/gtest.h>

#include "core/ActionContainer.h"

namespace {
class Echo : public Core::IAction, public Core::IExecutor {};
}  // namespace

TEST(ActionContainer, LookupIgnoresCaseAndHandleUnregisters) {
    auto& container = Core::Action::CContainer::instance();
    {
        auto handle = container.registerActionCreator("{ABCDEF01-0000-0000-0000-000000000000}",
                                                      [] { return std::make_shared<Echo>(); });
        EXPECT_TRUE(container.contains("{abcdef01-0000-0000-0000-000000000000}"));
    }
    EXPECT_FALSE(container.contains("{ABCDEF01-0000-0000-0000-000000000000}"));
}
