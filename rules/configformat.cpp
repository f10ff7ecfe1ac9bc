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
    visit(farben, QStringLiteral("Helligkeit"), c.helligkeit);
    visit(farben, QStringLiteral("VerlaufStart"), c.verlaufStart);
    visit(farben, QStringLiteral("VerlaufEnde"), c.verlaufEnde);
    visit.scheme(c.scheme);
    visit(modus, QStringLiteral("Modus"), c.modus);
    visit(modus, QStringLiteral("Links"), c.links);
    visit(modus, QStringLiteral("Oben"), c.oben);
    visit(modus, QStringLiteral("Vorschlag"), c.vorschlag);
    visit(modus, QStringLiteral("Abstufungen"), c.abstufungen);
    visit(modus, QStringLiteral("Tray"), c.tray);
    visit(modus, QStringLiteral("Deckkraft"), c.deckkraft);
    visit(modus, QStringLiteral("Zoomfaktor"), c.zoomfaktor);
    visit(modus, QStringLiteral("Rahmen"), c.rahmen);
    for (int i = 0; i < 5; ++i)
        visit(farben, numbered("Clipbrd", i + 1), c.clipbrd[i]);
    visit(farben, QStringLiteral("Backgrnd"), c.backgrnd);
    visit(farben, QStringLiteral("BackgrndS"), c.backgrndS);
    for (int i = 0; i < 4; ++i)
        visit(farben, numbered("Pal", i + 1), c.pal[i]);
    for (int i = 0; i < 4; ++i)
        visit(farben, numbered("Pal", i + 1, "Ges"), c.palGes[i]);
    for (int n = 0; n < optionCount; ++n)
        visit(optionen, numbered("Opt", n), c.options[static_cast<Option>(n)]);
    visit(erweiterungen, QStringLiteral("Oklch"), c.oklchMode);
    visit(erweiterungen, QStringLiteral("OklabVerlauf"), c.oklabGradient);
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
