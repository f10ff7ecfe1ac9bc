#include "platform/inifile.h"
#include "rules/configformat.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryDir>

using namespace Tintara;
using Tintara::Testing::readFile;

namespace {

// The lines "Section/Key=value" of the file `config` is written as.
QSet<QString> writtenLines(const Configuration& config)
{
    QTemporaryDir folder;
    IniFile ini(folder.filePath("tintara.ini"));
    writeConfiguration(ini, config);
    EXPECT_FALSE(ini.save().has_value());
    QSet<QString> lines;
    QString section;
    for (const QString& line : QString::fromUtf8(readFile(ini.path())).split("\r\n", Qt::SkipEmptyParts)) {
        if (line.startsWith('['))
            section = line.mid(1, line.size() - 2);
        else
            lines << section + '/' + line;
    }
    return lines;
}

// The keys whose written values differ between `a` and `b`, in order.
std::string differingKeys(const Configuration& a, const Configuration& b)
{
    QStringList keys;
    for (const QString& line : writtenLines(a) - writtenLines(b))
        keys << line.left(line.indexOf('='));
    keys.sort();
    return keys.join(' ').toStdString();
}

// A stored file with another value than `fresh` under every key.
Configuration storedUnlikeFresh()
{
    Configuration c;
    c.farbanzeige = 1;
    c.pages.helligkeit = 2;
    c.pages.verlaufStart = 3;
    c.pages.verlaufEnde = 4;
    for (int n = 0; n < 16; ++n) {
        c.scheme.colors[n] = 100 + n;
        c.scheme.used[n] = 1;
        c.scheme.infos[n] = QString("Feld %1").arg(n + 1);
    }
    c.modus = 2;
    c.links = 10;
    c.oben = 20;
    c.pages.vorschlag = 3;
    c.pages.abstufungen = 1;
    c.pages.tray = 4;
    c.pages.deckkraft = 99;
    c.zoomfaktor = 2;
    c.pages.rahmen = false;
    c.clipbrd = {5, 6, 7, 8, 9};
    c.backgrnd = 11;
    c.backgrndS = 1;
    c.pages.pal = {12, 13, 14, 15};
    c.pages.palGes = {1, 1, 1, 1};
    c.oklchMode = true;
    c.oklchGamut = 1;
    c.pages.oklabGradient = true;
    c.sprache = "en";
    c.zoom = 150;
    c.appearance = 2;
    return c;
}

QStringList numbered(const QString& prefix, int from, int to, const QString& suffix = {})
{
    QStringList keys;
    for (int n = from; n <= to; ++n)
        keys << prefix + QString::number(n) + suffix;
    return keys;
}

} // namespace

// Each switch, with the master switch, brings back exactly its own keys; the language, the view and the
// switches themselves always come back, and the info texts only with the scheme.
TEST(RestoredConfiguration, EachSwitchRestoresItsOwnKeys)
{
    const QStringList always = {"Erweiterungen/Erscheinungsbild", "Erweiterungen/Zoom", "Oberflaeche/Sprache"};
    const std::vector<std::pair<std::vector<Option>, QStringList>> cases = {
        {{}, {}},
        {{Option::ActiveColour}, {"Farben/Farbanzeige"}},
        {{Option::DisplayMode}, {"Erweiterungen/Oklch", "Erweiterungen/OklchGamut", "Modus/Modus"}},
        {{Option::MagnifierZoom}, {"Modus/Zoomfaktor"}},
        {{Option::Scheme}, numbered("Palette/Farbe", 1, 16) + numbered("Palette/FarbeGes", 1, 16)},
        {{Option::InfoTexts}, {}},
        {{Option::Scheme, Option::InfoTexts},
         numbered("Hints/Feld", 1, 16) + numbered("Palette/Farbe", 1, 16) + numbered("Palette/FarbeGes", 1, 16)},
        {{Option::ClipboardColours}, numbered("Farben/Clipbrd", 1, 5)},
        {{Option::Background}, {"Farben/Backgrnd", "Farben/BackgrndS"}},
        {{Option::WindowPosition}, {"Modus/Links", "Modus/Oben"}},
        {{Option::GradientColours}, {"Erweiterungen/OklabVerlauf", "Farben/VerlaufEnde", "Farben/VerlaufStart"}},
        {{Option::BrightnessStart}, {"Farben/Helligkeit"}},
        {{Option::FinderRule}, {"Modus/Vorschlag"}},
        {{Option::FinderFrames}, {"Modus/Rahmen"}},
        {{Option::MixerOpacity}, {"Modus/Deckkraft"}},
        {{Option::MixingFields}, numbered("Farben/Pal", 1, 4) + numbered("Farben/Pal", 1, 4, "Ges")},
        {{Option::GradationChoice}, {"Modus/Abstufungen"}},
        {{Option::CopyFormat}, {"Modus/Tray"}},
    };
    for (const auto& [on, keys] : cases) {
        Configuration stored = storedUnlikeFresh();
        stored.pages.options.on.fill(false);
        stored.pages.options[Option::RestoreAtStart] = true;
        for (const Option option : on)
            stored.pages.options[option] = true;
        Configuration fresh;
        fresh.pages.options = stored.pages.options; // the switches themselves always come back
        QStringList expected = keys + always;
        expected.sort();
        EXPECT_EQ(differingKeys(restoredConfiguration(stored, fresh), fresh), expected.join(' ').toStdString());
    }
}

TEST(RestoredConfiguration, WithTheMasterSwitchOffOnlyTheSwitchesAndTheLanguageComeBack)
{
    Configuration stored = storedUnlikeFresh();
    stored.pages.options[Option::RestoreAtStart] = false;
    const Configuration taken = restoredConfiguration(stored, Configuration{});
    EXPECT_EQ(differingKeys(taken, Configuration{}),
              "Erweiterungen/Erscheinungsbild Erweiterungen/Zoom Oberflaeche/Sprache Optionen/Opt0");
}
