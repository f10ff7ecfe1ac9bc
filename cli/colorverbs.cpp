#include "cli/colorverbs.h"
#include "cli/jsonoutput.h"
#include "cli/spokenlist.h"

#include "color/apca.h"
#include "color/colorscale.h"
#include "color/colortext.h"
#include "color/decimal.h"
#include "color/notation.h"
#include "color/wcag.h"
#include "exchange/scaleformats.h"
#include "platform/textcodec.h"
#include "rules/commandvalues.h"
#include "rules/editorinput.h"
#include "rules/picturecolors.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

struct ReadColor {
    std::optional<TColor> color;
    QString refusal;
    std::optional<QString> note;
};

ReadColor readColor(const QString& text)
{
    const std::string utf8 = text.toStdString();
    if (namesTransparency(utf8))
        return {std::nullopt, transparencyRefusal(), {}};
    if (const auto color = colorFromText(utf8))
        return {color, {}, opacityNote(text)};
    return {std::nullopt, CommandLine::tr("„%1“ ist keine Farbe, die Tintara Studio lesen kann.").arg(excerpt(text)), {}};
}

// The notes of the colours a verb read, for standard error.
QStringList notesOf(std::initializer_list<ReadColor> colors)
{
    QStringList notes;
    for (const ReadColor& read : colors) {
        if (read.note)
            notes << *read.note;
    }
    return notes;
}

VerbResult misuse(const QString& message)
{
    return {2, {}, message, {}};
}

// Exit 1: a colour or picture that cannot be read.
VerbResult failed(const QString& message)
{
    return {1, {}, message, {}};
}

// The names --format takes for a scale, or for the colours of a picture, which have no Tailwind theme.
QStringList scaleFormatNames(bool tailwind)
{
    QStringList names;
    for (const ScaleFormatRow& row : scaleFormats) {
        if (tailwind || row.format != ScaleFormat::Tailwind)
            names << QLatin1String(row.commandLineName);
    }
    return names << QStringLiteral("json");
}

QString unknownFormat(const QString& name, bool tailwind)
{
    return CommandLine::tr("Unbekanntes Format „%1“: %2.").arg(name, spokenList(scaleFormatNames(tailwind)));
}

// `--scale COLOR [--name NAME] [--format F] [--at STEP | --against COLOR [--targets LIST] [--metric M]]`.
VerbResult scaleOfColor(const QCommandLineParser& parser)
{
    const QString formatName = parser.isSet(QStringLiteral("format")) ? parser.value(QStringLiteral("format"))
                                                                      : QStringLiteral("txt");
    const bool json = formatName == QLatin1String("json");
    const auto format = json ? std::optional(ScaleFormat::Text) : scaleFormatNamed(formatName);
    if (!format)
        return misuse(unknownFormat(formatName, true));
    const auto apca = parser.isSet(QStringLiteral("metric")) ? apcaMetric(parser.value(QStringLiteral("metric")))
                                                             : std::optional(false);
    if (!apca)
        return misuse(CommandLine::tr("--metric nimmt wcag oder apca."));
    const bool against = parser.isSet(QStringLiteral("against"));
    if (!against && (parser.isSet(QStringLiteral("targets")) || parser.isSet(QStringLiteral("metric"))))
        return misuse(CommandLine::tr("--targets und --metric gelten nur mit --against."));
    const ContrastMeasure measure = *apca ? ContrastMeasure::Apca : ContrastMeasure::Wcag;
    std::vector<double> targets = measure == ContrastMeasure::Wcag ? defaultContrastTargets : defaultApcaTargets;
    if (parser.isSet(QStringLiteral("targets"))) {
        const auto list = contrastTargetList(parser.value(QStringLiteral("targets")));
        if (!list)
            return misuse(CommandLine::tr(
                "--targets nimmt Zahlen mit Dezimalpunkt, durch Kommas getrennt, etwa 1.5,3,4.5."));
        targets = *list;
    }
    QString refusal;
    const auto tokenValue = tokenValueOption(parser, *format == ScaleFormat::DesignTokens, &refusal);
    if (!tokenValue)
        return misuse(refusal);
    const QString gamut = parser.isSet(QStringLiteral("gamut")) ? parser.value(QStringLiteral("gamut")) : QStringLiteral("srgb");
    if (gamut != QLatin1String("srgb") && gamut != QLatin1String("p3"))
        return misuse(CommandLine::tr("--gamut nimmt srgb oder p3."));
    if (against && gamut == QLatin1String("p3"))
        return misuse(CommandLine::tr("--gamut p3 gilt nur für die Tonleiter, nicht mit --against."));
    std::optional<std::size_t> pinned;
    if (parser.isSet(QStringLiteral("at"))) {
        if (against)
            return misuse(CommandLine::tr("--at gilt nur für die Tonleiter, nicht mit --against."));
        bool number = false;
        const int step = parser.value(QStringLiteral("at")).toInt(&number);
        pinned = number ? tonalStepIndex(step) : std::nullopt;
        if (!pinned)
            return misuse(CommandLine::tr("--at nimmt eine Stufe der Tonleiter: 50, 100, 200 … 900 oder 950."));
    }
    const ReadColor base = readColor(parser.value(QStringLiteral("scale")));
    if (!base.color)
        return failed(base.refusal);
    std::vector<ScaleStep> steps;
    QStringList notes = notesOf({base});
    if (against) {
        const ReadColor background = readColor(parser.value(QStringLiteral("against")));
        if (!background.color)
            return failed(background.refusal);
        steps = contrastShades(*base.color, *background.color, targets, measure);
        notes << notesOf({background});
        // A colour repeated, or a target APCA does not count, is said rather than passed over.
        for (const ScaleStep& step : steps) {
            const QString name = QString::fromStdString(step.name);
            if (!step.sameAs.empty())
                notes << CommandLine::tr("Ziel %1 ergibt dieselbe Farbe wie Ziel %2.")
                             .arg(name, QString::fromStdString(step.sameAs));
            else if (measure == ContrastMeasure::Apca && name.toDouble() < leastApcaTarget)
                notes << CommandLine::tr("Ziel %1 liegt unter Lc 15, was APCA nicht als sichtbaren Kontrast zählt.")
                             .arg(name);
        }
    } else if (gamut == QLatin1String("p3")) {
        // The base as written, which may lie beyond sRGB.
        const Xyz wide = *colorXyzFromText(parser.value(QStringLiteral("scale")).toStdString());
        steps = displayP3Scale(oklchFromOklab(oklabFromXyzD65(wide)), pinned);
    } else {
        steps = tonalScale(*base.color, pinned);
    }
    const QString name = parser.isSet(QStringLiteral("name")) ? parser.value(QStringLiteral("name")) : QStringLiteral("primary");
    if (json) {
        const ScaleReport report{name, *base.color, pinned ? std::optional(tonalSteps[*pinned]) : std::nullopt,
                                 against ? std::optional(*readColor(parser.value(QStringLiteral("against"))).color)
                                         : std::nullopt,
                                 against ? std::optional(measure) : std::nullopt};
        return {0, scaleJson(report, steps), {}, notes};
    }
    return {0, scaleFile(*format, name, steps, *tokenValue), {}, notes};
}

// `--extract PICTURE [--count N] [--format txt|gpl|cssvars|tokens]`.
VerbResult coloursOfPicture(const QCommandLineParser& parser)
{
    const auto count = parser.isSet(QStringLiteral("count")) ? colourCount(parser.value(QStringLiteral("count")))
                                                             : std::optional(8);
    if (!count)
        return misuse(CommandLine::tr("--count nimmt eine Zahl von 2 bis 16."));
    const QString formatName = parser.isSet(QStringLiteral("format")) ? parser.value(QStringLiteral("format"))
                                                                      : QStringLiteral("txt");
    const bool json = formatName == QLatin1String("json");
    const auto format = json ? std::optional(ScaleFormat::Text) : scaleFormatNamed(formatName);
    if (!format || *format == ScaleFormat::Tailwind)
        return misuse(unknownFormat(formatName, false));
    const QString mode = parser.isSet(QStringLiteral("mode")) ? parser.value(QStringLiteral("mode")) : QStringLiteral("dominant");
    if (mode != QLatin1String("dominant") && mode != QLatin1String("accents"))
        return misuse(CommandLine::tr("--mode nimmt dominant oder accents."));
    const QString path = parser.value(QStringLiteral("extract"));
    const PictureRead read = readPictureFile(path);
    if (!read.error.isEmpty())
        return failed(read.error);
    const std::vector<DominantColor> colours = pictureColors(
        read.image, *count, mode == QLatin1String("accents") ? ColorEmphasis::Accents : ColorEmphasis::Area);
    if (colours.empty())
        return failed(CommandLine::tr("„%1“ hat kein deckendes Pixel, also keine Farben.")
                          .arg(QDir::toNativeSeparators(path)));
    if (json)
        return {0, extractJson(QFileInfo(path).fileName(), colours), {}, {}};
    if (*format == ScaleFormat::Text)
        return {0, dominantColorsText(colours), {}, {}};
    // The palette formats name each colour by its rank: --foto-1, --foto-2 …
    std::vector<ScaleStep> steps;
    for (std::size_t n = 0; n < colours.size(); ++n)
        steps.push_back({std::to_string(n + 1), colours[n].color});
    return {0, scaleFile(*format, QFileInfo(path).completeBaseName(), steps), {}, {}};
}

} // namespace

std::optional<TokenValue> tokenValueOption(const QCommandLineParser& parser, bool tokens, QString* refusal)
{
    if (!parser.isSet(QStringLiteral("token-value")))
        return TokenValue::Object;
    const QString value = parser.value(QStringLiteral("token-value"));
    if (!tokens)
        *refusal = CommandLine::tr("--token-value gilt nur mit --export tokens oder theme-tokens und mit --format tokens.");
    else if (value == QLatin1String("hex"))
        return TokenValue::Hex;
    else if (value == QLatin1String("object"))
        return TokenValue::Object;
    else
        *refusal = CommandLine::tr("--token-value nimmt object oder hex.");
    return std::nullopt;
}

void addColorVerbOptions(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("convert"),
                      CommandLine::tr("Gibt die Farbe in jeder Schreibweise aus, die Tintara Studio kopiert. Gelesen "
                                     "werden diese Schreibweisen und aus CSS #rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), "
                                     "rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), color() und die "
                                     "Farbnamen, eine Farbe außerhalb von sRGB so, wie ein Browser sie auf einem "
                                     "sRGB-Bildschirm zeigt; eine Deckkraft unter 1 bleibt unberücksichtigt."),
                      CommandLine::tr("farbe")});
    parser.addOption({QStringLiteral("to"),
                      CommandLine::tr("Mit --convert nur diese Schreibweise: ein Name des Menüs „Farbwert kopieren“ "
                                     "(deutsch oder englisch) oder html, hex, rgb, cmyk, hsl, oklch."),
                      QStringLiteral("name")});
    parser.addOption({QStringLiteral("contrast"),
                      CommandLine::tr("Kontrast von Schrift- und Hintergrundfarbe (zweites Argument) nach WCAG 2.2 "
                                     "und APCA."),
                      CommandLine::tr("schrift")});
    parser.addOption({QStringLiteral("min"),
                      CommandLine::tr("Mit --contrast: Mindestkontrast nach WCAG, ein Verhältnis wie 4.5 oder AA, AAA, "
                                     "AA-large; darunter endet der Aufruf mit 1."),
                      CommandLine::tr("wert")});
    parser.addOption({QStringLiteral("min-apca"),
                      CommandLine::tr("Mit --contrast: Mindestwert Lc nach APCA, etwa 60; darunter endet der Aufruf "
                                     "mit 1."),
                      CommandLine::tr("lc")});
    parser.addOption({QStringLiteral("scale"),
                      CommandLine::tr("Farbskala der Farbe: die Tonleiter 50 bis 950, mit --against die Abstufungen "
                                     "zu Kontrastzielen."),
                      CommandLine::tr("farbe")});
    parser.addOption({QStringLiteral("name"), CommandLine::tr("Name der Farbskala in den Dateien (Standard: primary)."),
                      QStringLiteral("name")});
    parser.addOption({QStringLiteral("format"),
                      CommandLine::tr("Ausgabeformat: bei --scale %1; bei --extract %2; bei --convert und --contrast "
                                     "txt (Standard) oder json. JSON ist ein Objekt mit festen Schlüsseln und Zahlen "
                                     "als Zahlen, beschrieben im README.").arg([] {
                          QStringList names = scaleFormatNames(true);
                          names.replace(names.indexOf(QStringLiteral("txt")), markedAsDefault(QStringLiteral("txt")));
                          return spokenList(names);
                      }(), spokenList(scaleFormatNames(false))),
                      QStringLiteral("format")});
    parser.addOption({QStringLiteral("at"),
                      CommandLine::tr("Mit --scale: die Stufe der Tonleiter, die die Farbe selbst ist, etwa 500 "
                                     "(Standard: nach ihrer Helligkeit)."),
                      CommandLine::tr("stufe")});
    parser.addOption({QStringLiteral("gamut"),
                      CommandLine::tr("Mit --scale: srgb (Standard) oder p3, die Tonleiter mit der Buntheit, die "
                                     "Display P3 hält, jede Stufe mit ihrem sRGB-Ersatz."),
                      QStringLiteral("gamut")});
    parser.addOption({QStringLiteral("against"), CommandLine::tr("Hintergrundfarbe der Kontrastziele."),
                      CommandLine::tr("farbe")});
    parser.addOption({QStringLiteral("targets"),
                      CommandLine::tr("Kontrastziele, etwa 1.15,1.3,2,3,4.5,7 (Standard: 1.15 bis 13 für WCAG, "
                                     "15 bis 90 für APCA)."),
                      CommandLine::tr("liste")});
    parser.addOption({QStringLiteral("extract"),
                      CommandLine::tr("Die vorherrschenden Farben eines Bildes, die größte Fläche zuerst."),
                      CommandLine::tr("bild")});
    parser.addOption({QStringLiteral("count"),
                      CommandLine::tr("Mit --extract: wie viele Farben, 2 bis 16 (Standard 8)."),
                      CommandLine::tr("anzahl")});
    parser.addOption({QStringLiteral("token-value"),
                      CommandLine::tr("Mit --export tokens oder theme-tokens und --scale --format tokens: wie ein Token seine Farbe "
                                     "gibt, object (Standard, Farbraum und Komponenten) oder hex (\"#2563eb\")."),
                      CommandLine::tr("form")});
    parser.addOption({QStringLiteral("mode"),
                      CommandLine::tr("Mit --extract: dominant (Standard), die Farben der größten Flächen, oder "
                                     "accents, bei denen bunte Farben mehr zählen, auch kleine."),
                      CommandLine::tr("art")});
    parser.addOption({QStringLiteral("metric"), CommandLine::tr("Maß der Kontrastziele: wcag (Standard) oder apca."),
                      CommandLine::tr("mass")});
}

std::optional<VerbResult> runColorVerb(const QCommandLineParser& parser)
{
    const bool convert = parser.isSet(QStringLiteral("convert"));
    const bool contrast = parser.isSet(QStringLiteral("contrast"));
    const bool scale = parser.isSet(QStringLiteral("scale"));
    const bool extract = parser.isSet(QStringLiteral("extract"));
    if (!scale) {
        for (const char* option : {"name", "against", "targets", "metric", "at", "gamut"}) {
            if (parser.isSet(QLatin1String(option)))
                return misuse(CommandLine::tr("--%1 gilt nur mit --scale.").arg(QLatin1String(option)));
        }
    }
    const QString formatName = parser.value(QStringLiteral("format"));
    const bool json = formatName == QLatin1String("json");
    if (!convert && !contrast && !scale && !extract && parser.isSet(QStringLiteral("format")))
        return misuse(CommandLine::tr("--format gilt nur mit --convert, --contrast, --scale und --extract."));
    if ((convert || contrast) && parser.isSet(QStringLiteral("format")) && !json && formatName != QLatin1String("txt"))
        return misuse(CommandLine::tr("--format nimmt bei --convert und --contrast txt oder json."));
    for (const char* option : {"count", "mode"}) {
        if (!extract && parser.isSet(QLatin1String(option)))
            return misuse(CommandLine::tr("--%1 gilt nur mit --extract.").arg(QLatin1String(option)));
    }
    if (!convert && parser.isSet(QStringLiteral("to")))
        return misuse(CommandLine::tr("--to gilt nur mit --convert."));
    for (const char* option : {"min", "min-apca"}) {
        if (!contrast && parser.isSet(QLatin1String(option)))
            return misuse(CommandLine::tr("--%1 gilt nur mit --contrast.").arg(QLatin1String(option)));
    }
    QString refusal;
    if ((convert || contrast || extract) && !tokenValueOption(parser, false, &refusal))
        return misuse(refusal);
    if (!convert && !contrast && !scale && !extract)
        return std::nullopt;
    if (convert + contrast + scale + extract + parser.isSet(QStringLiteral("export")) > 1)
        return misuse(CommandLine::tr("--export, --convert, --contrast, --scale und --extract gehen nur einzeln."));
    if (extract)
        return parser.positionalArguments().isEmpty() ? coloursOfPicture(parser)
                                                     : misuse(CommandLine::tr("--extract nimmt genau ein Bild."));
    const QStringList rest = parser.positionalArguments();
    if (convert) {
        if (!rest.isEmpty())
            return misuse(CommandLine::tr("--convert nimmt genau eine Farbe."));
        const bool to = parser.isSet(QStringLiteral("to"));
        return convertColor(parser.value(QStringLiteral("convert")),
                            to ? std::optional(parser.value(QStringLiteral("to"))) : std::nullopt, json);
    }
    if (scale) {
        if (!rest.isEmpty())
            return misuse(CommandLine::tr("--scale nimmt genau eine Farbe."));
        return scaleOfColor(parser);
    }
    if (rest.size() != 1)
        return misuse(CommandLine::tr("--contrast nimmt genau zwei Farben: Schrift und Hintergrund."));
    ContrastGate gate;
    if (parser.isSet(QStringLiteral("min"))) {
        gate.ratio = contrastMinimum(parser.value(QStringLiteral("min")));
        if (!gate.ratio)
            return misuse(CommandLine::tr("--min nimmt ein Verhältnis von 1 bis 21 oder AA, AAA, AA-large."));
    }
    if (parser.isSet(QStringLiteral("min-apca"))) {
        gate.lc = apcaMinimum(parser.value(QStringLiteral("min-apca")));
        if (!gate.lc)
            return misuse(CommandLine::tr("--min-apca nimmt einen Wert Lc von 1 bis 108."));
    }
    return contrastOfColors(parser.value(QStringLiteral("contrast")), rest.constFirst(), gate, json);
}

VerbResult convertColor(const QString& text, const std::optional<QString>& to, bool json)
{
    const ReadColor read = readColor(text);
    if (!read.color)
        return failed(read.refusal);
    const auto notation = to ? notationNamed(*to) : std::nullopt;
    if (to && !notation)
        return misuse(CommandLine::tr("Unbekannte Schreibweise „%1“.").arg(*to));
    // The colour as written, which may lie beyond sRGB, beside the colour an sRGB screen shows.
    const Xyz wide = *colorXyzFromText(text.toStdString());
    if (json)
        return {0, convertJson(text, *read.color, wide, notation), {}, notesOf({read})};
    if (notation)
        return {0, QByteArray(wideColorNotation(*read.color, wide, *notation).c_str()) + '\n', {}, notesOf({read})};
    QString lines;
    for (const NotationRow& row : notationTable)
        lines += QCoreApplication::translate("Notation", row.menuText) + QStringLiteral(": ")
            + QString::fromStdString(wideColorNotation(*read.color, wide, row.notation)) + u'\n';
    const auto yesNo = [](bool inside) { return inside ? QStringLiteral("yes") : QStringLiteral("no"); };
    lines += QStringLiteral("in sRGB: %1\nin Display P3: %2\n").arg(yesNo(insideSrgb(wide)), yesNo(insideDisplayP3(wide)));
    return {0, lines.toUtf8(), {}, notesOf({read})};
}

VerbResult contrastOfColors(const QString& text, const QString& background, const ContrastGate& gate, bool json)
{
    const ReadColor textColor = readColor(text);
    const ReadColor backgroundColor = readColor(background);
    for (const ReadColor& read : {textColor, backgroundColor}) {
        if (!read.color)
            return failed(read.refusal);
    }
    const double ratio = contrastRatio(*textColor.color, *backgroundColor.color);
    const QString wcag = QStringLiteral("WCAG 2.2: %1:1 %2 (large text: %3)\n")
                             .arg(QString::fromStdString(decimalText(cutContrastRatio(ratio), 2)), wcagLevelName(wcagTextLevel(ratio)),
                                  wcagLevelName(wcagLargeTextLevel(ratio)));
    const double lc = apcaContrast(*textColor.color, *backgroundColor.color);
    // The page's two suggestions, for the gate's ratio; a colour that reaches it is its own.
    const double minimum = gate.ratio.value_or(4.5);
    const bool passes = cutContrastRatio(ratio) >= minimum;
    const QString wanted = QString::number(minimum);
    const auto shadeOf = [passes, minimum](TColor colour, TColor other) {
        return passes ? std::optional(colour) : nearestPassingShade(colour, other, minimum);
    };
    const auto passingText = shadeOf(*textColor.color, *backgroundColor.color);
    const auto passingBackground = shadeOf(*backgroundColor.color, *textColor.color);
    const auto shadeText = [](const std::optional<TColor>& shade) {
        return shade ? QString::fromStdString(ColorNotation(*shade, NotationHtml)) : QStringLiteral("none");
    };
    const QString output = wcag + QStringLiteral("APCA Lc: ") + QString::fromStdString(decimalText(lc, 1)) + u'\n'
        + QStringLiteral("nearest passing text (%1:1): %2\n").arg(wanted, shadeText(passingText))
        + QStringLiteral("nearest passing background (%1:1): %2\n").arg(wanted, shadeText(passingBackground));
    QStringList failures;
    if (gate.ratio && !passes)
        failures << CommandLine::tr("Der Kontrast %1:1 liegt unter dem Mindestwert %2:1.")
                        .arg(QString::fromStdString(decimalText(cutContrastRatio(ratio), 2)), wanted);
    if (gate.lc && std::abs(lc) < *gate.lc)
        failures << CommandLine::tr("Der APCA-Kontrast Lc %1 liegt unter dem Mindestwert %2.")
                        .arg(QString::fromStdString(decimalText(std::abs(lc), 1)), QString::number(*gate.lc));
    const QByteArray written = json ? contrastJson({*textColor.color, *backgroundColor.color, cutContrastRatio(ratio), lc,
                                                    minimum, gate.lc, failures.isEmpty(), passingText, passingBackground})
                                    : output.toUtf8();
    return {failures.isEmpty() ? 0 : 1, written, failures.join(u' '), notesOf({textColor, backgroundColor})};
}

} // namespace Tintara
