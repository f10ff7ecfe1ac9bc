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
        <translation>Take the finder's colors into the scheme</translation>
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
        <location filename="../tform1.ui" line="116"/>
        <source>#DDDDDD</source>
        <translation>#DDDDDD</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="118"/>
        <source>RGB:</source>
        <translation>RGB:</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="119"/>
        <source>255,255,255</source>
        <translation>255,255,255</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="121"/>
        <source>Delphi:</source>
        <translation>Delphi:</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="122"/>
        <source>$00DDDDDD</source>
        <translation>$00DDDDDD</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="124"/>
        <source>C++:</source>
        <translation>C++:</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="125"/>
        <source>0xDDDDDD</source>
        <translation>0xDDDDDD</translation>
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
        <translation>Take the finder's colors into the scheme</translation>
    </message>
    <message>
        <location filename="../tform1.ui" line="155"/>
        <source>Hilfe (F1)</source>
        <translation>Help (F1)</translation>
    </message>
</context>
</TS>
