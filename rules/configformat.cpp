#include "rules/configformat.h"

#include "platform/inifile.h"

#include <optional>

namespace Tintara {

namespace {

const QString farben = QStringLiteral("Farben");
const QString modus = QStringLiteral("Modus");
const QString optionen = QStringLiteral("Optionen");
const QString erweiterungen = QStringLiteral("Erweiterungen");
const QString oberflaeche = QStringLiteral("Oberflaeche");

QString numbered(const char* word, int n, const char* suffix = "")
{
    return QLatin1String(word) + QString::number(n) + QLatin1String(suffix);
}

// Every key of tintara.ini, in the order a written file holds them, with the switch that restores
// it at start (none: always taken). Reading, writing and restoring all walk this one list, so a key
// cannot be written under one name and read under another, nor restored by another switch. It
// visits the same key of each of `configs` at once.
template <typename Visitor, typename... Configs>
void forEachKey(Visitor&& visit, Configs&... c)
{
    using enum Option;
    visit(farben, QStringLiteral("Farbanzeige"), ActiveColour, c.farbanzeige...);
    visit(farben, QStringLiteral("Helligkeit"), BrightnessStart, c.pages.helligkeit...);
    visit(farben, QStringLiteral("VerlaufStart"), GradientColours, c.pages.verlaufStart...);
    visit(farben, QStringLiteral("VerlaufEnde"), GradientColours, c.pages.verlaufEnde...);
    visit.scheme(c.scheme...);
    visit(modus, QStringLiteral("Modus"), DisplayMode, c.modus...);
    visit(modus, QStringLiteral("Links"), WindowPosition, c.links...);
    visit(modus, QStringLiteral("Oben"), WindowPosition, c.oben...);
    visit(modus, QStringLiteral("Vorschlag"), FinderRule, c.pages.vorschlag...);
    visit(modus, QStringLiteral("Abstufungen"), GradationChoice, c.pages.abstufungen...);
    visit(modus, QStringLiteral("Tray"), CopyFormat, c.pages.tray...);
    visit(modus, QStringLiteral("Deckkraft"), MixerOpacity, c.pages.deckkraft...);
    visit(modus, QStringLiteral("Zoomfaktor"), MagnifierZoom, c.zoomfaktor...);
    visit(modus, QStringLiteral("Rahmen"), FinderFrames, c.pages.rahmen...);
    for (int i = 0; i < 5; ++i)
        visit(farben, numbered("Clipbrd", i + 1), ClipboardColours, c.clipbrd[i]...);
    visit(farben, QStringLiteral("Backgrnd"), Background, c.backgrnd...);
    visit(farben, QStringLiteral("BackgrndS"), Background, c.backgrndS...);
    for (int i = 0; i < 4; ++i)
        visit(farben, numbered("Pal", i + 1), MixingFields, c.pages.pal[i]...);
    for (int i = 0; i < 4; ++i)
        visit(farben, numbered("Pal", i + 1, "Ges"), MixingFields, c.pages.palGes[i]...);
    for (int n = 0; n < optionCount; ++n)
        visit(optionen, numbered("Opt", n), std::nullopt, c.pages.options[static_cast<Option>(n)]...);
    visit(erweiterungen, QStringLiteral("Oklch"), DisplayMode, c.oklchMode...);
    visit(erweiterungen, QStringLiteral("OklchGamut"), DisplayMode, c.oklchGamut...);
    visit(erweiterungen, QStringLiteral("OklabVerlauf"), GradientColours, c.pages.oklabGradient...);
    visit(erweiterungen, QStringLiteral("Zoom"), std::nullopt, c.zoom...);
    visit(erweiterungen, QStringLiteral("Erscheinungsbild"), std::nullopt, c.appearance...);
    visit(oberflaeche, QStringLiteral("Sprache"), std::nullopt, c.sprache...);
}

using Switch = std::optional<Option>;

// Colours as signed 32-bit numbers, switches as 1 or 0; a missing or unreadable value keeps the default.
struct Reader {
    const IniFile& ini;
    void operator()(const QString& section, const QString& key, Switch, TColor& value) const
    {
        value = static_cast<TColor>(ini.readInteger(section, key, storedColor(value)));
    }
    void operator()(const QString& section, const QString& key, Switch, int& value) const
    {
        value = ini.readInteger(section, key, value);
    }
    void operator()(const QString& section, const QString& key, Switch, bool& value) const
    {
        value = ini.readBool(section, key, value);
    }
    void operator()(const QString& section, const QString& key, Switch, QString& value) const
    {
        value = ini.readString(section, key, value);
    }
    void scheme(SchemeSlots& value) const { value = readSchemeSlots(ini); }
};

struct Writer {
    IniFile& ini;
    void operator()(const QString& section, const QString& key, Switch, TColor value) const
    {
        ini.writeInteger(section, key, storedColor(value));
    }
    void operator()(const QString& section, const QString& key, Switch, int value) const
    {
        ini.writeInteger(section, key, value);
    }
    void operator()(const QString& section, const QString& key, Switch, bool value) const
    {
        ini.writeBool(section, key, value);
    }
    void operator()(const QString& section, const QString& key, Switch, const QString& value) const
    {
        ini.writeString(section, key, value);
    }
    void scheme(const SchemeSlots& value) const { writeSchemeSlots(ini, value); }
};

// Takes the stored value of each key its switch restores; the info texts come back only with
// the scheme.
struct Restorer {
    const OptionSwitches& switches;
    template <typename Value>
    void operator()(const QString&, const QString&, Switch option, Value& taken, const Value& stored) const
    {
        if (!option || switches.restores(*option))
            taken = stored;
    }
    void scheme(SchemeSlots& taken, const SchemeSlots& stored) const
    {
        if (!switches.restores(Option::Scheme))
            return;
        taken.colors = stored.colors;
        taken.used = stored.used;
        if (switches.restores(Option::InfoTexts))
            taken.infos = stored.infos;
    }
};

} // namespace

PageSettings freshPageSettings()
{
    PageSettings fresh;
    fresh.helligkeit = 0x008000;
    fresh.verlaufStart = 0x800000;
    fresh.verlaufEnde = 0x008000;
    fresh.pal = {clWhite, clWhite, clWhite, clWhite};
    fresh.deckkraft = 30;
    return fresh;
}

Configuration restoredConfiguration(const Configuration& stored, const Configuration& fresh)
{
    Configuration taken = fresh;
    forEachKey(Restorer{stored.pages.options}, taken, stored);
    return taken;
}

Configuration readConfiguration(const IniFile& ini)
{
    Configuration c;
    forEachKey(Reader{ini}, c);
    return c;
}

void writeConfiguration(IniFile& ini, const Configuration& c)
{
    for (const char* section : {"Farben", "Palette", "Hints", "Modus", "Optionen", "Erweiterungen", "Oberflaeche"})
        ini.eraseSection(QLatin1String(section));
    forEachKey(Writer{ini}, c);
}

} // namespace Tintara
