#include "rules/navigationrules.h"

#include <gtest/gtest.h>

using namespace Tintara;

TEST(NavigationRules, WhereEachCommandLeavesTheBackground)
{
    const struct {
        BackgroundUse use;
        int customFlag;
        BackgroundRule expected;
    } cases[] = {
        {BackgroundUse::User, 1, BackgroundRule::Custom},       {BackgroundUse::User, 0, BackgroundRule::Standard},
        {BackgroundUse::Standard, 1, BackgroundRule::Standard}, {BackgroundUse::Leaves, 1, BackgroundRule::Unchanged},
        {BackgroundUse::Leaves, 0, BackgroundRule::Unchanged},
    };
    for (const auto& c : cases)
        EXPECT_EQ(backgroundRule(c.use, c.customFlag), c.expected) << static_cast<int>(c.use) << c.customFlag;
}
