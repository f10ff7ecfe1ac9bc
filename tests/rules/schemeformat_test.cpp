#include "platform/inifile.h"
#include "rules/schemeformat.h"

#include <gtest/gtest.h>

using namespace Tintara;

// A slot's colour beyond sRGB lives in keys of its own at the end, which readers of the specified
// keys pass over; a scheme without one writes the file as before.
TEST(SchemeFormat, WideColoursKeepKeysOfTheirOwnInTheAddedSection)
{
    const IniFile read = IniFile::fromText(
        "[Palette]\r\nFarbe1=789503\r\nFarbeGes1=1\r\n[Erweiterungen]\r\nOklch=1\r\nOKLCH1=0.6486 0.2995 28.96\r\n"
        "OKLCH2=1.5 0 0\r\nOKLCH3=viel bunt\r\nOKLCH4=0.62 0.25 264\r\nOKLCH5=0,62 0,25 264\r\n");
    const SchemeSlots scheme = readSchemeSlots(read);
    ASSERT_TRUE(scheme.wide[0]);
    EXPECT_EQ(*scheme.wide[0], (Oklch{0.6486, 0.2995, 28.96}));
    EXPECT_EQ(scheme.colors[0], 789503u) << "the specified key keeps the fallback";
    EXPECT_FALSE(scheme.wide[1]) << "lightness beyond 1";
    EXPECT_FALSE(scheme.wide[2]);
    EXPECT_EQ(*scheme.wide[3], (Oklch{0.62, 0.25, 264}));
    EXPECT_FALSE(scheme.wide[4]) << "a decimal point, in every language";

    IniFile plain = IniFile::fromText("");
    SchemeSlots without = scheme;
    without.wide = {};
    writeSchemeSlots(plain, without);
    EXPECT_FALSE(plain.toBytes().contains("Erweiterungen"));

    IniFile written = IniFile::fromText("");
    writeSchemeSlots(written, scheme);
    EXPECT_TRUE(written.toBytes().endsWith("[Erweiterungen]\r\nOKLCH1=0.648600 0.299500 28.960000\r\n"
                                           "OKLCH4=0.620000 0.250000 264.000000\r\n"))
        << written.toBytes().toStdString();
    EXPECT_EQ(readSchemeSlots(written), scheme);

    // Saved onto the file it came from without its wide colours: the keys are emptied, the rest stays.
    IniFile again = read;
    writeSchemeSlots(again, without);
    EXPECT_EQ(readSchemeSlots(again).wide, without.wide);
    EXPECT_TRUE(again.toBytes().contains("Oklch=1\r\nOKLCH1=\r\n"));
}
