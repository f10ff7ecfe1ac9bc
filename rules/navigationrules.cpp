#include "rules/navigationrules.h"

#include <algorithm>

#include <QHash>
#include <QSet>

namespace Tintara {

BackgroundRule backgroundRule(const QString& sender, int customFlag)
{
    // Commands that change no page leave the background alone.
    static const QSet<QString> commands = {
        "ToolButton10", "ToolButton11", "ToolButton12", "ToolButton14", "ToolButton18",
        "ToolButton19", "ToolButton20", "ToolButton4", "ToolButton21", "ToolButton25",
    };
    static const QSet<QString> backgroundButtons = {
        "ToolButton1", "ToolButton2", "ToolButton26", "ToolButton5", "ToolButton9", "ToolButton3", "ToolButton23",
    };
    if (commands.contains(sender))
        return BackgroundRule::Unchanged;
    return customFlag == 1 && backgroundButtons.contains(sender) ? BackgroundRule::Custom : BackgroundRule::Standard;
}

QString pageForSender(const QString& sender)
{
    static const QHash<QString, QString> pages = {
        {"ToolButton1", "Z_Vorschlag"}, {"ToolButton9", "Z_Helligkeit"}, {"ToolButton5", "Z_Farbverlauf"},
        {"ToolButton3", "Z_Abstufungen"}, {"ToolButton26", "Z_Palette"}, {"ToolButton23", "Z_Websave"},
        {"ToolButton2", "Z_Testbild"}, {"ToolButton32", "Z_Kontrast"}, {"ToolButton6", "Z_Webseite"},
        {"ToolButton30", "Z_Export"}, {"ToolButton28", "Z_Optionen"}, {"ToolButton27", "Z_Paletteninfo"},
        {"BitBtn1", "Z_Konverter"},
    };
    return pages.value(sender);
}

QString functionKeyButton(int n)
{
    static const QHash<int, QString> keys = {
        {1, "ToolButton35"}, {2, "ToolButton18"}, {3, "ToolButton19"}, {4, "ToolButton20"},
        {5, "ToolButton1"}, {6, "ToolButton9"}, {7, "ToolButton5"}, {8, "ToolButton3"},
        {9, "ToolButton26"}, {10, "ToolButton33"}, {11, "ToolButton28"},
    };
    return keys.value(n);
}

QString menuEntryButton(const QString& action)
{
    static const QHash<QString, QString> entries = {
        {"mmRGB", "ToolButton18"}, {"mmHSV", "ToolButton19"}, {"mmFarbpicker", "ToolButton20"},
        {"mmZufallsfarbe", "ToolButton4"}, {"mmFarbauswahl", "ToolButton21"}, {"mmExport", "ToolButton30"},
        {"mmOptionen", "ToolButton28"}, {"mmKonverter", "BitBtn1"}, {"mmTray", "ToolButton33"},
        {"mmBeenden", "ToolButton25"}, {"mmFarbfinder", "ToolButton1"}, {"mmHelligkeitsverlauf", "ToolButton9"},
        {"mmFarbverlauf", "ToolButton5"}, {"mmAbstufungen", "ToolButton3"}, {"mmPalette", "ToolButton26"},
        {"mmWebsicher", "ToolButton23"}, {"mmTestbilder", "ToolButton2"}, {"mmKontrast", "ToolButton32"},
        {"mmTestwebseiten", "ToolButton6"}, {"mmNeu", "ToolButton10"}, {"mmLaden", "ToolButton11"},
        {"mmSpeichern", "ToolButton12"}, {"mmFarbinformationen", "ToolButton27"}, {"mmUebernehmen", "ToolButton14"},
        {"mmHilfeAufrufen", "ToolButton35"},
    };
    return entries.value(action);
}

bool isBackgroundPage(const QString& page)
{
    static const QSet<QString> pages = {
        "Z_Websave", "Z_Testbild", "Z_Vorschlag", "Z_Palette", "Z_Helligkeit", "Z_Farbverlauf", "Z_Abstufungen",
    };
    return pages.contains(page);
}

bool titleBarReachable(QPoint topLeft, int width, const QList<QRect>& screens)
{
    constexpr int titleHeight = 24;
    const QRect title(topLeft, QSize(width, titleHeight));
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) { return screen.intersects(title); });
}

} // namespace Tintara
