#include "rules/configformat.h"

#include "platform/inifile.h"

namespace Tintara {

namespace {

const QString farben = QStringLiteral("Farben");
const QString modus = QStringLiteral("Modus");
const QString optionen = QStringLiteral("Optionen");

QString numbered(const char* word, int n, const char* suffix = "")
{
    return QLatin1String(word) + QString::number(n) + QLatin1String(suffix);
}

TColor readColor(const IniFile& ini, const QString& key, TColor fallback)
{
    return static_cast<TColor>(ini.readInteger(farben, key, storedColor(fallback)));
}

} // namespace

Configuration readConfiguration(const IniFile& ini)
{
    Configuration c;
    c.farbanzeige = readColor(ini, QStringLiteral("Farbanzeige"), c.farbanzeige);
    c.helligkeit = readColor(ini, QStringLiteral("Helligkeit"), c.helligkeit);
    c.verlaufStart = readColor(ini, QStringLiteral("VerlaufStart"), c.verlaufStart);
    c.verlaufEnde = readColor(ini, QStringLiteral("VerlaufEnde"), c.verlaufEnde);
    for (int i = 0; i < 5; ++i)
        c.clipbrd[i] = readColor(ini, numbered("Clipbrd", i + 1), c.clipbrd[i]);
    c.backgrnd = readColor(ini, QStringLiteral("Backgrnd"), c.backgrnd);
    c.backgrndS = ini.readInteger(farben, QStringLiteral("BackgrndS"), c.backgrndS);
    for (int i = 0; i < 4; ++i) {
        c.pal[i] = readColor(ini, numbered("Pal", i + 1), c.pal[i]);
        c.palGes[i] = ini.readInteger(farben, numbered("Pal", i + 1, "Ges"), c.palGes[i]);
    }
    c.scheme = readSchemeSlots(ini);
    c.modus = ini.readInteger(modus, QStringLiteral("Modus"), c.modus);
    c.links = ini.readInteger(modus, QStringLiteral("Links"), c.links);
    c.oben = ini.readInteger(modus, QStringLiteral("Oben"), c.oben);
    c.vorschlag = ini.readInteger(modus, QStringLiteral("Vorschlag"), c.vorschlag);
    c.abstufungen = ini.readInteger(modus, QStringLiteral("Abstufungen"), c.abstufungen);
    c.tray = ini.readInteger(modus, QStringLiteral("Tray"), c.tray);
    c.deckkraft = ini.readInteger(modus, QStringLiteral("Deckkraft"), c.deckkraft);
    c.zoomfaktor = ini.readInteger(modus, QStringLiteral("Zoomfaktor"), c.zoomfaktor);
    c.rahmen = ini.readBool(modus, QStringLiteral("Rahmen"), c.rahmen);
    for (int n = 0; n < 18; ++n)
        c.options[n] = ini.readBool(optionen, numbered("Opt", n), true);
    return c;
}

void writeConfiguration(IniFile& ini, const Configuration& c)
{
    for (const char* section : {"Farben", "Palette", "Hints", "Modus", "Optionen"})
        ini.eraseSection(QLatin1String(section));
    ini.writeInteger(farben, QStringLiteral("Farbanzeige"), storedColor(c.farbanzeige));
    ini.writeInteger(farben, QStringLiteral("Helligkeit"), storedColor(c.helligkeit));
    ini.writeInteger(farben, QStringLiteral("VerlaufStart"), storedColor(c.verlaufStart));
    ini.writeInteger(farben, QStringLiteral("VerlaufEnde"), storedColor(c.verlaufEnde));
    writeSchemeSlots(ini, c.scheme);
    ini.writeInteger(modus, QStringLiteral("Modus"), c.modus);
    ini.writeInteger(modus, QStringLiteral("Links"), c.links);
    ini.writeInteger(modus, QStringLiteral("Oben"), c.oben);
    ini.writeInteger(modus, QStringLiteral("Vorschlag"), c.vorschlag);
    ini.writeInteger(modus, QStringLiteral("Abstufungen"), c.abstufungen);
    ini.writeInteger(modus, QStringLiteral("Tray"), c.tray);
    ini.writeInteger(modus, QStringLiteral("Deckkraft"), c.deckkraft);
    ini.writeInteger(modus, QStringLiteral("Zoomfaktor"), c.zoomfaktor);
    ini.writeBool(modus, QStringLiteral("Rahmen"), c.rahmen);
    for (int i = 0; i < 5; ++i)
        ini.writeInteger(farben, numbered("Clipbrd", i + 1), storedColor(c.clipbrd[i]));
    ini.writeInteger(farben, QStringLiteral("Backgrnd"), storedColor(c.backgrnd));
    ini.writeInteger(farben, QStringLiteral("BackgrndS"), c.backgrndS);
    for (int i = 0; i < 4; ++i)
        ini.writeInteger(farben, numbered("Pal", i + 1), storedColor(c.pal[i]));
    for (int i = 0; i < 4; ++i)
        ini.writeInteger(farben, numbered("Pal", i + 1, "Ges"), c.palGes[i]);
    for (int n = 0; n < 18; ++n)
        ini.writeBool(optionen, numbered("Opt", n), c.options[n]);
}

} // namespace Tintara
