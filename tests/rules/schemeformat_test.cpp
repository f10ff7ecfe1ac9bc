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

// The theme's roles live in a section of their own at the end: a slot number or a colour per
// role, "key.dark" for a dark colour given on purpose. Lines that say nothing readable are passed
// over, and a scheme without roles has no such section.
TEST(SchemeFormat, RolesKeepASectionOfTheirOwnAtTheEnd)
{
    const IniFile read = IniFile::fromText(
        "[Palette]\r\nFarbe1=16777215\r\nFarbeGes1=1\r\n[Farbrollen]\r\nbackground=1\r\ntext=#1F2937\r\n"
        "text.dark=#E5E7EB\r\nprimary=17\r\nlink=blau-ish\r\naccent=rgb(255 0 0)\r\nsurface.dark=2\r\nunknown=#FFFFFF\r\n");
    const SchemeSlots scheme = readSchemeSlots(read);
    const ThemeRoles& roles = scheme.roles;
    EXPECT_EQ(roles.light[roleIndex(Role::Background)], (RoleColor{1, 0}));
    EXPECT_EQ(roles.light[roleIndex(Role::Text)], (RoleColor{0, RGB(0x1F, 0x29, 0x37)}));
    EXPECT_EQ(roles.dark[roleIndex(Role::Text)], RGB(0xE5, 0xE7, 0xEB));
    EXPECT_EQ(roles.light[roleIndex(Role::Accent)], (RoleColor{0, RGB(255, 0, 0)})) << "any colour text";
    EXPECT_FALSE(roles.light[roleIndex(Role::Primary)]) << "there is no slot 17";
    EXPECT_FALSE(roles.light[roleIndex(Role::Link)]);
    EXPECT_FALSE(roles.dark[roleIndex(Role::Surface)]) << "a dark colour follows no slot";

    IniFile written = IniFile::fromText("");
    writeSchemeSlots(written, scheme);
    EXPECT_TRUE(written.toBytes().endsWith("[Farbrollen]\r\nbackground=1\r\ntext=#1F2937\r\ntext.dark=#E5E7EB\r\n"
                                           "accent=#FF0000\r\n"))
        << written.toBytes().toStdString();
    EXPECT_EQ(readSchemeSlots(written), scheme);

    SchemeSlots without = scheme;
    without.roles = {};
    IniFile again = read; // saved onto the file it came from without roles: the section goes
    writeSchemeSlots(again, without);
    EXPECT_FALSE(again.toBytes().contains("Farbrollen"));
    EXPECT_TRUE(again.toBytes().endsWith("Feld16=\r\n")) << again.toBytes().toStdString();
}
