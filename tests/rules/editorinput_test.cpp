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

TEST(ZahleneingabeRule, MinusOnlyFirstAndNoLetters)
{
    EXPECT_FALSE(ZahleneingabeRule("", u'-').swallow);
    EXPECT_TRUE(ZahleneingabeRule("4", u'-').swallow);
    EXPECT_TRUE(ZahleneingabeRule("4", u'x').swallow);
    EXPECT_FALSE(ZahleneingabeRule("4", enterKey).swallow);
}
