#include "rules/editorinput.h"

#include <gtest/gtest.h>

using namespace Tintara;

TEST(WertEingabeRule, EmptyFieldTakesOnlyLeadingZeroOneOrTwo)
{
    EXPECT_TRUE(WertEingabeRule("", u'3', 255).swallow);
    EXPECT_TRUE(WertEingabeRule("", backspaceKey, 255).swallow);
    EXPECT_FALSE(WertEingabeRule("", u'2', 255).swallow);
    EXPECT_TRUE(WertEingabeRule("1", u'a', 255).swallow);
    EXPECT_FALSE(WertEingabeRule("12", backspaceKey, 255).swallow);
    EXPECT_FALSE(WertEingabeRule("12", backspaceKey, 255).replaceBy.has_value());
    EXPECT_EQ(WertEingabeRule("36", u'5', 360).replaceBy, "360");
    EXPECT_FALSE(WertEingabeRule("36", u'0', 360).replaceBy.has_value());
    EXPECT_TRUE(WertEingabeRule("255", u'7', 255).selectAll);
}

TEST(WertEingabeRule, ADigitOverASelectionIsJudgedByTheTextItLeaves)
{
    const auto passes = [](const KeyVerdict& v) { return !v.swallow && !v.selectAll && !v.replaceBy; };
    EXPECT_TRUE(passes(channelKeyOverSelection("50", 0, 2, u'5', 255)));
    EXPECT_TRUE(passes(channelKeyOverSelection("99", 0, 2, u'1', 255)));
    EXPECT_TRUE(passes(channelKeyOverSelection("50", 0, 2, backspaceKey, 255)));
    EXPECT_EQ(channelKeyOverSelection("255", 1, 1, u'9', 255).replaceBy, "255"); // 295
    EXPECT_EQ(channelKeyOverSelection("36", 0, 1, u'9', 360).replaceBy, std::nullopt); // 96
    EXPECT_TRUE(channelKeyOverSelection("50", 0, 2, u'x', 255).swallow);
    EXPECT_EQ(channelKeyOverSelection("50", 2, 0, u'1', 255).replaceBy, "255"); // no selection: 501
}

TEST(ZahleneingabeRule, MinusOnlyFirstAndNoLetters)
{
    EXPECT_FALSE(ZahleneingabeRule("", u'-').swallow);
    EXPECT_TRUE(ZahleneingabeRule("4", u'-').swallow);
    EXPECT_TRUE(ZahleneingabeRule("4", u'x').swallow);
    EXPECT_FALSE(ZahleneingabeRule("4", enterKey).swallow);
}
