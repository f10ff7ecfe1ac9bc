#include "rules/navigationrules.h"

#include <gtest/gtest.h>

using namespace Tintara;

namespace {

constexpr std::array<Navigation, 4> table = {{
    {"ToolButton1", "mmA", 5, Command::ShowPage, "Z_A", true},
    {"ToolButton2", nullptr, 0, Command::NewScheme},
    {"ToolButton3", "mmC", 0, Command::ShowPage, "Z_C"},
    {"ToolButton4", "mmD", 1, Command::Help},
}};

} // namespace

TEST(NavigationRules, LookupsFindTheirRowAndRefuseWhatTheTableLacks)
{
    EXPECT_EQ(navigationForSender(table, u"ToolButton2"), &table[1]);
    EXPECT_EQ(navigationForSender(table, u"ToolButton"), nullptr);
    EXPECT_EQ(navigationForSender(table, u""), nullptr);
    EXPECT_EQ(navigationForMenuEntry(table, u"mmC"), &table[2]);
    EXPECT_EQ(navigationForMenuEntry(table, u""), nullptr) << "a row without an entry matches no name";
    EXPECT_EQ(navigationForKey(table, 5), &table[0]);
    EXPECT_EQ(navigationForKey(table, 0), nullptr) << "rows without a key answer no key";
    EXPECT_EQ(navigationForKey(table, 7), nullptr);
    EXPECT_TRUE(isBackgroundPage(table, u"Z_A"));
    EXPECT_FALSE(isBackgroundPage(table, u"Z_C"));
    EXPECT_FALSE(isBackgroundPage(table, u""));
}

TEST(NavigationRules, WhereEachCommandLeavesTheBackground)
{
    const struct {
        const Navigation* row;
        int customFlag;
        BackgroundRule expected;
    } cases[] = {
        {&table[0], 1, BackgroundRule::Custom},    {&table[0], 0, BackgroundRule::Standard},
        {&table[2], 1, BackgroundRule::Standard},  {&table[1], 1, BackgroundRule::Unchanged},
        {&table[3], 1, BackgroundRule::Standard},  {nullptr, 1, BackgroundRule::Standard},
    };
    for (const auto& c : cases)
        EXPECT_EQ(backgroundRule(c.row, c.customFlag), c.expected) << (c.row ? c.row->sender : "none");
}
