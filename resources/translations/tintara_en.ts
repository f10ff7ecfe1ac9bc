<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>„%1“ ist keine Farbe, die Tintara Studio lesen kann.</source>
        <translation>“%1” is not a color Tintara Studio can read.</translation>
    </message>
    <message>
        <source>--metric nimmt wcag oder apca.</source>
        <translation>--metric takes wcag or apca.</translation>
    </message>
    <message>
        <source>--targets und --metric gelten nur mit --against.</source>
        <translation>--targets and --metric apply only with --against.</translation>
    </message>
    <message>
        <source>--targets nimmt Zahlen mit Dezimalpunkt, durch Kommas getrennt, etwa 1.5,3,4.5.</source>
        <translation>--targets takes numbers with a decimal point, separated by commas, such as 1.5,3,4.5.</translation>
    </message>
    <message>
        <source>--count nimmt eine Zahl von 2 bis 16.</source>
        <translation>--count takes a number from 2 to 16.</translation>
    </message>
    <message>
        <source>farbe</source>
        <translation>color</translation>
    </message>
    <message>
        <source>Kontrast von Schrift- und Hintergrundfarbe (zweites Argument) nach WCAG 2.2 und APCA.</source>
        <translation>Contrast of text and background color (second argument) by WCAG 2.2 and APCA.</translation>
    </message>
    <message>
        <source>schrift</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Farbskala der Farbe: die Tonleiter 50 bis 950, mit --against die Abstufungen zu Kontrastzielen.</source>
        <translation>Color scale of the color: the tonal scale 50 to 950; with --against, the shades for contrast targets.</translation>
    </message>
    <message>
        <source>Name der Farbskala in den Dateien (Standard: primary).</source>
        <translation>Name of the color scale in the files (default: primary).</translation>
    </message>
    <message>
        <source>Hintergrundfarbe der Kontrastziele.</source>
        <translation>Background color of the contrast targets.</translation>
    </message>
    <message>
        <source>Kontrastziele, etwa 1.15,1.3,2,3,4.5,7 (Standard: 1.15 bis 13 für WCAG, 15 bis 90 für APCA).</source>
        <translation>Contrast targets, such as 1.15,1.3,2,3,4.5,7 (default: 1.15 to 13 for WCAG, 15 to 90 for APCA).</translation>
    </message>
    <message>
        <source>liste</source>
        <translation>list</translation>
    </message>
    <message>
        <source>Die vorherrschenden Farben eines Bildes, die größte Fläche zuerst.</source>
        <translation>The dominant colors of a picture, the largest area first.</translation>
    </message>
    <message>
        <source>bild</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>Mit --extract: wie viele Farben, 2 bis 16 (Standard 8).</source>
        <translation>With --extract: how many colors, 2 to 16 (default 8).</translation>
    </message>
    <message>
        <source>anzahl</source>
        <translation>count</translation>
    </message>
    <message>
        <source>Maß der Kontrastziele: wcag (Standard) oder apca.</source>
        <translation>Measure of the contrast targets: wcag (default) or apca.</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>metric</translation>
    </message>
    <message>
        <source>--%1 gilt nur mit --scale.</source>
        <translation>--%1 applies only with --scale.</translation>
    </message>
    <message>
        <source>--to gilt nur mit --convert.</source>
        <translation>--to applies only with --convert.</translation>
    </message>
    <message>
        <source>--export, --convert, --contrast, --scale und --extract gehen nur einzeln.</source>
        <translation>--export, --convert, --contrast, --scale and --extract go only one at a time.</translation>
    </message>
    <message>
        <source>--extract nimmt genau ein Bild.</source>
        <translation>--extract takes exactly one picture.</translation>
    </message>
    <message>
        <source>--convert nimmt genau eine Farbe.</source>
        <translation>--convert takes exactly one color.</translation>
    </message>
    <message>
        <source>--scale nimmt genau eine Farbe.</source>
        <translation>--scale takes exactly one color.</translation>
    </message>
    <message>
        <source>--contrast nimmt genau zwei Farben: Schrift und Hintergrund.</source>
        <translation>--contrast takes exactly two colors: text and background.</translation>
    </message>
    <message>
        <source>Unbekannte Schreibweise „%1“.</source>
        <translation>Unknown notation “%1”.</translation>
    </message>
    <message>
        <source>Style-Sheet ohne Textfarben (color)</source>
        <translation>Style sheet without text colors (color)</translation>
    </message>
    <message>
        <source>Style-Sheet ohne Hintergrundfarben (background-color)</source>
        <translation>Style sheet without background colors (background-color)</translation>
    </message>
    <message>
        <source>Style-Sheet mit Definition</source>
        <translation>Style sheet with definition</translation>
    </message>
    <message>
        <source>Das Farbschema &quot;%1&quot; kann nicht gelesen werden.</source>
        <translation>The color scheme &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>Unbekanntes Exportformat &quot;%1&quot;.</source>
        <translation>Unknown export format &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Bitte genau eine Farbschema-Datei angeben.</source>
        <translation>Please give exactly one color scheme file.</translation>
    </message>
    <message>
        <source>--%1 gilt nicht für das Format %2.</source>
        <translation>--%1 does not apply to the format %2.</translation>
    </message>
    <message>
        <source>Die Palettenleiste gibt es nur als bmp.</source>
        <translation>The palette strip exists only as bmp.</translation>
    </message>
    <message>
        <source>Das Format %1 braucht eine Ausgabedatei (-o DATEI).</source>
        <translation>The format %1 needs an output file (-o FILE).</translation>
    </message>
    <message>
        <source>Die Grafik kann nicht erstellt werden. %1</source>
        <translation>The picture cannot be created. %1</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; kann nicht erstellt werden. %2</source>
        <translation>File &quot;%1&quot; cannot be created. %2</translation>
    </message>
    <message>
        <source>Die Standardausgabe kann nicht geschrieben werden. %1</source>
        <translation>The standard output cannot be written. %1</translation>
    </message>
    <message>
        <source>Tintara Studio: Farbauswahl für Webseiten und Benutzeroberflächen.
Ohne Optionen öffnet sich das Fenster, mit einer Farbschema-Datei als erstem Argument.</source>
        <translation>Tintara Studio: choosing colors for web pages and user interfaces.
Without options the window opens, with a color scheme file as the first argument.</translation>
    </message>
    <message>
        <source>Zeigt diese Hilfe.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Zeigt die Version.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>Schreibt in diese Datei; Textformate ohne -o gehen auf die Standardausgabe.</source>
        <translation>Writes to this file; text formats without -o go to the standard output.</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>art</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>farbschema.tsf</source>
        <translation>scheme.tsf</translation>
    </message>
    <message>
        <source>Das zu exportierende Farbschema; bei --contrast die Hintergrundfarbe.</source>
        <translation>The color scheme to export; with --contrast the background color.</translation>
    </message>
    <message>
        <source>Es fehlt --export FORMAT.</source>
        <translation>--export FORMAT is missing.</translation>
    </message>
    <message>
        <source>„%1“ hat kein deckendes Pixel, also keine Farben.</source>
        <translation>“%1” has no opaque pixel, so no colors.</translation>
    </message>
    <message>
        <source>Mit --convert nur diese Schreibweise: ein Name des Menüs „Farbwert kopieren“ (deutsch oder englisch) oder html, hex, rgb, cmyk, hsl, oklch.</source>
        <translation>With --convert, only this notation: a name of the “Copy color value” menu (German or English) or html, hex, rgb, cmyk, hsl, oklch.</translation>
    </message>
    <message>
        <source>Unbekanntes Format „%1“: %2.</source>
        <translation>Unknown format “%1”: %2.</translation>
    </message>
    <message>
        <source>ohne Farbinformationen (%1)</source>
        <translation>without color information (%1)</translation>
    </message>
    <message>
        <source>ohne HTML-Werte (%1)</source>
        <translation>without HTML values (%1)</translation>
    </message>
    <message>
        <source>ohne RGB-Werte (%1)</source>
        <translation>without RGB values (%1)</translation>
    </message>
    <message>
        <source>Grafik ohne Farbnamen (%1)</source>
        <translation>picture without color names (%1)</translation>
    </message>
    <message>
        <source>--picture %1 gilt nur für bmp und jpg.</source>
        <translation>--picture %1 applies only to bmp and jpg.</translation>
    </message>
    <message>
        <source>Exportiert das Farbschema: %1.</source>
        <translation>Exports the color scheme: %1.</translation>
    </message>
    <message>
        <source>Grafik für bmp und jpg: %1.</source>
        <translation>Picture for bmp and jpg: %1.</translation>
    </message>
    <message>
        <source>%1 oder %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>Mit --contrast: Mindestkontrast nach WCAG, ein Verhältnis wie 4.5 oder AA, AAA, AA-large; darunter endet der Aufruf mit 1.</source>
        <translation>With --contrast: the minimum WCAG contrast, a ratio such as 4.5 or AA, AAA, AA-large; below it the run exits with 1.</translation>
    </message>
    <message>
        <source>wert</source>
        <translation>value</translation>
    </message>
    <message>
        <source>Mit --contrast: Mindestwert Lc nach APCA, etwa 60; darunter endet der Aufruf mit 1.</source>
        <translation>With --contrast: the minimum APCA Lc, such as 60; below it the run exits with 1.</translation>
    </message>
    <message>
        <source>lc</source>
        <translation>lc</translation>
    </message>
    <message>
        <source>--%1 gilt nur mit --contrast.</source>
        <translation>--%1 applies only with --contrast.</translation>
    </message>
    <message>
        <source>--min nimmt ein Verhältnis von 1 bis 21 oder AA, AAA, AA-large.</source>
        <translation>--min takes a ratio from 1 to 21 or AA, AAA, AA-large.</translation>
    </message>
    <message>
        <source>--min-apca nimmt einen Wert Lc von 1 bis 108.</source>
        <translation>--min-apca takes an Lc value from 1 to 108.</translation>
    </message>
    <message>
        <source>Der Kontrast %1:1 liegt unter dem Mindestwert %2:1.</source>
        <translation>The contrast %1:1 is below the minimum %2:1.</translation>
    </message>
    <message>
        <source>Der APCA-Kontrast Lc %1 liegt unter dem Mindestwert %2.</source>
        <translation>The APCA contrast Lc %1 is below the minimum %2.</translation>
    </message>
    <message>
        <source>--at gilt nur für die Tonleiter, nicht mit --against.</source>
        <translation>--at applies only to the tonal scale, not with --against.</translation>
    </message>
    <message>
        <source>--at nimmt eine Stufe der Tonleiter: 50, 100, 200 … 900 oder 950.</source>
        <translation>--at takes a step of the tonal scale: 50, 100, 200 … 900 or 950.</translation>
    </message>
    <message>
        <source>Mit --scale: die Stufe der Tonleiter, die die Farbe selbst ist, etwa 500 (Standard: nach ihrer Helligkeit).</source>
        <translation>With --scale: the step of the tonal scale that is the color itself, such as 500 (default: by its lightness).</translation>
    </message>
    <message>
        <source>stufe</source>
        <translation>step</translation>
    </message>
    <message>
        <source>--token-value nimmt object oder hex.</source>
        <translation>--token-value takes object or hex.</translation>
    </message>
    <message>
        <source>Ausgabeformat: bei --scale %1; bei --extract %2; bei --convert und --contrast txt (Standard) oder json. JSON ist ein Objekt mit festen Schlüsseln und Zahlen als Zahlen, beschrieben im README.</source>
        <translation>Output format: with --scale %1; with --extract %2; with --convert and --contrast txt (default) or json. JSON is one object with stable keys and numbers as numbers, described in the README.</translation>
    </message>
    <message>
        <source>form</source>
        <translation>form</translation>
    </message>
    <message>
        <source>--format gilt nur mit --convert, --contrast, --scale und --extract.</source>
        <translation>--format applies only with --convert, --contrast, --scale and --extract.</translation>
    </message>
    <message>
        <source>--format nimmt bei --convert und --contrast txt oder json.</source>
        <translation>--format takes txt or json with --convert and --contrast.</translation>
    </message>
    <message>
        <source>Aufruf: tintara --export FORMAT FARBSCHEMA.tsf [-o DATEI], --convert FARBE [--to NAME], --contrast SCHRIFT HINTERGRUND [--min WERT], --scale FARBE [--at STUFE] [--format F] [--against FARBE --targets LISTE] oder --extract BILD [--count N]; --format json gibt JSON aus; mehr mit --help.
</source>
        <translation>Usage: tintara --export FORMAT SCHEME.tsf [-o FILE], --convert COLOR [--to NAME], --contrast TEXT BACKGROUND [--min VALUE], --scale COLOR [--at STEP] [--format F] [--against COLOR --targets LIST] or --extract PICTURE [--count N]; --format json prints JSON; more with --help.
</translation>
    </message>
    <message>
        <source>Ziel %1 ergibt dieselbe Farbe wie Ziel %2.</source>
        <translation>Target %1 gives the same color as target %2.</translation>
    </message>
    <message>
        <source>Ziel %1 liegt unter Lc 15, was APCA nicht als sichtbaren Kontrast zählt.</source>
        <translation>Target %1 lies below Lc 15, which APCA does not count as visible contrast.</translation>
    </message>
    <message>
        <source>--mode nimmt dominant oder accents.</source>
        <translation>--mode takes dominant or accents.</translation>
    </message>
    <message>
        <source>Mit --extract: dominant (Standard), die Farben der größten Flächen, oder accents, bei denen bunte Farben mehr zählen, auch kleine.</source>
        <translation>With --extract: dominant (default), the colors of the largest areas, or accents, where colorful colors count for more, small ones too.</translation>
    </message>
    <message>
        <source>--%1 gilt nur mit --extract.</source>
        <translation>--%1 applies only with --extract.</translation>
    </message>
    <message>
        <source>Gibt die Farbe in jeder Schreibweise aus, die Tintara Studio kopiert. Gelesen werden diese Schreibweisen und aus CSS #rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), color() und die Farbnamen, eine Farbe außerhalb von sRGB so, wie ein Browser sie auf einem sRGB-Bildschirm zeigt; eine Deckkraft unter 1 bleibt unberücksichtigt.</source>
        <translation>Prints the color in every notation Tintara Studio copies. It reads these notations and, from CSS, #rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), color() and the color names, a color outside sRGB as a browser shows it on an sRGB screen; an opacity below 1 is left out.</translation>
    </message>
    <message>
        <source>--gamut nimmt srgb oder p3.</source>
        <translation>--gamut takes srgb or p3.</translation>
    </message>
    <message>
        <source>--gamut p3 gilt nur für die Tonleiter, nicht mit --against.</source>
        <translation>--gamut p3 applies only to the tonal scale, not with --against.</translation>
    </message>
    <message>
        <source>Mit --scale: srgb (Standard) oder p3, die Tonleiter mit der Buntheit, die Display P3 hält, jede Stufe mit ihrem sRGB-Ersatz.</source>
        <translation>With --scale: srgb (default) or p3, the tonal scale with the chroma Display P3 holds, each step with its sRGB fallback.</translation>
    </message>
    <message>
        <source>--token-value gilt nur mit --export tokens oder theme-tokens und mit --format tokens.</source>
        <translation>--token-value applies only with --export tokens or theme-tokens and with --format tokens.</translation>
    </message>
    <message>
        <source>Mit --export tokens oder theme-tokens und --scale --format tokens: wie ein Token seine Farbe gibt, object (Standard, Farbraum und Komponenten) oder hex (&quot;#2563eb&quot;).</source>
        <translation>With --export tokens or theme-tokens and --scale --format tokens: how a token gives its color, object (default, color space and components) or hex (&quot;#2563eb&quot;).</translation>
    </message>
    <message>
        <source>--role und --check gelten nur mit --export theme-css, theme-tokens und theme-tailwind.</source>
        <translation>--role and --check apply only with --export theme-css, theme-tokens and theme-tailwind.</translation>
    </message>
    <message>
        <source>Mindestens ein Farbpaar erreicht seinen Kontrast nicht.</source>
        <translation>At least one color pair does not reach its contrast.</translation>
    </message>
    <message>
        <source>Mit --export theme-css, theme-tokens und theme-tailwind: eine Farbrolle, ROLLE=WERT mit einer Platznummer 1 bis 16 oder einer Farbe; Rollen: %1.</source>
        <translation>With --export theme-css, theme-tokens and theme-tailwind: a color role, ROLE=VALUE with a slot number 1 to 16 or a color; roles: %1.</translation>
    </message>
    <message>
        <source>rolle=wert</source>
        <translation>role=value</translation>
    </message>
    <message>
        <source>Mit den Farbrollen-Exporten: prüft jedes Farbpaar in Hell und Dunkel und endet mit 1, wenn eines seinen Kontrast nicht erreicht; die Datei nur mit -o.</source>
        <translation>With the color role exports: checks every color pair in light and dark and exits with 1 if one does not reach its contrast; the file only with -o.</translation>
    </message>
    <message>
        <source>--role %1: eine Rolle ist eine von %2, gefolgt von = und einem Wert.</source>
        <translation>--role %1: a role is one of %2, followed by = and a value.</translation>
    </message>
    <message>
        <source>--role %1: „%2“ ist weder ein Platz 1 bis 16 noch eine Farbe.</source>
        <translation>--role %1: “%2” is neither a slot 1 to 16 nor a color.</translation>
    </message>
</context>
<context>
    <name>ContrastRules</name>
    <message>
        <source>nicht erfüllt</source>
        <translation>not met</translation>
    </message>
    <message>
        <source>- Die Helligkeitsdifferenz liegt über dem Grenzwert (125)</source>
        <translation>- The brightness difference is above the threshold (125)</translation>
    </message>
    <message>
        <source>- Die Helligkeitsdifferenz liegt unter dem Grenzwert (125)</source>
        <translation>- The brightness difference is below the threshold (125)</translation>
    </message>
    <message>
        <source>- Die Farbdifferenz liegt über dem vom W3C genannten Grenzwert (500)</source>
        <translation>- The color difference is above the W3C&apos;s threshold (500)</translation>
    </message>
    <message>
        <source>- Die Farbdifferenz liegt unter dem vom W3C genannten Grenzwert (500)</source>
        <translation>- The color difference is below the W3C&apos;s threshold (500)</translation>
    </message>
    <message>
        <source>- Die Farbdifferenz liegt über dem von Hewlett Packard genannten Grenzwert (400)</source>
        <translation>- The color difference is above Hewlett Packard&apos;s threshold (400)</translation>
    </message>
    <message>
        <source>- Die Farbdifferenz liegt unter dem von Hewlett Packard genannten Grenzwert (400)</source>
        <translation>- The color difference is below Hewlett Packard&apos;s threshold (400)</translation>
    </message>
    <message>
        <source>AA nur für große Schrift</source>
        <translation>AA for large text only</translation>
    </message>
    <message>
        <source>Kontrastverhältnis (WCAG 2.2): %1 – %2</source>
        <translation>Contrast ratio (WCAG 2.2): %1 – %2</translation>
    </message>
    <message>
        <source>WCAG 2.2 für normale Schrift: %1
%2</source>
        <translation>WCAG 2.2 for normal text: %1
%2</translation>
    </message>
    <message>
        <source>ab Lc 90 bevorzugt für Fließtext</source>
        <translation>from Lc 90 preferred for body text</translation>
    </message>
    <message>
        <source>ab Lc 75 genügt es für Fließtext</source>
        <translation>from Lc 75 it suffices for body text</translation>
    </message>
    <message>
        <source>ab Lc 60 genügt es für sonstigen Inhaltstext</source>
        <translation>from Lc 60 it suffices for other content text</translation>
    </message>
    <message>
        <source>ab Lc 45 genügt es für große Schrift und Überschriften</source>
        <translation>from Lc 45 it suffices for large text and headings</translation>
    </message>
    <message>
        <source>ab Lc 30 genügt es für kurze Hinweistexte und Nicht-Text-Elemente</source>
        <translation>from Lc 30 it suffices for short hints and non-text elements</translation>
    </message>
    <message>
        <source>ab Lc 15 nur für Nicht-Text-Elemente, als Schrift nicht lesbar</source>
        <translation>from Lc 15 only for non-text elements, not readable as text</translation>
    </message>
    <message>
        <source>unter Lc 15 ist nichts mehr zu erkennen</source>
        <translation>below Lc 15 nothing can be made out</translation>
    </message>
    <message>
        <source>%1 auf %2
%3
%4</source>
        <translation>%1 on %2
%3
%4</translation>
    </message>
    <message>
        <source>%1 auf %2
Kontrastverhältnis: %3
Normale Schrift: %4
Große Schrift: %5</source>
        <translation>%1 on %2
Contrast ratio: %3
Normal text: %4
Large text: %5</translation>
    </message>
    <message>
        <source>AA groß</source>
        <translation>AA large</translation>
    </message>
    <message>
        <source>nicht erreichbar</source>
        <translation>not reachable</translation>
    </message>
    <message>
        <source>Weiß</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Platz %1</source>
        <translation>Slot %1</translation>
    </message>
    <message>
        <source>Platz %1 und %2</source>
        <translation>Slots %1 and %2</translation>
    </message>
    <message>
        <source>wie Ziel %1</source>
        <translation>as target %1</translation>
    </message>
</context>
<context>
    <name>EditorInput</name>
    <message>
        <source>„transparent“ ist durchsichtig und hat keine Farbe. Tintara Studio nimmt nur deckende Farben.</source>
        <translation>“transparent” is see-through and has no color. Tintara Studio takes opaque colors only.</translation>
    </message>
    <message>
        <source>,</source>
        <comment>decimal separator</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Die Deckkraft %1 % von „%2“ bleibt unberücksichtigt: Tintara Studio nimmt nur deckende Farben.</source>
        <translation>The opacity %1 % of “%2” is left out: Tintara Studio takes opaque colors only.</translation>
    </message>
    <message>
        <source>Sechs Hexziffern; eingefügt oder abgelegt auch jede Schreibweise, die Tintara Studio kopiert, und aus CSS #rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), color() und die Farbnamen; eine Farbe außerhalb von sRGB so, wie ein Browser sie auf einem sRGB-Bildschirm zeigt. Eine Deckkraft unter 1 bleibt unberücksichtigt: Tintara Studio nimmt nur deckende Farben.</source>
        <translation>Six hex digits; pasted or dropped also every notation Tintara Studio copies and, from CSS, #rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), color() and the color names; a color outside sRGB as a browser shows it on an sRGB screen. An opacity below 1 is left out: Tintara Studio takes opaque colors only.</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>JPG-Grafik</source>
        <translation>JPG picture</translation>
    </message>
    <message>
        <source>Stylesheet</source>
        <translation>Style sheet</translation>
    </message>
    <message>
        <source>Style-Sheet</source>
        <translation>Style sheet</translation>
    </message>
    <message>
        <source>Spezifikationen</source>
        <translation>Specifications</translation>
    </message>
    <message>
        <source>Textdatei</source>
        <translation>Text file</translation>
    </message>
    <message>
        <source>Referenzgrafik</source>
        <translation>Reference picture</translation>
    </message>
    <message>
        <source>Bitmapgrafik</source>
        <translation>Bitmap picture</translation>
    </message>
    <message>
        <source>Referenzgrafik 2</source>
        <translation>Reference picture 2</translation>
    </message>
    <message>
        <source>Phase5-Palette</source>
        <translation>Palette strip (Phase5)</translation>
    </message>
    <message>
        <source>GIMP-Palette</source>
        <translation>GIMP palette</translation>
    </message>
    <message>
        <source>CSS-Variablen</source>
        <translation>CSS variables</translation>
    </message>
    <message>
        <source>Tailwind-Theme</source>
        <translation>Tailwind theme</translation>
    </message>
    <message>
        <source>Farbrollen als CSS</source>
        <translation>Color roles as CSS</translation>
    </message>
    <message>
        <source>Farbrollen als Design Tokens</source>
        <translation>Color roles as design tokens</translation>
    </message>
    <message>
        <source>Farbrollen als Tailwind-Theme</source>
        <translation>Color roles as Tailwind theme</translation>
    </message>
</context>
<context>
    <name>Farbrollen</name>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text gedämpft</source>
        <translation>Muted text</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>Primär</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Text auf Primär</source>
        <translation>Text on primary</translation>
    </message>
    <message>
        <source>Akzent</source>
        <translation>Accent</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Erfolg</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Danger</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>Die Bitmapgrafik kann nicht geschrieben werden.</source>
        <translation>The bitmap picture cannot be written.</translation>
    </message>
</context>
<context>
    <name>IniFileSaving</name>
    <message>
        <source>In %1 kann nicht geschrieben werden</source>
        <translation>%1 cannot be written to</translation>
    </message>
</context>
<context>
    <name>Notation</name>
    <message>
        <source>HTML-Hexwert</source>
        <translation>HTML hex value</translation>
    </message>
    <message>
        <source>Hexwert</source>
        <translation>Hex value</translation>
    </message>
    <message>
        <source>RGB-Wert</source>
        <translation>RGB value</translation>
    </message>
    <message>
        <source>Delphi-Farbwert</source>
        <translation>Delphi color value</translation>
    </message>
    <message>
        <source>C++-Farbwert</source>
        <translation>C++ color value</translation>
    </message>
    <message>
        <source>Visual Basic-Farbwert</source>
        <translation>Visual Basic color value</translation>
    </message>
    <message>
        <source>Visual Studio .NET-Farbwert</source>
        <translation>Visual Studio .NET color value</translation>
    </message>
    <message>
        <source>CMYK-Farbwert</source>
        <translation>CMYK color value</translation>
    </message>
</context>
<context>
    <name>PaletteFormats</name>
    <message>
        <source>Die Datei ist keine GIMP-Palette.</source>
        <translation>The file is not a GIMP palette.</translation>
    </message>
    <message>
        <source>Die GIMP-Palette enthält eine Zeile, die keine Farbe ist: „%1“</source>
        <translation>The GIMP palette holds a line that is not a color: “%1”</translation>
    </message>
    <message>
        <source>Die Datei ist keine Adobe-Swatch-Exchange-Datei.</source>
        <translation>The file is not an Adobe Swatch Exchange file.</translation>
    </message>
    <message>
        <source>Die Adobe-Swatch-Exchange-Datei ist unvollständig.</source>
        <translation>The Adobe Swatch Exchange file is incomplete.</translation>
    </message>
    <message>
        <source>Die Datei ist keine gültige JSON-Datei.</source>
        <translation>The file is not a valid JSON file.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Design Tokens mit Farben.</source>
        <translation>The file holds no design tokens with colors.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Farbcodes wie #RRGGBB.</source>
        <translation>The file holds no color codes such as #RRGGBB.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>Die Datei ist größer als 1 MiB und damit keine Palette.</source>
        <translation>The file is larger than 1 MiB and so no palette.</translation>
    </message>
</context>
<context>
    <name>PictureColors</name>
    <message>
        <source>„%1“ ist kein Bild, das Tintara Studio lesen kann.</source>
        <translation>“%1” is not a picture Tintara Studio can read.</translation>
    </message>
    <message>
        <source>„%1“ ist mit %2 × %3 Pixeln zu groß; Tintara Studio liest Bilder bis 100 Megapixel.</source>
        <translation>“%1” is too large at %2 × %3 pixels; Tintara Studio reads pictures up to 100 megapixels.</translation>
    </message>
    <message>
        <source>„%1“ ist unvollständig: das Bild endet vorzeitig.</source>
        <translation>“%1” is incomplete: the picture ends early.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden: %2</source>
        <translation>“%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>„%1“ ist ein Ordner, kein Bild.</source>
        <translation>“%1” is a folder, not a picture.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht geöffnet werden: %2</source>
        <translation>“%1” cannot be opened: %2</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>„%1“ ist eine Vektorgrafik (SVG); Tintara Studio liest die Farben von Pixelbildern wie PNG, JPEG, WebP oder TIFF.</source>
        <translation>“%1” is a vector graphic (SVG); Tintara Studio reads the colors of pixel pictures such as PNG, JPEG, WebP or TIFF.</translation>
    </message>
    <message>
        <source>„%1“ ist ein Bild im Format %2, für das hier kein Bildleser installiert ist.</source>
        <translation>“%1” is a picture in the %2 format, for which no image reader is installed here.</translation>
    </message>
    <message>
        <source>„%1“ ist mit %2 MiB zu groß; Tintara Studio liest Bilder bis %3 MiB.</source>
        <translation>“%1” is too large at %2 MiB; Tintara Studio reads pictures up to %3 MiB.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>ScaleFormats</name>
    <message>
        <source>CSS-Variablen</source>
        <translation>CSS variables</translation>
    </message>
    <message>
        <source>Tailwind-Theme</source>
        <translation>Tailwind theme</translation>
    </message>
    <message>
        <source>GIMP-Palette</source>
        <translation>GIMP palette</translation>
    </message>
    <message>
        <source>Textliste</source>
        <translation>Text list</translation>
    </message>
</context>
<context>
    <name>SchemeFormat</name>
    <message>
        <source>Das Farbschema &quot;%1&quot; kann nicht gelesen werden.</source>
        <translation>The color scheme &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist größer als 1 MiB und damit kein Farbschema von Tintara Studio.</source>
        <translation>&quot;%1&quot; is larger than 1 MiB and so not a Tintara Studio color scheme.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Farbschema von Tintara Studio.</source>
        <translation>&quot;%1&quot; is not a Tintara Studio color scheme.</translation>
    </message>
</context>
<context>
    <name>StreamRead</name>
    <message>
        <source>Nach %1 Sekunden ist noch nichts angekommen; schreibt ein Programm hinein?</source>
        <translation>Nothing has arrived after %1 seconds; is a program writing into it?</translation>
    </message>
    <message>
        <source>Es kommt mehr als %1 MiB an; so viel liest Tintara Studio nicht.</source>
        <translation>More than %1 MiB arrives; Tintara Studio does not read that much.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Orbelin Tintara Studio Version 1.0.4</source>
        <translation>Orbelin Tintara Studio Version 1.0.4</translation>
    </message>
    <message>
        <source>Farbfinder</source>
        <translation>Color finder</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf</source>
        <translation>Brightness gradient</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf Farbschema</source>
        <translation>Scheme shades</translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Websichere Farbpalette</source>
        <translation>Web-safe colors</translation>
    </message>
    <message>
        <source>Testbilder</source>
        <translation>Test images</translation>
    </message>
    <message>
        <source>Farbkontrast</source>
        <translation>Color contrast</translation>
    </message>
    <message>
        <source>Testwebseite</source>
        <translation>Test web pages</translation>
    </message>
    <message>
        <source>Farbschema exportieren</source>
        <translation>Export the color scheme</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>In Tray minimieren</source>
        <translation>Minimize to the tray</translation>
    </message>
    <message>
        <source>Hilfe aufrufen</source>
        <translation>Open the help</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Neues Farbschema</source>
        <translation>New color scheme</translation>
    </message>
    <message>
        <source>Farbschema laden</source>
        <translation>Open a color scheme</translation>
    </message>
    <message>
        <source>Farbschema speichern</source>
        <translation>Save the color scheme</translation>
    </message>
    <message>
        <source>Farbinformationen</source>
        <translation>Color information</translation>
    </message>
    <message>
        <source>Vorschlagfarben in Farbschema übernehmen</source>
        <translation>Take the finder&apos;s colors into the scheme</translation>
    </message>
    <message>
        <source>Farbe löschen</source>
        <translation>Delete a color</translation>
    </message>
    <message>
        <source>RGB-Farbmodell anzeigen</source>
        <translation>Show the RGB color model</translation>
    </message>
    <message>
        <source>HSV-Farbmodell anzeigen</source>
        <translation>Show the HSV color model</translation>
    </message>
    <message>
        <source>Farbpicker (Bildschirmlupe) anzeigen</source>
        <translation>Show the color picker (screen magnifier)</translation>
    </message>
    <message>
        <source>Zufallsfarbe erzeugen</source>
        <translation>Make a random color</translation>
    </message>
    <message>
        <source>Farbauswahldialog öffnen</source>
        <translation>Open the color dialog</translation>
    </message>
    <message>
        <source>OKLCH-Farbmodell anzeigen</source>
        <translation>Show the OKLCH color model</translation>
    </message>
    <message>
        <source>Anteil Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Anteil Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Anteil Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Farbwert</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Bildschirmlupe: Einfach mit gedrückter linker Maustaste aktivieren</source>
        <translation>Screen magnifier: press and hold the left mouse button on it</translation>
    </message>
    <message>
        <source>Zoom - 100%</source>
        <translation>Zoom - 100%</translation>
    </message>
    <message>
        <source>Zoom - 75%</source>
        <translation>Zoom - 75%</translation>
    </message>
    <message>
        <source>Zoom - 50%</source>
        <translation>Zoom - 50%</translation>
    </message>
    <message>
        <source>Zoom - 25%</source>
        <translation>Zoom - 25%</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Zoom + 25%</source>
        <translation>Zoom + 25%</translation>
    </message>
    <message>
        <source>Zoom + 50%</source>
        <translation>Zoom + 50%</translation>
    </message>
    <message>
        <source>Zoom + 75%</source>
        <translation>Zoom + 75%</translation>
    </message>
    <message>
        <source>Zoom + 100%</source>
        <translation>Zoom + 100%</translation>
    </message>
    <message>
        <source>HTML:</source>
        <translation>HTML:</translation>
    </message>
    <message>
        <source>RGB:</source>
        <translation>RGB:</translation>
    </message>
    <message>
        <source>Delphi:</source>
        <translation>Delphi:</translation>
    </message>
    <message>
        <source>C++:</source>
        <translation>C++:</translation>
    </message>
    <message>
        <source>Tintara Studio</source>
        <translation>Tintara Studio</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Modules</translation>
    </message>
    <message>
        <source>Farben testen</source>
        <translation>Test colors</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Color scheme</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zufallsfarbe generieren</source>
        <translation>Random color</translation>
    </message>
    <message>
        <source>Farbauswahldialog aufrufen</source>
        <translation>Color dialog</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Konverter Tintara &gt; Tintara Studio</source>
        <translation>Convert Tintara schemes to Tintara Studio</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Websichere Farben</source>
        <translation>Web-safe colors</translation>
    </message>
    <message>
        <source>Kontrastmatrix</source>
        <translation>Contrast matrix</translation>
    </message>
    <message>
        <source>Farbskala</source>
        <translation>Color scale</translation>
    </message>
    <message>
        <source>Bildfarben</source>
        <translation>Picture colors</translation>
    </message>
    <message>
        <source>Farbsehschwäche</source>
        <translation>Color vision deficiency</translation>
    </message>
    <message>
        <source>Testwebseiten</source>
        <translation>Test web pages</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Farben/Farbfinder in Farbschema übernehmen</source>
        <translation>Take the finder&apos;s colors into the scheme</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>OKLCH</source>
        <translation>OKLCH</translation>
    </message>
    <message>
        <source>HSV</source>
        <translation>HSV</translation>
    </message>
    <message>
        <source>Farbpicker</source>
        <translation>Color picker</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>In Taskbar minimieren</source>
        <translation>Minimize to the taskbar</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Farbrollen</source>
        <translation>Color roles</translation>
    </message>
</context>
<context>
    <name>Tintara::Appearance</name>
    <message>
        <source>Erscheinungsbild</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Wie der Desktop</source>
        <translation>Like the desktop</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Dark</translation>
    </message>
</context>
<context>
    <name>Tintara::ColorEditor</name>
    <message>
        <source>Soll die aktive Farbe durch eine Zufallsfarbe ersetzt werden?</source>
        <translation>Replace the active color with a random color?</translation>
    </message>
</context>
<context>
    <name>Tintara::ContextMenu</name>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Farbwert einfügen</source>
        <translation>Paste color value</translation>
    </message>
    <message>
        <source>Farbwert kopieren</source>
        <translation>Copy color value</translation>
    </message>
    <message>
        <source>Als Hintergrundfarbe</source>
        <translation>As background color</translation>
    </message>
    <message>
        <source>Hintergrundfarbe auf Standard zurücksetzen</source>
        <translation>Reset background color to default</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Farbwert kopieren (%1)</source>
        <translation>Copy color value (%1)</translation>
    </message>
    <message>
        <source>Farbwert kopieren ()</source>
        <translation>Copy color value ()</translation>
    </message>
</context>
<context>
    <name>Tintara::ContrastGridView</name>
    <message>
        <source>Schrift: %1, Hintergrund: %2
</source>
        <translation>Text: %1, background: %2
</translation>
    </message>
</context>
<context>
    <name>Tintara::FullScreenPreview</name>
    <message>
        <source>Vollbild</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Vollbild: Text auf Hintergrund</source>
        <translation>Full screen: text on background</translation>
    </message>
</context>
<context>
    <name>Tintara::FullScreenView</name>
    <message>
        <source>%1 px – Franz jagt im komplett verwahrlosten Taxi quer durch Bayern</source>
        <translation>%1 px – The quick brown fox jumps over the lazy dog</translation>
    </message>
    <message>
        <source>Kontrast %1</source>
        <translation>Contrast %1</translation>
    </message>
</context>
<context>
    <name>Tintara::OklchEditor</name>
    <message>
        <source>Helligkeit (OKLCH) in Prozent</source>
        <translation>Lightness (OKLCH) in percent</translation>
    </message>
    <message>
        <source>Buntheit (OKLCH)</source>
        <translation>Chroma (OKLCH)</translation>
    </message>
    <message>
        <source>Farbton (OKLCH) in Grad</source>
        <translation>Hue (OKLCH) in degrees</translation>
    </message>
    <message>
        <source>Farbraum der OKLCH-Werte: schraffiert ist, was er nicht fasst; in Display P3 ist gepunktet, was nur ein Bildschirm mit großem Farbraum zeigt</source>
        <translation>Colour space of the OKLCH values: what it cannot hold is hatched; in Display P3, what only a wide-gamut screen shows is dotted</translation>
    </message>
</context>
<context>
    <name>Tintara::RecentSchemes</name>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Open recent</translation>
    </message>
    <message>
        <source>Liste leeren</source>
        <translation>Clear list</translation>
    </message>
</context>
<context>
    <name>Tintara::SchemeFiles</name>
    <message>
        <source>TintaraStudio Farbschema|*.tsf</source>
        <translation>TintaraStudio color scheme|*.tsf</translation>
    </message>
    <message>
        <source>Soll das aktuelle Farbschema durch ein neues ersetzt werden?</source>
        <translation>Replace the current color scheme with a new one?</translation>
    </message>
</context>
<context>
    <name>Tintara::SchemeHistory</name>
    <message>
        <source>Aktive Farbe %1</source>
        <translation>Active color %1</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederherstellen: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>Tintara::ScreenPicker</name>
    <message>
        <source>Lupe folgt dem Zeiger (Leertaste)</source>
        <translation>Loupe follows the pointer (Space)</translation>
    </message>
</context>
<context>
    <name>Tintara::TForm1</name>
    <message>
        <source>Farbe in Feld %1</source>
        <translation>Color in slot %1</translation>
    </message>
    <message>
        <source>Feld %1 geleert</source>
        <translation>Slot %1 emptied</translation>
    </message>
    <message>
        <source>Soll das bestehende Farbschema überschrieben werden?</source>
        <translation>Overwrite the existing color scheme?</translation>
    </message>
    <message>
        <source>Farben des Farbfinders übernommen</source>
        <translation>Colors taken from the color finder</translation>
    </message>
    <message>
        <source>Auf diesem Desktop kann Tintara Studio Farben nur über das Desktop-Portal (xdg-desktop-portal) vom Bildschirm aufnehmen. Es antwortet nicht; bitte installieren oder starten Sie es.</source>
        <translation>On this desktop Tintara Studio can pick colors from the screen only through the desktop portal (xdg-desktop-portal). It does not answer; please install or start it.</translation>
    </message>
    <message>
        <source>Neues Farbschema</source>
        <translation>New color scheme</translation>
    </message>
    <message>
        <source>Farbschema laden</source>
        <translation>Load color scheme</translation>
    </message>
    <message>
        <source>Das Farbschema hat %1 freie Plätze, gebraucht werden %2. Leeren Sie Plätze, indem Sie sie auf den Papierkorb ziehen; das Farbschema bleibt bis dahin unverändert.</source>
        <translation>The color scheme has %1 free slots, %2 are needed. Empty slots by dragging them onto the trash can; until then the color scheme stays as it is.</translation>
    </message>
    <message>
        <source>Farbinformationen</source>
        <translation>Color information</translation>
    </message>
    <message>
        <source>Wollen Sie Orbelin Tintara Studio wirklich beenden?</source>
        <translation>Do you really want to quit Orbelin Tintara Studio?</translation>
    </message>
    <message>
        <source>Die Hilfe ist nicht installiert: %1 wurde nicht gefunden.</source>
        <translation>The help is not installed: %1 was not found.</translation>
    </message>
    <message>
        <source>Die Hilfe kann nicht geöffnet werden: kein Programm zeigt CHM-Dateien oder Webseiten an. Die Hilfe liegt in %1.</source>
        <translation>The help cannot be opened: no program shows CHM files or web pages. The help is in %1.</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
</context>
<context>
    <name>Tintara::TrayMode</name>
    <message>
        <source>Tintara Studio anzeigen</source>
        <translation>Show Tintara Studio</translation>
    </message>
    <message>
        <source>Mit der linken Maustaste klicken, um das Menü zu öffnen</source>
        <translation>Click with the left mouse button to open the menu</translation>
    </message>
    <message>
        <source>Es ist kein Infobereich verfügbar, in den Tintara Studio minimiert werden kann.</source>
        <translation>There is no notification area Tintara Studio can be minimized to.</translation>
    </message>
    <message>
        <source>Farbe %1</source>
        <translation>Color %1</translation>
    </message>
</context>
<context>
    <name>Tintara::WindowZoom</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Originalgröße</source>
        <translation>Actual size</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Bildfarben</name>
    <message>
        <source>Bild einfügen</source>
        <translation>Paste picture</translation>
    </message>
    <message>
        <source>Bild öffnen …</source>
        <translation>Open picture …</translation>
    </message>
    <message>
        <source>Die Zwischenablage enthält kein Bild.</source>
        <translation>The clipboard holds no picture.</translation>
    </message>
    <message>
        <source>Bildfarben ins Farbschema</source>
        <translation>Picture colors into the color scheme</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Export</name>
    <message>
        <source>Datei &quot;%1&quot; kann nicht erstellt werden. %2</source>
        <translation>File &quot;%1&quot; cannot be created. %2</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Farbrollen</name>
    <message>
        <source>%1 auf %2</source>
        <translation>%1 on %2</translation>
    </message>
    <message>
        <source>Farbrollen: ziehen Sie Farben oder Plätze des Farbschemas auf die Felder</source>
        <translation>Color roles: drag colors or slots of the color scheme onto the swatches</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>✗: der Kontrast reicht nicht (WCAG 4,5:1 für Text, 3:1 sonst; APCA Lc 60, 45, 30). Ein Klick darauf nimmt die nächste Helligkeit, die reicht.</source>
        <translation>✗: the contrast is not enough (WCAG 4.5:1 for text, 3:1 otherwise; APCA Lc 60, 45, 30). A click on it takes the nearest lightness that is.</translation>
    </message>
    <message>
        <source>Paar</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Ziehen Sie eine Farbe oder einen Platz hierher</source>
        <translation>Drag a color or a slot here</translation>
    </message>
    <message>
        <source>Folgt Platz %1 des Farbschemas</source>
        <translation>Follows slot %1 of the color scheme</translation>
    </message>
    <message>
        <source>Eigene Farbe</source>
        <translation>Own color</translation>
    </message>
    <message>
        <source>Hierher gezogen; auf den Papierkorb gezogen, wird sie wieder abgeleitet</source>
        <translation>Dragged here; dragged onto the trash can, it is derived again</translation>
    </message>
    <message>
        <source>Abgeleitet; der Kontrast des hellen Paars ist im Dunkeln nicht erreichbar</source>
        <translation>Derived; the contrast of the light pair cannot be reached in the dark</translation>
    </message>
    <message>
        <source>Abgeleitet: derselbe Kontrast wie im hellen Paar</source>
        <translation>Derived: the same contrast as in the light pair</translation>
    </message>
    <message>
        <source>Ein Klick nimmt die nächste Helligkeit, die reicht</source>
        <translation>A click takes the nearest lightness that is enough</translation>
    </message>
    <message>
        <source>Farbrolle %1, dunkel</source>
        <translation>Color role %1, dark</translation>
    </message>
    <message>
        <source>Farbrolle %1</source>
        <translation>Color role %1</translation>
    </message>
    <message>
        <source>Farbrolle %1 entfernt</source>
        <translation>Color role %1 removed</translation>
    </message>
    <message>
        <source>Kontrast der Farbrolle %1 angepasst</source>
        <translation>Contrast of color role %1 adjusted</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Farbsehschwaeche</name>
    <message>
        <source>%1: Unterschied %2 normal, %3 mit der Farbsehschwäche</source>
        <translation>%1: difference %2 normal, %3 with the deficiency</translation>
    </message>
    <message>
        <source>Keine verwechselbaren Paare mit dieser Farbsehschwäche.</source>
        <translation>No pairs that can be confused with this color vision deficiency.</translation>
    </message>
    <message>
        <source>… und %1 weitere Paare.</source>
        <translation>… and %1 more pairs.</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Farbskala</name>
    <message>
        <source>Bis zu 13 Verhältnisse von 1 bis 21, etwa 3 4,5 7</source>
        <translation>Up to 13 ratios from 1 to 21, such as 3 4.5 7</translation>
    </message>
    <message>
        <source>Bis zu 13 Lc-Werte von 1 bis 108, etwa 45 60 75</source>
        <translation>Up to 13 Lc values from 1 to 108, such as 45 60 75</translation>
    </message>
    <message>
        <source>Folgt der aktiven Farbe, bis Sie eine Farbe hierher ziehen</source>
        <translation>Follows the active color until you drag a color here</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; kann nicht erstellt werden. %2</source>
        <translation>File &quot;%1&quot; cannot be created. %2</translation>
    </message>
    <message>
        <source>Farbskala ins Farbschema</source>
        <translation>Color scale into the color scheme</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Kontrast</name>
    <message>
        <source> Ein Klick übernimmt sie (Strg+Z nimmt das zurück); ziehen lässt sie sich wie jede Farbe.</source>
        <translation> A click takes it (Ctrl+Z undoes that); it drags like any color.</translation>
    </message>
    <message>
        <source>Die nächste Abstufung der Schriftfarbe, die AA erfüllt.</source>
        <translation>The nearest shade of the text color that meets AA.</translation>
    </message>
    <message>
        <source>Die nächste Abstufung der Hintergrundfarbe, die AA erfüllt.</source>
        <translation>The nearest shade of the background color that meets AA.</translation>
    </message>
    <message>
        <source>Kontrastpaar</source>
        <translation>Contrast pair</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Kontrastmatrix</name>
    <message>
        <source>Lampe grün: ab APCA Lc 75 (Fließtext), gelb: ab Lc 60 (sonstiger Text), rot: darunter.</source>
        <translation>Lamp green: from APCA Lc 75 (body text), yellow: from Lc 60 (other text), red: below.</translation>
    </message>
    <message>
        <source>Lampe grün: AA erfüllt, gelb: AA nur für große Schrift, rot: nicht erfüllt.</source>
        <translation>Lamp green: AA met, yellow: AA for large text only, red: not met.</translation>
    </message>
    <message>
        <source> Der Hinweis eines Feldes nennt die Werte; ein Klick übernimmt das Paar in den Farbkontrast.</source>
        <translation> A cell’s tooltip gives the values; a click takes the pair into the color contrast.</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Konverter</name>
    <message>
        <source>Alle unterstützten Dateien|*.ini;*.gpl;*.ase;*.json;*.css;*.txt|Tintara Farbschema|*.ini|GIMP-Palette|*.gpl|Adobe Swatch Exchange|*.ase|Design Tokens|*.json|Text mit Farbcodes|*.css;*.txt</source>
        <translation>All supported files|*.ini;*.gpl;*.ase;*.json;*.css;*.txt|Tintara color scheme|*.ini|GIMP palette|*.gpl|Adobe Swatch Exchange|*.ase|Design Tokens|*.json|Text with color codes|*.css;*.txt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; wurde nicht übernommen. %2</source>
        <translation>&quot;%1&quot; was not taken. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Tintara-Farbschema: der Abschnitt [CFarben] fehlt, es gibt keine Farben zu zeigen.</source>
        <translation>&quot;%1&quot; is not a Tintara color scheme: it has no [CFarben] section, so there are no colors to show.</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Paletteninfo</name>
    <message>
        <source>Informationen wurden übernommen. Zur dauerhaften Hinterlegung bitte Palette speichern.</source>
        <translation>The information was taken. To keep it, please save the color scheme.</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Testbild</name>
    <message>
        <source>Sollen die aktuellen Farben wirklich durch automatisch vergebene ersetzt werden?</source>
        <translation>Really replace the current colors with automatically chosen ones?</translation>
    </message>
    <message>
        <source>Sollen die aktuellen Farben wirklich durch die Vorgaben ersetzt werden?</source>
        <translation>Really replace the current colors with the defaults?</translation>
    </message>
</context>
<context>
    <name>Tintara::Z_Webseite</name>
    <message>
        <source>Eigene Farben</source>
        <translation>Own colors</translation>
    </message>
    <message>
        <source>Farbrollen: Hell</source>
        <translation>Color roles: light</translation>
    </message>
    <message>
        <source>Farbrollen: Dunkel</source>
        <translation>Color roles: dark</translation>
    </message>
    <message>
        <source>Zeigt die Testwebseiten in den Farbrollen des Farbschemas, hell oder dunkel; eine Rolle ohne Farbe nimmt die eigene Farbe der Seite</source>
        <translation>Shows the test web pages in the color roles of the scheme, light or dark; a role without a color takes the page’s own color</translation>
    </message>
</context>
<context>
    <name>Z_Abstufungen</name>
    <message>
        <source>Verlauf:</source>
        <translation>Shade:</translation>
    </message>
    <message>
        <source>Dunkel nach Hell</source>
        <translation>Dark to light</translation>
    </message>
    <message>
        <source>Heller</source>
        <translation>Lighter</translation>
    </message>
    <message>
        <source>Dunkler</source>
        <translation>Darker</translation>
    </message>
    <message>
        <source>Es sind aktuell keine Farben im Farbschema abgelegt.</source>
        <translation>The color scheme holds no colors yet.</translation>
    </message>
    <message>
        <source>Bitte legen Sie zuerst Farben ab, um dann den Helligkeitsverlauf anzuzeigen.</source>
        <translation>Put colors into it first to see their shades.</translation>
    </message>
</context>
<context>
    <name>Z_Bildfarben</name>
    <message>
        <source>Bild öffnen …</source>
        <translation>Open picture …</translation>
    </message>
    <message>
        <source>Ein Bild öffnen; Sie können eine Bilddatei auch hierher ziehen oder ein Bild einfügen (Strg+V)</source>
        <translation>Open a picture; you can also drop a picture file here or paste a picture (Ctrl+V)</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Wie viele vorherrschende Farben gesucht werden</source>
        <translation>How many dominant colors to find</translation>
    </message>
    <message>
        <source>Ins Farbschema</source>
        <translation>Into scheme</translation>
    </message>
    <message>
        <source>Die Farben in die freien Plätze des Farbschemas, von links (Strg+Z nimmt es zurück)</source>
        <translation>The colors into the scheme&apos;s free slots, from the left (Ctrl+Z takes them back)</translation>
    </message>
    <message>
        <source>Ein Klick macht das Pixel unter dem Mauszeiger zur aktiven Farbe</source>
        <translation>A click makes the pixel under the pointer the active color</translation>
    </message>
    <message>
        <source>Öffnen Sie ein Bild, ziehen Sie eine Bilddatei hierher oder fügen Sie ein Bild aus der Zwischenablage ein (Strg+V).</source>
        <translation>Open a picture, drop a picture file here or paste a picture from the clipboard (Ctrl+V).</translation>
    </message>
    <message>
        <source>Flächen: die Farben, die am meisten Fläche bedecken; Akzente: bunte Farben zählen mehr, so kommen auch kleine bunte Flächen heraus</source>
        <translation>Areas: the colors that cover the most area; Accents: colorful colors count for more, so small colorful areas come out too</translation>
    </message>
    <message>
        <source>Flächen</source>
        <translation>Areas</translation>
    </message>
    <message>
        <source>Akzente</source>
        <translation>Accents</translation>
    </message>
</context>
<context>
    <name>Z_Export</name>
    <message>
        <source>Exportformat:</source>
        <translation>Export format:</translation>
    </message>
    <message>
        <source>Anzeige:</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>Definition einbinden</source>
        <translation>Include definition</translation>
    </message>
    <message>
        <source>Farbinformationen
verwenden</source>
        <translation>Use color
information</translation>
    </message>
    <message>
        <source>HTML-Hex</source>
        <translation>HTML hex</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>Farbbezeichnung</source>
        <translation>Color name</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Grafikformat:</source>
        <translation>Picture format:</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG (*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Anzeige aktualisieren</source>
        <translation>Refresh preview</translation>
    </message>
    <message>
        <source>Export starten</source>
        <translation>Start export</translation>
    </message>
    <message>
        <source>Token-Wert als Hex-Text</source>
        <translation>Token value as hex text</translation>
    </message>
    <message>
        <source>&quot;$value&quot;: &quot;#2563eb&quot; statt des Objekts mit Farbraum und Komponenten, für Style Dictionary 4 und ältere Werkzeuge</source>
        <translation>&quot;$value&quot;: &quot;#2563eb&quot; instead of the object with color space and components, for Style Dictionary 4 and older tools</translation>
    </message>
</context>
<context>
    <name>Z_Farbsehschwaeche</name>
    <message>
        <source>Farbsehschwäche:</source>
        <translation>Deficiency:</translation>
    </message>
    <message>
        <source>Protanopie</source>
        <translation>Protanopia</translation>
    </message>
    <message>
        <source>Deuteranopie</source>
        <translation>Deuteranopia</translation>
    </message>
    <message>
        <source>Tritanopie</source>
        <translation>Tritanopia</translation>
    </message>
    <message>
        <source>Achromatopsie</source>
        <translation>Achromatopsia</translation>
    </message>
    <message>
        <source>Schweregrad:</source>
        <translation>Severity:</translation>
    </message>
    <message>
        <source>Ansicht:</source>
        <translation>View:</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Color scheme</translation>
    </message>
    <message>
        <source>Testwebseite 1</source>
        <translation>Test web page 1</translation>
    </message>
    <message>
        <source>Testwebseite 2</source>
        <translation>Test web page 2</translation>
    </message>
    <message>
        <source>Testbild 1</source>
        <translation>Test image 1</translation>
    </message>
    <message>
        <source>Testbild 2</source>
        <translation>Test image 2</translation>
    </message>
    <message>
        <source>Testbild 3</source>
        <translation>Test image 3</translation>
    </message>
    <message>
        <source>Testbild 4</source>
        <translation>Test image 4</translation>
    </message>
    <message>
        <source>Testbild 5</source>
        <translation>Test image 5</translation>
    </message>
    <message>
        <source>Testbild 6</source>
        <translation>Test image 6</translation>
    </message>
    <message>
        <source>Normales Sehen</source>
        <translation>Normal vision</translation>
    </message>
    <message>
        <source>Mit der Farbsehschwäche</source>
        <translation>With the deficiency</translation>
    </message>
    <message>
        <source>Verwechselbare Paare des Farbschemas (CIEDE2000 unter 10 mit der Farbsehschwäche):</source>
        <translation>Scheme pairs that become confusable (CIEDE2000 below 10 with the deficiency):</translation>
    </message>
    <message>
        <source>Farbrollen hell</source>
        <translation>Color roles light</translation>
    </message>
    <message>
        <source>Farbrollen dunkel</source>
        <translation>Color roles dark</translation>
    </message>
</context>
<context>
    <name>Z_Farbskala</name>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Tonleiter</source>
        <translation>Tonal scale</translation>
    </message>
    <message>
        <source>Kontrastziele</source>
        <translation>Contrast targets</translation>
    </message>
    <message>
        <source>Je Ziel die Abstufung der Basis, die diesen Kontrast zum Hintergrund gerade erreicht</source>
        <translation>For each target, the shade of the base that just reaches that contrast on the background</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Ziele</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>Kontrastziele durch Leerzeichen getrennt, mit Komma oder Punkt, höchstens 13; Enter übernimmt sie</source>
        <translation>Contrast targets separated by blanks, with a comma or point, at most 13; Enter takes them</translation>
    </message>
    <message>
        <source>WCAG</source>
        <translation>WCAG</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Der Name der Farbskala in den Dateien, etwa --primary-500</source>
        <translation>The scale&apos;s name in the files, as in --primary-500</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Die Farbskala im gewählten Format in die Zwischenablage</source>
        <translation>The scale in the chosen format to the clipboard</translation>
    </message>
    <message>
        <source>Speichern …</source>
        <translation>Save …</translation>
    </message>
    <message>
        <source>Die Farbskala im gewählten Format als Datei speichern</source>
        <translation>Save the scale in the chosen format</translation>
    </message>
    <message>
        <source>Ins Farbschema</source>
        <translation>Into scheme</translation>
    </message>
    <message>
        <source>Die Stufen in die freien Plätze des Farbschemas, von links (Strg+Z nimmt es zurück)</source>
        <translation>The steps into the scheme&apos;s free slots, from the left (Ctrl+Z takes them back)</translation>
    </message>
    <message>
        <source>Elf Stufen 50 bis 950, wie Design-Systeme sie bauen: Helligkeit, Buntheit und Farbton der Stufen folgen der Basis</source>
        <translation>Eleven steps 50 to 950, built as design systems build them: the steps&apos; lightness, chroma and hue follow the base</translation>
    </message>
    <message>
        <source>Stufe der Basis</source>
        <translation>Step of the base</translation>
    </message>
    <message>
        <source>Die Stufe, die die Basis selbst ist; „Automatisch“ wählt sie nach ihrer Helligkeit</source>
        <translation>The step that is the base itself; “Automatic” chooses it by its lightness</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Token-Wert als Hex-Text</source>
        <translation>Token value as hex text</translation>
    </message>
    <message>
        <source>&quot;$value&quot;: &quot;#2563eb&quot; statt des Objekts mit Farbraum und Komponenten, für Style Dictionary 4 und ältere Werkzeuge</source>
        <translation>&quot;$value&quot;: &quot;#2563eb&quot; instead of the object with color space and components, for Style Dictionary 4 and older tools</translation>
    </message>
    <message>
        <source>Display P3: die Stufen dürfen so bunt werden, wie heutige Bildschirme zeigen; jede behält ihren sRGB-Ersatz, den die Felder zeigen und den die Dateien neben der P3-Farbe schreiben</source>
        <translation>Display P3: the steps may become as colorful as today&apos;s screens show; each keeps its sRGB fallback, which the swatches show and the files write beside the P3 color</translation>
    </message>
</context>
<context>
    <name>Z_Farbverlauf</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Mischungsverhältnis</source>
        <translation>Mixing ratio</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>In OKLab mischen</source>
        <translation>Mix in OKLab</translation>
    </message>
    <message>
        <source>Verlauf und Mischung in OKLab berechnen, wo Farben gleichmäßig ineinander übergehen, statt Kanal für Kanal in RGB</source>
        <translation>Blend the gradient and the mixer in OKLab, where colors pass evenly into each other, instead of channel by channel in RGB</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>Z_Helligkeit</name>
    <message>
        <source>Ausgangsfarbe</source>
        <translation>Start color</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Wert (%)</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>Z_Kontrast</name>
    <message>
        <source>Vordergrund</source>
        <translation>Foreground</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Orbelin Tintara Studio</source>
        <translation>Orbelin Tintara Studio</translation>
    </message>
    <message>
        <source>Beispiel</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Ergebnis:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Helligkeitsdifferenz:</source>
        <translation>Brightness diff.:</translation>
    </message>
    <message>
        <source>Vorschläge für AA: Schrift</source>
        <translation>Suggestions for AA: text</translation>
    </message>
    <message>
        <source>Farbdifferenz:</source>
        <translation>Color difference:</translation>
    </message>
    <message>
        <source>(Legende: </source>
        <translation>(Legend: </translation>
    </message>
    <message>
        <source>= erfüllt, </source>
        <translation>= passed, </translation>
    </message>
    <message>
        <source>= bedingt erfüllt, </source>
        <translation>= partly passed, </translation>
    </message>
    <message>
        <source>= nicht erfüllt)</source>
        <translation>= not passed)</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Details:</translation>
    </message>
    <message>
        <source>- Die Helligkeitsdifferenz liegt über dem Grenzwert (125)</source>
        <translation>- The brightness difference is above the threshold (125)</translation>
    </message>
    <message>
        <source>- Die Farbdifferenz liegt über dem vom W3C genannten Grenzwert (500)</source>
        <translation>- The color difference is above the W3C&apos;s threshold (500)</translation>
    </message>
    <message>
        <source>- Die Farbdifferenz liegt über dem von Hewlett Packard genannten Grenzwert (400)</source>
        <translation>- The color difference is above Hewlett Packard&apos;s threshold (400)</translation>
    </message>
</context>
<context>
    <name>Z_Kontrastmatrix</name>
    <message>
        <source>Kontrastmatrix: jede Farbe des Farbschemas als Schrift (Zeile) auf jeder als Hintergrund (Spalte)</source>
        <translation>Contrast matrix: every scheme color as text (row) on every one as background (column)</translation>
    </message>
    <message>
        <source>Das Farbschema enthält noch keine Farben. Legen Sie Farben in die Felder des Farbschemas, um hier zu sehen, welche Paare als Schrift und Hintergrund die WCAG 2.2 erfüllen.</source>
        <translation>The color scheme holds no colors yet. Put colors into its slots to see here which pairs of text and background meet WCAG 2.2.</translation>
    </message>
    <message>
        <source>WCAG 2.2</source>
        <translation>WCAG 2.2</translation>
    </message>
    <message>
        <source>Die Felder nach dem Kontrastverhältnis der WCAG 2.2 bewerten</source>
        <translation>Judge the cells by the WCAG 2.2 contrast ratio</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Die Felder nach dem Helligkeitskontrast Lc von APCA bewerten</source>
        <translation>Judge the cells by APCA&apos;s lightness contrast Lc</translation>
    </message>
</context>
<context>
    <name>Z_Konverter</name>
    <message>
        <source>Tintara - Farbpalette öffnen</source>
        <translation>Open a Tintara palette</translation>
    </message>
</context>
<context>
    <name>Z_Optionen</name>
    <message>
        <source>Einstellungen beim Programmstart laden</source>
        <translation>Restore settings at start</translation>
    </message>
    <message>
        <source>Farbauswahl</source>
        <translation>Color choice</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Color scheme</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Moduleinstellungen</source>
        <translation>Module settings</translation>
    </message>
    <message>
        <source>Aktuelle Farbe</source>
        <translation>Active color</translation>
    </message>
    <message>
        <source>Farbauswahlmodus</source>
        <translation>Color model</translation>
    </message>
    <message>
        <source>Zoomfaktor Farbpicker</source>
        <translation>Picker zoom</translation>
    </message>
    <message>
        <source>Aktuelles Farbschema</source>
        <translation>Color scheme</translation>
    </message>
    <message>
        <source>Farbinformationen</source>
        <translation>Color information</translation>
    </message>
    <message>
        <source>Farben im Zwischenspeicher</source>
        <translation>Buffered colors</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>Fensterposition</source>
        <translation>Window position</translation>
    </message>
    <message>
        <source>Farben Farbverlauf</source>
        <translation>Gradient colors</translation>
    </message>
    <message>
        <source>Farbe Helligkeitsverlauf</source>
        <translation>Shading color</translation>
    </message>
    <message>
        <source>Modus Farbvorschlag</source>
        <translation>Finder mode</translation>
    </message>
    <message>
        <source>Rahmeneinstellung</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Deckkraft Farbpalette</source>
        <translation>Palette opacity</translation>
    </message>
    <message>
        <source>Farben Farbpalette</source>
        <translation>Palette colors</translation>
    </message>
    <message>
        <source>Auswahl Helligkeitsverlauf</source>
        <translation>Shading choice</translation>
    </message>
    <message>
        <source>Format/Zwischenablage</source>
        <translation>Copy format</translation>
    </message>
    <message>
        <source>Beenden ohne Abfrage</source>
        <translation>Exit without asking</translation>
    </message>
    <message>
        <source>Format / Zwischenablage</source>
        <translation>Copy format</translation>
    </message>
    <message>
        <source>Konverter</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Tintara-Farbpalette importieren</source>
        <translation>Import a Tintara palette</translation>
    </message>
</context>
<context>
    <name>Z_Palette</name>
    <message>
        <source>Deckkraft</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Schwach</source>
        <translation>Faint</translation>
    </message>
    <message>
        <source>Stark</source>
        <translation>Strong</translation>
    </message>
</context>
<context>
    <name>Z_Paletteninfo</name>
    <message>
        <source>01</source>
        <translation>01</translation>
    </message>
    <message>
        <source>02</source>
        <translation>02</translation>
    </message>
    <message>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <source>04</source>
        <translation>04</translation>
    </message>
    <message>
        <source>05</source>
        <translation>05</translation>
    </message>
    <message>
        <source>06</source>
        <translation>06</translation>
    </message>
    <message>
        <source>07</source>
        <translation>07</translation>
    </message>
    <message>
        <source>08</source>
        <translation>08</translation>
    </message>
    <message>
        <source>09</source>
        <translation>09</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Z_Testbild</name>
    <message>
        <source>Orbelin Tintara Studio</source>
        <translation>Orbelin Tintara Studio</translation>
    </message>
    <message>
        <source>Schriftfarbe</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Automatik</source>
        <translation>Automatic</translation>
    </message>
</context>
<context>
    <name>Z_Vorschlag</name>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Ähnlich</source>
        <translation>Similar</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Kreativ</source>
        <translation>Creative</translation>
    </message>
    <message>
        <source>Monochrom</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>Rahmen anzeigen</source>
        <translation>Show frames</translation>
    </message>
    <message>
        <source>Komplementärfarbe</source>
        <translation>Complementary color</translation>
    </message>
    <message>
        <source>Optimale Schriftfarbe</source>
        <translation>Best text color</translation>
    </message>
</context>
<context>
    <name>Z_Webseite</name>
    <message>
        <source>Webseite 1 Standard</source>
        <translation>Web page 1 default</translation>
    </message>
    <message>
        <source>Webseite 2 Standard</source>
        <translation>Web page 2 default</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Navigationsleiste</source>
        <translation>Navigation bar</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Überschrift</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Meine Webseite</source>
        <translation>My web page</translation>
    </message>
    <message>
        <source>Startseite Neuigkeiten Produkte Über uns Kontakt</source>
        <translation>Home News Products About us Contact</translation>
    </message>
    <message>
        <source>Willkommen auf meiner</source>
        <translation>Welcome to my page</translation>
    </message>
    <message>
        <source>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu fugiat nulla pariatur.</source>
        <translation>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu fugiat nulla pariatur.</translation>
    </message>
    <message>
        <source>www.meine-webseite.de</source>
        <translation>www.my-web-page.com</translation>
    </message>
    <message>
        <source>Startseite  Neuigkeiten  Produkte  Über uns  Kontakt</source>
        <translation>Home  News  Products  About us  Contact</translation>
    </message>
    <message>
        <source>Willkommen auf meiner Webseite</source>
        <translation>Welcome to my web page</translation>
    </message>
</context>
</TS>
