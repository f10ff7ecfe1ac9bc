<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>TForm1</name>
    <message>
        <location filename="../tform1.ui" line="4"/>
        <source>Orbelin Tintara Studio Version 1.0.4</source>
        <translation>Orbelin Tintara Studio Version 1.0.4</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="4"/>
        <source>Farbfinder</source>
        <translation>Color finder</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="6"/>
        <source>Helligkeitsverlauf</source>
        <translation>Brightness gradient</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="7"/>
        <source>Farbverlauf</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="8"/>
        <source>Helligkeitsverlauf Farbschema</source>
        <translation>Scheme shades</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="9"/>
        <source>Farbpalette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="11"/>
        <source>Websichere Farbpalette</source>
        <translation>Web-safe colors</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="13"/>
        <location filename="../tform1.ui" line="145"/>
        <source>Testbilder</source>
        <translation>Test images</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="14"/>
        <location filename="../tform1.ui" line="146"/>
        <source>Farbkontrast</source>
        <translation>Color contrast</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="15"/>
        <source>Testwebseite</source>
        <translation>Test web pages</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="17"/>
        <source>Farbschema exportieren</source>
        <translation>Export the color scheme</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="19"/>
        <source>Einstellungen</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="20"/>
        <source>In Tray minimieren</source>
        <translation>Minimize to the tray</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="22"/>
        <source>Hilfe aufrufen</source>
        <translation>Open the help</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="24"/>
        <source>Programm beenden</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="27"/>
        <source>Neues Farbschema</source>
        <translation>New color scheme</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="28"/>
        <source>Farbschema laden</source>
        <translation>Open a color scheme</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="29"/>
        <source>Farbschema speichern</source>
        <translation>Save the color scheme</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="31"/>
        <location filename="../tform1.ui" line="153"/>
        <source>Farbinformationen</source>
        <translation>Color information</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="33"/>
        <source>Vorschlagfarben in Farbschema übernehmen</source>
        <translation>Take the finder&apos;s colors into the scheme</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="68"/>
        <source>Farbe löschen</source>
        <translation>Delete a color</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="71"/>
        <source>RGB-Farbmodell anzeigen</source>
        <translation>Show the RGB color model</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="72"/>
        <source>HSV-Farbmodell anzeigen</source>
        <translation>Show the HSV color model</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="73"/>
        <source>Farbpicker (Bildschirmlupe) anzeigen</source>
        <translation>Show the color picker (screen magnifier)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="75"/>
        <source>Zufallsfarbe erzeugen</source>
        <translation>Make a random color</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="77"/>
        <source>Farbauswahldialog öffnen</source>
        <translation>Open the color dialog</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="78"/>
        <source>OKLCH-Farbmodell anzeigen</source>
        <translation>Show the OKLCH color model</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="83"/>
        <source>Anteil Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="86"/>
        <source>Anteil Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="89"/>
        <source>Anteil Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="92"/>
        <source>Farbwert</source>
        <translation>Hue</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="95"/>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="98"/>
        <location filename="../tform1.ui" line="103"/>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="102"/>
        <source>Bildschirmlupe: Einfach mit gedrückter linker Maustaste aktivieren</source>
        <translation>Screen magnifier: press and hold the left mouse button on it</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Zoom - 100%</source>
        <translation>Zoom - 100%</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Zoom - 75%</source>
        <translation>Zoom - 75%</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Zoom - 50%</source>
        <translation>Zoom - 50%</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Zoom - 25%</source>
        <translation>Zoom - 25%</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Zoom + 25%</source>
        <translation>Zoom + 25%</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Zoom + 50%</source>
        <translation>Zoom + 50%</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Zoom + 75%</source>
        <translation>Zoom + 75%</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="104"/>
        <source>Zoom + 100%</source>
        <translation>Zoom + 100%</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="115"/>
        <source>HTML:</source>
        <translation>HTML:</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="118"/>
        <source>RGB:</source>
        <translation>RGB:</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="121"/>
        <source>Delphi:</source>
        <translation>Delphi:</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="124"/>
        <source>C++:</source>
        <translation>C++:</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="129"/>
        <source>Tintara Studio</source>
        <translation>Tintara Studio</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="129"/>
        <source>Modul</source>
        <translation>Modules</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="129"/>
        <source>Farben testen</source>
        <translation>Test colors</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="129"/>
        <source>Farbschema</source>
        <translation>Color scheme</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="129"/>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="129"/>
        <source>RGB (F2)</source>
        <translation>RGB (F2)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="129"/>
        <source>OKLCH (F12)</source>
        <translation>OKLCH (F12)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="130"/>
        <source>HSV (F3)</source>
        <translation>HSV (F3)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="131"/>
        <source>Farbpicker (F4)</source>
        <translation>Color picker (F4)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="132"/>
        <source>Zufallsfarbe generieren</source>
        <translation>Random color</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="133"/>
        <source>Farbauswahldialog aufrufen</source>
        <translation>Color dialog</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="134"/>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="135"/>
        <source>Optionen (F11)</source>
        <translation>Options (F11)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="136"/>
        <source>Konverter Tintara &gt; Tintara Studio</source>
        <translation>Converter Tintara &gt; Tintara Studio</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="137"/>
        <source>In Taskbar minimieren (F10)</source>
        <translation>Minimize to the taskbar (F10)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="138"/>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="139"/>
        <source>Farbfinder (F5)</source>
        <translation>Color finder (F5)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="140"/>
        <source>Helligkeitsverlauf (F6)</source>
        <translation>Brightness gradient (F6)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="141"/>
        <source>Farbverlauf (F7)</source>
        <translation>Gradient (F7)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="142"/>
        <source>Helligkeitsverlauf Farbschema (F8)</source>
        <translation>Scheme shades (F8)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="143"/>
        <source>Palette (F9)</source>
        <translation>Palette (F9)</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="144"/>
        <source>Websichere Farben</source>
        <translation>Web-safe colors</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="147"/>
        <source>Kontrastmatrix</source>
        <translation>Contrast matrix</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="147"/>
        <source>Farbskala</source>
        <translation>Color scale</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="147"/>
        <source>Bildfarben</source>
        <translation>Picture colors</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="148"/>
        <source>Farbsehschwäche</source>
        <translation>Color vision deficiency</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="149"/>
        <source>Testwebseiten</source>
        <translation>Test web pages</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="150"/>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="151"/>
        <source>Laden</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="152"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="154"/>
        <source>Farben/Farbfinder in Farbschema übernehmen</source>
        <translation>Take the finder&apos;s colors into the scheme</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="155"/>
        <source>Hilfe (F1)</source>
        <translation>Help (F1)</translation>
    </message>
</context>
<context>
    <name>Z_Abstufungen</name>
    <message>
        <location filename="../pages/z_abstufungen.ui" line="4"/>
        <source>Verlauf:</source>
        <translation>Shading:</translation>
    </message>
    <message>
        <location filename="../pages/z_abstufungen.ui" line="5"/>
        <source>Dunkel nach Hell</source>
        <translation>Dark to light</translation>
    </message>
    <message>
        <location filename="../pages/z_abstufungen.ui" line="5"/>
        <source>Heller</source>
        <translation>Lighter</translation>
    </message>
    <message>
        <location filename="../pages/z_abstufungen.ui" line="5"/>
        <source>Dunkler</source>
        <translation>Darker</translation>
    </message>
    <message>
        <location filename="../pages/z_abstufungen.ui" line="6"/>
        <source>Es sind aktuell keine Farben im Farbschema abgelegt.</source>
        <translation>The color scheme holds no colors yet.</translation>
    </message>
    <message>
        <location filename="../pages/z_abstufungen.ui" line="7"/>
        <source>Bitte legen Sie zuerst Farben ab, um dann den Helligkeitsverlauf anzuzeigen.</source>
        <translation>Put colors into it first to see their shades.</translation>
    </message>
</context>
<context>
    <name>Z_Bildfarben</name>
    <message>
        <location filename="../pages/z_bildfarben.ui" line="5"/>
        <source>Bild öffnen …</source>
        <translation>Open picture …</translation>
    </message>
    <message>
        <location filename="../pages/z_bildfarben.ui" line="5"/>
        <source>Ein Bild öffnen; Sie können eine Bilddatei auch hierher ziehen oder ein Bild einfügen (Strg+V)</source>
        <translation>Open a picture; you can also drop a picture file here or paste a picture (Ctrl+V)</translation>
    </message>
    <message>
        <location filename="../pages/z_bildfarben.ui" line="6"/>
        <source>Farben</source>
        <translation>Colors</translation>
    </message>
    <message>
        <location filename="../pages/z_bildfarben.ui" line="7"/>
        <source>Wie viele vorherrschende Farben gesucht werden</source>
        <translation>How many dominant colors to find</translation>
    </message>
    <message>
        <location filename="../pages/z_bildfarben.ui" line="8"/>
        <source>Ins Farbschema</source>
        <translation>Into scheme</translation>
    </message>
    <message>
        <location filename="../pages/z_bildfarben.ui" line="8"/>
        <source>Die Farben in die freien Plätze des Farbschemas, von links (Strg+Z nimmt es zurück)</source>
        <translation>The colors into the scheme&apos;s free slots, from the left (Ctrl+Z takes them back)</translation>
    </message>
    <message>
        <location filename="../pages/z_bildfarben.ui" line="9"/>
        <source>Ein Klick macht das Pixel unter dem Mauszeiger zur aktiven Farbe</source>
        <translation>A click makes the pixel under the pointer the active color</translation>
    </message>
    <message>
        <location filename="../pages/z_bildfarben.ui" line="10"/>
        <source>Öffnen Sie ein Bild, ziehen Sie eine Bilddatei hierher oder fügen Sie ein Bild aus der Zwischenablage ein (Strg+V).</source>
        <translation>Open a picture, drop a picture file here or paste a picture from the clipboard (Ctrl+V).</translation>
    </message>
</context>
<context>
    <name>Z_Export</name>
    <message>
        <location filename="../pages/z_export.ui" line="4"/>
        <source>Exportformat:</source>
        <translation>Export format:</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="6"/>
        <source>Anzeige:</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="7"/>
        <source>Textfarbe</source>
        <translation>Text color</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="8"/>
        <source>Hintergrundfarbe</source>
        <translation>Background color</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="9"/>
        <source>Definition einbinden</source>
        <translation>Include definition</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="10"/>
        <location filename="../pages/z_export.ui" line="15"/>
        <location filename="../pages/z_export.ui" line="21"/>
        <source>Farbinformationen
verwenden</source>
        <translation>Use color
information</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="13"/>
        <source>HTML-Hex</source>
        <translation>HTML hex</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="14"/>
        <location filename="../pages/z_export.ui" line="20"/>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="18"/>
        <source>Farbbezeichnung</source>
        <translation>Color name</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="19"/>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="27"/>
        <source>Grafikformat:</source>
        <translation>Picture format:</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="28"/>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="28"/>
        <source>JPEG (*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="29"/>
        <source>Anzeige aktualisieren</source>
        <translation>Refresh preview</translation>
    </message>
    <message>
        <location filename="../pages/z_export.ui" line="30"/>
        <source>Export starten</source>
        <translation>Start export</translation>
    </message>
</context>
<context>
    <name>Z_Farbsehschwaeche</name>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="5"/>
        <source>Farbsehschwäche:</source>
        <translation>Deficiency:</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="6"/>
        <source>Protanopie</source>
        <translation>Protanopia</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="6"/>
        <source>Deuteranopie</source>
        <translation>Deuteranopia</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="6"/>
        <source>Tritanopie</source>
        <translation>Tritanopia</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="6"/>
        <source>Achromatopsie</source>
        <translation>Achromatopsia</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="7"/>
        <source>Schweregrad:</source>
        <translation>Severity:</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="10"/>
        <source>Ansicht:</source>
        <translation>View:</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Farbschema</source>
        <translation>Color scheme</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Testwebseite 1</source>
        <translation>Test web page 1</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Testwebseite 2</source>
        <translation>Test web page 2</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Testbild 1</source>
        <translation>Test image 1</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Testbild 2</source>
        <translation>Test image 2</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Testbild 3</source>
        <translation>Test image 3</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Testbild 4</source>
        <translation>Test image 4</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Testbild 5</source>
        <translation>Test image 5</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="11"/>
        <source>Testbild 6</source>
        <translation>Test image 6</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="14"/>
        <source>Normales Sehen</source>
        <translation>Normal vision</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="15"/>
        <source>Mit der Farbsehschwäche</source>
        <translation>With the deficiency</translation>
    </message>
    <message>
        <location filename="../pages/z_farbsehschwaeche.ui" line="16"/>
        <source>Verwechselbare Paare des Farbschemas (CIEDE2000 unter 10 mit der Farbsehschwäche):</source>
        <translation>Scheme pairs that become confusable (CIEDE2000 below 10 with the deficiency):</translation>
    </message>
</context>
<context>
    <name>Z_Farbskala</name>
    <message>
        <location filename="../pages/z_farbskala.ui" line="5"/>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="7"/>
        <source>Tonleiter</source>
        <translation>Tonal scale</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="7"/>
        <source>Elf Stufen 50 bis 950 in gleichmäßigen OKLCH-Helligkeiten, im Farbton der Basis</source>
        <translation>Eleven steps 50 to 950 in even OKLCH lightness, on the base&apos;s hue</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="8"/>
        <source>Kontrastziele</source>
        <translation>Contrast targets</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="8"/>
        <source>Je Ziel die Abstufung der Basis, die diesen Kontrast zum Hintergrund gerade erreicht</source>
        <translation>For each target, the shade of the base that just reaches that contrast on the background</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="9"/>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="11"/>
        <source>Ziele</source>
        <translation>Targets</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="12"/>
        <source>Kontrastziele durch Leerzeichen getrennt, mit Komma oder Punkt, höchstens 13; Enter übernimmt sie</source>
        <translation>Contrast targets separated by blanks, with a comma or point, at most 13; Enter takes them</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="13"/>
        <source>WCAG</source>
        <translation>WCAG</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="13"/>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="15"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="16"/>
        <source>Der Name der Farbskala in den Dateien, etwa --primary-500</source>
        <translation>The scale&apos;s name in the files, as in --primary-500</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="18"/>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="18"/>
        <source>Die Farbskala im gewählten Format in die Zwischenablage</source>
        <translation>The scale in the chosen format to the clipboard</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="19"/>
        <source>Speichern …</source>
        <translation>Save …</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="19"/>
        <source>Die Farbskala im gewählten Format als Datei speichern</source>
        <translation>Save the scale in the chosen format</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="20"/>
        <source>Ins Farbschema</source>
        <translation>Into scheme</translation>
    </message>
    <message>
        <location filename="../pages/z_farbskala.ui" line="20"/>
        <source>Die Stufen in die freien Plätze des Farbschemas, von links (Strg+Z nimmt es zurück)</source>
        <translation>The steps into the scheme&apos;s free slots, from the left (Ctrl+Z takes them back)</translation>
    </message>
</context>
<context>
    <name>Z_Farbverlauf</name>
    <message>
        <location filename="../pages/z_farbverlauf.ui" line="4"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../pages/z_farbverlauf.ui" line="6"/>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <location filename="../pages/z_farbverlauf.ui" line="8"/>
        <source>Mischungsverhältnis</source>
        <translation>Mixing ratio</translation>
    </message>
    <message>
        <location filename="../pages/z_farbverlauf.ui" line="10"/>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../pages/z_farbverlauf.ui" line="12"/>
        <source>In OKLab mischen</source>
        <translation>Mix in OKLab</translation>
    </message>
    <message>
        <location filename="../pages/z_farbverlauf.ui" line="12"/>
        <source>Verlauf und Mischung in OKLab berechnen, wo Farben gleichmäßig ineinander übergehen, statt Kanal für Kanal in RGB</source>
        <translation>Blend the gradient and the mixer in OKLab, where colors pass evenly into each other, instead of channel by channel in RGB</translation>
    </message>
    <message>
        <location filename="../pages/z_farbverlauf.ui" line="13"/>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>Z_Helligkeit</name>
    <message>
        <location filename="../pages/z_helligkeit.ui" line="4"/>
        <source>Ausgangsfarbe</source>
        <translation>Start color</translation>
    </message>
    <message>
        <location filename="../pages/z_helligkeit.ui" line="6"/>
        <source>Dunkel</source>
        <translation>Dark</translation>
    </message>
    <message>
        <location filename="../pages/z_helligkeit.ui" line="8"/>
        <source>Hell</source>
        <translation>Light</translation>
    </message>
    <message>
        <location filename="../pages/z_helligkeit.ui" line="9"/>
        <source>Wert (%)</source>
        <translation>Value (%)</translation>
    </message>
    <message>
        <location filename="../pages/z_helligkeit.ui" line="11"/>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>Z_Kontrast</name>
    <message>
        <location filename="../pages/z_kontrast.ui" line="6"/>
        <source>Vordergrund</source>
        <translation>Foreground</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="8"/>
        <location filename="../pages/z_kontrast.ui" line="21"/>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="10"/>
        <source>Orbelin Tintara Studio</source>
        <translation>Orbelin Tintara Studio</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="11"/>
        <source>Beispiel</source>
        <translation>Sample</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="12"/>
        <source>Ergebnis:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="14"/>
        <location filename="../pages/z_kontrast.ui" line="34"/>
        <source>Helligkeitsdifferenz:</source>
        <translation>Brightness difference:</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="19"/>
        <source>Vorschläge für AA: Schrift</source>
        <translation>Suggestions for AA: text</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="23"/>
        <location filename="../pages/z_kontrast.ui" line="36"/>
        <source>Farbdifferenz:</source>
        <translation>Color difference:</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="25"/>
        <source>(Legende: </source>
        <translation>(Legend: </translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="27"/>
        <source>= erfüllt, </source>
        <translation>= passed, </translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="29"/>
        <source>= bedingt erfüllt, </source>
        <translation>= partly passed, </translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="31"/>
        <source>= nicht erfüllt)</source>
        <translation>= not passed)</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="33"/>
        <source>Details:</source>
        <translation>Details:</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="35"/>
        <source>- Die Helligkeitsdifferenz liegt über dem Grenzwert (125)</source>
        <translation>- The brightness difference is above the threshold (125)</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="37"/>
        <source>- Die Farbdifferenz liegt über dem vom W3C genannten Grenzwert (500)</source>
        <translation>- The color difference is above the W3C&apos;s threshold (500)</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrast.ui" line="38"/>
        <source>- Die Farbdifferenz liegt über dem von Hewlett Packard genannten Grenzwert (400)</source>
        <translation>- The color difference is above Hewlett Packard&apos;s threshold (400)</translation>
    </message>
</context>
<context>
    <name>Z_Kontrastmatrix</name>
    <message>
        <location filename="../pages/z_kontrastmatrix.ui" line="5"/>
        <source>Kontrastmatrix: jede Farbe des Farbschemas als Schrift (Zeile) auf jeder als Hintergrund (Spalte)</source>
        <translation>Contrast matrix: every scheme color as text (row) on every one as background (column)</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrastmatrix.ui" line="7"/>
        <source>Das Farbschema enthält noch keine Farben. Legen Sie Farben in die Felder des Farbschemas, um hier zu sehen, welche Paare als Schrift und Hintergrund die WCAG 2.2 erfüllen.</source>
        <translation>The color scheme holds no colors yet. Put colors into its slots to see here which pairs of text and background meet WCAG 2.2.</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrastmatrix.ui" line="8"/>
        <source>WCAG 2.2</source>
        <translation>WCAG 2.2</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrastmatrix.ui" line="8"/>
        <source>Die Felder nach dem Kontrastverhältnis der WCAG 2.2 bewerten</source>
        <translation>Judge the cells by the WCAG 2.2 contrast ratio</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrastmatrix.ui" line="9"/>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <location filename="../pages/z_kontrastmatrix.ui" line="9"/>
        <source>Die Felder nach dem Helligkeitskontrast Lc von APCA bewerten</source>
        <translation>Judge the cells by APCA&apos;s lightness contrast Lc</translation>
    </message>
</context>
<context>
    <name>Z_Konverter</name>
    <message>
        <location filename="../pages/z_konverter.ui" line="4"/>
        <source>Tintara - Farbpalette öffnen</source>
        <translation>Open a Tintara palette</translation>
    </message>
</context>
<context>
    <name>Z_Optionen</name>
    <message>
        <location filename="../pages/z_optionen.ui" line="4"/>
        <source>Einstellungen beim Programmstart laden</source>
        <translation>Restore settings at start</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="5"/>
        <source>Farbauswahl</source>
        <translation>Color choice</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="6"/>
        <source>Farbschema</source>
        <translation>Color scheme</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="7"/>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="8"/>
        <source>Moduleinstellungen</source>
        <translation>Module settings</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="9"/>
        <source>Aktuelle Farbe</source>
        <translation>Active color</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="10"/>
        <source>Farbauswahlmodus</source>
        <translation>Color model</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="11"/>
        <source>Zoomfaktor Farbpicker</source>
        <translation>Picker zoom</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="12"/>
        <source>Aktuelles Farbschema</source>
        <translation>Color scheme</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="13"/>
        <source>Farbinformationen</source>
        <translation>Color information</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="14"/>
        <source>Farben im Zwischenspeicher</source>
        <translation>Buffered colors</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="15"/>
        <source>Hintergrundfarbe</source>
        <translation>Background color</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="16"/>
        <source>Fensterposition</source>
        <translation>Window position</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="17"/>
        <source>Farben Farbverlauf</source>
        <translation>Gradient colors</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="18"/>
        <source>Farbe Helligkeitsverlauf</source>
        <translation>Shading color</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="19"/>
        <source>Modus Farbvorschlag</source>
        <translation>Finder mode</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="20"/>
        <source>Rahmeneinstellung</source>
        <translation>Frames</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="21"/>
        <source>Deckkraft Farbpalette</source>
        <translation>Palette opacity</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="22"/>
        <source>Farben Farbpalette</source>
        <translation>Palette colors</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="23"/>
        <source>Auswahl Helligkeitsverlauf</source>
        <translation>Shading choice</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="24"/>
        <source>Format/Zwischenablage</source>
        <translation>Copy format</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="25"/>
        <source>Beenden ohne Abfrage</source>
        <translation>Exit without asking</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="26"/>
        <source>Format / Zwischenablage</source>
        <translation>Copy format</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="30"/>
        <source>Konverter</source>
        <translation>Converter</translation>
    </message>
    <message>
        <location filename="../pages/z_optionen.ui" line="30"/>
        <source>Tintara-Farbpalette importieren</source>
        <translation>Import a Tintara palette</translation>
    </message>
</context>
<context>
    <name>Z_Palette</name>
    <message>
        <location filename="../pages/z_palette.ui" line="16"/>
        <source>Deckkraft</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <location filename="../pages/z_palette.ui" line="18"/>
        <source>Schwach</source>
        <translation>Faint</translation>
    </message>
    <message>
        <location filename="../pages/z_palette.ui" line="19"/>
        <source>Stark</source>
        <translation>Strong</translation>
    </message>
</context>
<context>
    <name>Z_Paletteninfo</name>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="5"/>
        <source>01</source>
        <translation>01</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="7"/>
        <source>02</source>
        <translation>02</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="9"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="11"/>
        <source>04</source>
        <translation>04</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="13"/>
        <source>05</source>
        <translation>05</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="15"/>
        <source>06</source>
        <translation>06</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="17"/>
        <source>07</source>
        <translation>07</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="19"/>
        <source>08</source>
        <translation>08</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="21"/>
        <source>09</source>
        <translation>09</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="23"/>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="25"/>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="27"/>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="29"/>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="31"/>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="33"/>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="35"/>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="37"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../pages/z_paletteninfo.ui" line="38"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Z_Testbild</name>
    <message>
        <location filename="../pages/z_testbild.ui" line="26"/>
        <source>Orbelin Tintara Studio</source>
        <translation>Orbelin Tintara Studio</translation>
    </message>
    <message>
        <location filename="../pages/z_testbild.ui" line="28"/>
        <source>Schriftfarbe</source>
        <translation>Text color</translation>
    </message>
    <message>
        <location filename="../pages/z_testbild.ui" line="30"/>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <location filename="../pages/z_testbild.ui" line="34"/>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location filename="../pages/z_testbild.ui" line="35"/>
        <source>Automatik</source>
        <translation>Automatic</translation>
    </message>
</context>
<context>
    <name>Z_Vorschlag</name>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="43"/>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="44"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="44"/>
        <source>Farbton</source>
        <translation>Hue</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="44"/>
        <source>Ähnlich</source>
        <translation>Similar</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="44"/>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="44"/>
        <location filename="../pages/z_vorschlag.ui" line="46"/>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="44"/>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="44"/>
        <source>Kreativ</source>
        <translation>Creative</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="44"/>
        <source>Monochrom</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="45"/>
        <source>Rahmen anzeigen</source>
        <translation>Show frames</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="49"/>
        <source>Komplementärfarbe</source>
        <translation>Complementary color</translation>
    </message>
    <message>
        <location filename="../pages/z_vorschlag.ui" line="51"/>
        <source>Optimale Schriftfarbe</source>
        <translation>Best text color</translation>
    </message>
</context>
<context>
    <name>Z_Webseite</name>
    <message>
        <location filename="../pages/z_webseite.ui" line="4"/>
        <source>Webseite 1 Standard</source>
        <translation>Web page 1 default</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="4"/>
        <source>Webseite 2 Standard</source>
        <translation>Web page 2 default</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="7"/>
        <source>Farben</source>
        <translation>Colors</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="10"/>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="13"/>
        <source>Navigationsleiste</source>
        <translation>Navigation bar</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="16"/>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="19"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="22"/>
        <source>Überschrift</source>
        <translation>Heading</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="25"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="28"/>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="33"/>
        <location filename="../pages/z_webseite.ui" line="42"/>
        <source>Meine Webseite</source>
        <translation>My web page</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="34"/>
        <source>Startseite Neuigkeiten Produkte Über uns Kontakt</source>
        <translation>Home News Products About us Contact</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="35"/>
        <source>Willkommen auf meiner</source>
        <translation>Welcome to my</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="36"/>
        <location filename="../pages/z_webseite.ui" line="45"/>
        <source>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu fugiat nulla pariatur.</source>
        <translation>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu fugiat nulla pariatur.</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="37"/>
        <location filename="../pages/z_webseite.ui" line="46"/>
        <source>www.meine-webseite.de</source>
        <translation>www.my-web-page.com</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="43"/>
        <source>Startseite  Neuigkeiten  Produkte  Über uns  Kontakt</source>
        <translation>Home  News  Products  About us  Contact</translation>
    </message>
    <message>
        <location filename="../pages/z_webseite.ui" line="44"/>
        <source>Willkommen auf meiner Webseite</source>
        <translation>Welcome to my web page</translation>
    </message>
</context>
</TS>
