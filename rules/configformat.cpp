#include "rules/configformat.h"

#include "platform/inifile.h"

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

// Every key of tintara.ini, in the order a written file holds them. Reading and writing both walk
// this one list, so a key cannot be written under one name and read under another.
template <typename Config, typename Visitor>
void forEachKey(Config& c, Visitor&& visit)
{
    visit(farben, QStringLiteral("Farbanzeige"), c.farbanzeige);
    visit(farben, QStringLiteral("Helligkeit"), c.pages.helligkeit);
    visit(farben, QStringLiteral("VerlaufStart"), c.pages.verlaufStart);
    visit(farben, QStringLiteral("VerlaufEnde"), c.pages.verlaufEnde);
    visit.scheme(c.scheme);
    visit(modus, QStringLiteral("Modus"), c.modus);
    visit(modus, QStringLiteral("Links"), c.links);
    visit(modus, QStringLiteral("Oben"), c.oben);
    visit(modus, QStringLiteral("Vorschlag"), c.pages.vorschlag);
    visit(modus, QStringLiteral("Abstufungen"), c.pages.abstufungen);
    visit(modus, QStringLiteral("Tray"), c.pages.tray);
    visit(modus, QStringLiteral("Deckkraft"), c.pages.deckkraft);
    visit(modus, QStringLiteral("Zoomfaktor"), c.zoomfaktor);
    visit(modus, QStringLiteral("Rahmen"), c.pages.rahmen);
    for (int i = 0; i < 5; ++i)
        visit(farben, numbered("Clipbrd", i + 1), c.clipbrd[i]);
    visit(farben, QStringLiteral("Backgrnd"), c.backgrnd);
    visit(farben, QStringLiteral("BackgrndS"), c.backgrndS);
    for (int i = 0; i < 4; ++i)
        visit(farben, numbered("Pal", i + 1), c.pages.pal[i]);
    for (int i = 0; i < 4; ++i)
        visit(farben, numbered("Pal", i + 1, "Ges"), c.pages.palGes[i]);
    for (int n = 0; n < optionCount; ++n)
        visit(optionen, numbered("Opt", n), c.pages.options[static_cast<Option>(n)]);
    visit(erweiterungen, QStringLiteral("Oklch"), c.oklchMode);
    visit(erweiterungen, QStringLiteral("OklabVerlauf"), c.pages.oklabGradient);
    visit(oberflaeche, QStringLiteral("Sprache"), c.sprache);
}

// Colours as signed 32-bit numbers, switches as 1 or 0; a missing or unreadable value keeps the default.
struct Reader {
    const IniFile& ini;
    void operator()(const QString& section, const QString& key, TColor& value) const
    {
        value = static_cast<TColor>(ini.readInteger(section, key, storedColor(value)));
    }
    void operator()(const QString& section, const QString& key, int& value) const
    {
        value = ini.readInteger(section, key, value);
    }
    void operator()(const QString& section, const QString& key, bool& value) const
    {
        value = ini.readBool(section, key, value);
    }
    void operator()(const QString& section, const QString& key, QString& value) const
    {
        value = ini.readString(section, key, value);
    }
    void scheme(SchemeSlots& value) const { value = readSchemeSlots(ini); }
};

struct Writer {
    IniFile& ini;
    void operator()(const QString& section, const QString& key, TColor value) const
    {
        ini.writeInteger(section, key, storedColor(value));
    }
    void operator()(const QString& section, const QString& key, int value) const
    {
        ini.writeInteger(section, key, value);
    }
    void operator()(const QString& section, const QString& key, bool value) const
    {
        ini.writeBool(section, key, value);
    }
    void operator()(const QString& section, const QString& key, const QString& value) const
    {
        ini.writeString(section, key, value);
    }
    void scheme(const SchemeSlots& value) const { writeSchemeSlots(ini, value); }
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

PageSettings restoredPageSettings(const PageSettings& stored)
{
    PageSettings settings = freshPageSettings();
    const OptionSwitches& options = stored.options;
    settings.options = options;
    if (options.restores(Option::BrightnessStart))
        settings.helligkeit = stored.helligkeit;
    if (options.restores(Option::GradientColours)) {
        settings.verlaufStart = stored.verlaufStart;
        settings.verlaufEnde = stored.verlaufEnde;
        settings.oklabGradient = stored.oklabGradient;
    }
    if (options.restores(Option::MixingFields)) {
        settings.pal = stored.pal;
        settings.palGes = stored.palGes;
    }
    if (options.restores(Option::MixerOpacity))
        settings.deckkraft = stored.deckkraft;
    if (options.restores(Option::FinderRule))
        settings.vorschlag = stored.vorschlag;
    if (options.restores(Option::FinderFrames))
        settings.rahmen = stored.rahmen;
    if (options.restores(Option::GradationChoice))
        settings.abstufungen = stored.abstufungen;
    if (options.restores(Option::CopyFormat))
        settings.tray = stored.tray;
    return settings;
}

Configuration readConfiguration(const IniFile& ini)
{
    Configuration c;
    forEachKey(c, Reader{ini});
    return c;
}

void writeConfiguration(IniFile& ini, const Configuration& c)
{
    for (const char* section : {"Farben", "Palette", "Hints", "Modus", "Optionen", "Erweiterungen", "Oberflaeche"})
        ini.eraseSection(QLatin1String(section));
    forEachKey(c, Writer{ini});
}

} // namespace Tintara
